// Renders the birthplace dialog with the installed place list in a few situations to PNG files,
// for review: vexamo-birthplace-shots OUTPUT_FOLDER.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "ui/birthplace_dialog.h"

namespace {

void Shoot(const QString& folder, const char* file, places::LocalMoment moment, const char* query,
           int row = 0, void (*decide)(CBirthplaceDialog&) = nullptr) {
    CBirthplaceDialog dialog(moment);
    dialog.show();
    dialog.SearchField()->setText(QString::fromUtf8(query));
    dialog.PlaceList()->setCurrentRow(row);
    if (decide) {
        decide(dialog);
    }
    QApplication::processEvents();
    dialog.grab().save(QDir(folder).filePath(QString::fromUtf8(file)));
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    Shoot(folder, "birthplace-ok.png", {1980, 1, 15, 12, 0}, "Münch");
    Shoot(folder, "birthplace-ambiguous.png", {2021, 10, 31, 2, 30}, "München", 0,
          [](CBirthplaceDialog& d) { d.WinterChoice()->setChecked(true); });
    Shoot(folder, "birthplace-nonexistent.png", {2021, 3, 28, 2, 30}, "Genève");
    Shoot(folder, "birthplace-round.png", {1890, 5, 1, 12, 0}, "Berlin", 0,
          [](CBirthplaceDialog& d) { d.RoundChoice()->setChecked(true); });
    Shoot(folder, "birthplace-india.png", {1990, 3, 1, 12, 0}, "Mumbai");
    Shoot(folder, "birthplace-out-of-range.png", {2000, 3, 1, 12, 0}, "Nuku", 1);
    return 0;
}
