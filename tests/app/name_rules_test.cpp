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
        const NameCheck check = CheckName(c.name);
        EXPECT_EQ(check.verdict, NameVerdict::kControlCharacter) << c.name;
        EXPECT_EQ(check.character, c.character) << c.name;
        EXPECT_EQ(check.offset, c.offset) << c.name;
    }
}

TEST(NameRules, PrintableNamesAreAcceptedAndConvertedForTheStore) {
    std::string stored;
    EXPECT_EQ(CheckName(" Muster ", &stored).verdict, NameVerdict::kAccepted);
    EXPECT_EQ(stored, " Muster ");
    // The euro sign, curly quotes and the like sit at bytes 0x80 to 0x9F of Windows-1252,
    // but are no control characters.
    EXPECT_EQ(CheckName("\xE2\x82\xAC \xE2\x80\x9EZitat\xE2\x80\x9C \xC5\x92", &stored).verdict,
              NameVerdict::kAccepted);
    EXPECT_EQ(stored, "\x80 \x84Zitat\x93 \x8C");
    EXPECT_EQ(CheckName("\xC2\xA0nbsp \xC3\xBF", &stored).verdict, NameVerdict::kAccepted);
    EXPECT_EQ(stored, "\xA0nbsp \xFF");
    EXPECT_EQ(CheckName("=1+1").verdict, NameVerdict::kAccepted); // the export guards it
    EXPECT_EQ(CheckName("--help").verdict, NameVerdict::kAccepted);
}

TEST(NameRules, OtherRefusals) {
    EXPECT_EQ(CheckName("").verdict, NameVerdict::kEmpty);
    const NameCheck notUtf8 = CheckName("ab\xFF");
    EXPECT_EQ(notUtf8.verdict, NameVerdict::kNotUtf8);
    EXPECT_EQ(notUtf8.offset, 2u);
    EXPECT_EQ(CheckName("\xC0\x80").verdict, NameVerdict::kNotUtf8); // overlong zero byte
    const NameCheck cyrillic = CheckName("Ива");
    EXPECT_EQ(cyrillic.verdict, NameVerdict::kNotInCp1252);
    EXPECT_EQ(cyrillic.character, U'И');
    // The first fault decides.
    EXPECT_EQ(CheckName("\tИ").verdict, NameVerdict::kControlCharacter);
    std::string stored = "untouched";
    EXPECT_NE(CheckName("a\nb", &stored).verdict, NameVerdict::kAccepted);
    EXPECT_EQ(stored, "untouched");
}

TEST(NameRules, ControlCharactersOfNamesAsTheStoreHoldsThem) {
    EXPECT_FALSE(HasControlCharacterCp1252("M\xFCller \x80 \x9F\xA0"));
    for (const int byte : {0x00, 0x09, 0x1F, 0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_TRUE(HasControlCharacterCp1252("a"s + static_cast<char>(byte))) << byte;
    }
    EXPECT_FALSE(HasControlCharacterCp1252(""));
}
