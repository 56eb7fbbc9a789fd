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
