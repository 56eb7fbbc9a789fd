#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "tests/records/sample_record.h"

#include "records/vexamo_doc.h"

namespace fs = std::filesystem;

class DocumentFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vexamo-doc-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }

    std::string Path(const char* name) const { return (dir_ / name).string(); }

    static std::string ReadAll(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    static void WriteAll(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    size_t EntriesInFolder() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
};

TEST_F(DocumentFile, SaveAndOpenRoundTrip) {
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("Muster", kMuster);
    doc.m_mapDateStore.SetAt("M\xFCller", VXDateStore(1965, 13, 1, 0, 0, 1, 1, 12));
    doc.SetModifiedFlag();
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), Path("a.dat"));
    EXPECT_EQ(EntriesInFolder(), 1u); // no temporary file left

    CVexamoDoc other;
    other.m_mapDateStore.SetAt("gone", kMuster);
    other.SetModifiedFlag();
    ASSERT_TRUE(other.OpenDocument(Path("a.dat"), error)) << error.file.errnoValue;
    EXPECT_FALSE(other.IsModified());
    EXPECT_EQ(other.m_mapDateStore.GetCount(), 2);
    VXDateStore r;
    EXPECT_FALSE(other.m_mapDateStore.Lookup("gone", r));
    ASSERT_TRUE(other.m_mapDateStore.Lookup("M\xFCller", r));
    EXPECT_EQ(r, VXDateStore(1965, 13, 1, 0, 0, 1, 1, 12));

    ASSERT_TRUE(other.OnNewDocument());
    EXPECT_EQ(other.m_mapDateStore.GetCount(), 0);
    EXPECT_EQ(other.GetPathName(), "");
}

TEST_F(DocumentFile, FailedOpenLeavesDocumentAndFileAsTheyWere) {
    const std::string broken = std::string("\x02\x00\x01x", 4) + std::string(36, '\0') + "\x05";
    WriteAll(Path("broken.dat"), broken);
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("kept", kMuster);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("kept.dat"), error));
    doc.SetModifiedFlag();

    EXPECT_FALSE(doc.OpenDocument(Path("broken.dat"), error));
    EXPECT_EQ(error.file.kind, FileFault::None);
    EXPECT_EQ(error.parse.kind, ParseFault::CountTooLarge);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), Path("kept.dat"));
    EXPECT_EQ(doc.m_mapDateStore.GetCount(), 1);
    VXDateStore r;
    EXPECT_TRUE(doc.m_mapDateStore.Lookup("kept", r));
    EXPECT_EQ(ReadAll(Path("broken.dat")), broken);

    EXPECT_FALSE(doc.OpenDocument(Path("missing.dat"), error));
    EXPECT_EQ(error.file.kind, FileFault::Errno);
    EXPECT_EQ(error.file.errnoValue, ENOENT);
    EXPECT_FALSE(doc.OpenDocument(dir_.string(), error)); // a folder
    EXPECT_EQ(error.file.errnoValue, EISDIR);
    ASSERT_EQ(::mkfifo(Path("pipe.dat").c_str(), 0600), 0);
    EXPECT_FALSE(doc.OpenDocument(Path("pipe.dat"), error)); // refused, not waited on
    EXPECT_EQ(error.file.kind, FileFault::NotRegularFile);
    EXPECT_EQ(doc.m_mapDateStore.GetCount(), 1);
}

// The watcher sees the file's bytes before they are parsed and hears the end of the parse once,
// whether it succeeds or not; a file that cannot be read is never parsed.
TEST_F(DocumentFile, ParseWatcherSeesTheBytesAndEveryEndOfTheParse) {
    struct Recorder : ParseWatcher {
        std::vector<std::string> seen;
        int parsed = 0;
        void Parsing(std::string_view bytes) override { seen.emplace_back(bytes); }
        void Parsed() override { ++parsed; }
    };
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("Muster", kMuster);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error));
    WriteAll(Path("broken.dat"), "\x05");
    struct Case {
        const char* file;
        bool opens;
        size_t parses;
    };
    for (const Case c :
         {Case{"a.dat", true, 1}, Case{"broken.dat", false, 1}, Case{"missing.dat", false, 0}}) {
        Recorder watcher;
        EXPECT_EQ(doc.OpenDocument(Path(c.file), error, &watcher), c.opens) << c.file;
        ASSERT_EQ(watcher.seen.size(), c.parses) << c.file;
        EXPECT_EQ(watcher.parsed, static_cast<int>(c.parses)) << c.file;
        if (c.parses != 0) {
            EXPECT_EQ(watcher.seen[0], ReadAll(Path(c.file)));
        }
    }
}

TEST_F(DocumentFile, FailedSaveKeepsOldFileAndFlag) {
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("first", kMuster);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error));
    const std::string before = ReadAll(Path("a.dat"));
    doc.m_mapDateStore.SetAt("second", kMuster);
    doc.SetModifiedFlag();

    // A folder in place of the file, and a folder that does not exist.
    fs::create_directory(dir_ / "taken.dat");
    EXPECT_FALSE(doc.SaveDocument(Path("taken.dat"), error));
    EXPECT_EQ(error.file.errnoValue, EISDIR);
    EXPECT_FALSE(doc.SaveDocument(Path("nowhere/a.dat"), error));
    EXPECT_EQ(error.file.errnoValue, ENOENT);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), Path("a.dat"));
    EXPECT_EQ(ReadAll(Path("a.dat")), before);
}

