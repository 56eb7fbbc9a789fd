// vexamo-cli import (all rows or none, under the file's lock) and the machine-readable outputs
// of export, list and show, round-tripping through import.
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/file_messages.h"
#include "app/record_commands.h"
#include "records/file_lock.h"
#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"
#include "tests/records/temp_dir.h"

using json = nlohmann::json;

namespace {

const char* const kHeader = "name,day,month,year,hour,minute,tz,southern,const_zone\n";

} // namespace

class CliImport : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        file_ = Path("p.dat");
    }

    CliResult Import(const std::string& csv, std::vector<std::string> options = {}) const {
        std::vector<std::string> args = {"import", file_, "-"};
        args.insert(args.end(), options.begin(), options.end());
        return RunCliWith(args, csv);
    }

    DateStoreMap Load(const std::string& path) const {
        CVexamoDoc doc;
        std::string error;
        EXPECT_TRUE(OpenRecordDocument(doc, path, error)) << error;
        return std::move(doc.m_mapDateStore);
    }

    std::string file_;
};

TEST_F(CliImport, AddsEveryRowAsStoredWithoutRangeChecks) {
    const CliResult r =
        Import(std::string(kHeader) + "Muster,20,3,2000,8,0,-1,0,0\n"
                                      "\"M\u00FCller, Eva\",-5,13,1850,25,-1,99,1,1\n"
                                      "Kurz,1,2,2000,3,4,,,\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const DateStoreMap store = Load(file_);
    EXPECT_EQ(store.GetCount(), 3);
    VXDateStore rec;
    ASSERT_TRUE(store.Lookup("M\xFCller, Eva", rec));
    EXPECT_EQ(rec, VXDateStore(1850, 13, -5, 25, -1, 1, 1, 99));
    ASSERT_TRUE(store.Lookup("Kurz", rec));
    EXPECT_EQ(rec, VXDateStore(2000, 2, 1, 3, 4, 0, 0, 1)); // the form's defaults
}

TEST_F(CliImport, OneRefusedRowLeavesTheFileAsItWas) {
    ASSERT_EQ(Import(std::string(kHeader) + "Eva,1,1,2000,0,0,1,0,0\n").status, 0);
    const std::string before = ReadAll(file_);
    struct Case {
        std::string rows;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"Adam,1,1,2000,0,0,1,0,0\nBert,1,x,2000,0,0,1,0,0\n",
         "import: line 3: Le champ \u00AB month \u00BB doit contenir un nombre entier."},
        {"Adam,1,1,2000,0,0,1,0,0\nEva,2,2,2000,0,0,1,0,0\n",
         "import: line 3: Der Datensatz 'Eva' existiert bereits"},
        {"Adam,1,1,2000,0,0,1,0,0\nAdam,2,2,2000,0,0,1,0,0\n",
         "import: line 3: Der Datensatz 'Adam' existiert bereits"},
        {"Adam,1,1,2000,0,0,1,0,0\n\"Tab\tName\",2,2,2000,0,0,1,0,0\n",
         "import: line 3: Der Name \u201ETab\tName\u201C enth\u00E4lt ein Steuerzeichen"},
        {"Adam,1,1,2000,0,0,1,0,0\n,2,2,2000,0,0,1,0,0\n",
         "import: line 3: Bitte einen Namen eingeben!"},
        {"Adam,1,1,2000,0,0,1,0,0\nBert,1,1,2000,0,0,1,0\n", "import: -: line 3: 8 fields"},
    };
    for (const Case& c : cases) {
        const CliResult r = Import(std::string(kHeader) + c.rows);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.err.find("vexamo-cli: " + c.message), std::string::npos) << r.err;
        EXPECT_EQ(ReadAll(file_), before) << c.rows;
    }
    const CliResult noName = Import("day,month,year,hour,minute\n1,1,2000,0,0\n");
    EXPECT_EQ(noName.status, 2);
    EXPECT_NE(noName.err.find("line 1: the column 'name' is missing"), std::string::npos);
    EXPECT_EQ(ReadAll(file_), before);
}

TEST_F(CliImport, ReplaceReplacesAsAjouterDoes) {
    ASSERT_EQ(
        Import(std::string(kHeader) + "Eva,1,1,2000,0,0,1,0,0\nAdam,1,1,2000,0,0,1,0,0\n").status,
        0);
    const CliResult r = Import(std::string(kHeader) + "Eva,2,2,2002,2,2,2,1,1\n", {"--replace"});
    ASSERT_EQ(r.status, 0) << r.err;
    DateStoreMap expected;
    AddRecord(expected, "Eva", BirthInput{1, 1, 2000, 0, 0, 1, false, false},
              AddMode::RefuseExisting);
    AddRecord(expected, "Adam", BirthInput{1, 1, 2000, 0, 0, 1, false, false},
              AddMode::RefuseExisting);
    AddRecord(expected, "Eva", BirthInput{2, 2, 2002, 2, 2, 2, true, true},
              AddMode::ReplaceExisting);
    const DateStoreMap store = Load(file_);
    EXPECT_EQ(RecordNames(store), RecordNames(expected)); // the replaced entry moved as well
    VXDateStore rec;
    ASSERT_TRUE(store.Lookup("Eva", rec));
    EXPECT_EQ(rec, VXDateStore(2002, 2, 2, 2, 2, 1, 1, 2));
}

