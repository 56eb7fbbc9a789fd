// The birth on the form as a printed sheet takes it.
#include "sheet/sheet_content.h"
#include "ui/main_view.h"

BirthInput CMainView::EnteredInput() const {
    return BirthInput{m_nDay,    m_nMonth,    m_nYear,          m_nHour,
                      m_nMinute, m_nTimeZone, m_bSouthern != 0, m_bConstZone != 0};
}

std::optional<SheetBirth> CMainView::CheckedSheetBirth() {
    if (!Recalculate()) {
        return std::nullopt;
    }
    SheetBirth birth{m_strName.trimmed().toStdString(), EnteredInput(), std::nullopt};
    // The birthplace is named only while the form holds the moment and the value taken for it
    // (the options play no part in the zone).
    if (m_birthplaceZone) {
        const BirthInput& then = m_birthplaceZone->input;
        const BirthInput& now = birth.input;
        if (then.day == now.day && then.month == now.month && then.year == now.year &&
            then.hour == now.hour && then.minute == now.minute && then.timeZone == now.timeZone) {
            birth.zone = m_birthplaceZone->zone;
        }
    }
    return birth;
}
