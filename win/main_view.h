#pragma once
// The form view: the form with its record list, its results and its layout switch, and the
// commands that work across them, reached through the form's buttons and the frame's menu.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "app/birth_input.h"
#include "app/birthplace_choice.h"
#include "app/document_session.h"
#include "app/name_search.h"
#include "app/place_search.h"
#include "app/record_undo.h"
#include "app/type_ahead.h"
#include "win/birth_form.h"
#include "win/layout_switch.h"
#include "win/sheet_commands.h"

class CFindDialog;
class CMessageService;
class CPhaseDiagram;
class CTemplateDialog;

// The local date and time, as the form shows it.
struct LocalNow {
    int year, month, day, hour, minute;
};

class CMainView : public CSheetCommandSite {
  public:
    CMainView(DocumentSession& session, CMessageService& messages);
    ~CMainView() override;
    CMainView(const CMainView&) = delete;
    CMainView& operator=(const CMainView&) = delete;

    // Makes the form inside frame.
    bool Create(HINSTANCE instance, HWND frame);
    HWND Form() const { return m_form.Window(); }
    CBirthForm& BirthForm() { return m_form; }
    CPhaseDiagram* Diagram() const { return m_diagram; }
    CLayoutSwitch& Layout() { return m_layout; }
    // The source of the current local time (tests fix it).
    void SetClock(std::function<LocalNow()> clock) { m_clock = std::move(clock); }
    // The name of the computer's time zone, read at each evaluation (tests fix it); an empty
    // name leaves field 1022 as it is.
    void SetComputerZone(std::function<std::string()> zone) { m_computerZone = std::move(zone); }
    // Runs a modal dialog over the frame, the button it ended with (tests script it).
    using DialogRunner = std::function<int(CTemplateDialog& dialog, HWND owner)>;
    void SetDialogRunner(DialogRunner run) { m_runDialog = std::move(run); }
    // The places the birthplace dialog searches (tests fix them); the program's own when null.
    void SetPlaceCatalogue(const PlaceCatalogue* catalogue) { m_places = catalogue; }
    // The find dialog's keyboard in the message loop: true when message was taken.
    bool FindDialogMessage(MSG& message);
    // The find dialog, once "Rechercher..." has made it.
    CFindDialog* FindDialog() const { return m_findDialog.get(); }

    // Fills the form and the record list from the document (at start and after New or Open)
    // and evaluates. The undo history starts again.
    void OnInitialUpdate();
    // The document was saved: undo and redo lead back to what it holds now as unchanged.
    void OnDocumentSaved() { m_history.MarkSaved(); }
    // A menu command of the view; false when it is not one.
    bool OnCommand(int command);
    // The undo and redo items of menu, named after their actions and greyed while there is
    // nothing to do.
    void UpdateUndoCommands(HMENU menu) const;

    // CSheetCommandSite.
    HWND Owner() const override;
    CMessageService& Messages() const override { return m_messages; }
    std::optional<SheetBirth> CheckedSheetBirth() override;
    const DocumentSession& Session() const override { return m_session; }
    std::vector<NameKey> ListedKeys() const override { return m_rows; }

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnFormCommand(int id, int notification);
    void EnableToolTips();

    // Form, results and layout.
    void OnCalculate() { Recalculate(); }
    bool Recalculate();
    bool ValidateInput();
    void Evaluate();
    void ShowResults(const BirthEvaluation& e, bool southern);
    void OnToggleLayout();
    void SetCurrentDate();
    void OnInsertCurrentDate();

    // "&Lieu de naissance..." (main_view_birthplace.cpp): the time difference of a birthplace
    // at the form's date and time into field 1022, then evaluates.
    void OnInsertBirthplace();
    // Field 1022 "Fuseau horaire" (main_view_zone.cpp): until the user gives a value (typing it,
    // a birthplace or a stored record), each evaluation first sets it to that of the computer's
    // zone at the form's date and time.
    void FollowComputerZone();
    void OnTimeZoneChanged();

    // Find (main_view_find.cpp): "Rechercher..." and "Suivant".
    void OnEditFind();
    void OnEditRepeat();
    // Searches the list for the find dialog's text, from the selected row (next: from the row
    // after it), and selects and loads the match as a click would.
    void FindInList(bool next);
    // The folded names kept beside the list, made again when out of step with it.
    void PrepareSearch();

    // Record list commands (main_view_records.cpp).
    void OnAdd();
    void OnSelChangeList();
    void LoadSelectedRecord();
    void OnDelete();
    void OnDeleteAll();
    void FillRecordList();
    void OnEditUndo();
    void OnEditRedo();
    void ShowRestored(const RecordRestore& restored);
    void RecordsChanged();
    // The record list: names shown in list order (app/list_order.h), m_rows holding each row's
    // store key. The list box holds only the number of rows; each is drawn from m_rows.
    int AddListRow(const NameKey& key);
    void DeleteListRow(int row);
    void ResetList();
    int SelectedRow() const;
    int RowOf(const NameKey& key) const;
    void SelectAndLoad(int row);
    void FitListRowHeight();
    void DrawListRow(const DRAWITEMSTRUCT& item) const;
    // The row chosen by a character typed in the list, -1 for none (WM_CHARTOITEM).
    int ListRowTyped(wchar_t unit);
    // The list box's own messages: a row's text asked for (LB_GETTEXT, LB_GETTEXTLEN) is its
    // name, as a list of strings would answer.
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);

    // Clipboard (main_view_clipboard.cpp).
    void OnEditCopy();
    void OnCopyAll();
    void OnCopyDiagram();
    void CopyToClipboard(const std::string& text);

    DocumentSession& m_session;
    CMessageService& m_messages;
    CBirthForm m_form;
    CLayoutSwitch m_layout;
    CPhaseDiagram* m_diagram = nullptr; // owned by its window
    HWND m_hFrame = nullptr;
    HWND m_hToolTip = nullptr;
    HBITMAP m_bmpType = nullptr;
    std::vector<std::wstring> m_tipTexts;
    std::vector<NameKey> m_rows;
    TypeAhead m_typeAhead;
    wchar_t m_typedHighSurrogate = 0; // the first half of a character typed in the list
    std::function<LocalNow()> m_clock;
    RecordHistory m_history;
    bool m_bFilling = false; // the list is being changed by the program, not the user
    std::function<std::string()> m_computerZone;
    bool m_followComputerZone = true;
    DialogRunner m_runDialog;
    const PlaceCatalogue* m_places = nullptr;
    // The birthplace the time difference was last taken from; a printed sheet names it while
    // the form still holds the moment and the value.
    std::optional<TakenBirthplace> m_birthplace;
    NameSearch m_search;
    bool m_searchReady = false; // m_search holds the list's names, row for row
    std::unique_ptr<CFindDialog> m_findDialog;
};
