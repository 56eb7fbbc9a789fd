#pragma once
// The sub-commands of vexamo-cli. Each takes the arguments after its own name and returns the
// process exit status: 0 success, 1 input refused, file unreadable, place or zone unknown or no
// time difference determined, 2 usage error.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

using Args = std::vector<std::string>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// Where a command writes its results and its messages.
// outTerminal and errTerminal tell whether the stream is a terminal: names and paths are then
// written with their control characters escaped (TerminalText), a pipe gets the exact bytes.
struct CliStreams {
    std::ostream& out;
    std::ostream& err;
    bool outTerminal = false;
    bool errTerminal = false;
    std::istream* in = nullptr; // standard input
};

// The command line of each command (cli/option_table.h), beside the command.
struct CommandSyntax;
extern const CommandSyntax kEvalSyntax;
extern const CommandSyntax kBatchSyntax;
extern const CommandSyntax kListSyntax;
extern const CommandSyntax kShowSyntax;
extern const CommandSyntax kAddSyntax;
extern const CommandSyntax kRemoveSyntax;
extern const CommandSyntax kImportSyntax;
extern const CommandSyntax kExportSyntax;
extern const CommandSyntax kPlacesSyntax;
extern const CommandSyntax kZoneSyntax;
extern const CommandSyntax kReportSyntax;
extern const CommandSyntax kDiagramSyntax;

int RunEval(const Args& args, CliStreams& io);
int RunList(const Args& args, CliStreams& io);
int RunShow(const Args& args, CliStreams& io);
int RunAdd(const Args& args, CliStreams& io);
int RunRemove(const Args& args, CliStreams& io);
int RunExport(const Args& args, CliStreams& io);
int RunImport(const Args& args, CliStreams& io);
int RunBatch(const Args& args, CliStreams& io);
int RunPlaces(const Args& args, CliStreams& io);
int RunZone(const Args& args, CliStreams& io);
// Printed sheets and diagram pictures, drawn by the separate program vexamo-sheet.
int RunReport(const Args& args, CliStreams& io);
int RunDiagram(const Args& args, CliStreams& io);
