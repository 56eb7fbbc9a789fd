// CSV as spreadsheets write it through batch and import: delimiters, German and French headers,
// byte-order marks, Windows-1252; header names that would be ambiguous in the output; line
// numbers under every kind of line end; read errors; what export writes coming back in.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_messages.h"
#include "app/record_commands.h"
#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"
#include "tests/records/temp_dir.h"

namespace {

class CliCsvDialect : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        file_ = Path("p.dat");
    }

    DateStoreMap Load(const std::string& path) const {
        CVexamoDoc doc;
        std::string error;
        EXPECT_TRUE(OpenRecordDocument(doc, path, error)) << error;
        return std::move(doc.m_mapDateStore);
    }

    void WriteStore(const std::vector<std::pair<std::string, VXDateStore>>& entries) const {
        CVexamoDoc doc;
        for (const auto& [key, record] : entries) {
            doc.m_mapDateStore.SetAt(key, record);
        }
        std::string error;
        ASSERT_TRUE(SaveRecordDocument(doc, file_, error)) << error;
    }

    std::string file_;
};

// Two births, the second named "Jürgen Größ", in the dialect of a spreadsheet.
struct Dialect {
    const char* what;
    std::string csv;
    std::vector<std::string> options;
    bool cp1252Notice;
};

const Dialect kDialects[] = {
    {"semicolons, German headers",
     "Name;Tag;Monat;Jahr;Stunde;Minute;Zeitzone\nAnna;20;3;2000;8;0;1\n"
     "J\u00FCrgen Gr\u00F6\u00DF;1;2;1990;12;30;1\n",
     {},
     false},
    {"byte-order mark, semicolons, French headers, CR LF",
     "\xEF\xBB\xBFNom;Jour;Mois;Ann\u00E9e;Heure;Minute;Fuseau horaire;H\u00E9misph\u00E8re sud\r\n"
     "Anna;20;3;2000;8;0;1;0\r\nJ\u00FCrgen Gr\u00F6\u00DF;1;2;1990;12;30;1;0\r\n",
     {},
     false},
    {"capitals and blanks around the names",
     " NAME ,Day, MONTH,Year,Hour,Minute,TZ,Southern,Const_Zone\nAnna,20,3,2000,8,0,1,0,0\n"
     "J\u00FCrgen Gr\u00F6\u00DF,1,2,1990,12,30,1,0,0\n",
     {},
     false},
    {"tabs, German capitals",
     "NAME\tTAG\tMONAT\tJAHR\tSTUNDE\tMINUTE\tZEITVERSCHIEBUNG\tS\u00DCDHALBKUGEL\n"
     "Anna\t20\t3\t2000\t8\t0\t1\t0\nJ\u00FCrgen Gr\u00F6\u00DF\t1\t2\t1990\t12\t30\t1\t0\n",
     {},
     false},
    {"Windows-1252, semicolons",
     "Name;Tag;Monat;Jahr;Stunde;Minute;S\xFC\x64halbkugel\r\nAnna;20;3;2000;8;0;0\r\n"
     "J\xFCrgen Gr\xF6\xDF;1;2;1990;12;30;0\r\n",
     {},
     true},
    {"semicolons given although the header has more commas",
     "name;day;month;year;hour;minute;tz\n\"Anna, A.\";20;3;2000;8;0;1\n"
     "J\u00FCrgen Gr\u00F6\u00DF;1;2;1990;12;30;1\n",
     {"--delimiter", ";"},
     false},
};

