// "vexamo-cli places" and "vexamo-cli zone": the place list and the time difference of a
// birthplace or zone at a local date and time.
#include <string>

#include "app/text_catalogue.h"
#include "cli/birth_args.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/zone_output.h"
#include "places/place_catalogue.h"

namespace {

const BirthSyntax kZoneSyntax{
    "zone",
    {"--json"},
    {},
    "",
    "",
    "expected DAY MONTH YEAR HOUR MINUTE, got %n value(s)",
    " must be an integer, got ",
    false,
    0,
};

} // namespace

int RunPlaces(const Args& args, CliStreams& io) {
    bool json = false;
    bool optionsEnded = false;
    std::string query;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return UsageError(io, "places: unknown option '" + arg + "'");
        } else {
            // The words of an unquoted name ("New York") make one query.
            query += query.empty() ? arg : " " + arg;
        }
    }
    if (query.empty()) {
        return UsageError(io, "places: expected QUERY");
    }
    const std::vector<places::Place> found = places::SharedPlaceCatalogue().Search(query);
    const int written = WriteOutput(io, json ? PlacesJson(found) : PlacesText(found));
    if (written != kExitOk) {
        return written;
    }
    if (found.empty()) {
        io.err << "vexamo-cli: " << UserText(TextId::ZoneUnknownPlace, {query}) << "\n";
        io.err.flush();
        return kExitRefused;
    }
    return kExitOk;
}

int RunZone(const Args& args, CliStreams& io) {
    BirthArgs a;
    std::string error;
    if (!ParseBirthArgs(args, 0, kZoneSyntax, a, error)) {
        return UsageError(io, error);
    }
    if (!a.zone) {
        return UsageError(io, "zone: expected --place NAME or --zone ZONE");
    }
    const ZoneResolution r = ResolveZone(*a.zone, LocalMomentOf(a.input), a.zoneChoice);
    if (!r.LookedUp()) {
        PrintZoneMessages(io, r, a.zone->name);
        return kExitRefused;
    }
    const int written = WriteOutput(io, a.Has("--json") ? ZoneJson(r) + "\n" : ZoneText(r));
    PrintZoneMessages(io, r, a.zone->name);
    if (written != kExitOk) {
        return written;
    }
    return r.Determined() ? kExitOk : kExitRefused;
}
