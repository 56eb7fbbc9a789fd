#pragma once
// What vexamo-cli writes: results on standard output, with write failures (a full disk, a
// closed pipe) reported, and messages on standard error.
#include <ostream>
#include <string>
#include <string_view>

#include "cli/commands.h"

// Writes text to io.out and flushes it. Returns kExitOk, or prints why on io.err and returns
// kExitRefused when the text could not be written in full.
int WriteOutput(CliStreams& io, std::string_view text);

// Prints that the output could not be written; returns kExitRefused. errno, as the failed
// write left it, gives the reason when it is one the user can act on (the file size limit, a
// full disk).
int OutputFailed(CliStreams& io);
// The same with the errno value of the failed write (0 when unknown).
int OutputFailedBecause(CliStreams& io, int errnoValue);

// The one way a message reaches standard error: "vexamo-cli: <text>" and a line end, the text's
// control characters escaped on a terminal (TerminalText). The text comes worded from the
// catalogue (UserText), where a translation would be looked up.
void PrintMessage(CliStreams& io, std::string_view text);

// Says that memory ran out, as PrintMessage would but without allocating; returns kExitRefused.
int PrintOutOfMemory(std::ostream& err);

// Prints the message and the hint to the help; returns kExitUsage.
int UsageError(CliStreams& io, std::string_view message);
