// Find: "Rechercher..." opens the find dialog, each change of its text and each "Suivant"
// selects the next name holding it, as a click on it would.
#include <QGuiApplication>
#include <QListWidget>

#include "ui/find_dialog.h"
#include "ui/main_view.h"
#include "ui/record_list.h"
#include "ui/ui_text.h"

void CMainView::OnEditFind() {
    if (m_findDialog == nullptr) {
        m_findDialog = new CFindDialog(window());
        connect(m_findDialog, &CFindDialog::queryEdited, this, [this] { FindInList(false); });
        connect(m_findDialog, &CFindDialog::nextRequested, this, [this] { FindInList(true); });
    }
    // The names are folded now, so that typing does not wait for it (about a second for a
    // million names).
    PrepareSearch();
    m_findDialog->Present();
}

void CMainView::OnEditRepeat() {
    if (m_findDialog == nullptr || m_findDialog->Query().isEmpty()) {
        OnEditFind();
        return;
    }
    FindInList(true);
}

void CMainView::FindInList(bool next) {
    const QString shownQuery = m_findDialog->Query();
    const std::string query = FoldForSearch(shownQuery.toStdString());
    if (query.empty()) {
        m_findDialog->SetStatus(QString());
        return;
    }
    PrepareSearch();
    const int selected = SelectedRecordRow(*m_listDates);
    const std::size_t from = selected < 0 ? 0 : static_cast<std::size_t>(selected) + (next ? 1 : 0);
    const long row = m_search.Find(query, from);
    if (row < 0) {
        m_findDialog->SetStatus(UiText(TextId::FindNotFound, {shownQuery}));
        return;
    }
    const bool wrapped = static_cast<std::size_t>(row) < from;
    m_findDialog->SetStatus(
        wrapped ? UiText(TextId::FindWrapped)
                : UiText(TextId::FindMatch,
                         {QString::number(row + 1), QString::number(m_listDates->count())}));
    if (row != selected) {
        SelectAndLoad(static_cast<int>(row));
    }
}

void CMainView::PrepareSearch() {
    if (m_searchReady && m_search.size() == static_cast<std::size_t>(m_listDates->count())) {
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_search.Clear();
    m_search.Reserve(static_cast<std::size_t>(m_listDates->count()));
    for (int row = 0; row < m_listDates->count(); ++row) {
        const QByteArray name = m_listDates->item(row)->text().toUtf8();
        m_search.Append(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    }
    m_searchReady = true;
    QGuiApplication::restoreOverrideCursor();
}

void CMainView::ListRowAdded(int row) {
    if (m_searchReady) {
        m_search.Insert(static_cast<std::size_t>(row),
                        m_listDates->item(row)->text().toStdString());
    }
}

void CMainView::ListRowRemoved(int row) {
    if (m_searchReady) {
        m_search.Erase(static_cast<std::size_t>(row));
    }
}
