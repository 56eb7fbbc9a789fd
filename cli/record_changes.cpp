// vexamo-cli add and remove: stores a record under a name, as "Ajouter" does (no range checks),
// or removes one, holding the file's writer lock from reading the file to saving it.
#include <string>

#include "app/record_commands.h"
#include "cli/birth_options.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/record_file_access.h"
#include "cli/zone_output.h"

namespace {

constexpr auto kAddOptions = JoinOptions(std::array{kReplaceOption}, kBirthOptions);
const std::string_view kAddSynopsis[] = {
    "FILE NAME [--replace] [--tz N | --place NAME | --zone ZONE]",
    "[--dst | --no-dst] [--round] [--southern] [--const-zone]",
    "DAY MONTH YEAR HOUR MINUTE",
};
const BirthWording kAddWording{TextId::CliAddValueCount, TextId::CliNotInteger, 2};
const std::string_view kRemoveSynopsis[] = {"FILE NAME"};

} // namespace

const CommandSyntax kAddSyntax{"add",
                               "Stores the birth DAY.MONTH.YEAR HOUR:MINUTE under NAME in FILE.",
                               kAddOptions,
                               kAddSynopsis,
                               true,
                               kBirthGroups,
                               TextId::CliOptionExpectsNumber,
                               TextId::CliOptionExpectsNumberNot};
const CommandSyntax kRemoveSyntax{
    "remove", "Removes the record NAME from FILE.", {}, kRemoveSynopsis};

int RunAdd(const Args& args, CliStreams& io) {
    if (args.size() < 2) {
        return UsageError(
            io, CommandMessage(kAddSyntax, TextId::CliExpects,
                               {PlaceholderText("FILE NAME DAY MONTH YEAR HOUR MINUTE")}));
    }
    ParsedArgs parsed;
    BirthArgs a;
    if (const auto error = ParseBirthArgs(args, kAddSyntax, kAddWording, parsed, a)) {
        return UsageError(io, *error);
    }
    const std::string& file = a.leading[0];
    const std::string& name = a.leading[1];
    // The name is checked before the file is touched; AddRecord checks it again.
    if (NameRefused(io, name, NameUse::NewEntry)) {
        return kExitRefused;
    }
    ZoneResolution zone;
    if (a.zone && !ApplyBirthZone(*a.zone, a.zoneChoice, a.input, io, zone)) {
        return kExitRefused;
    }
    const AddMode mode =
        parsed.Has("--replace") ? AddMode::ReplaceExisting : AddMode::RefuseExisting;
    return ChangeRecordFile(io, file, true, [&](DateStoreMap& store) {
        return !PrintRefusal(io, AddRecord(store, name, a.input, mode), name);
    });
}

int RunRemove(const Args& args, CliStreams& io) {
    ParsedArgs a;
    if (const auto error = ParseArgs(args, kRemoveSyntax, a, 2, "FILE NAME")) {
        return UsageError(io, *error);
    }
    const std::string& name = a.words[1];
    if (NameRefused(io, name, NameUse::ExistingEntry)) {
        return kExitRefused;
    }
    return ChangeRecordFile(io, a.words[0], false, [&](DateStoreMap& store) {
        return !PrintRefusal(io, RemoveRecord(store, name), name);
    });
}
