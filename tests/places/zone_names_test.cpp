// The zone names offered when a birthplace is not in the place list, and searching them.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "places/zone_names.h"
#include "places/zone_offset.h"

using places::SearchZoneNames;
using places::SystemZoneNames;
using places::ZoneNamesOfTable;

using Names = std::vector<std::string>;

TEST(ZoneNamesTest, TheThirdFieldOfEachTableLine) {
    const struct {
        const char* table;
        Names names;
    } cases[] = {
        {"# comment\tx\ty\nDE\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
         "CH\t+4723+00832\tEurope/Zurich\n",
         {"Europe/Berlin", "Europe/Zurich"}},
        // Windows line ends, and no line end after the last line.
        {"NO\t+5955+01045\tEurope/Oslo\r\nUS\t+404251-0740023\tAmerica/New_York",
         {"Europe/Oslo", "America/New_York"}},
        {"\n\nXX\tonly two fields\nYY\n", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZoneNamesOfTable(c.table), c.names) << c.table;
    }
}

TEST(ZoneNamesTest, TheSystemsZonesSortedAndKnown) {
    const Names& names = SystemZoneNames();
    ASSERT_GT(names.size(), 300u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    for (const char* expected : {"Europe/Berlin", "Europe/Oslo", "America/New_York", "Asia/Kolkata",
                                 "Australia/Lord_Howe", "UTC"}) {
        EXPECT_TRUE(std::binary_search(names.begin(), names.end(), expected)) << expected;
    }
    for (const std::string& name : names) {
        EXPECT_TRUE(places::IsKnownZone(name)) << name;
        EXPECT_FALSE(name.starts_with("posix/") || name.starts_with("right/")) << name;
    }
}

TEST(ZoneNamesTest, SearchIgnoresCaseAndUnderscoresBeginningsFirst) {
    const Names list{"Asia/Aden", "Europe/Berlin", "America/Denver", "America/New_York",
                     "Antarctica/Davis"};
    const struct {
        const char* text;
        Names found;
    } cases[] = {
        {"den", {"America/Denver", "Asia/Aden"}},
        {"BERLIN", {"Europe/Berlin"}},
        {"new york", {"America/New_York"}},
        {"america/", {"America/Denver", "America/New_York"}},
        {"", list},
        {"Paris", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SearchZoneNames(c.text, list), c.found) << c.text;
    }
    EXPECT_EQ(SearchZoneNames("europe/berl", SystemZoneNames()), Names{"Europe/Berlin"});
}
