#pragma once
// The birth moment on the command line, shared by "eval", "add" and "zone": the options of the
// time difference (--tz N, or the birthplace --place NAME or the zone --zone ZONE with the
// choices --dst, --no-dst and --round), --southern and --const-zone, and the five values DAY
// MONTH YEAR HOUR MINUTE after the command's leading words (add's FILE NAME).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/birth_input.h"
#include "app/zone_resolution.h"
#include "cli/option_table.h"

// The groups of options that exclude each other: --place and --zone, --dst and --no-dst.
inline constexpr int kZoneSourceGroup = 1;
inline constexpr int kDstGroup = 2;

// The options, each described once; a command's table takes the lists below, or single ones.
inline constexpr OptionSpec kTzOption{
    "--tz", ValueKind::Integer, "N",
    "hours to add to the local time to reach Greenwich time (default 1)"};
inline constexpr OptionSpec kPlaceOption{
    "--place",
    ValueKind::Text,
    "NAME",
    "instead of --tz: the time difference in force at the birthplace\n"
    "(the most populous of several matching places)",
    {},
    kZoneSourceGroup};
inline constexpr OptionSpec kZoneOption{"--zone",
                                        ValueKind::Text,
                                        "ZONE",
                                        "instead of --tz: the time difference in force in a time "
                                        "zone,\ne.g. Europe/Berlin",
                                        {},
                                        kZoneSourceGroup};
inline constexpr OptionSpec kDstOption{"--dst",
                                       ValueKind::None,
                                       {},
                                       "for a time that occurs twice: summer time, winter time",
                                       "--dst, --no-dst",
                                       kDstGroup};
inline constexpr OptionSpec kNoDstOption{"--no-dst", ValueKind::None, {}, {}, {}, kDstGroup};
inline constexpr OptionSpec kRoundOption{
    "--round",
    ValueKind::None,
    {},
    "accept the nearest whole hour for an offset such as UTC+05:30"};
inline constexpr OptionSpec kSouthernOption{
    "--southern", ValueKind::None, {}, "born in the southern hemisphere"};
inline constexpr OptionSpec kConstZoneOption{
    "--const-zone", ValueKind::None, {}, "use the constant undetermined zone of 6.6 %"};
inline constexpr OptionSpec kBefore1900Option{
    "--before-1900",
    ValueKind::None,
    {},
    "answer yes to the question asked for a year before 1900"};
inline constexpr OptionSpec kJsonOption{
    "--json", ValueKind::None, {}, "print one JSON object instead of the form's texts"};

// The time difference of a birthplace or zone and its choices (every birth command).
inline constexpr std::array kZoneSourceOptions{kPlaceOption, kZoneOption, kDstOption, kNoDstOption,
                                               kRoundOption};
// The same for "zone", which shows that time difference and has no --tz to stand for.
inline constexpr std::array kZoneCommandOptions{
    OptionSpec{kPlaceOption.name,
               ValueKind::Text,
               kPlaceOption.valueName,
               "the birthplace (the most populous of several matching places)",
               {},
               kZoneSourceGroup},
    OptionSpec{kZoneOption.name,
               ValueKind::Text,
               kZoneOption.valueName,
               "a time zone, e.g. Europe/Berlin",
               {},
               kZoneSourceGroup},
    kDstOption, kNoDstOption, kRoundOption};
// The birth options of eval, add, report and diagram, in the order of their help.
inline constexpr std::array kBirthOptions = JoinOptions(
    std::array{kTzOption}, kZoneSourceOptions, std::array{kSouthernOption, kConstZoneOption});

inline constexpr OptionGroup kBirthGroups[2] = {
    {kZoneSourceGroup, false, TextId::CliOneZoneSource},
    {kDstGroup, true, TextId::CliDstExclusive},
};

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

// The answer --dst or --no-dst gives for a time that occurs twice (batch, import: for every row
// that leaves its dst column empty); None when neither is given.
places::DstChoice DstOptionChoice(const ParsedArgs& parsed);

// Parses the arguments of a birth command and reads the birth (not after a stopping option).
// Returns the first usage error's message, or nothing.
std::optional<std::string> ParseBirthArgs(const Args& args, const CommandSyntax& syntax,
                                          const BirthWording& wording, ParsedArgs& parsed,
                                          BirthArgs& out);

// The birth of parsed arguments. Returns the first usage error's message, or nothing.
std::optional<std::string> ReadBirthArgs(const ParsedArgs& parsed, const CommandSyntax& syntax,
                                         const BirthWording& wording, BirthArgs& out);