TEST_F(CliImport, WaitsForTheLockAndGivesUp) {
    FileLock other;
    ASSERT_EQ(other.Acquire(file_), LockStatus::kLocked);
    const CliResult r = Import(std::string(kHeader) + "Eva,1,1,2000,0,0,1,0,0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("wird gerade von einem anderen Programm"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(CliImport, ExportRoundTripsThroughImport) {
    const std::string csv = std::string(kHeader) + "Muster,20,3,2000,8,0,-1,0,0\n"
                                                   "\"Doe, \"\"J\"\"\",6,1,2000,12,0,0,1,1\n"
                                                   "=SUM(A1),1,13,1850,25,70,99,0,1\n"
                                                   "Far,1,1,2000000000,0,5,0,0,0\n"
                                                   "\u20AC uro,29,2,2024,23,59,12,1,0\n";
    ASSERT_EQ(Import(csv).status, 0);
    const CliResult exported = RunCliCaptured({"export", "--format", "csv", file_});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string copy = Path("copy.dat");
    ASSERT_EQ(RunCliWith({"import", copy, "-"}, exported.out).status, 0);
    const DateStoreMap original = Load(file_);
    const DateStoreMap again = Load(copy);
    ASSERT_EQ(RecordNames(again).size(), 5u);
    for (const std::string& name : RecordNames(original)) {
        VXDateStore a;
        VXDateStore b;
        ASSERT_EQ(LookupRecord(original, name, a), RecordRefusal::None);
        ASSERT_EQ(LookupRecord(again, name, b), RecordRefusal::None) << name;
        EXPECT_EQ(a, b) << name;
    }
    // Names are exact in CSV and JSON (the formula guard is for the tab table only).
    EXPECT_NE(exported.out.find("\n=SUM(A1),1,13,1850"), std::string::npos);
    EXPECT_NE(RunCliCaptured({"export", file_}).out.find("\n'=SUM(A1)\t"), std::string::npos);

    // jsonl: the same records in the same order, with the evaluated fields where they exist.
    const CliResult lines = RunCliCaptured({"export", "--format=jsonl", file_});
    ASSERT_EQ(lines.status, 0);
    std::istringstream in(lines.out);
    std::string line;
    std::vector<std::string> order;
    while (std::getline(in, line)) {
        const json row = json::parse(line);
        order.push_back(row["name"]);
        VXDateStore r;
        ASSERT_EQ(LookupRecord(original, row["name"].get<std::string>(), r), RecordRefusal::None);
        EXPECT_EQ(row["month"], r.m_nMonth);
        EXPECT_EQ(row["tz"], r.m_nTimeZone);
        EXPECT_EQ(row.contains("julian_date"), row["name"] != "Far");
    }
    EXPECT_EQ(order, RecordNames(original));
    EXPECT_EQ(RunCliCaptured({"export", "--format", "xml", file_}).status, 2);
}

TEST_F(CliImport, ListAndShowAsJson) {
    ASSERT_EQ(Import(std::string(kHeader) + "Muster,20,3,2000,8,0,-1,1,0\nEva,1,1,2000,0,0,1,0,0\n")
                  .status,
              0);
    const CliResult list = RunCliCaptured({"list", "--json", file_});
    ASSERT_EQ(list.status, 0);
    EXPECT_EQ(json::parse(list.out).get<std::vector<std::string>>(), RecordNames(Load(file_)));
    const CliResult show = RunCliCaptured({"show", file_, "Muster", "--json"});
    ASSERT_EQ(show.status, 0);
    EXPECT_EQ(show.out, "{\"format\":1,\"name\":\"Muster\",\"day\":20,\"month\":3,\"year\":2000,"
                        "\"hour\":8,\"minute\":0,\"tz\":-1,\"southern\":1,\"const_zone\":0}\n");
}

TEST_F(CliImport, ZoneColumnIsResolvedBeforeStoring) {
    const CliResult r = Import("name,day,month,year,hour,minute,zone\n"
                               "Sommer,20,7,2000,8,0,Europe/Berlin\n"
                               "Winter,20,1,2000,8,0,Europe/Berlin\n");
    ASSERT_EQ(r.status, 0) << r.err;
    VXDateStore rec;
    const DateStoreMap store = Load(file_);
    ASSERT_TRUE(store.Lookup("Sommer", rec));
    EXPECT_EQ(rec.m_nTimeZone, -2);
    ASSERT_TRUE(store.Lookup("Winter", rec));
    EXPECT_EQ(rec.m_nTimeZone, -1);
    const CliResult unknown = Import("name,day,month,year,hour,minute,zone\n"
                                     "X,20,7,2000,8,0,Nowhere/Atall\n");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("import: line 2: "), std::string::npos) << unknown.err;
    EXPECT_EQ(Load(file_).GetCount(), 2);
}
