// batch and export on several threads, input split into parts, a slow producer, and the
// columns that say which place and zone a row used.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "tests/cli/piped_child.h"

using json = nlohmann::json;
namespace fs = std::filesystem;

namespace {

const std::string kHeader = "name,day,month,year,hour,minute,tz,southern,const_zone\n";

// Random rows named p0, p1, ...; about one in forty refused (month 13).
std::string RandomRows(size_t count, unsigned seed) {
    std::mt19937 rng(seed);
    const auto pick = [&](int lo, int hi) {
        return std::to_string(std::uniform_int_distribution<int>(lo, hi)(rng));
    };
    std::string csv;
    for (size_t i = 0; i < count; ++i) {
        const std::string month = pick(0, 40) == "0" ? "13" : pick(1, 12);
        csv += "p" + std::to_string(i) + "," + pick(1, 28) + "," + month + "," + pick(1900, 2100) +
               "," + pick(0, 24) + "," + pick(0, 59) + "," + pick(-12, 12) + "," + pick(0, 1) +
               "," + pick(0, 1) + "\n";
    }
    return csv;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

#ifndef _WIN32
// Runs the program with its standard output to a file; returns that output.
std::string RunShell(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return out;
    }
    char buffer[1 << 14];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, n);
    }
    ::pclose(pipe);
    return out;
}
#endif

} // namespace

class BatchFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("vexamo-batchpar-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
        return Path(name);
    }
    fs::path m_dir;
};

TEST(CliBatchParallel, EveryJobCountGivesTheSingleThreadOutputInInputOrder) {
    // Several blocks and a short last one.
    const size_t rows = 9000;
    const std::string csv = kHeader + RandomRows(rows, 5);
    struct Case {
        const char* format;
        size_t headerLines;
    };
    for (const Case c : {Case{"csv", 1}, Case{"jsonl", 0}}) {
        const CliResult one = RunCliWith({"batch", "--format", c.format, "--jobs", "1"}, csv);
        EXPECT_EQ(one.status, 1) << one.err; // some rows are refused
        const std::vector<std::string> lines = Lines(one.out);
        ASSERT_EQ(lines.size(), rows + c.headerLines) << c.format;
        for (size_t i = 0; i < rows; i += 997) {
            const std::string name = "p" + std::to_string(i);
            const std::string& line = lines[i + c.headerLines];
            EXPECT_TRUE(line.starts_with(name + ",") ||
                        line.starts_with("{\"name\":\"" + name + "\""))
                << line;
        }
        for (const char* jobs : {"2", "3", "8"}) {
            const CliResult many = RunCliWith({"batch", "--format", c.format, "--jobs", jobs}, csv);
            EXPECT_EQ(many.status, one.status) << c.format << " " << jobs;
            EXPECT_TRUE(many.out == one.out) << c.format << " --jobs " << jobs;
        }
    }
    EXPECT_EQ(RunCliWith({"batch", "--jobs", "0"}, csv).status, 2);
}

TEST_F(BatchFiles, ExportOnEveryJobCountEqualsOneThread) {
    const std::string store = Path("p.dat");
    const std::string rows = RandomRows(20000, 9);
    ASSERT_EQ(RunCliWith({"import", store, "-"}, kHeader + rows).status, 0);
    for (const char* format : {"tsv", "csv", "jsonl"}) {
        const CliResult one = RunCliCaptured({"export", store, "--format", format, "--jobs", "1"});
        ASSERT_EQ(one.status, 0) << one.err;
        EXPECT_EQ(Lines(one.out).size(), 20000u + (std::string(format) == "jsonl" ? 0 : 1));
        for (const char* jobs : {"2", "5"}) {
            const CliResult many =
                RunCliCaptured({"export", store, "--format", format, "--jobs", jobs});
            EXPECT_TRUE(many.out == one.out) << format << " --jobs " << jobs;
        }
    }
}

