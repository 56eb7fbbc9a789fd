// The bash completion of vexamo-cli: commands, each command's options, option values and the
// files a command takes.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell_command.h"

namespace {

const char* const kScript = VEXAMO_SOURCE_DIR "/packaging/vexamo-cli.bash-completion";

// The completions bash offers for the words after "vexamo-cli", the last one being completed,
// run in directory.
std::vector<std::string> Complete(const std::vector<std::string>& words,
                                  const std::string& directory = ".") {
    std::string array = "vexamo-cli";
    std::string line = "vexamo-cli";
    for (const std::string& word : words) {
        array += " " + ShellQuote(word);
        line += " " + word;
    }
    const std::string script =
        "source " + ShellQuote(kScript) + " && COMP_WORDS=(" + array +
        ") && COMP_CWORD=" + std::to_string(words.size()) + " && COMP_LINE=" + ShellQuote(line) +
        " && COMP_POINT=${#COMP_LINE} && _vexamo_cli;" + " printf '%s\\n' \"${COMPREPLY[@]}\"";
    const ShellResult result = RunShell("cd " + ShellQuote(directory) +
                                        " && bash --norc --noprofile -c " + ShellQuote(script));
    EXPECT_EQ(result.status, 0);
    std::vector<std::string> replies;
    std::istringstream lines(result.out);
    for (std::string reply; std::getline(lines, reply);) {
        if (!reply.empty()) {
            replies.push_back(reply);
        }
    }
    std::sort(replies.begin(), replies.end());
    return replies;
}

bool Contains(const std::vector<std::string>& replies, const std::string& word) {
    return std::find(replies.begin(), replies.end(), word) != replies.end();
}

TEST(CliCompletion, OffersEveryCommand) {
    const std::vector<std::string> commands = Complete({""});
    for (const char* command : {"eval", "list", "show", "add", "remove", "export", "places", "zone",
                                "batch", "import", "report", "diagram", "--help", "--version"}) {
        EXPECT_TRUE(Contains(commands, command)) << command;
    }
    EXPECT_EQ(Complete({"ex"}), std::vector<std::string>{"export"});
}

TEST(CliCompletion, OffersEachCommandsOptions) {
    const std::vector<std::string> eval = Complete({"eval", "--"});
    for (const char* option : {"--tz", "--place", "--zone", "--dst", "--no-dst", "--round",
                               "--southern", "--const-zone", "--before-1900", "--json"}) {
        EXPECT_TRUE(Contains(eval, option)) << option;
    }
    EXPECT_FALSE(Contains(eval, "--replace"));
    EXPECT_TRUE(Contains(Complete({"add", "persons.dat", "Anna", "--"}), "--replace"));
    EXPECT_TRUE(Contains(Complete({"import", "--"}), "--replace"));
    EXPECT_TRUE(Contains(Complete({"export", "--"}), "--format"));
    EXPECT_TRUE(Contains(Complete({"batch", "--"}), "--before-1900"));
    for (const char* command : {"batch", "import"}) {
        for (const char* option : {"--dst", "--no-dst", "--spreadsheet"}) {
            EXPECT_TRUE(Contains(Complete({command, "--"}), option)) << command << " " << option;
        }
    }
    EXPECT_TRUE(Contains(Complete({"export", "--"}), "--spreadsheet"));
    const std::vector<std::string> zone = Complete({"zone", "--"});
    EXPECT_TRUE(Contains(zone, "--place"));
    EXPECT_TRUE(Contains(zone, "--no-dst"));
    EXPECT_FALSE(Contains(zone, "--southern"));
}

// Whatever a command's --help lists, completion offers: an option added to a command's table
// must reach the completion file too.
TEST(CliCompletion, OffersEveryOptionTheHelpLists) {
    for (const char* command : {"eval", "list", "show", "add", "remove", "export", "places", "zone",
                                "batch", "import", "report", "diagram"}) {
        const ShellResult help = RunShell(ShellQuote(VEXAMO_CLI_PATH) + " " + command + " --help");
        ASSERT_EQ(help.status, 0) << command;
        const std::vector<std::string> offered = Complete({command, "-"});
        std::istringstream lines(help.out);
        int listed = 0;
        for (std::string line; std::getline(lines, line);) {
            // "  --limit N   ..." and "  --dst, --no-dst  ...": the options of a help line.
            if (!line.starts_with("  -")) {
                continue;
            }
            std::istringstream words(line);
            for (std::string word; words >> word && word.starts_with("-");) {
                if (word.ends_with(",")) {
                    word.pop_back();
                }
                EXPECT_TRUE(Contains(offered, word)) << command << " " << word;
                ++listed;
            }
        }
        EXPECT_EQ(command == std::string("remove"), listed == 0) << command;
    }
}

TEST(CliCompletion, OffersOptionValues) {
    EXPECT_EQ(Complete({"export", "persons.dat", "--format", ""}),
              (std::vector<std::string>{"csv", "jsonl", "tsv"}));
    EXPECT_EQ(Complete({"batch", "--format", ""}), (std::vector<std::string>{"csv", "jsonl"}));
    EXPECT_EQ(Complete({"export", "--delimiter", ""}), (std::vector<std::string>{",", ";", "tab"}));
    // Nothing to offer for a count, and the count is not the FILE.
    EXPECT_TRUE(Complete({"places", "--limit", ""}).empty());
    EXPECT_TRUE(Contains(Complete({"places", "--limit", "5", "--"}), "--json"));
    // Nothing to offer for a number of hours.
    EXPECT_TRUE(Complete({"eval", "--tz", ""}).empty());
    if (std::filesystem::exists("/usr/share/zoneinfo/zone1970.tab")) {
        EXPECT_TRUE(Contains(Complete({"zone", "--zone", "Europe/Pa"}), "Europe/Paris"));
    }
}

class CliCompletionFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = std::filesystem::path(::testing::TempDir()) /
                ("vexamo_completion_" + std::to_string(getpid()));
        std::filesystem::create_directories(m_dir / "archive");
        for (const char* name : {"persons.dat", "family.dat", "notes.txt", "births.csv",
                                 "sheet.pdf", "moon.png", "moon.svg"}) {
            std::ofstream(m_dir / name) << "x";
        }
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::vector<std::string> CompleteHere(const std::vector<std::string>& words) {
        return Complete(words, m_dir.string());
    }

