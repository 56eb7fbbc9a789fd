#pragma once
// The birth moment on the command line, shared by "eval", "add" and "zone": the options of the
// time difference (--tz N, or the birthplace --place NAME or the zone --zone ZONE with the
// choices --dst, --no-dst and --round), --southern and --const-zone, and the five values DAY
// MONTH YEAR HOUR MINUTE after the command's leading words (add's FILE NAME).
#include <optional>
#include <string>
#include <vector>

#include "app/birth_input.h"
#include "app/zone_resolution.h"
#include "cli/option_table.h"

// The options, each described once; a command's table takes those it accepts.
extern const OptionSpec kTzOption;
extern const OptionSpec kPlaceOption;
extern const OptionSpec kZoneOption;
extern const OptionSpec kDstOption;
extern const OptionSpec kNoDstOption;
extern const OptionSpec kRoundOption;
extern const OptionSpec kSouthernOption;
extern const OptionSpec kConstZoneOption;
extern const OptionSpec kJsonOption;

// --place and --zone exclude each other, as do --dst and --no-dst.
extern const OptionGroup kBirthGroups[2];

// A command's words for a wrong count of values (%1: how many were given) and for a value that
// is not an integer (%1: DAY, MONTH, YEAR, HOUR or MINUTE, %2: the value).
struct BirthWording {
    TextId count;
    TextId notInteger;
    size_t leading = 0; // words before the five values
};

struct BirthArgs {
    BirthInput input;
    std::optional<ZoneSource> zone; // --place or --zone: the time difference is to be resolved
    ZoneChoice zoneChoice;          // --dst, --no-dst, --round
    std::vector<std::string> leading;
};

// Parses the arguments of a birth command and reads the birth (not after a stopping option).
// Returns the first usage error's message, or nothing.
std::optional<std::string> ParseBirthArgs(const Args& args, const CommandSyntax& syntax,
                                          const BirthWording& wording, ParsedArgs& parsed,
                                          BirthArgs& out);

// The birth of parsed arguments. Returns the first usage error's message, or nothing.
std::optional<std::string> ReadBirthArgs(const ParsedArgs& parsed, const CommandSyntax& syntax,
                                         const BirthWording& wording, BirthArgs& out);