TEST_F(BatchFiles, SplitPartsWithoutHeaderJoinToOneRun) {
    const std::string rows = RandomRows(3000, 11);
    const std::string whole = RunCliWith({"batch"}, kHeader + rows).out;
    const std::string bare = RunCliWith({"batch", "--no-header"}, kHeader + rows).out;
    ASSERT_FALSE(bare.empty());
    EXPECT_EQ(whole, whole.substr(0, whole.find('\n') + 1) + bare);
    // Parts cut at line ends, each with the input's header, evaluated on their own.
    std::vector<std::string> lines = Lines(rows);
    std::string joined;
    for (size_t begin : {0, 1, 1234, 2999}) {
        const size_t end = begin == 0 ? 1 : begin == 1 ? 1234 : begin == 1234 ? 2999 : 3000;
        std::string part = kHeader;
        for (size_t i = begin; i < end; ++i) {
            part += lines[i] + "\n";
        }
        for (const char* format : {"csv"}) {
            joined += RunCliWith({"batch", "--no-header", "--format", format}, part).out;
        }
    }
    EXPECT_TRUE(joined == bare);
#ifndef _WIN32 // GNU parallel, a POSIX shell's tool
    // The same through GNU parallel, where it is installed.
    if (std::system("command -v parallel >/dev/null 2>&1") == 0) {
        const std::string input = Write("in.csv", kHeader + rows);
        const std::string out = RunShell("parallel --will-cite --pipe --header : --keep-order "
                                         "--block 20k " VEXAMO_CLI_PATH " batch --no-header < " +
                                         input);
        // The program on its own speaks the user's language in the error column, as the parts do.
        const std::string one = RunShell(VEXAMO_CLI_PATH " batch --no-header < " + input);
        EXPECT_TRUE(out == one) << out.size() << " bytes against " << one.size();
    }
#endif
}

TEST(CliBatchParallel, SlowProducerSeesEachRowWithinASecond) {
    PipedChild cli;
    ASSERT_TRUE(cli.Start(CliProgram(), {"batch", "--format", "jsonl"}));
    ASSERT_TRUE(cli.Write("day,month,year,hour,minute,tz\n"));
    // Each row is written and then the producer waits: its result must come meanwhile.
    std::string rest;
    for (const std::string row : {"1,1,2000,12,0,1\n", "2,2,2001,6,30,-1\n"}) {
        ASSERT_TRUE(cli.Write(row));
        const std::string got = cli.ReadLine(rest, 1000);
        EXPECT_NE(got.find("\"status\":\"ok\""), std::string::npos) << "row " << row;
    }
    cli.CloseInput();
    EXPECT_EQ(cli.ReadLine(rest, 20000), "");
    EXPECT_EQ(cli.Wait(), 0);
}

TEST(CliBatchParallel, ResolvedColumnsAndRoundSayWhatARowUsed) {
    struct Case {
        const char* row; // zone,place,tz,round
        std::vector<std::string> options;
        const char* status;
        const char* zone;
        json offset;
        bool placeNamed;
    };
    const Case cases[] = {
        {"Europe/Berlin,,,", {}, "ok", "Europe/Berlin", 60, false},
        {"Europe/Berlin,,,", {}, "ok", "Europe/Berlin", 60, false},
        {",Paris,,", {}, "ok", "Europe/Paris", 60, true},
        {",,-1,", {}, "ok", "", nullptr, false},
        {"Asia/Kolkata,,,", {}, "error", "", nullptr, false},
        {"Asia/Kolkata,,,1", {}, "ok", "Asia/Kolkata", 330, false},
        {"Asia/Kolkata,,,", {"--round"}, "ok", "Asia/Kolkata", 330, false},
        {"Asia/Kolkata,,,0", {"--round"}, "error", "", nullptr, false},
        {"Asia/Kolkata,,,2", {}, "error", "", nullptr, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"batch", "--format", "jsonl"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r =
            RunCliWith(args, std::string("day,month,year,hour,minute,zone,place,tz,round\n"
                                         "15,1,2000,12,0,") +
                                 c.row + "\n");
        ASSERT_FALSE(r.out.empty()) << r.err;
        const json row = json::parse(r.out);
        EXPECT_EQ(row["status"], c.status) << c.row;
        if (std::string(c.status) != "ok") {
            continue;
        }
        EXPECT_EQ(row["resolved_zone"], c.zone) << c.row;
        EXPECT_EQ(row["utc_offset_minutes"], c.offset) << c.row;
        EXPECT_EQ(row["resolved_place"].get<std::string>().empty(), !c.placeNamed) << c.row;
    }
    // CSV: the three columns stand before status and error.
    const CliResult csv = RunCliWith(
        {"batch", "--round"}, "day,month,year,hour,minute,zone\n15,1,2000,12,0,Asia/Kolkata\n");
    const std::vector<std::string> lines = Lines(csv.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(
        lines[0].ends_with(",resolved_place,resolved_zone,utc_offset_minutes,status,error\r"));
    EXPECT_TRUE(lines[1].ends_with(",,Asia/Kolkata,330,ok,\r")) << lines[1];
}
