// vexamo-cli: birth-moment evaluation and ".dat" record files from the command line.
#include <clocale>
#include <iostream>
#include <unistd.h>

#include "cli/cli.h"
#include "cli/message_catalogues.h"

int main(int argc, char** argv) {
    // Place names and messages in the user's language. Only the message and character
    // categories: numbers keep their full stop.
    std::setlocale(LC_CTYPE, "");
    UseUserLanguage();
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunCli(
        args, std::cout, std::cerr,
        CliContext{::isatty(STDOUT_FILENO) == 1, ::isatty(STDERR_FILENO) == 1, &std::cin});
}
