#pragma once
// The arguments of a command that takes no birth moment: positional words and options. Before
// "--", a word that begins with '-' (other than "-" alone, which names standard input) is an
// option; after "--" every word is positional. So a FILE or NAME that looks like an option
// has to follow "--" ("show FILE -- --help").
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"

struct ArgRules {
    std::string command;                   // starts each message, e.g. "export"
    std::vector<std::string> flags;        // e.g. "--json"
    std::vector<std::string> valueOptions; // e.g. "--format": takes the next word or "=value"
};

struct ScannedArgs {
    std::vector<std::string> positionals;
    std::vector<std::string> flags;                          // in order given
    std::vector<std::pair<std::string, std::string>> values; // option and value, in order

    bool Has(const std::string& flag) const;
    // The last value given for the option.
    std::optional<std::string> Value(const std::string& option) const;
};

// Returns false with the usage error's message ("export: unknown option '-x'").
bool ScanArgs(const Args& args, const ArgRules& rules, ScannedArgs& out, std::string& error);
