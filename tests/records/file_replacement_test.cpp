// FileReplacement: what is replaced, what is written into, what is refused, and what an
// interrupted save leaves behind.
#include <algorithm>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include "records/file_io.h"
#include "records/file_replacement.h"
#include "records/side_files.h"
#ifndef _WIN32
#include "tests/records/fifo_reader.h"
#endif
#include "tests/records/temp_dir.h"

namespace {

class FileReplacementTest : public TempDirTest {
#ifndef _WIN32
  protected:
    static bool IsFifo(const std::string& path) {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
    }
#endif
};

#ifndef _WIN32 // named pipes, devices and sockets in the file system

TEST_F(FileReplacementTest, ANamedPipeIsWrittenIntoOrRefusedButNeverReplaced) {
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(Path("pipe").c_str(), Path("link").c_str()), 0);
    const std::string bytes(200000, 'p'); // more than a pipe holds at once
    struct Case {
        const char* path;
        bool intoDevices;
    };
    for (const Case c : {Case{"pipe", true}, Case{"link", true}, Case{"pipe", false}}) {
        SCOPED_TRACE(std::string(c.path) + (c.intoDevices ? " into devices" : " files only"));
        SaveOptions options;
        options.intoDevices = c.intoDevices;
        FifoReader reader(Path("pipe"));
        FileFault fault;
        const bool saved = WriteFileAtomically(Path(c.path), bytes, fault, options);
        const std::string got = reader.Finish();
        EXPECT_EQ(saved, c.intoDevices);
        EXPECT_EQ(got, c.intoDevices ? bytes : std::string());
        if (!c.intoDevices) {
            EXPECT_EQ(fault.kind, FileFault::NotRegularFile);
        }
        EXPECT_TRUE(IsFifo(Path("pipe")));
        auto entries = FolderEntries();
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<std::string>{"link", "pipe"}));
    }
}

TEST_F(FileReplacementTest, ADeviceIsWrittenIntoWithoutSideFiles) {
    ASSERT_EQ(::symlink("/dev/null", Path("null").c_str()), 0);
    SaveOptions options;
    options.intoDevices = true;
    FileReplacement file;
    FileFault fault;
    ASSERT_TRUE(file.Open(Path("null"), fault, options));
    EXPECT_TRUE(file.IsDirect());
    EXPECT_TRUE(file.Write("bytes"));
    EXPECT_TRUE(file.Commit(fault));
    struct stat st {};
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"null"});
}

TEST_F(FileReplacementTest, AFolderAndASocketAreRefusedEitherWay) {
    std::filesystem::create_directory(Path("folder"));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = Path("socket");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    for (const bool intoDevices : {false, true}) {
        SaveOptions options;
        options.intoDevices = intoDevices;
        FileFault fault;
        EXPECT_FALSE(WriteFileAtomically(Path("folder"), "x", fault, options));
        EXPECT_EQ(fault.kind, FileFault::Errno);
        EXPECT_EQ(fault.errnoValue, EISDIR);
        EXPECT_FALSE(WriteFileAtomically(socketPath, "x", fault, options));
        EXPECT_EQ(fault.kind, FileFault::NotRegularFile);
    }
    ::close(sock);
    struct stat st {};
    ASSERT_EQ(::lstat(socketPath.c_str(), &st), 0);
    EXPECT_TRUE(S_ISSOCK(st.st_mode));
    EXPECT_EQ(FolderEntries().size(), 2u);
}

#endif

TEST_F(FileReplacementTest, PiecesReplaceTheFileOnlyWhenCommitted) {
    WriteAll(Path("a.pdf"), "old");
    {
        FileReplacement file;
        FileFault fault;
        ASSERT_TRUE(file.Open(Path("a.pdf"), fault));
        EXPECT_FALSE(file.IsDirect());
        file.Write("new ");
        file.Write("content");
        EXPECT_EQ(ReadAll(Path("a.pdf")), "old");
        EXPECT_EQ(FolderEntries().size(), 3u); // the file, the temporary file, the lock file
        file.Cancel();
        EXPECT_EQ(ReadAll(Path("a.pdf")), "old");
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"a.pdf"});
    }
    FileReplacement file;
    FileFault fault;
    ASSERT_TRUE(file.Open(Path("a.pdf"), fault));
    file.Write("new ");
    file.Write("content");
    ASSERT_TRUE(file.Commit(fault));
    EXPECT_EQ(ReadAll(Path("a.pdf")), "new content");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"a.pdf"});
}

TEST_F(FileReplacementTest, WhatAnInterruptedSaveLeftIsRemovedUnlessASaveIsUnderWay) {
    const std::string target = Path("out.png");
    const std::string temp = Path(SideFileStem(target) + "-0badf00d");
    const std::string otherTemp = Path(SideFileStem(Path("other.png")) + "-0badf00d");
    auto leaveBehind = [&] {
        WriteAll(target, "kept");
        WriteAll(temp, "half");
        WriteAll(LockFilePath(target), "");
        WriteAll(otherTemp, "not ours");
    };

    leaveBehind();
    {
        FileLock underWay;
        ASSERT_EQ(underWay.Acquire(target), LockStatus::kLocked);
        RemoveInterruptedSave(target);
        EXPECT_EQ(FolderEntries().size(), 4u);
    }
    leaveBehind();
    RemoveInterruptedSave(target);
    auto entries = FolderEntries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{
                           std::filesystem::path(otherTemp).filename().string(), "out.png"}));
    EXPECT_EQ(ReadAll(target), "kept");

    // Nothing left behind: nothing made either.
    std::filesystem::remove(otherTemp);
    RemoveInterruptedSave(target);
    RemoveInterruptedSave(Path("never.png"));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"out.png"});
}

} // namespace
