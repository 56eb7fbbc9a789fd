#include "app/place_search.h"

#include "places/zone_names.h"

const PlaceCatalogue& ProgramPlaces() {
    return places::SharedPlaceCatalogue();
}

std::vector<Place> SearchPlaces(const PlaceCatalogue& catalogue, std::string_view text) {
    return catalogue.Search(text);
}

std::vector<std::string> SearchZones(std::string_view text) {
    return places::SystemZones().Search(text);
}
