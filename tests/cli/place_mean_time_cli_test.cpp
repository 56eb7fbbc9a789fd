// A birthplace before its zone's first standard time, wherever vexamo-cli takes a place: "zone",
// "eval" and "add" with --place, and the place column of "batch" and "import".
#include <unistd.h>

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"
#include "tests/language_scope.h"

namespace fs = std::filesystem;

namespace {

CliResult RunZone(std::vector<std::string> args) {
    args.insert(args.begin(), "zone");
    return RunCliCaptured(args);
}

const std::vector<std::string> kChengdu1880 = {"1", "1", "1880", "12", "0"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

} // namespace

TEST(CliPlaceMeanTime, ChengduIsSevenHoursAheadWithItsOwnMeanTime) {
    const LanguageScope french("fr");
    const CliResult rounded = RunZone(With({"--place", "Chengdu", "--round"}, kChengdu1880));
    EXPECT_EQ(rounded.status, 0) << rounded.err;
    // The region and country as the place list names them in the language it was read in.
    EXPECT_EQ(rounded.out.rfind("Lieu : Chengdu, ", 0), 0u) << rounded.out;
    EXPECT_TRUE(
        rounded.out.ends_with("\nFuseau : Asia/Shanghai\n"
                              "Décalage : UTC+06:56:16 (LMT), temps moyen local de Chengdu\n"
                              "Fuseau horaire : -7\n"))
        << rounded.out;
    EXPECT_EQ(rounded.err, "vexamo-cli: Arrondi à l'heure la plus proche : moment décalé de 3 min "
                           "44 s plus tôt.\n");

    // Without --round: the same question as for any offset of no whole hours.
    const CliResult refused = RunZone(With({"--place", "Chengdu"}, kChengdu1880));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("vexamo-cli: UTC+06:56:16 (LMT), temps moyen local de Chengdu : ce "
                               "décalage n'est pas un nombre entier d'heures"),
              std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("--round accepte l'heure la plus proche."), std::string::npos);

    const CliResult json = RunZone(With({"--place", "Chengdu", "--round", "--json"}, kChengdu1880));
    const nlohmann::json j = nlohmann::json::parse(json.out);
    EXPECT_DOUBLE_EQ(j["utc_offset_minutes"].get<double>() * 60, 24976.0);
    EXPECT_EQ(j["abbreviation"], "LMT");
    EXPECT_EQ(j["time_difference"], -7);
}

TEST(CliPlaceMeanTime, MunichIsNotBerlin) {
    // German, the language this program reads the place names in.
    const LanguageScope german("de");
    const CliResult r = RunZone({"--place", "München", "--round", "1", "6", "1880", "12", "0"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Verschiebung: UTC+00:46:18 (LMT), mittlere Ortszeit von München\n"
                         "Zeitverschiebung: -1\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.err.find("Zeitpunkt um 13 min 42 s früher verschoben"), std::string::npos) << r.err;
}

TEST(CliPlaceMeanTime, AZoneByNameKeepsItsCitysMeanTime) {
    const CliResult r = RunZone(With({"--zone", "Asia/Shanghai", "--round"}, kChengdu1880));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Time zone: Asia/Shanghai\n"
                     "Offset: UTC+08:05:43 (LMT), local mean time\n"
                     "Time difference: -8\n");
}

TEST(CliPlaceMeanTime, StandardTimeIsUnchanged) {
    const CliResult r = RunZone({"--place", "Chengdu", "1", "1", "1950", "12", "0"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Offset: UTC+08:00 (CST), standard time\nTime difference: -8\n"),
              std::string::npos)
        << r.out;
}

TEST(CliPlaceMeanTime, EvalAndAddTakeThePlacesValue) {
    const CliResult byTz =
        RunCliCaptured(With({"eval", "--before-1900", "--tz", "-7"}, kChengdu1880));
    const CliResult byPlace = RunCliCaptured(
        With({"eval", "--before-1900", "--place", "Chengdu", "--round"}, kChengdu1880));
    EXPECT_EQ(byPlace.status, 0) << byPlace.err;
    EXPECT_EQ(byPlace.out, byTz.out + "Place: Chengdu, Sichuan, China\n"
                                      "Time zone: Asia/Shanghai\n"
                                      "Offset: UTC+06:56:16 (LMT), local mean time of Chengdu\n"
                                      "Time difference: -7\n");

    const fs::path dir =
        fs::temp_directory_path() / ("vexamo-cli-mean-time-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string file = (dir / "p.dat").string();
    const CliResult added =
        RunCliCaptured(With({"add", file, "Li", "--place", "Chengdu", "--round"}, kChengdu1880));
    EXPECT_EQ(added.status, 0) << added.err;
    CVexamoDoc doc;
    DocFault fault;
    ASSERT_TRUE(doc.OpenDocument(file, fault));
    VXDateStore rec;
    ASSERT_TRUE(doc.m_mapDateStore.Lookup("Li", rec));
    EXPECT_EQ(rec, VXDateStore(1880, 1, 1, 12, 0, 0, 0, -7));
    fs::remove_all(dir);
}

TEST(CliPlaceMeanTime, BatchRowsWithAPlaceTakeItsMeanTime) {
    const LanguageScope french("fr");
    const std::string csv = "name,day,month,year,hour,minute,place,zone,round\n"
                            "a,1,1,1880,12,0,Chengdu,,1\n"
                            "b,1,1,1880,12,0,,Asia/Shanghai,1\n"
                            "c,1,1,1880,12,0,Chengdu,,\n";
    const CliResult r = RunCliWith({"batch", "--before-1900", "--format", "jsonl"}, csv);
    EXPECT_EQ(r.status, 1);
    std::vector<nlohmann::json> rows;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(rows.size(), 3u);
    const auto julian = [](const char* tz) {
        const CliResult e =
            RunCliCaptured(With({"eval", "--json", "--before-1900", "--tz", tz}, kChengdu1880));
        return nlohmann::json::parse(e.out)["julian_date_text"];
    };
    EXPECT_EQ(rows[0]["julian_date_text"], julian("-7"));
    EXPECT_EQ(rows[1]["julian_date_text"], julian("-8"));
    EXPECT_NE(rows[2]["error"].get<std::string>().find("temps moyen local de Chengdu"),
              std::string::npos)
        << rows[2];
}

TEST(CliPlaceMeanTime, ImportedRowsWithAPlaceStoreItsValue) {
    const fs::path dir =
        fs::temp_directory_path() / ("vexamo-cli-mean-import-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string file = (dir / "p.dat").string();
    const CliResult r =
        RunCliWith({"import", file, "-"}, "name,day,month,year,hour,minute,place,zone,round\n"
                                          "Li,1,1,1880,12,0,Chengdu,,1\n"
                                          "Wu,1,1,1880,12,0,,Asia/Shanghai,1\n");
    EXPECT_EQ(r.status, 0) << r.err;
    CVexamoDoc doc;
    DocFault fault;
    ASSERT_TRUE(doc.OpenDocument(file, fault));
    VXDateStore rec;
    ASSERT_TRUE(doc.m_mapDateStore.Lookup("Li", rec));
    EXPECT_EQ(rec, VXDateStore(1880, 1, 1, 12, 0, 0, 0, -7));
    ASSERT_TRUE(doc.m_mapDateStore.Lookup("Wu", rec));
    EXPECT_EQ(rec, VXDateStore(1880, 1, 1, 12, 0, 0, 0, -8));
    fs::remove_all(dir);
}
