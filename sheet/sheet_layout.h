#pragma once
// Where everything of one printed sheet goes on a page of any size, orientation and margins:
// every text with its font and box, the type picture, the diagram and its legend, in the units
// of the device the sheet is printed on. The texts and the diagram shrink together until they
// fit the printable area; long texts wrap (a name also shrinks) and are never cut; the footer
// stays at the bottom.
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QRgb>
#include <QString>
#include <vector>

#include "sheet/sheet_content.h"

class QImage;
class QPaintDevice;

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
    QString text;
    QFont font;
    int flags = 0;       // alignment and wrapping, as for QPainter::drawText
    QRectF area;         // drawn into (for a turned text: before turning, around box's centre)
    QRectF box;          // what the text covers on the page
    bool turned = false; // read from bottom to top
    QRgb colour = 0xff000000u;
};

struct SheetLegendLine {
    QLineF line;
    QRgb colour = 0xff000000u;
};

struct SheetLayout {
    QRectF page;      // the printable area
    double scale = 1; // of the texts and gaps, 1 on an A4 portrait page
    std::vector<SheetText> texts;
    QLineF rule; // under the title and name
    double ruleWidth = 0;
    QRectF picture;          // the type picture; empty when there is none
    QRectF diagram;          // the plot
    double diagramPen = 0.5; // in the diagram's own units
    std::vector<SheetLegendLine> legend;
    double legendPen = 0;
};

// The layout of sheet on page, an area of device (whose resolution sets the units and measures
// the fonts).
SheetLayout LayOutSheet(const SheetContent& sheet, const QRectF& page, const QPaintDevice& device);

// The picture of a type (by its resource id), loaded once so that a document with many pages
// holds each one once; a null image when there is none.
const QImage& SheetTypePicture(int32_t id);
