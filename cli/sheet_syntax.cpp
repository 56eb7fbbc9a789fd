// The command lines of "report" and "diagram". vexamo-cli lists them in its help; vexamo-sheet,
// which draws, parses its arguments by them.
#include "cli/birth_options.h"
#include "cli/commands.h"
#include "cli/option_table.h"

namespace {

// The options of where the sheet goes and what it draws, then the command's own, then the birth.
constexpr std::array<OptionSpec, 4> kOutputOptions{{
    {"-o", ValueKind::Text, "OUT",
     "the file to write (its extension names the format),\n- for standard output",
     "-o, --output OUT"},
    {"--output", ValueKind::Text, "OUT", {}},
    {"--format", ValueKind::Text, "FORMAT", "the format when OUT has no extension or is -"},
    {"--file", ValueKind::Text, "FILE", "draw the records of FILE (.dat) instead of one birth"},
}};
constexpr auto SheetOptions(const OptionSpec& own) {
    return JoinOptions(kOutputOptions, std::array{own}, kBirthOptions,
                       std::array{kBefore1900Option});
}

constexpr auto kReportOptions =
    SheetOptions({"--name", ValueKind::Text, "TEXT", "the person's name on the sheet"});
const std::string_view kReportSynopsis[] = {
    "-o OUT.pdf [--name TEXT] [birth options as eval]",
    "DAY MONTH YEAR HOUR MINUTE",
    "-o OUT.pdf --file FILE [NAME...]",
};

constexpr auto kDiagramOptions =
    SheetOptions({"--scale", ValueKind::Text, "N", "draw N times the window's size (1 to 16)"});
const std::string_view kDiagramSynopsis[] = {
    "-o OUT.png|OUT.svg [--scale N] [birth options as eval]",
    "DAY MONTH YEAR HOUR MINUTE",
    "-o OUT.png|OUT.svg [--scale N] --file FILE NAME",
};

} // namespace

const CommandSyntax kReportSyntax{
    "report",       "Writes the printed sheet of one birth, or of records of FILE, as PDF.",
    kReportOptions, kReportSynopsis,
    true,           kBirthGroups};
const CommandSyntax kDiagramSyntax{
    "diagram",
    "Draws the phase diagram of one birth, or of a record of FILE, as PNG or SVG.",
    kDiagramOptions,
    kDiagramSynopsis,
    true,
    kBirthGroups};
