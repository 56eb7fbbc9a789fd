#include <string>

#include <gtest/gtest.h>

#include "records/cp1252.h"

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        std::string back;
        ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(byte), back)) << b;
        EXPECT_EQ(back, byte) << b;
    }
}

TEST(Cp1252, KnownCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("J\xFCrgen"), "Jürgen");
    EXPECT_EQ(Cp1252ToUtf8("\x80\x9F\xA0\xFF"), "€Ÿ\u00A0ÿ");
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    std::string out;
    ASSERT_TRUE(Utf8ToCp1252("Æ€œ‰", out));
    EXPECT_EQ(out, "\xC6\x80\x9C\x89");
}

TEST(Cp1252, RefusesUnwritableOrMalformedText) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1252("日本", out));
    EXPECT_FALSE(Utf8ToCp1252("\u0080", out)); // the byte 0x80 is the euro sign
    EXPECT_FALSE(Utf8ToCp1252("\U0001F600", out));
    EXPECT_FALSE(Utf8ToCp1252("\xC3", out));         // cut short
    EXPECT_FALSE(Utf8ToCp1252("\xC0\x80", out));     // overlong
    EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80", out)); // surrogate
    EXPECT_FALSE(Utf8ToCp1252("\xFC", out));         // Latin-1 byte, not UTF-8
    EXPECT_FALSE(Utf8ToCp1252("a\x80", out));        // stray continuation byte
}
