#include "artgen.h"

#include <limits>

std::vector<QRgb> VgaPalette() {
    return {Vga::Black, Vga::Maroon,  Vga::Green, Vga::Olive, Vga::Navy, Vga::Purple,
            Vga::Teal,  Vga::Silver,  Vga::Grey,  Vga::Red,   Vga::Lime, Vga::Yellow,
            Vga::Blue,  Vga::Fuchsia, Vga::Aqua,  Vga::White};
}

QImage ToPalette(const QImage& image, const std::vector<QRgb>& palette) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    int transparent = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (qAlpha(palette[i]) == 0) {
            transparent = static_cast<int>(i);
        }
    }
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = source.pixel(x, y);
            int best = 0;
            if (qAlpha(c) < 128 && transparent >= 0) {
                best = transparent;
            } else {
                int bestDistance = std::numeric_limits<int>::max();
                for (std::size_t i = 0; i < palette.size(); ++i) {
                    if (qAlpha(palette[i]) == 0) {
                        continue;
                    }
                    const int dr = qRed(c) - qRed(palette[i]);
                    const int dg = qGreen(c) - qGreen(palette[i]);
                    const int db = qBlue(c) - qBlue(palette[i]);
                    const int d = dr * dr + dg * dg + db * db;
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = static_cast<int>(i);
                    }
                }
            }
            out.setPixel(x, y, static_cast<uint>(best));
        }
    }
    return out;
}
