#pragma once
// "--jobs N" of batch and export: how many threads evaluate (default: every core).
#include <optional>
#include <string>

#include "cli/option_table.h"

extern const OptionSpec kJobsOption;

// The number of threads asked for, or the usage error of a value below 1.
std::optional<std::string> JobsOption(const ParsedArgs& args, const CommandSyntax& syntax,
                                      unsigned& jobs);
