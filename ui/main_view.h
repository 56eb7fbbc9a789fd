#pragma once
// The form view: the form (values and exchange) with its record list, its results display
// and its layout switch, and the commands that work across them.
#include <QDateTime>
#include <functional>

#include "ui/birth_form.h"
#include "ui/layout_switch.h"
#include "ui/results_display.h"

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
    void Recalculate();
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

    // The record list (its order and keys: ui/record_list.h).
    QListWidget* m_listDates = nullptr;

  private:
    void EnableToolTips();
    // Evaluates the members as they stand (already read and checked) and shows the results.
    void Evaluate();

    CVexamoDoc& m_document;
    CDialogService& m_dialogs;
    const places::PlaceCatalogue* m_places = nullptr;
    CLayoutSwitch m_layout;
    CResultsDisplay m_results;
    std::function<QDateTime()> m_clock;
};
