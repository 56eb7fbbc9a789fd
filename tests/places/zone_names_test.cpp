// The zone names offered when a birthplace is not in the place list, and searching them.
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
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

TEST(ZoneNamesTest, AGivenNameStandsForTheZoneItFoldsTo) {
    const places::FoldedZoneNames zones(Names{"America/Argentina/Buenos_Aires", "America/New_York",
                                              "Asia/Aden", "Europe/Berlin", "Europe/Bern",
                                              "Pacific/Bern"});
    const struct {
        const char* text;
        std::optional<std::string> zone;
    } cases[] = {
        {"Europe/Berlin", "Europe/Berlin"},
        {"europe/berlin", "Europe/Berlin"},
        {"  EUROPE/BERLIN\t", "Europe/Berlin"},
        {"america/new york", "America/New_York"},
        {"new york", "America/New_York"},
        {"New_York", "America/New_York"},
        {"buenos aires", "America/Argentina/Buenos_Aires"},
        {"argentina/buenos_aires", "America/Argentina/Buenos_Aires"},
        // Of names with an equal part the first in order.
        {"bern", "Europe/Bern"},
        {"pacific/bern", "Pacific/Bern"},
        // Only whole names or whole parts: a beginning or a piece is not taken.
        {"berl", std::nullopt},
        {"york", std::nullopt},
        {"europe/", std::nullopt},
        {"Europe/Berln", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zones.Match(c.text), c.zone) << c.text;
    }
}

TEST(ZoneNamesTest, SuggestionsSearchFirstThenTheFewestEdits) {
    const places::FoldedZoneNames zones(Names{"America/Denver", "America/New_York", "Asia/Aden",
                                              "Europe/Berlin", "Europe/Bern", "Europe/Dublin",
                                              "Europe/Paris", "Europe/Zurich"});
    const struct {
        std::string text;
        Names nearest;
    } cases[] = {
        // One edit each, in the list's order.
        {"Europe/Berln", {"Europe/Berlin", "Europe/Bern"}},
        {"berln", {"Europe/Berlin", "Europe/Bern"}},
        {"newyork", {"America/New_York"}},
        // Two edits for a longer text, never for a short one.
        {"Amercia/New_York", {"America/New_York"}},
        {"Europ/Pari", {"Europe/Paris"}},
        {"pras", {}},
        // What the zone search finds comes first, and counts once.
        {"den", {"America/Denver", "Asia/Aden"}},
        {"eu", {"Europe/Berlin", "Europe/Bern", "Europe/Dublin"}},
        {"zurch", {"Europe/Zurich"}},
        {"Mars/Olympus", {}},
        {"", {}},
        {std::string(5000, 'x'), {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zones.Nearest(c.text), c.nearest) << c.text;
    }
    EXPECT_EQ(zones.Nearest("berln", 1), Names{"Europe/Berlin"});
    EXPECT_TRUE(zones.Nearest("berln", 0).empty());
}

TEST(ZoneNamesTest, TheSystemsZonesTakeTheDesktopsSpellings) {
    EXPECT_EQ(places::SystemZones().Match("europe/berlin"), "Europe/Berlin");
    EXPECT_EQ(places::SystemZones().Match("new york"), "America/New_York");
    const Names near = places::SystemZones().Nearest("Europe/Berln");
    ASSERT_FALSE(near.empty());
    EXPECT_EQ(near.front(), "Europe/Berlin");
}
