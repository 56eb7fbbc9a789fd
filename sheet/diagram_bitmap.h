#pragma once
// The diagram control's picture as pixels, drawn without a window or a painter: at ratio 1 the
// control's own pixels (what the window shows), above 1 the diagram's lines as vectors at ratio
// times as many pixels each way (rounded up), one control pixel wide, for a screen of that
// resolution or an enlarged picture. The same pixels on every platform.
#include <cstdint>
#include <vector>

#include "sheet/diagram_pixels.h"

struct DiagramBitmap {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels; // 0xAARRGGBB, opaque, row by row from the top

    bool Empty() const { return pixels.empty(); }
    DiagramPixelBuffer Buffer() { return {pixels.data(), width, height, width}; }
};

// The number of pixels of a picture at ratio of a control of size w x h: ceil(size * ratio).
int32_t DiagramPixelsAt(int32_t size, double ratio);

// Draws the picture of a control of width x height (its own pixels, both above 0) around centre
// into buffer, which has DiagramPixelsAt of both at ratio.
void DrawDiagramAt(const DiagramPixelBuffer& buffer, double centre, int32_t southern, int32_t width,
                   int32_t height, double ratio);

// The same as a picture of its own; empty when its memory cannot be had or it would be absurdly
// large.
DiagramBitmap DiagramBitmapAt(double centre, int32_t southern, int32_t width, int32_t height,
                              double ratio);
