#pragma once
// A painter of printed sheets and diagram pictures: the few things a sheet is made of, in page
// units. Each platform fills it in (Qt's painter, the system's GDI); what goes where is decided
// once, below it.
#include <cstdint>
#include <string_view>
#include <vector>

#include "sheet/diagram_geometry.h"
#include "sheet/page_units.h"
#include "sheet/sheet_layout.h"
#include "sheet/sheet_text.h"

struct SheetPen {
    double width = 1;
    uint32_t colour = 0xff000000u; // 0xAARRGGBB
    double dash = 0;               // the length of each dash and of each gap; 0: solid
    bool round = false;            // round ends; flat ones otherwise (joins are always round)
};

class SheetCanvas {
  public:
    virtual ~SheetCanvas() = default;
    virtual void FillRect(const PageRect& rect, uint32_t colour) = 0;
    // One connected line through the points.
    virtual void Polyline(const std::vector<PagePoint>& points, const SheetPen& pen) = 0;
    // One line of text from the start of its baseline; between BeginTurned and EndTurned turned
    // a quarter anticlockwise about centre, so that it reads from bottom to top.
    virtual void Text(std::string_view text, const SheetFont& font, uint32_t colour,
                      PagePoint origin) = 0;
    virtual void BeginTurned(PagePoint centre) = 0;
    virtual void EndTurned() = 0;
    // The picture with this resource id, scaled into rect.
    virtual void Picture(int32_t id, const PageRect& rect) = 0;
    // Nothing is drawn outside rect until EndClip.
    virtual void BeginClip(const PageRect& rect) = 0;
    virtual void EndClip() = 0;
};

// The diagram g scaled to fill target on a white ground, its lines penWidth diagram units wide.
void DrawDiagram(SheetCanvas& canvas, const PageRect& target, const DiagramGeometry& g,
                 double penWidth = 1.0);

// One sheet as laid out: rule, type picture, diagram, legend lines and every text.
void DrawSheet(SheetCanvas& canvas, const SheetLayout& layout, const SheetContent& sheet);
