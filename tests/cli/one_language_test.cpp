// Every text of vexamo-cli in one language: English, German or French, never a word of the other
// two. The form's own labels ("Lune :", the show labels) and what the user's data says (a CSV
// header, a place's name) are the same in every language and are left out of the comparison.
#include <algorithm>
#include <array>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/record_fields.h"
#include "app/text_catalogue.h"
#include "cli/commands.h"
#include "cli/option_table.h"
#include "tests/cli/cli_runner.h"
#include "tests/language_scope.h"

namespace {

// Words that only one of the three languages uses, common enough to show up wherever a text
// of that language leaked into another. Words that the others share ("zone", "format", "minute")
// or that name CSV columns in every language ("day", "place", "name") are not markers.
struct Language {
    const char* code;
    std::set<std::string_view> markers;
};

std::set<std::string_view> WordSet(std::string_view words) {
    std::set<std::string_view> set;
    for (size_t at = 0; at < words.size();) {
        const size_t end = std::min(words.find(' ', at), words.size());
        set.insert(words.substr(at, end - at));
        at = end + 1;
    }
    return set;
}

const std::array<Language, 3>& Languages() {
    static const std::array<Language, 3> languages = {{
        {"en", WordSet("the and of is not or with from must cannot file time summer winter offset "
                       "mean expects expected whole number give instead which this line column "
                       "field hours records record unknown missing more than only be")},
        {"de", WordSet("und der die das ist nicht ein eine einen mit von oder wird werden kann "
                       "muss datei zeit sommerzeit normalzeit ortszeit verschiebung "
                       "zeitverschiebung stunde auf für sind nach bei statt zeile spalte feld zu "
                       "zwischen bitte erwartet unbekannt aufruf hilfe")},
        {"fr", WordSet("le la les et est une pas ou avec pour fichier heure fuseau horaire lieu "
                       "décalage été normale moyen sont dans être doit nombre entre ne au sur "
                       "attend attendu ligne colonne champ veuillez donnez de inconnu inconnue "
                       "aide utilisation")},
    }};
    return languages;
}

bool IsLetterStart(unsigned char c) {
    // ASCII letters and the two-byte UTF-8 letters of the Latin script (U+00C0..U+017F); an
    // underscore joins the words of a key ("utc_offset_minutes").
    return std::isalpha(c) != 0 || c == '_' || c == 0xC3 || c == 0xC4 || c == 0xC5;
}

// The words of a text in lower case (ASCII), split at everything but letters and underscores.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsLetterStart(c) && c >= 0x80 && i + 1 < text.size()) {
            word.append(text.substr(i, 2));
            ++i;
        } else if (IsLetterStart(c)) {
            word.push_back(static_cast<char>(std::tolower(c)));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

// The text without what is the same in every language: options ("-o", "--no-dst"), the
// program's name, the licence's identifier, time-zone abbreviations ("(IST)") and the list of
// accepted CSV headers.
std::string Comparable(std::string text) {
    for (const std::string& fixed :
         {AcceptedColumnNames(), std::string("GPL-3.0-or-later"), std::string("vexamo-cli")}) {
        for (size_t at = text.find(fixed); at != std::string::npos; at = text.find(fixed, at)) {
            text.erase(at, fixed.size());
        }
    }
    static const std::regex kSame(R"((^|[^A-Za-z0-9])--?[A-Za-z][A-Za-z0-9_-]*|\([A-Z0-9+-]+\))");
    return std::regex_replace(text, kSame, "$1");
}

// The marker words of the other two languages that text holds.
std::vector<std::string> ForeignWords(const std::string& text, const char* language) {
    std::vector<std::string> found;
    for (const std::string& word : Words(Comparable(text))) {
        for (const Language& other : Languages()) {
            if (std::string_view(other.code) != language && other.markers.contains(word)) {
                found.push_back(other.code + std::string(":") + word);
            }
        }
    }
    return found;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& word : words) {
        out.append(out.empty() ? "" : ", ").append(word);
    }
    return out;
}

const CommandSyntax* const kCommands[] = {
    &kEvalSyntax,   &kBatchSyntax,  &kListSyntax,   &kShowSyntax, &kAddSyntax,    &kRemoveSyntax,
    &kImportSyntax, &kExportSyntax, &kPlacesSyntax, &kZoneSyntax, &kReportSyntax, &kDiagramSyntax,
};

