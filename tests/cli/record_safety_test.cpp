// vexamo-cli's record commands against concurrent writers, hostile names, a terminal, lack of
// memory and option-like words.
#include <algorithm>
#include <new>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_messages.h"
#include "records/file_lock.h"
#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"
#include "tests/records/temp_dir.h"

namespace {

const VXDateStore kRecord(2000, 3, 20, 8, 0, 0, 0, -1);

} // namespace

class CliSafety : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        file_ = Path("p.dat");
    }

    // Writes a store straight to the file, as another program could.
    void WriteStore(const std::vector<std::pair<std::string, VXDateStore>>& entries) const {
        CVexamoDoc doc;
        for (const auto& [key, record] : entries) {
            doc.m_mapDateStore.SetAt(key, record);
        }
        std::string error;
        ASSERT_TRUE(SaveRecordDocument(doc, file_, error)) << error;
    }

    DateStoreMap Load() const {
        CVexamoDoc doc;
        std::string error;
        EXPECT_TRUE(OpenRecordDocument(doc, file_, error)) << error;
        return std::move(doc.m_mapDateStore);
    }

    std::string file_;
};

TEST_F(CliSafety, ConcurrentWritersLoseNothing) {
    // A file of some size, so that each writer's load and save take a while.
    std::vector<std::pair<std::string, VXDateStore>> start;
    for (int i = 0; i < 2000; ++i) {
        start.emplace_back("base" + std::to_string(i), kRecord);
    }
    WriteStore(start);
    constexpr int kRounds = 40;
    std::vector<int> failures(2, 0);
    auto writer = [&](int id) {
        for (int round = 0; round < kRounds; ++round) {
            const std::string name = "w" + std::to_string(id) + "-" + std::to_string(round);
            const CliResult r = RunCliCaptured({"add", file_, name, "1", "2", "2000", "3", "4"});
            failures[static_cast<size_t>(id)] += r.status != 0;
            if (round % 4 == 3) { // a removal among the additions
                const CliResult rm =
                    RunCliCaptured({"remove", file_, "base" + std::to_string(id * 1000 + round)});
                failures[static_cast<size_t>(id)] += rm.status != 0;
            }
        }
    };
    std::thread a(writer, 0);
    std::thread b(writer, 1);
    a.join();
    b.join();
    EXPECT_EQ(failures, std::vector<int>({0, 0}));
    const DateStoreMap store = Load();
    EXPECT_EQ(store.GetCount(), 2000 + 2 * kRounds - 2 * (kRounds / 4));
    VXDateStore r;
    for (int id = 0; id < 2; ++id) {
        for (int round = 0; round < kRounds; ++round) {
            EXPECT_TRUE(store.Lookup("w" + std::to_string(id) + "-" + std::to_string(round), r));
        }
    }
    EXPECT_FALSE(store.Lookup("base3", r));
    EXPECT_FALSE(store.Lookup("base1003", r));
}

