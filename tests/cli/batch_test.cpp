// vexamo-cli batch: each output row is what eval gives for the same birth; refused rows, CSV
// quoting, malformed input and standard input.
#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/csv_reader.h"
#include "tests/cli/cli_runner.h"
#include "tests/records/temp_dir.h"

using json = nlohmann::json;

namespace {

std::vector<CsvRecord> ParseCsv(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<CsvRecord> records;
    CsvRecord r;
    while (reader.Next(r)) {
        records.push_back(r);
    }
    EXPECT_FALSE(reader.Failed()) << reader.Error();
    return records;
}

std::vector<json> ParseJsonl(const std::string& text) {
    std::vector<json> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        rows.push_back(json::parse(line));
    }
    return rows;
}

struct Birth {
    int day, month, year, hour, minute, tz, southern, constZone;
};

std::vector<std::string> EvalArgs(const Birth& b) {
    std::vector<std::string> args = {"eval", "--json", "--before-1900", "--tz",
                                     std::to_string(b.tz)};
    if (b.southern != 0) {
        args.push_back("--southern");
    }
    if (b.constZone != 0) {
        args.push_back("--const-zone");
    }
    for (const int v : {b.day, b.month, b.year, b.hour, b.minute}) {
        args.push_back(std::to_string(v));
    }
    return args;
}

} // namespace

TEST(CliBatch, EveryRowEqualsEvalJsonFieldForField) {
    std::mt19937 rng(20001);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<Birth> births;
    std::string csv = "southern,minute,hour,day,month,year,tz,const_zone\n"; // any column order
    for (int i = 0; i < 300; ++i) {
        // Mostly the form's ranges, sometimes beyond them (refused like eval refuses them).
        const Birth b{pick(0, 32), pick(1, 12),   pick(1800, 2200), pick(0, 24),
                      pick(0, 59), pick(-13, 13), pick(0, 1),       pick(0, 1)};
        births.push_back(b);
        csv += std::to_string(b.southern) + "," + std::to_string(b.minute) + "," +
               std::to_string(b.hour) + "," + std::to_string(b.day) + "," +
               std::to_string(b.month) + "," + std::to_string(b.year) + "," + std::to_string(b.tz) +
               "," + std::to_string(b.constZone) + "\n";
    }
    const CliResult jsonl = RunCliWith({"batch", "--before-1900", "--format", "jsonl"}, csv);
    const CliResult table = RunCliWith({"batch", "--before-1900", "-"}, csv);
    EXPECT_EQ(jsonl.err, "");
    const std::vector<json> rows = ParseJsonl(jsonl.out);
    const std::vector<CsvRecord> records = ParseCsv(table.out);
    ASSERT_EQ(rows.size(), births.size());
    ASSERT_EQ(records.size(), births.size() + 1);
    const std::vector<std::string>& header = records[0].fields;
    int refused = 0;
    for (size_t i = 0; i < births.size(); ++i) {
        const CliResult eval = RunCliCaptured(EvalArgs(births[i]));
        const json& row = rows[i];
        const CsvRecord& record = records[i + 1];
        ASSERT_EQ(record.fields.size(), header.size());
        auto csvField = [&](const std::string& key) {
            const auto at = std::find(header.begin(), header.end(), key);
            return record.fields[static_cast<size_t>(at - header.begin())];
        };
        EXPECT_EQ(row["day"], std::to_string(births[i].day)); // input passed through
        if (eval.status != 0) {
            ++refused;
            EXPECT_EQ(row["status"], "error");
            // eval words the same refusal as a message of the program.
            EXPECT_EQ("vexamo-cli: " + row["error"].get<std::string>() + "\n", eval.err) << i;
            EXPECT_EQ(csvField("status"), "error");
            EXPECT_EQ("vexamo-cli: " + csvField("error") + "\n", eval.err);
            EXPECT_EQ(csvField("julian_date"), "");
            continue;
        }
        EXPECT_EQ(row["status"], "ok");
        EXPECT_EQ(csvField("status"), "ok");
        const json expected = json::parse(eval.out);
        for (const auto& [key, value] : expected.items()) {
            ASSERT_TRUE(row.contains(key)) << key;
            EXPECT_EQ(row[key], value) << i << " " << key; // doubles compare exactly
            // The same values in the CSV table: numbers read back exactly, lists joined by blanks.
            const std::string field = csvField(key == "format" ? "status" : key);
            if (value.is_number_float()) {
                EXPECT_EQ(std::stod(field), value.get<double>()) << key;
            } else if (value.is_string()) {
                EXPECT_EQ(field, value.get<std::string>()) << key;
            } else if (value.is_array()) {
                std::istringstream parts(field);
                for (const json& item : value) {
                    std::string part;
                    parts >> part;
                    EXPECT_EQ(item.is_string() ? json(part) : json(std::stod(part)), item) << key;
                }
            } else if (key != "format") {
                EXPECT_EQ(field, value.dump()) << key;
            }
        }
    }
    EXPECT_GT(refused, 10);
    EXPECT_LT(refused, 150);
    EXPECT_EQ(jsonl.status, 1);
    EXPECT_EQ(table.status, 1);
}

