#pragma once
// Helpers shared by the record commands of vexamo-cli.
#include <string>

#include "app/record_commands.h"
#include "cli/commands.h"
#include "records/file_lock.h"
#include "records/vexamo_doc.h"

// Prints "vexamo-cli: <message>" on err, escaped for a terminal.
void PrintError(CliStreams& io, const std::string& message);

// Opens FILE into doc; when absentIsEmpty, a file that does not exist gives an empty store.
// Prints the reason and returns false when the file cannot be read.
bool LoadRecordFile(CliStreams& io, const std::string& path, CVexamoDoc& doc, bool absentIsEmpty);

// Takes FILE's writer lock for a whole load-change-save, waiting the bounded time for another
// writer. Prints why and returns false when it cannot be had.
bool LockRecordFile(CliStreams& io, const std::string& path, FileLock& lock);

// Saves doc to FILE under the lock held (see LockRecordFile); prints the reason and returns
// false on failure.
bool SaveRecordFile(CliStreams& io, const std::string& path, CVexamoDoc& doc,
                    const FileLock* heldLock = nullptr);

// Prints why a record command on the name (UTF-8) was refused; prefix (e.g. "import: line 4: ")
// goes before the reason.
void PrintRefusal(CliStreams& io, RecordRefusal refusal, const std::string& name,
                  const std::string& prefix = "");
