// "&Lieu de naissance...": the birthplace dialog for the form's date and time, its value into
// the time difference.
#include <optional>
#include <string>

#include "app/place_list_state.h"
#include "app/zone_resolution.h"
#include "ui/birth_form.h"
#include "ui/birthplace_dialog.h"
#include "ui/dialog_service.h"
#include "ui/main_view.h"

void CMainView::OnInsertBirthplace() {
    // The moment must pass the form's checks (with their messages) before a zone is looked up.
    if (!m_form->ReadFields() || !ValidateInput()) {
        return;
    }
    // The dialog tells what is wrong with the place list's file, if anything.
    std::optional<std::string> placeListProblem;
    if (m_placeTableFile) {
        placeListProblem = PlaceListProblemOf(*m_placeTableFile);
    }
    CBirthplaceDialog dialog(LocalMomentOf(m_form->Input()), window(), m_places,
                             std::move(placeListProblem));
    if (m_dialogs.Exec(dialog) != QDialog::Accepted) {
        return;
    }
    const std::optional<int> difference = dialog.ChosenTimeDifference();
    if (!difference) {
        return;
    }
    // The form was read and checked above and the dialog is modal, so only the new time
    // difference (always within -12..12) is new: evaluate without asking the checks' questions
    // a second time. The evaluation shows every field, the time difference among them.
    BirthInput input = m_form->Input();
    input.timeZone = *difference;
    m_followComputerZone = false;
    m_form->SetInput(input);
    Evaluate();
    m_birthplaceZone = TakeBirthplace(dialog.Choice(), m_form->Input());
}
