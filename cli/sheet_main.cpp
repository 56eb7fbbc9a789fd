// vexamo-sheet: draws the printed sheets and diagram pictures of "vexamo-cli report" and
// "vexamo-cli diagram", which start it. Needs no display.
#include <QGuiApplication>
#include <clocale>
#include <iostream>
#include <new>
#include <unistd.h>

#include "app/text_catalogue.h"
#include "cli/message_catalogues.h"
#include "cli/sheet_commands.h"

namespace {

// The library's own notices (a missing runtime folder and the like) mean nothing to the user of
// a command; every failure that matters is reported by the command itself.
void QuietMessages(QtMsgType /*type*/, const QMessageLogContext& /*context*/,
                   const QString& /*message*/) {}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietMessages);
    // Drawn off screen, with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Place names in the user's language; numbers keep their full stop.
    std::setlocale(LC_NUMERIC, "C");
    UseUserLanguage();
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    CliStreams io{std::cout, std::cerr, ::isatty(STDOUT_FILENO) == 1, ::isatty(STDERR_FILENO) == 1,
                  &std::cin};
    try {
        return RunSheetCli(args, io);
    } catch (const std::bad_alloc&) {
        std::cerr << "vexamo-cli: " << UserText(TextId::CliOutOfMemory) << "\n";
        return kExitRefused;
    }
}
