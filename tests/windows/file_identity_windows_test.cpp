// The identity of a file on Windows (volume serial number and file index): one file under every
// spelling of its name, another file or a replacement told apart.
#include <string>

#include <gtest/gtest.h>

#include "records/file_identity.h"
#include "records/file_io.h"
#include "tests/windows/windows_files.h"

namespace {

class IdentityOnWindows : public WindowsFilesTest {};

TEST_F(IdentityOnWindows, EverySpellingOfAFileNamesOneIdentity) {
    WriteAll(At("Geburten.dat"), "x");
    const FileIdentity id = FileIdentityOf(At("Geburten.dat"));
    ASSERT_TRUE(id.exists);
    std::string backslashed = At("Geburten.dat");
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    std::string forward = backslashed;
    std::replace(forward.begin(), forward.end(), '\\', '/');
    for (const std::string& spelling :
         {backslashed, forward, At("GEBURTEN.DAT"), At("./Geburten.dat")}) {
        EXPECT_EQ(FileIdentityOf(spelling), id) << spelling;
    }
}

TEST_F(IdentityOnWindows, AnotherFileAndAReplacementAreToldApart) {
    WriteAll(At("a.dat"), "same");
    WriteAll(At("b.dat"), "same");
    const FileIdentity a = FileIdentityOf(At("a.dat"));
    const FileIdentity b = FileIdentityOf(At("b.dat"));
    EXPECT_NE(a.inode, b.inode);
    EXPECT_EQ(a.device, b.device);
    FileFault fault;
    FileIdentity written;
    ASSERT_TRUE(WriteFileAtomically(At("a.dat"), "same", fault, {}, &written));
    EXPECT_TRUE(ChangedOnDisk(a, At("a.dat")));
    EXPECT_EQ(written, FileIdentityOf(At("a.dat")));
    EXPECT_FALSE(ChangedOnDisk(written, At("a.dat")));
    EXPECT_FALSE(FileIdentityOf(At("missing.dat")).exists);
}

} // namespace
