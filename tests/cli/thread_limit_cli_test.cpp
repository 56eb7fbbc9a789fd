// vexamo-cli with fewer threads or less memory than it asks for: export and batch write the same
// bytes as on one thread and exit 0, whatever threads and memory the system gives.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"
#ifdef _WIN32
TEST(ThreadLimitCli, NotOnWindows) {
    GTEST_SKIP() << "threads and address space are limited through setrlimit, which Windows lacks";
}
#else
#include "tests/cli/limited_child.h"

namespace {

struct Limits {
    rlim_t processes = RLIM_INFINITY; // threads count as processes
    size_t spaceMiB = 0;              // 0: no address-space limit
};

struct ChildRun {
    int status = -1; // the exit status, or 128 + the signal
    std::string out;
    std::string err;
};

// Runs vexamo-cli in a child under the limits.
ChildRun RunUnder(const std::vector<std::string>& args, const Limits& limits,
                  const std::filesystem::path& dir) {
    ChildSetup setup{{}, (dir / "err.txt").string(), (dir / "out.txt").string()};
    if (limits.processes != RLIM_INFINITY) {
        setup.limits.push_back({RLIMIT_NPROC, limits.processes});
    }
    if (limits.spaceMiB != 0) {
        setup.limits.push_back({RLIMIT_AS, static_cast<rlim_t>(limits.spaceMiB) << 20});
    }
    const LimitedRun r = RunLimitedChild(VEXAMO_CLI_PROGRAM, args, setup);
    return ChildRun{r.ShellStatus(), r.out, r.err};
}

// A record file and a batch input of enough rows for several blocks and a head start, in a
// folder every user may read.
class ThreadLimitCli : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_dir = std::filesystem::temp_directory_path() /
                ("vexamo-threads-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(s_dir);
        std::filesystem::permissions(s_dir, std::filesystem::perms::all);
        s_csv = (s_dir / "people.csv").string();
        s_dat = (s_dir / "people.dat").string();
        {
            std::ofstream out(s_csv);
            out << "name,day,month,year,hour,minute,tz\n";
            for (int i = 0; i < 12000; ++i) {
                out << "Person " << i << ',' << 1 + i % 28 << ',' << 1 + i / 28 % 12 << ','
                    << 1900 + i / 336 % 200 << ',' << i % 24 << ',' << i % 60 << ',' << i % 25 - 12
                    << '\n';
            }
        }
        ASSERT_EQ(RunCliCaptured({"import", s_dat, s_csv}).status, 0);
        std::filesystem::permissions(s_dat, std::filesystem::perms::owner_all |
                                                std::filesystem::perms::others_read |
                                                std::filesystem::perms::group_read);
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(s_dir); }

    // The command's output on one thread, without limits.
    static std::string OnOneThread(std::vector<std::string> args) {
        args.insert(args.end(), {"--jobs", "1"});
        const ChildRun r = RunUnder(args, {}, s_dir);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }

    static std::vector<std::vector<std::string>> Commands() {
        return {{"export", s_dat},
                {"export", s_dat, "--format", "csv"},
                {"export", s_dat, "--format", "jsonl"},
                {"batch", s_csv}};
    }

    static std::filesystem::path s_dir;
    static std::string s_csv;
    static std::string s_dat;
};

std::filesystem::path ThreadLimitCli::s_dir;
std::string ThreadLimitCli::s_csv;
std::string ThreadLimitCli::s_dat;

TEST_F(ThreadLimitCli, FewerThreadsThanAskedForWriteTheSameBytes) {
    for (const auto& command : Commands()) {
        const std::string expected = OnOneThread(command);
        ASSERT_FALSE(expected.empty());
        for (const rlim_t processes : {rlim_t{1}, rlim_t{2}, rlim_t{3}, RLIM_INFINITY}) {
            for (const char* jobs : {"2", "4", "256"}) {
                std::vector<std::string> args = command;
                args.insert(args.end(), {"--jobs", jobs});
                const ChildRun r = RunUnder(args, {processes, 0}, s_dir);
                const std::string what = command[0] + " " + command.back() + ", --jobs " + jobs +
                                         ", " + std::to_string(processes) + " processes";
                ASSERT_EQ(r.status, 0) << what << ": " << r.err;
                ASSERT_TRUE(r.out == expected) << what;
                EXPECT_EQ(r.err, "") << what;
            }
        }
    }
}

// Under the lowest address-space limit at which one thread does the work, any number of threads
// does it too: the head start and the helpers take only what the work can spare.
TEST_F(ThreadLimitCli, WhereOneThreadHasTheMemoryAnyNumberHas) {
#ifdef VEXAMO_UNDER_ASAN
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
#endif
    for (const auto& command : {Commands()[0], Commands()[3]}) {
        const std::string expected = OnOneThread(command);
        std::vector<std::string> one = command;
        one.insert(one.end(), {"--jobs", "1"});
        // The lowest limit in MiB at which one thread succeeds, by halving.
        size_t fails = 8;
        size_t works = 512;
        ASSERT_EQ(RunUnder(one, {RLIM_INFINITY, works}, s_dir).status, 0);
        while (works - fails > 1) {
            const size_t mid = (fails + works) / 2;
            (RunUnder(one, {RLIM_INFINITY, mid}, s_dir).status == 0 ? works : fails) = mid;
        }
        for (const size_t extra : {0, 1, 3, 8, 20}) {
            for (const char* jobs : {"2", "3", "256"}) {
                std::vector<std::string> args = command;
                args.insert(args.end(), {"--jobs", jobs});
                const ChildRun r = RunUnder(args, {RLIM_INFINITY, works + extra}, s_dir);
                const std::string what = command[0] + ", --jobs " + jobs + " under " +
                                         std::to_string(works + extra) + " MiB";
                ASSERT_EQ(r.status, 0) << what << ": " << r.err;
                ASSERT_TRUE(r.out == expected) << what;
            }
        }
    }
}

} // namespace
#endif
