// Searching the installed place list by any of a place's names, shown in the user's language.
// The language is that of the message locale, chosen here through LANGUAGE under the C.UTF-8
// locale so the results do not depend on the machine's settings.
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <string>

#include "places/place_catalogue.h"
#include "tests/cli/scoped_env.h"

using places::Place;
using places::PlaceCatalogue;

namespace {

PlaceCatalogue CatalogueIn(const char* language) {
    const ScopedEnv languages("LANGUAGE", language);
#ifdef _WIN32
    // No message locale: the variable stands for it.
    const ScopedEnv locale("LC_ALL", "C.UTF-8");
#else
    // A change of locale drops the translations already looked up (setting the same one again
    // would keep them).
    std::setlocale(LC_ALL, "C");
    const char* locale = std::setlocale(LC_ALL, "C.UTF-8");
    EXPECT_NE(locale, nullptr);
#endif
    return PlaceCatalogue();
}

// One catalogue per language for the whole test program: reading the list takes a while.
const PlaceCatalogue& SharedIn(const std::string& language) {
    static std::map<std::string, PlaceCatalogue> catalogues;
    auto found = catalogues.find(language);
    if (found == catalogues.end()) {
        found = catalogues.emplace(language, CatalogueIn(language.c_str())).first;
    }
    return found->second;
}

struct FirstPlaceCase {
    const char* language;
    const char* query;
    const char* zone;
    const char* countryCode;
    const char* name;        // as shown in the language
    const char* matchedName; // "" when found by the shown name
};

} // namespace

TEST(PlaceSearchTest, AnyLanguageAndAsciiSpellingFindTheExpectedPlaceFirst) {
    const FirstPlaceCase cases[] = {
        {"en", "Roma", "Europe/Rome", "IT", "Rome", "Roma"},
        {"de", "Roma", "Europe/Rome", "IT", "Rom", "Roma"},
        {"fr", "Roma", "Europe/Rome", "IT", "Rome", "Roma"},
        {"en", "Wien", "Europe/Vienna", "AT", "Vienna", "Wien"},
        {"de", "Wien", "Europe/Vienna", "AT", "Wien", ""},
        {"fr", "Wien", "Europe/Vienna", "AT", "Vienne", "Wien"},
        {"en", "Praha", "Europe/Prague", "CZ", "Prague", "Praha"},
        {"de", "Praha", "Europe/Prague", "CZ", "Prag", "Praha"},
        {"en", "Den Haag", "Europe/Amsterdam", "NL", "The Hague", "Den Haag"},
        {"fr", "den haag", "Europe/Amsterdam", "NL", "La Haye", "Den Haag"},
        {"en", "Calcutta", "Asia/Kolkata", "IN", "Kolkata", "Calcutta"},
        {"fr", "Calcutta", "Asia/Kolkata", "IN", "Calcutta", ""},
        {"en", "Muenchen", "Europe/Berlin", "DE", "Munich", "München"},
        {"de", "Muenchen", "Europe/Berlin", "DE", "München", ""},
        {"en", "München", "Europe/Berlin", "DE", "Munich", "München"},
        {"fr", "Zuerich", "Europe/Zurich", "CH", "Zurich", "Zürich"},
        {"en", "Zürich", "Europe/Zurich", "CH", "Zurich", ""}, // the same letters as "Zurich"
        {"en", "Москва", "Europe/Moscow", "RU", "Moscow", "Москва"},
        {"de", "москва", "Europe/Moscow", "RU", "Moskau", "Москва"},
        {"en", "Köln", "Europe/Berlin", "DE", "Cologne", "Köln"},
        {"fr", "Koeln", "Europe/Berlin", "DE", "Cologne", "Köln"},
        {"en", "Genf", "Europe/Zurich", "CH", "Geneva", "Genf"},
        {"fr", "Genf", "Europe/Zurich", "CH", "Genève", "Genf"},
        {"en", "Ρώμη", "Europe/Rome", "IT", "Rome", "Ρώμη"},
        // The shown name matched (not equal to the query): nothing added.
        {"de", "Frankfurt", "Europe/Berlin", "DE", "Frankfurt am Main", ""},
        {"de", "New York", "America/New_York", "US", "New York City", ""},
        // An equal name in any language counts the same: the most populous Rome first.
        {"de", "Rome", "Europe/Rome", "IT", "Rom", "Rome"},
        {"en", "Rome", "Europe/Rome", "IT", "Rome", ""},
    };
    for (const FirstPlaceCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.language << " " << c.query);
        const auto found = SharedIn(c.language).Search(c.query);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found[0].zone, c.zone);
        EXPECT_EQ(found[0].countryCode, c.countryCode);
        EXPECT_EQ(found[0].name, c.name);
        EXPECT_EQ(found[0].matchedName, c.matchedName);
    }
}

