#pragma once
// One place of the place list: a town with its region, country, time zone and position.
#include <cstdint>
#include <string>

namespace places {

struct Place {
    std::string name;        // in the user's language where a translation exists
    std::string region;      // state, province or canton, in the user's language
    std::string country;     // in the user's language
    std::string countryCode; // ISO 3166 two letters
    std::string zone;        // IANA time-zone name, e.g. "Europe/Berlin"
    double latitude = 0.0;   // degrees, north positive
    double longitude = 0.0;  // degrees, east positive
    std::uint32_t population = 0;
    // For a search result: the name the search found the place by, when `name` does not match
    // the query (another language or spelling: "Roma" for "Rome"); empty otherwise.
    std::string matchedName{};
};

} // namespace places
