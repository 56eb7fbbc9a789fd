// The manual pages follow the programs' --help: every option and every command named there is
// in the page made at build time.
#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "shell_command.h"

namespace {

// The page as plain text, wide enough that no word is hyphenated.
std::string RenderedPage(const std::string& name) {
    const std::string page = std::string(VEXAMO_MAN_DIR "/") + name + ".1.gz";
    if (!std::filesystem::exists(page)) {
        return {};
    }
    return RunShell("MANWIDTH=1000 LC_ALL=C man -l " + ShellQuote(page) + " 2>/dev/null | col -b")
        .out;
}

// The options (--name) and the commands ("vexamo-cli name") a help text names.
std::set<std::string> NamedWords(const std::string& help, const std::string& program) {
    std::set<std::string> words;
    const std::regex word("--[a-z][a-z0-9-]*|" + program + " ([a-z]+)");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), word);
         it != std::sregex_iterator(); ++it) {
        words.insert((*it)[1].matched ? (*it)[1].str() : (*it)[0].str());
    }
    return words;
}

void ExpectPageCoversHelp(const std::string& program, const char* path) {
    const std::string page = RenderedPage(program);
    if (page.empty()) {
        GTEST_SKIP() << "no manual page built (help2man missing)";
    }
    const ShellResult help = RunShell(ShellQuote(path) + " --help 2>/dev/null");
    ASSERT_EQ(help.status, 0);
    const std::set<std::string> words = NamedWords(help.out, program);
    EXPECT_FALSE(words.empty());
    for (const std::string& word : words) {
        EXPECT_NE(page.find(word), std::string::npos) << program << ": " << word;
    }
    EXPECT_NE(page.find("SYNOPSIS"), std::string::npos) << page;
}

TEST(ManualPages, DesktopProgramPageCoversItsHelp) {
    ExpectPageCoversHelp("vexamo", VEXAMO_APP_PATH);
}

TEST(ManualPages, CliPageCoversItsHelp) {
    ExpectPageCoversHelp("vexamo-cli", VEXAMO_CLI_PATH);
}

} // namespace
