#pragma once
// Pixel-exact drawing of pens, lines and rectangles into a buffer of 0xAARRGGBB pixels,
// following the rules of the classic windowing GDI: a line leaves out its end point and puts a
// pixel half-way between two rows (or columns) on the side its direction decides, a dotted pen
// lights every other pixel from the start of the line (the gaps in the background colour), and a
// rectangle puts its outline on left..right-1 and top..bottom-1 and fills the inside with the
// brush. Platform-free: the window's control on every platform shows these pixels.
#include <cstddef>
#include <cstdint>

#include "sheet/diagram_control.h"

// Rows of width pixels, row y at pixels + y * stride.
struct DiagramPixelBuffer {
    uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    std::ptrdiff_t stride = 0; // in pixels
};

class DiagramPixels : public DiagramCanvas {
  public:
    // Draws into buffer (whose pixels must outlive the canvas); gaps of dotted lines get
    // background.
    explicit DiagramPixels(DiagramPixelBuffer buffer, uint32_t background = kDiagramBackground);

    // Draws into buffer from now on, with the same pen, position and dot phase.
    void SetBuffer(DiagramPixelBuffer buffer) { m_buffer = buffer; }

    // Makes pen the current pen and returns the one it replaces.
    DiagramPen SelectPen(const DiagramPen& pen) override;
    void MoveTo(int32_t x, int32_t y) override;
    // Draws from the current position to (x, y), without the end point, which becomes the
    // current position.
    void LineTo(int32_t x, int32_t y) override;
    // Outline with the current pen, inside filled with brush.
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                   uint32_t brush) override;

  private:
    void Plot(int64_t x, int64_t y, uint32_t colour);
    void PlotStyled(int64_t x, int64_t y, int64_t index);

    DiagramPixelBuffer m_buffer;
    uint32_t m_background;
    DiagramPen m_pen;
    int32_t m_x = 0;
    int32_t m_y = 0;
    // Pixels stepped since the last MoveTo: the phase of a dotted pen.
    int64_t m_styleStep = 0;
};
