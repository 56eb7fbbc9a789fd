#pragma once
// Runs the installed-style vexamo-cli for the sheet tests, in a scratch folder of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/package/shell_command.h"

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class SheetCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/vexamo-sheet-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_dir, ignored);
    }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    // vexamo-cli with the words, standard output and standard error kept apart; sheetProgram,
    // when given, stands in for vexamo-sheet.
    CliRun Cli(const std::vector<std::string>& words, const std::string& sheetProgram = {}) const {
        std::string command = ShellQuote(VEXAMO_CLI_PATH);
        if (!sheetProgram.empty()) {
            command = "VEXAMO_SHEET_PROGRAM=" + ShellQuote(sheetProgram) + " " + command;
        }
        for (const std::string& word : words) {
            command += " " + ShellQuote(word);
        }
        const std::string errPath = Path("stderr.txt");
        const ShellResult r = RunShell(command + " 2>" + ShellQuote(errPath));
        return {r.status, r.out, ReadFile(errPath)};
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The output of a poppler tool on a file.
    static std::string Poppler(const std::string& tool, const std::string& path) {
        return RunShell(tool + " " + ShellQuote(path) + (tool == "pdftotext" ? " -" : "") +
                        " 2>/dev/null")
            .out;
    }

    // The files in the scratch folder besides the captured messages.
    std::vector<std::string> Written() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir)) {
            const std::string name = entry.path().filename().string();
            if (name != "stderr.txt" && name.rfind("records", 0) != 0) {
                names.push_back(name);
            }
        }
        return names;
    }

    std::filesystem::path m_dir;
};
