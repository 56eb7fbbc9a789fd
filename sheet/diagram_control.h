#pragma once
// The phase diagram control's drawing as the calls a classic windowing GDI takes: pens, MoveTo,
// LineTo and Rectangle in the control's pixels. Written once; each platform draws it on a
// canvas of its own (an image following the GDI's pixel rules, or the system's own GDI), so that
// every one shows the very same pixels.
#include <cstdint>

#include "sheet/diagram_samples.h"

struct DiagramPen {
    enum class Style { Solid, Dot };
    Style style = Style::Solid;
    uint32_t colour = 0xff000000u; // 0xAARRGGBB
};

class DiagramCanvas {
  public:
    virtual ~DiagramCanvas() = default;
    // Makes pen the current pen and returns the one it replaces.
    virtual DiagramPen SelectPen(const DiagramPen& pen) = 0;
    virtual void MoveTo(int32_t x, int32_t y) = 0;
    // Draws from the current position to (x, y), without the end point, which becomes the
    // current position.
    virtual void LineTo(int32_t x, int32_t y) = 0;
    // Outline with the current pen on left..right-1 and top..bottom-1, inside filled with brush.
    virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                           uint32_t brush) = 0;
};

// The background of the control.
inline constexpr uint32_t kDiagramBackground = 0xffffffffu;

// Draws the control of width x height pixels (both above 0) on a canvas filled with
// kDiagramBackground: frame, dotted centre line, day and value ticks, the Moon curve (blue) and
// the Sun curve (red) over the four days around centre. samples keeps the curves for the next
// drawing with the same centre, flag and size.
void DrawDiagramControl(DiagramCanvas& dc, double centre, int32_t southern, int32_t width,
                        int32_t height, DiagramSampleCache& samples);
