// The record list commands of the form: add or replace, select, delete one or all, and the
// undo and redo of those that change the store.
#include "app/list_order.h"
#include "app/name_rules.h"
#include "app/record_commands.h"
#include "app/text_catalogue.h"
#include "app/type_ahead.h"
#include "res/resource_ids.h"
#include "win/list_collation.h"
#include "win/main_view.h"
#include "win/message_service.h"
#include "win/wide_text.h"

int CMainView::AddListRow(const NameKey& key) {
    HWND list = m_form.Control(IDC_LIST_DATES);
    const std::wstring shown = Widen(NameOfKey(key));
    const std::size_t at = ListRowBound(
        m_rows.size(), key,
        [&](std::size_t row) { return CollateListNames(Widen(NameOfKey(m_rows[row])), shown); },
        [&](std::size_t row) { return m_rows[row]; }, true);
    // The list box does not sort: the rows stand where the list order puts them. It holds no
    // text, only the row (the selection after it moves down with it).
    const auto row =
        static_cast<int>(SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(at), 0));
    if (row >= 0) {
        m_rows.insert(m_rows.begin() + row, key);
        if (m_searchReady) {
            m_search.Insert(static_cast<std::size_t>(row), NameOfKey(key));
        }
    }
    return row;
}

void CMainView::DeleteListRow(int row) {
    SendDlgItemMessageW(Form(), IDC_LIST_DATES, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    m_rows.erase(m_rows.begin() + row);
    if (m_searchReady) {
        m_search.Erase(static_cast<std::size_t>(row));
    }
    SendDlgItemMessageW(Form(), IDC_LIST_DATES, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void CMainView::ResetList() {
    SendDlgItemMessageW(Form(), IDC_LIST_DATES, LB_RESETCONTENT, 0, 0);
    m_rows.clear();
    m_search.Clear();
    m_searchReady = false;
}

int CMainView::SelectedRow() const {
    return static_cast<int>(SendDlgItemMessageW(Form(), IDC_LIST_DATES, LB_GETCURSEL, 0, 0));
}

int CMainView::RowOf(const NameKey& key) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i] == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CMainView::OnAdd() {
    if (!m_form.ReadFields()) {
        return;
    }
    const BirthInput& input = m_form.Input();
    // A name that is not UTF-8 cannot come from the form; NFC makes the question name the
    // record as it is stored.
    const std::string name = NormalizeName(m_form.Name());
    if (const NameCheck check = CheckName(name, NameUse::NewEntry);
        check.refusal == RecordRefusal::NameHasControlCharacter) {
        m_messages.ViewError(m_hFrame, RecordRefusalText(check.refusal, name));
        return;
    }
    DateStoreMap& store = m_session.Store();
    bool replacement = false;
    RecordRefusal refusal = AddRecord(store, name, input, AddMode::RefuseExisting, &replacement);
    std::optional<VXDateStore> replaced;
    if (refusal == RecordRefusal::NameExists) {
        if (!m_messages.AppQuestion(m_hFrame, UserText(TextId::ReplaceRecordQuestion, {name}))) {
            return;
        }
        VXDateStore old;
        if (LookupRecord(store, name, old) == RecordRefusal::None) {
            replaced = old;
        }
        refusal = AddRecord(store, name, input, AddMode::ReplaceExisting, &replacement);
    }
    if (refusal != RecordRefusal::None) {
        m_messages.ViewError(m_hFrame, RecordRefusalText(refusal, name));
        return;
    }
    NameKey key;
    CheckName(name, NameUse::ExistingEntry, &key);
    if (!replacement) {
        AddListRow(key);
    }
    VXDateStore stored;
    store.Lookup(key, stored);
    m_history.Added(key, stored, replacement ? replaced : std::nullopt);
    RecordsChanged();
}

void CMainView::OnSelChangeList() {
    LoadSelectedRecord();
    Recalculate();
}

void CMainView::LoadSelectedRecord() {
    const int row = SelectedRow();
    VXDateStore record;
    if (row < 0 || row >= static_cast<int>(m_rows.size()) ||
        !m_session.Store().Lookup(m_rows[static_cast<std::size_t>(row)], record)) {
        m_messages.ViewError(m_hFrame, UserText(TextId::ProgrammingError));
        return;
    }
    m_form.SetInput(FromRecord(record));
    m_followComputerZone = false; // the record's own time difference
    m_form.SetName(NameOfKey(m_rows[static_cast<std::size_t>(row)]));
    m_form.ShowFields();
}

void CMainView::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) {
        m_messages.ViewError(m_hFrame, UserText(TextId::NoSelection));
        return;
    }
    const NameKey key = m_rows[static_cast<std::size_t>(row)];
    if (!m_messages.AppQuestion(m_hFrame,
                                UserText(TextId::DeleteRecordQuestion, {NameOfKey(key)}))) {
        return;
    }
    // By the key itself: a name read from a file is kept exactly.
    DateStoreMap& store = m_session.Store();
    VXDateStore record;
    const bool stored = store.Lookup(key, record);
    store.RemoveKey(key);
    DeleteListRow(row);
    if (stored) {
        m_history.Deleted(key, record);
    }
    RecordsChanged();
}

void CMainView::OnDeleteAll() {
    DateStoreMap& store = m_session.Store();
    if (!m_messages.AppQuestion(m_hFrame, DeleteAllQuestion(store.GetCount()))) {
        return;
    }
    // The records go into the undo history as they are, in one piece.
    m_history.DeleteAll(store);
    ResetList();
    RecordsChanged();
}