    std::filesystem::path m_dir;
};

TEST_F(CliCompletionFiles, RecordCommandsOfferDatFilesAndFolders) {
    const std::vector<std::string> files = CompleteHere({"list", ""});
    EXPECT_TRUE(Contains(files, "persons.dat"));
    EXPECT_TRUE(Contains(files, "family.dat"));
    EXPECT_TRUE(Contains(files, "archive"));
    EXPECT_FALSE(Contains(files, "notes.txt"));
    EXPECT_FALSE(Contains(files, "births.csv"));
    EXPECT_EQ(CompleteHere({"show", "p"}), std::vector<std::string>{"persons.dat"});
    // The name after the file is not a file.
    EXPECT_TRUE(CompleteHere({"show", "persons.dat", ""}).empty());
    // Option values do not count as the file.
    EXPECT_TRUE(Contains(CompleteHere({"add", "--tz", "2", ""}), "persons.dat"));
}

TEST_F(CliCompletionFiles, BatchAndImportOfferCsvFiles) {
    EXPECT_EQ(CompleteHere({"batch", "b"}), std::vector<std::string>{"births.csv"});
    EXPECT_TRUE(Contains(CompleteHere({"import", ""}), "persons.dat"));
    const std::vector<std::string> csv = CompleteHere({"import", "persons.dat", ""});
    EXPECT_TRUE(Contains(csv, "births.csv"));
    EXPECT_FALSE(Contains(csv, "persons.dat"));
}

TEST_F(CliCompletionFiles, ReportAndDiagramOfferTheirFilesAndOptions) {
    struct Case {
        std::vector<std::string> words;
        std::vector<std::string> expected; // sorted
    };
    const std::vector<Case> cases{
        {{"report", "-o", ""}, {"archive", "sheet.pdf"}},
        {{"report", "--output", "s"}, {"sheet.pdf"}},
        {{"diagram", "-o", ""}, {"archive", "moon.png", "moon.svg"}},
        {{"diagram", "--scale", "2", "-o", "m"}, {"moon.png", "moon.svg"}},
        {{"report", "-o", "x.pdf", "--file", ""}, {"archive", "family.dat", "persons.dat"}},
        {{"diagram", "--file", "p"}, {"persons.dat"}},
        {{"report", "--format", ""}, {"pdf"}},
        {{"diagram", "--format", ""}, {"png", "svg"}},
        {{"report", "--name", ""}, {}},
        {{"diagram", "--scale", ""}, {}},
        // Births and record names are not files.
        {{"report", "-o", "x.pdf", ""}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.size() > 1 ? c.words[0] + " " + c.words[1] : c.words[0]);
        EXPECT_EQ(CompleteHere(c.words), c.expected);
    }
    const std::vector<std::string> report = Complete({"report", "--"});
    EXPECT_TRUE(Contains(report, "--name"));
    EXPECT_TRUE(Contains(report, "--before-1900"));
    EXPECT_FALSE(Contains(report, "--scale"));
    const std::vector<std::string> diagram = Complete({"diagram", "--"});
    EXPECT_TRUE(Contains(diagram, "--scale"));
    EXPECT_TRUE(Contains(diagram, "--place"));
    EXPECT_FALSE(Contains(diagram, "--name"));
}

} // namespace
