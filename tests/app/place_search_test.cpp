// The birthplace dialog's lists as every front-end gets them: places for the text typed from a
// fixed list, the system's zones by name, and the computer's zone read anew at each call.
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "app/place_search.h"
#include "app/zone_default.h"

namespace {

const PlaceCatalogue& TestPlaces() {
    static const PlaceCatalogue catalogue = [] {
        std::vector<Place> list = {
            {"München", "Bayern", "Deutschland", "DE", "Europe/Berlin", 48.14, 11.58, 1260391},
            {"Münster", "Nordrhein-Westfalen", "Deutschland", "DE", "Europe/Berlin", 51.96, 7.63,
             270184},
            {"Paris", "Île-de-France", "France", "FR", "Europe/Paris", 48.85, 2.35, 2138551},
            {"Paris", "Texas", "United States", "US", "America/Chicago", 33.66, -95.56, 24782},
        };
        // More towns of one name than the dialog lists.
        for (int i = 0; i < 40; ++i) {
            list.push_back({"Neustadt " + std::to_string(i), "", "Deutschland", "DE",
                            "Europe/Berlin", 50.0, 10.0, static_cast<std::uint32_t>(1000 + i)});
        }
        return PlaceCatalogue(std::move(list));
    }();
    return catalogue;
}

std::vector<std::string> Lines(const std::vector<Place>& found) {
    std::vector<std::string> lines;
    for (const Place& p : found) {
        lines.push_back(p.name + ", " + p.countryCode);
    }
    return lines;
}

// Sets TZ for the life of the object, then puts back what was there.
class ScopedTz {
  public:
    explicit ScopedTz(const char* value) {
        if (const char* old = std::getenv("TZ")) {
            m_old = old;
        }
        Set(value);
    }
    ~ScopedTz() { Set(m_old ? m_old->c_str() : nullptr); }
    ScopedTz(const ScopedTz&) = delete;
    ScopedTz& operator=(const ScopedTz&) = delete;

  private:
    static void Set(const char* value) {
#ifdef _WIN32
        _putenv_s("TZ", value ? value : "");
#else
        value ? ::setenv("TZ", value, 1) : ::unsetenv("TZ");
#endif
    }
    std::optional<std::string> m_old;
};

} // namespace

TEST(PlaceSearchTest, PlacesForTheTextTyped) {
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        // Accents ignored, the more populous first; "Muen" is how München is typed without
        // umlauts.
        {"mün", {"München, DE", "Münster, DE"}},
        {"Muenc", {"München, DE"}},
        {"munch", {"München, DE"}},
        // A comma narrows the country.
        {"Paris", {"Paris, FR", "Paris, US"}},
        {"Paris, US", {"Paris, US"}},
        {"Atlantis", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Lines(SearchPlaces(TestPlaces(), c.text)), c.lines) << c.text;
    }
}

TEST(PlaceSearchTest, AtMostAListfulOfPlaces) {
    const std::vector<Place> found = SearchPlaces(TestPlaces(), "Neustadt");
    ASSERT_EQ(found.size(), PlaceCatalogue::kDefaultLimit);
    // The most populous of the forty.
    EXPECT_EQ(found.front().name, "Neustadt 39");
}

TEST(PlaceSearchTest, ZonesByName) {
    const struct {
        const char* text;
        const char* first; // nullptr: none found
    } cases[] = {
        {"new york", "America/New_York"},
        {"Europe/Berl", "Europe/Berlin"},
        {"  europe/berlin  ", "Europe/Berlin"},
        {"buenos", "America/Argentina/Buenos_Aires"},
        {"Mars/Olympus", nullptr},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> zones = SearchZones(c.text);
        if (c.first) {
            ASSERT_FALSE(zones.empty()) << c.text;
            EXPECT_EQ(zones.front(), c.first) << c.text;
        } else {
            EXPECT_TRUE(zones.empty()) << c.text;
        }
    }
}

TEST(PlaceSearchTest, EveryZoneSortedForNoText) {
    const std::vector<std::string> zones = SearchZones("");
    EXPECT_GT(zones.size(), 300u);
    EXPECT_TRUE(std::is_sorted(zones.begin(), zones.end()));
    EXPECT_NE(std::find(zones.begin(), zones.end(), "Europe/Berlin"), zones.end());
    EXPECT_NE(std::find(zones.begin(), zones.end(), "UTC"), zones.end());
}

TEST(PlaceSearchTest, ComputerZoneReadAnewAtEachCall) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes its zone from the system's setting, not from TZ; "
                    "WinComputerZone checks that mapping in a process of its own";
#endif
    const struct {
        const char* tz;
        const char* zone;
    } cases[] = {
        {"Europe/Berlin", "Europe/Berlin"},
        {":America/New_York", "America/New_York"},
        // Set but empty means Universal Time.
        {"", "UTC"},
        // A rule names no zone: nothing is guessed.
        {"CET-1CEST,M3.5.0,M10.5.0/3", ""},
        {"Europe/Atlantis", ""},
    };
    for (const auto& c : cases) {
        const ScopedTz tz(c.tz);
        EXPECT_EQ(ComputerZone(), c.zone) << c.tz;
    }
}
