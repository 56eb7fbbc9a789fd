// "&Lieu de naissance...": the birthplace dialog for the form's date and time, its value into
// the time difference.
#include <memory>
#include <string>

#include "win/birthplace_dialog.h"
#include "win/main_view.h"

void CMainView::OnInsertBirthplace() {
    // The moment must pass the form's checks (with their messages) before a zone is looked up.
    if (!m_form.ReadFields() || !ValidateInput()) {
        return;
    }
    const LocalMoment moment = LocalMomentOf(m_form.Input());
    const auto dialog = m_places != nullptr
                            ? std::make_unique<CBirthplaceDialog>(moment, *m_places, std::string())
                            : std::make_unique<CBirthplaceDialog>(moment);
    if (m_runDialog(*dialog, m_hFrame) != IDOK) {
        return;
    }
    const std::optional<int> difference = dialog->ChosenTimeDifference();
    if (!difference) {
        return;
    }
    // The form was read and checked above and the dialog is modal, so only the new time
    // difference (always within -12..12) is new: evaluate without asking the checks' questions
    // a second time. The evaluation shows every field, the time difference among them.
    BirthInput input = m_form.Input();
    input.timeZone = *difference;
    m_followComputerZone = false;
    m_form.SetInput(input);
    Evaluate();
    m_birthplace = TakeBirthplace(dialog->Choice(), m_form.Input());
}
