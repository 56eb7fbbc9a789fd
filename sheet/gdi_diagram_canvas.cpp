#include "sheet/gdi_diagram_canvas.h"

namespace {

HPEN MakePen(const DiagramPen& pen) {
    // Width 0: a cosmetic pen, one pixel whatever the mapping.
    if (pen.style != DiagramPen::Style::Dot) {
        return CreatePen(PS_SOLID, 0, GdiColour(pen.colour));
    }
    // Every other pixel lit. PS_DOT is three pixels lit and three left out under Wine, not the
    // classic single pixels; the gaps are painted by LineTo.
    const LOGBRUSH brush{BS_SOLID, GdiColour(pen.colour), 0};
    return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
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
    if (m_pen.style == DiagramPen::Style::Dot) {
        // The alternating pen leaves its gaps as they were (under Wine whatever the background
        // mode): the line is laid in the background colour first.
        POINT from{};
        GetCurrentPositionEx(m_dc, &from);
        const HPEN ground = CreatePen(PS_SOLID, 0, GetBkColor(m_dc));
        SelectObject(m_dc, ground);
        ::LineTo(m_dc, x, y);
        SelectObject(m_dc, m_hpen);
        DeleteObject(ground);
        MoveToEx(m_dc, from.x, from.y, nullptr);
    }
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
