// Line breaking of the sheet's texts, with a measure that gives every character one unit (marks
// and joiners none), so that the lines depend on the rules alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/sheet_text.h"

namespace {

class CountingMeasure : public SheetMeasure {
  public:
    double Advance(std::string_view text, const SheetFont& font) const override {
        double units = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            // Lead bytes count, U+0301 (CC 81) does not.
            const bool mark = byte == 0xCC && i + 1 < text.size() &&
                              static_cast<unsigned char>(text[i + 1]) == 0x81;
            units += (byte & 0xC0) != 0x80 && !mark ? 1 : 0;
        }
        return units * (font.bold ? 2 : 1);
    }
    SheetFontMetrics Metrics(const SheetFont&) const override { return {0.8, 0.2, 1.2}; }
};

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
