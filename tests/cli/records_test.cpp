// Runs vexamo-cli's record commands in-process and checks status, output and the files left.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/export_text.h"
#include "app/file_messages.h"
#include "app/record_commands.h"
#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using Result = CliResult;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

} // namespace

class CliRecords : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vexamo-cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = (dir_ / "p.dat").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    Result Run(const std::vector<std::string>& args) const { return RunCliCaptured(args); }

    Result Add(const std::vector<std::string>& rest) const {
        std::vector<std::string> args = {"add", file_};
        args.insert(args.end(), rest.begin(), rest.end());
        return Run(args);
    }

    // A refused command: status 1, a message, nothing on stdout, the file unchanged.
    void ExpectRefused(const std::vector<std::string>& args, const char* message) const {
        const std::string before = fs::exists(file_) ? ReadAll(file_) : "<absent>";
        const Result r = Run(args);
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(fs::exists(file_) ? ReadAll(file_) : "<absent>", before);
    }

    fs::path dir_;
    std::string file_;
};

TEST_F(CliRecords, AddListShowRemove) {
    Result r = Add({"Muster", "--tz", "-1", "20", "3", "2000", "8", "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    r = Add({"J\u00FCrgen", "-5", "13", "1850", "25", "-1", "--southern", "--const-zone"});
    ASSERT_EQ(r.status, 0) << r.err;

    CVexamoDoc doc;
    std::string error;
    ASSERT_TRUE(OpenRecordDocument(doc, file_, error)) << error;
    VXDateStore rec;
    ASSERT_TRUE(doc.m_mapDateStore.Lookup("J\xFCrgen", rec)); // stored as Windows-1252
    EXPECT_EQ(rec, VXDateStore(1850, 13, -5, 25, -1, 1, 1, 1));
    ASSERT_TRUE(doc.m_mapDateStore.Lookup("Muster", rec));
    EXPECT_EQ(rec, VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1));

    std::string names;
    for (const std::string& name : RecordNames(doc.m_mapDateStore)) {
        names += name + "\n";
    }
    r = Run({"list", file_});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, names);

    r = Run({"show", file_, "J\u00FCrgen"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Nom : J\u00FCrgen\nAnnée : 1850\nMois : 13\nJour : -5\nHeure : 25\n"
                     "Minute : -1\nHémisphère Sud : 1\nZone indéfinie constante : 1\n"
                     "Fuseau horaire : 1\n");

    r = Run({"remove", file_, "Muster"});
    EXPECT_EQ(r.status, 0) << r.err;
    r = Run({"list", file_});
    EXPECT_EQ(r.out, "J\u00FCrgen\n");
    ExpectRefused({"remove", file_, "Muster"}, "existiert nicht");
    ExpectRefused({"show", file_, "Muster"}, "existiert nicht");
}

TEST_F(CliRecords, ExportIsTheClipboardTextInUtf8) {
    ASSERT_EQ(Add({"Muster", "--tz", "-1", "20", "3", "2000", "8", "0"}).status, 0);
    ASSERT_EQ(Add({"\u00C9mile \u20AC", "1", "1", "1990", "12", "30"}).status, 0);
    ASSERT_EQ(Add({"Far", "1", "1", "2000000000", "0", "0"}).status, 0);
    CVexamoDoc doc;
    std::string error;
    ASSERT_TRUE(OpenRecordDocument(doc, file_, error)) << error;
    const Result r = Run({"export", file_});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, CopyAllText(doc.m_mapDateStore));
    EXPECT_NE(r.out.find("Muster\tLunar\t20.3.2000 8:0 Uhr \t 99.99 %\t49.98 %\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("\u00C9mile \u20AC\t"), std::string::npos);
    EXPECT_NE(r.out.find("Far\t\t1.1.2000000000 0:0 Uhr \t\t\n"), std::string::npos);
}

TEST_F(CliRecords, ExistingNameIsRefusedUnlessReplaced) {
    const auto names = [&] { return Run({"list", file_}).out; };
    ASSERT_EQ(Add({"A", "1", "1", "2000", "0", "0"}).status, 0);
    ASSERT_EQ(Add({"R", "1", "1", "2000", "0", "0"}).status, 0); // same bucket as "A"
    // The file holds the chain newest first; listing loads it, which reverses the chain.
    ASSERT_EQ(names(), "A\nR\n");
    ExpectRefused({"add", file_, "A", "2", "2", "2002", "0", "0"}, "existiert bereits");
    ASSERT_EQ(Add({"A", "--replace", "2", "2", "2002", "0", "0"}).status, 0);
    EXPECT_EQ(names(), "R\nA\n"); // the replaced entry went to the head of its chain
    EXPECT_NE(Run({"show", file_, "A"}).out.find("Année : 2002\n"), std::string::npos);
    ASSERT_EQ(Add({"a", "1", "1", "2000", "0", "0"}).status, 0); // case differs: new entry
    EXPECT_EQ(Run({"list", file_}).out.size(), 6u);
}

TEST_F(CliRecords, RefusedNamesWriteNothing) {
    ExpectRefused({"add", file_, "", "1", "1", "2000", "0", "0"}, "Bitte einen Namen eingeben!");
    ExpectRefused({"add", file_, "bad\xFF", "1", "1", "2000", "0", "0"},
                  "kein g\u00FCltiges UTF-8");
    EXPECT_FALSE(fs::exists(file_));
}

TEST_F(CliRecords, UsageErrorsExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"list"},
        {"list", file_, "extra"},
        {"show", file_},
        {"remove", file_},
        {"export"},
        {"add", file_},
        {"add", file_, "N", "1", "1", "2000", "0"},
        {"add", file_, "N", "1", "1", "2000", "0", "0", "7"},
        {"add", file_, "N", "x", "1", "2000", "0", "0"},
        {"add", file_, "N", "1", "1", "99999999999", "0", "0"},
        {"add", file_, "N", "--tz", "1", "1", "2000", "0", "0"},
        {"add", file_, "N", "--bogus", "1", "1", "2000", "0", "0"},
        {"add", file_, "N", "1", "1", "2000", "0", "0", "--tz"},
    };
    for (const auto& args : cases) {
        const Result r = Run(args);
        EXPECT_EQ(r.status, 2) << args.size() << " " << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(fs::exists(file_));
}

TEST_F(CliRecords, UnreadableFilesAreRefusedAndKept) {
    ExpectRefused({"list", file_}, "kann nicht gelesen werden");
    std::ofstream(file_, std::ios::binary) << std::string("\x03\x00\x01x", 4);
    for (const char* command : {"list", "export"}) {
        ExpectRefused({command, file_}, ("\u201E" + file_ + "\u201C").c_str());
    }
    ExpectRefused({"add", file_, "N", "1", "1", "2000", "0", "0"}, "kann nicht gelesen werden");
    ExpectRefused({"remove", file_, "x"}, "kann nicht gelesen werden");
    // Neither a refused add nor a refused remove replaced the unreadable file.
    EXPECT_EQ(ReadAll(file_), std::string("\x03\x00\x01x", 4));
}

TEST_F(CliRecords, HelpOfEveryRecordCommand) {
    const std::vector<std::vector<std::string>> cases = {
        {"list", "--help"},   {"show", "-h"},    {"remove", "--help"},
        {"export", "--help"}, {"add", "--help"}, {"add", file_, "N", "--help"},
    };
    for (const auto& args : cases) {
        const Result r = Run(args);
        EXPECT_EQ(r.status, 0) << ::testing::PrintToString(args) << r.err;
        EXPECT_NE(r.out.find("vexamo-cli " + args[0] + " FILE"), std::string::npos) << r.out;
        EXPECT_EQ(r.err, "");
    }
    EXPECT_FALSE(fs::exists(file_));
}

TEST_F(CliRecords, AddTakesTheTimeDifferenceInEitherForm) {
    ASSERT_EQ(Add({"N", "--tz=-3", "1", "1", "2000", "0", "0"}).status, 0);
    EXPECT_NE(Run({"show", file_, "N"}).out.find("Fuseau horaire : -3\n"), std::string::npos);
    ExpectRefused({"add", file_, "N", "--tz=+2", "1", "1", "2000", "0", "0"}, "existiert bereits");
    EXPECT_EQ(Add({"M", "--tz=x", "1", "1", "2000", "0", "0"}).status, 2);
}
