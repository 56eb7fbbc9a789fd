#include "cli/cli.h"

#include <iostream>
#include <new>

#include "app/text_catalogue.h"
#include "app/text_guards.h"
#include "cli/commands.h"
#include "cli/output.h"

namespace {

const char* const kUsage =
    "Usage:\n"
    "  vexamo-cli eval [--tz N | --place NAME | --zone ZONE] [--dst | --no-dst] [--round]\n"
    "                  [--southern] [--const-zone] [--before-1900] [--json]\n"
    "                  DAY MONTH YEAR HOUR MINUTE\n"
    "  vexamo-cli batch [--format csv|jsonl] [--before-1900] [FILE | -]\n"
    "  vexamo-cli list FILE [--json]\n"
    "  vexamo-cli show FILE NAME [--json]\n"
    "  vexamo-cli add FILE NAME [--replace] [--tz N | --place NAME | --zone ZONE]\n"
    "                 [--dst | --no-dst] [--round] [--southern] [--const-zone]\n"
    "                 DAY MONTH YEAR HOUR MINUTE\n"
    "  vexamo-cli remove FILE NAME\n"
    "  vexamo-cli import FILE CSV [--replace]\n"
    "  vexamo-cli export FILE [--format tsv|csv|jsonl]\n"
    "  vexamo-cli places QUERY [--json]\n"
    "  vexamo-cli zone (--place NAME | --zone ZONE) [--dst | --no-dst] [--round] [--json]\n"
    "                  DAY MONTH YEAR HOUR MINUTE\n"
    "  vexamo-cli report -o OUT.pdf [--name TEXT] [birth options as eval]\n"
    "                    DAY MONTH YEAR HOUR MINUTE\n"
    "  vexamo-cli report -o OUT.pdf --file FILE [NAME...]\n"
    "  vexamo-cli diagram -o OUT.png|OUT.svg [--scale N] [birth options as eval]\n"
    "                     DAY MONTH YEAR HOUR MINUTE\n"
    "  vexamo-cli diagram -o OUT.png|OUT.svg [--scale N] --file FILE NAME\n"
    "  vexamo-cli --help | --version\n"
    "\n"
    "--place NAME or --zone ZONE (e.g. Europe/Berlin) instead of --tz: the time difference in\n"
    "force there at the local DAY MONTH YEAR HOUR MINUTE. For a time that occurs twice --dst\n"
    "takes summer time, --no-dst winter time; --round accepts the nearest whole hour for an\n"
    "offset such as UTC+05:30.\n"
    "Options may come before, between or after the other words; after \"--\" every word is a\n"
    "FILE, NAME or value, so a NAME that begins with '-' is given as \"-- NAME\".\n"
    "batch reads births as CSV (a header row; columns day, month, year, hour, minute, and\n"
    "optionally tz or place or zone, southern, const_zone, name) from FILE or standard input\n"
    "and writes one result row per input row; import adds such rows (name required) to FILE,\n"
    "all or none. Phase moments are Universal Time.\n"
    "report writes one printed sheet (A4 PDF) per birth: the one given, or every record of\n"
    "FILE (or the NAMEs) in the order of the desktop program's list; --before-1900 lets it\n"
    "print records before 1900. diagram writes the phase diagram as PNG (--scale N enlarges\n"
    "it, 1 to 16) or SVG. The format comes from OUT's extension; -o - writes to standard\n"
    "output (PDF, or --format png|svg).\n"
    "\n"
    "Exit status: 0 success, 1 input refused, file unreadable, place or zone unknown or no\n"
    "time difference determined (batch: some row refused), 2 usage error (batch, import: also\n"
    "a malformed CSV).\n";

// A request for help among the arguments of a command other than eval: "--help" anywhere before a
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

using Command = int (*)(const Args&, CliStreams&);

struct NamedCommand {
    const char* name;
    Command run;
};

constexpr NamedCommand kCommands[] = {
    {"list", RunList},     {"show", RunShow},     {"add", RunAdd},         {"remove", RunRemove},
    {"export", RunExport}, {"import", RunImport}, {"batch", RunBatch},     {"places", RunPlaces},
    {"zone", RunZone},     {"report", RunReport}, {"diagram", RunDiagram},
};

} // namespace

int UsageError(CliStreams& io, const std::string& message) {
    io.err << "vexamo-cli: " << TerminalText(message, io.errTerminal) << "\n"
           << "Try 'vexamo-cli --help'.\n";
    io.err.flush();
    return kExitUsage;
}

namespace {

int Dispatch(const std::vector<std::string>& all, CliStreams& io) {
    if (all.empty()) {
        return UsageError(io, "missing command");
    }
    const std::string& command = all[0];
    const Args args(all.begin() + 1, all.end());

    if (command == "--help" || command == "-h" || command == "help") {
        return WriteOutput(io, kUsage);
    }
    if (command == "--version") {
        return WriteOutput(io, "vexamo-cli 1.0\n");
    }
    if (command == "eval") {
        return RunEval(args, io);
    }
    for (const NamedCommand& c : kCommands) {
        if (command == c.name) {
            return AsksForHelp(args) ? WriteOutput(io, kUsage) : c.run(args, io);
        }
    }
    return UsageError(io, "unknown command '" + command + "'");
}

} // namespace

int RunCli(const std::vector<std::string>& all, std::ostream& out, std::ostream& err,
           const CliContext& context) {
    CliStreams io{out, err, context.outTerminal, context.errTerminal,
                  context.in != nullptr ? context.in : &std::cin};
    try {
        return Dispatch(all, io);
    } catch (const std::bad_alloc&) {
        // Whatever was being built is gone with the stack; a record file is only ever
        // replaced whole, so it is as it was.
        out.clear();
        err.clear();
        err << "vexamo-cli: " << UserText(TextId::CliOutOfMemory) << "\n";
        err.flush();
        return kExitRefused;
    }
}

int RunCli(const std::vector<std::string>& all, std::ostream& out, std::ostream& err) {
    return RunCli(all, out, err, CliContext{});
}
