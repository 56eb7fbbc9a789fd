// Saves keep the owner, group and mode of the file they replace, use temporary names that
// fit any folder, and clear away what an interrupted save left behind.
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/records/temp_dir.h"

#include "records/file_io.h"
#include "records/side_files.h"
#include "records/vexamo_doc.h"

namespace fs = std::filesystem;

namespace {

const VXDateStore kRecord(1971, 2, 3, 4, 5, 0, 1, 2);

struct stat StatOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st;
}

} // namespace

class SaveFile : public TempDirTest {};

TEST_F(SaveFile, OwnerGroupAndModeOfTheReplacedFileAreKept) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a file to another user";
    }
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("Eva", kRecord);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    ASSERT_EQ(::chown(Path("a.dat").c_str(), 4321, 8765), 0);
    ASSERT_EQ(::chmod(Path("a.dat").c_str(), 02640), 0);

    doc.m_mapDateStore.SetAt("Adam", kRecord);
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    const struct stat st = StatOf(Path("a.dat"));
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 8765u);
    EXPECT_EQ(st.st_mode & 07777, 02640u); // the set-group-id bit survives the owner change
    CVexamoDoc reread;
    ASSERT_TRUE(reread.OpenDocument(Path("a.dat"), error)) << error.file.errnoValue;
    EXPECT_EQ(reread.m_mapDateStore.GetCount(), 2);
}

TEST_F(SaveFile, NewFileBelongsToTheSaver) {
    CVexamoDoc doc;
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("new.dat"), error)) << error.file.errnoValue;
    const struct stat st = StatOf(Path("new.dat"));
    EXPECT_EQ(st.st_uid, ::geteuid());
}

TEST_F(SaveFile, TemporaryNamesAreShortAndTiedToTheTarget) {
    const std::string longTarget = Path(std::string(250, 'n'));
    const std::string stem = SideFileStem(longTarget);
    EXPECT_EQ(stem.size(), 19u);
    EXPECT_LT(stem.size() + 1 + kTempSuffixDigits, 32u);
    EXPECT_LT(fs::path(LockFilePath(longTarget)).filename().string().size(), 32u);
    EXPECT_NE(SideFileStem(Path("a.dat")), SideFileStem(Path("b.dat")));
    EXPECT_EQ(SideFileStem(Path("a.dat")), SideFileStem("elsewhere/a.dat")); // name only

    EXPECT_TRUE(IsTempFileName(stem + "-0123abcd", stem));
    EXPECT_FALSE(IsTempFileName(stem + "-0123abc", stem));   // too short
    EXPECT_FALSE(IsTempFileName(stem + "-0123abcde", stem)); // too long
    EXPECT_FALSE(IsTempFileName(stem + "-0123ABCD", stem));  // not as written
    EXPECT_FALSE(IsTempFileName(stem + ".lock", stem));
    EXPECT_FALSE(IsTempFileName(SideFileStem(Path("b.dat")) + "-0123abcd", stem));
}

TEST_F(SaveFile, FileWithA250ByteNameIsSavedAndLoaded) {
    std::string name(246, 'x');
    name.append(".dat");
    const std::string path = Path(name);
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("Eva", kRecord);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(path, error)) << error.file.errnoValue;
    doc.m_mapDateStore.SetAt("Adam", kRecord);
    ASSERT_TRUE(doc.SaveDocument(path, error)) << error.file.errnoValue; // replacing it, too
    CVexamoDoc reread;
    ASSERT_TRUE(reread.OpenDocument(path, error)) << error.file.errnoValue;
    EXPECT_EQ(reread.m_mapDateStore.GetCount(), 2);
    EXPECT_EQ(FolderEntries().size(), 1u);
}

TEST_F(SaveFile, NameBeyondTheFoldersLimitIsReportedAsSuch) {
    CVexamoDoc doc;
    DocFault error;
    EXPECT_FALSE(doc.SaveDocument(Path(std::string(300, 'x')), error));
    EXPECT_EQ(error.file.kind, FileFault::Errno);
    EXPECT_EQ(error.file.errnoValue, ENAMETOOLONG);
}

TEST_F(SaveFile, LeftoversOfAnInterruptedSaveAreRemovedByTheNextSave) {
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("Eva", kRecord);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    const std::string before = ReadAll(Path("a.dat"));

    // A save killed mid-write: its process is ended by the file size limit's signal while
    // it writes the temporary file.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const struct rlimit noCore = {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const struct rlimit small = {4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        FileFault reason;
        WriteFileAtomically(Path("a.dat"), std::string(1 << 20, 'z'), reason);
        ::_exit(0); // not reached
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadAll(Path("a.dat")), before); // the old file is intact
    // What the killed save left: its temporary file and its lock file.
    ASSERT_EQ(FolderEntries().size(), 3u);

    // A leftover of another file in the same folder is not this save's to remove.
    const std::string otherLeftover = SideFileStem(Path("b.dat")) + "-00000000";
    WriteAll(Path(otherLeftover), "b");
    WriteAll(Path(SideFileStem(Path("a.dat")) + "-deadbeef"), "older crash");

    doc.m_mapDateStore.SetAt("Adam", kRecord);
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    auto entries = FolderEntries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{otherLeftover, "a.dat"}));
    CVexamoDoc reread;
    ASSERT_TRUE(reread.OpenDocument(Path("a.dat"), error)) << error.file.errnoValue;
    EXPECT_EQ(reread.m_mapDateStore.GetCount(), 2);
}

TEST_F(SaveFile, FailedWriteLeavesTheOldFileAndNoTemporary) {
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("Eva", kRecord);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    const std::string before = ReadAll(Path("a.dat"));

    // The same size limit, but with the signal ignored: the write fails and is reported.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit small = {4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        FileFault reason;
        const bool saved = WriteFileAtomically(Path("a.dat"), std::string(1 << 20, 'z'), reason);
        ::_exit(!saved && reason.kind == FileFault::Errno && reason.errnoValue == EFBIG ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadAll(Path("a.dat")), before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"a.dat"});
}
