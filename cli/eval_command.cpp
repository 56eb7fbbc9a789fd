// "vexamo-cli eval": evaluates one birth moment after the form's checks.
#include <string>

#include "app/input_check.h"
#include "app/result_fields.h"
#include "app/text_catalogue.h"
#include "cli/birth_options.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/version.h"
#include "cli/zone_output.h"

namespace {

constexpr auto kOptions =
    JoinOptions(kBirthOptions, std::array<OptionSpec, 5>{{
                                   kBefore1900Option,
                                   kJsonOption,
                                   {"--help", ValueKind::None, {}, {}, {}, 0, true},
                                   {"-h", ValueKind::None, {}, {}, {}, 0, true},
                                   {"--version", ValueKind::None, {}, {}, {}, 0, true},
                               }});
const std::string_view kSynopsis[] = {
    "[--tz N | --place NAME | --zone ZONE] [--dst | --no-dst] [--round]",
    "[--southern] [--const-zone] [--before-1900] [--json]",
    "DAY MONTH YEAR HOUR MINUTE",
};
const BirthWording kWording{TextId::CliBirthValueCount, TextId::CliNotInteger, 0};

// One JSON object, pretty-printed with the lists on one line. A non-empty timeZone (a JSON
// object) is added as the last key, "time_zone".
std::string EvalJson(const BirthEvaluation& r, const std::string& timeZone) {
    std::string out;
    JsonWriter json(out, JsonLayout{2, 1, false});
    json.BeginObject();
    json.Key("format").Integer(kOutputFormatVersion);
    WriteResultJson(json, r);
    if (!timeZone.empty()) {
        json.Key("time_zone").Raw(timeZone);
    }
    json.EndObject();
    out.push_back('\n');
    return out;
}

} // namespace

const CommandSyntax kEvalSyntax{
    "eval",   "Evaluates the birth moment DAY.MONTH.YEAR HOUR:MINUTE (local time).",
    kOptions, kSynopsis,
    true,     kBirthGroups};

int RunEval(const Args& args, CliStreams& io) {
    ParsedArgs parsed;
    BirthArgs a;
    if (const auto error = ParseBirthArgs(args, kEvalSyntax, kWording, parsed, a)) {
        return UsageError(io, *error);
    }
    if (parsed.stop != nullptr) {
        return WriteOutput(io, parsed.stop->name == "--version" ? VersionText()
                                                                : CommandUsage(kEvalSyntax));
    }
    const bool before1900 = parsed.Has("--before-1900");
    const bool json = parsed.Has("--json");
    const auto refusal = InputRefusal(a.input, [&] { return before1900; });
    if (refusal) {
        PrintMessage(io, ProblemMessage(*refusal, a.input));
        if (*refusal == InputProblem::EarlierCentury) {
            PrintMessage(io, UserText(TextId::CliBefore1900Hint));
        }
        return kExitRefused;
    }
    ZoneResolution zone;
    if (a.zone && !ApplyBirthZone(*a.zone, a.zoneChoice, a.input, io, zone)) {
        return kExitRefused;
    }
    const BirthEvaluation r = Evaluate(a.input);
    if (!a.zone) {
        return WriteOutput(io, json ? EvalJson(r, {}) : ResultLabelText(r));
    }
    // The time zone used: one more key, or the lines of "vexamo-cli zone" after the results.
    return WriteOutput(io, json ? EvalJson(r, ZoneJson(zone, -1, io.outTerminal))
                                : ResultLabelText(r) + ZoneText(zone, io.outTerminal));
}
