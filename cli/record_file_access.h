#pragma once
// Reading and changing a ".dat" record file for the record commands of vexamo-cli.
#include <functional>
#include <string>

#include "app/name_rules.h"
#include "cli/commands.h"
#include "cli/option_table.h"
#include "records/date_store_map.h"
#include "records/file_lock.h"
#include "records/vexamo_doc.h"

// --replace of add and import.
inline constexpr OptionSpec kReplaceOption{
    "--replace", ValueKind::None, {}, "replace a stored record of the same name"};

// Opens FILE into doc; when absentIsEmpty, a file that does not exist gives an empty store.
// watcher, if any, is told about the bytes while they are parsed.
// Prints the reason and returns false when the file cannot be read. A file with bytes after its
// last entry is read with a warning printed.
bool LoadRecordFile(CliStreams& io, const std::string& path, CVexamoDoc& doc, bool absentIsEmpty,
                    ParseWatcher* watcher = nullptr);

// One load-change-save of FILE under its writer lock (waiting the bounded time for another
// writer): loads FILE (absentIsEmpty as for LoadRecordFile), lets change alter the store, then
// saves. change returns false, having said why, to leave the file untouched. A file with bytes
// after its last entry is refused before change runs: saving would lose them. Returns the exit
// status; every failure is printed.
int ChangeRecordFile(CliStreams& io, const std::string& path, bool absentIsEmpty,
                     const std::function<bool(DateStoreMap&)>& change);

// Checks a name given for the use before any file is read; prints why and returns true when it
// is refused.
bool NameRefused(CliStreams& io, const std::string& name, NameUse use);

// Prints why a record command on the name (UTF-8) was refused; prefix (e.g. "import: line 4: ")
// goes before the reason. Returns whether there was a refusal.
bool PrintRefusal(CliStreams& io, RecordRefusal refusal, const std::string& name,
                  const std::string& prefix = "");
