// The application icon at the sizes of the desktop's icon theme, and as a scalable picture.
//
// Both follow the design of the 32 x 32 icon (DrawIcon), in its own coordinates: a grey-rimmed
// silver disc of radius 14 around (16, 16), four grey craters with a white glint at their lower
// right, and the lit edge, which is the disc minus an ellipse moved to the left.
#include "artgen.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <cmath>

namespace {

constexpr double kDesign = 32.0;
constexpr double kCentre = 16.0;
constexpr double kRadius = 14.0;
// The ellipse cut out of the disc to leave the crescent.
constexpr double kCutX = 11.0;
constexpr double kCutRx = 14.0;
constexpr double kCutRy = 15.0;

struct Crater {
    double x, y, w, h;
};
constexpr Crater kCraters[] = {{8, 9, 5, 4}, {13, 19, 6, 5}, {7, 17, 3, 3}, {15, 6, 3, 3}};

QPainterPath Crescent() {
    QPainterPath disc;
    disc.addEllipse(QPointF(kCentre, kCentre), kRadius, kRadius);
    QPainterPath cut;
    cut.addEllipse(QPointF(kCutX, kCentre), kCutRx, kCutRy);
    return disc.subtracted(cut);
}

// Where the rim of the disc meets the cut ellipse: x and the distance above and below the centre.
// From (x - c)^2 + t^2 = r^2 and (x - e)^2 / a^2 + t^2 / b^2 = 1.
QPointF CrescentTips() {
    const double r2 = kRadius * kRadius;
    const double a2 = kCutRx * kCutRx;
    const double b2 = kCutRy * kCutRy;
    // (x - c)^2 - b2 / a2 * (x - e)^2 + b2 - r2 = 0, a quadratic in x.
    const double k = b2 / a2;
    const double qa = 1.0 - k;
    const double qb = -2.0 * kCentre + 2.0 * k * kCutX;
    const double qc = kCentre * kCentre - k * kCutX * kCutX + b2 - r2;
    const double x = (-qb - std::sqrt(qb * qb - 4.0 * qa * qc)) / (2.0 * qa);
    const double t = std::sqrt(r2 - (x - kCentre) * (x - kCentre));
    return {x, t};
}

QString Number(double value) {
    return QString::number(value, 'f', 3).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

} // namespace

QImage DrawIconAt(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kDesign, size / kDesign);
    p.setPen(QPen(QColor(Vga::Grey), 1.0));
    p.setBrush(QColor(Vga::Silver));
    p.drawEllipse(QPointF(kCentre, kCentre), kRadius - 0.5, kRadius - 0.5);
    for (const Crater& c : kCraters) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(Vga::Grey));
        p.drawEllipse(QRectF(c.x, c.y, c.w, c.h));
        p.setBrush(QColor(Vga::White));
        p.drawRect(QRectF(c.x + c.w - 1.0, c.y + c.h - 1.0, 1.0, 1.0));
    }
    p.setBrush(QColor(Vga::Yellow));
    p.drawPath(Crescent());
    p.end();
    return image;
}

QString IconSvg() {
    const QPointF tips = CrescentTips();
    const QString x = Number(tips.x());
    const QString top = Number(kCentre - tips.y());
    const QString bottom = Number(kCentre + tips.y());
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                          "width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
                          "  <title>Calcul Orlinde</title>\n");
    svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%1\" r=\"%2\" fill=\"#c0c0c0\" "
                          "stroke=\"#808080\" stroke-width=\"1\"/>\n")
               .arg(Number(kCentre), Number(kRadius - 0.5));
    for (const Crater& c : kCraters) {
        svg += QStringLiteral(
                   "  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"#808080\"/>\n"
                   "  <rect x=\"%5\" y=\"%6\" width=\"1\" height=\"1\" fill=\"#ffffff\"/>\n")
                   .arg(Number(c.x + c.w / 2), Number(c.y + c.h / 2), Number(c.w / 2),
                        Number(c.h / 2), Number(c.x + c.w - 1), Number(c.y + c.h - 1));
    }
    // The crescent: along the rim from the upper tip round the right to the lower tip, back
    // along the cut ellipse.
    svg += QStringLiteral("  <path fill=\"#ffff00\" d=\"M %1 %2 A %3 %3 0 0 1 %1 %4 "
                          "A %5 %6 0 0 0 %1 %2 Z\"/>\n")
               .arg(x, top, Number(kRadius), bottom, Number(kCutRx), Number(kCutRy));
    svg += QStringLiteral("</svg>\n");
    return svg;
}
