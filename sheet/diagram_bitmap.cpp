#include "sheet/diagram_bitmap.h"

#include <cmath>
#include <new>

#include "sheet/diagram_control.h"
#include "sheet/diagram_geometry.h"
#include "sheet/diagram_vectors.h"

namespace {

// Larger pictures are refused rather than half drawn (the largest enlargement is far below).
constexpr double kMaxPixels = 1 << 28;

} // namespace

int32_t DiagramPixelsAt(int32_t size, double ratio) {
    return static_cast<int32_t>(std::ceil(size * ratio));
}

void DrawDiagramAt(const DiagramPixelBuffer& buffer, double centre, int32_t southern, int32_t width,
                   int32_t height, double ratio) {
    if (ratio == 1.0) {
        for (int64_t y = 0; y < buffer.height; ++y) {
            std::fill_n(buffer.pixels + y * buffer.stride, buffer.width, kDiagramBackground);
        }
        DiagramPixels dc(buffer);
        DiagramSampleCache samples;
        DrawDiagramControl(dc, centre, southern, width, height, samples);
        return;
    }
    DrawDiagramVectors(
        buffer,
        MakeDiagramGeometry(centre, southern,
                            {static_cast<double>(width), static_cast<double>(height)}),
        ratio);
}

DiagramBitmap DiagramBitmapAt(double centre, int32_t southern, int32_t width, int32_t height,
                              double ratio) {
    if (width <= 0 || height <= 0 || !(ratio > 0) ||
        std::ceil(width * ratio) * std::ceil(height * ratio) > kMaxPixels) {
        return {};
    }
    try {
        DiagramBitmap b;
        b.width = DiagramPixelsAt(width, ratio);
        b.height = DiagramPixelsAt(height, ratio);
        b.pixels.resize(static_cast<size_t>(b.width) * static_cast<size_t>(b.height));
        DrawDiagramAt(b.Buffer(), centre, southern, width, height, ratio);
        return b;
    } catch (const std::bad_alloc&) {
        return {};
    }
}
