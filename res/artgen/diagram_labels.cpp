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

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
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

QImage DrawLegend() {
    QImage image = Canvas(75, 24);
    QPainter p(&image);
    p.setPen(Vga::Black);
    p.drawRect(0, 0, 74, 23);
    p.setFont(CondensedFont(10));
    LegendLine(p, 1, Vga::Red, "Sonnenphase");
    LegendLine(p, 12, Vga::Blue, "Mondphase");
    return image;
}

QImage DrawAxisTitle() {
    QImage image = Canvas(76, 14);
    QPainter p(&image);
    p.setFont(SansFont(9, true));
    p.setPen(Vga::Black);
    p.drawText(QRect(0, 0, 76, 14), Qt::AlignCenter, QString::fromUtf8("Datum [Tage]"));
    return image;
}

QImage DrawLabel(const LabelSpec& spec) {
    QImage image = Canvas(spec.width, spec.height);
    QPainter p(&image);
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

QImage DrawDiagramLabel(int id) {
    QImage image;
    if (id == 138) {
        image = DrawLegend();
    } else if (id == 139) {
        image = DrawAxisTitle();
    } else {
        for (const LabelSpec& spec : kLabels) {
            if (spec.id == id) {
                image = DrawLabel(spec);
            }
        }
    }
    return image.isNull() ? image : ToPalette(image, VgaPalette());
}
