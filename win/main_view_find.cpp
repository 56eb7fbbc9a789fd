// Find: "Rechercher..." opens the find dialog; each change of its text and each "Suivant"
// selects the next name holding it, as a click on it would.
#include "app/record_commands.h"
#include "app/text_catalogue.h"
#include "win/find_dialog.h"
#include "win/main_view.h"

void CMainView::OnEditFind() {
    if (!m_findDialog) {
        m_findDialog = std::make_unique<CFindDialog>();
        m_findDialog->m_queryEdited = [this] { FindInList(false); };
        m_findDialog->m_nextRequested = [this] { FindInList(true); };
    }
    // The names are folded now, so that typing does not wait for it.
    PrepareSearch();
    m_findDialog->Present(m_hFrame);
}

void CMainView::OnEditRepeat() {
    if (!m_findDialog || m_findDialog->Query().empty()) {
        OnEditFind();
        return;
    }
    FindInList(true);
}

bool CMainView::FindDialogMessage(MSG& message) {
    return m_findDialog && m_findDialog->PreTranslate(message);
}

void CMainView::FindInList(bool next) {
    const std::string shownQuery = m_findDialog->Query();
    const std::string query = FoldForSearch(shownQuery);
    if (query.empty()) {
        m_findDialog->SetStatus({});
        return;
    }
    PrepareSearch();
    const int selected = SelectedRow();
    const std::size_t from = selected < 0 ? 0 : static_cast<std::size_t>(selected) + (next ? 1 : 0);
    const long row = m_search.Find(query, from);
    if (row < 0) {
        m_findDialog->SetStatus(UserText(TextId::FindNotFound, {shownQuery}));
        return;
    }
    const bool wrapped = static_cast<std::size_t>(row) < from;
    m_findDialog->SetStatus(wrapped ? std::string(UserText(TextId::FindWrapped))
                                    : UserText(TextId::FindMatch, {std::to_string(row + 1),
                                                                   std::to_string(m_rows.size())}));
    if (row != selected) {
        SelectAndLoad(static_cast<int>(row));
    }
}

void CMainView::PrepareSearch() {
    if (m_searchReady && m_search.size() == m_rows.size()) {
        return;
    }
    HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    m_search.Clear();
    m_search.Reserve(m_rows.size());
    for (const NameKey& key : m_rows) {
        m_search.Append(NameOfKey(key));
    }
    m_searchReady = true;
    SetCursor(before);
}
