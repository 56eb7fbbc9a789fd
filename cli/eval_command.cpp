// "vexamo-cli eval": evaluates one birth moment after the form's checks.
#include <string>

#include "app/input_check.h"
#include "app/text_catalogue.h"
#include "cli/birth_args.h"
#include "cli/commands.h"
#include "cli/eval_output.h"
#include "cli/output.h"
#include "cli/zone_output.h"

namespace {

const char* const kEvalUsage =
    "Usage: vexamo-cli eval [--tz N | --place NAME | --zone ZONE] [--dst | --no-dst] [--round]\n"
    "                       [--southern] [--const-zone] [--before-1900] [--json]\n"
    "                       DAY MONTH YEAR HOUR MINUTE\n"
    "\n"
    "Evaluates the birth moment DAY.MONTH.YEAR HOUR:MINUTE (local time).\n"
    "  --tz N         hours to add to the local time to reach Greenwich time (default 1)\n"
    "  --place NAME   instead of --tz: the time difference in force at the birthplace\n"
    "                 (the most populous of several matching places)\n"
    "  --zone ZONE    instead of --tz: the time difference in force in a time zone,\n"
    "                 e.g. Europe/Berlin\n"
    "  --dst, --no-dst  for a time that occurs twice: summer time, winter time\n"
    "  --round        accept the nearest whole hour for an offset such as UTC+05:30\n"
    "  --southern     born in the southern hemisphere\n"
    "  --const-zone   use the constant undetermined zone of 6.6 %\n"
    "  --before-1900  answer yes to the question asked for a year before 1900\n"
    "  --json         print one JSON object instead of the form's texts\n";

const BirthSyntax kEvalSyntax{
    "eval",
    {"--before-1900", "--json"},
    {"--help", "-h", "--version"},
    "--tz needs a value",
    "--tz needs an integer, got ",
    "expected DAY MONTH YEAR HOUR MINUTE, got %n value(s)",
    " must be an integer, got ",
    true,
    0,
};

} // namespace

int RunEval(const Args& args, CliStreams& io) {
    BirthArgs a;
    std::string error;
    if (!ParseBirthArgs(args, 0, kEvalSyntax, a, error)) {
        return UsageError(io, error);
    }
    if (a.stopFlag == "--version") {
        return WriteOutput(io, "vexamo-cli 1.0\n");
    }
    if (!a.stopFlag.empty()) {
        return WriteOutput(io, kEvalUsage);
    }
    const bool before1900 = a.Has("--before-1900");
    const auto refusal = InputRefusal(a.input, [&] { return before1900; });
    if (refusal) {
        io.err << ProblemMessage(*refusal, a.input) << "\n";
        if (*refusal == InputProblem::EarlierCentury) {
            io.err << "vexamo-cli: " << UserText(TextId::CliBefore1900Hint) << "\n";
        }
        io.err.flush();
        return kExitRefused;
    }
    ZoneResolution zone;
    if (a.zone && !ApplyBirthZone(*a.zone, a.zoneChoice, a.input, io, zone)) {
        return kExitRefused;
    }
    const BirthEvaluation r = Evaluate(a.input);
    if (!a.zone) {
        return WriteOutput(io, a.Has("--json") ? EvalJson(r) : EvalText(r));
    }
    // The time zone used: one more key, or the lines of "vexamo-cli zone" after the results.
    return WriteOutput(io, a.Has("--json") ? EvalJson(r, ZoneJson(zone, -1))
                                           : EvalText(r) + ZoneText(zone));
}
