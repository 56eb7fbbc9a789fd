#pragma once
// Finding stored names by any part of them, whatever their case, accents and script variants
// ("zak" finds "Łukasz Żak", "νικος" finds "Νίκος"). The names are kept folded in the order a
// front-end lists them, so that each search is one pass over prepared strings.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A name or a search text as it is compared: folded as place names are (places/name_fold.h).
std::string FoldForSearch(std::string_view utf8);

// Whether the folded name holds the folded query; an empty query is found nowhere.
bool NameMatches(std::string_view foldedName, std::string_view foldedQuery);

class NameSearch {
  public:
    // The names (UTF-8) in the order they are listed, one per row.
    void Assign(const std::vector<std::string>& names);
    // The same name by name: room for count rows, then each appended after the last.
    void Reserve(std::size_t count) { m_folded.reserve(count); }
    void Append(std::string_view name) { m_folded.push_back(FoldForSearch(name)); }
    void Insert(std::size_t row, std::string_view name);
    void Erase(std::size_t row);
    void Clear() { m_folded.clear(); }
    std::size_t size() const { return m_folded.size(); }

    // The first row from `from` on whose name holds the query (folded with FoldForSearch),
    // going on from the first row after the last; -1 when no name holds it. `from` beyond the
    // last row starts at the first.
    long Find(std::string_view foldedQuery, std::size_t from) const;

  private:
    std::vector<std::string> m_folded;
};
