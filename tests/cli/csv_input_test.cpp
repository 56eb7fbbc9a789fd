// The CSV input of batch and import as a user meets it: headers of any width, one encoding per
// input, a FIFO or /dev/stdin streaming row by row, standard input that cannot be read.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <poll.h>
#include <sys/wait.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/cli/cli_runner.h"
#include "tests/records/temp_dir.h"

namespace {

using json = nlohmann::json;

class CliCsvInput : public TempDirTest {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }

    // The names of the record file, as list gives them.
    static std::vector<std::string> Names(const std::string& path) {
        const CliResult r = RunCliCaptured({"list", path});
        EXPECT_EQ(r.status, 0) << r.err;
        std::vector<std::string> names;
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) {
            names.push_back(line);
        }
        return names;
    }
};

// "c0,c1,...": columns no birth uses, before the ones it does.
std::string UnknownColumns(size_t count, char delimiter) {
    std::string out;
    for (size_t i = 0; i < count; ++i) {
        out.append("c").append(std::to_string(i)).push_back(delimiter);
    }
    return out;
}

TEST_F(CliCsvInput, WideHeadersOfEveryDialectAreCheckedWhole) {
    constexpr size_t kWide = 100000;
    const std::string unknown = UnknownColumns(kWide, ',');
    const std::string values(kWide, ','); // an empty field for each
    const struct {
        const char* what;
        const char* command;
        std::string csv;
        int status;
        std::string message; // in the message, or empty for none
    } cases[] = {
        {"English keys at the end", "batch",
         unknown + "day,month,year,hour,minute\n" + values + "1,1,2000,12,0\n", 0, ""},
        {"German keys, semicolons", "batch",
         UnknownColumns(kWide, ';') + "Name;Tag;Monat;Jahr;Stunde;Minute\n" +
             std::string(kWide, ';') + "Anna;1;1;2000;12;0\n",
         0, ""},
        {"French keys through import", "import",
         unknown +
             "Nom,Jour,Mois,Ann\xC3\xA9"
             "e,Heure,Minute\n" +
             values + "Anna,1,1,2000,12,0\n",
         0, ""},
        {"a French and an English name of one column far apart", "import",
         "Jour," + unknown + "name,day,month,year,hour,minute\n", 2,
         "line 1: the column 'day' appears twice"},
        {"one unknown name twice, far apart", "batch",
         "x," + unknown + " X ,day,month,year,hour,minute\n", 2,
         "line 1: the column ' X ' appears twice"},
        {"an output column at the end", "batch", unknown + "day,month,year,hour,minute,Status\n", 2,
         "line 1: the column 'Status' has the name of an output column"},
        {"a missing column among many unknown", "batch", unknown + "day,month,year,hour\n", 2,
         "the column 'minute' is missing; columns not known: 'c0', 'c1', 'c2', 'c3', 'c4', 'c5', "
         "'c6', 'c7', 'c8', 'c9' and 99990 more; accepted names: name (Nom),"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string csv = Write("wide.csv", c.csv);
        const std::string file = Path("wide.dat");
        std::filesystem::remove(file);
        const CliResult r = std::string(c.command) == "batch"
                                ? RunCliCaptured({"batch", "--format", "jsonl", csv})
                                : RunCliCaptured({"import", file, csv});
        EXPECT_EQ(r.status, c.status) << r.err.substr(0, 300);
        if (c.message.empty()) {
            EXPECT_EQ(r.err, "");
        } else {
            EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err.substr(0, 300);
            EXPECT_LT(r.err.size(), 2000u); // the unknown names are not all listed
        }
        if (c.status == 0 && std::string(c.command) == "batch") {
            const json row = json::parse(r.out);
            EXPECT_EQ(row["status"], "ok");
            EXPECT_EQ(row["c0"], ""); // every input column is kept
            EXPECT_EQ(row["c99999"], "");
        } else if (c.status == 0) {
            EXPECT_EQ(Names(file), std::vector<std::string>{"Anna"});
        }
    }
}

// A Windows-1252 CSV whose first non-ASCII name, "MÃ©nard", holds the bytes of "Ménard" in
// UTF-8, and whose first byte that is not UTF-8 comes after the first reads of a stream.
std::string LateWindows1252() {
    std::string csv = "name,day,month,year,hour,minute\nM\xC3\xA9nard,1,1,2000,12,0\n";
    for (int i = 0; csv.size() < 200000; ++i) {
        csv += "P" + std::to_string(i) + ",1,1,2000,12,0\n";
    }
    return csv + "Zo\xE9,1,1,2000,12,0\n"; // on the last line
}

TEST_F(CliCsvInput, AFileIsReadInOneEncodingDecidedOnItsWholeContent) {
    const std::string csv = LateWindows1252();
    const std::string path = Write("late.csv", csv);
    const std::string notice = "vexamo-cli: " + path + " is not UTF-8: read as Windows-1252\n";
    const std::string menard = "M\xC3\x83\xC2\xA9nard"; // "MÃ©nard"

    const CliResult imported = RunCliCaptured({"import", Path("a.dat"), path});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err, notice);
    const std::vector<std::string> names = Names(Path("a.dat"));
    EXPECT_NE(std::find(names.begin(), names.end(), menard), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Zo\xC3\xA9"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "M\xC3\xA9nard"), names.end());

    // import of a stream decides on the whole input too: all rows or none.
    const CliResult streamed = RunCliWith({"import", Path("b.dat"), "-"}, csv);
    EXPECT_EQ(streamed.status, 0) << streamed.err;
    EXPECT_EQ(Names(Path("b.dat")), names);

    const CliResult batch = RunCliCaptured({"batch", "--format", "jsonl", path});
    EXPECT_EQ(batch.status, 0);
    EXPECT_EQ(batch.err, notice);
    EXPECT_EQ(json::parse(batch.out.substr(0, batch.out.find('\n')))["name"], menard);
}

TEST_F(CliCsvInput, AStreamThatStopsBeingUtf8AfterNonAsciiTextIsRefusedAtThatLine) {
    const std::string csv = LateWindows1252();
    const size_t zoeLine = static_cast<size_t>(std::count(csv.begin(), csv.end(), '\n'));
    const CliResult r = RunCliWith({"batch", "--format", "jsonl"}, csv);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vexamo-cli: batch: -: line " + std::to_string(zoeLine) +
                         ": not UTF-8, but non-ASCII text before it was already read as UTF-8; "
                         "convert the input to UTF-8, or give it as a file, which is read in one "
                         "encoding\n");
    // The rows before that line were written, as read.
    EXPECT_EQ(static_cast<size_t>(std::count(r.out.begin(), r.out.end(), '\n')), zoeLine - 2);
    EXPECT_EQ(json::parse(r.out.substr(0, r.out.find('\n')))["name"], "M\xC3\xA9nard");

    // Within one read, too: the decision does not depend on where a read ends.
    const CliResult small =
        RunCliWith({"batch"}, "name,day,month,year,hour,minute\nZo\xC3\xAB,1,1,2000,12,0\n"
                              "Zo\xE9,1,1,2000,12,0\n");
    EXPECT_EQ(small.status, 1);
    EXPECT_NE(small.err.find(": -: line 3: not UTF-8,"), std::string::npos) << small.err;

    // ASCII before reads the same in both encodings: the stream goes on as Windows-1252.
    const CliResult ascii =
        RunCliWith({"batch", "--format", "jsonl"},
                   "name,day,month,year,hour,minute\nAnna,1,1,2000,12,0\nZo\xE9,1,1,2000,12,0\n");
    EXPECT_EQ(ascii.status, 0);
    EXPECT_EQ(ascii.err, "vexamo-cli: - is not UTF-8: read as Windows-1252\n");
    EXPECT_NE(ascii.out.find("\"name\":\"Zo\xC3\xA9\""), std::string::npos);
}

