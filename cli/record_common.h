#pragma once
// Helpers shared by the record commands of vexamo-cli.
#include <string>

#include "app/record_commands.h"
#include "cli/commands.h"
#include "records/vexamo_doc.h"

// Prints "vexamo-cli: <message>" on err.
void PrintError(CliStreams& io, const std::string& message);

// Opens FILE into doc; when absentIsEmpty, a file that does not exist gives an empty store.
// Prints the reason and returns false when the file cannot be read.
bool LoadRecordFile(CliStreams& io, const std::string& path, CVexamoDoc& doc, bool absentIsEmpty);

// Saves doc to FILE; prints the reason and returns false on failure.
bool SaveRecordFile(CliStreams& io, const std::string& path, CVexamoDoc& doc);

// Prints why a record command on the name (UTF-8) was refused.
void PrintRefusal(CliStreams& io, RecordRefusal refusal, const std::string& name);
