// vexamo --help and --version answer on standard output without a display and without
// opening a window.
#include <string>

#include <gtest/gtest.h>

#include "shell_command.h"

namespace {

// The program with no display of any kind: a window would fail to open.
ShellResult RunWithoutDisplay(const std::string& args) {
    return RunShell("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                    ShellQuote(VEXAMO_APP_PATH) + " " + args + " 2>/dev/null");
}

TEST(ShellOptions, HelpAnswersWithoutADisplay) {
    const ShellResult help = RunWithoutDisplay("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: vexamo [FILE.dat]\n", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    // -h is the same request, also after a file name.
    EXPECT_EQ(RunWithoutDisplay("-h").out, help.out);
    const ShellResult late = RunWithoutDisplay("persons.dat --help");
    EXPECT_EQ(late.status, 0);
    EXPECT_EQ(late.out, help.out);
}

TEST(ShellOptions, VersionAnswersWithoutADisplay) {
    const ShellResult version = RunWithoutDisplay("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("vexamo 1.0\n", 0), 0u) << version.out;
    EXPECT_NE(version.out.find("GPL version 3 or later"), std::string::npos);
}

TEST(ShellOptions, HelpLinesFitAManualPage) {
    // help2man makes the manual page from this text: no line beyond 80 columns.
    const ShellResult help = RunWithoutDisplay("--help");
    std::size_t start = 0;
    while (start < help.out.size()) {
        const std::size_t end = help.out.find('\n', start);
        ASSERT_NE(end, std::string::npos) << "the text ends without a line break";
        EXPECT_LE(end - start, 80u) << help.out.substr(start, end - start);
        start = end + 1;
    }
}

TEST(ShellOptions, FullWriteFailureIsReported) {
    // Output into a full device must not be reported as success.
    const ShellResult full =
        RunShell("env -u DISPLAY -u WAYLAND_DISPLAY " + ShellQuote(VEXAMO_APP_PATH) +
                 " --help >/dev/full 2>/dev/null; echo $?");
    EXPECT_EQ(full.out, "1\n");
}

} // namespace
