// "vexamo-cli places": the matching places, as lines or as JSON.
#include <algorithm>
#include <string>
#include <vector>

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
    EXPECT_NE(help.out.find("vexamo-cli places QUERY [--limit N] [--json]"), std::string::npos);
    EXPECT_NE(help.out.find("  --limit N"), std::string::npos) << help.out;
}

namespace {

size_t LineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

// A list that stops short says how many more places match; --limit moves the stop.
TEST(CliPlaces, LimitAndHowManyMore) {
    const CliResult all = RunCliCaptured({"places", "M", "--limit", "1000000"});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.err, "");
    const size_t total = LineCount(all.out);
    ASSERT_GT(total, 1000u); // so that the count has a group separator
    // Run in-process, without the user's language: the count is grouped as the catalogue's own
    // text does it (each language's grouping: messages_test.cpp).
    const auto more = [](size_t n) {
        std::string digits = std::to_string(n);
        digits.insert(digits.size() - 3, UserText(TextId::CountGroupSeparator));
        return "vexamo-cli: " + UserText(TextId::PlacesMore, {digits}) + "\n";
    };
    const struct {
        std::vector<std::string> args;
        size_t shown;
    } cases[] = {
        {{"places", "M"}, 30},
        {{"places", "--limit", "5", "M"}, 5},
        {{"places", "M", "--limit=30"}, 30},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCliCaptured(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(LineCount(r.out), c.shown);
        EXPECT_EQ(r.out, all.out.substr(0, r.out.size())); // the first of the same order
        EXPECT_EQ(r.err, more(total - c.shown));
    }
    EXPECT_EQ(more(1234), "vexamo-cli: \u2026 and 1.234 more places; give --limit N or a longer "
                          "name\n");
    const CliResult oneMore = RunCliCaptured({"places", "M", "--limit", std::to_string(total - 1)});
    EXPECT_EQ(oneMore.err, "vexamo-cli: " + std::string(UserText(TextId::PlacesOneMore)) + "\n");
    const CliResult exact = RunCliCaptured({"places", "M", "--limit", std::to_string(total)});
    EXPECT_EQ(exact.err, "");

    // JSON keeps standard output to the array; the count goes to standard error.
    const CliResult json = RunCliCaptured({"places", "--json", "--limit", "2", "M"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(nlohmann::json::parse(json.out).size(), 2u);
    EXPECT_EQ(json.err, more(total - 2));

    for (const char* bad : {"0", "-3", "x"}) {
        const CliResult r = RunCliCaptured({"places", "M", "--limit", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("places: "), std::string::npos) << r.err;
    }
}
