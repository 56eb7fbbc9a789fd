// Searching the installed place list, in the user's language. The language is that of the
// message locale, chosen here through LANGUAGE under the C.UTF-8 locale so the results do not
// depend on the machine's settings.
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "places/place_catalogue.h"

using places::Place;
using places::PlaceCatalogue;

namespace {

PlaceCatalogue CatalogueIn(const char* language) {
    setenv("LANGUAGE", language, 1);
    // A change of locale drops the translations already looked up (setting the same one again
    // would keep them).
    std::setlocale(LC_ALL, "C");
    const char* locale = std::setlocale(LC_ALL, "C.UTF-8");
    EXPECT_NE(locale, nullptr);
    return PlaceCatalogue();
}

} // namespace

TEST(PlaceSearchTest, GermanNamesUnderAGermanLocale) {
    const PlaceCatalogue catalogue = CatalogueIn("de");
    ASSERT_GT(catalogue.Size(), 20000u);

    const auto munich = catalogue.Search("München");
    ASSERT_FALSE(munich.empty());
    EXPECT_EQ(munich[0].name, "München");
    EXPECT_EQ(munich[0].region, "Bayern");
    EXPECT_EQ(munich[0].country, "Deutschland");
    EXPECT_EQ(munich[0].countryCode, "DE");
    EXPECT_EQ(munich[0].zone, "Europe/Berlin");
    EXPECT_GT(munich[0].population, 1000000u);
    EXPECT_NEAR(munich[0].latitude, 48.14, 0.05);
    EXPECT_NEAR(munich[0].longitude, 11.58, 0.05);

    // Without the accent, and by the English name.
    EXPECT_EQ(catalogue.Search("munchen").at(0).name, "München");
    EXPECT_EQ(catalogue.Search("Munich").at(0).name, "München");
    EXPECT_EQ(catalogue.Search("Genf").at(0).zone, "Europe/Zurich");
}

TEST(PlaceSearchTest, EnglishAndFrenchNames) {
    const PlaceCatalogue english = CatalogueIn("en");
    const auto munich = english.Search("Munich");
    ASSERT_FALSE(munich.empty());
    EXPECT_EQ(munich[0].name, "Munich");
    EXPECT_EQ(munich[0].country, "Germany");

    const PlaceCatalogue french = CatalogueIn("fr");
    const auto geneva = french.Search("geneve");
    ASSERT_FALSE(geneva.empty());
    EXPECT_EQ(geneva[0].name, "Genève");
    EXPECT_EQ(geneva[0].country, "Suisse");
}

TEST(PlaceSearchTest, MostPopulousFirstAfterExactNames) {
    const PlaceCatalogue catalogue = CatalogueIn("en");
    const auto ber = catalogue.Search("ber");
    ASSERT_GE(ber.size(), 3u);
    EXPECT_EQ(ber[0].name, "Berlin");
    for (std::size_t i = 1; i < ber.size(); ++i) {
        EXPECT_GE(ber[i - 1].population, ber[i].population) << ber[i].name;
    }

    // An exact name goes before larger places that only hold it as a word.
    const auto york = catalogue.Search("York");
    ASSERT_GE(york.size(), 2u);
    EXPECT_EQ(york[0].name, "York");
    EXPECT_EQ(york[0].countryCode, "GB");
    bool newYork = false;
    for (const Place& p : york) {
        newYork = newYork || p.name == "New York";
    }
    EXPECT_TRUE(newYork);
}

TEST(PlaceSearchTest, LimitEmptyQueriesAndNarrowingByArea) {
    const PlaceCatalogue catalogue = CatalogueIn("en");
    EXPECT_EQ(catalogue.Search("s").size(), PlaceCatalogue::kDefaultLimit);
    EXPECT_EQ(catalogue.Search("s", 5).size(), 5u);
    EXPECT_TRUE(catalogue.Search("").empty());
    EXPECT_TRUE(catalogue.Search("  ,").empty());
    EXPECT_TRUE(catalogue.Search("xqzvw").empty());

    const auto parisUs = catalogue.Search("Paris, US");
    ASSERT_FALSE(parisUs.empty());
    for (const Place& p : parisUs) {
        EXPECT_EQ(p.countryCode, "US") << p.name;
    }
    const auto frankfurt = catalogue.Search("Frankfurt, Brandenburg");
    ASSERT_EQ(frankfurt.size(), 1u);
    EXPECT_EQ(frankfurt[0].zone, "Europe/Berlin");
}

TEST(PlaceSearchTest, OwnListIsSearchedTheSameWay) {
    PlaceCatalogue catalogue(
        {{"Zell am See", "Salzburg", "Österreich", "AT", "Europe/Vienna"},
         {"Zell", "Mosel", "Deutschland", "DE", "Europe/Berlin", 0, 0, 4000},
         {"Zella-Mehlis", "Thüringen", "Deutschland", "DE", "Europe/Berlin", 0, 0, 12000}});
    const auto zell = catalogue.Search("zell");
    ASSERT_EQ(zell.size(), 3u);
    EXPECT_EQ(zell[0].name, "Zell");
    EXPECT_EQ(zell[1].name, "Zella-Mehlis");
    EXPECT_EQ(catalogue.Search("see").at(0).name, "Zell am See");
    EXPECT_EQ(catalogue.Search("zell, oster").size(), 1u);
}
