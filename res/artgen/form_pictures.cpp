#include "artgen.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The 16 colours of the icon: transparent in place of fuchsia, which it does not use.
std::vector<QRgb> IconPalette() {
    std::vector<QRgb> palette = VgaPalette();
    for (QRgb& c : palette) {
        if (c == Vga::Fuchsia) {
            c = 0x00000000u;
        }
    }
    return palette;
}

void Crater(QPainter& p, int x, int y, int w, int h) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Vga::Grey));
    p.drawEllipse(x, y, w, h);
    p.setBrush(QColor(Vga::White));
    p.drawRect(x + w - 1, y + h - 1, 1, 1);
}

} // namespace

QImage DrawIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // The grey disc with a dark rim.
    p.setPen(QColor(Vga::Grey));
    p.setBrush(QColor(Vga::Silver));
    p.drawEllipse(2, 2, 27, 27);
    Crater(p, 8, 9, 5, 4);
    Crater(p, 13, 19, 6, 5);
    Crater(p, 7, 17, 3, 3);
    Crater(p, 15, 6, 3, 3);
    // The lit right edge: the disc minus the disc moved left.
    QPainterPath disc;
    disc.addEllipse(2, 2, 28, 28);
    QPainterPath cut;
    cut.addEllipse(-3, 1, 28, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Vga::Yellow));
    p.drawPath(disc.subtracted(cut));
    p.end();
    return ToPalette(image, IconPalette());
}

QImage DrawFilingCabinet() {
    QImage image(33, 34, QImage::Format_ARGB32);
    image.fill(Vga::Silver);
    QPainter p(&image);
    // Side face in perspective, then the front with three drawers.
    const QPoint side[] = {{24, 4}, {30, 1}, {30, 29}, {24, 32}};
    p.setPen(QColor(Vga::Black));
    p.setBrush(QColor(Vga::Grey));
    p.drawPolygon(side, 4);
    const QPoint top[] = {{3, 4}, {9, 1}, {30, 1}, {24, 4}};
    p.setBrush(QColor(Vga::White));
    p.drawPolygon(top, 4);
    p.setBrush(QColor(Vga::Olive));
    p.drawRect(3, 4, 21, 28);
    for (int i = 0; i < 3; ++i) {
        const int y = 6 + i * 9;
        p.setPen(QColor(Vga::Yellow));
        p.drawLine(5, y, 21, y);
        p.drawLine(5, y, 5, y + 6);
        p.setPen(QColor(Vga::Black));
        p.drawLine(6, y + 7, 22, y + 7);
        p.drawLine(22, y + 1, 22, y + 7);
        // Label card and handle.
        p.setBrush(QColor(Vga::White));
        p.drawRect(10, y + 1, 6, 2);
        p.setBrush(QColor(Vga::Black));
        p.drawRect(11, y + 4, 4, 1);
    }
    p.end();
    return ToPalette(image, VgaPalette());
}

QImage DrawScrollWithSeal() {
    QImage image(30, 34, QImage::Format_ARGB32);
    image.fill(Vga::Silver);
    QPainter p(&image);
    p.setPen(QColor(Vga::Black));
    // Sheet, rolled at top and bottom.
    p.setBrush(QColor(Vga::White));
    p.drawRect(5, 4, 19, 25);
    p.setBrush(QColor(Vga::Yellow));
    p.drawRoundedRect(2, 1, 25, 5, 2, 2);
    p.drawRoundedRect(2, 27, 25, 5, 2, 2);
    p.setPen(QColor(Vga::Olive));
    p.drawLine(4, 3, 25, 3);
    p.drawLine(4, 29, 25, 29);
    // Written lines.
    p.setPen(QColor(Vga::Grey));
    for (int y = 9; y <= 19; y += 3) {
        p.drawLine(8, y, y % 2 == 0 ? 18 : 21, y);
    }
    // The red seal with its ribbons.
    p.setPen(QColor(Vga::Maroon));
    p.setBrush(QColor(Vga::Maroon));
    const QPoint left[] = {{17, 25}, {15, 31}, {18, 29}, {19, 26}};
    const QPoint right[] = {{21, 25}, {24, 31}, {21, 29}, {20, 26}};
    p.drawPolygon(left, 4);
    p.drawPolygon(right, 4);
    p.setBrush(QColor(Vga::Red));
    p.drawEllipse(15, 19, 8, 8);
    p.setPen(QColor(Vga::Yellow));
    p.drawPoint(18, 22);
    p.drawPoint(20, 22);
    p.drawPoint(19, 24);
    p.end();
    return ToPalette(image, VgaPalette());
}
