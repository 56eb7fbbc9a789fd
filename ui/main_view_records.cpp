// The record list commands of the form: add or replace, select, delete one or all.
#include <QListWidget>

#include "records/cp1252.h"
#include "records/vexamo_doc.h"
#include "ui/busy_indicator.h"
#include "ui/main_view.h"
#include "ui/message_service.h"
#include "ui/record_list.h"

namespace {

const char* const kMsgNoName = "Bitte einen Namen eingeben!";
const char* const kMsgNameNotStorable =
    "Der Name enthält Zeichen, die sich nicht speichern lassen. Bitte nur Buchstaben des "
    "westeuropäischen Zeichensatzes verwenden.";
const char* const kMsgNoSelection = "Es ist kein Datensatz selektiert!";
const char* const kMsgProgrammingError = "Ein Programmierfehler der nicht auftreten dürfte.";
const char* const kMsgDeleteAll = "Sollen alle Daten gelöscht werden?";

} // namespace

void CMainView::OnAdd() {
    if (!UpdateData(true)) {
        return;
    }
    const VXDateStore record(m_nYear, m_nMonth, m_nDay, m_nHour, m_nMinute, m_bSouthern,
                             m_bConstZone, m_nTimeZone);
    if (m_strName.isEmpty()) {
        m_messages.ViewError(this, QString::fromUtf8(kMsgNoName));
        return;
    }
    std::string key;
    if (!Utf8ToCp1252(m_strName.toStdString(), key)) {
        m_messages.ViewError(this, QString::fromUtf8(kMsgNameNotStorable));
        return;
    }
    DateStoreMap& store = GetDocument().m_mapDateStore;
    bool replacement = false;
    VXDateStore existing;
    if (store.Lookup(key, existing)) {
        if (!m_messages.AppQuestion(
                QStringLiteral("Soll der Datensatz '%1' ersetzt werden?").arg(m_strName))) {
            return;
        }
        store.RemoveKey(key);
        replacement = true;
    }
    store.SetAt(key, record);
    if (!replacement) {
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
        m_messages.ViewError(this, QString::fromUtf8(kMsgProgrammingError));
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
        m_messages.ViewError(this, QString::fromUtf8(kMsgNoSelection));
        return;
    }
    const std::string key = RecordKeyAt(*m_listDates, row);
    const QString shown = m_listDates->item(row)->text();
    if (!m_messages.AppQuestion(
            QStringLiteral("Soll der Datensatz %1 gelöscht werden?").arg(shown))) {
        return;
    }
    GetDocument().m_mapDateStore.RemoveKey(key);
    DeleteRecordRow(*m_listDates, row);
    GetDocument().SetModifiedFlag(true);
}

void CMainView::OnDeleteAll() {
    if (!m_messages.AppQuestion(QString::fromUtf8(kMsgDeleteAll))) {
        return;
    }
    GetDocument().m_mapDateStore.RemoveAll();
    ResetRecordList(*m_listDates);
    GetDocument().SetModifiedFlag(true);
}

void CMainView::FillRecordList() {
    const DateStoreMap& store = GetDocument().m_mapDateStore;
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(store.GetCount()));
    DateStoreMap::Position pos = store.GetStartPosition();
    while (pos != nullptr) {
        std::string name;
        VXDateStore record;
        store.GetNextAssoc(pos, name, record);
        keys.push_back(std::move(name));
    }
    {
        const CBusyIndicator busy(*this, static_cast<int>(keys.size()));
        FillRecordNames(*m_listDates, keys, [&busy](int prepared) { busy.Progress(prepared); });
    }
    SelectRecordRow(*m_listDates, 0);
    LoadSelectedRecord();
}
