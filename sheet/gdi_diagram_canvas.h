#pragma once
// The diagram control's drawing calls carried out by the system's GDI on a device context: the
// window's control paints with it, and a bitmap drawn with it shows the very pixels of the
// platform-free raster. Cosmetic one-pixel pens (solid, dotted with the gaps in the background
// colour), lines without their end point, rectangles outlined with the pen and filled with a
// solid brush.
#include <windows.h>

#include <cstdint>

#include "sheet/diagram_control.h"

class GdiDiagramCanvas : public DiagramCanvas {
  public:
    // Draws on dc, which must outlive the canvas; the gaps of dotted lines get background. The
    // canvas selects its own pens and brushes into dc and sets its background and mix modes; on
    // destruction dc gets back the objects and modes it had.
    explicit GdiDiagramCanvas(HDC dc, uint32_t background = kDiagramBackground);
    ~GdiDiagramCanvas() override;
    GdiDiagramCanvas(const GdiDiagramCanvas&) = delete;
    GdiDiagramCanvas& operator=(const GdiDiagramCanvas&) = delete;

    // Makes pen the current pen and returns the one it replaces.
    DiagramPen SelectPen(const DiagramPen& pen) override;
    void MoveTo(int32_t x, int32_t y) override;
    // Draws from the current position to (x, y), without the end point, which becomes the
    // current position.
    void LineTo(int32_t x, int32_t y) override;
    // Outline with the current pen on left..right-1 and top..bottom-1, inside filled with brush.
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                   uint32_t brush) override;

  private:
    HDC m_dc;
    DiagramPen m_pen;
    HPEN m_hpen = nullptr;
    HGDIOBJ m_originalPen = nullptr;
    HGDIOBJ m_originalBrush = nullptr;
    int m_originalBkMode = 0;
    COLORREF m_originalBkColour = 0;
    int m_originalRop = 0;
};

// 0xAARRGGBB as the GDI's colour (the alpha left out).
constexpr COLORREF GdiColour(uint32_t argb) {
    return RGB((argb >> 16) & 0xffu, (argb >> 8) & 0xffu, argb & 0xffu);
}
