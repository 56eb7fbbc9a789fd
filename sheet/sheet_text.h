#pragma once
// The texts of a printed sheet as a painter draws them: fonts by size and weight, measured by the
// platform that draws them, and broken into lines here, the same way on every platform.
#include <string>
#include <string_view>
#include <vector>

#include "sheet/page_units.h"

// The sheet's one sans-serif family at a size in points.
struct SheetFont {
    double points = 10;
    bool bold = false;
    bool italic = false;
    bool operator==(const SheetFont&) const = default;
};

struct SheetFontMetrics {
    double ascent = 0;
    double descent = 0;
    double lineSpacing = 0; // from one baseline to the next
    double Height() const { return ascent + descent; }
};

// How the platform drawing a sheet measures its texts, in the units of its device.
class SheetMeasure {
  public:
    virtual ~SheetMeasure() = default;
    // The width of text (UTF-8) on one line.
    virtual double Advance(std::string_view text, const SheetFont& font) const = 0;
    virtual SheetFontMetrics Metrics(const SheetFont& font) const = 0;
};

// text broken into lines no wider than width: between words (after a space or a hyphen), and
// within a word too wide for a line of its own, between characters (never before a combining
// mark). The spaces where a line breaks are dropped. brokeWord, when given, tells whether a word
// had to be broken.
std::vector<std::string> WrapText(std::string_view text, double width, const SheetFont& font,
                                  const SheetMeasure& measure, bool* brokeWord = nullptr);
