// vexamo-rcgen: the Windows resources of the desktop program made from its tables and pictures.
//   vexamo-rcgen IMAGE_DIR OUTPUT_DIR [MANIFEST]
// Writes OUTPUT_DIR/vexamo.rc and, from the PNG pictures of IMAGE_DIR, <id>.bmp for every bitmap
// and 128.ico for the icon, which the script names.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>

#include "res/resource_ids.h"
#include "res/resource_script.h"

namespace {

bool Convert(const QDir& from, const QDir& to, int id, const char* format) {
    const QImage image(from.filePath(QString::number(id) + QStringLiteral(".png")));
    const QString path =
        to.filePath(QString::number(id) + QLatin1Char('.') + QString::fromLatin1(format).toLower());
    if (image.isNull() || !image.save(path, format)) {
        std::fprintf(stderr, "vexamo-rcgen: cannot make %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "Usage: vexamo-rcgen IMAGE_DIR OUTPUT_DIR [MANIFEST]\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const QDir images(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "vexamo-rcgen: cannot make %s\n", argv[2]);
        return 1;
    }
    bool ok = Convert(images, out, IDR_MAINFRAME, "ICO");
    for (const int id : kBitmapIds) {
        ok = Convert(images, out, id, "BMP") && ok;
    }
    const std::string script = ResourceScript(".", argc == 4 ? argv[3] : "");
    QSaveFile file(out.filePath(QStringLiteral("vexamo.rc")));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(script.data(), static_cast<qint64>(script.size())) < 0 || !file.commit()) {
        std::fprintf(stderr, "vexamo-rcgen: cannot write %s/vexamo.rc\n", argv[2]);
        return 1;
    }
    return ok ? 0 : 1;
}