TEST_F(DocumentFile, SaveIntoReadOnlyFolderFailsCleanly) {
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("first", kMuster);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error));
    const std::string before = ReadAll(Path("a.dat"));
    doc.m_mapDateStore.SetAt("second", kMuster);
    doc.SetModifiedFlag();
    if (::geteuid() == 0) {
        GTEST_SKIP() << "a read-only folder does not stop the superuser";
    }
    fs::permissions(dir_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(doc.SaveDocument(Path("a.dat"), error));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadAll(Path("a.dat")), before);
    EXPECT_EQ(error.file.errnoValue, EACCES);
    EXPECT_EQ(EntriesInFolder(), 1u); // no temporary file
}

TEST_F(DocumentFile, SaveKeepsPermissionsAndFollowsLinks) {
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("x", kMuster);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error));
    fs::permissions(Path("a.dat"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(Path("a.dat"), Path("link.dat"));
    doc.m_mapDateStore.SetAt("y", kMuster);
    ASSERT_TRUE(doc.SaveDocument(Path("link.dat"), error)) << error.file.errnoValue;
    EXPECT_TRUE(fs::is_symlink(Path("link.dat")));
    EXPECT_EQ(fs::status(Path("a.dat")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    CVexamoDoc reread;
    ASSERT_TRUE(reread.OpenDocument(Path("a.dat"), error));
    EXPECT_EQ(reread.m_mapDateStore.GetCount(), 2);
}

TEST_F(DocumentFile, WriteProtectedFileIsNotReplaced) {
    CVexamoDoc doc;
    doc.m_mapDateStore.SetAt("first", kMuster);
    DocFault error;
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error));
    const std::string before = ReadAll(Path("a.dat"));
    fs::permissions(Path("a.dat"), fs::perms::owner_read | fs::perms::group_read);
    doc.m_mapDateStore.SetAt("second", kMuster);
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.SaveDocument(Path("a.dat"), error));
    EXPECT_EQ(error.file.kind, FileFault::WriteProtected);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadAll(Path("a.dat")), before);
    EXPECT_EQ(fs::status(Path("a.dat")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(DocumentFile, ObserverHearsOfEverySuccessAndNoFailure) {
    CVexamoDoc doc;
    std::vector<DocumentChange> heard;
    doc.SetObserver([&heard](DocumentChange change) { heard.push_back(change); });
    DocFault error;
    doc.m_mapDateStore.SetAt("Anna", VXDateStore(2000, 1, 2, 3, 4, 0, 0, 1));
    ASSERT_TRUE(doc.SaveDocument(Path("a.dat"), error)) << error.file.errnoValue;
    ASSERT_TRUE(doc.OpenDocument(Path("a.dat"), error)) << error.file.errnoValue;
    EXPECT_FALSE(doc.OpenDocument(Path("missing.dat"), error));
    EXPECT_FALSE(doc.SaveDocument(dir_.string(), error)); // a folder is no file
    doc.OnNewDocument();
    EXPECT_EQ(heard, (std::vector<DocumentChange>{DocumentChange::Saved, DocumentChange::Replaced,
                                                  DocumentChange::Replaced}));
}

namespace {

// Saving over a file of a file system mounted read-only, in a child process with its own
// mount namespace. Empty when the system does not let the test mount one.
std::optional<std::string> SaveOnReadOnlyFileSystem(const std::string& folder) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const auto report = [&](const std::string& text) {
            (void)!::write(channel[1], text.data(), text.size());
            ::_exit(0);
        };
        if (::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            report("");
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("vexamo", folder.c_str(), "tmpfs", 0, nullptr) != 0) {
            report("");
        }
        CVexamoDoc doc;
        doc.m_mapDateStore.SetAt("Anna", VXDateStore(2000, 1, 2, 3, 4, 0, 0, 1));
        DocFault error;
        const std::string path = folder + "/a.dat";
        if (!doc.SaveDocument(path, error) ||
            ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            report("");
        }
        doc.SaveDocument(path, error);
        report("fault:" + std::to_string(static_cast<int>(error.file.kind)) + ":" +
               std::to_string(error.file.errnoValue));
    }
    ::close(channel[1]);
    std::string text;
    char buffer[512];
    ssize_t n = 0;
    while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<size_t>(n));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (text.rfind("fault:", 0) != 0) {
        return std::nullopt;
    }
    return text.substr(6);
}

} // namespace

TEST_F(DocumentFile, SaveOnReadOnlyFileSystemNamesTheFileSystem) {
    const std::optional<std::string> message = SaveOnReadOnlyFileSystem(dir_.string());
    if (!message) {
        GTEST_SKIP() << "cannot mount a read-only file system here";
    }
    // The system's refusal (EROFS), not the file's own write protection.
    EXPECT_EQ(*message,
              std::to_string(static_cast<int>(FileFault::Errno)) + ":" + std::to_string(EROFS));
}
