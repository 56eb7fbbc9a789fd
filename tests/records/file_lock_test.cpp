#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include "tests/records/temp_dir.h"

#include "records/file_io.h"
#include "records/file_lock.h"
#include "records/side_files.h"
#include "records/vexamo_doc.h"

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class FileLockTest : public TempDirTest {};

TEST_F(FileLockTest, FileThatDoesNotExistCanBeLockedAndNothingStaysBehind) {
    FileLock lock;
    ASSERT_EQ(lock.Acquire(Path("new.dat")), LockStatus::kLocked);
    EXPECT_TRUE(lock.IsHeld());
    EXPECT_FALSE(fs::exists(Path("new.dat"))); // no empty, unreadable record file
    EXPECT_TRUE(fs::exists(LockFilePath(Path("new.dat"))));
    lock.Release();
    EXPECT_FALSE(lock.IsHeld());
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(FileLockTest, SecondWriterGivesUpAfterTheBoundedWait) {
    FileLock first;
    ASSERT_EQ(first.Acquire(Path("a.dat")), LockStatus::kLocked);
    FileLock second;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(second.Acquire(Path("a.dat"), 150ms), LockStatus::kTimedOut);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 150ms);
    EXPECT_LT(waited, 5s);
    EXPECT_FALSE(second.IsHeld());
    EXPECT_EQ(second.Acquire(Path("a.dat"), 0ms), LockStatus::kTimedOut); // a single try
    // Other files are not affected.
    EXPECT_EQ(second.Acquire(Path("b.dat"), 0ms), LockStatus::kLocked);
    first.Release();
    EXPECT_EQ(second.Acquire(Path("a.dat"), 0ms), LockStatus::kLocked);
}

TEST_F(FileLockTest, WaiterGetsTheLockWhenTheHolderLetsGo) {
    auto holder = std::make_unique<FileLock>();
    ASSERT_EQ(holder->Acquire(Path("a.dat")), LockStatus::kLocked);
    std::atomic<bool> released{false};
    std::atomic<bool> acquiredEarly{false};
    LockStatus status = LockStatus::kFailed;
    std::thread waiter([&] {
        FileLock lock;
        status = lock.Acquire(Path("a.dat"), 10s);
        acquiredEarly = !released;
    });
    std::this_thread::sleep_for(100ms);
    released = true;
    holder.reset(); // the destructor lets go and removes the lock file
    waiter.join();
    EXPECT_EQ(status, LockStatus::kLocked);
    EXPECT_FALSE(acquiredEarly);
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(FileLockTest, LockFileLeftByADeadHolderIsTakenOver) {
    const std::string lockPath = LockFilePath(Path("a.dat"));
    WriteAll(lockPath, "");
    FileLock lock;
    EXPECT_EQ(lock.Acquire(Path("a.dat"), 0ms), LockStatus::kLocked);
    lock.Release();
    EXPECT_FALSE(fs::exists(lockPath));
}

#ifndef _WIN32 // symbolic links
TEST_F(FileLockTest, CoversEverySpellingOfTheSameFileAndNoOther) {
    WriteAll(Path("a.dat"), "x");
    fs::create_symlink(Path("a.dat"), Path("link.dat"));
    FileLock lock;
    ASSERT_EQ(lock.Acquire(Path("link.dat")), LockStatus::kLocked);
    EXPECT_TRUE(lock.Covers(Path("a.dat")));
    EXPECT_TRUE(lock.Covers(Path("link.dat")));
    EXPECT_TRUE(lock.Covers((dir_ / "." / "a.dat").string()));
    EXPECT_FALSE(lock.Covers(Path("b.dat")));
    FileLock moved = std::move(lock);
    EXPECT_FALSE(lock.IsHeld());
    EXPECT_TRUE(moved.Covers(Path("a.dat")));
    moved.Release();
    EXPECT_FALSE(moved.Covers(Path("a.dat")));
}
#endif

TEST_F(FileLockTest, SaveWaitsForAnotherWriterAndFailsWithACodeLeavingTheFileIntact) {
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("first", VXDateStore(2000, 1, 1, 0, 0, 0, 0, 0));
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    const std::string before = ReadAll(Path("a.dat"));

    FileLock other;
    ASSERT_EQ(other.Acquire(Path("a.dat")), LockStatus::kLocked);
    FileFault reason;
    SaveOptions options;
    options.lockTimeout = 100ms;
    EXPECT_FALSE(WriteFileAtomically(Path("a.dat"), "changed", reason, options));
    EXPECT_EQ(reason.kind, FileFault::LockTimedOut);
    EXPECT_EQ(ReadAll(Path("a.dat")), before);

    // A lock on another file is no excuse either.
    FileLock unrelated;
    ASSERT_EQ(unrelated.Acquire(Path("b.dat")), LockStatus::kLocked);
    options.heldLock = &unrelated;
    EXPECT_FALSE(WriteFileAtomically(Path("a.dat"), "changed", reason, options));
    EXPECT_EQ(reason.kind, FileFault::LockTimedOut);

    // The holder itself saves under the lock it holds.
    doc.m_mapDateStore.SetAt("second", VXDateStore());
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error, &other)) << error.file.errnoValue;
    EXPECT_EQ(error.file.kind, FileFault::None);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(other.IsHeld());
    EXPECT_NE(ReadAll(Path("a.dat")), before);
}

#ifndef _WIN32 // folder permissions
TEST_F(FileLockTest, FolderWithoutWritePermissionFailsWithTheSystemsReason) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "a read-only folder does not stop the superuser";
    }
    fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
    FileLock lock;
    EXPECT_EQ(lock.Acquire(Path("a.dat")), LockStatus::kFailed);
    EXPECT_EQ(lock.ErrorNumber(), EACCES);
    EXPECT_FALSE(lock.IsHeld());
}
#endif
