#pragma once
// The "Lieu de naissance" dialog (template 103): finds the birthplace as the user types and
// explains the time difference of its zone at the birth's local date and time; for a town not in
// the place list a zone can be chosen by name. What it offers and says is app/'s
// BirthplaceChoice; this window shows it and passes the user's actions on.
#include <optional>
#include <string>

#include "app/birthplace_choice.h"
#include "win/template_dialog.h"

class CBirthplaceDialog : public CTemplateDialog {
  public:
    // `moment`: the form's local date and time (already range-checked); the program's places,
    // with what is wrong with their list if anything.
    explicit CBirthplaceDialog(const LocalMoment& moment);
    // The same over other places; placeListProblem, when not empty, is said above the place
    // search, which is greyed with its list.
    CBirthplaceDialog(const LocalMoment& moment, const PlaceCatalogue& catalogue,
                      std::string placeListProblem);

    const BirthplaceChoice& Choice() const { return m_choice; }
    // The "Fuseau horaire" value taken with OK; nothing before or otherwise.
    std::optional<int> ChosenTimeDifference() const { return m_chosen; }

  private:
    void OnInitDialog() override;
    bool OnCommand(int id, int notification) override;
    void Accept();
    void FillPlaces();
    void FillZones();
    // Shows the choice's lists' rows, its explanation, the choices it offers and OK.
    void ShowChoice();

    BirthplaceChoice m_choice;
    std::optional<int> m_chosen;
};
