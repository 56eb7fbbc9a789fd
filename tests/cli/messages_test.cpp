// vexamo-cli's messages and help in the user's language, and text from the user escaped on a
// terminal wherever it is echoed.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/message_language.h"
#include "app/text_catalogue.h"
#include "cli_runner.h"
#include "scoped_env.h"

namespace {

// The messages in the language of a locale, as vexamo-cli chooses it at start.
class MessageLanguage : public testing::Test {
  protected:
    void TearDown() override { UseOwnTexts(); }

    // LANGUAGE under C.UTF-8, which needs no installed locale.
    static CliResult RunIn(const char* language, const std::vector<std::string>& args,
                           const std::string& input = "", bool terminal = false) {
        const ScopedEnv all("LC_ALL", "C.UTF-8");
        const ScopedEnv lang("LANGUAGE", language);
        UseMessageLanguage();
        return RunCliWith(args, input, terminal);
    }
};

TEST_F(MessageLanguage, OneErrorInThreeLanguagesEachPrefixed) {
    struct Case {
        std::vector<std::string> args;
        const char* language;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"eval", "1", "13", "2000", "1", "1"},
         "de",
         "vexamo-cli: Bitte einen Monat zwischen 1 und 12 eingeben.\n"},
        {{"eval", "1", "13", "2000", "1", "1"},
         "fr",
         "vexamo-cli: Veuillez entrer un mois entre 1 et 12.\n"},
        {{"eval", "1", "13", "2000", "1", "1"},
         "en",
         "vexamo-cli: Please enter a month between 1 and 12.\n"},
        // A locale without a catalogue of its own is English.
        {{"eval", "1", "13", "2000", "1", "1"},
         "it",
         "vexamo-cli: Please enter a month between 1 and 12.\n"},
        {{"bogus"},
         "de",
         "vexamo-cli: unbekannter Befehl \u201Ebogus\u201C\n"
         "\u201Evexamo-cli --help\u201C zeigt die Hilfe.\n"},
        {{"bogus"},
         "fr",
         "vexamo-cli: commande inconnue \u00AB bogus \u00BB\n"
         "\u00AB vexamo-cli --help \u00BB affiche l'aide.\n"},
        {{"bogus"}, "en", "vexamo-cli: unknown command 'bogus'\nTry 'vexamo-cli --help'.\n"},
        {{"show", "/nonexistent/f.dat", "Eva"},
         "fr",
         "vexamo-cli: Le fichier \u00AB /nonexistent/f.dat \u00BB ne peut pas \u00EAtre lu : le "
         "fichier ou le dossier n'existe pas.\n"},
        {{"show", "/nonexistent/f.dat", "Eva"},
         "en",
         "vexamo-cli: The file \u201C/nonexistent/f.dat\u201D cannot be read: the file or folder "
         "does not exist.\n"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunIn(c.language, c.args);
        EXPECT_NE(r.status, 0) << c.language;
        EXPECT_EQ(r.err, c.err) << c.language;
    }
}

// The language list is followed message by message: the first language with a translation,
// its territory, codeset and modifier dropped where no catalogue has them; "C" stops the list.
TEST_F(MessageLanguage, FirstLanguageOfTheListThatHasATranslation) {
    const char* const german = "vexamo-cli: Bitte einen Monat zwischen 1 und 12 eingeben.\n";
    const char* const french = "vexamo-cli: Veuillez entrer un mois entre 1 et 12.\n";
    const char* const english = "vexamo-cli: Please enter a month between 1 and 12.\n";
    const struct {
        const char* language;
        const char* err;
    } cases[] = {
        {"it:fr:de", french},        {"de_AT.UTF-8", german}, {"fr_CA@euro", french},
        {"sr@latin::de_CH", german}, {"C:de", english},       {"pt_BR:POSIX:fr", english},
        {"de.ISO-8859-1", german},   {"deu", english},
    };
    for (const auto& c : cases) {
        const CliResult r = RunIn(c.language, {"eval", "1", "13", "2000", "1", "1"});
        EXPECT_EQ(r.err, c.err) << c.language;
    }
    // A message locale "C" disregards the list altogether.
    const ScopedEnv all("LC_ALL", "C");
    const ScopedEnv lang("LANGUAGE", "de");
    UseMessageLanguage();
    EXPECT_EQ(RunCliWith({"eval", "1", "13", "2000", "1", "1"}, "", false).err, english);
}

