// Names and paths in any script on Windows: record files in Polish, Greek and Chinese folders,
// their side files, and the same names passed to another program on its command line.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/name_rules.h"
#include "records/file_io.h"
#include "records/file_replacement.h"
#include "records/side_files.h"
#include "records/vexamo_doc.h"
#include "tests/windows/child_process.h"
#include "tests/windows/windows_files.h"

namespace {

class UnicodePaths : public WindowsFilesTest {};

struct ScriptCase {
    const char* folder;
    const char* file;
    const char* name; // of a record
};

constexpr ScriptCase kScripts[] = {
    {"Users/Łukasz", "Geburten.dat", "Łukasz Żółć"},
    {"Χρήστες/Ζωή", "Γενέθλια.dat", "Ζωή Παπαδοπούλου"},
    {"用户/王小明", "生日.dat", "王小明"},
};

TEST_F(UnicodePaths, RecordFilesInEveryScriptAreSavedOpenedAndListedByTheirNames) {
    for (const ScriptCase& c : kScripts) {
        SCOPED_TRACE(c.folder);
        const std::string folder = At(c.folder);
        std::filesystem::create_directories(PathOfUtf8(folder));
        const std::string path = folder + "/" + c.file;
        NameKey key;
        ASSERT_EQ(CheckName(c.name, NameUse::NewEntry, &key).refusal, RecordRefusal::None);
        CVexamoDoc doc;
        doc.m_mapDateStore.SetAt(key, VXDateStore(1984, 2, 29, 23, 59, 0, 0, 1));
        DocFault error;
        ASSERT_TRUE(doc.SaveDocument(path, error)) << error;
        EXPECT_EQ(NamesIn(folder), std::vector<std::string>{c.file});

        CVexamoDoc opened;
        ASSERT_TRUE(opened.OpenDocument(path, error)) << error;
        EXPECT_EQ(opened.m_mapDateStore.GetCount(), 1);
        VXDateStore record;
        EXPECT_TRUE(opened.m_mapDateStore.Lookup(key, record));
        EXPECT_FALSE(opened.IsChangedOnDisk());

        // What an interrupted save left there is found by its name and removed.
        WriteAll(Utf8OfPath(PathOfUtf8(folder) / PathOfUtf8(SideFileStem(path) + "-0badf00d")),
                 "half");
        RemoveInterruptedSave(path);
        EXPECT_EQ(NamesIn(folder), std::vector<std::string>{c.file});
    }
}

TEST_F(UnicodePaths, APathThatIsNotUtf8IsRefusedWithoutTouchingAnything) {
    FileFault fault;
    EXPECT_FALSE(WriteFileAtomically(At("x") + "\xff.dat", "bytes", fault));
    EXPECT_EQ(fault.kind, FileFault::Errno);
    EXPECT_EQ(fault.errnoValue, EINVAL);
    std::string bytes;
    EXPECT_FALSE(ReadWholeFile(At("x") + "\xc3.dat", bytes, fault));
    EXPECT_EQ(fault.errnoValue, EINVAL);
    EXPECT_TRUE(NamesIn(Utf8OfPath(dir_)).empty());
}

TEST_F(UnicodePaths, AnotherProgramGetsTheArgumentsInEveryScriptAsUtf8) {
    const std::vector<std::string> args = {"C:\\Users\\Łukasz\\Geburten.dat", "Ζωή", "王小明",
                                           "e\xcc\x81 stays decomposed", "a b"};
    const std::string out = At("Łukasz.txt");
    std::vector<std::string> command = {kChildArgs, out};
    command.insert(command.end(), args.begin(), args.end());
    ChildProcess child;
    ASSERT_TRUE(child.Start(command));
    ASSERT_EQ(child.Wait(), 0);
    std::string expected;
    for (const std::string& arg : args) {
        expected += arg + "\n";
    }
    std::string written;
    FileFault fault;
    ASSERT_TRUE(ReadWholeFile(out, written, fault));
    EXPECT_EQ(written, expected);
}

} // namespace
