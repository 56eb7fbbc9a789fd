// "vexamo-cli <command> --help": each command's help written from its own table, in the
// user's language.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/message_language.h"
#include "cli/commands.h"
#include "cli/option_table.h"
#include "tests/cli/cli_runner.h"
#include "tests/language_scope.h"

namespace {

const CommandSyntax* const kAll[] = {
    &kEvalSyntax,   &kBatchSyntax,  &kListSyntax,   &kShowSyntax, &kAddSyntax,    &kRemoveSyntax,
    &kImportSyntax, &kExportSyntax, &kPlacesSyntax, &kZoneSyntax, &kReportSyntax, &kDiagramSyntax,
};

// The ways of asking a command for its help, each answered whatever else is given.
std::vector<Args> HelpRequests(std::string_view command) {
    const std::string name(command);
    return {{name, "--help"}, {name, "-h"}, {name, "x.dat", "--help"}, {name, "-h", "--bogus"}};
}

// Runs with the message language chosen from LANGUAGE; back to the own texts at the end.
class CommandHelp : public testing::Test {
  protected:
    CliResult RunIn(const char* language, const Args& args) {
        m_language.reset();
        m_language = std::make_unique<LanguageScope>(language);
        return RunCliCaptured(args);
    }

  private:
    std::unique_ptr<LanguageScope> m_language;
};

TEST_F(CommandHelp, EveryCommandDocumentsEveryOptionItAccepts) {
    for (const CommandSyntax* syntax : kAll) {
        const std::string name(syntax->name);
        const CliResult first = RunCliCaptured({name, "--help"});
        EXPECT_EQ(first.status, 0) << name;
        EXPECT_EQ(first.err, "") << name;
        EXPECT_EQ(first.out, CommandUsage(*syntax)) << name;
        EXPECT_EQ(first.out.rfind("Usage: vexamo-cli " + name + " ", 0), 0u) << first.out;
        EXPECT_NE(first.out.find("\n\n" + std::string(syntax->summary) + "\n"), std::string::npos)
            << first.out;
        for (const Args& request : HelpRequests(name)) {
            EXPECT_EQ(RunCliCaptured(request).out, first.out) << request[1];
        }
        // The options after the synopsis: every one accepted, the stopping ones aside.
        const std::string options = first.out.substr(first.out.find("\n\n"));
        for (const OptionSpec& option : syntax->options) {
            if (!option.stops) {
                const std::string listed(option.name);
                EXPECT_TRUE(options.find("\n  " + listed) != std::string::npos ||
                            options.find(", " + listed) != std::string::npos)
                    << name << " " << option.name;
            }
        }
    }
}

TEST_F(CommandHelp, AfterTheEndOfOptionsOrAsAValueItIsNoRequest) {
    const struct {
        Args args;
        int status;
    } cases[] = {
        {{"list", "--", "--help"}, 1},         // a file of that name
        {{"show", "x.dat", "-h"}, 2},          // not the first word: an unknown option
        {{"eval", "--tz", "--help"}, 2},       // the value of --tz
        {{"eval", "--bogus", "--help"}, 2},    // eval's own table: the first bad argument wins
        {{"add", "f.dat", "N", "-h", "1"}, 2}, // an unknown option
    };
    for (const auto& c : cases) {
        const CliResult r = RunCliCaptured(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back();
        EXPECT_EQ(r.out.find("Usage"), std::string::npos) << r.out;
    }
}

// Every summary and option line has its translation: a missing one would show English.
TEST_F(CommandHelp, EveryLineTranslated) {
    for (const char* language : {"de", "fr"}) {
        RunIn(language, {});
        for (const CommandSyntax* syntax : kAll) {
            std::vector<std::string_view> texts{syntax->summary};
            for (const OptionSpec& option : syntax->options) {
                if (!option.help.empty()) {
                    texts.push_back(option.help);
                }
            }
            for (const std::string_view text : texts) {
                const std::string english(text);
                EXPECT_STRNE(TranslatedMessage(english.c_str()), english.c_str())
                    << language << " " << syntax->name;
            }
        }
    }
}

TEST_F(CommandHelp, InGerman) {
    const CliResult r = RunIn("de", {"export", "-h"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Aufruf: vexamo-cli export DATEI", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nSchreibt jeden Datensatz von DATEI mit seinen Ergebnissen.\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\n  --format FORMAT  tsv (Vorgabe), csv oder jsonl\n"), std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("default"), std::string::npos) << r.out;
}

} // namespace
