#pragma once
// Where everything of one printed sheet goes on a page of any size, orientation and margins:
// every text with its font, lines and box, the type picture, the diagram and its legend, in the
// units of the device the sheet is printed on. The texts and the diagram shrink together until
// they fit the printable area; long texts wrap (a name also shrinks) and are never cut; the
// footer stays at the bottom. Platform-free: each platform measures the texts and paints what
// comes out.
#include <cstdint>
#include <string>
#include <vector>

#include "sheet/page_units.h"
#include "sheet/sheet_content.h"
#include "sheet/sheet_text.h"

struct SheetTextLine {
    std::string text;
    PagePoint origin; // the start of its baseline (for a turned text: before turning)
};

struct SheetText {
    enum class Role {
        Title,
        Name,
        Label,
        Value,
        TypeName,
        PhaseNote,
        AxisNumber,
        AxisTitle, // the turned "Phase [%]" and "Datum [Tage]"
        Moment,    // the birth moment under the diagram
        Legend,
        Footer,
    };
    Role role = Role::Value;
    std::string text; // the whole text, as its lines hold it
    SheetFont font;
    std::vector<SheetTextLine> lines;
    PageRect box;        // what the text covers on the page
    bool turned = false; // read from bottom to top, turned about the centre of box
    uint32_t colour = 0xff000000u;
};

struct SheetLegendLine {
    PageLine line;
    uint32_t colour = 0xff000000u;
};

struct SheetLayout {
    PageRect page;    // the printable area
    double scale = 1; // of the texts and gaps, 1 on an A4 portrait page
    std::vector<SheetText> texts;
    PageLine rule; // under the title and name
    double ruleWidth = 0;
    PageRect picture;        // the type picture; empty when there is none
    PageRect diagram;        // the plot
    double diagramPen = 0.5; // in the diagram's own units
    std::vector<SheetLegendLine> legend;
    double legendPen = 0;
};

// The layout of sheet on page, an area of a device of dpi units per inch whose texts measure
// as measure says; picture: the size of the type picture (empty when there is none).
SheetLayout LayOutSheet(const SheetContent& sheet, const PageRect& page, double dpi,
                        const SheetMeasure& measure, PageSize picture);