TEST_F(CliCsvDialect, EveryDialectThroughBatchAndImport) {
    for (const Dialect& d : kDialects) {
        SCOPED_TRACE(d.what);
        std::vector<std::string> args = {"batch", "--format", "jsonl"};
        args.insert(args.end(), d.options.begin(), d.options.end());
        const CliResult batch = RunCliWith(args, d.csv);
        ASSERT_EQ(batch.status, 0) << batch.err;
        EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '\n'), 2);
        EXPECT_NE(batch.out.find("J\u00FCrgen Gr\u00F6\u00DF"), std::string::npos) << batch.out;
        EXPECT_EQ(batch.out.find("\"status\":\"error\""), std::string::npos) << batch.out;
        const std::string notice = "vexamo-cli: - is not UTF-8: read as Windows-1252\n";
        EXPECT_EQ(batch.err, d.cp1252Notice ? notice : "");

        std::filesystem::remove(file_);
        args = {"import", file_, "-"};
        args.insert(args.end(), d.options.begin(), d.options.end());
        const CliResult import = RunCliWith(args, d.csv);
        ASSERT_EQ(import.status, 0) << import.err;
        VXDateStore r;
        ASSERT_TRUE(Load(file_).Lookup("J\xFCrgen Gr\xF6\xDF", r));
        EXPECT_EQ(r, VXDateStore(1990, 2, 1, 12, 30, 0, 0, 1));
    }
}

TEST_F(CliCsvDialect, SpreadsheetExportComesBackThroughImport) {
    WriteStore({{"M\xFCller; Eva", VXDateStore(2000, 3, 20, 8, 0, 1, 0, -1)},
                {"Doe \"J\"", VXDateStore(1850, 13, -5, 25, -1, 0, 1, 99)}});
    const CliResult exported =
        RunCliCaptured({"export", "--format", "csv", "--delimiter", ";", "--bom", file_});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out.rfind("\xEF\xBB\xBFname;day;month;year;", 0), 0u);
    EXPECT_NE(exported.out.find("\r\n\"M\u00FCller; Eva\";20;3;2000;8;0;-1;1;0;"),
              std::string::npos);

    const std::string copy = Path("copy.dat");
    const CliResult imported = RunCliWith({"import", copy, "-"}, exported.out);
    ASSERT_EQ(imported.status, 0) << imported.err;
    const DateStoreMap original = Load(file_);
    const DateStoreMap again = Load(copy);
    ASSERT_EQ(RecordNames(again), RecordNames(original));
    for (const std::string& name : RecordNames(original)) {
        VXDateStore a;
        VXDateStore b;
        ASSERT_EQ(LookupRecord(original, name, a), RecordRefusal::None);
        ASSERT_EQ(LookupRecord(again, name, b), RecordRefusal::None);
        EXPECT_EQ(a, b) << name;
    }
    // batch writes the same dialect when asked.
    const CliResult batch = RunCliWith({"batch", "--delimiter", "tab", "--bom"},
                                       "day\tmonth\tyear\thour\tminute\n1\t1\t2000\t0\t0\n");
    EXPECT_EQ(batch.out.rfind("\xEF\xBB\xBF"
                              "day\tmonth\tyear\thour\tminute\tjulian_date\t",
                              0),
              0u);
    EXPECT_EQ(RunCliCaptured({"export", "--format", "csv", "--delimiter", "|", file_}).status, 2);
}

TEST_F(CliCsvDialect, AmbiguousHeadersAreRefusedNamingTheColumn) {
    const std::string birth = "day,month,year,hour,minute";
    const struct {
        const char* command;
        std::string header;
        std::string column;
    } cases[] = {
        {"batch", "name,status," + birth, "status"},
        {"batch", birth + ",Julian_Date", "Julian_Date"},
        {"batch", birth + ",error", "error"},
        {"batch", birth + ",format", "format"},
        {"batch", "x," + birth + ", X ", " X "},
        {"batch", birth + ",Tag", "Tag"},
        {"batch", birth + ",zone,Zone", "Zone"},
        {"import", "name,x,x," + birth, "x"},
        {"import", "Nom,name," + birth, "name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        const std::string csv = c.header + "\n";
        const CliResult r = std::string(c.command) == "batch"
                                ? RunCliWith({"batch", "--format", "jsonl"}, csv)
                                : RunCliWith({"import", file_, "-"}, csv);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("line 1: the column '" + c.column + "'"), std::string::npos) << r.err;
    }
    // A missing column names the unknown ones and every accepted name.
    const CliResult missing = RunCliWith({"batch"}, "Datum,Tag,Monat,Jahr,Stunde\n");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("'minute' is missing; columns not known: 'Datum'; accepted names: "
                               "name (Nom), day (Tag, Jour),"),
              std::string::npos)
        << missing.err;
}

