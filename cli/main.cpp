// vexamo-cli: birth-moment evaluation and ".dat" record files from the command line.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/output.h"

namespace {

const char* const kUsage =
    "Usage:\n"
    "  vexamo-cli eval [--tz N] [--southern] [--const-zone] [--before-1900] [--json]\n"
    "                  DAY MONTH YEAR HOUR MINUTE\n"
    "  vexamo-cli list FILE\n"
    "  vexamo-cli show FILE NAME\n"
    "  vexamo-cli add FILE NAME [--replace] [--tz N] [--southern] [--const-zone]\n"
    "                 DAY MONTH YEAR HOUR MINUTE\n"
    "  vexamo-cli remove FILE NAME\n"
    "  vexamo-cli export FILE\n"
    "  vexamo-cli --help | --version\n"
    "\n"
    "Exit status: 0 success, 1 input refused or file unreadable, 2 usage error.\n";

// A request for help among the arguments of a record command: "--help" anywhere before a
// "--", or "-h" in place of the file.
bool AsksForHelp(const Args& args) {
    if (!args.empty() && args[0] == "-h") {
        return true;
    }
    for (const std::string& arg : args) {
        if (arg == "--") {
            return false;
        }
        if (arg == "--help") {
            return true;
        }
    }
    return false;
}

} // namespace

int UsageError(const std::string& message) {
    std::fprintf(stderr, "vexamo-cli: %s\n", message.c_str());
    std::fprintf(stderr, "Try 'vexamo-cli --help'.\n");
    return kExitUsage;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        return UsageError("missing command");
    }
    const std::string command = argv[1];
    const Args args(argv + 2, argv + argc);

    if (command == "--help" || command == "-h" || command == "help") {
        return WriteOutput(kUsage);
    }
    if (command == "--version") {
        return WriteOutput("vexamo-cli 1.0\n");
    }
    if (command == "eval") {
        return RunEval(args);
    }
    const bool recordCommand = command == "list" || command == "show" || command == "add" ||
                               command == "remove" || command == "export";
    if (recordCommand && AsksForHelp(args)) {
        return WriteOutput(kUsage);
    }
    if (command == "list") {
        return RunList(args);
    }
    if (command == "show") {
        return RunShow(args);
    }
    if (command == "add") {
        return RunAdd(args);
    }
    if (command == "remove") {
        return RunRemove(args);
    }
    if (command == "export") {
        return RunExport(args);
    }
    return UsageError("unknown command '" + command + "'");
}