TEST_F(CliSafety, SecondWriterGivesUpAfterTheBoundedWait) {
    WriteStore({{"Eva", kRecord}});
    const std::string before = ReadAll(file_);
    FileLock other;
    ASSERT_EQ(other.Acquire(file_), LockStatus::kLocked);
    const CliResult r = RunCliCaptured({"add", file_, "Adam", "1", "2", "2000", "3", "4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("wird gerade von einem anderen Programm ge\u00E4ndert"), std::string::npos)
        << r.err;
    other.Release();
    EXPECT_EQ(ReadAll(file_), before);
    EXPECT_EQ(RunCliCaptured({"remove", file_, "Eva"}).status, 0); // free again
}

TEST_F(CliSafety, NamesWithControlCharactersAreRefusedBeforeAnythingChanges) {
    const std::vector<std::string> names = {"a\tb",    "Zeile\n",    std::string("nul\0x", 5),
                                            "del\x7f", "c1\xC2\x85", "\x1b[2J"};
    for (const std::string& name : names) {
        const CliResult r = RunCliCaptured({"add", file_, name, "1", "2", "2000", "3", "4"});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_NE(r.err.find("Steuerzeichen"), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(file_));
    }
    const CliResult tab = RunCliCaptured({"add", file_, "a\tb", "1", "2", "2000", "3", "4"});
    EXPECT_EQ(tab.err, "vexamo-cli: Der Name \u201Ea\tb\u201C enth\u00E4lt ein Steuerzeichen "
                       "(U+0009) und wird nicht gespeichert.\n");
    // Printable characters beyond ASCII that Windows-1252 holds are fine.
    EXPECT_EQ(
        RunCliCaptured({"add", file_, "\u20AC M\u00FCller", "1", "2", "2000", "3", "4"}).status, 0);
}

TEST_F(CliSafety, ExportKeepsColumnsAndDisarmsFormulas) {
    WriteStore({{"Eva\tTab", kRecord},
                {"=HYPERLINK(\"x\")", kRecord},
                {"Anne-Marie", kRecord},
                {"-1", kRecord}});
    const CliResult r = RunCliCaptured({"export", file_});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
        ++count;
    }
    EXPECT_EQ(count, 5);
    EXPECT_NE(r.out.find("\nEva Tab\t"), std::string::npos);
    EXPECT_NE(r.out.find("\n'=HYPERLINK(\"x\")\t"), std::string::npos);
    EXPECT_NE(r.out.find("\n'-1\t"), std::string::npos);
    EXPECT_NE(r.out.find("\nAnne-Marie\t"), std::string::npos);
}

TEST_F(CliSafety, TerminalGetsEscapesPipeGetsTheBytes) {
    const std::string hostile = "\x1b]0;pwned\x07";
    WriteStore({{hostile, kRecord}});
    EXPECT_EQ(RunCliWith({"list", file_}, "", false).out, hostile + "\n");
    EXPECT_EQ(RunCliWith({"list", file_}, "", true).out, "\\x1b]0;pwned\\x07\n");

    const CliResult shown = RunCliWith({"show", file_, hostile}, "", true);
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out.substr(0, shown.out.find('\n')), "Nom : \\x1b]0;pwned\\x07");
    EXPECT_EQ(RunCliWith({"show", file_, hostile}, "", false).out.substr(0, 6 + hostile.size()),
              "Nom : " + hostile);

    // Messages: the name and the path as well.
    const std::string missing = "x\x1b[2J";
    const CliResult tty = RunCliWith({"show", file_, missing}, "", true);
    EXPECT_EQ(tty.status, 1);
    EXPECT_NE(tty.err.find("'x\\x1b[2J'"), std::string::npos) << tty.err;
    EXPECT_EQ(tty.err.find('\x1b'), std::string::npos);
    const CliResult pipe = RunCliWith({"show", file_, missing}, "", false);
    EXPECT_NE(pipe.err.find("'" + missing + "'"), std::string::npos);
    const CliResult badPath = RunCliWith({"list", Path("a\x1b[2J.dat")}, "", true);
    EXPECT_EQ(badPath.status, 1);
    EXPECT_EQ(badPath.err.find('\x1b'), std::string::npos) << badPath.err;

    // JSON on a terminal: every character beyond ASCII escaped too.
    const CliResult json = RunCliWith({"list", "--json", file_}, "", true);
    EXPECT_EQ(json.out, "[\"\\u001b]0;pwned\\u0007\"]\n");
}

namespace {

// An output whose every write fails for lack of memory.
class NoMemoryBuf : public std::streambuf {
  protected:
    int_type overflow(int_type) override { throw std::bad_alloc(); }
    std::streamsize xsputn(const char*, std::streamsize) override { throw std::bad_alloc(); }
};

} // namespace

TEST_F(CliSafety, OutOfMemoryIsAMessageAndExitOne) {
    WriteStore({{"Eva", kRecord}});
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"list", file_}, {"export", file_}, {"eval", "20", "3", "2000", "8", "0"}}) {
        NoMemoryBuf buf;
        std::ostream out(&buf);
        out.exceptions(std::ios::badbit);
        std::ostringstream err;
        EXPECT_EQ(RunCli(args, out, err), 1);
        EXPECT_EQ(err.str(),
                  "vexamo-cli: Nicht genug Arbeitsspeicher; nichts wurde ge\u00E4ndert.\n");
    }
}

TEST_F(CliSafety, NamesLikeOptionsOnlyAfterDoubleDash) {
    // Without a name the option is not taken for one.
    CliResult r = RunCliCaptured({"add", file_, "--southern", "1", "2", "2000", "3", "4"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("after FILE NAME"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(file_));
    EXPECT_EQ(RunCliCaptured({"add", file_, "-x", "1", "2", "2000", "3", "4"}).status, 2);

    r = RunCliCaptured({"add", "--southern", file_, "--", "--help", "1", "2", "2000", "3", "4"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunCliCaptured({"show", file_, "--", "--help"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Nom : --help");
    EXPECT_NE(r.out.find("H\u00E9misph\u00E8re Sud : 1\n"), std::string::npos);
    EXPECT_NE(RunCliCaptured({"show", file_, "--help"}).out.find("Usage:"), std::string::npos);
    EXPECT_EQ(RunCliCaptured({"show", file_, "-x"}).status, 2);
    EXPECT_EQ(RunCliCaptured({"remove", file_, "--", "--help"}).status, 0);
    EXPECT_EQ(Load().GetCount(), 0);
    // "--" ends the options of every command.
    EXPECT_EQ(RunCliCaptured({"list", "--", file_}).status, 0);
    EXPECT_EQ(RunCliCaptured({"export", "--", file_}).status, 0);
    EXPECT_EQ(RunCliCaptured({"export", "--", "--format", file_}).status, 2);
    EXPECT_EQ(RunCliCaptured({"eval", "--", "20", "3", "2000", "8", "0"}).status, 0);
}
