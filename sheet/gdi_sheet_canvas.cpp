#include "sheet/gdi_sheet_canvas.h"

#include <cmath>

#include "sheet/gdi_diagram_canvas.h"
#include "sheet/gdi_sheet_measure.h"

namespace {

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

POINT ToGdi(PagePoint p) {
    return {Round(p.x), Round(p.y)};
}

RECT ToGdi(const PageRect& r) {
    return {Round(r.left), Round(r.top), Round(r.Right()), Round(r.Bottom())};
}

// A geometric pen: round joins, round or flat ends, dashes as long as the gaps between them.
HPEN MakeSheetPen(const SheetPen& pen) {
    const LOGBRUSH brush{BS_SOLID, GdiColour(pen.colour), 0};
    const DWORD width = static_cast<DWORD>(std::max(1L, std::lround(pen.width)));
    const DWORD ends = pen.round ? PS_ENDCAP_ROUND : PS_ENDCAP_FLAT;
    if (pen.dash > 0) {
        const DWORD dash = static_cast<DWORD>(std::max(1L, std::lround(pen.dash)));
        const DWORD pattern[] = {dash, dash};
        return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | ends | PS_JOIN_ROUND, width, &brush, 2,
                            pattern);
    }
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | ends | PS_JOIN_ROUND, width, &brush, 0, nullptr);
}

} // namespace

GdiSheetCanvas::GdiSheetCanvas(HDC dc, GdiSheetPictures& pictures, double dpi)
    : m_dc(dc), m_pictures(pictures), m_dpi(dpi > 0 ? dpi : GdiDeviceDpi(dc)) {
    m_savedDc = SaveDC(m_dc);
    SetBkMode(m_dc, TRANSPARENT);
    SetTextAlign(m_dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    SetROP2(m_dc, R2_COPYPEN);
}

GdiSheetCanvas::~GdiSheetCanvas() {
    RestoreDC(m_dc, m_savedDc);
}

void GdiSheetCanvas::FillRect(const PageRect& rect, uint32_t colour) {
    const RECT r = ToGdi(rect);
    const HBRUSH brush = CreateSolidBrush(GdiColour(colour));
    ::FillRect(m_dc, &r, brush);
    DeleteObject(brush);
}

void GdiSheetCanvas::Polyline(const std::vector<PagePoint>& points, const SheetPen& pen) {
    if (points.size() < 2 || !(pen.width > 0)) {
        return;
    }
    std::vector<POINT> gdi;
    gdi.reserve(points.size());
    for (const PagePoint& p : points) {
        gdi.push_back(ToGdi(p));
    }
    const HPEN hpen = MakeSheetPen(pen);
    const HGDIOBJ previous = SelectObject(m_dc, hpen);
    ::Polyline(m_dc, gdi.data(), static_cast<int>(gdi.size()));
    SelectObject(m_dc, previous);
    DeleteObject(hpen);
}

void GdiSheetCanvas::Text(std::string_view text, const SheetFont& font, uint32_t colour,
                          PagePoint origin) {
    const bool turned = !m_turns.empty();
    if (turned) {
        // A quarter anticlockwise about the centre (rows grow downwards).
        const PagePoint c = m_turns.back();
        origin = {c.x + (origin.y - c.y), c.y - (origin.x - c.x)};
    }
    const HFONT hfont = CreateSheetFont(font, m_dpi, turned ? 900 : 0);
    const HGDIOBJ previous = SelectObject(m_dc, hfont);
    SetTextColor(m_dc, GdiColour(colour));
    const std::wstring wide = SheetWide(text);
    TextOutW(m_dc, Round(origin.x), Round(origin.y), wide.c_str(), static_cast<int>(wide.size()));
    SelectObject(m_dc, previous);
    DeleteObject(hfont);
}

void GdiSheetCanvas::BeginTurned(PagePoint centre) {
    m_turns.push_back(centre);
}

void GdiSheetCanvas::EndTurned() {
    if (!m_turns.empty()) {
        m_turns.pop_back();
    }
}

void GdiSheetCanvas::Picture(int32_t id, const PageRect& rect) {
    m_pictures.Draw(m_dc, id, rect);
}

void GdiSheetCanvas::BeginClip(const PageRect& rect) {
    SaveDC(m_dc);
    const RECT r = ToGdi(rect);
    IntersectClipRect(m_dc, r.left, r.top, r.right, r.bottom);
    ++m_clips;
}

void GdiSheetCanvas::EndClip() {
    if (m_clips > 0) {
        RestoreDC(m_dc, -1);
        --m_clips;
    }
}

SheetLayout LayOutSheet(const SheetContent& sheet, const PageRect& page, HDC dc,
                        GdiSheetPictures& pictures, double dpi) {
    const GdiSheetMeasure measure(dc, dpi);
    return LayOutSheet(sheet, page, measure.Dpi(), measure, pictures.Size(sheet.typeBitmap));
}

void PaintSheet(HDC dc, const PageRect& page, const SheetContent& sheet, GdiSheetPictures& pictures,
                double dpi) {
    const SheetLayout layout = LayOutSheet(sheet, page, dc, pictures, dpi);
    GdiSheetCanvas canvas(dc, pictures, dpi);
    DrawSheet(canvas, layout, sheet);
}
