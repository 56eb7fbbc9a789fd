#pragma once
// The "Lieu de naissance" dialog: finds the birthplace as the user types and explains the time
// difference of its zone at the birth's local date and time. Special cases are never decided
// silently: for a time that occurs twice the user picks summer or winter time, a non-whole-hour
// offset is rounded only when the user ticks that choice, and a time that does not exist or an
// offset beyond -12..12 gives no value.
#include <QDialog>
#include <optional>
#include <vector>

#include "app/zone_resolution.h"
#include "places/place.h"
#include "places/zone_offset.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace places {
class PlaceCatalogue;
}

class CBirthplaceDialog : public QDialog {
    Q_OBJECT
  public:
    // `moment`: the form's local date and time (already range-checked). `catalogue`: the place
    // list to search, the shared one when null.
    explicit CBirthplaceDialog(const places::LocalMoment& moment, QWidget* parent = nullptr,
                               const places::PlaceCatalogue* catalogue = nullptr);

    // The "Fuseau horaire" value chosen, once the dialog was accepted; nothing otherwise.
    std::optional<int> ChosenTimeDifference() const;
    // The place selected in the list, if any.
    std::optional<places::Place> SelectedPlace() const;
    // The time difference for the selected place and the user's choices.
    const ZoneResolution& Result() const { return m_result; }

    // The controls, for keyboard handling and tests.
    QLineEdit* SearchField() const { return m_search; }
    QListWidget* PlaceList() const { return m_list; }
    QLabel* Explanation() const { return m_explanation; }
    QRadioButton* SummerChoice() const { return m_summer; }
    QRadioButton* WinterChoice() const { return m_winter; }
    QCheckBox* RoundChoice() const { return m_round; }
    QPushButton* OkButton() const;

    // Runs the search for `text` (the search field does so on every change).
    void Search(const QString& text);

    // Closes the dialog with the value when one is determined; does nothing otherwise.
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnPlaceChanged();
    void Update();
    void ShowResult();

    const places::PlaceCatalogue& m_catalogue;
    places::LocalMoment m_moment;
    std::vector<places::Place> m_found;
    ZoneResolution m_result;
    std::optional<int> m_chosen;

    QLineEdit* m_search = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_explanation = nullptr;
    QRadioButton* m_summer = nullptr;
    QRadioButton* m_winter = nullptr;
    QCheckBox* m_round = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
