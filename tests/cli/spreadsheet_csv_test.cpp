// The spreadsheet dialect of export, batch and import (--spreadsheet): the locale's delimiter and
// decimal separator, the byte-order mark, texts guarded against formulas, and the way back to
// the same record file; plain CSV as it always was.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/csv_text.h"
#include "tests/cli/cli_runner.h"
#include "tests/cli/scoped_env.h"
#include "tests/records/temp_dir.h"

namespace {

// Names a spreadsheet would take for formulas or numbers, names with the delimiters, and names
// in other scripts.
const char* const kHostileNames[] = {
    "=SUM(A1)",
    "+1",
    "-x",
    "@a",
    "'quoted",
    "'",
    "''=x",
    "a;b",
    "x,y",
    "say \"hi\"",
    "=1,5;2",
    "2,5",
    "1.5",
    "\u017Bak \u0141ukasz",
    "\u041C\u043E\u0441\u043A\u0432\u0430",
    "\u6771\u4EAC",
    "\u0623\u062D\u0645\u062F",
};

class CliSpreadsheet : public TempDirTest {
  protected:
    // The dialect follows the locale: each test names its own, the C locale unless it says.
    void SetUp() override {
        TempDirTest::SetUp();
        locale_.emplace("LC_ALL", "C");
    }
    void TearDown() override {
        locale_.reset();
        TempDirTest::TearDown();
    }

    // A record file holding every hostile name, written by a plain import.
    std::string HostileFile() {
        std::string csv = "name,day,month,year,hour,minute,tz\n";
        int day = 1;
        for (const char* name : kHostileNames) {
            AppendCsvField(csv, name);
            csv += "," + std::to_string(day++) + ",3,2000,8,0,-1\n";
        }
        const std::string file = Path("hostile.dat");
        const CliResult imported = RunCliWith({"import", file, "-"}, csv);
        EXPECT_EQ(imported.status, 0) << imported.err;
        return file;
    }

