#pragma once
// The words for the faults of record files, and the document's open and save with them.
#include <cstdint>
#include <string>

#include "records/faults.h"
#include "records/vexamo_doc.h"

std::string ErrnoText(int errnoValue);
std::string FileFaultText(const FileFault& fault);
std::string ArchiveFaultText(const ArchiveFault& fault);
std::string ParseFaultText(const ParseFault& fault);

// What follows a file's last entry: "2,774,962 bytes follow its last entry".
std::string TrailingBytesText(uint64_t bytes);

// "Die Datei „<path>“ kann nicht gelesen werden: <reason>." and its "gespeichert" twin.
std::string OpenFailureMessage(const std::string& path, const DocFault& fault);
std::string SaveFailureMessage(const std::string& path, const DocFault& fault);

// CVexamoDoc::OpenDocument and SaveDocument with the failure worded for the user; heldLock as
// for SaveDocument.
bool OpenRecordDocument(CVexamoDoc& doc, const std::string& path, std::string& error,
                        ParseWatcher* watcher = nullptr);
bool SaveRecordDocument(CVexamoDoc& doc, const std::string& path, std::string& error,
                        const FileLock* heldLock = nullptr);
