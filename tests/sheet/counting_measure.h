#pragma once
// A measure for sheet texts without a platform: every character one unit wide (U+0301 none),
// twice that in bold, times the font's points over 10 when scaled.
#include <string_view>

#include "sheet/sheet_text.h"

class CountingMeasure : public SheetMeasure {
  public:
    explicit CountingMeasure(double unitsPerPoint = 0) : m_unitsPerPoint(unitsPerPoint) {}
    double Advance(std::string_view text, const SheetFont& font) const override {
        double units = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            // Lead bytes count, U+0301 (CC 81) does not.
            const bool mark = byte == 0xCC && i + 1 < text.size() &&
                              static_cast<unsigned char>(text[i + 1]) == 0x81;
            units += (byte & 0xC0) != 0x80 && !mark ? 1 : 0;
        }
        return units * (font.bold ? 2 : 1) * Scale(font);
    }
    SheetFontMetrics Metrics(const SheetFont& font) const override {
        const double k = Scale(font);
        return {0.8 * k, 0.2 * k, 1.2 * k};
    }

  private:
    double Scale(const SheetFont& font) const {
        return m_unitsPerPoint > 0 ? font.points * m_unitsPerPoint : 1;
    }
    double m_unitsPerPoint;
};
