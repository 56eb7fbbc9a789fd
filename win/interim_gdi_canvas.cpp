#include "win/interim_gdi_canvas.h"

COLORREF ToColorRef(uint32_t argb) {
    return RGB((argb >> 16) & 0xff, (argb >> 8) & 0xff, argb & 0xff);
}

CInterimGdiCanvas::CInterimGdiCanvas(HDC dc) : m_dc(dc) {
    m_hPen = CreatePen(PS_SOLID, 1, ToColorRef(m_pen.colour));
    m_oldPen = SelectObject(m_dc, m_hPen);
    SetBkMode(m_dc, TRANSPARENT);
}

CInterimGdiCanvas::~CInterimGdiCanvas() {
    SelectObject(m_dc, m_oldPen);
    DeleteObject(m_hPen);
}

DiagramPen CInterimGdiCanvas::SelectPen(const DiagramPen& pen) {
    const DiagramPen previous = m_pen;
    HPEN made = CreatePen(pen.style == DiagramPen::Style::Dot ? PS_DOT : PS_SOLID, 1,
                          ToColorRef(pen.colour));
    SelectObject(m_dc, made);
    DeleteObject(m_hPen);
    m_hPen = made;
    m_pen = pen;
    return previous;
}

void CInterimGdiCanvas::MoveTo(int32_t x, int32_t y) {
    MoveToEx(m_dc, x, y, nullptr);
}

void CInterimGdiCanvas::LineTo(int32_t x, int32_t y) {
    ::LineTo(m_dc, x, y);
}

void CInterimGdiCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                  uint32_t brush) {
    HBRUSH fill = CreateSolidBrush(ToColorRef(brush));
    const HGDIOBJ old = SelectObject(m_dc, fill);
    ::Rectangle(m_dc, left, top, right, bottom);
    SelectObject(m_dc, old);
    DeleteObject(fill);
}
