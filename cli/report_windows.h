#pragma once
// "vexamo-cli.exe report": the sheets drawn through the system's PDF printer into the -o file.
#include "cli/commands.h"

int RunWindowsReport(const Args& args, CliStreams& io);
