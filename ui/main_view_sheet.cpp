// The birth on the form as a printed sheet takes it.
#include "sheet/sheet_content.h"
#include "ui/birth_form.h"
#include "ui/main_view.h"

std::optional<SheetBirth> CMainView::CheckedSheetBirth() {
    if (!Recalculate()) {
        return std::nullopt;
    }
    SheetBirth birth{m_form->Name().trimmed().toStdString(), m_form->Input(), std::nullopt};
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
