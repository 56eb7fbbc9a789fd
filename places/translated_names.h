#pragma once
// The names of the place list in every language installed with it: libgeonames translates a
// place through its message catalogues (one per language, keyed by the place's number).
#include <functional>
#include <string_view>

namespace places {

// Calls `visit(placeNumber, name)` for every translated name in every installed language, the
// languages in the order of their names. Unreadable or damaged catalogues are skipped.
void ForEachTranslatedName(
    const std::function<void(std::string_view number, std::string_view name)>& visit);

// The same for one message catalogue file (its raw bytes); false when it is not one.
bool ForEachCatalogueEntry(
    std::string_view bytes,
    const std::function<void(std::string_view number, std::string_view name)>& visit);

} // namespace places
