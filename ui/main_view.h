#pragma once
// The form view: the form (values and exchange) with its record list, its results display
// and its layout switch, and the commands that work across them.
#include <QDateTime>
#include <functional>

#include "ui/birth_form.h"
#include "ui/layout_switch.h"
#include "ui/results_display.h"

class CMessageService;
class CVexamoDoc;
class QListWidget;

class CMainView : public CBirthForm {
    Q_OBJECT
  public:
    CMainView(CVexamoDoc& document, CMessageService& messages, QWidget* parent = nullptr);
    ~CMainView() override;

    CVexamoDoc& GetDocument() const { return m_document; }
    CLayoutSwitch& Layout() { return m_layout; }
    CResultsDisplay& Results() { return m_results; }
    // The source of the current local time (tests fix it).
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

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

    CVexamoDoc& m_document;
    CLayoutSwitch m_layout;
    CResultsDisplay m_results;
    std::function<QDateTime()> m_clock;
};
