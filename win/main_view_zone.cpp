// Field 1022 "Fuseau horaire" while the user has given no value: it follows the computer's own
// zone at the form's date and time.
#include "app/zone_default.h"
#include "res/resource_ids.h"
#include "win/main_view.h"

void CMainView::OnTimeZoneChanged() {
    // Only the user's own edits: the program's texts leave the field unmodified.
    if (SendMessageW(m_form.Control(IDC_TIME_ZONE), EM_GETMODIFY, 0, 0) != 0) {
        m_followComputerZone = false;
    }
}

void CMainView::FollowComputerZone() {
    if (!m_followComputerZone || !m_computerZone) {
        return;
    }
    const std::optional<int> value =
        DefaultTimeDifference(m_computerZone(), LocalMomentOf(m_form.Input()));
    if (!value) {
        return;
    }
    BirthInput input = m_form.Input();
    input.timeZone = *value;
    m_form.SetInput(input);
}
