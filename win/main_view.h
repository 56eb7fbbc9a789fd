#pragma once
// The form view: the form with its record list, its results and its layout switch, and the
// commands that work across them, reached through the form's buttons and the frame's menu.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "app/birth_input.h"
#include "app/document_session.h"
#include "app/record_undo.h"
#include "app/type_ahead.h"
#include "win/birth_form.h"
#include "win/layout_switch.h"
#include "win/sheet_commands.h"

class CMessageService;
class CPhaseDiagram;

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
};