    // The names of a record file, sorted.
    static std::vector<std::string> SortedNames(const std::string& file) {
        std::vector<std::string> names;
        std::istringstream lines(RunCliCaptured({"list", file}).out);
        for (std::string name; std::getline(lines, name);) {
            names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::optional<ScopedEnv> locale_;
};

TEST_F(CliSpreadsheet, ExportAndImportGiveTheSameRecordFileInEveryLocale) {
    const std::string original = HostileFile();
    struct Case {
        const char* locale;
        std::vector<std::string> options;
        std::string header; // the exported text begins so
    };
    const Case cases[] = {
        {"de_DE.UTF-8", {}, "\xEF\xBB\xBFname;day;month;"},
        {"fr_FR.UTF-8", {}, "\xEF\xBB\xBFname;day;month;"},
        {"C", {}, "\xEF\xBB\xBFname,day,month,"},
        {"C", {"--delimiter", ";"}, "\xEF\xBB\xBFname;day;month;"},
        {"de_DE.UTF-8", {"--delimiter", "tab"}, "\xEF\xBB\xBFname\tday\tmonth\t"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const ScopedEnv locale("LC_ALL", c.locale);
        std::vector<std::string> args{"export", original, "--format", "csv", "--spreadsheet"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult exported = RunCliCaptured(args);
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(exported.out.rfind(c.header, 0), 0u) << c.locale << exported.out.substr(0, 40);
        for (const std::string line :
             {"\n'=SUM(A1)", "\n'+1", "\n'-x", "\n'@a", "\n''quoted", "\n''", "\n'''=x"}) {
            EXPECT_NE(exported.out.find(line), std::string::npos) << c.locale << line;
        }
        const std::string copy = Path("copy" + std::to_string(n++) + ".dat");
        const CliResult imported = RunCliWith({"import", copy, "-", "--spreadsheet"}, exported.out);
        ASSERT_EQ(imported.status, 0) << c.locale << imported.err;
        EXPECT_EQ(ReadAll(copy), ReadAll(original)) << c.locale;
    }
}

TEST_F(CliSpreadsheet, NumbersTakeTheLocalesDecimalSeparator) {
    const std::string original = HostileFile();
    struct Case {
        const char* locale;
        std::vector<std::string> options;
        std::string row; // the row of "+1", up to its first result
    };
    const Case cases[] = {
        {"de_DE.UTF-8", {}, "\r\n'+1;2;3;2000;8;0;-1;0;0;2451605,79"},
        {"fr_FR.UTF-8", {}, "\r\n'+1;2;3;2000;8;0;-1;0;0;2451605,79"},
        {"C", {}, "\r\n'+1,2,3,2000,8,0,-1,0,0,2451605.79"},
        {"en_US.UTF-8", {}, "\r\n'+1,2,3,2000,8,0,-1,0,0,2451605.79"},
        {"C", {"--delimiter", ";"}, "\r\n'+1;2;3;2000;8;0;-1;0;0;2451605,79"},
        {"de_DE.UTF-8", {"--delimiter", ","}, "\r\n'+1,2,3,2000,8,0,-1,0,0,2451605.79"},
    };
    for (const Case& c : cases) {
        const ScopedEnv locale("LC_ALL", c.locale);
        std::vector<std::string> args{"export", original, "--spreadsheet"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult exported = RunCliCaptured(args);
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_NE(exported.out.find(c.row), std::string::npos) << c.locale << "\n" << exported.out;
    }
}

TEST_F(CliSpreadsheet, TheLocaleOfNumbersIsFoundAsTheEnvironmentNamesIt) {
    const std::string original = HostileFile();
    struct Case {
        const char* lcAll;
        const char* lcNumeric;
        const char* lang;
        char delimiter;
    };
    const Case cases[] = {
        {"", "", "de_DE.UTF-8", ';'},   {"", "fr_FR.UTF-8", "C", ';'},
        {"", "C", "de_DE.UTF-8", ','},  {"C.UTF-8", "", "de_DE.UTF-8", ','},
        {"fr_CA.UTF-8", "C", "C", ';'}, {"", "", "", ','},
    };
    for (const Case& c : cases) {
        const ScopedEnv all("LC_ALL", c.lcAll);
        const ScopedEnv numeric("LC_NUMERIC", c.lcNumeric);
        const ScopedEnv lang("LANG", c.lang);
        const CliResult exported = RunCliCaptured({"export", original, "--spreadsheet"});
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(exported.out.substr(7, 1), std::string(1, c.delimiter))
            << c.lcAll << "|" << c.lcNumeric << "|" << c.lang;
    }
}

TEST_F(CliSpreadsheet, PlainCsvStaysTheExactDataFormat) {
    const std::string original = HostileFile();
    std::string plain;
    for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        const ScopedEnv all("LC_ALL", locale);
        const CliResult exported = RunCliCaptured({"export", original, "--format", "csv"});
        ASSERT_EQ(exported.status, 0) << exported.err;
        if (plain.empty()) {
            plain = exported.out;
        }
        EXPECT_EQ(exported.out, plain) << locale;
    }
    EXPECT_EQ(plain.rfind("name,day,month,year,hour,minute,tz,southern,const_zone,julian_date,", 0),
              0u);
    EXPECT_NE(plain.find("\r\n=SUM(A1),1,3,2000,8,0,-1,0,0,2451604.7916666665,"),
              std::string::npos);
    EXPECT_NE(plain.find("\r\n-x,3,3,2000,"), std::string::npos);
    EXPECT_NE(plain.find("\r\n'quoted,5,3,2000,"), std::string::npos);
    EXPECT_NE(plain.find("\r\n\"x,y\",9,3,2000,"), std::string::npos);
    EXPECT_EQ(plain.find("2451604,79"), std::string::npos);
    EXPECT_EQ(plain.find("'=SUM"), std::string::npos);
    // Plain batch is as plain: no guard, no byte-order mark, a decimal point.
    const ScopedEnv all("LC_ALL", "de_DE.UTF-8");
    const CliResult batch = RunCliWith({"batch"}, "name,day,month,year,hour,minute\n"
                                                  "=1,20,3,2000,6,0\n");
    EXPECT_EQ(batch.out.rfind("name,day,month,year,hour,minute,julian_date,", 0), 0u);
    EXPECT_NE(batch.out.find("\r\n=1,20,3,2000,6,0,2451623.7916666665,"), std::string::npos)
        << batch.out;
}

TEST_F(CliSpreadsheet, BatchWritesTheSpreadsheetsNumbersAndGuardsItsTexts) {
    const ScopedEnv all("LC_ALL", "de_DE.UTF-8");
    const CliResult batch =
        RunCliWith({"batch", "--spreadsheet"},
                   "name,day,month,year,hour,minute,tz,note\n=SUM(A1),20,3,2000,6,0,1,-x\n"
                   "@a,20,13,2000,6,0,-1,+1\n");
    EXPECT_EQ(batch.status, 1) << batch.err; // the second row is refused
    EXPECT_EQ(
        batch.out.rfind("\xEF\xBB\xBFname;day;month;year;hour;minute;tz;note;julian_date;", 0), 0u);
    EXPECT_NE(batch.out.find("\r\n'=SUM(A1);20;3;2000;6;0;1;'-x;2451623,79"), std::string::npos)
        << batch.out;
    // The birth's numbers stay numbers; the month is kept as given.
    EXPECT_NE(batch.out.find("\r\n'@a;20;13;2000;6;0;-1;'+1;;"), std::string::npos) << batch.out;
    EXPECT_NE(batch.out.find(";error;"), std::string::npos);
    // The delimiter asked for wins over the locale's, and the point comes with the comma.
    const CliResult comma = RunCliWith({"batch", "--spreadsheet", "--delimiter", ","},
                                       "day,month,year,hour,minute\n20,3,2000,6,0\n");
    EXPECT_NE(comma.out.find("\r\n20,3,2000,6,0,2451623.79"), std::string::npos) << comma.out;
}

TEST_F(CliSpreadsheet, SpreadsheetIsCsvOnly) {
    const std::string original = HostileFile();
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"export", original, "--format", "tsv", "--spreadsheet"}, 2},
        {{"export", original, "--format", "jsonl", "--spreadsheet"}, 2},
        {{"export", original, "--spreadsheet", "--delimiter", "|"}, 2},
        {{"export", original, "--spreadsheet"}, 0},
        {{"batch", "--format", "jsonl", "--spreadsheet", "-"}, 2},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCliWith(c.args, "day,month,year,hour,minute\n1,1,2000,0,0\n");
        EXPECT_EQ(r.status, c.status) << c.args[2] << r.err;
        if (c.status == 2) {
            EXPECT_TRUE(r.out.empty());
        }
    }
    EXPECT_NE(RunCliCaptured({"export", original, "--format", "tsv", "--spreadsheet"})
                  .err.find("--spreadsheet"),
              std::string::npos);
}

TEST_F(CliSpreadsheet, ImportTakesOffExactlyOneGuard) {
    const std::string csv = "\xEF\xBB\xBFname;day;month;year;hour;minute;tz\r\n"
                            "'=x;1;1;2000;0;0;1\r\n"
                            "'''y;2;1;2000;0;0;1\r\n"
                            "'plain;3;1;2000;0;0;1\r\n";
    const std::string file = Path("g.dat");
    const CliResult imported = RunCliWith({"import", file, "-", "--spreadsheet"}, csv);
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(SortedNames(file), (std::vector<std::string>{"''y", "'plain", "=x"}));
    // Without --spreadsheet, every apostrophe is the name's.
    const std::string raw = Path("r.dat");
    ASSERT_EQ(RunCliWith({"import", raw, "-"}, csv).status, 0);
    EXPECT_EQ(SortedNames(raw), (std::vector<std::string>{"'''y", "'=x", "'plain"}));
}

TEST_F(CliSpreadsheet, AControlCharacterNameIsGuardedButNotImported) {
    const std::string file = Path("c.dat");
    // Such names come only from older files; import refuses them whatever the dialect.
    const CliResult exported =
        RunCliWith({"batch", "--spreadsheet"}, "name,day,month,year,hour,minute\n"
                                               "\"\tTab\",1,1,2000,0,0\n\"\rCr\",1,1,2000,0,0\n");
    EXPECT_NE(exported.out.find("\r\n'\tTab,1,1,2000,0,0,"), std::string::npos) << exported.out;
    EXPECT_NE(exported.out.find("\r\n\"'\rCr\",1,1,2000,0,0,"), std::string::npos) << exported.out;
    const CliResult imported = RunCliWith({"import", file, "-", "--spreadsheet"}, exported.out);
    EXPECT_EQ(imported.status, 1);
    EXPECT_NE(imported.err.find("line 2"), std::string::npos) << imported.err;
}

} // namespace
