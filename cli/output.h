#pragma once
// Standard output of vexamo-cli, with write failures (a full disk, a closed pipe) reported.
#include <string>

// Writes text to stdout and flushes it. Returns kExitOk, or prints why on stderr and returns
// kExitRefused when the text could not be written in full.
int WriteOutput(const std::string& text);
