// Zone names given to --zone and in a zone column, read as the desktop's zone search reads them,
// and the nearest names for one that is not known.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/text_catalogue.h"
#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"
#include "tests/records/temp_dir.h"

namespace {

const std::vector<std::string> kMoment = {"1", "6", "2000", "12", "0"};

std::vector<std::string> With(std::vector<std::string> args) {
    args.insert(args.end(), kMoment.begin(), kMoment.end());
    return args;
}

// The zone and time difference "zone --json" determines.
std::string ZoneOf(const std::string& name) {
    const CliResult r = RunCliCaptured(With({"zone", "--json", "--zone", name}));
    if (r.status != 0) {
        return "refused: " + r.err;
    }
    const nlohmann::json j = nlohmann::json::parse(r.out);
    return j["zone"].get<std::string>() + " " + std::to_string(j["time_difference"].get<int>());
}

} // namespace

class ZoneSpelling : public TempDirTest {};

TEST_F(ZoneSpelling, EveryCommandTakesTheSearchsSpellings) {
    const struct {
        std::string given;
        std::string zone;
    } cases[] = {
        {"europe/berlin", "Europe/Berlin"},
        {"EUROPE/BERLIN", "Europe/Berlin"},
        {" Europe/Berlin ", "Europe/Berlin"},
        {"new york", "America/New_York"},
        {"america/new york", "America/New_York"},
        {"New_York", "America/New_York"},
        {"buenos aires", "America/Argentina/Buenos_Aires"},
        {"utc", "UTC"},
    };
    const std::string file = Path("p.dat");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_EQ(ZoneOf(c.given), ZoneOf(c.zone));
        // eval: the same results and the zone shown by its own name.
        const CliResult eval = RunCliCaptured(With({"eval", "--zone", c.given}));
        EXPECT_EQ(eval.status, 0) << eval.err;
        EXPECT_EQ(eval.out, RunCliCaptured(With({"eval", "--zone", c.zone})).out);
        // add: the value stored is the zone's.
        EXPECT_EQ(RunCliCaptured(With({"add", "--replace", "--zone", c.given, file, "A"})).status,
                  0);
        EXPECT_EQ(RunCliCaptured(With({"add", "--replace", "--zone", c.zone, file, "B"})).status,
                  0);
        const CliResult shown = RunCliCaptured({"show", "--json", file, "A"});
        nlohmann::json a = nlohmann::json::parse(shown.out);
        nlohmann::json b = nlohmann::json::parse(RunCliCaptured({"show", "--json", file, "B"}).out);
        a.erase("name");
        b.erase("name");
        EXPECT_EQ(a, b);
        // batch: the zone column.
        const CliResult batch =
            RunCliWith({"batch", "--format", "jsonl"},
                       "day,month,year,hour,minute,zone\n1,6,2000,12,0,\"" + c.given + "\"\n");
        EXPECT_EQ(batch.status, 0) << batch.out;
        const nlohmann::json row = nlohmann::json::parse(batch.out);
        EXPECT_EQ(row["resolved_zone"], c.zone);
        EXPECT_EQ(row["status"], "ok");
    }
}

TEST_F(ZoneSpelling, AnUnknownZoneGetsTheNearestNames) {
    const auto refusal = [](const std::string& given, const std::string& suggested) {
        std::string text = UserText(TextId::ZoneUnknownZone, {given});
        if (!suggested.empty()) {
            text += " " + UserText(TextId::ZoneSuggestions, {suggested});
        }
        return text;
    };
    const struct {
        std::string given;
        std::string suggested;
    } cases[] = {
        {"Europe/Berln", "Europe/Berlin"},
        {"berl", "Europe/Berlin"},
        {"newyork", "America/New_York"},
        {"Amercia/New_York", "America/New_York"},
        {"Mars/Olympus", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        const CliResult zone = RunCliCaptured(With({"zone", "--zone", c.given}));
        EXPECT_EQ(zone.status, 1);
        EXPECT_EQ(zone.out, "");
        EXPECT_EQ(zone.err, "vexamo-cli: " + refusal(c.given, c.suggested) + "\n");
        // eval has --tz to offer, a row its tz column.
        const CliResult eval = RunCliCaptured(With({"eval", "--zone", c.given}));
        EXPECT_EQ(eval.status, 1);
        EXPECT_EQ(eval.err, zone.err + "vexamo-cli: " + UserText(TextId::CliTzInstead) + "\n");
        const CliResult batch =
            RunCliWith({"batch", "--format", "jsonl"},
                       "day,month,year,hour,minute,zone\n1,6,2000,12,0," + c.given + "\n");
        EXPECT_EQ(batch.status, 1);
        EXPECT_EQ(nlohmann::json::parse(batch.out)["error"],
                  refusal(c.given, c.suggested) + UserText(TextId::CsvTzInstead, {"tz"}));
    }
    // "Did you mean" lists at most three names.
    EXPECT_EQ(UserText(TextId::ZoneSuggestions, {"A, B"}), "Did you mean A, B?");
    const CliResult many = RunCliCaptured(With({"zone", "--zone", "a"}));
    const std::string tail = many.err.substr(many.err.find("Did you mean"));
    EXPECT_EQ(std::count(tail.begin(), tail.end(), '/'), 3) << many.err;
}
