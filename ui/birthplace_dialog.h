#pragma once
// The "Lieu de naissance" dialog: finds the birthplace as the user types and explains the time
// difference of its zone at the birth's local date and time. For a town not in the place list,
// a zone of the system's time-zone database can be chosen by name instead. Special cases are never
// decided silently: for a time that occurs twice the user picks summer or winter time, a
// non-whole-hour offset is rounded only when the user ticks that choice, and a time that does not
// exist or an offset beyond -12..12 gives no value. When the place list is missing or damaged,
// the dialog says so and offers the zones only.
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "app/birthplace_choice.h"
#include "app/place_search.h"
#include "app/zone_resolution.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class CBirthplaceDialog : public QDialog {
    Q_OBJECT
  public:
    // `moment`: the form's local date and time (already range-checked). `catalogue`: the place
    // list to search, the shared one when null. `placeListProblem`: what is wrong with the
    // file of the place list (app/place_list_state.h), empty when it is sound; that of the
    // program's own list when not given.
    explicit CBirthplaceDialog(const LocalMoment& moment, QWidget* parent = nullptr,
                               const PlaceCatalogue* catalogue = nullptr,
                               std::optional<std::string> placeListProblem = std::nullopt);

    // The "Fuseau horaire" value chosen, once the dialog was accepted; nothing otherwise.
    std::optional<int> ChosenTimeDifference() const;
    // The place selected in the list, if any (nothing while a zone is chosen by name).
    std::optional<Place> SelectedPlace() const { return m_choice.SelectedPlace(); }
    // The zone chosen by name, if any (nothing while a place is selected).
    std::optional<std::string> SelectedZone() const { return m_choice.SelectedZone(); }
    // The time difference for the selected place or zone and the user's choices.
    const ZoneResolution& Result() const { return m_choice.Result(); }
    // All the dialog holds: lists, selection, answers.
    const BirthplaceChoice& Choice() const { return m_choice; }

    // The controls, for keyboard handling and tests.
    // Why there are no places to search; hidden while the place list is sound.
    QLabel* PlaceListNotice() const { return m_placeListNotice; }
    QLineEdit* SearchField() const { return m_search; }
    QListWidget* PlaceList() const { return m_list; }
    QLineEdit* ZoneSearchField() const { return m_zoneSearch; }
    QListWidget* ZoneList() const { return m_zoneList; }
    QLabel* Explanation() const { return m_explanation; }
    QRadioButton* SummerChoice() const { return m_summer; }
    QRadioButton* WinterChoice() const { return m_winter; }
    QCheckBox* RoundChoice() const { return m_round; }
    QPushButton* OkButton() const;

    // Runs the search for `text` (the search field does so on every change).
    void Search(const QString& text);
    // Lists the zones whose names hold `text` (the zone field does so on every change).
    void SearchZone(const QString& text);

    // Closes the dialog with the value when one is determined; does nothing otherwise.
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnPlaceChanged();
    void OnZoneChanged();
    void OnDstToggled(bool summer, bool checked);
    // Shows the choice's current rows, its explanation, the choices it offers and OK.
    void ShowChoice();

    BirthplaceChoice m_choice;
    std::optional<int> m_chosen;

    QLabel* m_placeListNotice = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_zoneSearch = nullptr;
    QListWidget* m_zoneList = nullptr;
    QLabel* m_explanation = nullptr;
    QRadioButton* m_summer = nullptr;
    QRadioButton* m_winter = nullptr;
    QCheckBox* m_round = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
