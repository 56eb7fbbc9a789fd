#pragma once
// What a birthplace dialog lists as the user types: the places found in the place list and,
// for a town not in it, the zones of the system's time-zone database to choose by name. Every
// front-end searches here, so the same text finds the same places in the same order.
#include <string>
#include <string_view>
#include <vector>

#include "places/place.h"
#include "places/place_catalogue.h"

// A place of the list, with the name the search found it by.
using Place = places::Place;
// A list of places to search: the program's own, or one a caller brings (tests).
using PlaceCatalogue = places::PlaceCatalogue;

// The program's place list, read on first use.
const PlaceCatalogue& ProgramPlaces();

// The places for the text typed, best first and at most as many as the dialog lists: a name
// equal to the text, then names in the user's language, then the most populous; text after a
// comma narrows the region or country.
std::vector<Place> SearchPlaces(const PlaceCatalogue& catalogue, std::string_view text);

// The zone names holding the text typed ("new york" finds "America/New_York"), those
// beginning with it (or with it after a "/") first; every zone, sorted, for an empty text.
std::vector<std::string> SearchZones(std::string_view text);
