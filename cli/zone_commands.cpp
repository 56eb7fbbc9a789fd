// "vexamo-cli places" and "vexamo-cli zone": the place list and the time difference of a
// birthplace or zone at a local date and time.
#include <cstddef>
#include <string>

#include "app/place_list_state.h"
#include "app/text_catalogue.h"
#include "cli/birth_options.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/zone_output.h"
#include "places/place_catalogue.h"

namespace {

const OptionSpec kPlacesOptions[] = {
    {"--json", ValueKind::None, {}, "print the matching places as one JSON array"},
    {"--limit", ValueKind::Integer, "N", "show at most N places (default: 30)"}};
const std::string_view kPlacesSynopsis[] = {"QUERY [--limit N] [--json]"};

constexpr auto kZoneOptions = JoinOptions(
    kZoneCommandOptions,
    std::array<OptionSpec, 1>{
        {{"--json", ValueKind::None, {}, "print the time difference as one JSON object"}}});
const std::string_view kZoneSynopsis[] = {
    "(--place NAME | --zone ZONE) [--dst | --no-dst] [--round] [--json]",
    "DAY MONTH YEAR HOUR MINUTE",
};
const BirthWording kZoneWording{TextId::CliBirthValueCount, TextId::CliNotInteger, 0};

} // namespace

const CommandSyntax kPlacesSyntax{"places", "Lists the places whose name matches QUERY.",
                                  kPlacesOptions, kPlacesSynopsis};
const CommandSyntax kZoneSyntax{"zone",
                                "Shows the time difference at a birthplace or in a time zone at a "
                                "local moment.",
                                kZoneOptions,
                                kZoneSynopsis,
                                true,
                                kBirthGroups};

int RunPlaces(const Args& args, CliStreams& io) {
    ParsedArgs parsed;
    if (const auto error = ParseArgs(args, kPlacesSyntax, parsed)) {
        return UsageError(io, *error);
    }
    // The words of an unquoted name ("New York") make one query.
    std::string query;
    for (const std::string& word : parsed.words) {
        query += query.empty() ? word : " " + word;
    }
    if (query.empty()) {
        return UsageError(io, CommandMessage(kPlacesSyntax, TextId::CliExpectedQuery));
    }
    std::size_t limit = places::PlaceCatalogue::kDefaultLimit;
    if (const ParsedOption* option = parsed.Last("--limit")) {
        if (option->integer < 1) {
            return UsageError(io, CommandMessage(kPlacesSyntax, TextId::CliOptionOneOrMore,
                                                 {option->spec->name, option->value}));
        }
        limit = static_cast<std::size_t>(option->integer);
    }
    std::size_t matching = 0;
    const std::vector<places::Place> found =
        places::SharedPlaceCatalogue().Search(query, limit, &matching);
    const int written = WriteOutput(io, parsed.Has("--json") ? PlacesJson(found, io.outTerminal)
                                                             : PlacesText(found, io.outTerminal));
    if (written != kExitOk) {
        return written;
    }
    if (found.empty()) {
        const std::string problem = PlaceListProblem();
        PrintMessage(io, problem.empty() ? UserText(TextId::ZoneUnknownPlace, {query}) : problem);
        return kExitRefused;
    }
    PrintMorePlaces(io, matching - found.size());
    return kExitOk;
}

int RunZone(const Args& args, CliStreams& io) {
    ParsedArgs parsed;
    BirthArgs a;
    if (const auto error = ParseBirthArgs(args, kZoneSyntax, kZoneWording, parsed, a)) {
        return UsageError(io, *error);
    }
    if (!a.zone) {
        return UsageError(io, CommandMessage(kZoneSyntax, TextId::CliExpectedZoneSource));
    }
    const ZoneResolution r = ResolveZone(*a.zone, LocalMomentOf(a.input), a.zoneChoice);
    if (!r.LookedUp()) {
        PrintZoneMessages(io, r, a.zone->name);
        return kExitRefused;
    }
    const int written = WriteOutput(io, parsed.Has("--json") ? ZoneJson(r, 2, io.outTerminal) + "\n"
                                                             : ZoneText(r, io.outTerminal));
    PrintZoneMessages(io, r, a.zone->name);
    if (written != kExitOk) {
        return written;
    }
    return r.Determined() ? kExitOk : kExitRefused;
}
