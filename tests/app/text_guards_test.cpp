#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "app/export_text.h"
#include "app/text_guards.h"

using namespace std::string_literals;

TEST(SpreadsheetField, ControlCharactersBecomeBlanksAndFormulasText) {
    EXPECT_EQ(SpreadsheetField("Eva\tAdam\r\nX"), "Eva Adam  X");
    EXPECT_EQ(SpreadsheetField("a\xC2\x85z"), "a z"); // C1 next line: one blank
    EXPECT_EQ(SpreadsheetField("\0x"s), " x");
    for (const char* formula : {"=1+1", "+49 30", "-2", "@SUM(A1)"}) {
        EXPECT_EQ(SpreadsheetField(formula), "'" + std::string(formula));
    }
    // Only the first character counts, and only after the blanks are made.
    EXPECT_EQ(SpreadsheetField("\t=cmd"), " =cmd");
    EXPECT_EQ(SpreadsheetField("Anne-Marie"), "Anne-Marie");
    EXPECT_EQ(SpreadsheetField("M\xC3\xBCller \xE2\x82\xAC"), "M\xC3\xBCller \xE2\x82\xAC");
    EXPECT_EQ(SpreadsheetField("bad\xFF"), "bad\xFF");
    EXPECT_EQ(SpreadsheetField(""), "");
}

// Appending takes a short cut for printable ASCII; it must give what the full guard gives.
TEST(SpreadsheetField, AppendedEqualsTheWholeField) {
    for (const std::string& name :
         {"Anne-Marie"s, "=1+1"s, "+49"s, "-x"s, "@home"s, "Eva\tAdam"s, "~ !"s, "\x7F"s,
          "M\xC3\xBCller"s, "bad\xFF"s, "\0x"s, ""s, "'quoted'"s}) {
        std::string out = "a\t";
        AppendSpreadsheetField(out, name);
        EXPECT_EQ(out, "a\t" + SpreadsheetField(name)) << name;
    }
    EXPECT_TRUE(IsPrintableAscii(" ~Az09"));
    EXPECT_FALSE(IsPrintableAscii("\x7F"));
    EXPECT_FALSE(IsPrintableAscii("\x1F"));
    EXPECT_FALSE(IsPrintableAscii("\xC3\xBC"));
}

TEST(SpreadsheetField, NamesAsTheStoreHoldsThem) {
    EXPECT_EQ(SpreadsheetFieldCp1252("\x80uro\t\x81\x9D\x9F"), "\x80uro   \x9F");
    EXPECT_EQ(SpreadsheetFieldCp1252("@home"), "'@home");
    EXPECT_EQ(SpreadsheetFieldCp1252("M\xFCller"), "M\xFCller");
}

TEST(SpreadsheetField, TableOfAllRecordsKeepsFiveColumnsPerLine) {
    DateStoreMap store;
    store.SetAt("Eva\tTab", VXDateStore(1980, 1, 2, 3, 4, 0, 0, 1));
    store.SetAt("Zeile\nzwei\r", VXDateStore(1990, 6, 7, 8, 9, 1, 0, 0));
    store.SetAt("=HYPERLINK(\"x\")", VXDateStore(2000, 3, 20, 8, 0, 0, 1, -1));
    store.SetAt("bad", VXDateStore(2000, 13, 40, 0, 0, 0, 0, 0)); // not evaluable
    const std::string text = CopyAllText(store);
    size_t lines = 0;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
        EXPECT_EQ(line.find('\r'), std::string::npos);
        start = end + 1;
        ++lines;
    }
    EXPECT_EQ(lines, 5u);
    EXPECT_NE(text.find("\n'=HYPERLINK(\"x\")\t"), std::string::npos);
    EXPECT_NE(text.find("\nEva Tab\t"), std::string::npos);
    EXPECT_EQ(text.find("\n=HYPERLINK"), std::string::npos);
}

TEST(SpreadsheetField, LineOfThePersonShownIsGuardedToo) {
    EXPECT_EQ(CopyLineText("=1+1\tx", "Lunar", "99.99 %", "49.98 %"),
              "'=1+1 x\tLunar\t99.99 %\t49.98 %");
}

TEST(TerminalText, ControlCharactersAreEscapedOnlyForATerminal) {
    const std::string hostile = "\x1b]0;pwned\x07\x1b[2J Eva\n\xC2\x9B"
                                "31m";
    EXPECT_EQ(TerminalText(hostile, true), "\\x1b]0;pwned\\x07\\x1b[2J Eva\\x0a\\x9b31m");
    EXPECT_EQ(TerminalText(hostile, false), hostile); // a pipe gets the exact bytes
    EXPECT_EQ(TerminalText("\0\x7f"s, true), "\\x00\\x7f");
    // Stray bytes that a terminal might take as a control are escaped too.
    EXPECT_EQ(TerminalText("a\x9b"
                           "b\xC3",
                           true),
              "a\\x9bb\\xc3");
    // Printable text, multi-byte characters and backslashes stay as they are.
    const std::string plain = "M\xC3\xBCller \xE2\x82\xAC C:\\x";
    EXPECT_EQ(TerminalText(plain, true), plain);
}

TEST(TerminalText, BidirectionalControlsAreEscapedMarksAndScriptsKept) {
    // Every embedding, override and isolate, and the characters just outside both ranges.
    EXPECT_EQ(TerminalText("\u2029\u202A\u202B\u202C\u202D\u202E\u202F", true),
              "\u2029\\u202a\\u202b\\u202c\\u202d\\u202e\u202F");
    EXPECT_EQ(TerminalText("\u2065\u2066\u2067\u2068\u2069\u206A", true),
              "\u2065\\u2066\\u2067\\u2068\\u2069\u206A");
    EXPECT_EQ(TerminalText("abc\u202Efed", false), "abc\u202Efed");
    // Right-to-left text and the marks it may carry are names, not controls.
    const std::string hebrew = "\u05D3\u05E0\u05D4 \u200F\u200E\u061C";
    EXPECT_EQ(TerminalText(hebrew, true), hebrew);
}
