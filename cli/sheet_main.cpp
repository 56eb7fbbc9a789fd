// vexamo-sheet: draws the printed sheets and diagram pictures of "vexamo-cli report" and
// "vexamo-cli diagram", which start it. Needs no display.
#include <QGuiApplication>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <unistd.h>

#include "app/message_language.h"
#include "cli/sheet_commands.h"
#include "cli/sheet_exit.h"

namespace {

// The library's own notices (a missing runtime folder and the like) mean nothing to the user of
// a command; every failure that matters is reported by the command itself.
void QuietMessages(QtMsgType /*type*/, const QMessageLogContext& /*context*/,
                   const QString& /*message*/) {}

// An exception that reached no handler (one thrown where none may pass, or on another thread):
// vexamo-cli is told which kind by the exit status, and says so.
[[noreturn]] void EndUncaught() {
    int status = kSheetExitInternal;
    try {
        if (const std::exception_ptr current = std::current_exception()) {
            std::rethrow_exception(current);
        }
    } catch (const std::bad_alloc&) {
        status = kSheetExitOutOfMemory;
    } catch (...) {
    }
    std::_Exit(status);
}

} // namespace

int main(int argc, char** argv) {
    std::set_terminate(EndUncaught);
    // Writes beyond the file size limit fail with EFBIG, and into a named pipe whose reader
    // left with EPIPE: both are reported as failed saves instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    qInstallMessageHandler(QuietMessages);
    // Drawn off screen, with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    try {
        QGuiApplication app(argc, argv);
        // Place names in the user's language; numbers keep their full stop.
        std::setlocale(LC_NUMERIC, "C");
        UseMessageLanguage();
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        CliStreams io{std::cout, std::cerr, ::isatty(STDOUT_FILENO) == 1,
                      ::isatty(STDERR_FILENO) == 1, &std::cin};
        return RunSheetCli(args, io);
    } catch (const std::bad_alloc&) {
        return kSheetExitOutOfMemory;
    }
}
