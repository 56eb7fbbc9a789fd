// Files with bytes after their last entry (a count smaller than the entries that follow, a CSV
// that happens to begin like a record file): add, remove and import leave them byte for byte as
// they are; list, show and export read them with a warning.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/message_language.h"
#include "records/archive.h"
#include "records/record_image.h"
#include "tests/cli/cli_runner.h"
#include "tests/cli/scoped_env.h"
#include "tests/records/byte_string.h"
#include "tests/records/temp_dir.h"

namespace {

// An entry as files hold it: a name of fewer than 255 bytes and a record image.
std::string Entry(const std::string& name, int year) {
    ArchiveWriter ar;
    ar.WriteString(name);
    WriteRecordImage(ar, VXDateStore(year, 3, 20, 8, 0, 0, 0, -1));
    return ar.Bytes();
}

// The count 1, the entry "Eva", then the entries of the names after it: a file whose count
// says fewer entries than it holds.
std::string UnderCounted(const std::vector<std::string>& following) {
    std::string bytes = Bytes({1, 0}) + Entry("Eva", 1970);
    for (const std::string& name : following) {
        bytes += Entry(name, 1980);
    }
    return bytes;
}

// A CSV of some size: its first two bytes read as a count, its lines as names and records.
std::string PeopleCsv() {
    std::string csv = "name,day,month,year,hour,minute\n";
    for (int i = 0; csv.size() < 3'000'000; ++i) {
        csv += "Person " + std::to_string(i) + ",1,1,2000,12,0\n";
    }
    return csv;
}

// Where the entries of the CSV end, reading every name with its one-byte length.
size_t CsvEntriesEnd(const std::string& csv) {
    const size_t count = static_cast<unsigned char>(csv[0]) |
                         static_cast<size_t>(static_cast<unsigned char>(csv[1])) << 8;
    size_t at = 2;
    for (size_t i = 0; i < count; ++i) {
        at += 1 + static_cast<unsigned char>(csv[at]) + kRecordImageSize;
    }
    return at;
}

} // namespace

class NotRecordFile : public TempDirTest {
  protected:
    void TearDown() override {
        UseOwnTexts();
        TempDirTest::TearDown();
    }

    // The commands that would write the file, each on a name the file's entries hold.
    std::vector<std::vector<std::string>> Changes() const {
        return {
            {"add", file_, "Neu", "1", "1", "2000", "0", "0"},
            {"add", file_, "Eva", "--replace", "1", "1", "2000", "0", "0"},
            {"remove", file_, "Eva"},
            {"import", file_, "-"},
        };
    }

    // Runs the command in the language (nullptr: the catalogue's own texts).
    static CliResult RunIn(const char* language, const std::vector<std::string>& args) {
        const std::string csv = "name,day,month,year,hour,minute\nNeu2,1,1,2000,0,0\n";
        if (language == nullptr) {
            return RunCliWith(args, csv);
        }
        const ScopedEnv all("LC_ALL", "C.UTF-8");
        const ScopedEnv lang("LANGUAGE", language);
        UseMessageLanguage();
        return RunCliWith(args, csv);
    }

    std::string file_ = Path("p.dat");
};

TEST_F(NotRecordFile, WritingCommandsLeaveItUnchanged) {
    const struct {
        const char* what;
        std::string bytes;
        std::string file;
        size_t trailing;
    } files[] = {
        {"under-count", UnderCounted({"Bob", "Cem"}), "p.dat", 2 * Entry("Bob", 1980).size()},
        {"junk after the last entry", UnderCounted({}) + "\n", "p.dat", 1},
        {"CSV", PeopleCsv() + "Eva,1,1,2000,12,0\n", "people.csv", 0},
    };
    for (const auto& f : files) {
        file_ = Path(f.file);
        const size_t trailing =
            f.trailing != 0 ? f.trailing : f.bytes.size() - CsvEntriesEnd(f.bytes);
        const std::string count =
            trailing == 1 ? "1 Byte folgt" : std::to_string(trailing) + " Bytes folgen";
        for (const auto& args : Changes()) {
            WriteAll(file_, f.bytes);
            const CliResult r = RunIn(nullptr, args);
            EXPECT_EQ(r.status, 1) << f.what << " " << args[0];
            if (trailing < 1000) {
                EXPECT_EQ(r.err, "vexamo-cli: " + file_ + " ist keine Vexamo-Datensatzdatei: " +
                                     count + " auf ihren letzten Eintrag; nichts wurde geändert.\n")
                    << f.what << " " << args[0];
            } else {
                EXPECT_NE(r.err.find(" ist keine Vexamo-Datensatzdatei: "), std::string::npos)
                    << r.err;
            }
            EXPECT_TRUE(ReadAll(file_) == f.bytes) << f.what << " " << args[0];
            EXPECT_EQ(FolderEntries(), std::vector<std::string>{f.file}) << f.what;
        }
        std::filesystem::remove(file_);
    }
}

