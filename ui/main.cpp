// vexamo: the desktop calculator.
#include <QApplication>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/text_catalogue.h"
#include "ui/classic_style.h"
#include "ui/qt_file_dialog_service.h"
#include "ui/qt_message_service.h"
#include "ui/qt_translations.h"
#include "ui/ui_text.h"
#include "ui/vexamo_app.h"

namespace {

// The answer to --help or --version, or nullptr when the window is to open. Looked for before
// the application object exists, so that no display is needed; "--" ends the options.
const char* InformationRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            break;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            return UserText(TextId::DesktopHelp);
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            return UserText(TextId::DesktopVersion);
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    // A save beyond the file size limit (ulimit -f) fails with EFBIG and is reported, the
    // temporary file removed, instead of killing the program with the document unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const char* text = InformationRequested(argc, argv)) {
        const bool written = std::fputs(text, stdout) >= 0;
        return std::fflush(stdout) == 0 && written ? 0 : 1;
    }

    // Qt sees only the arguments before "--": what follows names files, even "-style" or
    // "-x.dat", and reaches InitInstance after a "--" of its own.
    int qtArgc = 1;
    while (qtArgc < argc && std::strcmp(argv[qtArgc], "--") != 0) {
        ++qtArgc;
    }
    std::vector<char*> qtArgv(argv, argv + qtArgc);
    qtArgv.push_back(nullptr);
    QApplication application(qtArgc, qtArgv.data());
    QApplication::setApplicationName(UiText(TextId::AppTitle));
    // Lets the desktop match the window to the menu entry (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vexamo.Vexamo"));
    ApplyClassicLook(application);
    InstallQtTranslations(application);

    CQtMessageService messages;
    CQtFileDialogService files;
    CVexamoApp app(messages, files);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    for (int i = qtArgc; i < argc; ++i) {
        arguments.append(QFile::decodeName(argv[i]));
    }
    if (!app.InitInstance(arguments)) {
        return 1;
    }
    return QApplication::exec();
}
