// Windows zone names mapped to the time-zone database's (CLDR): the main zone, the territory's
// own, the fallback to the main one, case, and every zone named is one the database has.
#include "places/windows_zone_names.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include "records/utf8_paths.h"
#endif

namespace {

struct ZoneCase {
    const char* windowsZone;
    const char* territory;
    const char* ianaZone;
};

constexpr ZoneCase kZoneCases[] = {
    {"W. Europe Standard Time", "", "Europe/Berlin"},
    {"W. Europe Standard Time", "001", "Europe/Berlin"},
    {"W. Europe Standard Time", "CH", "Europe/Zurich"},
    {"W. Europe Standard Time", "ch", "Europe/Zurich"},
    {"W. Europe Standard Time", "BR", "Europe/Berlin"}, // not listed: the main zone
    {"w. europe standard time", "DE", "Europe/Berlin"}, // the first of DE's two
    {"Eastern Standard Time", "CA", "America/Toronto"},
    {"Eastern Standard Time", "", "America/New_York"},
    {"Central European Standard Time", "PL", "Europe/Warsaw"},
    {"China Standard Time", "", "Asia/Shanghai"},
    {"UTC", "", "Etc/UTC"},
    {"Dateline Standard Time", "", "Etc/GMT+12"},
    {"No Such Standard Time", "", ""},
    {"", "", ""},
    {"W. Europe Standard Tim", "", ""}, // a name is taken whole
};

TEST(WindowsZoneNames, EachNameInEachTerritory) {
    for (const ZoneCase& c : kZoneCases) {
        EXPECT_EQ(places::IanaZoneOfWindowsZone(c.windowsZone, c.territory), c.ianaZone)
            << c.windowsZone << " in " << c.territory;
    }
}

#ifndef _WIN32
// A zone CLDR names but the build machine's database lacks would leave a Windows computer
// without a zone.
TEST(WindowsZoneNames, EveryMainZoneIsInTheTimeZoneDatabase) {
    const std::filesystem::path database = "/usr/share/zoneinfo";
    if (!std::filesystem::exists(database / "Europe/Berlin")) {
        GTEST_SKIP() << "no time-zone database at " << database;
    }
    int checked = 0;
    for (const char* name :
         {"Dateline Standard Time", "Hawaiian Standard Time", "Pacific Standard Time",
          "Mountain Standard Time", "Central Standard Time", "Eastern Standard Time",
          "Atlantic Standard Time", "E. South America Standard Time", "GMT Standard Time",
          "Romance Standard Time", "Central European Standard Time", "GTB Standard Time",
          "Russian Standard Time", "India Standard Time", "China Standard Time",
          "Tokyo Standard Time", "AUS Eastern Standard Time", "New Zealand Standard Time"}) {
        const std::string zone = places::IanaZoneOfWindowsZone(name, "");
        ASSERT_FALSE(zone.empty()) << name;
        EXPECT_TRUE(std::filesystem::exists(database / zone)) << name << ": " << zone;
        ++checked;
    }
    EXPECT_EQ(checked, 18);
}
#else
// The computer's zone as the system's time settings name it; with TZ given to Wine
// (VEXAMO_EXPECTED_ZONE, see CMakeLists.txt) also the zone that TZ names.
TEST(WindowsComputerZone, IsTheZoneTheSystemNames) {
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    ASSERT_NE(::GetDynamicTimeZoneInformation(&zone), TIME_ZONE_ID_INVALID);
    const std::string windowsName = Utf8OfWide(zone.TimeZoneKeyName);
    const std::string name = places::WindowsComputerZoneName();
    EXPECT_FALSE(name.empty()) << windowsName;
    EXPECT_EQ(name.find(' '), std::string::npos) << name;
    if (const char* expected = std::getenv("VEXAMO_EXPECTED_ZONE")) {
        EXPECT_EQ(name, expected) << windowsName;
    }
}
#endif

} // namespace
