#pragma once
// Results of vexamo-cli, with write failures (a full disk, a closed pipe) reported.
#include <string>

#include "cli/commands.h"

// Writes text to io.out and flushes it. Returns kExitOk, or prints why on io.err and returns
// kExitRefused when the text could not be written in full.
int WriteOutput(CliStreams& io, const std::string& text);

// Prints that the output could not be written; returns kExitRefused.
int OutputFailed(CliStreams& io);
