#include "sheet/gdi_sheet_measure.h"

#include <algorithm>
#include <cmath>

namespace {

// The face asked for; the font mapper gives its metric twin where it is missing.
constexpr wchar_t kSheetFace[] = L"Arial";

} // namespace

HFONT CreateSheetFont(const SheetFont& font, double dpi, int escapement) {
    // A negative height asks for the em height, as a point size means.
    const int height = -std::max(1, static_cast<int>(std::lround(font.points * dpi / 72.0)));
    return CreateFontW(height, 0, escapement, escapement, font.bold ? FW_BOLD : FW_NORMAL,
                       font.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, kSheetFace);
}

std::wstring SheetWide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), units);
    return wide;
}

double GdiDeviceDpi(HDC dc) {
    return GetDeviceCaps(dc, LOGPIXELSY);
}

GdiSheetMeasure::GdiSheetMeasure(HDC dc, double dpi)
    : m_dc(dc), m_dpi(dpi > 0 ? dpi : GdiDeviceDpi(dc)) {}

GdiSheetMeasure::~GdiSheetMeasure() {
    if (m_hfont != nullptr) {
        SelectObject(m_dc, m_original);
        DeleteObject(m_hfont);
    }
}

void GdiSheetMeasure::Select(const SheetFont& font) const {
    if (m_font && *m_font == font) {
        return;
    }
    const HFONT next = CreateSheetFont(font, m_dpi);
    const HGDIOBJ previous = SelectObject(m_dc, next);
    if (m_hfont == nullptr) {
        m_original = previous;
    } else {
        DeleteObject(m_hfont);
    }
    m_hfont = next;
    m_font = font;
}

double GdiSheetMeasure::Advance(std::string_view text, const SheetFont& font) const {
    Select(font);
    const std::wstring wide = SheetWide(text);
    SIZE size{};
    GetTextExtentPoint32W(m_dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

SheetFontMetrics GdiSheetMeasure::Metrics(const SheetFont& font) const {
    Select(font);
    TEXTMETRICW tm{};
    GetTextMetricsW(m_dc, &tm);
    return {static_cast<double>(tm.tmAscent), static_cast<double>(tm.tmDescent),
            static_cast<double>(tm.tmHeight + tm.tmExternalLeading)};
}
