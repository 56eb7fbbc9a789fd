#include "cli/record_common.h"

#include <cerrno>
#include <sys/stat.h>

#include "app/file_messages.h"
#include "app/text_catalogue.h"

void PrintError(CliStreams& io, const std::string& message) {
    io.err << "vexamo-cli: " << message << "\n";
    io.err.flush();
}

bool LoadRecordFile(CliStreams& io, const std::string& path, CVexamoDoc& doc, bool absentIsEmpty) {
    if (absentIsEmpty) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) {
            doc.OnNewDocument();
            return true;
        }
    }
    std::string error;
    if (!OpenRecordDocument(doc, path, error)) {
        PrintError(io, error);
        return false;
    }
    return true;
}

bool SaveRecordFile(CliStreams& io, const std::string& path, CVexamoDoc& doc) {
    std::string error;
    if (!SaveRecordDocument(doc, path, error)) {
        PrintError(io, error);
        return false;
    }
    return true;
}

void PrintRefusal(CliStreams& io, RecordRefusal refusal, const std::string& name) {
    switch (refusal) {
    case RecordRefusal::None:
        return;
    case RecordRefusal::EmptyName:
        PrintError(io, UserText(TextId::NoName));
        return;
    case RecordRefusal::NameNotStorable:
        PrintError(io, UserText(TextId::NameNotStorableCli, {name}));
        return;
    case RecordRefusal::NameExists:
        PrintError(io, UserText(TextId::RecordExistsCli, {name}));
        return;
    case RecordRefusal::NotFound:
        PrintError(io, UserText(TextId::RecordMissingCli, {name}));
        return;
    }
}
