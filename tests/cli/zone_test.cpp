// "vexamo-cli zone": the offset in force and the time difference, each special case with its
// status, its exit code and its reason.
#include <gtest/gtest.h>

#include "app/text_catalogue.h"
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"
#include "tests/language_scope.h"

using nlohmann::ordered_json;

namespace {

CliResult Zone(std::vector<std::string> args) {
    args.insert(args.begin(), "zone");
    return RunCliCaptured(args);
}

// The JSON object of a run, after checking that it has exactly the documented keys.
ordered_json ZoneJson(const CliResult& r) {
    const ordered_json j = ordered_json::parse(r.out);
    std::vector<std::string> keys;
    for (const auto& item : j.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"place", "zone", "utc_offset_minutes", "abbreviation",
                                              "dst", "time_difference", "status", "candidates"}));
    return j;
}

} // namespace

TEST(CliZone, PlaceGivesItsZoneAndTheFormsValue) {
    const CliResult r = Zone({"--place", "München", "1", "7", "2023", "12", "0"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Place: München, Bayern, Deutschland\n"
                     "Time zone: Europe/Berlin\n"
                     "Offset: UTC+02:00 (CEST), summer time\n"
                     "Time difference: -2\n");
    EXPECT_EQ(r.err, "");

    const CliResult winter = Zone({"--json", "--place=munchen", "15", "1", "2023", "8", "0"});
    EXPECT_EQ(winter.status, 0);
    const ordered_json j = ZoneJson(winter);
    EXPECT_EQ(j["place"], "München, Bayern, Deutschland");
    EXPECT_EQ(j["zone"], "Europe/Berlin");
    EXPECT_EQ(j["utc_offset_minutes"], 60);
    EXPECT_EQ(j["abbreviation"], "CET");
    EXPECT_EQ(j["dst"], false);
    EXPECT_EQ(j["time_difference"], -1);
    EXPECT_EQ(j["status"], "ok");
    EXPECT_EQ(j["candidates"], ordered_json::array());
}

TEST(CliZone, SeveralPlacesTakeTheMostPopulousAndSaySo) {
    const CliResult r = Zone({"--place", "Paris", "--json", "1", "7", "2023", "12", "0"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(ZoneJson(r)["zone"], "Europe/Paris");
    EXPECT_EQ(r.err, "vexamo-cli: « Paris » désigne plusieurs lieux ; le plus peuplé est pris : "
                     "Paris, Île-de-France, Frankreich — Europe/Paris.\n");
}

TEST(CliZone, AmbiguousTimeStopsUnlessChosen) {
    const std::vector<std::string> twice = {"--zone", "Europe/Berlin", "--json", "29",
                                            "10",     "2023",          "2",      "30"};
    const CliResult open = Zone(twice);
    EXPECT_EQ(open.status, 1);
    ordered_json j = ZoneJson(open);
    EXPECT_EQ(j["place"], nullptr);
    EXPECT_EQ(j["status"], "ambiguous");
    EXPECT_EQ(j["time_difference"], nullptr);
    EXPECT_EQ(j["utc_offset_minutes"], nullptr);
    EXPECT_EQ(j["abbreviation"], nullptr);
    EXPECT_EQ(j["dst"], nullptr);
    EXPECT_EQ(j["candidates"], ordered_json::parse("[120, 60]"));
    EXPECT_NE(open.err.find("deux fois"), std::string::npos) << open.err;
    EXPECT_NE(open.err.find("--dst choisit l'heure d'été, --no-dst l'heure d'hiver."),
              std::string::npos);

    std::vector<std::string> args = twice;
    args.push_back("--dst");
    const CliResult summer = Zone(args);
    EXPECT_EQ(summer.status, 0);
    j = ZoneJson(summer);
    EXPECT_EQ(j["time_difference"], -2);
    EXPECT_EQ(j["abbreviation"], "CEST");
    EXPECT_EQ(j["dst"], true);
    EXPECT_EQ(j["status"], "ok");
    EXPECT_EQ(j["candidates"], ordered_json::parse("[120, 60]"));
    EXPECT_EQ(summer.err, "");

    args.back() = "--no-dst";
    const CliResult winter = Zone(args);
    EXPECT_EQ(winter.status, 0);
    EXPECT_EQ(ZoneJson(winter)["time_difference"], -1);
}

TEST(CliZone, NonexistentTimeStopsWhateverTheChoices) {
    const LanguageScope french("fr");
    const CliResult r = Zone(
        {"--zone", "Europe/Berlin", "--dst", "--round", "--json", "26", "3", "2023", "2", "30"});
    EXPECT_EQ(r.status, 1);
    const ordered_json j = ZoneJson(r);
    EXPECT_EQ(j["status"], "nonexistent");
    EXPECT_EQ(j["time_difference"], nullptr);
    EXPECT_EQ(j["utc_offset_minutes"], nullptr);
    EXPECT_EQ(j["candidates"], ordered_json::array());
    EXPECT_EQ(r.err, "vexamo-cli: Cette heure n'a pas existé : ce jour-là, les horloges sont "
                     "passées de UTC+01:00 (CET), heure normale à UTC+02:00 (CEST), heure d'été "
                     "et ont sauté l'heure entrée. Vérifiez l'heure de naissance.\n");

    // As text: the zone, no offset and no value.
    const CliResult text = Zone({"--zone", "Europe/Berlin", "26", "3", "2023", "2", "30"});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.out, "Fuseau : Europe/Berlin\n");
}

TEST(CliZone, NotWholeHoursOnlyWithRound) {
    const std::vector<std::string> kolkata = {"--zone", "Asia/Kolkata", "--json", "1",
                                              "5",      "2023",         "12",     "0"};
    const CliResult refused = Zone(kolkata);
    EXPECT_EQ(refused.status, 1);
    ordered_json j = ZoneJson(refused);
    EXPECT_EQ(j["status"], "not-whole-hours");
    EXPECT_EQ(j["utc_offset_minutes"], 330);
    EXPECT_EQ(j["time_difference"], nullptr);
    EXPECT_NE(refused.err.find("--round accepte l'heure la plus proche."), std::string::npos);

    std::vector<std::string> args = kolkata;
    args.push_back("--round");
    const CliResult rounded = Zone(args);
    EXPECT_EQ(rounded.status, 0);
    j = ZoneJson(rounded);
    EXPECT_EQ(j["status"], "not-whole-hours");
    EXPECT_EQ(j["time_difference"], -6);
    EXPECT_EQ(rounded.err, "vexamo-cli: Arrondi à l'heure la plus proche : moment décalé de 30 "
                           "min plus tôt.\n");

    // Local mean time of Berlin, +0:53:28: minutes with their fraction, read back to the second.
    const CliResult lmt =
        Zone({"--zone", "Europe/Berlin", "--round", "--json", "1", "6", "1880", "12", "0"});
    EXPECT_EQ(lmt.status, 0);
    j = ZoneJson(lmt);
    EXPECT_EQ(j["abbreviation"], "LMT");
    EXPECT_DOUBLE_EQ(j["utc_offset_minutes"].get<double>() * 60, 3208.0);
    EXPECT_EQ(j["time_difference"], -1);
}

TEST(CliZone, BeyondTwelveHoursIsRefused) {
    const CliResult r =
        Zone({"--zone", "Pacific/Kiritimati", "--round", "--json", "1", "5", "2023", "12", "0"});
    EXPECT_EQ(r.status, 1);
    const ordered_json j = ZoneJson(r);
    EXPECT_EQ(j["status"], "out-of-range");
    EXPECT_EQ(j["utc_offset_minutes"], 840);
    EXPECT_EQ(j["time_difference"], nullptr);
    EXPECT_NE(r.err.find("il faudrait un fuseau horaire de -14"), std::string::npos) << r.err;
}

TEST(CliZone, UnknownPlaceOrZoneExitsOneWithNothingOnStdout) {
    const std::vector<std::vector<std::string>> cases = {
        {"--zone", "Europe/Atlantis", "--json", "1", "5", "2023", "12", "0"},
        {"--place", "Xqzzyville", "1", "5", "2023", "12", "0"},
        {"--zone", "Europe/Berlin", "1", "5", "20000", "12", "0"},
    };
    const std::vector<std::string> reasons = {
        "vexamo-cli: " + UserText(TextId::ZoneUnknownZone, {"Europe/Atlantis"}) + "\n",
        "vexamo-cli: " + UserText(TextId::ZoneUnknownPlace, {"Xqzzyville"}) + "\n",
        "vexamo-cli: " + UserText(TextId::ZoneDateNotCovered, {"Europe/Berlin"}) + "\n",
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const CliResult r = Zone(cases[i]);
        EXPECT_EQ(r.status, 1) << i;
        EXPECT_EQ(r.out, "") << i;
        EXPECT_EQ(r.err, reasons[i]);
    }
}

TEST(CliZone, UsageErrorsExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"1", "5", "2023", "12", "0"},
        {"--zone", "UTC", "--place", "Paris", "1", "5", "2023", "12", "0"},
        {"--zone", "UTC", "--dst", "--no-dst", "1", "5", "2023", "12", "0"},
        {"--zone", "UTC", "--tz", "1", "1", "5", "2023", "12", "0"},
        {"--zone", "UTC", "--southern", "1", "5", "2023", "12", "0"},
        {"--zone", "UTC", "1", "5", "2023", "12"},
        {"--zone", "UTC", "1", "5", "2023", "12", "x"},
        {"1", "5", "2023", "12", "0", "--zone"},
    };
    for (const auto& args : cases) {
        const CliResult r = Zone(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("vexamo-cli: zone: "), std::string::npos) << r.err;
    }
    const CliResult help = Zone({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("vexamo-cli zone (--place NAME | --zone ZONE)"), std::string::npos);
}