// The English help texts of the command tables: summaries and option lines.
std::vector<std::string> HelpTexts() {
    std::vector<std::string> texts;
    for (const CommandSyntax* syntax : kCommands) {
        texts.emplace_back(syntax->summary);
        for (const OptionSpec& option : syntax->options) {
            if (!option.help.empty()) {
                texts.emplace_back(option.help);
            }
        }
    }
    return texts;
}

} // namespace

// The marker table itself: no word is a marker of two languages, and the word splitting keeps
// accented letters inside a word.
TEST(OneLanguage, MarkersBelongToOneLanguageEach) {
    std::set<std::string_view> all;
    for (const Language& language : Languages()) {
        for (const std::string_view word : language.markers) {
            EXPECT_TRUE(all.insert(word).second) << word;
        }
    }
    EXPECT_EQ(
        Words("Décalage : UTC+00:19:14, temps moyen local d'Avignon"),
        (std::vector<std::string>{"décalage", "utc", "temps", "moyen", "local", "d", "avignon"}));
    EXPECT_EQ(ForeignWords("Offset: UTC+02:00 (CEST), heure d'été", "en"),
              (std::vector<std::string>{"fr:heure", "fr:été"}));
    EXPECT_EQ(ForeignWords("--no-dst und --before-1900 or-later", "de"),
              (std::vector<std::string>{"en:or"}));
}

// Every message and help text of the catalogue, as each language has it.
TEST(OneLanguage, EveryCatalogueTextInTheUsersLanguage) {
    for (const Language& language : Languages()) {
        const LanguageScope scope(language.code);
        int checked = 0;
        for (int i = 0; i <= static_cast<int>(TextId::Last); ++i) {
            const auto id = static_cast<TextId>(i);
            if (!IsCliMessage(id)) {
                continue;
            }
            ++checked;
            const std::string text = UserText(id);
            EXPECT_EQ(Joined(ForeignWords(text, language.code)), "")
                << language.code << " " << i << ": " << text;
        }
        EXPECT_GT(checked, 130);
        for (const std::string& help : HelpTexts()) {
            const std::string text = TranslatedMessage(help.c_str());
            EXPECT_EQ(Joined(ForeignWords(text, language.code)), "")
                << language.code << ": " << text;
        }
    }
}

