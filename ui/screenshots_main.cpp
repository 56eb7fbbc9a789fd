// vexamo-screenshots FOLDER: renders the main window, without a display, in the simple and
// the extended layout to FOLDER/simple.png and FOLDER/extended.png, and the About box to
// FOLDER/about.png.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

#include "app/record_commands.h"
#include "res/resource_ids.h"
#include "ui/about_dlg.h"
#include "ui/classic_style.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"
#include "ui/qt_file_dialog_service.h"
#include "ui/qt_message_service.h"
#include "ui/vexamo_app.h"

namespace {

bool Save(QWidget& window, const QString& path) {
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "vexamo-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: vexamo-screenshots FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ApplyClassicLook(application);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "vexamo-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }

    // A private settings folder, so the user's recent files are neither shown nor changed.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    CQtMessageService messages;
    CQtFileDialogService files;
    CVexamoApp app(messages, files);
    if (!app.InitInstance({})) {
        return 1;
    }
    CMainView& view = *app.View();
    // Two example records, shown as after opening a file.
    DateStoreMap& store = app.Session().Store();
    AddStoredRecord(store, "Muster", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1),
                    AddMode::RefuseExisting);
    AddStoredRecord(store, "Beispiel", VXDateStore(1975, 7, 5, 8, 5, 0, 1, -1),
                    AddMode::RefuseExisting);
    view.OnInitialUpdate();
    QApplication::processEvents();

    CMainFrame& frame = *app.MainFrame();
    bool ok = Save(frame, QDir(folder).filePath(QStringLiteral("simple.png")));
    view.findChild<QPushButton*>(QString::number(IDC_LAYOUT))->click();
    QApplication::processEvents();
    ok = Save(frame, QDir(folder).filePath(QStringLiteral("extended.png"))) && ok;
    CAboutDlg about(&frame);
    about.show();
    QApplication::processEvents();
    ok = Save(about, QDir(folder).filePath(QStringLiteral("about.png"))) && ok;
    app.Document().SetModifiedFlag(false);
    return ok ? 0 : 1;
}
