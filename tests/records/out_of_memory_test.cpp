// Running out of memory while loading or saving is reported as a failure with its own code;
// the program goes on (no abort, no core dump). Each case runs in a fresh helper process
// whose address space is limited (a fresh one, so that memory that this test process has
// freed but kept mapped cannot stand in for the limit).
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "tests/records/temp_dir.h"

#include "records/archive.h"
#include "records/record_image.h"
#include "records/vexamo_doc.h"
#include "tests/sanitizer.h"

namespace {

// Runs the probe with arguments; its exit status, or -signal when a signal ended it.
int RunProbe(std::vector<std::string> args) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1000;
    }
    if (child == 0) {
        if (std::freopen("/dev/null", "w", stdout) == nullptr) {
            ::_exit(127);
        }
        std::vector<char*> argv;
        args.emplace(args.begin(), VEXAMO_OOM_PROBE);
        for (auto& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        ::execv(VEXAMO_OOM_PROBE, argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) {
        return -1000;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

} // namespace

class OutOfMemory : public TempDirTest {
  protected:
    void SetUp() override {
#ifdef VEXAMO_UNDER_ASAN
        GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
#endif
        TempDirTest::SetUp();
    }
};

TEST_F(OutOfMemory, FileLargerThanTheMemoryIsRefusedWithACode) {
    const std::string path = Path("huge.dat");
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t{3} << 30), 0); // 3 GiB, sparse
    ::close(fd);
    EXPECT_EQ(RunProbe({"load", path, "256"}), 0);
}

TEST_F(OutOfMemory, StoreThatOutgrowsTheMemoryWhileLoadingIsRefusedWithACode) {
    // 400000 records of short names: a 17 MB file, a store of several times that.
    constexpr uint32_t kCount = 400000;
    ArchiveWriter ar;
    ar.WriteCount(kCount);
    for (uint32_t i = 0; i < kCount; ++i) {
        ar.WriteString("n" + std::to_string(i));
        WriteRecordImage(ar, VXDateStore(2000, 1, 1, 0, 0, 0, 0, 0));
    }
    WriteAll(Path("many.dat"), ar.Bytes());
    // Room for the file's bytes, not for the store built from them.
    EXPECT_EQ(RunProbe({"load", Path("many.dat"), "24"}), 0);
    // With room enough, the same file loads: the limit, not the file, is the cause.
    CVexamoDoc doc;
    DocFault error;
    ASSERT_TRUE(doc.OpenDocument(Path("many.dat"), error)) << error.file.errnoValue;
    EXPECT_EQ(doc.m_mapDateStore.GetCount(), static_cast<int>(kCount));
}

TEST_F(OutOfMemory, SaveWithoutMemoryForTheFileImageKeepsTheOldFile) {
    CVexamoDoc doc;
    DocFault error;
    doc.m_mapDateStore.SetAt("old", VXDateStore());
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    const std::string before = ReadAll(Path("a.dat"));
    // 300000 records of 66-byte names: a file image of about 30 MB.
    EXPECT_EQ(RunProbe({"save", Path("a.dat"), "300000", "8"}), 0);
    EXPECT_TRUE(ReadAll(Path("a.dat")) == before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"a.dat"});
}
