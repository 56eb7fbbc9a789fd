#pragma once
// Helpers shared by the record commands of vexamo-cli.
#include <string>

#include "records/vexamo_doc.h"

// Prints "vexamo-cli: <message>" on stderr.
void PrintError(const std::string& message);

// Opens FILE into doc; when absentIsEmpty, a file that does not exist gives an empty store.
// Prints the reason and returns false when the file cannot be read.
bool LoadRecordFile(const std::string& path, CVexamoDoc& doc, bool absentIsEmpty);

// Saves doc to FILE; prints the reason and returns false on failure.
bool SaveRecordFile(const std::string& path, CVexamoDoc& doc);

// The name as the store holds it (Windows-1252). Prints why and returns false when the name
// is empty or holds a character that Windows-1252 cannot write.
bool StoreName(const std::string& utf8Name, std::string& name);
