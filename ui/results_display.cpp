#include "ui/results_display.h"

#include <QLabel>

#include "app/birth_input.h"
#include "astro/birth.h"
#include "res/resource_ids.h"
#include "ui/birth_form.h"
#include "ui/form_builder.h"
#include "ui/phase_diagram.h"

CResultsDisplay::CResultsDisplay(CBirthForm& form)
    : m_staticType(qobject_cast<QLabel*>(form.Control(IDC_TYPE_PICTURE))),
      m_diagram(qobject_cast<CPhaseDiagram*>(form.Control(IDC_DIAGRAM))), m_form(form) {}

void CResultsDisplay::Show(const BirthEvaluation& e, int32_t southern) {
    m_diagram->m_dCentreJD = e.m_dJulianDate;
    m_diagram->m_bSouthern = southern;

    m_form.m_strJulian = QString::fromStdString(e.m_strJulianDate);
    m_form.m_strMoon = QString::fromStdString(e.m_strMoonPercent);
    m_form.m_strSun = QString::fromStdString(e.m_strSunPercent);
    m_form.m_strMondtag = QString::fromStdString(e.m_strMoonDayPercent);
    m_form.m_strEcart = QString::fromStdString(e.m_strEcartPercent);
    m_form.m_strTypeName = QString::fromUtf8(BirthTypeName(e.m_nType));
    m_form.m_strLastNew = QString::fromStdString(e.m_strLastNewMoon);
    m_form.m_strFull = QString::fromStdString(e.m_strFullMoon);
    m_form.m_strNextNew = QString::fromStdString(e.m_strNextNewMoon);
    m_form.m_strBirth = QString::fromStdString(e.m_strBirthMoment);

    m_bmpType = ResourcePixmap(e.m_nTypeBitmap);
    if (m_bmpType.isNull()) {
        m_staticType->clear();
    } else {
        m_staticType->setPixmap(m_bmpType);
    }
    m_staticType->setProperty("bitmapId", e.m_nTypeBitmap);
    m_staticType->setAccessibleName(m_form.m_strTypeName);
    // The moment at the diagram's centre and the two phases there.
    m_diagram->setAccessibleDescription(
        QStringLiteral("%1, Lune : %2, Soleil : %3")
            .arg(m_form.m_strBirth, m_form.m_strMoon, m_form.m_strSun));
}