void CMainView::RecordsChanged() {
    m_session.Document().SetModifiedFlag(!m_history.AtSavedState());
    UpdateUndoCommands(GetMenu(m_hFrame));
}

void CMainView::OnEditUndo() {
    if (m_history.CanUndo()) {
        ShowRestored(m_history.Undo(m_session.Store()));
    }
}

void CMainView::OnEditRedo() {
    if (m_history.CanRedo()) {
        ShowRestored(m_history.Redo(m_session.Store()));
    }
}

void CMainView::ShowRestored(const RecordRestore& restored) {
    // The flag and the menu first: the evaluation of a loaded record may ask its questions.
    RecordsChanged();
    switch (restored.list) {
    case RecordRestore::List::NameAdded:
        SelectAndLoad(AddListRow(restored.name));
        break;
    case RecordRestore::List::NameRemoved:
        // As after "Supprimer": nothing selected, the form as it was.
        if (const int row = RowOf(restored.name); row >= 0) {
            DeleteListRow(row);
        }
        break;
    case RecordRestore::List::NameKept:
        if (const int row = RowOf(restored.name); row >= 0) {
            SelectAndLoad(row);
        }
        break;
    case RecordRestore::List::Refilled:
        // As after opening: the first name shown, or the form as it was when none is left.
        ResetList();
        if (!m_session.Store().IsEmpty()) {
            m_form.SetName({});
            FillRecordList();
            Recalculate();
        }
        break;
    }
}

void CMainView::SelectAndLoad(int row) {
    if (row < 0) {
        return;
    }
    m_bFilling = true;
    SendDlgItemMessageW(Form(), IDC_LIST_DATES, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    m_bFilling = false;
    OnSelChangeList();
}

void CMainView::FillRecordList() {
    m_bFilling = true;
    HWND list = m_form.Control(IDC_LIST_DATES);
    std::vector<NameKey> keys = StoredKeys(m_session.Store());
    std::vector<std::size_t> order;
    {
        std::vector<std::wstring> shown;
        shown.reserve(keys.size());
        for (const NameKey& key : keys) {
            shown.push_back(Widen(NameOfKey(key)));
        }
        order = WinListOrder(shown, keys);
    }
    m_rows.reserve(keys.size());
    for (const std::size_t i : order) {
        m_rows.push_back(std::move(keys[i]));
    }
    // The list box keeps only the count: the rows are drawn from m_rows.
    if (SendMessageW(list, LB_SETCOUNT, static_cast<WPARAM>(m_rows.size()), 0) < 0) {
        m_rows.clear(); // out of memory: an empty list rather than rows without keys
    }
    InvalidateRect(list, nullptr, TRUE);
    if (!m_rows.empty()) {
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        LoadSelectedRecord();
    }
    m_bFilling = false;
}

void CMainView::FitListRowHeight() {
    // A row as high as a line of the form's font, as a list box of strings makes it.
    HWND list = m_form.Control(IDC_LIST_DATES);
    HDC dc = GetDC(list);
    if (dc == nullptr) {
        return;
    }
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(dc, &metrics) && metrics.tmHeight > 0) {
        SendMessageW(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(metrics.tmHeight, 0));
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
}

void CMainView::DrawListRow(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool hasRow = item.itemID < m_rows.size();
    int background = COLOR_WINDOW;
    int foreground = COLOR_WINDOWTEXT;
    if (hasRow && selected) {
        background = disabled ? COLOR_BTNFACE : COLOR_HIGHLIGHT;
        foreground = disabled ? COLOR_GRAYTEXT : COLOR_HIGHLIGHTTEXT;
    } else if (disabled) {
        foreground = COLOR_GRAYTEXT;
    }
    FillRect(dc, &box, GetSysColorBrush(background));
    if (hasRow) {
        const std::wstring name = Widen(NameOfKey(m_rows[item.itemID]));
        HGDIOBJ oldFont = SelectObject(
            dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
        const COLORREF oldText = SetTextColor(dc, GetSysColor(foreground));
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        const auto exStyle = GetWindowLongPtrW(item.hwndItem, GWL_EXSTYLE);
        UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
        format |= (exStyle & WS_EX_RTLREADING) ? DT_RTLREADING : 0;
        format |= (exStyle & WS_EX_RIGHT) ? DT_RIGHT : 0;
        RECT text = box;
        InflateRect(&text, -2, 0);
        DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &text, format);
        SetBkMode(dc, oldMode);
        SetTextColor(dc, oldText);
        SelectObject(dc, oldFont);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        DrawFocusRect(dc, &box);
    }
}

int CMainView::ListRowTyped(wchar_t unit) {
    // A character beyond the first plane comes in two halves.
    if (IS_HIGH_SURROGATE(unit)) {
        m_typedHighSurrogate = unit;
        return -2;
    }
    std::wstring typed;
    if (IS_LOW_SURROGATE(unit) && m_typedHighSurrogate != 0) {
        typed += m_typedHighSurrogate;
    }
    m_typedHighSurrogate = 0;
    if (unit < L' ') {
        m_typeAhead.Reset(); // Backspace, Escape and the like
        return -1;
    }
    typed += unit;
    HWND list = m_form.Control(IDC_LIST_DATES);
    const auto caret = static_cast<long>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
    const long row = m_typeAhead.Typed(
        Narrow(typed), GetTickCount64(), caret < static_cast<long>(m_rows.size()) ? caret : -1,
        m_rows.size(), [this](std::size_t r) { return NameOfKey(m_rows[r]); });
    return row >= 0 ? static_cast<int>(row) : -2;
}
