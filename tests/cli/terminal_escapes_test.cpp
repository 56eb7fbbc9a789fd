// Every command and output format against names, fields and paths full of terminal controls:
// nothing that could act on a terminal reaches one, and a pipe gets what it always got.
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_messages.h"
#include "app/text_guards.h"
#include "records/name_key.h"
#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"
#include "tests/records/temp_dir.h"

using namespace std::string_literals;

namespace {

const VXDateStore kRecord(2000, 3, 20, 8, 0, 0, 0, -1);

// Stored names, each holding what a file written elsewhere may hold: a title change (ESC ]
// ... BEL), a carriage return, NUL, the C1 introducer U+009B and a right-to-left override.
const std::vector<std::string> kHostileNames = {"\x1b]0;title\x07"
                                                "Eva",
                                                "Anne\rBob", "nul\0x"s,
                                                "c1\xC2\x9B"
                                                "31mX",
                                                "bidi\u202Eevil"};

// Whatever a terminal would act on: C0 controls but the line feed, the tab of a table and the
// carriage return of a CR LF line end; DEL, the C1 controls, and the bidirectional embeddings,
// overrides and isolates. Returns a description of the first one found, or nothing.
std::string FirstActiveCharacter(const std::string& shown) {
    for (size_t i = 0; i < shown.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown[i]);
        if (c == '\n' || c == '\t' || (c == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n')) {
            continue;
        }
        if (c < 0x20 || c == 0x7F) {
            return "control byte " + std::to_string(c) + " at " + std::to_string(i);
        }
        if (c == 0xC2 && i + 1 < shown.size() && static_cast<unsigned char>(shown[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(shown[i + 1]) <= 0x9F) {
            return "C1 control at " + std::to_string(i);
        }
        if (c == 0xE2 && i + 2 < shown.size()) {
            const auto b = static_cast<unsigned char>(shown[i + 1]);
            const auto d = static_cast<unsigned char>(shown[i + 2]);
            if ((b == 0x80 && d >= 0xAA && d <= 0xAE) || (b == 0x81 && d >= 0xA6 && d <= 0xA9)) {
                return "bidirectional control at " + std::to_string(i);
            }
        }
    }
    return {};
}

struct Case {
    std::vector<std::string> args;
    std::string input;        // standard input
    std::string pipeHolds;    // what the output through a pipe holds byte for byte
    std::string escapedHolds; // what the terminal shows of it
};

} // namespace

class TerminalEscapes : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        file_ = Path("p.dat");
        CVexamoDoc doc;
        for (const std::string& name : kHostileNames) {
            NameKey key;
            ASSERT_TRUE(Utf8ToNameKey(name, key)) << name;
            doc.m_mapDateStore.SetAt(key, kRecord);
        }
        std::string error;
        ASSERT_TRUE(SaveRecordDocument(doc, file_, error)) << error;
    }

    std::string file_;
};

TEST_F(TerminalEscapes, EveryCommandAndFormat) {
    const std::string stdinCsv = "name,day,month,year,hour,minute\n\x1b]0;title\x07"
                                 "Eva,20,3,2000,8,0\n\"\xC2\x9B"
                                 "31m\r\",40,3,2000,8,0\n";
    const std::string badCsv = Path("in.csv");
    { std::ofstream(badCsv, std::ios::binary) << stdinCsv; }
    const std::string badPath = Path("t\x1b]0;x\x07.dat");
    const std::string hostile = "\x1b]0;title\x07";
    const std::string escaped = "\\x1b]0;title\\x07";
    const std::vector<Case> cases = {
        {{"list", file_}, "", hostile, escaped},
        {{"list", "--json", file_}, "", "\\u001b]0;title\\u0007", "\\u001b]0;title\\u0007"},
        {{"show", file_,
          "\x1b]0;title\x07"
          "Eva"},
         "",
         hostile,
         escaped},
        {{"show", "--json", file_, "Anne\rBob"}, "", "Anne\\rBob", "Anne\\rBob"},
        {{"show", file_, "bidi\u202Eevil"}, "", "bidi\u202Eevil", "bidi\\u202eevil"},
        {{"show", file_, "missing\x1b[2J"}, "", "missing\x1b[2J", "missing\\x1b[2J"},
        {{"export", file_}, "", " ]0;title Eva", " ]0;title Eva"},
        {{"export", "--jobs", "2", file_}, "", "bidi\u202Eevil", "bidi\\u202eevil"},
        {{"export", "--format", "csv", file_}, "", hostile, escaped},
        {{"export", "--format", "csv", "--delimiter", ";", "--bom", file_},
         "",
         "Anne\rBob",
         "Anne\\x0dBob"},
        {{"export", "--format", "csv", file_}, "", "nul\0x"s, "nul\\x00x"},
        {{"export", "--format", "csv", "--jobs", "2", file_}, "", "c1\xC2\x9B", "c1\\x9b"},
        {{"export", "--format", "csv", file_}, "", "bidi\u202Eevil", "bidi\\u202eevil"},
        {{"export", "--format", "jsonl", file_},
         "",
         "\\u001b]0;title\\u0007",
         "\\u001b]0;title\\u0007"},
        {{"batch"}, stdinCsv, hostile, escaped},
        {{"batch", "--format", "jsonl"},
         stdinCsv,
         "\\u001b]0;title\\u0007",
         "\\u001b]0;title\\u0007"},
        {{"batch", badCsv}, "", "\xC2\x9B", "\\x9b"},
        {{"import", file_, badCsv}, "", hostile, escaped},
        {{"add", file_, "x\x1b]0;t\x07", "1", "1", "2000", "0", "0"},
         "",
         "x\x1b]0;t\x07",
         "x\\x1b]0;t\\x07"},
        {{"list", badPath}, "", badPath, "t\\x1b]0;x\\x07.dat"},
        {{"places", "Par\x1b[2Jis"}, "", "Par\x1b[2Jis", "Par\\x1b[2Jis"},
        {{"places", "--json", "Par\x1b[2Jis"}, "", "Par\x1b[2Jis", "Par\\x1b[2Jis"},
        {{"zone", "--zone", "Eu\x1b[2J", "1", "1", "2000", "0", "0"},
         "",
         "Eu\x1b[2J",
         "Eu\\x1b[2J"},
        {{"eval", "--place", "P\u202Eq", "1", "1", "2000", "0", "0"}, "", "P\u202Eq", "P\\u202eq"},
    };
    for (const Case& c : cases) {
        std::string command;
        for (const std::string& word : c.args) {
            command += TerminalText(word, true) + " ";
        }
        const CliResult tty = RunCliWith(c.args, c.input, true);
        const std::string shown = tty.out + tty.err;
        EXPECT_EQ(FirstActiveCharacter(shown), "") << command;
        EXPECT_NE(shown.find(c.escapedHolds), std::string::npos) << command << "\n"
                                                                 << TerminalText(shown, true);
        const CliResult pipe = RunCliWith(c.args, c.input, false);
        EXPECT_NE((pipe.out + pipe.err).find(c.pipeHolds), std::string::npos) << command;
        EXPECT_EQ(tty.status, pipe.status) << command;
    }
}

// Through a pipe the export is the exact bytes of the names, whatever they hold.
TEST_F(TerminalEscapes, PipedCsvExportKeepsTheNamesBytes) {
    const CliResult r = RunCliWith({"export", "--format", "csv", file_}, "", false);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const std::string& name : kHostileNames) {
        const bool quoted = name.find('\r') != std::string::npos;
        EXPECT_NE(r.out.find(quoted ? "\"" + name + "\"" : name), std::string::npos)
            << TerminalText(name, true);
    }
}
