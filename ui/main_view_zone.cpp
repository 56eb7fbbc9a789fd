// Field 1022 "Fuseau horaire" while the user has given no value: it follows the computer's own
// zone at the form's date and time. Its tooltip says what the value at hand means.
#include <QLineEdit>
#include <optional>

#include "app/zone_default.h"
#include "app/zone_resolution.h"
#include "app/zone_text.h"
#include "res/form_template.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/birth_form.h"
#include "ui/form_integer.h"
#include "ui/main_view.h"

namespace {

constexpr int kLargestTimeDifference = 12;

} // namespace

void CMainView::ConnectTimeZoneField() {
    auto* field = qobject_cast<QLineEdit*>(m_form->Control(IDC_TIME_ZONE));
    // Only the user's own edits: the program's setText does not emit textEdited.
    connect(field, &QLineEdit::textEdited, this, [this] { m_followComputerZone = false; });
    connect(field, &QLineEdit::textChanged, this, [this] { ShowTimeZoneMeaning(); });
}

void CMainView::FollowComputerZone() {
    if (!m_followComputerZone || !m_computerZone) {
        return;
    }
    const std::optional<int> value =
        DefaultTimeDifference(m_computerZone(), LocalMomentOf(m_form->Input()));
    if (!value) {
        return;
    }
    BirthInput input = m_form->Input();
    input.timeZone = *value;
    m_form->SetInput(input);
}

void CMainView::ShowTimeZoneMeaning() {
    QWidget* field = m_form->Control(IDC_TIME_ZONE);
    QString tip = QString::fromUtf8(LoadResourceString(ToolTipStringId(IDC_TIME_ZONE)));
    const std::optional<int32_t> value = ParseFormInteger(m_form->Text(IDC_TIME_ZONE));
    if (value && *value >= -kLargestTimeDifference && *value <= kLargestTimeDifference) {
        tip.append(QLatin1Char('\n'))
            .append(QString::fromStdString(TimeDifferenceMeaningText(*value)));
    }
    field->setToolTip(tip);
}
