#include "app/name_search.h"

#include <algorithm>

#include "places/name_fold.h"

std::string FoldForSearch(std::string_view utf8) {
    return places::FoldName(utf8);
}

bool NameMatches(std::string_view foldedName, std::string_view foldedQuery) {
    return !foldedQuery.empty() && foldedName.find(foldedQuery) != std::string_view::npos;
}

void NameSearch::Assign(const std::vector<std::string>& names) {
    m_folded.clear();
    Reserve(names.size());
    for (const std::string& name : names) {
        Append(name);
    }
}

void NameSearch::Insert(std::size_t row, std::string_view name) {
    const auto at = static_cast<std::ptrdiff_t>(std::min(row, m_folded.size()));
    m_folded.insert(m_folded.begin() + at, FoldForSearch(name));
}

void NameSearch::Erase(std::size_t row) {
    if (row < m_folded.size()) {
        m_folded.erase(m_folded.begin() + static_cast<std::ptrdiff_t>(row));
    }
}

long NameSearch::Find(std::string_view foldedQuery, std::size_t from) const {
    const std::size_t count = m_folded.size();
    if (foldedQuery.empty() || count == 0) {
        return -1;
    }
    const std::size_t start = from < count ? from : 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t row = start + i;
        if (row >= count) {
            row -= count;
        }
        if (m_folded[row].find(foldedQuery) != std::string::npos) {
            return static_cast<long>(row);
        }
    }
    return -1;
}