// What the user meets: results of zone and places, the help of every command, usage errors,
// refused input and the CSV input's messages, run in each language.
TEST(OneLanguage, EveryOutputInTheUsersLanguage) {
    struct Run {
        std::vector<std::string> args;
        std::string input = {};
        // The list of places is data, in the language the place list was first read in.
        bool outIsData = false;
    };
    const std::string births = "day,month,year,hour,minute,tz,southern,place\n";
    std::vector<Run> runs = {
        {{"zone", "--place", "Chengdu", "1", "1", "1880", "12", "0", "--round"}},
        {{"zone", "--place", "Chengdu", "1", "1", "1880", "12", "0"}},
        {{"zone", "--place", "Chengdu", "31", "12", "1900", "23", "0"}},
        {{"zone", "--place", "Berlin", "1", "7", "2023", "12", "0"}},
        {{"zone", "--zone", "Asia/Shanghai", "1", "1", "1880", "12", "0", "--round"}},
        {{"zone", "--zone", "Europe/Berlin", "29", "10", "2023", "2", "30"}},
        {{"zone", "--zone", "Europe/Berlin", "26", "3", "2023", "2", "30"}},
        {{"zone", "--zone", "Asia/Kolkata", "1", "5", "2023", "12", "0"}},
        {{"zone", "--zone", "Asia/Kolkata", "1", "5", "2023", "12", "0", "--round"}},
        {{"zone", "--zone", "Pacific/Kiritimati", "1", "5", "2023", "12", "0"}},
        {{"zone", "--zone", "Europe/Berln", "1", "1", "2000", "0", "0"}},
        {{"zone", "--place", "Xqzzyville", "1", "1", "2000", "0", "0"}},
        {{"zone", "1", "1", "2000", "0", "0"}},
        {{"places", "Chengdu"}, "", true},
        {{"places", "M"}, "", true},
        {{"places", "Xqzzyville"}},
        {{"places", "Berlin", "--limit", "0"}},
        {{}},
        {{"bogus"}},
        {{"--help"}},
        {{"--version"}},
        {{"eval", "--bogus"}},
        {{"eval", "--tz"}},
        {{"eval", "1", "x", "2000", "1", "1"}},
        {{"eval", "1", "2"}},
        {{"eval", "1", "13", "2000", "1", "1"}},
        {{"eval", "31", "2", "2000", "1", "1"}},
        {{"eval", "1", "1", "1850", "1", "1"}},
        {{"eval", "--tz", "13", "1", "1", "2000", "1", "1"}},
        {{"eval", "--tz", "1", "--place", "Berlin", "1", "1", "2000", "1", "1"}},
        {{"eval", "--place", "Berlin", "--zone", "Europe/Berlin", "1", "1", "2000", "1", "1"}},
        {{"eval", "--dst", "--no-dst", "--place", "Berlin", "1", "1", "2000", "1", "1"}},
        {{"eval", "--round", "1", "1", "2000", "1", "1"}},
        {{"add"}},
        {{"add", "/nonexistent/f.dat", "Eva", "--tz", "x", "1", "1", "2000", "1", "1"}},
        {{"add", "/nonexistent/f.dat", "Eva", "1", "1"}},
        {{"add", "/nonexistent/f.dat", "", "1", "1", "2000", "1", "1"}},
        {{"show", "/nonexistent/f.dat", "Eva"}},
        {{"list"}},
        {{"list", "/"}},
        {{"export", "/nonexistent/f.dat", "--format", "xml"}},
        {{"export", "/nonexistent/f.dat", "--format", "tsv", "--spreadsheet"}},
        {{"export", "/nonexistent/f.dat", "--delimiter", "x"}},
        {{"import", "/nonexistent/f.dat"}},
        {{"batch", "a.csv", "b.csv"}},
        {{"batch", "--format", "xml"}},
        {{"batch", "--jobs", "0"}},
        {{"diagram", "-o", "x.gif", "1", "1", "2000", "1", "1"}},
        {{"diagram", "-o", "x.png", "--scale", "0", "1", "1", "2000", "1", "1"}},
        {{"report", "1", "1", "2000", "1", "1"}},
        {{"report", "-o", "x.pdf", "--name", "Eva", "--file", "f.dat"}},
        {{"batch"}, births + "1,1,2000,12,0,x,0,\n1,1,2000,12,0,1,7,\n1,1,2000,12,0,1,,Berlin\n"},
        {{"batch"}, births + "29,10,2023,2,30,,,Berlin\n1,1,1880,12,0,,,Chengdu\n"},
        {{"batch"}, births + "1,1,1850,12,0,,,\n1,13,2000,12,0,,,\n1,1,2000,12,0,,,Xqzzyville\n"},
        {{"batch"}, "day,month\n1,1\n"},
        {{"batch"}, "day,month,year,hour,minute,foo\n1,1\n"},
        {{"batch"}, "day,month,year,hour,minute\n1,\"1,2000,12,0\n"},
        {{"batch"}, "day,month,year,hour,minute\n1,1\"x\",2000,12,0\n"},
        {{"batch"}, "day,Tag,month,year,hour,minute\n"},
        {{"batch"}, "day,month,year,hour,minute,julian_date\n"},
        {{"batch"}, ""},
        {{"batch", "--delimiter", "x"}, "day\n"},
        {{"batch"}, "name,day,month,year,hour,minute\n\xE9,1,1,2000,12,0\n"},
        {{"import", "/nonexistent/f.dat", "-"}, "day,month,year,hour,minute\n"},
    };
    for (const CommandSyntax* syntax : kCommands) {
        runs.push_back({{std::string(syntax->name), "--help"}});
        runs.push_back({{std::string(syntax->name), "--bogus"}});
    }
    for (const Language& language : Languages()) {
        const LanguageScope scope(language.code);
        for (const Run& run : runs) {
            const CliResult r = RunCliWith(run.args, run.input);
            const std::string shown = (run.outIsData ? "" : r.out) + r.err;
            EXPECT_FALSE((r.out + r.err).empty());
            EXPECT_EQ(Joined(ForeignWords(shown, language.code)), "")
                << language.code << " " << (run.args.empty() ? "" : run.args[0]) << ":\n"
                << shown;
        }
    }
}

