#pragma once
// The one parser of a birth moment on the command line, shared by "eval", "add" and "zone": the
// five numbers DAY MONTH YEAR HOUR MINUTE and the options --tz N (or --tz=N), --southern and
// --const-zone, or instead of --tz the birthplace --place NAME or the zone --zone ZONE with the
// choices --dst, --no-dst and --round, plus the command's own flags. Options may come before or
// among the numbers; a negative number is a value, not an option; after "--" everything is a
// value. A command's leading words (add's FILE NAME) are the first values, so a word that
// looks like an option is never taken for one of them unless it follows "--".
#include <optional>
#include <string>
#include <vector>

#include "app/birth_input.h"
#include "app/zone_resolution.h"
#include "cli/commands.h"

// A command's own flags and the wording of its usage errors.
struct BirthSyntax {
    std::string command;                // "eval": starts each message
    std::vector<std::string> flags;     // e.g. "--json"
    std::vector<std::string> stopFlags; // e.g. "--help": ends parsing at once, successfully
    std::string tzMissing;              // --tz is the last argument
    std::string tzNotNumber;            // followed by "'<value>'"
    std::string countWrong;             // "%n" stands for the number of values given
    std::string valueNotNumber;         // follows the value's name, followed by "'<value>'"
    bool birthOptions = true;           // --tz, --southern and --const-zone are accepted
    size_t leading = 0; // words before the five numbers ("add": FILE NAME), never options
};

struct BirthArgs {
    BirthInput input;
    std::vector<std::string> flags;   // the command's flags given, in order
    std::string stopFlag;             // the stop flag met, if any (nothing else is then parsed)
    std::optional<ZoneSource> zone;   // --place or --zone: the time difference is to be resolved
    ZoneChoice zoneChoice;            // --dst, --no-dst, --round
    std::vector<std::string> leading; // the leading words (BirthSyntax::leading)

    bool Has(const std::string& flag) const;
};

// Parses args[first..]. Returns false with the message of the first usage error.
bool ParseBirthArgs(const Args& args, size_t first, const BirthSyntax& syntax, BirthArgs& out,
                    std::string& error);
