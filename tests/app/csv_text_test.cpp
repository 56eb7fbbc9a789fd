// Quoting of one CSV field: only where a reader would otherwise split or trim it.
#include "app/csv_text.h"

#include <string>

#include <gtest/gtest.h>

TEST(CsvText, QuotesOnlyWhereNeeded) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"Anna", "Anna"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {" lead", "\" lead\""},
        {"trail ", "\"trail \""},
        {"in side", "in side"},
        {"\"", "\"\"\"\""},
        {"2000-03-06T05:19:12Z", "2000-03-06T05:19:12Z"},
    };
    for (const auto& [field, expected] : cases) {
        std::string out = "x,";
        AppendCsvField(out, field);
        EXPECT_EQ(out, "x," + expected) << field;
    }
}

TEST(CsvText, GuardsTextAgainstFormulasReversibly) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"Anna", "Anna"},
        {"=SUM(A1)", "'=SUM(A1)"},
        {"+1", "'+1"},
        {"-x", "'-x"},
        {"@a", "'@a"},
        {"\tTab", "'\tTab"},
        {"\rCr", "\"'\rCr\""},
        {"'quoted", "''quoted"},
        {"'", "''"},
        {"a=b", "a=b"},
        {" =x", "\" =x\""},
        {"=a;b", "\"'=a;b\""},
        {"\u017Bak", "\u017Bak"},
    };
    for (const auto& [text, expected] : cases) {
        std::string out;
        AppendGuardedCsvField(out, text, ';');
        EXPECT_EQ(out, expected) << text;
        EXPECT_EQ(UnguardedField(GuardedText(text)), text) << text;
    }
    // Only a guard is taken off: an apostrophe before any other text is the text's own.
    for (const std::string text : {"'abc", "'", "a'=b", "' =x"}) {
        EXPECT_EQ(UnguardedField(text), text);
    }
}

TEST(CsvText, SpreadsheetDialectFollowsTheLocaleUnlessADelimiterIsGiven) {
    const struct {
        const char* locale;
        char given;
        char delimiter;
        char decimal;
    } cases[] = {
        {"de_DE.UTF-8", 0, ';', ','},
        {"fr_FR.UTF-8", 0, ';', ','},
        {"de", 0, ';', ','},
        {"fr_BE@euro", 0, ';', ','},
        {"de_AT", 0, ';', ','},
        {"C", 0, ',', '.'},
        {"", 0, ',', '.'},
        {"en_US.UTF-8", 0, ',', '.'},
        {"dex", 0, ',', '.'},
        {"C", ';', ';', ','},
        {"de_DE", ',', ',', '.'},
        {"de_DE", '\t', '\t', ','},
        {"C", '\t', '\t', '.'},
    };
    for (const auto& c : cases) {
        const SpreadsheetDialect d = SpreadsheetDialectFor(c.locale, c.given);
        EXPECT_EQ(d.delimiter, c.delimiter) << c.locale << int(c.given);
        EXPECT_EQ(d.decimal, c.decimal) << c.locale << int(c.given);
    }
}

TEST(CsvText, SpreadsheetNumbersTakeTheDecimalSeparator) {
    const struct {
        double value;
        char decimal;
        const char* text;
    } cases[] = {
        {2451623.79, ',', "2451623,79"},
        {2451623.79, '.', "2451623.79"},
        {-0.5, ',', "-0,5"},
        {12.0, ',', "12"},
    };
    for (const auto& c : cases) {
        std::string out = "x;";
        AppendSpreadsheetNumber(out, c.value, c.decimal);
        EXPECT_EQ(out, std::string("x;") + c.text);
    }
}
