// "vexamo-cli eval": evaluates one birth moment after the form's checks.
#include <cstdio>
#include <string>

#include "astro/birth.h"
#include "astro/birth_input.h"
#include "astro/year_range.h"
#include "cli/commands.h"
#include "cli/eval_args.h"
#include "cli/eval_output.h"
#include "cli/output.h"

namespace {

const char* const kEvalUsage =
    "Usage: vexamo-cli eval [--tz N] [--southern] [--const-zone] [--before-1900] [--json]\n"
    "                       DAY MONTH YEAR HOUR MINUTE\n"
    "\n"
    "Evaluates the birth moment DAY.MONTH.YEAR HOUR:MINUTE (local time).\n"
    "  --tz N         hours to add to the local time to reach Greenwich time (default 1)\n"
    "  --southern     born in the southern hemisphere\n"
    "  --const-zone   use the constant undetermined zone of 6.6 %\n"
    "  --before-1900  answer yes to the question asked for a year before 1900\n"
    "  --json         print one JSON object instead of the form's texts\n";

// The message that refuses the input, or empty when it is accepted.
std::string RefusalMessage(const EvalArgs& a) {
    if (!IsSupportedYear(a.year)) {
        return kYearRangeMessage;
    }
    BirthInput in;
    in.day = a.day;
    in.month = a.month;
    in.year = a.year;
    in.hour = a.hour;
    in.minute = a.minute;
    in.timeZone = a.timeZone;
    if (NeedsEarlierCenturyQuestion(in) && !a.before1900) {
        return kMsgEarlierCentury;
    }
    return LastRangeMessage(in);
}

} // namespace

int RunEval(const Args& args) {
    EvalArgs a;
    std::string error;
    if (!ParseEvalArgs(args, a, error)) {
        return UsageError(error);
    }
    if (a.help) {
        return WriteOutput(kEvalUsage);
    }
    if (a.version) {
        return WriteOutput("vexamo-cli 1.0\n");
    }
    const std::string refusal = RefusalMessage(a);
    if (!refusal.empty()) {
        std::fprintf(stderr, "%s\n", refusal.c_str());
        if (refusal == kMsgEarlierCentury) {
            std::fputs("vexamo-cli: --before-1900 beantwortet diese Frage mit Ja.\n", stderr);
        }
        return kExitRefused;
    }
    const BirthEvaluation r = EvaluateBirth(a.day, a.month, a.year, a.hour, a.minute, a.timeZone,
                                            a.southern ? 1 : 0, a.constZone ? 1 : 0);
    return WriteOutput(a.json ? EvalJson(r) : EvalText(r));
}
