#include "ui/results_display.h"

#include <QLabel>
#include <array>
#include <string>
#include <string_view>

#include "app/birth_input.h"
#include "astro/birth.h"
#include "res/resource_ids.h"
#include "ui/birth_form.h"
#include "ui/form_builder.h"
#include "ui/phase_diagram.h"
#include "ui/ui_text.h"

namespace {

struct ResultText {
    int id;
    std::string_view (*text)(const BirthEvaluation& e);
};

template <auto kField> std::string_view FieldText(const BirthEvaluation& e) {
    return e.*kField;
}

// The type's name comes from the catalogue and is shown apart.
constexpr std::array<ResultText, 9> kResultTexts{{
    {IDC_JULIAN, FieldText<&BirthEvaluation::m_strJulianDate>},
    {IDC_MOON, FieldText<&BirthEvaluation::m_strMoonPercent>},
    {IDC_SUN, FieldText<&BirthEvaluation::m_strSunPercent>},
    {IDC_MONDTAG, FieldText<&BirthEvaluation::m_strMoonDayPercent>},
    {IDC_ECART, FieldText<&BirthEvaluation::m_strEcartPercent>},
    {IDC_LAST_NEW, FieldText<&BirthEvaluation::m_strLastNewMoon>},
    {IDC_FULL, FieldText<&BirthEvaluation::m_strFullMoon>},
    {IDC_NEXT_NEW, FieldText<&BirthEvaluation::m_strNextNewMoon>},
    {IDC_BIRTH, FieldText<&BirthEvaluation::m_strBirthMoment>},
}};

} // namespace

CResultsDisplay::CResultsDisplay(CBirthForm& form)
    : m_form(form), m_staticType(qobject_cast<QLabel*>(form.Control(IDC_TYPE_PICTURE))),
      m_diagram(qobject_cast<CPhaseDiagram*>(form.Control(IDC_DIAGRAM))) {
    for (const ResultText& result : kResultTexts) {
        m_form.ShowText(result.id, QString());
    }
    m_form.ShowText(IDC_TYPE_NAME, QString());
}

void CResultsDisplay::Show(const BirthEvaluation& e, bool southern) {
    m_diagram->m_dCentreJD = e.m_dJulianDate;
    m_diagram->m_bSouthern = southern ? 1 : 0;

    for (const ResultText& result : kResultTexts) {
        const std::string_view text = result.text(e);
        m_form.ShowText(result.id,
                        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    const QString typeName = QString::fromUtf8(BirthTypeName(e.m_nType));
    m_form.ShowText(IDC_TYPE_NAME, typeName);

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
