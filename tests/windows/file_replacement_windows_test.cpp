// The Windows side of replacing a file: what is kept of the replaced file, what stops a save,
// and what a save killed midway leaves.
#include <chrono>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "records/file_io.h"
#include "records/native_file.h"
#include "records/side_files.h"
#include "tests/windows/child_process.h"
#include "tests/windows/windows_files.h"

namespace {

using namespace std::chrono_literals;

class ReplaceOnWindows : public WindowsFilesTest {};

TEST_F(ReplaceOnWindows, TheReplacedFilesAttributesStayAndTheLockFileIsHidden) {
    WriteAll(At("a.dat"), "old");
    ASSERT_TRUE(SetAttributes(At("a.dat"), FILE_ATTRIBUTE_HIDDEN));
    FileReplacement file;
    FileFault fault;
    ASSERT_TRUE(file.Open(At("a.dat"), fault));
    EXPECT_NE(AttributesOf(LockFilePath(At("a.dat"))) & FILE_ATTRIBUTE_HIDDEN, 0u);
    file.Write("new");
    ASSERT_TRUE(file.Commit(fault));
    EXPECT_EQ(ReadAll(At("a.dat")), "new");
    EXPECT_NE(AttributesOf(At("a.dat")) & FILE_ATTRIBUTE_HIDDEN, 0u);
    // A new file is not hidden like the side files.
    ASSERT_TRUE(WriteFileAtomically(At("b.dat"), "b", fault));
    EXPECT_EQ(AttributesOf(At("b.dat")) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(NamesIn(Utf8OfPath(dir_)), (std::vector<std::string>{"a.dat", "b.dat"}));
}

TEST_F(ReplaceOnWindows, TheReadOnlyAttributeProtectsAFile) {
    WriteAll(At("a.dat"), "old");
    ASSERT_TRUE(SetAttributes(At("a.dat"), FILE_ATTRIBUTE_READONLY));
    FileFault fault;
    EXPECT_FALSE(WriteFileAtomically(At("a.dat"), "new", fault));
    EXPECT_EQ(fault.kind, FileFault::WriteProtected);
    SetAttributes(At("a.dat"), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadAll(At("a.dat")), "old");
    EXPECT_EQ(NamesIn(Utf8OfPath(dir_)), std::vector<std::string>{"a.dat"});
}

TEST_F(ReplaceOnWindows, ASaveWaitsForAReaderToLetGoButNotForever) {
    WriteAll(At("a.dat"), "old");
    int err = 0;
    NativeFile reader = OpenForReading(At("a.dat"), err);
    ASSERT_TRUE(reader.IsOpen()) << err;
    std::thread letGo([&] {
        std::this_thread::sleep_for(300ms);
        reader.Close();
    });
    FileFault fault;
    EXPECT_TRUE(WriteFileAtomically(At("a.dat"), "new", fault)) << fault.errnoValue;
    letGo.join();
    EXPECT_EQ(ReadAll(At("a.dat")), "new");

    // A program that keeps it open for longer: the save fails, and leaves everything as it was.
    std::wstring wide;
    WideOfUtf8(At("a.dat"), wide);
    const HANDLE keeping = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(keeping, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteFileAtomically(At("a.dat"), "newer", fault));
    EXPECT_EQ(fault.kind, FileFault::Errno);
    EXPECT_EQ(fault.errnoValue, EACCES);
    ::CloseHandle(keeping);
    EXPECT_EQ(ReadAll(At("a.dat")), "new");
    EXPECT_EQ(NamesIn(Utf8OfPath(dir_)), std::vector<std::string>{"a.dat"});
}

TEST_F(ReplaceOnWindows, ASaverKilledAnywhereLeavesTheOldFileOrTheNew) {
    const std::string path = At("a.dat");
    FileFault fault;
    ASSERT_TRUE(WriteFileAtomically(path, SavedContent(1), fault));
    std::mt19937 random(5);
    std::uniform_int_distribution<int> delay(1, 40);
    for (int kill = 0; kill < 12; ++kill) {
        ChildProcess saver;
        ASSERT_TRUE(saver.Start({kChildSaves, path}));
        std::this_thread::sleep_for(std::chrono::milliseconds(delay(random)));
        saver.Kill();
        const std::string bytes = ReadAll(path);
        ASSERT_TRUE(bytes == SavedContent(0) || bytes == SavedContent(1)) << "kill " << kill;
    }
    // The next save takes over the dead saver's lock and removes its temporary files.
    ASSERT_TRUE(WriteFileAtomically(path, "last", fault)) << fault.errnoValue;
    EXPECT_EQ(ReadAll(path), "last");
    EXPECT_EQ(NamesIn(Utf8OfPath(dir_)), std::vector<std::string>{"a.dat"});
}

} // namespace
