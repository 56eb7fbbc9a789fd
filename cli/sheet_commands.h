#pragma once
// The commands of vexamo-sheet, the drawing half of vexamo-cli: the same arguments as
// "vexamo-cli report" and "vexamo-cli diagram". A QGuiApplication must exist.
#include "cli/commands.h"

int RunSheetReport(const Args& args, CliStreams& io);
int RunSheetDiagram(const Args& args, CliStreams& io);

// Runs vexamo-sheet's command line: optional --out-terminal and --err-terminal (the streams of
// the vexamo-cli that started it are terminals), then "report" or "diagram" and its arguments.
int RunSheetCli(const Args& args, CliStreams& io);
