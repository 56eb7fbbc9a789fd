// The record list commands of the form: add or replace, select, delete one or all.
#include <QListWidget>

#include "app/name_rules.h"
#include "app/record_commands.h"
#include "app/text_catalogue.h"
#include "records/vexamo_doc.h"
#include "ui/busy_indicator.h"
#include "ui/main_view.h"
#include "ui/message_service.h"
#include "ui/record_list.h"

namespace {

QString Message(TextId id) {
    return QString::fromUtf8(UserText(id));
}

} // namespace

void CMainView::OnAdd() {
    if (!UpdateData(true)) {
        return;
    }
    const BirthInput input{m_nDay,    m_nMonth,    m_nYear,          m_nHour,
                           m_nMinute, m_nTimeZone, m_bSouthern != 0, m_bConstZone != 0};
    const std::string name = m_strName.toStdString();
    // A name with a control character would break the exported tables and, with a zero
    // byte, the record file: refused before anything is asked or changed.
    if (const NameCheck check = CheckName(name, NameUse::NewEntry);
        check.refusal == RecordRefusal::NameHasControlCharacter) {
        m_messages.ViewError(this,
                             QString::fromStdString(RecordRefusalText(check.refusal, name, true)));
        return;
    }
    DateStoreMap& store = GetDocument().m_mapDateStore;
    bool replacement = false;
    RecordRefusal refusal = AddRecord(store, name, input, AddMode::RefuseExisting, &replacement);
    if (refusal == RecordRefusal::NameExists) {
        if (!m_messages.AppQuestion(
                QString::fromStdString(RecordRefusalText(refusal, name, true)))) {
            return;
        }
        refusal = AddRecord(store, name, input, AddMode::ReplaceExisting, &replacement);
    }
    if (refusal != RecordRefusal::None) {
        m_messages.ViewError(this, QString::fromStdString(RecordRefusalText(refusal, name, true)));
        return;
    }
    if (!replacement) {
        std::string key;
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
    const std::string key = RecordKeyAt(*m_listDates, row);
    VXDateStore record;
    if (row < 0 || !GetDocument().m_mapDateStore.Lookup(key, record)) {
        m_messages.ViewError(this, Message(TextId::ProgrammingError));
        return;
    }
    m_nYear = record.m_nYear;
    m_nMonth = record.m_nMonth;
    m_nDay = record.m_nDay;
    m_nHour = record.m_nHour;
    m_nMinute = record.m_nMinute;
    m_bSouthern = record.m_bSouthern;
    m_bConstZone = record.m_bConstZone;
    m_nTimeZone = record.m_nTimeZone;
    m_strName = m_listDates->item(row)->text();
    UpdateData(false);
}

void CMainView::OnDelete() {
    const int row = SelectedRecordRow(*m_listDates);
    if (row < 0) {
        m_messages.ViewError(this, Message(TextId::NoSelection));
        return;
    }
    const std::string key = RecordKeyAt(*m_listDates, row);
    const QString shown = m_listDates->item(row)->text();
    if (!m_messages.AppQuestion(Message(TextId::DeleteRecordQuestion).arg(shown))) {
        return;
    }
    RemoveRecord(GetDocument().m_mapDateStore, NameOfKey(key));
    DeleteRecordRow(*m_listDates, row);
    GetDocument().SetModifiedFlag(true);
}

void CMainView::OnDeleteAll() {
    if (!m_messages.AppQuestion(Message(TextId::DeleteAllQuestion))) {
        return;
    }
    RemoveAllRecords(GetDocument().m_mapDateStore);
    ResetRecordList(*m_listDates);
    GetDocument().SetModifiedFlag(true);
}

void CMainView::FillRecordList() {
    const DateStoreMap& store = GetDocument().m_mapDateStore;
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(store.GetCount()));
    for (const auto& entry : store) {
        keys.emplace_back(entry.name);
    }
    {
        const CBusyIndicator busy(*this, static_cast<int>(keys.size()));
        FillRecordNames(*m_listDates, keys, [&busy](int prepared) { busy.Progress(prepared); });
    }
    SelectRecordRow(*m_listDates, 0);
    LoadSelectedRecord();
}
