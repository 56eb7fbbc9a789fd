#pragma once
// The sheet's texts measured with the system's GDI, in the units of a device context.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "sheet/sheet_text.h"

// The sheet's one sans-serif family (Arial, or what the system puts in its place) at font's size
// for a device of dpi units per inch; escapement in tenths of a degree anticlockwise.
HFONT CreateSheetFont(const SheetFont& font, double dpi, int escapement = 0);

// UTF-16 of a sheet text for the wide calls; an invalid byte becomes U+FFFD.
std::wstring SheetWide(std::string_view utf8);

// Measures on dc, a device of dpi units per inch (0: the device's own resolution).
class GdiSheetMeasure : public SheetMeasure {
  public:
    explicit GdiSheetMeasure(HDC dc, double dpi = 0);
    ~GdiSheetMeasure() override;
    GdiSheetMeasure(const GdiSheetMeasure&) = delete;
    GdiSheetMeasure& operator=(const GdiSheetMeasure&) = delete;

    double Advance(std::string_view text, const SheetFont& font) const override;
    SheetFontMetrics Metrics(const SheetFont& font) const override;
    double Dpi() const { return m_dpi; }

  private:
    // Selects font into the device context (the last font serves the next text too).
    void Select(const SheetFont& font) const;

    HDC m_dc;
    double m_dpi;
    mutable std::optional<SheetFont> m_font;
    mutable HFONT m_hfont = nullptr;
    mutable HGDIOBJ m_original = nullptr;
};

// The resolution of dc in units per inch, vertically (as fonts are sized).
double GdiDeviceDpi(HDC dc);
