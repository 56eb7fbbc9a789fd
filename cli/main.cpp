// vexamo-cli: birth-moment evaluation and ".dat" record files from the command line.
#include <clocale>
#include <csignal>
#include <iostream>
#include <new>

#include "app/console.h"
#include "app/message_language.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/output.h"

int main(int argc, char** argv) {
    // A write beyond the file size limit (ulimit -f) fails with EFBIG and is reported like any
    // other failed write, the temporary file removed, instead of killing the program midway.
    // Ignored also in vexamo-sheet, which inherits it. (Windows has no such limit.)
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    UseStandardStreamsAsBytes();
    const Utf8Console console;
    // Place names and messages in the user's language. Only the message and character
    // categories: numbers keep their full stop.
    std::setlocale(LC_CTYPE, "");
    try {
        UseMessageLanguage();
        std::vector<std::string> args = Utf8Arguments(argc, argv);
        if (!args.empty()) {
            args.erase(args.begin()); // the program's own name
        }
        return RunCli(args, std::cout, std::cerr,
                      CliContext{IsTerminal(1), IsTerminal(2), &std::cin});
    } catch (const std::bad_alloc&) {
        // Before a command runs (the arguments, the catalogues) or while its output is flushed.
        std::cout.clear();
        return PrintOutOfMemory(std::cerr);
    }
}