TEST_F(NotRecordFile, ReadingCommandsWarnAndGoOn) {
    WriteAll(file_, UnderCounted({"Bob"}));
    const std::string warning = "vexamo-cli: Warnung: " + file_ +
                                " ist keine Vexamo-Datensatzdatei: 40 Bytes folgen auf ihren "
                                "letzten Eintrag; ihre Datensätze werden gelesen, der Rest wird "
                                "übergangen.\n";
    const struct {
        std::vector<std::string> args;
        const char* holds;
    } cases[] = {
        {{"list", file_}, "Eva\n"},
        {{"list", file_, "--json"}, "[\"Eva\"]"},
        {{"show", file_, "Eva"}, "1970"},
        {{"export", file_}, "Eva\t"},
        {{"export", file_, "--format", "csv"}, "Eva,"},
        {{"export", file_, "--jobs", "2"}, "Eva\t"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCliCaptured(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0];
        EXPECT_EQ(r.err, warning) << c.args[0];
        EXPECT_NE(r.out.find(c.holds), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("Bob"), std::string::npos) << r.out;
    }
    // A file the program wrote has nothing to warn about.
    WriteAll(file_, Bytes({1, 0}) + Entry("Eva", 1970));
    const CliResult clean = RunCliCaptured({"list", file_});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.err, "");
}

TEST_F(NotRecordFile, ByteCountInTheUsersLanguage) {
    std::vector<std::string> following;
    for (int i = 0; i < 25; ++i) {
        following.push_back("Name" + std::to_string(100 + i)); // 44 bytes each: 1,100 in all
    }
    WriteAll(file_, UnderCounted(following));
    const struct {
        const char* language;
        std::string refused;
        std::string warned;
    } cases[] = {
        {"en",
         file_ + " is not a Vexamo record file: 1,100 bytes follow its last entry; nothing was "
                 "changed.",
         "warning: " + file_ +
             " is not a Vexamo record file: 1,100 bytes follow its last entry; its records are "
             "read, the rest is ignored."},
        {"de",
         file_ + " ist keine Vexamo-Datensatzdatei: 1.100 Bytes folgen auf ihren letzten "
                 "Eintrag; nichts wurde geändert.",
         "Warnung: " + file_ +
             " ist keine Vexamo-Datensatzdatei: 1.100 Bytes folgen auf ihren letzten Eintrag; "
             "ihre Datensätze werden gelesen, der Rest wird übergangen."},
        {"fr",
         file_ + " n'est pas un fichier d'enregistrements Vexamo : 1\u202F100 octets suivent sa "
                 "dernière entrée ; rien n'a été modifié.",
         "avertissement : " + file_ +
             " n'est pas un fichier d'enregistrements Vexamo : 1\u202F100 octets suivent sa "
             "dernière entrée ; ses enregistrements sont lus, le reste est ignoré."},
    };
    for (const auto& c : cases) {
        const CliResult refused = RunIn(c.language, {"remove", file_, "Eva"});
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, "vexamo-cli: " + c.refused + "\n");
        const CliResult warned = RunIn(c.language, {"list", file_});
        EXPECT_EQ(warned.status, 0);
        EXPECT_EQ(warned.err, "vexamo-cli: " + c.warned + "\n");
    }
}
