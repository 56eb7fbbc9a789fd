// "eval" and "add" with --place or --zone: the time difference resolved as "zone" resolves it,
// then everything as with --tz and that value.
#include <unistd.h>

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

CliResult Eval(std::vector<std::string> args) {
    args.insert(args.begin(), "eval");
    return RunCliCaptured(args);
}

} // namespace

TEST(CliZoneBirth, EvalWithAZoneIsEvalWithItsValuePlusTheZoneUsed) {
    const CliResult byTz = Eval({"--tz", "-2", "1", "7", "2000", "12", "0"});
    const CliResult byZone = Eval({"1", "7", "2000", "12", "0", "--zone", "Europe/Berlin"});
    EXPECT_EQ(byZone.status, 0) << byZone.err;
    EXPECT_EQ(byZone.out, byTz.out + "Time zone: Europe/Berlin\n"
                                     "Offset: UTC+02:00 (CEST), summer time\n"
                                     "Time difference: -2\n");
    EXPECT_EQ(byZone.err, "");

    // The JSON object keeps its keys and values and gains "time_zone" as the last one.
    const CliResult jsonTz = Eval({"--json", "--tz=-1", "15", "1", "2000", "8", "30"});
    const CliResult jsonPlace =
        Eval({"--json", "--place", "München", "15", "1", "2000", "8", "30"});
    EXPECT_EQ(jsonPlace.status, 0);
    ASSERT_GT(jsonTz.out.size(), 3u);
    const std::string common = jsonTz.out.substr(0, jsonTz.out.size() - 3); // without "\n}\n"
    EXPECT_EQ(jsonPlace.out.substr(0, common.size()), common);
    const nlohmann::json j = nlohmann::json::parse(jsonPlace.out);
    EXPECT_EQ(j["time_zone"]["place"], "München, Bayern, Deutschland");
    EXPECT_EQ(j["time_zone"]["zone"], "Europe/Berlin");
    EXPECT_EQ(j["time_zone"]["utc_offset_minutes"], 60);
    EXPECT_EQ(j["time_zone"]["time_difference"], -1);
    EXPECT_EQ(j["time_zone"]["status"], "ok");
}

TEST(CliZoneBirth, EvalSpecialCasesStopOrFollowTheChoice) {
    const CliResult twice = Eval({"--zone", "Europe/Berlin", "29", "10", "2023", "2", "30"});
    EXPECT_EQ(twice.status, 1);
    EXPECT_EQ(twice.out, "");
    EXPECT_NE(twice.err.find("--dst choisit"), std::string::npos) << twice.err;

    const CliResult winter =
        Eval({"--zone", "Europe/Berlin", "--no-dst", "29", "10", "2023", "2", "30"});
    const CliResult tzWinter = Eval({"--tz", "-1", "29", "10", "2023", "2", "30"});
    EXPECT_EQ(winter.status, 0);
    EXPECT_EQ(winter.out.substr(0, tzWinter.out.size()), tzWinter.out);

    EXPECT_EQ(Eval({"--zone", "Europe/Berlin", "26", "3", "2023", "2", "30"}).status, 1);
    EXPECT_EQ(Eval({"--zone", "Pacific/Kiritimati", "1", "1", "2023", "2", "30"}).status, 1);
    EXPECT_EQ(Eval({"--place", "Xqzzyville", "1", "1", "2023", "2", "30"}).status, 1);

    // Rounding: the value and a note of how far it moves the moment.
    const CliResult rounded =
        Eval({"--zone", "Asia/Kolkata", "--round", "1", "5", "2023", "12", "0"});
    const CliResult tzRounded = Eval({"--tz", "-6", "1", "5", "2023", "12", "0"});
    EXPECT_EQ(rounded.status, 0);
    EXPECT_EQ(rounded.out.substr(0, tzRounded.out.size()), tzRounded.out);
    EXPECT_NE(rounded.err.find("30 min plus tôt"), std::string::npos) << rounded.err;

    // Local mean time before 1900, once the earlier century is confirmed.
    const CliResult lmt =
        Eval({"--zone", "Europe/Berlin", "--round", "--before-1900", "1", "6", "1880", "12", "0"});
    const CliResult tzLmt = Eval({"--tz", "-1", "--before-1900", "1", "6", "1880", "12", "0"});
    EXPECT_EQ(lmt.status, 0);
    EXPECT_EQ(lmt.out.substr(0, tzLmt.out.size()), tzLmt.out);
}

TEST(CliZoneBirth, EvalChecksTheFormFirstAndRefusesMixedOptions) {
    const CliResult month = Eval({"--zone", "Europe/Berlin", "1", "13", "2000", "12", "0"});
    EXPECT_EQ(month.status, 1);
    EXPECT_EQ(month.err, "vexamo-cli: Veuillez entrer un mois entre 1 et 12.\n");

    const std::vector<std::vector<std::string>> usage = {
        {"--tz", "1", "--zone", "UTC", "1", "1", "2000", "12", "0"},
        {"--place", "Paris", "--tz=1", "1", "1", "2000", "12", "0"},
        {"--dst", "1", "1", "2000", "12", "0"},
        {"--round", "1", "1", "2000", "12", "0"},
        {"--zone", "UTC", "--place", "Paris", "1", "1", "2000", "12", "0"},
        {"1", "1", "2000", "12", "0", "--place"},
    };
    for (const auto& args : usage) {
        const CliResult r = Eval(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("vexamo-cli: eval: "), std::string::npos) << r.err;
    }
    // After "--" an option's name is a value.
    EXPECT_EQ(Eval({"--zone", "UTC", "--", "--dst", "1", "2000", "12", "0"}).status, 2);
}

TEST(CliZoneBirth, AddStoresTheResolvedValue) {
    const fs::path dir =
        fs::temp_directory_path() / ("vexamo-cli-zone-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string file = (dir / "p.dat").string();

    CliResult r = RunCliCaptured(
        {"add", file, "Eva", "--place", "München", "1", "7", "2000", "12", "0", "--southern"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    r = RunCliCaptured(
        {"add", file, "Kim", "--zone", "America/New_York", "--dst", "5", "11", "2023", "1", "30"});
    EXPECT_EQ(r.status, 0) << r.err;

    CVexamoDoc doc;
    DocFault fault;
    ASSERT_TRUE(doc.OpenDocument(file, fault));
    VXDateStore rec;
    ASSERT_TRUE(doc.m_mapDateStore.Lookup("Eva", rec));
    EXPECT_EQ(rec, VXDateStore(2000, 7, 1, 12, 0, 1, 0, -2));
    ASSERT_TRUE(doc.m_mapDateStore.Lookup("Kim", rec));
    EXPECT_EQ(rec, VXDateStore(2023, 11, 5, 1, 30, 0, 0, 4));

    // A time that occurred twice, undecided: nothing is stored.
    r = RunCliCaptured(
        {"add", file, "Max", "--zone", "America/New_York", "5", "11", "2023", "1", "30"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("deux fois"), std::string::npos) << r.err;
    CVexamoDoc again;
    ASSERT_TRUE(again.OpenDocument(file, fault));
    EXPECT_FALSE(again.m_mapDateStore.Lookup("Max", rec));
    fs::remove_all(dir);
}
