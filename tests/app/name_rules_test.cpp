#include <string>

#include <gtest/gtest.h>

#include "app/name_rules.h"

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
        // An existing entry of such a name can still be found, where the store can hold the
        // character (C0 and delete; of C1 only five, none of them here).
        std::string key;
        EXPECT_EQ(CheckName(c.name, NameUse::ExistingEntry, &key).refusal,
                  c.character < 0x80 ? RecordRefusal::None : RecordRefusal::NameNotStorable)
            << c.name;
    }
}

TEST(NameRules, PrintableNamesAreAcceptedAndConvertedForTheStore) {
    std::string stored;
    EXPECT_EQ(CheckName(" Muster ", NameUse::NewEntry, &stored).refusal, RecordRefusal::None);
    EXPECT_EQ(stored, " Muster ");
    // The euro sign, curly quotes and the like sit at bytes 0x80 to 0x9F of Windows-1252,
    // but are no control characters.
    EXPECT_TRUE(
        CheckName("\xE2\x82\xAC \xE2\x80\x9EZitat\xE2\x80\x9C \xC5\x92", NameUse::NewEntry, &stored)
            .Accepted());
    EXPECT_EQ(stored, "\x80 \x84Zitat\x93 \x8C");
    EXPECT_EQ(CheckName("\xC2\xA0nbsp \xC3\xBF", NameUse::NewEntry, &stored).refusal,
              RecordRefusal::None);
    EXPECT_EQ(stored, "\xA0nbsp \xFF");
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
        {"ab\xFF", RecordRefusal::NameNotStorable, 0, 2},   // not UTF-8
        {"\xC0\x80", RecordRefusal::NameNotStorable, 0, 0}, // overlong zero byte
        {"Ива", RecordRefusal::NameNotStorable, U'И', 0},   // not in Windows-1252
        {"a\t\xFF", RecordRefusal::NameNotStorable, 0, 2},  // the control is no fault here
    };
    for (const Case& c : cases) {
        const NameCheck check = CheckName(c.name, NameUse::ExistingEntry);
        EXPECT_EQ(check.refusal, c.refusal) << c.name;
        EXPECT_EQ(check.character, c.character) << c.name;
        EXPECT_EQ(check.offset, c.offset) << c.name;
    }
    // The first fault decides.
    EXPECT_EQ(CheckName("\tИ", NameUse::NewEntry).refusal, RecordRefusal::NameHasControlCharacter);
    EXPECT_EQ(CheckName("И\t", NameUse::NewEntry).refusal, RecordRefusal::NameNotStorable);
    std::string stored = "untouched";
    EXPECT_FALSE(CheckName("a\nb", NameUse::NewEntry, &stored).Accepted());
    EXPECT_EQ(stored, "untouched");
}

TEST(NameRules, EachRefusalHasItsTextInBothWordings) {
    const RecordRefusal refusals[] = {RecordRefusal::EmptyName, RecordRefusal::NameNotStorable,
                                      RecordRefusal::NameHasControlCharacter,
                                      RecordRefusal::NameExists, RecordRefusal::NotFound};
    for (const RecordRefusal refusal : refusals) {
        EXPECT_FALSE(RecordRefusalText(refusal, "Eva").empty());
        EXPECT_FALSE(RecordRefusalText(refusal, "Eva", true).empty());
    }
    EXPECT_EQ(RecordRefusalText(RecordRefusal::None, "Eva"), "");
    // The command line names the refused character.
    EXPECT_NE(RecordRefusalText(RecordRefusal::NameHasControlCharacter, "a\x1b").find("U+001B"),
              std::string::npos);
    EXPECT_NE(RecordRefusalText(RecordRefusal::NotFound, "Eva").find("Eva"), std::string::npos);
}

TEST(NameRules, ControlCharactersOfNamesAsTheStoreHoldsThem) {
    EXPECT_FALSE(HasControlCharacterCp1252("M\xFCller \x80 \x9F\xA0"));
    for (const int byte : {0x00, 0x09, 0x1F, 0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_TRUE(HasControlCharacterCp1252("a"s + static_cast<char>(byte))) << byte;
    }
    EXPECT_FALSE(HasControlCharacterCp1252(""));
}
