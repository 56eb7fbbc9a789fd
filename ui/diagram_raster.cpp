#include "ui/diagram_raster.h"

namespace {

DiagramPixelBuffer PixelsOf(QImage& image) {
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
        image.convertTo(QImage::Format_RGB32);
    }
    // Both formats hold each pixel as one 0xAARRGGBB word.
    return {reinterpret_cast<uint32_t*>(image.bits()), image.width(), image.height(),
            image.bytesPerLine() / 4};
}

} // namespace

DiagramRaster::DiagramRaster(QImage& image, QRgb background)
    : m_image(image), m_pixels(PixelsOf(image), background) {}

void DiagramRaster::Retarget() {
    m_pixels.SetBuffer(PixelsOf(m_image));
}
