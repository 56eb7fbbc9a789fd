#pragma once
// The diagram control's drawing calls carried out into a QImage, pixel for pixel as
// DiagramPixels draws them (the rules of the classic windowing GDI).
#include <QImage>
#include <cstdint>

#include "sheet/diagram_pixels.h"

class DiagramRaster : public DiagramCanvas {
  public:
    // Draws into image (which must outlive the raster; one of another format than 32 bits a
    // pixel is converted to QImage::Format_RGB32 first), also after it is assigned another
    // image; gaps of dotted lines get background.
    explicit DiagramRaster(QImage& image, QRgb background = 0xffffffffu);

    // Makes pen the current pen and returns the one it replaces.
    DiagramPen SelectPen(const DiagramPen& pen) override { return m_pixels.SelectPen(pen); }
    void MoveTo(int32_t x, int32_t y) override { m_pixels.MoveTo(x, y); }
    // Draws from the current position to (x, y), without the end point, which becomes the
    // current position.
    void LineTo(int32_t x, int32_t y) override {
        Retarget();
        m_pixels.LineTo(x, y);
    }
    // Outline with the current pen, inside filled with brush.
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                   uint32_t brush) override {
        Retarget();
        m_pixels.Rectangle(left, top, right, bottom, brush);
    }

  private:
    // The image's pixels as they are now (it may have been assigned or detached since).
    void Retarget();

    QImage& m_image;
    DiagramPixels m_pixels;
};
