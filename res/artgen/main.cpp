// vexamo-artgen: draws the program's pictures and writes them as PNG files.
//   vexamo-artgen OUTPUT_DIR
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "artgen.h"

namespace {

bool Save(const QImage& image, const QDir& dir, int id) {
    const QString path = dir.filePath(QString::number(id) + QStringLiteral(".png"));
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "vexamo-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: vexamo-artgen OUTPUT_DIR\n");
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
    }
    return ok ? 0 : 1;
}
