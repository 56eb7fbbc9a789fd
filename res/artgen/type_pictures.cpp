#include "artgen.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 32;

// Text with a one-pixel darker outline so that it stands out on its background.
void OutlinedText(QPainter& p, const QRect& box, const QString& text, const QFont& font,
                  QColor fill, QColor outline) {
    p.setFont(font);
    p.setPen(outline);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) {
                p.drawText(box.translated(dx, dy), Qt::AlignCenter, text);
            }
        }
    }
    p.setPen(fill);
    p.drawText(box, Qt::AlignCenter, text);
}

} // namespace

QImage DrawSolarPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(150, 205, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(17.0, 16.0);
    // Twelve rays, alternately long and short.
    p.setPen(QPen(QColor(255, 200, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * 3.14159265358979 / 6.0;
        const double inner = 9.5;
        const double outer = i % 2 == 0 ? 15.0 : 13.0;
        p.drawLine(QPointF(centre.x() + inner * std::cos(a), centre.y() + inner * std::sin(a)),
                   QPointF(centre.x() + outer * std::cos(a), centre.y() + outer * std::sin(a)));
    }
    QRadialGradient glow(centre, 8.0, QPointF(centre.x() - 2.5, centre.y() - 2.5));
    glow.setColorAt(0.0, QColor(255, 255, 190));
    glow.setColorAt(0.6, QColor(255, 235, 40));
    glow.setColorAt(1.0, QColor(250, 190, 0));
    p.setPen(QPen(QColor(235, 150, 0), 1.0));
    p.setBrush(glow);
    p.drawEllipse(centre, 7.5, 7.5);

    OutlinedText(p, QRect(36, 0, 122, kHeight), QStringLiteral("Solaire"),
                 SerifFont(22, true, false, true), QColor(255, 170, 0), QColor(150, 70, 0));
    return image;
}

QImage DrawLunarPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 70));
    QPainter p(&image);
    // Small stars at fixed places, a few of them brighter with four points.
    const QPoint stars[] = {{4, 4},    {31, 3},  {40, 25},  {52, 5},  {66, 28},  {77, 3},
                            {95, 27},  {104, 4}, {118, 29}, {127, 6}, {141, 26}, {150, 3},
                            {156, 17}, {35, 14}, {6, 27},   {88, 15}, {134, 15}, {60, 17}};
    for (std::size_t i = 0; i < std::size(stars); ++i) {
        const QPoint& s = stars[i];
        const int shade = i % 3 == 0 ? 255 : 180;
        image.setPixel(s, qRgb(shade, shade, shade - 30));
        if (i % 4 == 0) {
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                image.setPixel(s + d, qRgb(120, 130, 170));
            }
        }
    }
    p.setRenderHint(QPainter::Antialiasing);
    // Crescent: a disc with a disc of the background cut out of its right part.
    QPainterPath moon;
    moon.addEllipse(QPointF(17.0, 16.0), 12.0, 12.0);
    QPainterPath shadow;
    shadow.addEllipse(QPointF(23.0, 13.0), 11.0, 11.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 225, 40));
    p.drawPath(moon.subtracted(shadow));

    OutlinedText(p, QRect(36, 0, 122, kHeight), QStringLiteral("Lunaire"),
                 SerifFont(22, true, false, true), QColor(255, 230, 40), QColor(10, 20, 70));
    return image;
}

QImage DrawQuestionPicture() {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    image.fill(Vga::Yellow);
    QPainter p(&image);
    p.setPen(Vga::Blue);
    p.setFont(SerifFont(32, true));
    p.drawText(QRect(2, 0, 28, kHeight), Qt::AlignCenter, QStringLiteral("?"));
    p.setFont(SerifFont(19, false, true));
    p.drawText(QRect(30, 0, 128, kHeight), Qt::AlignCenter, QStringLiteral("Fragezeichen"));
    p.end();
    return ToPalette(image, VgaPalette());
}
