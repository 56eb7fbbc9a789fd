// The command lines of "report" and "diagram". vexamo-cli lists them in its help; vexamo-sheet,
// which draws, parses its arguments by them.
#include "cli/birth_options.h"
#include "cli/commands.h"
#include "cli/option_table.h"

namespace {

const OptionSpec kOutputOption{"-o", ValueKind::Text, "OUT",
                               "the file to write (its extension names the format), - for "
                               "standard output"};
const OptionSpec kOutputLongOption{"--output", ValueKind::Text, "OUT", {}};
const OptionSpec kFormatOption{"--format", ValueKind::Text, "FORMAT",
                               "the format when OUT has no extension or is -"};
const OptionSpec kFileOption{"--file", ValueKind::Text, "FILE",
                             "draw the records of FILE (.dat) instead of one birth"};
const OptionSpec kBefore1900Option{"--before-1900",
                                   ValueKind::None,
                                   {},
                                   "answer yes to the question asked for a year before 1900"};

const OptionSpec kReportOptions[] = {
    kOutputOption,
    kOutputLongOption,
    kFormatOption,
    kFileOption,
    {"--name", ValueKind::Text, "TEXT", "the person's name on the sheet"},
    kTzOption,
    kPlaceOption,
    kZoneOption,
    kDstOption,
    kNoDstOption,
    kRoundOption,
    kSouthernOption,
    kConstZoneOption,
    kBefore1900Option,
};
const std::string_view kReportSynopsis[] = {
    "-o OUT.pdf [--name TEXT] [birth options as eval]",
    "DAY MONTH YEAR HOUR MINUTE",
    "-o OUT.pdf --file FILE [NAME...]",
};

const OptionSpec kDiagramOptions[] = {
    kOutputOption,
    kOutputLongOption,
    kFormatOption,
    kFileOption,
    {"--scale", ValueKind::Text, "N", "draw N times the window's size (1 to 16)"},
    kTzOption,
    kPlaceOption,
    kZoneOption,
    kDstOption,
    kNoDstOption,
    kRoundOption,
    kSouthernOption,
    kConstZoneOption,
    kBefore1900Option,
};
const std::string_view kDiagramSynopsis[] = {
    "-o OUT.png|OUT.svg [--scale N] [birth options as eval]",
    "DAY MONTH YEAR HOUR MINUTE",
    "-o OUT.png|OUT.svg [--scale N] --file FILE NAME",
};

} // namespace

const CommandSyntax kReportSyntax{"report", kReportOptions, kReportSynopsis, true, kBirthGroups};
const CommandSyntax kDiagramSyntax{"diagram", kDiagramOptions, kDiagramSynopsis, true,
                                   kBirthGroups};
