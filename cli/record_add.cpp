// vexamo-cli add: stores a record under a name, as "Ajouter" does (no range checks), holding
// the file's writer lock from reading the file to saving it.
#include <string>

#include "cli/birth_args.h"
#include "cli/commands.h"
#include "cli/record_common.h"
#include "cli/zone_output.h"

namespace {

const BirthSyntax kAddSyntax{
    "add",
    {"--replace"},
    {},
    "--tz expects a number",
    "--tz expects a number, not ",
    "expects DAY MONTH YEAR HOUR MINUTE after FILE NAME",
    " must be an integer, not ",
    true,
    2,
};

} // namespace

int RunAdd(const Args& args, CliStreams& io) {
    if (args.size() < 2) {
        return UsageError(io, "add: expects FILE NAME DAY MONTH YEAR HOUR MINUTE");
    }
    BirthArgs a;
    std::string error;
    if (!ParseBirthArgs(args, 0, kAddSyntax, a, error)) {
        return UsageError(io, error);
    }
    const std::string& file = a.leading[0];
    const std::string& name = a.leading[1];
    // The name is checked before the file is touched; AddRecord checks it again.
    DateStoreMap probe;
    const AddMode mode = a.Has("--replace") ? AddMode::ReplaceExisting : AddMode::RefuseExisting;
    if (const RecordRefusal refusal = AddRecord(probe, name, a.input, mode);
        refusal != RecordRefusal::None) {
        PrintRefusal(io, refusal, name);
        return kExitRefused;
    }
    ZoneResolution zone;
    if (a.zone && !ApplyBirthZone(*a.zone, a.zoneChoice, a.input, io, zone)) {
        return kExitRefused;
    }
    return ChangeRecordFile(io, file, true, [&](DateStoreMap& store) {
        const RecordRefusal refusal = AddRecord(store, name, a.input, mode);
        if (refusal != RecordRefusal::None) {
            PrintRefusal(io, refusal, name);
        }
        return refusal == RecordRefusal::None;
    });
}
