// The birth on the form as a printed sheet takes it.
#include "sheet/sheet_content.h"
#include "ui/birth_form.h"
#include "ui/main_view.h"

std::optional<SheetBirth> CMainView::CheckedSheetBirth() {
    if (!Recalculate()) {
        return std::nullopt;
    }
    SheetBirth birth{m_form->Name().trimmed().toStdString(), m_form->Input(), std::nullopt};
    // The birthplace is named only while the form holds the moment and the value taken for it.
    birth.zone = BirthplaceStillShown(m_birthplaceZone, birth.input);
    return birth;
}
