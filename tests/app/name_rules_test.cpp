#include <string>

#include <gtest/gtest.h>

#include "app/name_rules.h"
#include "app/text_catalogue.h"

using namespace std::string_literals;

TEST(NameRules, EveryControlCharacterIsRefusedWithItsPlace) {
    struct Case {
        std::string name;
        char32_t character;
        size_t offset;
    };
    const Case cases[] = {
        {"Eva\0Adam"s, 0x00, 3},            // a zero byte pasted into the field
        {"\tEva", 0x09, 0},                 // tab: would shift the export's columns
        {"Eva\n", 0x0A, 3},                 // line feed: an extra row
        {"Ev\ra", 0x0D, 2},                 // carriage return
        {"\x1b]0;owned\x07", 0x1B, 0},      // a terminal title sequence
        {"\x1f", 0x1F, 0},                  // last of C0
        {"Eva\x7f", 0x7F, 3},               // delete
        {"M\xC3\xBCller\xC2\x80", 0x80, 7}, // first of C1, after a two-byte ü
        {"\xC2\x9B"
         "2J",
         0x9B, 0},              // the single-character control sequence introducer
        {"x\xC2\x9F", 0x9F, 1}, // last of C1
    };
    for (const auto& c : cases) {
        const NameCheck check = CheckName(c.name, NameUse::NewEntry);
        EXPECT_EQ(check.refusal, RecordRefusal::NameHasControlCharacter) << c.name;
        EXPECT_EQ(check.character, c.character) << c.name;
        EXPECT_EQ(check.offset, c.offset) << c.name;
        // An existing entry of such a name, read from a file written elsewhere, can still be
        // found; the key keeps the character.
        NameKey key;
        EXPECT_TRUE(CheckName(c.name, NameUse::ExistingEntry, &key).Accepted()) << c.name;
        EXPECT_EQ(NameKeyToUtf8(key), c.name);
    }
}

TEST(NameRules, PrintableNamesAreAcceptedAndConvertedForTheStore) {
    NameKey stored;
    EXPECT_EQ(CheckName(" Muster ", NameUse::NewEntry, &stored).refusal, RecordRefusal::None);
    EXPECT_EQ(stored, NameKey(" Muster "));
    // The euro sign, curly quotes and the like sit at bytes 0x80 to 0x9F of Windows-1252,
    // but are no control characters.
    EXPECT_TRUE(
        CheckName("\xE2\x82\xAC \xE2\x80\x9EZitat\xE2\x80\x9C \xC5\x92", NameUse::NewEntry, &stored)
            .Accepted());
    EXPECT_EQ(stored, NameKey("\x80 \x84Zitat\x93 \x8C"));
    EXPECT_EQ(CheckName("\xC2\xA0nbsp \xC3\xBF", NameUse::NewEntry, &stored).refusal,
              RecordRefusal::None);
    EXPECT_EQ(stored, NameKey("\xA0nbsp \xFF"));
    EXPECT_TRUE(CheckName("=1+1", NameUse::NewEntry).Accepted()); // the export guards it
    EXPECT_TRUE(CheckName("--help", NameUse::NewEntry).Accepted());
}

TEST(NameRules, OtherRefusalsForEveryUse) {
    struct Case {
        std::string name;
        RecordRefusal refusal;
        char32_t character;
        size_t offset;
    };
    const Case cases[] = {
        {"", RecordRefusal::EmptyName, 0, 0},
        {"ab\xFF", RecordRefusal::NameNotStorable, 0, 2},       // not UTF-8
        {"\xC0\x80", RecordRefusal::NameNotStorable, 0, 0},     // overlong zero byte
        {"\xED\xA0\x80", RecordRefusal::NameNotStorable, 0, 0}, // an encoded surrogate
        {"a\t\xFF", RecordRefusal::NameNotStorable, 0, 2},      // the control is no fault here
    };
    for (const Case& c : cases) {
        const NameCheck check = CheckName(c.name, NameUse::ExistingEntry);
        EXPECT_EQ(check.refusal, c.refusal) << c.name;
        EXPECT_EQ(check.character, c.character) << c.name;
        EXPECT_EQ(check.offset, c.offset) << c.name;
    }
    // The first fault decides.
    EXPECT_EQ(CheckName("\tИ", NameUse::NewEntry).refusal, RecordRefusal::NameHasControlCharacter);
    EXPECT_EQ(CheckName("И\t", NameUse::NewEntry).refusal, RecordRefusal::NameHasControlCharacter);
    EXPECT_EQ(CheckName("\xFF\t", NameUse::NewEntry).refusal, RecordRefusal::NameNotStorable);
    NameKey stored("untouched");
    EXPECT_FALSE(CheckName("a\nb", NameUse::NewEntry, &stored).Accepted());
    EXPECT_EQ(stored, NameKey("untouched"));
}

