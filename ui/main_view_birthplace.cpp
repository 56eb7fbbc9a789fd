// "&Lieu de naissance...": the birthplace dialog for the form's date and time, its value into
// the time difference.
#include <optional>

#include "places/zone_offset.h"
#include "ui/birthplace_dialog.h"
#include "ui/dialog_service.h"
#include "ui/main_view.h"

void CMainView::OnInsertBirthplace() {
    // The moment must pass the form's checks (with their messages) before a zone is looked up.
    if (!UpdateData(true) || !ValidateInput()) {
        return;
    }
    const places::LocalMoment moment{m_nYear, m_nMonth, m_nDay, m_nHour, m_nMinute};
    CBirthplaceDialog dialog(moment, window(), m_places);
    if (m_dialogs.Exec(dialog) != QDialog::Accepted) {
        return;
    }
    const std::optional<int> difference = dialog.ChosenTimeDifference();
    if (!difference) {
        return;
    }
    // The form was read and checked above and the dialog is modal, so only the new time
    // difference (always within -12..12) is new: evaluate without asking the checks' questions
    // a second time. The evaluation shows every member, the time difference among them.
    m_nTimeZone = *difference;
    Evaluate();
    RememberBirthplaceZone(dialog);
}

void CMainView::RememberBirthplaceZone(const CBirthplaceDialog& dialog) {
    ZoneResolution zone;
    zone.status = ZoneStatus::Ok;
    zone.place = dialog.SelectedPlace();
    zone.zone = zone.place ? zone.place->zone : std::string();
    zone.offset = dialog.Result().offset;
    zone.timeDifference = m_nTimeZone;
    m_birthplaceZone = BirthplaceZone{zone, EnteredInput()};
}