TEST(CliBatch, AllRowsAcceptedExitsZeroAndKeepsInputOrder) {
    const std::string csv = "name,day,month,year,hour,minute,tz\n"
                            "Muster,20,3,2000,8,0,-1\n"
                            "Zweite,6,1,2000,12,0,0\n";
    const CliResult r = RunCliWith({"batch"}, csv);
    EXPECT_EQ(r.status, 0) << r.err;
    const std::vector<CsvRecord> records = ParseCsv(r.out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].fields[0], "Muster");
    EXPECT_EQ(records[2].fields[0], "Zweite");
    const std::string first = r.out.substr(r.out.find("\r\n") + 2);
    EXPECT_NE(first.find(",2000-03-06T05:19:13Z 2000-03-13T06:59:35Z 2000-03-20T04:45:10Z "
                         "2000-03-28T00:23:55Z 2000-04-04T18:14:33Z,6.3.2000 5:19Uhr,"),
              std::string::npos)
        << first;
    // The default time difference is the form's 1 when the column is absent or empty.
    for (const char* input : {"day,month,year,hour,minute\n20,3,2000,9,0\n",
                              "tz,day,month,year,hour,minute\n,20,3,2000,9,0\n"}) {
        const CliResult defaulted = RunCliWith({"batch", "--format", "jsonl"}, input);
        EXPECT_EQ(defaulted.status, 0) << defaulted.err;
        EXPECT_EQ(ParseJsonl(defaulted.out).at(0)["julian_date_text"], "2451623.916667");
    }
}

TEST(CliBatch, RefusedRowsCarryTheFormsMessage) {
    const std::string csv = "name,day,month,year,hour,minute,southern\n"
                            "a,20,13,2000,8,0,0\n"
                            "b,20,3,1850,8,0,0\n"
                            "c,20,3,2000,8,0,2\n"
                            "d,20,3,2000,acht,0,0\n"
                            "e,20,3,2000,8,0,1\n";
    const CliResult r = RunCliWith({"batch", "--format", "jsonl"}, csv);
    EXPECT_EQ(r.status, 1);
    const std::vector<json> rows = ParseJsonl(r.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0]["error"], "Veuillez entrer un mois entre 1 et 12.");
    EXPECT_EQ(rows[1]["error"], "Calcul pour une date d'un si\u00E8cle pr\u00E9c\u00E9dent ?");
    EXPECT_EQ(rows[2]["error"], "Le champ \u00AB southern \u00BB doit contenir 0 ou 1.");
    EXPECT_EQ(rows[3]["error"], "Le champ \u00AB hour \u00BB doit contenir un nombre entier.");
    EXPECT_EQ(rows[4]["status"], "ok");
    EXPECT_FALSE(rows[0].contains("julian_date"));
    // --before-1900 answers the question for every row.
    const CliResult yes = RunCliWith({"batch", "--before-1900", "--format=jsonl"}, csv);
    EXPECT_EQ(ParseJsonl(yes.out).at(1)["status"], "ok");
}

