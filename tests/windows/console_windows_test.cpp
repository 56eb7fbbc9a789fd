// A console, and nothing else, counts as a terminal on Windows: not the null device, which the C
// runtime's isatty counts, nor a file or a pipe. (A real console: console_under_terminal.sh.)
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <io.h>

#include <gtest/gtest.h>

#include "app/console.h"
#include "tests/windows/windows_files.h"

namespace {

class ConsoleOnWindows : public WindowsFilesTest {};

TEST_F(ConsoleOnWindows, TheNullDeviceAFileAndAPipeAreNoTerminal) {
    const int null = ::_open("NUL", _O_WRONLY);
    ASSERT_GE(null, 0);
    EXPECT_NE(::_isatty(null), 0); // what the runtime alone would say
    EXPECT_FALSE(IsTerminal(null));
    ::_close(null);

    const int file = ::_open(At("out.txt").c_str(), _O_WRONLY | _O_CREAT, 0600);
    ASSERT_GE(file, 0);
    EXPECT_FALSE(IsTerminal(file));
    ::_close(file);

    int pipe[2];
    ASSERT_EQ(::_pipe(pipe, 4096, _O_BINARY), 0);
    EXPECT_FALSE(IsTerminal(pipe[0]));
    EXPECT_FALSE(IsTerminal(pipe[1]));
    ::_close(pipe[0]);
    ::_close(pipe[1]);
    EXPECT_FALSE(IsTerminal(-1));
}

TEST_F(ConsoleOnWindows, StandardOutputCarriesLineFeedsAsTheyAre) {
    // Standard output into a file for a moment: first in text mode, then as bytes.
    const std::string path = At("lines.txt");
    const int file = ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_BINARY, 0600);
    ASSERT_GE(file, 0);
    std::fflush(stdout);
    const int saved = ::_dup(1);
    ASSERT_EQ(::_dup2(file, 1), 0);
    ::_setmode(1, _O_TEXT);
    std::fputs("a\n", stdout);
    std::fflush(stdout);
    UseStandardStreamsAsBytes();
    std::fputs("b\n", stdout);
    std::fflush(stdout);
    ::_dup2(saved, 1);
    ::_close(saved);
    ::_close(file);
    EXPECT_EQ(ReadAll(path), "a\r\nb\n");
}

} // namespace
