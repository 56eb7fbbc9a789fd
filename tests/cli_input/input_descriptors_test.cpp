// The descriptors batch and import read, on either platform: a file opened by its name in any
// script, a folder and a missing file refused with their reasons, where a file stands, a read
// from elsewhere that leaves it there, and when a read of a pipe would wait.
#include "cli/input_descriptors.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "records/utf8_paths.h"
#include "tests/records/temp_dir.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
int MakePipe(int ends[2]) {
    return ::_pipe(ends, 4096, _O_BINARY);
}
#else
int MakePipe(int ends[2]) {
    return ::pipe(ends);
}
#endif

class InputDescriptors : public TempDirTest {
  protected:
    std::string At(const std::string& utf8) const { return Utf8OfPath(dir_ / PathOfUtf8(utf8)); }
    void Write(const std::string& utf8, const std::string& bytes) const {
        std::ofstream(PathOfUtf8(At(utf8)), std::ios::binary) << bytes;
    }
};

TEST_F(InputDescriptors, FilesAreOpenedByTheirNamesAndFoldersAndMissingOnesRefused) {
    struct Case {
        const char* name;
        int error;
    };
    Write("Łukasz Żółć.csv", "abcdef");
    Write("王小明.csv", "abcdef");
    std::filesystem::create_directory(PathOfUtf8(At("Ζωή")));
    for (const Case c : {Case{"Łukasz Żółć.csv", 0}, Case{"王小明.csv", 0}, Case{"Ζωή", EISDIR},
                         Case{"missing.csv", ENOENT}}) {
        int fd = -1;
        EXPECT_EQ(OpenInputFile(At(c.name), fd), c.error) << c.name;
        if (c.error == 0) {
            ASSERT_GE(fd, 0) << c.name;
            char bytes[8] = {};
            EXPECT_EQ(::read(fd, bytes, sizeof bytes), 6);
            EXPECT_EQ(std::string(bytes), "abcdef");
            ::close(fd);
        }
    }
}

TEST_F(InputDescriptors, AReadFromElsewhereLeavesTheFileWhereItStood) {
    Write("rows.csv", "abcdef");
    int fd = -1;
    ASSERT_EQ(OpenInputFile(At("rows.csv"), fd), 0);
    char bytes[8] = {};
    ASSERT_EQ(::read(fd, bytes, 3), 3);
    EXPECT_EQ(RegularFileOffset(fd), 3);
    int err = 0;
    EXPECT_EQ(ReadAt(fd, bytes, 4, 1, err), 4);
    EXPECT_EQ(std::string(bytes, 4), "bcde");
    EXPECT_EQ(ReadAt(fd, bytes, 4, 6, err), 0); // the end
    EXPECT_EQ(RegularFileOffset(fd), 3);
    EXPECT_FALSE(ReadWouldWait(fd));
    ::close(fd);
}

TEST_F(InputDescriptors, APipeWaitsOnlyWhileItsWriterHasNothingToGive) {
    int ends[2];
    ASSERT_EQ(MakePipe(ends), 0);
    EXPECT_EQ(RegularFileOffset(ends[0]), -1);
    EXPECT_TRUE(ReadWouldWait(ends[0]));
    ASSERT_EQ(::write(ends[1], "row\n", 4), 4);
    EXPECT_FALSE(ReadWouldWait(ends[0]));
    char bytes[8];
    ASSERT_EQ(::read(ends[0], bytes, sizeof bytes), 4);
    EXPECT_TRUE(ReadWouldWait(ends[0]));
    ::close(ends[1]);
    EXPECT_FALSE(ReadWouldWait(ends[0])); // the end is at hand
    EXPECT_EQ(::read(ends[0], bytes, sizeof bytes), 0);
    ::close(ends[0]);
}

} // namespace
