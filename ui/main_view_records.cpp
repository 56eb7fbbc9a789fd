// The record list commands of the form: add or replace, select, delete one or all, and the
// undo and redo of those that change the store.
#include <QAction>
#include <QListWidget>

#include "app/name_rules.h"
#include "app/record_commands.h"
#include "ui/birth_form.h"
#include "ui/busy_indicator.h"
#include "ui/main_view.h"
#include "ui/message_service.h"
#include "ui/record_list.h"
#include "ui/ui_text.h"

void CMainView::OnAdd() {
    if (!m_form->ReadFields()) {
        return;
    }
    const BirthInput& input = m_form->Input();
    // In NFC, so that the question about replacing names the record as it is stored.
    const std::string name = NormalizeName(m_form->Name().toStdString());
    // A name with a control character would break the exported tables and, with a zero
    // byte, the record file: refused before anything is asked or changed.
    if (const NameCheck check = CheckName(name, NameUse::NewEntry);
        check.refusal == RecordRefusal::NameHasControlCharacter) {
        m_messages.ViewError(this, QString::fromStdString(RecordRefusalText(check.refusal, name)));
        return;
    }
    DateStoreMap& store = m_session.Store();
    bool replacement = false;
    RecordRefusal refusal = AddRecord(store, name, input, AddMode::RefuseExisting, &replacement);
    std::optional<VXDateStore> replaced;
    if (refusal == RecordRefusal::NameExists) {
        if (!m_messages.AppQuestion(
                UiText(TextId::ReplaceRecordQuestion, {QString::fromStdString(name)}))) {
            return;
        }
        VXDateStore old;
        if (LookupRecord(store, name, old) == RecordRefusal::None) {
            replaced = old;
        }
        refusal = AddRecord(store, name, input, AddMode::ReplaceExisting, &replacement);
    }
    if (refusal != RecordRefusal::None) {
        m_messages.ViewError(this, QString::fromStdString(RecordRefusalText(refusal, name)));
        return;
    }
    NameKey key;
    CheckName(name, NameUse::ExistingEntry, &key);
    if (!replacement) {
        ListRowAdded(AddRecordName(*m_listDates, key));
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
    const int row = SelectedRecordRow(*m_listDates);
    const NameKey key = RecordKeyAt(*m_listDates, row);
    VXDateStore record;
    if (row < 0 || !m_session.Store().Lookup(key, record)) {
        m_messages.ViewError(this, UiText(TextId::ProgrammingError));
        return;
    }
    m_form->SetInput(FromRecord(record));
    m_followComputerZone = false; // the record's own time difference
    m_form->SetName(m_listDates->item(row)->text());
    m_form->ShowFields();
}

void CMainView::OnDelete() {
    const int row = SelectedRecordRow(*m_listDates);
    if (row < 0) {
        m_messages.ViewError(this, UiText(TextId::NoSelection));
        return;
    }
    const NameKey key = RecordKeyAt(*m_listDates, row);
    const QString shown = m_listDates->item(row)->text();
    if (!m_messages.AppQuestion(UiText(TextId::DeleteRecordQuestion, {shown}))) {
        return;
    }
    // By the key itself: a name read from a file is kept exactly, even where its text would
    // normalise to another key.
    DateStoreMap& store = m_session.Store();
    VXDateStore record;
    const bool stored = store.Lookup(key, record);
    store.RemoveKey(key);
    DeleteRecordRow(*m_listDates, row);
    ListRowRemoved(row);
    if (stored) {
        m_history.Deleted(key, record);
    }
    RecordsChanged();
}

void CMainView::OnDeleteAll() {
    DateStoreMap& store = m_session.Store();
    if (!m_messages.AppQuestion(QString::fromStdString(DeleteAllQuestion(store.GetCount())))) {
        return;
    }
    // The records go into the undo history as they are, in one piece.
    m_history.DeleteAll(store);
    ResetRecordList(*m_listDates);
    m_search.Clear();
    RecordsChanged();
}

void CMainView::RecordsChanged() {
    m_session.Document().SetModifiedFlag(!m_history.AtSavedState());
    UpdateUndoCommands();
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

void CMainView::OnDocumentSaved() {
    m_history.MarkSaved();
}

void CMainView::ShowRestored(const RecordRestore& restored) {
    // The flag and the menu first: the evaluation of a loaded record may ask its questions.
    RecordsChanged();
    switch (restored.list) {
    case RecordRestore::List::NameAdded: {
        const int row = AddRecordName(*m_listDates, restored.name);
        ListRowAdded(row);
        SelectAndLoad(row);
        break;
    }
    case RecordRestore::List::NameRemoved:
        // As after "Supprimer": nothing selected, the form as it was.
        if (const int row = RecordRowOf(*m_listDates, restored.name); row >= 0) {
            DeleteRecordRow(*m_listDates, row);
            ListRowRemoved(row);
        }
        break;
    case RecordRestore::List::NameKept:
        if (const int row = RecordRowOf(*m_listDates, restored.name); row >= 0) {
            SelectAndLoad(row);
        }
        break;
    case RecordRestore::List::Refilled:
        // As after opening: the first name shown, or the form as it was when none is left.
        ResetRecordList(*m_listDates);
        m_searchReady = false;
        if (!m_session.Store().IsEmpty()) {
            m_form->SetName(QString());
            FillRecordList();
            Recalculate();
        }
        break;
    }
}

void CMainView::SelectAndLoad(int row) {
    SelectRecordRow(*m_listDates, row);
    m_listDates->scrollToItem(m_listDates->item(row));
    OnSelChangeList();
}

void CMainView::UpdateUndoCommands() {
    const auto update = [](QAction* action, const std::string& text, bool enabled) {
        if (action == nullptr) {
            return;
        }
        // The keys after the tab stay as the menu gives them.
        const QString keys = action->text().section(QLatin1Char('\t'), 1);
        action->setText(QString::fromStdString(text) +
                        (keys.isEmpty() ? QString() : QLatin1Char('\t') + keys));
        action->setEnabled(enabled);
    };
    update(m_undoAction, UndoCommandText(m_history), m_history.CanUndo());
    update(m_redoAction, RedoCommandText(m_history), m_history.CanRedo());
}

void CMainView::FillRecordList() {
    const std::vector<NameKey> keys = StoredKeys(m_session.Store());
    m_searchReady = false;
    {
        const CBusyIndicator busy(*this, static_cast<int>(keys.size()));
        FillRecordNames(*m_listDates, keys, [&busy](int prepared) { busy.Progress(prepared); });
    }
    if (!keys.empty()) {
        SelectRecordRow(*m_listDates, 0);
        LoadSelectedRecord();
    }
}