// A placeholder is one word in each language: the usage line, the help under it and the
// messages all call the day DAY, TAG or JOUR, and never the English word in a translation.
TEST(OneLanguage, PlaceholdersNamedAlikeEverywhere) {
    std::vector<std::string> english = HelpTexts();
    {
        const LanguageScope scope("en");
        for (int i = 0; i <= static_cast<int>(TextId::Last); ++i) {
            if (IsCliMessage(static_cast<TextId>(i))) {
                english.emplace_back(UserText(static_cast<TextId>(i)));
            }
        }
    }
    // The English placeholder words of a text, as PlaceholderText finds them.
    const auto placeholdersIn = [](std::string_view text) {
        std::vector<std::string_view> found;
        for (const std::string_view placeholder : Placeholders()) {
            for (size_t at = text.find(placeholder); at != std::string_view::npos;
                 at = text.find(placeholder, at + 1)) {
                const size_t end = at + placeholder.size();
                const auto wordAt = [&](size_t i) {
                    return std::isalnum(static_cast<unsigned char>(text[i])) != 0 ||
                           text[i] == '_' || static_cast<unsigned char>(text[i]) >= 0x80;
                };
                if ((at == 0 || !wordAt(at - 1)) && (end == text.size() || !wordAt(end))) {
                    found.push_back(placeholder);
                    break;
                }
            }
        }
        return found;
    };
    int checked = 0;
    for (const char* language : {"de", "fr"}) {
        const LanguageScope scope(language);
        for (const std::string& text : english) {
            const std::string translated = TranslatedMessage(text.c_str());
            const std::vector<std::string_view> inTranslation = placeholdersIn(translated);
            for (const std::string_view placeholder : placeholdersIn(text)) {
                ++checked;
                const std::string word = PlaceholderText(placeholder);
                EXPECT_NE(translated.find(word), std::string::npos)
                    << language << ": " << word << " in " << translated;
                if (word != placeholder) {
                    EXPECT_EQ(std::count(inTranslation.begin(), inTranslation.end(), placeholder),
                              0)
                        << language << ": " << placeholder << " in " << translated;
                }
            }
        }
        // And the words of a usage error are those of the usage line.
        const CliResult r = RunCliCaptured({"eval", "1", "x", "2000", "1", "1"});
        EXPECT_NE(r.err.find(": " + PlaceholderText("MONTH") + " "), std::string::npos) << r.err;
        EXPECT_NE(RunCliCaptured({"eval", "--help"}).out.find(PlaceholderText("MONTH")),
                  std::string::npos);
    }
    EXPECT_GT(checked, 60);
}

// A CSV message names a column as the file's header writes it, in whatever language that is.
TEST(OneLanguage, CsvMessagesNameTheColumnsAsTheHeaderDoes) {
    const std::string header = "Tag,Monat,Jahr,Stunde,Minute,Zeitzone,S\u00FCdhalbkugel,Ort,"
                               "Sommerzeit,Arrondir\n";
    const struct {
        std::string row;
        const char* en;
        const char* fr;
    } cases[] = {
        {"1,1,2000,12,0,x,0,,,", "The field \u201CZeitzone\u201D must hold a whole number.",
         "Le champ \u00AB Zeitzone \u00BB doit contenir un nombre entier."},
        {"1,1,2000,12,0,1,7,,,", "The field \u201CS\u00FCdhalbkugel\u201D must hold 0 or 1.",
         "Le champ \u00AB S\u00FCdhalbkugel \u00BB doit contenir 0 ou 1."},
        {"x,1,2000,12,0,1,0,,,", "The field \u201CTag\u201D must hold a whole number.",
         "Le champ \u00AB Tag \u00BB doit contenir un nombre entier."},
        {"1,1,2000,12,0,1,0,Berlin,,",
         "Only one of the fields \u201CZeitzone\u201D and \u201COrt\u201D may be filled in.",
         "Un seul des champs \u00AB Zeitzone \u00BB et \u00AB Ort \u00BB peut \u00EAtre rempli."},
        {"1,1,2000,12,0,,0,Berlin,2,", "The field \u201CSommerzeit\u201D must hold 0 or 1.",
         "Le champ \u00AB Sommerzeit \u00BB doit contenir 0 ou 1."},
        {"1,1,2000,12,0,,0,Berlin,,ja", "The field \u201CArrondir\u201D must hold 0 or 1.",
         "Le champ \u00AB Arrondir \u00BB doit contenir 0 ou 1."},
        {"29,10,2023,2,30,,0,Berlin,,",
         " Fill the row's column \u201CSommerzeit\u201D with 1 (summer time) or 0",
         " Remplir la colonne \u00AB Sommerzeit \u00BB de la ligne avec 1"},
    };
    for (const auto& c : cases) {
        for (const auto& [language, message] : {std::pair{"en", c.en}, std::pair{"fr", c.fr}}) {
            const LanguageScope scope(language);
            const CliResult r = RunCliWith({"batch", "--format", "jsonl"},
                                           "Name," + header + "Eva," + c.row + "\n");
            EXPECT_EQ(r.status, 1) << r.err;
            EXPECT_NE(r.out.find(message), std::string::npos) << language << ": " << r.out;
        }
    }
}
