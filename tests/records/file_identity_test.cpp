#include <chrono>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include "tests/records/temp_dir.h"

#include "records/file_identity.h"
#include "records/vexamo_doc.h"

namespace fs = std::filesystem;

namespace {

void SetMtime(const std::string& path, long seconds) {
#ifdef _WIN32
    const auto when = std::chrono::sys_seconds(std::chrono::seconds(seconds));
    std::error_code ec;
    fs::last_write_time(path, std::chrono::file_clock::from_sys(when), ec);
    ASSERT_FALSE(ec) << ec.message();
#else
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
#endif
}

} // namespace

class ChangedOnDiskTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        doc_.m_mapDateStore.SetAt("Eva", VXDateStore(1980, 1, 2, 3, 4, 0, 0, 1));
        DocFault error;
        ASSERT_TRUE(doc_.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    }
    CVexamoDoc doc_;
};

TEST_F(ChangedOnDiskTest, OwnSaveAndOpenAreTheReference) {
    EXPECT_TRUE(doc_.GetFileIdentity().exists);
    EXPECT_EQ(doc_.GetFileIdentity(), FileIdentityOf(Path("a.dat")));
    EXPECT_FALSE(doc_.IsChangedOnDisk());
    // Permissions and reading do not count as a change.
    fs::permissions(Path("a.dat"), fs::perms::owner_read | fs::perms::owner_write);
    CVexamoDoc reader;
    DocFault error;
    ASSERT_TRUE(reader.OpenDocument(Path("a.dat"), error)) << error.file.errnoValue;
    EXPECT_FALSE(doc_.IsChangedOnDisk());
    EXPECT_FALSE(reader.IsChangedOnDisk());
    // Saving again moves the reference along.
    doc_.m_mapDateStore.SetAt("Adam", VXDateStore());
    ASSERT_TRUE(doc_.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    EXPECT_FALSE(doc_.IsChangedOnDisk());
    EXPECT_TRUE(reader.IsChangedOnDisk());
}

TEST_F(ChangedOnDiskTest, EveryKindOfChangeIsNoticed) {
    DocFault error;
    // Replaced by another program's save (a new file renamed over it).
    CVexamoDoc other;
    ASSERT_TRUE(other.OpenDocument(Path("a.dat"), error)) << error.file.errnoValue;
    ASSERT_TRUE(other.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    EXPECT_TRUE(doc_.IsChangedOnDisk());

    // Written in place, same size and inode: only the modification time tells.
    ASSERT_TRUE(doc_.OpenDocument(Path("a.dat"), error)) << error.file.errnoValue;
    const FileIdentity before = FileIdentityOf(Path("a.dat"));
    SetMtime(Path("a.dat"), 1000000000);
    EXPECT_TRUE(ChangedOnDisk(before, Path("a.dat")));
    EXPECT_TRUE(doc_.IsChangedOnDisk());

    // Grown in place.
    ASSERT_TRUE(doc_.OpenDocument(Path("a.dat"), error)) << error.file.errnoValue;
    const long mtime = 1000000000;
    std::ofstream(Path("a.dat"), std::ios::binary | std::ios::app) << "tail";
    SetMtime(Path("a.dat"), mtime);
    EXPECT_TRUE(doc_.IsChangedOnDisk());

    // Removed.
    ASSERT_TRUE(doc_.OpenDocument(Path("a.dat"), error)) << error.file.errnoValue;
    fs::remove(Path("a.dat"));
    EXPECT_TRUE(doc_.IsChangedOnDisk());
}

TEST_F(ChangedOnDiskTest, NewDocumentAndAbsentFiles) {
    CVexamoDoc fresh;
    EXPECT_FALSE(fresh.IsChangedOnDisk()); // no file yet
    EXPECT_FALSE(FileIdentityOf(Path("missing.dat")).exists);
    EXPECT_FALSE(ChangedOnDisk(FileIdentity{}, Path("missing.dat")));
    // A file created where none was recorded.
    EXPECT_TRUE(ChangedOnDisk(FileIdentityOf(Path("missing.dat")), Path("a.dat")));
    doc_.OnNewDocument();
    EXPECT_FALSE(doc_.IsChangedOnDisk());
    EXPECT_FALSE(doc_.GetFileIdentity().exists);
}
