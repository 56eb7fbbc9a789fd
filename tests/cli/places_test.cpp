// "vexamo-cli places": the matching places, as lines or as JSON.
#include <gtest/gtest.h>

#include "app/text_catalogue.h"
#include <nlohmann/json.hpp>

#include "tests/cli/cli_runner.h"

TEST(CliPlaces, OneLinePerPlaceMostPopulousFirst) {
    const CliResult r = RunCliCaptured({"places", "Frankfurt"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1),
              "Frankfurt am Main, Hessen, Deutschland — Europe/Berlin\n");
    EXPECT_NE(r.out.find("\nFrankfurt (Oder), Brandenburg, Deutschland — Europe/Berlin\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.err, "");

    // The words of an unquoted name make one query.
    const CliResult words = RunCliCaptured({"places", "New", "York"});
    EXPECT_EQ(words.out.substr(0, words.out.find(',')), "New York City");
}

TEST(CliPlaces, JsonObjects) {
    const CliResult r = RunCliCaptured({"places", "--json", "Genf"});
    EXPECT_EQ(r.status, 0);
    const nlohmann::ordered_json j = nlohmann::ordered_json::parse(r.out);
    ASSERT_TRUE(j.is_array());
    ASSERT_FALSE(j.empty());
    const auto& geneva = j[0];
    std::vector<std::string> keys;
    for (const auto& item : geneva.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"name", "region", "country", "country_code", "zone",
                                              "latitude", "longitude", "population"}));
    EXPECT_EQ(geneva["name"], "Genf");
    EXPECT_EQ(geneva["country_code"], "CH");
    EXPECT_EQ(geneva["zone"], "Europe/Zurich");
    EXPECT_NEAR(geneva["latitude"].get<double>(), 46.20, 0.05);
    EXPECT_GT(geneva["population"].get<long>(), 100000);
}

TEST(CliPlaces, NoMatchExitsOneAndUsageTwo) {
    const CliResult none = RunCliCaptured({"places", "Xqzzyville"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "vexamo-cli: " + UserText(TextId::ZoneUnknownPlace, {"Xqzzyville"}) + "\n");
    const CliResult noneJson = RunCliCaptured({"places", "Xqzzyville", "--json"});
    EXPECT_EQ(noneJson.status, 1);
    EXPECT_EQ(noneJson.out, "[]\n");

    EXPECT_EQ(RunCliCaptured({"places"}).status, 2);
    EXPECT_EQ(RunCliCaptured({"places", "--limit", "Paris"}).status, 2);
    const CliResult help = RunCliCaptured({"places", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("vexamo-cli places QUERY [--json]"), std::string::npos);
}
