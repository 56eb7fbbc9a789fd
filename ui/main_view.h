#pragma once
// The form view: the form with its record list, its results display and its layout switch,
// and the commands that work across them. The commands are reached through the form's buttons
// and the frame's menu actions.
#include <QDateTime>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/birth_input.h"
#include "app/birthplace_choice.h"
#include "app/document_session.h"
#include "app/name_search.h"
#include "app/place_search.h"
#include "app/record_undo.h"
#include "app/zone_resolution.h"
#include "ui/layout_switch.h"
#include "ui/results_display.h"

struct SheetBirth;

class CBirthForm;
class CBirthplaceDialog;
class CDialogService;
class CFindDialog;
class CMainFrame;
class CMessageService;
class QAction;
class QListWidget;

class CMainView : public QWidget {
    Q_OBJECT
  public:
    CMainView(DocumentSession& session, CMessageService& messages, CDialogService& dialogs,
              QWidget* parent = nullptr);
    ~CMainView() override;

    // Connects the frame's actions of the view's commands (copy, copy all, current date,
    // birthplace) to them.
    void ConnectCommands(const CMainFrame& frame);
    // The source of the current local time (tests fix it).
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // The name of the computer's time zone, read at each evaluation (tests fix it); an empty
    // name leaves field 1022 as it is.
    void SetComputerZone(std::function<std::string()> zone) { m_computerZone = std::move(zone); }
    // The places the birthplace dialog searches (tests fix them); the shared list when null.
    void SetPlaceCatalogue(const PlaceCatalogue* catalogue) { m_places = catalogue; }
    // The file whose state the birthplace dialog tells (tests point it at others); the
    // program's own place list when unset.
    void SetPlaceTableFile(std::string file) { m_placeTableFile = std::move(file); }

    // Fills the form and the record list from the document (at start and after New or Open)
    // and evaluates. The undo history starts again.
    void OnInitialUpdate();
    // The document was saved: undo and redo lead back to what it holds now as unchanged.
    void OnDocumentSaved();
    // Sizes the frame to the layout shown.
    void FitFrameToLayout() { m_layout.FitFrameToLayout(); }

    // The birth as last read from the form or set there.
    const BirthInput& Input() const;

    // Printed sheets: the form's birth after "Calculer"'s checks and evaluation; nothing when
    // the form refused it.
    std::optional<SheetBirth> CheckedSheetBirth();

  private:
    // Form, results and layout.
    void OnCalculate();
    // Reads the form, runs its checks and evaluates; false when the form refused the input.
    bool Recalculate();
    bool ValidateInput();
    void OnToggleLayout();
    // Puts the current local date and time into the five date and time fields; the other
    // fields keep what they hold.
    void SetCurrentDate();
    void OnInsertCurrentDate();
    // "&Lieu de naissance...": the time difference of a birthplace at the form's date and time
    // into field 1022, then evaluates.
    void OnInsertBirthplace();
    // Evaluates the input as it stands (already read and checked) and shows the results.
    void Evaluate();
    void EnableToolTips();

    // Field 1022 "Fuseau horaire": until the user gives a value (typing it, a birthplace or a
    // stored record), each evaluation first sets it to that of the computer's zone.
    void ConnectTimeZoneField();
    void FollowComputerZone();
    // The tooltip of field 1022 with what the value it holds means ("-1 = UTC+01:00").
    void ShowTimeZoneMeaning();

    // Record list commands.
    void OnAdd();
    void OnSelChangeList();
    void LoadSelectedRecord();
    void OnDelete();
    void OnDeleteAll();
    void FillRecordList();

    // Undo and redo of the record commands.
    void OnEditUndo();
    void OnEditRedo();
    // Brings the list and the form to the store after an undo or redo, as a click would.
    void ShowRestored(const RecordRestore& restored);
    // After every change of the store by a record command or its undo or redo.
    void RecordsChanged();
    void UpdateUndoCommands();

    // Find: "Rechercher..." and "Suivant".
    void OnEditFind();
    void OnEditRepeat();
    // Searches the list for the find dialog's text, from the selected row (next: from the row
    // after it), and selects and loads the match as a click would.
    void FindInList(bool next);
    // The folded names kept beside the list, made again when out of step with it.
    void PrepareSearch();
    // The row was inserted in or taken from the list.
    void ListRowAdded(int row);
    void ListRowRemoved(int row);
    // Selects row, shows it and loads its record as a click would.
    void SelectAndLoad(int row);

    // Clipboard.
    void OnEditCopy();
    void OnCopyAll();
    void CopyToClipboard(const QString& text);

    DocumentSession& m_session;
    CMessageService& m_messages;
    CDialogService& m_dialogs;
    const PlaceCatalogue* m_places = nullptr;
    std::optional<std::string> m_placeTableFile;
    CBirthForm* m_form = nullptr;       // a child widget
    QListWidget* m_listDates = nullptr; // the record list (its order and keys: ui/record_list.h)
    CLayoutSwitch m_layout;
    CResultsDisplay m_results;
    std::function<QDateTime()> m_clock;
    // The birthplace and zone the time difference was last taken from, with the moment and
    // value it was taken for; a printed sheet names them while the form still holds both.
    std::optional<TakenBirthplace> m_birthplaceZone;
    std::function<std::string()> m_computerZone;
    bool m_followComputerZone = true;
    RecordHistory m_history;
    QAction* m_undoAction = nullptr; // the frame's
    QAction* m_redoAction = nullptr;
    NameSearch m_search;
    bool m_searchReady = false;          // m_search holds the list's names, row for row
    CFindDialog* m_findDialog = nullptr; // made at the first "Rechercher...", a child window
};