#ifndef _WIN32
// Reads from fd up to and with the next line feed; empty when the input ends first or nothing
// comes for long (the writer waits for this line, so that only fails when rows are held back).
std::string ReadLine(int fd, std::string& rest) {
    for (;;) {
        if (const size_t end = rest.find('\n'); end != std::string::npos) {
            std::string line = rest.substr(0, end + 1);
            rest.erase(0, end + 1);
            return line;
        }
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 20000) <= 0) {
            return {};
        }
        char buffer[4096];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return {};
        }
        rest.append(buffer, static_cast<size_t>(got));
    }
}

#endif

TEST_F(CliCsvInput, AFifoOrDevStdinStreamsEachRowAsItComes) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has neither FIFOs among its files nor /dev/stdin";
#else
    const std::string fifo = Path("rows");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const bool throughStdin : {false, true}) {
        SCOPED_TRACE(throughStdin ? "/dev/stdin" : "a FIFO");
        int toCli[2];
        int fromCli[2];
        ASSERT_EQ(::pipe(toCli), 0);
        ASSERT_EQ(::pipe(fromCli), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::dup2(toCli[0], STDIN_FILENO);
            ::dup2(fromCli[1], STDOUT_FILENO);
            ::close(toCli[1]);
            ::close(fromCli[0]);
            const char* input = throughStdin ? "/dev/stdin" : fifo.c_str();
            ::execl(VEXAMO_CLI_PATH, VEXAMO_CLI_PATH, "batch", "--format", "jsonl", input,
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(toCli[0]);
        ::close(fromCli[1]);
        const int writer = throughStdin ? toCli[1] : ::open(fifo.c_str(), O_WRONLY);
        ASSERT_GE(writer, 0);
        const std::string header = "day,month,year,hour,minute,tz\n";
        ASSERT_EQ(::write(writer, header.data(), header.size()),
                  static_cast<ssize_t>(header.size()));
        std::string rest;
        // One row at a time: its result is read before the next row is written.
        for (const std::string row :
             {"1,1,2000,12,0,1\n", "2,2,2001,6,30,-1\n", "3,3,2002,0,0,0\n"}) {
            ASSERT_EQ(::write(writer, row.data(), row.size()), static_cast<ssize_t>(row.size()));
            const std::string line = ReadLine(fromCli[0], rest);
            ASSERT_FALSE(line.empty()) << "no result for " << row << "before the input ends";
            const json result = json::parse(line);
            EXPECT_EQ(result["day"], row.substr(0, 1));
            EXPECT_EQ(result["status"], "ok");
        }
        ::close(writer);
        if (!throughStdin) {
            ::close(toCli[1]);
        }
        EXPECT_EQ(ReadLine(fromCli[0], rest), "");
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::close(fromCli[0]);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
#endif
}

TEST_F(CliCsvInput, StandardInputOpenOnlyForWritingSaysSo) {
    const int writeOnly = ::open(Path("out.txt").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(writeOnly, 0);
    const int saved = ::dup(STDIN_FILENO);
    ASSERT_EQ(::dup2(writeOnly, STDIN_FILENO), STDIN_FILENO);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"batch"}, std::vector<std::string>{"batch", "-"},
          std::vector<std::string>{"import", Path("p.dat"), "-"}}) {
        std::ostringstream out;
        std::ostringstream message;
        EXPECT_EQ(RunCli(args, out, message), 2);
        EXPECT_EQ(message.str(),
                  "vexamo-cli: cannot read standard input: it is not open for reading\n");
        EXPECT_EQ(out.str(), "");
    }
    ::dup2(saved, STDIN_FILENO);
    ::close(saved);
    ::close(writeOnly);
}

} // namespace