TEST_F(CliCsvDialect, LineNumbersCountEveryKindOfLineEnd) {
    const struct {
        const char* what;
        std::string csv;
        size_t line;
    } cases[] = {
        {"CR", "name,day,month,year,hour,minute\rn,1,1,2000,0,0\r\rn,1\r", 4},
        {"LF", "name,day,month,year,hour,minute\nn,1,1,2000,0,0\n\nn,1\n", 4},
        {"CR LF", "name,day,month,year,hour,minute\r\nn,1,1,2000,0,0\r\n\r\nn,1\r\n", 4},
        {"CR LF split by a quoted CR", "name,day,month,year,hour,minute\r\n\"n\r\",1\r\n", 2},
        {"quoted breaks of each kind",
         "name,day,month,year,hour,minute,note\nn,1,1,2000,1,1,\"a\rb\r\nc\nd\"\nn\n", 6},
        {"unclosed quote", "name,day,month,year,hour,minute\rn,1,1,2000,0,0\r\"n\r,2\r", 3},
        {"stray quote", "name,day,month,year,hour,minute\r\rn,1\"x,2000,0,0\r", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"batch"}, std::vector<std::string>{"import", file_, "-"}}) {
            const CliResult r = RunCliWith(args, c.csv);
            EXPECT_EQ(r.status, 2);
            EXPECT_NE(r.err.find(": -: line " + std::to_string(c.line) + ": "), std::string::npos)
                << r.err;
        }
    }
}

// A stream whose reading fails, as a disk or a pipe can.
class FailingBuf : public std::streambuf {
  protected:
    int_type underflow() override { throw std::ios_base::failure("read"); }
};

TEST_F(CliCsvDialect, ReadErrorsAreNotAnEmptyInput) {
    FailingBuf failing;
    std::istream in(&failing);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({"batch"}, out, err, CliContext{false, false, &in}), 2);
    EXPECT_EQ(err.str(), "vexamo-cli: cannot read standard input: " + ErrnoText(EIO) + "\n");

#ifndef _WIN32 // Windows opens no folder as a file descriptor, so no command gets one as input
    // The process's standard input a folder, as "batch < folder" gives it.
    const int folder = ::open(Path("").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(folder, 0);
    const int saved = ::dup(STDIN_FILENO);
    ASSERT_EQ(::dup2(folder, STDIN_FILENO), STDIN_FILENO);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"batch"}, std::vector<std::string>{"import", file_, "-"}}) {
        std::ostringstream none;
        std::ostringstream message;
        EXPECT_EQ(RunCli(args, none, message), 2);
        EXPECT_EQ(message.str(),
                  "vexamo-cli: cannot read standard input: " + ErrnoText(EISDIR) + "\n");
    }
    ::dup2(saved, STDIN_FILENO);
    ::close(saved);
    ::close(folder);
#endif
}

TEST_F(CliCsvDialect, ControlCharacterNamesExportButSayWhyTheyDoNotImport) {
    WriteStore({{"Eva\tTab", VXDateStore(2000, 3, 20, 8, 0, 1, 0, -1)},
                {"Bel\x07", VXDateStore(2000, 3, 20, 8, 0, 1, 0, -1)}});
    const CliResult exported = RunCliCaptured({"export", "--format", "csv", file_});
    ASSERT_EQ(exported.status, 0);
    EXPECT_NE(exported.out.find("\r\nEva\tTab,20,"), std::string::npos);
    const CliResult imported = RunCliWith({"import", Path("copy.dat"), "-"}, exported.out);
    EXPECT_EQ(imported.status, 1);
    EXPECT_NE(imported.err.find("Steuerzeichen"), std::string::npos) << imported.err;
    EXPECT_NE(imported.err.find("Older record files may hold such names; export writes them as "
                                "they are, but import takes only names a new entry may have"),
              std::string::npos)
        << imported.err;
    EXPECT_FALSE(std::filesystem::exists(Path("copy.dat")));
}

} // namespace
