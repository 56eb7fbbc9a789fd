#pragma once
// The phase diagram as lines: what the control draws pixel by pixel (frame, dotted centre line,
// day and value ticks, Moon and Sun curves), in the control's own units (one unit per pixel of a
// w × h control, the origin at its top left corner), for drawing at any size as vectors by any
// painter.
#include <cstdint>
#include <vector>

#include "sheet/page_units.h"

struct DiagramStroke {
    enum class Kind { Frame, Grid, Moon, Sun };
    Kind kind = Kind::Frame;
    std::vector<PagePoint> points; // one connected line
};

struct DiagramGeometry {
    PageSize size;
    std::vector<DiagramStroke> strokes; // in drawing order: frame, grid, Moon, Sun
};

// The control's picture has this size in the window.
inline constexpr int kDiagramControlWidth = 261;
inline constexpr int kDiagramControlHeight = 128;

// The lines of the diagram for a control of size (pixels) around centre. A pixel (x, y) of the
// control is the unit square from (x, y) to (x + 1, y + 1): one-pixel lines run through the
// middles of their pixels, the curves through the exact (untruncated) positions of the samples.
DiagramGeometry MakeDiagramGeometry(double centre, int32_t southern,
                                    PageSize size = {kDiagramControlWidth, kDiagramControlHeight});

// The colour of a stroke (0xAARRGGBB): blue Moon, red Sun, black frame and grid.
uint32_t DiagramStrokeColour(DiagramStroke::Kind kind);
