// vexamo-cli under a file size limit (ulimit -f): a save that would exceed it is refused with
// the reason, exit status 1, the original intact and nothing left beside it; the program is
// not killed by the limit's signal.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cli_runner.h"
#ifdef _WIN32
TEST(FileSizeLimit, NotOnWindows) {
    GTEST_SKIP() << "a process is given a file size limit through setrlimit (ulimit -f), which "
                    "Windows lacks";
}
#else
#include "tests/cli/limited_child.h"

namespace {

constexpr rlim_t kLimit = 64 * 1024;

class FileSizeLimit : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("vexamo-fsize-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        std::ofstream csv(Path("many.csv"));
        csv << "name,day,month,year,hour,minute,tz\n";
        for (int i = 0; i < 3000; ++i) {
            csv << "Person " << i << ",1,1,2000,12,0,1\n";
        }
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(m_dir)) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    LimitedRun Limited(const std::vector<std::string>& args, const std::string& out = "/dev/null") {
        return RunLimitedChild(VEXAMO_CLI_PROGRAM, args,
                               {{{RLIMIT_FSIZE, kLimit}},
                                (std::filesystem::temp_directory_path() /
                                 ("vexamo-fsize-err-" + std::to_string(::getpid())))
                                    .string(),
                                out});
    }

    std::filesystem::path m_dir;
};

TEST_F(FileSizeLimit, ARecordFileSaveBeyondTheLimitIsRefusedAndLeavesTheOriginal) {
    // A record file larger than the limit: it is read, but no save of it can be written.
    ASSERT_EQ(RunCliCaptured({"import", Path("big.dat"), Path("many.csv")}).status, 0);
    ASSERT_GT(std::filesystem::file_size(Path("big.dat")), kLimit);
    const std::string before = Read(Path("big.dat"));
    struct Case {
        const char* title;
        std::vector<std::string> args;
        const char* file;
    };
    const Case cases[] = {
        {"add", {"add", Path("big.dat"), "Someone else", "1", "1", "2000", "0", "0"}, "big.dat"},
        {"import", {"import", Path("new.dat"), Path("many.csv")}, "new.dat"},
        {"remove", {"remove", Path("big.dat"), "Person 1"}, "big.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const LimitedRun run = Limited(c.args);
        ASSERT_TRUE(run.exited) << "ended by signal " << run.status;
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, std::string("vexamo-cli: The file \u201C") + Path(c.file) +
                               "\u201D cannot be saved: the file would exceed the size limit.\n");
        EXPECT_EQ(Read(Path("big.dat")), before);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"big.dat", "many.csv"}));
    }
}

TEST_F(FileSizeLimit, StandardOutputIntoAFileBeyondTheLimitSaysWhy) {
    ASSERT_EQ(RunCliCaptured({"import", Path("big.dat"), Path("many.csv")}).status, 0);
    const LimitedRun run = Limited({"export", Path("big.dat")}, Path("export.txt"));
    ASSERT_TRUE(run.exited) << "ended by signal " << run.status;
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vexamo-cli: The output cannot be written: the file would exceed the size "
                       "limit.\n");
}

} // namespace
#endif
