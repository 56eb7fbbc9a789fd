#pragma once
// The searchable list of places (about 24,000 towns of at least 15,000 inhabitants, and capitals).
// Names, regions and countries are taken in the language of the process's message locale
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as for any translated program) at construction.
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "places/place.h"

namespace places {

class PlaceCatalogue {
  public:
    static constexpr std::size_t kDefaultLimit = 30;

    // Reads every place of the installed place list.
    PlaceCatalogue();
    // A catalogue of the given places (for callers that bring their own list).
    explicit PlaceCatalogue(std::vector<Place> places);
    ~PlaceCatalogue();
    PlaceCatalogue(PlaceCatalogue&&) noexcept;
    PlaceCatalogue& operator=(PlaceCatalogue&&) noexcept;

    // Places whose name (in the user's language or in English) begins with the query or holds
    // it as whole words; case and accents are ignored ("munch" finds "München"). Text after a
    // comma narrows the region or country ("Frankfurt, Brandenburg", "Paris, US"). Names equal
    // to the query come first, then the most populous; at most `limit` places.
    std::vector<Place> Search(std::string_view query, std::size_t limit = kDefaultLimit) const;

    std::size_t Size() const;

  private:
    struct Entry;
    std::vector<Entry> m_entries;
};

// One catalogue for the whole program, read on first use.
const PlaceCatalogue& SharedPlaceCatalogue();

} // namespace places
