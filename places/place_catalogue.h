#pragma once
// The searchable list of places (about 24,000 towns of at least 15,000 inhabitants, and capitals).
// Places are shown in the user's language (places/display_languages.h: LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as for any translated program) at construction, and found by their names
// in every language the list ships.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "places/place.h"

namespace places {

class PlaceTable;

class PlaceCatalogue {
  public:
    static constexpr std::size_t kDefaultLimit = 30;

    // Every place of the program's place table (places/place_table_file.h). The names in other
    // languages are gathered at the first search.
    PlaceCatalogue();
    // A catalogue of the given places (for callers that bring their own list); `otherNames[i]`
    // holds further names of places[i] (other languages, old names), if any.
    explicit PlaceCatalogue(std::vector<Place> places,
                            std::vector<std::vector<std::string>> otherNames = {});
    ~PlaceCatalogue();
    PlaceCatalogue(PlaceCatalogue&&) noexcept;
    PlaceCatalogue& operator=(PlaceCatalogue&&) noexcept;

    // Places one of whose names begins with the query or holds it as whole words; case and
    // accents are ignored ("munch" finds "München"), and umlauts may be written "ue", "oe",
    // "ae" ("Muenchen"). Text after a comma narrows the region or country ("Frankfurt,
    // Brandenburg", "Paris, US"). Order: places with a name equal to the query (in any
    // language) first; then those found by their name in the user's language; then the most
    // populous. At most `limit` places; each has matchedName set when its shown name does not
    // match the query. `matching`, when given, receives how many places match in all.
    std::vector<Place> Search(std::string_view query, std::size_t limit = kDefaultLimit,
                              std::size_t* matching = nullptr) const;

    std::size_t Size() const;

  private:
    struct Entry;
    struct Index;
    struct Lazy;
    const Index& NameIndex() const;

    std::vector<Entry> m_entries;
    const PlaceTable* m_table = nullptr; // the program's list, with the names in every language
    std::unique_ptr<Lazy> m_lazy;
};

// One catalogue for the whole program, read on first use.
const PlaceCatalogue& SharedPlaceCatalogue();

} // namespace places
