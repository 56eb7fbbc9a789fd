#include "places/windows_zone_names.h"

#ifdef _WIN32
#include <windows.h>

#include "records/utf8_paths.h"
#endif

namespace places {

namespace {

struct WindowsZoneRow {
    const char* windowsZone;
    const char* territory;
    const char* ianaZone;
};

constexpr WindowsZoneRow kWindowsZones[] = {
#include "windows_zone_table.inc"
};

constexpr std::string_view kMainTerritory = "001";

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string IanaZoneOfWindowsZone(std::string_view windowsZone, std::string_view territory) {
    const char* main = nullptr;
    for (const WindowsZoneRow& row : kWindowsZones) {
        if (!SameIgnoringCase(row.windowsZone, windowsZone)) {
            continue;
        }
        if (!territory.empty() && SameIgnoringCase(row.territory, territory)) {
            return row.ianaZone;
        }
        if (row.territory == kMainTerritory) {
            main = row.ianaZone;
        }
    }
    return main != nullptr ? main : "";
}

#ifdef _WIN32
std::string WindowsComputerZoneName() {
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (::GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID ||
        zone.DynamicDaylightTimeDisabled) {
        return {};
    }
    std::string territory;
    wchar_t iso[8] = {};
    const GEOID home = ::GetUserGeoID(GEOCLASS_NATION);
    if (home != GEOID_NOT_AVAILABLE && ::GetGeoInfoW(home, GEO_ISO2, iso, 8, 0) > 0) {
        territory = Utf8OfWide(iso);
    }
    return IanaZoneOfWindowsZone(Utf8OfWide(zone.TimeZoneKeyName), territory);
}
#endif

} // namespace places
