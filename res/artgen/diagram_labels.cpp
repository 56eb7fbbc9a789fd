#include "artgen.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

struct LabelSpec {
    int id;
    int width;
    int height;
    const char* text;
    bool turned; // reads from bottom to top
};

// Scale numbers and axis titles around the phase diagram.
const LabelSpec kLabels[] = {
    {140, 14, 55, "Phase [%]", true}, {141, 12, 13, "50", true},  {142, 10, 10, "0", true},
    {143, 12, 19, "100", true},       {144, 15, 11, "-1", false}, {145, 13, 11, "-2", false},
    {146, 8, 11, "0", false},         {147, 13, 12, "+1", false}, {148, 13, 11, "+2", false},
};

// A picture of width x height pixels at the given scale: drawn in those units on an image with
// scale x scale pixels for each.
QImage Canvas(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32);
    image.fill(Vga::Silver);
    return image;
}

// One legend line: two short dashes, drawn as such because the font runs two hyphens together
// at this size, then the name.
void LegendLine(QPainter& p, int top, QRgb colour, const char* name) {
    const QFontMetrics metrics(p.font());
    const int baseline = top + (11 + metrics.ascent() - metrics.descent()) / 2;
    const int middle = baseline - (metrics.xHeight() + 1) / 2;
    for (const int x : {2, 5}) {
        p.fillRect(x, middle, 2, 1, QColor(colour));
    }
    p.setPen(colour);
    p.drawText(QPoint(9, baseline), QString::fromUtf8(name));
}

QImage DrawLegend(int scale) {
    QImage image = Canvas(75, 24, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    // The frame's four sides as filled rows and columns, which cover whole pixels at any scale.
    for (const QRect side :
         {QRect(0, 0, 75, 1), QRect(0, 23, 75, 1), QRect(0, 0, 1, 24), QRect(74, 0, 1, 24)}) {
        p.fillRect(side, QColor(Vga::Black));
    }
    p.setFont(CondensedFont(10));
    LegendLine(p, 1, Vga::Red, "Sonnenphase");
    LegendLine(p, 12, Vga::Blue, "Mondphase");
    return image;
}

QImage DrawAxisTitle(int scale) {
    QImage image = Canvas(76, 14, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setFont(SansFont(9, true));
    p.setPen(Vga::Black);
    p.drawText(QRect(0, 0, 76, 14), Qt::AlignCenter, QString::fromUtf8("Datum [Tage]"));
    return image;
}

QImage DrawLabel(const LabelSpec& spec, int scale) {
    QImage image = Canvas(spec.width, spec.height, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setFont(SansFont(spec.turned && spec.width >= 14 ? 10 : 9));
    p.setPen(Vga::Black);
    QRect box(0, 0, spec.width, spec.height);
    if (spec.turned) {
        // Rotate the page a quarter turn anticlockwise: text then runs upwards.
        p.translate(0, spec.height);
        p.rotate(-90);
        box = QRect(0, 0, spec.height, spec.width);
    }
    p.drawText(box, Qt::AlignCenter, QString::fromUtf8(spec.text));
    return image;
}

} // namespace

QImage DrawDiagramLabel(int id, int scale) {
    QImage image;
    if (id == 138) {
        image = DrawLegend(scale);
    } else if (id == 139) {
        image = DrawAxisTitle(scale);
    } else {
        for (const LabelSpec& spec : kLabels) {
            if (spec.id == id) {
                image = DrawLabel(spec, scale);
            }
        }
    }
    return image.isNull() ? image : ToPalette(image, VgaPalette());
}
