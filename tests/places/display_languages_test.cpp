// The user's languages as the environment and the message locale give them, and the catalogue
// names a translation is looked for under.
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "places/display_languages.h"
#include "tests/cli/scoped_env.h"

using places::CatalogueNames;
using places::UserDisplayLanguages;

using Names = std::vector<std::string>;

TEST(DisplayLanguages, CatalogueNamesFromTheMostParticular) {
    const struct {
        Names languages;
        Names names;
    } cases[] = {
        {{"de"}, {"de"}},
        {{"de_AT"}, {"de_AT", "de"}},
        {{"sr@latin"}, {"sr@latin", "sr"}},
        {{"de_AT.UTF-8"}, {"de_AT.UTF-8", "de_AT.utf8", "de_AT", "de.UTF-8", "de.utf8", "de"}},
        {{"fr.utf8"}, {"fr.utf8", "fr"}},
        {{"de.8859-1"}, {"de.8859-1", "de.iso88591", "de"}},
        {{"ca_ES.UTF-8@valencia"},
         {"ca_ES.UTF-8@valencia", "ca_ES.utf8@valencia", "ca_ES@valencia", "ca.UTF-8@valencia",
          "ca.utf8@valencia", "ca@valencia", "ca_ES.UTF-8", "ca_ES.utf8", "ca_ES", "ca.UTF-8",
          "ca.utf8", "ca"}},
        {{"pt_BR", "fr"}, {"pt_BR", "pt", "fr"}},
        {{"it", "C", "de"}, {"it"}},
        {{"POSIX", "de"}, {}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CatalogueNames(c.languages), c.names) << testing::PrintToString(c.languages);
    }
}

TEST(DisplayLanguages, LocaleAliasesInAnyCase) {
    const char* const table = "# locale name aliases\n"
                              "bokmal\t\tnb_NO.ISO-8859-1\n"
                              "  german   de_DE.ISO-8859-1\n"
                              "#french fr_FR\n"
                              "broken\n";
    const struct {
        const char* name;
        const char* expanded;
    } cases[] = {
        {"german", "de_DE.ISO-8859-1"}, {"GERMAN", "de_DE.ISO-8859-1"},
        {"Bokmal", "nb_NO.ISO-8859-1"}, {"french", "french"},
        {"broken", "broken"},           {"de_DE", "de_DE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(places::ExpandLocaleAlias(c.name, table), c.expanded) << c.name;
    }
}

// The message locale: on Windows, which has none, the variable that names it.
class MessageLocale {
  public:
    explicit MessageLocale(const char* locale) : m_all("LC_ALL", locale) {
#ifndef _WIN32
        m_set = std::setlocale(LC_MESSAGES, locale) != nullptr;
#endif
    }
#ifndef _WIN32
    ~MessageLocale() {
        std::setlocale(LC_MESSAGES, "C");
    }
#endif
    MessageLocale(const MessageLocale&) = delete;
    MessageLocale& operator=(const MessageLocale&) = delete;
    bool Set() const {
        return m_set;
    }

  private:
    ScopedEnv m_all;
    bool m_set = true;
};

TEST(DisplayLanguages, LanguageListUnlessTheMessageLocaleIsC) {
    const struct {
        const char* locale;
        const char* language; // nullptr: unset
        Names expected;
    } cases[] = {
        {"C.UTF-8", "de:fr", {"de", "fr"}},
        {"C.UTF-8", "::pt_BR::en:", {"pt_BR", "en"}},
        {"C.UTF-8", "", {"C.UTF-8"}},
        {"C.UTF-8", nullptr, {"C.UTF-8"}},
        {"C", "de", {}},
        {"POSIX", "de", {}},
    };
    for (const auto& c : cases) {
        const MessageLocale locale(c.locale);
        ASSERT_TRUE(locale.Set()) << c.locale;
        const ScopedEnv language("LANGUAGE", c.language);
        EXPECT_EQ(UserDisplayLanguages(), c.expected)
            << c.locale << " " << (c.language ? c.language : "(unset)");
    }
}
