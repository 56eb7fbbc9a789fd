// The advisory lock between processes on Windows (LockFileEx): the same wait-then-give-up rule
// as between threads, a dead holder's lock freed by the system, and no lost record when two
// processes add to one file at once.
#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "records/file_lock.h"
#include "records/vexamo_doc.h"
#include "tests/windows/child_process.h"
#include "tests/windows/windows_files.h"

namespace {

using namespace std::chrono_literals;

class LockOnWindows : public WindowsFilesTest {};

TEST_F(LockOnWindows, AnotherProcessHoldingTheLockMakesTheWaitRunOutUntilItDies) {
    const std::string path = At("a.dat");
    const std::string event = "vexamo-held-" + std::to_string(::GetCurrentProcessId());
    std::wstring eventName;
    WideOfUtf8(event, eventName);
    const HANDLE held = ::CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
    ASSERT_NE(held, nullptr);
    ChildProcess holder;
    ASSERT_TRUE(holder.Start({kChildHold, path, event}));
    ASSERT_EQ(::WaitForSingleObject(held, 30000), WAIT_OBJECT_0);
    ::CloseHandle(held);

    FileLock lock;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(lock.Acquire(path, 200ms), LockStatus::kTimedOut);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 200ms);
    EXPECT_LT(waited, 5s);
    EXPECT_EQ(lock.Acquire(path, 0ms), LockStatus::kTimedOut);

    holder.Kill();
    EXPECT_EQ(lock.Acquire(path, 5s), LockStatus::kLocked);
    lock.Release();
    EXPECT_TRUE(NamesIn(Utf8OfPath(dir_)).empty());
}

TEST_F(LockOnWindows, TwoProcessesAddingRecordsAtOnceLoseNothing) {
    constexpr int kRounds = 100;
    const std::string path = At("shared.dat");
    ChildProcess first;
    ChildProcess second;
    ASSERT_TRUE(first.Start({kChildAdd, path, "first ", std::to_string(kRounds)}));
    ASSERT_TRUE(second.Start({kChildAdd, path, "second ", std::to_string(kRounds)}));
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(second.Wait(), 0);
    CVexamoDoc doc;
    DocFault error;
    ASSERT_TRUE(doc.OpenDocument(path, error));
    EXPECT_EQ(doc.m_mapDateStore.GetCount(), 2 * kRounds);
    EXPECT_EQ(NamesIn(Utf8OfPath(dir_)), std::vector<std::string>{"shared.dat"});
}

TEST_F(LockOnWindows, ThreadsOfOneProcessExcludeEachOtherToo) {
    constexpr int kRounds = 40;
    const std::string path = At("shared.dat");
    int failures[3] = {0, 0, 0};
    std::thread writers[3];
    for (int t = 0; t < 3; ++t) {
        writers[t] = std::thread([&, t] {
            for (int i = 0; i < kRounds; ++i) {
                FileLock lock;
                CVexamoDoc doc;
                DocFault error;
                const bool ok = lock.Acquire(path, 60s) == LockStatus::kLocked &&
                                (!FileIdentityOf(path).exists || doc.OpenDocument(path, error));
                doc.m_mapDateStore.SetAt("thread " + std::to_string(t) + " " + std::to_string(i),
                                         VXDateStore(2001, 9, 9, 1, 46, 40, 0, 1));
                failures[t] += ok && doc.SaveDocument(path, error, &lock) ? 0 : 1;
            }
        });
    }
    for (auto& w : writers) {
        w.join();
    }
    EXPECT_EQ(failures[0] + failures[1] + failures[2], 0);
    CVexamoDoc doc;
    DocFault error;
    ASSERT_TRUE(doc.OpenDocument(path, error));
    EXPECT_EQ(doc.m_mapDateStore.GetCount(), 3 * kRounds);
    EXPECT_EQ(NamesIn(Utf8OfPath(dir_)), std::vector<std::string>{"shared.dat"});
}

} // namespace
