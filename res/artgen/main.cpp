// vexamo-artgen: draws the program's pictures and writes them as PNG files.
//   vexamo-artgen OUTPUT_DIR [ICON_DIR]
// With ICON_DIR, also the icon for the desktop's icon theme: <size>.png and scalable.svg.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "artgen.h"

namespace {

// <id>.png, or <id>@2x.png for a picture drawn at twice the resolution.
bool Save(const QImage& image, const QDir& dir, int id, int scale = 1) {
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    const QString path = dir.filePath(QString::number(id) + suffix + QStringLiteral(".png"));
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "vexamo-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

// The sizes of the icon theme; 32 is the program's own icon, pixel for pixel.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool SaveIconSet(const QDir& dir) {
    bool ok = true;
    for (const int size : kIconSizes) {
        const QImage icon = size == 32 ? DrawIcon() : DrawIconAt(size);
        ok = Save(icon, dir, size) && ok;
    }
    const QString path = dir.filePath(QStringLiteral("scalable.svg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(IconSvg().toUtf8()) < 0 || !file.flush()) {
        std::fprintf(stderr, "vexamo-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "Usage: vexamo-artgen OUTPUT_DIR [ICON_DIR]\n");
        return 2;
    }
    // Drawing needs no display; the offscreen platform keeps the output the same everywhere.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "vexamo-artgen: no such directory: %s\n", argv[1]);
        return 1;
    }
    if (!LoadFonts()) {
        std::fprintf(stderr, "vexamo-artgen: the DejaVu fonts are missing (fonts-dejavu-core)\n");
        return 1;
    }
    bool ok = Save(DrawIcon(), dir, 128);
    ok = Save(DrawLunarPicture(), dir, 131) && ok;
    ok = Save(DrawQuestionPicture(), dir, 133) && ok;
    ok = Save(DrawSolarPicture(), dir, 134) && ok;
    ok = Save(DrawFilingCabinet(), dir, 136) && ok;
    ok = Save(DrawScrollWithSeal(), dir, 137) && ok;
    for (int id = 138; id <= 148; ++id) {
        ok = Save(DrawDiagramLabel(id), dir, id) && ok;
        ok = Save(DrawDiagramLabel(id, 2), dir, id, 2) && ok;
    }
    if (argc == 3) {
        const QDir iconDir(QString::fromLocal8Bit(argv[2]));
        if (!iconDir.exists()) {
            std::fprintf(stderr, "vexamo-artgen: no such directory: %s\n", argv[2]);
            return 1;
        }
        ok = SaveIconSet(iconDir) && ok;
    }
    return ok ? 0 : 1;
}