TEST(PlaceSearchTest, PartialNamesComeAfterAnEqualName) {
    for (const char* language : {"en", "de", "fr"}) {
        SCOPED_TRACE(language);
        const PlaceCatalogue& catalogue = SharedIn(language);
        // Not Wiener Neustadt, nor Roman in Romania, though both begin with the query.
        const auto wien = catalogue.Search("Wien", 2);
        ASSERT_EQ(wien.size(), 2u);
        EXPECT_GT(wien[0].population, 1000000u);
        EXPECT_EQ(wien[1].zone, "Europe/Vienna");
        const auto roma = catalogue.Search("Roma");
        ASSERT_FALSE(roma.empty());
        EXPECT_GT(roma[0].population, 2000000u);
        bool romanFound = false;
        for (const Place& p : roma) {
            romanFound = romanFound || p.countryCode == "RO";
        }
        EXPECT_TRUE(romanFound);
    }
}

TEST(PlaceSearchTest, GermanNamesUnderAGermanLocale) {
    const PlaceCatalogue& catalogue = SharedIn("de");
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
    const PlaceCatalogue& english = SharedIn("en");
    const auto munich = english.Search("Munich");
    ASSERT_FALSE(munich.empty());
    EXPECT_EQ(munich[0].name, "Munich");
    EXPECT_EQ(munich[0].country, "Germany");

    const PlaceCatalogue& french = SharedIn("fr");
    const auto geneva = french.Search("geneve");
    ASSERT_FALSE(geneva.empty());
    EXPECT_EQ(geneva[0].name, "Genève");
    EXPECT_EQ(geneva[0].country, "Suisse");
}

TEST(PlaceSearchTest, MostPopulousFirstAfterExactNames) {
    const PlaceCatalogue& catalogue = SharedIn("en");
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
    const PlaceCatalogue& catalogue = SharedIn("en");
    EXPECT_EQ(catalogue.Search("s").size(), PlaceCatalogue::kDefaultLimit);
    EXPECT_EQ(catalogue.Search("s", 5).size(), 5u);
    // How many match in all, whatever the limit.
    std::size_t matching = 0;
    const std::size_t all = catalogue.Search("s", 1'000'000, &matching).size();
    EXPECT_EQ(matching, all);
    EXPECT_EQ(catalogue.Search("s", 5, &matching).size(), 5u);
    EXPECT_EQ(matching, all);
    EXPECT_GT(all, PlaceCatalogue::kDefaultLimit);
    catalogue.Search("xqzvw", 5, &matching);
    EXPECT_EQ(matching, 0u);
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

TEST(PlaceSearchTest, EqualNameThenTheUsersLanguageThenPopulation) {
    // The shown names are those of the user's language; the others any language's.
    PlaceCatalogue catalogue(
        {{"Lindau", "Bayern", "Deutschland", "DE", "Europe/Berlin", 0, 0, 25000},
         {"Lindenberg", "Bayern", "Deutschland", "DE", "Europe/Berlin", 0, 0, 11000},
         {"Holm", "Skåne", "Schweden", "SE", "Europe/Stockholm", 0, 0, 90000},
         {"Tilia", "Nowhere", "Utopia", "UT", "Etc/UTC", 0, 0, 5000}},
        {{"Lindavia"}, {}, {"Lindholm"}, {"Linden", "Lipa"}});
    const auto lind = catalogue.Search("Lind");
    ASSERT_EQ(lind.size(), 4u);
    EXPECT_EQ(lind[0].name, "Lindau");  // the user's language, the more populous
    EXPECT_EQ(lind[0].matchedName, ""); // its shown name matched too
    EXPECT_EQ(lind[1].name, "Lindenberg");
    EXPECT_EQ(lind[2].name, "Holm"); // another language: after, though more populous
    EXPECT_EQ(lind[2].matchedName, "Lindholm");
    EXPECT_EQ(lind[3].name, "Tilia");
    EXPECT_EQ(lind[3].matchedName, "Linden");

    // An equal name in another language beats partial names in the user's.
    const auto linden = catalogue.Search("linden");
    ASSERT_EQ(linden.size(), 2u);
    EXPECT_EQ(linden[0].name, "Tilia");
    EXPECT_EQ(linden[0].matchedName, "Linden");
    EXPECT_EQ(linden[1].name, "Lindenberg");
    EXPECT_EQ(catalogue.Search("Lipa").at(0).matchedName, "Lipa");
}
