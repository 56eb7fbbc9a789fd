// Reading the translators' catalogues: which entries become messages, the strings with their
// escapes and continuation lines, and the line named for a malformed file.
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "tools/po_file.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kHeader = "msgid \"\"\n"
                                "msgstr \"\"\n"
                                "\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";

Pairs Messages(const PoFile& file) {
    Pairs pairs;
    for (const PoMessage& m : file.messages) {
        pairs.emplace_back(MessageKey(m), m.translation);
    }
    return pairs;
}

} // namespace

TEST(PoFile, EntriesThatBecomeMessages) {
    const struct {
        const char* what;
        std::string text;
        Pairs messages;
    } cases[] = {
        {"one message after the header",
         std::string(kHeader) + "msgid \"Yes\"\nmsgstr \"Ja\"\n",
         {{"Yes", "Ja"}}},
        {"comments and flags",
         "# a file\n#. Id\n#: file.cpp:3\n#, c-format\nmsgid \"a\"\nmsgstr \"b\"\n",
         {{"a", "b"}}},
        {"continuation lines",
         "msgid \"\"\n\"one \"\n\"two\"\nmsgstr \"eins \"\n  \"zwei\"\n",
         {{"one two", "eins zwei"}}},
        {"escapes",
         R"(msgid "a\n\t\"q\"\\ \101\x42\303\251"
msgstr "ok")",
         {{"a\n\t\"q\"\\ AB\xC3\xA9", "ok"}}},
        {"untranslated and fuzzy entries left out",
         "msgid \"a\"\nmsgstr \"\"\n\n#, fuzzy\nmsgid \"b\"\nmsgstr \"B\"\n\nmsgid \"c\"\n"
         "msgstr \"C\"\n",
         {{"c", "C"}}},
        {"a fuzzy flag stays with its entry",
         "msgid \"a\"\nmsgstr \"A\"\n#, fuzzy, c-format\nmsgid \"b\"\nmsgstr \"B\"\n",
         {{"a", "A"}}},
        {"obsolete entries left out",
         "#~ msgid \"old\"\n#~ msgstr \"alt\"\nmsgid \"n\"\nmsgstr \"N\"\n",
         {{"n", "N"}}},
        {"the same text in two contexts",
         "msgid \"FILE\"\nmsgstr \"Datei\"\n\nmsgctxt \"placeholder\"\nmsgid \"FILE\"\n"
         "msgstr \"DATEI\"\n",
         {{"FILE", "Datei"}, {std::string("placeholder\004FILE"), "DATEI"}}},
        {"CR LF line ends and blanks", "msgid  \"x\"  \r\nmsgstr\t\"y\"\r\n\r\n", {{"x", "y"}}},
    };
    for (const auto& c : cases) {
        const PoFile file = ReadPoFile(c.text);
        EXPECT_EQ(file.error, "") << c.what;
        EXPECT_EQ(Messages(file), c.messages) << c.what;
    }
}

TEST(PoFile, MalformedFilesAreRefusedAtTheirLine) {
    const struct {
        std::string text;
        const char* error; // how the error begins
    } cases[] = {
        {"msgid \"a\"\nmsgstr \"b", "line 2: not a well-formed string"},
        {"msgid \"a\"\n\nmsgstr \"b\"\n", "line 2: msgid without a msgstr"},
        {"msgstr \"b\"\n", "line 1: msgstr without a msgid"},
        {"msgid \"a\"\nmsgstr \"\\q\"\n", "line 2: not a well-formed string"},
        {"msgid \"a\"\nmsgstr \"b\" \"c\"\n", "line 2: not a well-formed string"},
        {"msgctxt \"menu\"\n\nmsgid \"a\"\nmsgstr \"b\"\n", "line 2: msgctxt without a msgid"},
        {"msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[0] \"b\"\n", "line 2: plural forms"},
        {"\"stray\"\n", "line 1: a string outside an entry"},
        {"msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n\nmsgid \"a\"\n",
         "line 3: the texts must be in UTF-8, not ISO-8859-1"},
        {"msgid \"a\"\nmsgstr \"b\"\nmsgtxt \"c\"\n", "line 3: unknown keyword msgtxt"},
    };
    for (const auto& c : cases) {
        const PoFile file = ReadPoFile(c.text);
        EXPECT_EQ(file.error.rfind(c.error, 0), 0u) << c.text << " -> " << file.error;
    }
}

TEST(PoFile, PlaceholdersOfAText) {
    const std::pair<const char*, const char*> cases[] = {
        {"no placeholder", ""}, {"%2 of %1, %1 again", "12"}, {"100% sure, %0 %a", ""},
        {"%9%1", "19"},         {"ends with %", ""},          {"%%1", "1"},
    };
    for (const auto& [text, digits] : cases) {
        EXPECT_EQ(Placeholders(text), digits) << text;
    }
}
