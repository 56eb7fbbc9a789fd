// vexamo-cli add: stores a record under a name, as "Ajouter" does (no range checks).
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
};

} // namespace

int RunAdd(const Args& args, CliStreams& io) {
    if (args.size() < 2) {
        return UsageError(io, "add: expects FILE NAME DAY MONTH YEAR HOUR MINUTE");
    }
    BirthArgs a;
    std::string error;
    if (!ParseBirthArgs(args, 2, kAddSyntax, a, error)) {
        return UsageError(io, error);
    }
    const std::string& file = args[0];
    const std::string& name = args[1];
    std::string key;
    if (const RecordRefusal refusal = StoreKey(name, key); refusal != RecordRefusal::None) {
        PrintRefusal(io, refusal, name);
        return kExitRefused;
    }
    ZoneResolution zone;
    if (a.zone && !ApplyBirthZone(*a.zone, a.zoneChoice, a.input, io, zone)) {
        return kExitRefused;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, file, doc, true)) {
        return kExitRefused;
    }
    const AddMode mode = a.Has("--replace") ? AddMode::ReplaceExisting : AddMode::RefuseExisting;
    if (const RecordRefusal refusal = AddRecord(doc.m_mapDateStore, name, a.input, mode);
        refusal != RecordRefusal::None) {
        PrintRefusal(io, refusal, name);
        return kExitRefused;
    }
    doc.SetModifiedFlag(true);
    return SaveRecordFile(io, file, doc) ? kExitOk : kExitRefused;
}
