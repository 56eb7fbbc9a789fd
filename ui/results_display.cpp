#include "ui/results_display.h"

#include <QLabel>
#include <string_view>

#include "app/birth_input.h"
#include "app/form_fields.h"
#include "astro/birth.h"
#include "res/resource_ids.h"
#include "ui/birth_form.h"
#include "ui/form_builder.h"
#include "ui/phase_diagram.h"
#include "ui/ui_text.h"

CResultsDisplay::CResultsDisplay(CBirthForm& form)
    : m_form(form), m_staticType(qobject_cast<QLabel*>(form.Control(IDC_TYPE_PICTURE))),
      m_diagram(qobject_cast<CPhaseDiagram*>(form.Control(IDC_DIAGRAM))) {
    for (const FormResultText& result : FormResultTexts()) {
        m_form.ShowText(result.id, QString());
    }
}

void CResultsDisplay::Show(const BirthEvaluation& e, bool southern) {
    m_diagram->m_dCentreJD = e.m_dJulianDate;
    m_diagram->m_bSouthern = southern ? 1 : 0;

    for (const FormResultText& result : FormResultTexts()) {
        const std::string_view text = result.text(e);
        m_form.ShowText(result.id,
                        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    const QString typeName = m_form.Text(IDC_TYPE_NAME);

    m_bmpType = ResourcePixmap(e.m_nTypeBitmap);
    if (m_bmpType.isNull()) {
        m_staticType->clear();
    } else {
        m_staticType->setPixmap(m_bmpType);
    }
    m_staticType->setProperty("bitmapId", e.m_nTypeBitmap);
    m_staticType->setAccessibleName(typeName);
    // The moment at the diagram's centre and the two phases there.
    m_diagram->setAccessibleDescription(
        UiText(TextId::DiagramDescription,
               {m_form.Text(IDC_BIRTH), m_form.Text(IDC_MOON), m_form.Text(IDC_SUN)}));
    m_diagram->update();
}
