// Writers that load, add a record and save the same file at the same time, as two
// vexamo-cli add runs (or the desktop program and vexamo-cli) do, must not lose records.
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/records/temp_dir.h"

#include "records/file_lock.h"
#include "records/vexamo_doc.h"

using namespace std::chrono_literals;

namespace {

// One load-add-save under the lock; false on any failure.
bool AddUnderLock(const std::string& path, const std::string& name) {
    FileLock lock;
    if (lock.Acquire(path, 60s) != LockStatus::kLocked) {
        return false;
    }
    CVexamoDoc doc;
    DocFault error;
    if (::access(path.c_str(), F_OK) == 0 && !doc.OpenDocument(path, error)) {
        return false;
    }
    doc.m_mapDateStore.SetAt(name, VXDateStore(1990, 5, 17, 6, 30, 0, 0, 1));
    return doc.SaveDocument(path, error, &lock);
}

int AddRounds(const std::string& path, const std::string& writer, int rounds) {
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        failures += AddUnderLock(path, writer + std::to_string(i)) ? 0 : 1;
    }
    return failures;
}

int CountIn(const std::string& path) {
    CVexamoDoc doc;
    DocFault error;
    return doc.OpenDocument(path, error) ? doc.m_mapDateStore.GetCount() : -1;
}

} // namespace

class ConcurrentWriters : public TempDirTest {};

TEST_F(ConcurrentWriters, TwoProcessesAddingTwoHundredRecordsEachLoseNothing) {
    constexpr int kRounds = 200;
    const std::string path = Path("shared.dat");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::_exit(AddRounds(path, "child ", kRounds) == 0 ? 0 : 1);
    }
    const int parentFailures = AddRounds(path, "parent ", kRounds);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(parentFailures, 0);
    EXPECT_EQ(CountIn(path), 2 * kRounds);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"shared.dat"});
}

TEST_F(ConcurrentWriters, ThreadsOfOneProcessExcludeEachOtherToo) {
    constexpr int kRounds = 60;
    const std::string path = Path("shared.dat");
    int failures[3] = {0, 0, 0};
    std::thread writers[3];
    for (int t = 0; t < 3; ++t) {
        writers[t] = std::thread([&, t] {
            failures[t] = AddRounds(path, "thread " + std::to_string(t) + " ", kRounds);
        });
    }
    for (auto& w : writers) {
        w.join();
    }
    EXPECT_EQ(failures[0] + failures[1] + failures[2], 0);
    EXPECT_EQ(CountIn(path), 3 * kRounds);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"shared.dat"});
}