TEST_F(MessageLanguage, UnknownPlaceSaysWhatToDo) {
    for (const char* language : {"de", "fr", "en"}) {
        const CliResult r = RunIn(language, {"places", "Xqzzyville"});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.rfind("vexamo-cli: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("--zone"), std::string::npos) << r.err;
    }
}

// Counts are grouped as each language writes them.
TEST_F(MessageLanguage, MorePlacesCountedInEachLanguage) {
    const std::string all = RunIn("en", {"places", "M", "--limit", "1000000"}).out;
    const auto total = static_cast<size_t>(std::count(all.begin(), all.end(), '\n'));
    ASSERT_GT(total, 1030u);
    ASSERT_LT(total, 10030u);
    std::string digits = std::to_string(total - 30);
    const struct {
        const char* language;
        const char* separator;
        const char* holds;
    } cases[] = {
        {"de", ".", " weitere Orte; --limit N"},
        {"fr", "\u202F", " autres lieux ; donnez --limit N"},
        {"en", ",", " more places; give --limit N"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunIn(c.language, {"places", "M"});
        EXPECT_EQ(r.status, 0);
        const std::string count = digits.substr(0, 1) + c.separator + digits.substr(1);
        EXPECT_NE(r.err.find(" " + count + c.holds), std::string::npos) << r.err;
    }
    // The zone suggestions too.
    const CliResult de =
        RunIn("de", {"zone", "--zone", "Europe/Berln", "1", "1", "2000", "0", "0"});
    EXPECT_NE(de.err.find(" Meinten Sie Europe/Berlin"), std::string::npos) << de.err;
}

TEST_F(MessageLanguage, HelpInEachLanguage) {
    const struct {
        const char* language;
        const char* begins;
        const char* holds;
        const char* evalHolds; // a line of eval's option help
    } cases[] = {
        {"de", "Aufruf:\n", "R\u00FCckgabewert: 0 Erfolg", "auf der S\u00FCdhalbkugel geboren"},
        {"fr", "Utilisation :\n", "Code de sortie : 0 succ\u00E8s",
         "n\u00E9 dans l'h\u00E9misph\u00E8re sud"},
        {"en", "Usage:\n", "Exit status: 0 success", "born in the southern hemisphere"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunIn(c.language, {"--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind(c.begins, 0), 0u) << r.out;
        EXPECT_NE(r.out.find(c.holds), std::string::npos) << c.language;
        EXPECT_NE(r.out.find("  vexamo-cli eval "), std::string::npos) << c.language;
        const CliResult eval = RunIn(c.language, {"eval", "--help"});
        EXPECT_EQ(eval.status, 0);
        EXPECT_NE(eval.out.find(c.evalHolds), std::string::npos) << eval.out;
    }
}

// The catalogue's own text of a message (the window's, where it shows the message) is exactly
// one of its three languages; texts that are not messages (the result labels) never change.
TEST_F(MessageLanguage, TranslationsKeepTheWindowsTexts) {
    const ScopedEnv all("LC_ALL", "C.UTF-8");
    int messages = 0;
    for (int i = 0; i <= static_cast<int>(TextId::Last); ++i) {
        const TextId id = static_cast<TextId>(i);
        UseOwnTexts();
        const std::string own = UserText(id);
        std::string translated[3];
        int k = 0;
        for (const char* language : {"de", "fr", "en"}) {
            const ScopedEnv lang("LANGUAGE", language);
            UseMessageLanguage();
            translated[k++] = UserText(id);
        }
        if (!IsCliMessage(id)) {
            EXPECT_EQ(translated[0], own) << i;
            EXPECT_EQ(translated[1], own) << i;
        } else if (id != TextId::CliUsageTitle && id != TextId::CliUsageNotes) {
            ++messages;
            EXPECT_TRUE(translated[0] == own || translated[1] == own || translated[2] == own)
                << i << ": " << own;
            EXPECT_NE(translated[0], translated[1]) << i << ": not translated";
        }
    }
    EXPECT_GT(messages, 80);
}

// A query or value full of terminal controls comes back escaped on a terminal, and byte for
// byte through a pipe. (JSON output escapes them itself.)
TEST_F(MessageLanguage, UserTextEscapedOnATerminal) {
    const std::string hostile = "\x1b]0;pwned\a\x1b[31mParis";
    const std::string escaped = "\\x1b]0;pwned\\x07\\x1b[31mParis";
    const struct {
        std::vector<std::string> args;
        std::string input;
    } cases[] = {
        {{"places", hostile}, ""},
        {{"zone", "--place", hostile, "1", "1", "2000", "12", "0"}, ""},
        {{"zone", "--zone", hostile, "1", "1", "2000", "12", "0"}, ""},
        {{"eval", "--place", hostile, "1", "1", "2000", "12", "0"}, ""},
        {{"eval", "--zone", hostile, "1", "1", "2000", "12", "0"}, ""},
        {{"batch"}, "day,month,year,hour,minute,place\n1,1,2000,12,0," + hostile + "\n"},
    };
    for (const auto& c : cases) {
        const CliResult tty = RunIn("en", c.args, c.input, true);
        const std::string shown = tty.out + tty.err;
        EXPECT_EQ(shown.find('\x1b'), std::string::npos) << shown;
        EXPECT_EQ(shown.find('\a'), std::string::npos) << shown;
        EXPECT_NE(shown.find(escaped), std::string::npos) << shown;
        const CliResult pipe = RunIn("en", c.args, c.input, false);
        EXPECT_NE((pipe.out + pipe.err).find(hostile), std::string::npos) << c.args[0];
    }
}

// A birthplace's own mean time in each language, in the refusal that asks for --round.
TEST_F(MessageLanguage, PlaceMeanTimeNamesThePlaceInEachLanguage) {
    const std::vector<std::string> args = {"zone", "--place", "Chengdu", "1",
                                           "1",    "1880",    "12",      "0"};
    const std::pair<const char*, const char*> cases[] = {
        {"en", "vexamo-cli: UTC+06:56:16 (LMT), local mean time of Chengdu: "},
        {"de", "vexamo-cli: UTC+06:56:16 (LMT), mittlere Ortszeit von Chengdu: "},
        {"fr", "vexamo-cli: UTC+06:56:16 (LMT), temps moyen local de Chengdu : "},
    };
    for (const auto& [language, start] : cases) {
        const CliResult r = RunIn(language, args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.substr(0, std::string_view(start).size()), start) << language << r.err;
    }
}

} // namespace
