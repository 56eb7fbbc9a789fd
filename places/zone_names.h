#pragma once
// The names of the time zones of the system's time-zone database, for choosing one when the
// birthplace is not in the place list.
#include <string>
#include <string_view>
#include <vector>

namespace places {

// The zones a birthplace can lie in ("Europe/Berlin", "America/New_York", ...) and "UTC",
// sorted, each known to the zone history lookup. Read once, from the database's table of
// zones by country (TZDIR or /usr/share/zoneinfo); from its list of zones when that table is
// missing.
const std::vector<std::string>& SystemZoneNames();

// The zone names of a table of zones by country (country code, position, name, comment per
// line; "#" begins a comment line), in the table's order.
std::vector<std::string> ZoneNamesOfTable(std::string_view table);

// The names holding `text`, case ignored and "_" read as a blank ("new york" finds
// "America/New_York", "berlin" finds "Europe/Berlin"); all of them for an empty text. Names
// beginning with the text, or with it after a "/", come first, in the order given.
std::vector<std::string> SearchZoneNames(std::string_view text,
                                         const std::vector<std::string>& names);

} // namespace places
