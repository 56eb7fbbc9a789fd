#pragma once
// Pixel-exact drawing of pens, lines and rectangles into an image, following the rules of the
// classic windowing GDI: a line leaves out its end point, a dotted pen lights every other pixel
// from the start of the line (the gaps in the background colour), and a rectangle puts its
// outline on left..right-1 and top..bottom-1 and fills the inside with the brush.
#include <QImage>
#include <cstdint>

#include "sheet/diagram_control.h"

class DiagramRaster : public DiagramCanvas {
  public:
    // Draws into image (which must outlive the raster); gaps of dotted lines get background.
    explicit DiagramRaster(QImage& image, QRgb background = 0xffffffffu);

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
    void Plot(int64_t x, int64_t y, QRgb colour);
    void PlotStyled(int64_t x, int64_t y, int64_t index);

    QImage& m_image;
    QRgb m_background;
    DiagramPen m_pen;
    int32_t m_x = 0;
    int32_t m_y = 0;
    // Pixels stepped since the last MoveTo: the phase of a dotted pen.
    int64_t m_styleStep = 0;
};
