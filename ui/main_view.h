#pragma once
// The form view: the form (values and exchange) with its record list, its results display
// and its layout switch, and the commands that work across them.
#include <QDateTime>
#include <functional>
#include <optional>

#include "app/birth_input.h"
#include "app/zone_resolution.h"
#include "ui/birth_form.h"
#include "ui/layout_switch.h"
#include "ui/results_display.h"

struct SheetBirth;

class CBirthplaceDialog;
class CDialogService;
class CMessageService;
class CVexamoDoc;
class QListWidget;

namespace places {
class PlaceCatalogue;
}

class CMainView : public CBirthForm {
    Q_OBJECT
  public:
    CMainView(CVexamoDoc& document, CMessageService& messages, CDialogService& dialogs,
              QWidget* parent = nullptr);
    ~CMainView() override;

    CVexamoDoc& GetDocument() const { return m_document; }
    CLayoutSwitch& Layout() { return m_layout; }
    CResultsDisplay& Results() { return m_results; }
    // The source of the current local time (tests fix it).
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // The places the birthplace dialog searches (tests fix them); the shared list when null.
    void SetPlaceCatalogue(const places::PlaceCatalogue* catalogue) { m_places = catalogue; }

    // Form, results and layout.
    void OnInitialUpdate();
    void OnCalculate();
    // Reads the form, runs its checks and evaluates; false when the form refused the input.
    bool Recalculate();
    bool ValidateInput();
    void OnToggleLayout();
    // Puts the current local date and time into the five date and time members and their
    // controls; the other controls keep what they hold.
    void SetCurrentDate();
    void OnInsertCurrentDate();
    // "&Lieu de naissance...": the time difference of a birthplace at the form's date and time
    // into field 1022, then evaluates.
    void OnInsertBirthplace();

    // Record list commands.
    void OnAdd();
    void OnSelChangeList();
    void LoadSelectedRecord();
    void OnDelete();
    void OnDeleteAll();
    void FillRecordList();

    // Clipboard.
    void OnEditCopy();
    void OnCopyAll();
    void CopyToClipboard(const QString& text);

    // Printed sheets: the form's birth after "Calculer"'s checks and evaluation; nothing when
    // the form refused it.
    std::optional<SheetBirth> CheckedSheetBirth();

    // The record list (its order and keys: ui/record_list.h).
    QListWidget* m_listDates = nullptr;

  private:
    void EnableToolTips();
    // The members' birth moment as the checks and the evaluation take it.
    BirthInput EnteredInput() const;
    void RememberBirthplaceZone(const CBirthplaceDialog& dialog);
    // Evaluates the members as they stand (already read and checked) and shows the results.
    void Evaluate();

    CVexamoDoc& m_document;
    CDialogService& m_dialogs;
    const places::PlaceCatalogue* m_places = nullptr;
    CLayoutSwitch m_layout;
    CResultsDisplay m_results;
    std::function<QDateTime()> m_clock;
    // The birthplace and zone the time difference was last taken from, with the moment and
    // value it was taken for; a printed sheet names them while the form still holds both.
    struct BirthplaceZone {
        ZoneResolution zone;
        BirthInput input;
    };
    std::optional<BirthplaceZone> m_birthplaceZone;
};
