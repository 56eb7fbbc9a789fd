#include "artgen.h"

#include <QFontDatabase>

namespace {

const char* const kFontDir = "/usr/share/fonts/truetype/dejavu/";
const char* const kFontFiles[] = {
    "DejaVuSans.ttf",          "DejaVuSans-Bold.ttf",          "DejaVuSans-Oblique.ttf",
    "DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Bold.ttf", "DejaVuSerif.ttf",
    "DejaVuSerif-Bold.ttf",    "DejaVuSerif-Italic.ttf",       "DejaVuSerif-BoldItalic.ttf",
};

QFont MakeFont(const char* family, int pixelSize, bool bold, bool italic, bool smooth) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

} // namespace

bool LoadFonts() {
    for (const char* file : kFontFiles) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(kFontDir) +
                                              QString::fromLatin1(file)) < 0) {
            return false;
        }
    }
    return true;
}

QFont SansFont(int pixelSize, bool bold, bool italic, bool smooth) {
    return MakeFont("DejaVu Sans", pixelSize, bold, italic, smooth);
}

QFont CondensedFont(int pixelSize, bool bold) {
    return MakeFont("DejaVu Sans Condensed", pixelSize, bold, false, false);
}

QFont SerifFont(int pixelSize, bool bold, bool italic, bool smooth) {
    return MakeFont("DejaVu Serif", pixelSize, bold, italic, smooth);
}