TEST(CliBatch, QuotedNamesSurviveCommasQuotesAndLineBreaks) {
    const std::vector<std::string> names = {"Doe, John", "Say \"hi\"", "two\nlines",
                                            "cr\r\nlf",  " padded ",   ""};
    std::string csv = "name,day,month,year,hour,minute\r\n";
    for (const std::string& name : names) {
        std::string quoted = "\"";
        for (const char c : name) {
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        csv += quoted + "\",20,3,2000,8,0\r\n";
    }
    const CliResult table = RunCliWith({"batch"}, csv);
    ASSERT_EQ(table.status, 0) << table.err;
    const std::vector<CsvRecord> records = ParseCsv(table.out);
    ASSERT_EQ(records.size(), names.size() + 1);
    const CliResult lines = RunCliWith({"batch", "--format", "jsonl"}, csv);
    const std::vector<json> rows = ParseJsonl(lines.out);
    ASSERT_EQ(rows.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(records[i + 1].fields[0], names[i]);
        EXPECT_EQ(rows[i]["name"], names[i]);
    }
}

TEST(CliBatch, MalformedInputIsAUsageErrorWithItsLine) {
    struct Case {
        std::string csv;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"day,month,year,hour\n1,2,2000,3\n", "-: line 1: the column 'minute' is missing"},
        {"day,month,year,hour,minute,day\n", "-: line 1: the column 'day' appears twice"},
        {"", "-: line 1: no header row"},
        {"day,month,year,hour,minute\n1,2,2000,3,4\n1,2,2000,3\n", "-: line 3: 4 fields"},
        {"day,month,year,hour,minute\n1,2,2000,3,4\n1,2,2\"0\"00,3,4\n",
         "-: line 3: malformed CSV"},
        {"name,day,month,year,hour,minute\n\"a\nb\",1,2,2000,3,4\n\"open,1,2,2000,3,4\n",
         "-: line 4: malformed CSV: a quoted field is not closed"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCliWith({"batch"}, c.csv);
        EXPECT_EQ(r.status, 2) << c.csv;
        EXPECT_NE(r.err.find("vexamo-cli: batch: " + c.message), std::string::npos) << r.err;
    }
}

class CliBatchFiles : public TempDirTest {};

TEST_F(CliBatchFiles, ReadsAFileOrStandardInputAlike) {
    const std::string csv = "day,month,year,hour,minute\n20,3,2000,8,0\n";
    WriteAll(Path("in.csv"), csv);
    const CliResult fromFile = RunCliWith({"batch", Path("in.csv")}, "");
    const CliResult fromStdin = RunCliWith({"batch", "-"}, csv);
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, fromStdin.out);
    const CliResult missing = RunCliWith({"batch", Path("none.csv")}, "");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("kann nicht gelesen werden"), std::string::npos) << missing.err;
    EXPECT_EQ(RunCliWith({"batch", "--format", "xml"}, csv).status, 2);
    EXPECT_EQ(RunCliWith({"batch", "a.csv", "b.csv"}, csv).status, 2);
}

TEST(CliBatch, PlaceOrZoneColumnGivesTheTimeDifferenceAsEvalDoes) {
    const std::string csv = "name,day,month,year,hour,minute,tz,zone,place\n"
                            "a,20,3,2000,8,0,,Europe/Berlin,\n"
                            "b,20,7,2000,8,0,,,Paris\n"
                            "c,20,3,2000,8,0,-1,Europe/Berlin,\n"
                            "d,20,3,2000,8,0,,Mars/Olympus,\n"
                            "e,20,13,2000,8,0,,Europe/Berlin,\n";
    const CliResult r = RunCliWith({"batch", "--format", "jsonl"}, csv);
    EXPECT_EQ(r.status, 1);
    const std::vector<json> rows = ParseJsonl(r.out);
    ASSERT_EQ(rows.size(), 5u);
    const std::vector<std::vector<std::string>> evals = {
        {"eval", "--json", "--zone", "Europe/Berlin", "20", "3", "2000", "8", "0"},
        {"eval", "--json", "--place", "Paris", "20", "7", "2000", "8", "0"}};
    for (size_t i = 0; i < evals.size(); ++i) {
        const CliResult eval = RunCliCaptured(evals[i]);
        ASSERT_EQ(eval.status, 0) << eval.err;
        json expected = json::parse(eval.out);
        expected.erase("time_zone");
        for (const auto& [key, value] : expected.items()) {
            EXPECT_EQ(rows[i][key], value) << i << " " << key;
        }
    }
    EXPECT_EQ(rows[0]["julian_date_text"], "2451623.791667"); // UTC+1: 7:00 UT
    EXPECT_EQ(rows[1]["julian_date_text"], "2451745.750000"); // summer time: 6:00 UT
    EXPECT_EQ(rows[2]["error"],
              "Only one of the fields \u201Ctz\u201D and \u201Czone\u201D may be filled in.");
    EXPECT_EQ(rows[3]["status"], "error");
    EXPECT_NE(rows[3]["error"].get<std::string>().find("Mars/Olympus"), std::string::npos);
    // The form's checks come before the place is looked up.
    EXPECT_EQ(rows[4]["error"], "Veuillez entrer un mois entre 1 et 12.");
}
