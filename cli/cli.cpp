#include "cli/cli.h"

#include <iostream>
#include <new>

#include "app/text_catalogue.h"
#include "cli/commands.h"
#include "cli/option_table.h"
#include "cli/output.h"
#include "cli/version.h"

namespace {

using Command = int (*)(const Args&, CliStreams&);

struct NamedCommand {
    const CommandSyntax* syntax;
    Command run;
};

// In the order of the help.
const NamedCommand kCommands[] = {
    {&kEvalSyntax, RunEval},     {&kBatchSyntax, RunBatch},   {&kListSyntax, RunList},
    {&kShowSyntax, RunShow},     {&kAddSyntax, RunAdd},       {&kRemoveSyntax, RunRemove},
    {&kImportSyntax, RunImport}, {&kExportSyntax, RunExport}, {&kPlacesSyntax, RunPlaces},
    {&kZoneSyntax, RunZone},     {&kReportSyntax, RunReport}, {&kDiagramSyntax, RunDiagram},
};

std::string Usage() {
    std::string text = UserText(TextId::CliUsageTitle);
    for (const NamedCommand& c : kCommands) {
        text += SynopsisText("  vexamo-cli " + std::string(c.syntax->name) + " ", *c.syntax);
    }
    return text + UserText(TextId::CliUsageNotes);
}

// A request for help among the arguments of a command without help options of its own (answered
// with the command's help):
// "--help" anywhere before a "--", or "-h" in place of the first word. It is answered whatever
// else the arguments hold.
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

// Whether the command's own table answers --help.
bool HasOwnHelp(const CommandSyntax& syntax) {
    for (const OptionSpec& option : syntax.options) {
        if (option.stops) {
            return true;
        }
    }
    return false;
}

int Dispatch(const std::vector<std::string>& all, CliStreams& io) {
    if (all.empty()) {
        return UsageError(io, UserText(TextId::CliMissingCommand));
    }
    const std::string& command = all[0];
    const Args args(all.begin() + 1, all.end());

    if (command == "--help" || command == "-h" || command == "help") {
        return WriteOutput(io, Usage());
    }
    if (command == "--version") {
        return WriteOutput(io, VersionText());
    }
    for (const NamedCommand& c : kCommands) {
        if (command == c.syntax->name) {
            return !HasOwnHelp(*c.syntax) && AsksForHelp(args)
                       ? WriteOutput(io, CommandUsage(*c.syntax))
                       : c.run(args, io);
        }
    }
    return UsageError(io, UserText(TextId::CliUnknownCommand, {command}));
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
        // replaced whole, so it is as it was. The message is written without allocating.
        out.clear();
        return PrintOutOfMemory(err);
    }
}

int RunCli(const std::vector<std::string>& all, std::ostream& out, std::ostream& err) {
    return RunCli(all, out, err, CliContext{});
}
