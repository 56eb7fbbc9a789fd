// Line breaking of the sheet's texts, with a measure that gives every character one unit, so that
// the lines depend on the rules alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/sheet_text.h"
#include "tests/sheet/counting_measure.h"

namespace {

TEST(SheetTextWrap, BreaksBetweenWordsThenWithinThem) {
    const struct {
        const char* text;
        double width;
        std::vector<std::string> lines;
        bool brokeWord;
    } cases[] = {
        {"ab cd ef", 5, {"ab cd", "ef"}, false},
        {"ab cd ef", 8, {"ab cd ef"}, false},
        {"a   b", 1, {"a", "b"}, false}, // the spaces at a break are dropped
        {"Anna-Lena Zoe", 6, {"Anna-", "Lena", "Zoe"}, false},
        {"x - y", 3, {"x -", "y"}, false}, // a hyphen alone between spaces is no break
        {"WWWWWWW", 3, {"WWW", "WWW", "W"}, true},
        {"ab WWWWW cd", 3, {"ab", "WWW", "WW", "cd"}, true},
        // A mark stays with its letter: no line begins with U+0301.
        {"e\xCC\x81"
         "e\xCC\x81"
         "e\xCC\x81",
         2,
         {"e\xCC\x81"
          "e\xCC\x81",
          "e\xCC\x81"},
         true},
        {"", 4, {}, false},
        {"   ", 4, {}, false},
        // Narrower than one character: one character a line, nothing lost.
        {"abc", 0.5, {"a", "b", "c"}, true},
    };
    const CountingMeasure measure;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.width));
        bool broke = !c.brokeWord;
        EXPECT_EQ(WrapText(c.text, c.width, SheetFont{}, measure, &broke), c.lines);
        EXPECT_EQ(broke, c.brokeWord);
    }
}

TEST(SheetTextWrap, TheFontsWidthDecides) {
    const CountingMeasure measure;
    EXPECT_EQ(WrapText("ab cd", 5, SheetFont{10, true}, measure),
              (std::vector<std::string>{"ab", "cd"}));
}

} // namespace
