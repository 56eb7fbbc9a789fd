// The record list commands of the form: add or replace, select, delete one or all, and the
// undo and redo of those that change the store.
#include "app/list_order.h"
#include "app/name_rules.h"
#include "app/record_commands.h"
#include "app/text_catalogue.h"
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
    // The list box does not sort: the rows stand where the list order puts them.
    const auto row = static_cast<int>(SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(at),
                                                   reinterpret_cast<LPARAM>(shown.c_str())));
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
    const std::vector<NameKey> keys = StoredKeys(m_session.Store());
    std::vector<std::wstring> shown;
    shown.reserve(keys.size());
    std::size_t characters = 0;
    for (const NameKey& key : keys) {
        shown.push_back(Widen(NameOfKey(key)));
        characters += shown.back().size() + 1;
    }
    const std::vector<std::size_t> order = WinListOrder(shown, keys);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    // The list's memory at once, for a file of many records.
    SendMessageW(list, LB_INITSTORAGE, static_cast<WPARAM>(keys.size()),
                 static_cast<LPARAM>(characters * sizeof(wchar_t)));
    m_rows.reserve(keys.size());
    for (const std::size_t i : order) {
        const LRESULT row = SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(shown[i].c_str()));
        if (row < 0) {
            break; // out of memory: the list holds what it could take, each row with its key
        }
        m_rows.push_back(keys[i]);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    if (!m_rows.empty()) {
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        LoadSelectedRecord();
    }
    m_bFilling = false;
}
