// The advisory lock between processes on Windows (LockFileEx): the same wait-then-give-up rule
// as between threads, a dead holder's lock freed by the system, and no lost record when two
// processes add to one file at once.
#include <chrono>
#include <string>

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

} // namespace