TEST(NameRules, EachRefusalHasOneTextNamingTheName) {
    const std::pair<RecordRefusal, TextId> cases[] = {
        {RecordRefusal::EmptyName, TextId::NoName},
        {RecordRefusal::NameExists, TextId::RecordExists},
        {RecordRefusal::NotFound, TextId::RecordMissing},
    };
    for (const auto& [refusal, id] : cases) {
        EXPECT_EQ(RecordRefusalText(refusal, "Eva"), UserText(id, {"Eva"}));
    }
    EXPECT_EQ(RecordRefusalText(RecordRefusal::None, "Eva"), "");
    // The refused character is named, with the name.
    EXPECT_EQ(RecordRefusalText(RecordRefusal::NameHasControlCharacter, "a\x1b"),
              UserText(TextId::NameControlCharacter, {"a\x1b", "U+001B"}));
    // A malformed name is shown with U+FFFD in place of its bad bytes, never the bytes
    // themselves, and the place of the first bad byte is given.
    const std::string malformed = RecordRefusalText(RecordRefusal::NameNotStorable, "Ev\xFF\xFE");
    EXPECT_NE(malformed.find("Ev\uFFFD\uFFFD"), std::string::npos) << malformed;
    EXPECT_NE(malformed.find(" 3"), std::string::npos) << malformed;
    EXPECT_EQ(malformed.find('\xFF'), std::string::npos);
}

TEST(NameRules, NamesInAnyScriptGetTheirKey) {
    struct Case {
        std::string name;
        bool wide;
    };
    const Case cases[] = {
        {"Zo\u00EB M\u00FCller", false},                // Latin within Windows-1252
        {"\u0141ukasz \u017Bak", true},                 // Ł is not, Ż neither
        {"\u039D\u03AF\u03BA\u03BF\u03C2", true},       // Greek
        {"\u041C\u043E\u0441\u043A\u0432\u0430", true}, // Cyrillic
        {"\u05D3\u05D5\u05D3", true},                   // Hebrew
        {"\u0639\u0644\u064A", true},                   // Arabic
        {"\u674E\u5C0F\u9F99", true},                   // Chinese
        {"Eva \U0001F600", true},                       // beyond U+FFFF: a surrogate pair
    };
    for (const Case& c : cases) {
        NameKey key;
        ASSERT_TRUE(CheckName(c.name, NameUse::NewEntry, &key).Accepted()) << c.name;
        EXPECT_EQ(key.IsWide(), c.wide) << c.name;
        EXPECT_EQ(NameKeyToUtf8(key), c.name);
    }
}

TEST(NameRules, NamesAreKeyedInNfc) {
    struct Case {
        std::string given;
        std::string nfc;
    };
    const Case cases[] = {
        {"Zoe\u0308", "Zo\u00EB"}, // decomposed, fits Windows-1252
        {"\u0391\u0301\u03BD\u03BD\u03B1", "\u0386\u03BD\u03BD\u03B1"}, // Greek tonos
        {"\u1100\u1161", "\uAC00"},                                     // Hangul jamo
        {"Z\u0307ak", "\u017Bak"}, // Polish Ż from Z + dot above
        {"A\u212B", "A\u00C5"},    // Ångström sign to Å
        {"Zo\u00EB", "Zo\u00EB"},  // already composed
        {"plain", "plain"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NormalizeName(c.given), c.nfc) << c.given;
        NameKey given;
        NameKey composed;
        ASSERT_TRUE(CheckName(c.given, NameUse::ExistingEntry, &given).Accepted());
        ASSERT_TRUE(Utf8ToNameKey(c.nfc, composed));
        EXPECT_EQ(given, composed) << c.given;
    }
}

TEST(NameRules, ControlCharactersOfNamesAsTheStoreHoldsThem) {
    EXPECT_FALSE(HasControlCharacterCp1252("M\xFCller \x80 \x9F\xA0"));
    for (const int byte : {0x00, 0x09, 0x1F, 0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_TRUE(HasControlCharacterCp1252("a"s + static_cast<char>(byte))) << byte;
    }
    EXPECT_FALSE(HasControlCharacterCp1252(""));
}
