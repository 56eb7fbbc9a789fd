#include "cli/record_common.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

#include "records/cp1252.h"

void PrintError(const std::string& message) {
    std::fprintf(stderr, "vexamo-cli: %s\n", message.c_str());
}

bool LoadRecordFile(const std::string& path, CVexamoDoc& doc, bool absentIsEmpty) {
    if (absentIsEmpty) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) {
            doc.OnNewDocument();
            return true;
        }
    }
    std::string error;
    if (!doc.OpenDocument(path, error)) {
        PrintError(error);
        return false;
    }
    return true;
}

bool SaveRecordFile(const std::string& path, CVexamoDoc& doc) {
    std::string error;
    if (!doc.SaveDocument(path, error)) {
        PrintError(error);
        return false;
    }
    return true;
}

bool StoreName(const std::string& utf8Name, std::string& name) {
    if (utf8Name.empty()) {
        PrintError("Bitte einen Namen eingeben!");
        return false;
    }
    if (!Utf8ToCp1252(utf8Name, name)) {
        PrintError("Der Name \u201E" + utf8Name +
                   "\u201C enthält Zeichen, die sich nicht in Windows-1252 speichern lassen.");
        return false;
    }
    return true;
}
