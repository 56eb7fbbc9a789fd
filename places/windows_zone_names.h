#pragma once
// Windows names its time zones by names of its own ("W. Europe Standard Time"); the time-zone
// database, and with it every zone the program knows, by region and city ("Europe/Berlin").
// CLDR's windowsZones.xml maps the one to the other, for each territory where the Windows zone
// is used; its table is made at build time.
#include <string>
#include <string_view>

namespace places {

// The zone of the time-zone database that a Windows zone stands for in a territory (ISO 3166
// code, "DE"), or in its main territory when the territory is empty or not listed for it; both
// compared without regard to case, as Windows compares them. Empty for a name CLDR does not know.
std::string IanaZoneOfWindowsZone(std::string_view windowsZone, std::string_view territory);

#ifdef _WIN32
// The zone this computer runs in, by the time-zone database's name: the Windows zone that the
// system's time settings name, in the user's home territory. Empty when the system names a zone
// CLDR does not know, or when summer time is turned off for it (its hours then follow no
// zone of the database).
std::string WindowsComputerZoneName();
#endif

} // namespace places
