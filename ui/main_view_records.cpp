// The record list commands of the form: add or replace, select, delete one or all.
#include <QListWidget>

#include "app/name_rules.h"
#include "app/record_commands.h"
#include "records/vexamo_doc.h"
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
    DateStoreMap& store = GetDocument().m_mapDateStore;
    bool replacement = false;
    RecordRefusal refusal = AddRecord(store, name, input, AddMode::RefuseExisting, &replacement);
    if (refusal == RecordRefusal::NameExists) {
        if (!m_messages.AppQuestion(
                UiText(TextId::ReplaceRecordQuestion, {QString::fromStdString(name)}))) {
            return;
        }
        refusal = AddRecord(store, name, input, AddMode::ReplaceExisting, &replacement);
    }
    if (refusal != RecordRefusal::None) {
        m_messages.ViewError(this, QString::fromStdString(RecordRefusalText(refusal, name)));
        return;
    }
    if (!replacement) {
        NameKey key;
        CheckName(name, NameUse::ExistingEntry, &key);
        AddRecordName(*m_listDates, key);
    }
    GetDocument().SetModifiedFlag(true);
}

void CMainView::OnSelChangeList() {
    LoadSelectedRecord();
    Recalculate();
}

void CMainView::LoadSelectedRecord() {
    const int row = SelectedRecordRow(*m_listDates);
    const NameKey key = RecordKeyAt(*m_listDates, row);
    VXDateStore record;
    if (row < 0 || !GetDocument().m_mapDateStore.Lookup(key, record)) {
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
    GetDocument().m_mapDateStore.RemoveKey(key);
    DeleteRecordRow(*m_listDates, row);
    GetDocument().SetModifiedFlag(true);
}

void CMainView::OnDeleteAll() {
    if (!m_messages.AppQuestion(UiText(TextId::DeleteAllQuestion))) {
        return;
    }
    RemoveAllRecords(GetDocument().m_mapDateStore);
    ResetRecordList(*m_listDates);
    GetDocument().SetModifiedFlag(true);
}

void CMainView::FillRecordList() {
    const DateStoreMap& store = GetDocument().m_mapDateStore;
    std::vector<NameKey> keys;
    keys.reserve(static_cast<std::size_t>(store.GetCount()));
    for (const auto& entry : store) {
        keys.emplace_back(entry.name);
    }
    {
        const CBusyIndicator busy(*this, static_cast<int>(keys.size()));
        FillRecordNames(*m_listDates, keys, [&busy](int prepared) { busy.Progress(prepared); });
    }
    if (!keys.empty()) {
        SelectRecordRow(*m_listDates, 0);
        LoadSelectedRecord();
    }
}
