#include "sheet/gdi_diagram_canvas.h"

namespace {

HPEN MakePen(const DiagramPen& pen) {
    // Width 0: a cosmetic pen, one pixel whatever the mapping.
    return CreatePen(pen.style == DiagramPen::Style::Dot ? PS_DOT : PS_SOLID, 0,
                     GdiColour(pen.colour));
}

} // namespace

GdiDiagramCanvas::GdiDiagramCanvas(HDC dc, uint32_t background) : m_dc(dc) {
    m_hpen = MakePen(m_pen);
    m_originalPen = SelectObject(m_dc, m_hpen);
    m_originalBrush = SelectObject(m_dc, GetStockObject(NULL_BRUSH));
    // The gaps of a dotted pen take the background colour.
    m_originalBkMode = SetBkMode(m_dc, OPAQUE);
    m_originalBkColour = SetBkColor(m_dc, GdiColour(background));
    m_originalRop = SetROP2(m_dc, R2_COPYPEN);
}

GdiDiagramCanvas::~GdiDiagramCanvas() {
    SetROP2(m_dc, m_originalRop);
    SetBkColor(m_dc, m_originalBkColour);
    SetBkMode(m_dc, m_originalBkMode);
    SelectObject(m_dc, m_originalBrush);
    SelectObject(m_dc, m_originalPen);
    DeleteObject(m_hpen);
}

DiagramPen GdiDiagramCanvas::SelectPen(const DiagramPen& pen) {
    const DiagramPen previous = m_pen;
    if (pen.style != m_pen.style || pen.colour != m_pen.colour) {
        const HPEN next = MakePen(pen);
        SelectObject(m_dc, next);
        DeleteObject(m_hpen);
        m_hpen = next;
    }
    m_pen = pen;
    return previous;
}

void GdiDiagramCanvas::MoveTo(int32_t x, int32_t y) {
    MoveToEx(m_dc, x, y, nullptr);
}

void GdiDiagramCanvas::LineTo(int32_t x, int32_t y) {
    ::LineTo(m_dc, x, y);
}

void GdiDiagramCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                 uint32_t brush) {
    const HBRUSH solid = CreateSolidBrush(GdiColour(brush));
    const HGDIOBJ previous = SelectObject(m_dc, solid);
    ::Rectangle(m_dc, left, top, right, bottom);
    SelectObject(m_dc, previous);
    DeleteObject(solid);
}
