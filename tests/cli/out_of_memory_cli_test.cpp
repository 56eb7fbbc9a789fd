// vexamo-cli under an address-space limit: running out of memory anywhere in a command ends in
// the out-of-memory message and exit status 1, never in an abort.
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cli_runner.h"
#ifdef _WIN32
TEST(CliOutOfMemory, NotOnWindows) {
    GTEST_SKIP()
        << "a process is given an address-space limit through setrlimit, which Windows lacks";
}
#else
#include "tests/cli/limited_child.h"
#include "tests/sanitizer.h"

namespace {

// Runs vexamo-cli with its address space limited to limitMiB, standard output discarded.
LimitedRun RunLimited(const std::vector<std::string>& args, size_t limitMiB,
                      const std::string& errPath) {
    return RunLimitedChild(VEXAMO_CLI_PROGRAM, args,
                           {{{RLIMIT_AS, static_cast<rlim_t>(limitMiB) << 20}}, errPath});
}

TEST(CliOutOfMemory, EveryLimitEndsCleanly) {
#ifdef VEXAMO_UNDER_ASAN
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
#endif
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vexamo-oom-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string csv = (dir / "many.csv").string();
    const std::string dat = (dir / "many.dat").string();
    {
        std::ofstream out(csv);
        out << "name,day,month,year,hour,minute,tz\n";
        for (int i = 0; i < 200000; ++i) {
            out << "Person " << i << ",1,1,2000,12,0,1\n";
        }
    }
    ASSERT_EQ(RunCliCaptured({"import", dat, csv}).status, 0);

    const std::vector<std::vector<std::string>> commands = {
        {"list", "--json", dat},
        {"list", dat},
        {"export", dat, "--format", "jsonl"},
    };
    int refused = 0;
    for (const auto& args : commands) {
        for (size_t limit = 24; limit <= 96; limit += 12) {
            const LimitedRun r = RunLimited(args, limit, (dir / "err.txt").string());
            if (r.exited && r.status == 127 &&
                r.err.find("error while loading shared libraries") != std::string::npos) {
                continue; // the limit is below what the libraries need before the program starts
            }
            ASSERT_TRUE(r.exited) << args[0] << " at " << limit << " MiB: signal " << r.status;
            ASSERT_TRUE(r.status == 0 || r.status == 1) << limit << ": " << r.status << r.err;
            if (r.status == 1) {
                ++refused;
                EXPECT_EQ(r.err.rfind("vexamo-cli: ", 0), 0u) << r.err;
            }
        }
    }
    // The limits reach low enough that some runs do run out.
    EXPECT_GT(refused, 0);
    std::filesystem::remove_all(dir);
}

} // namespace
#endif
