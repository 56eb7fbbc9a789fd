#include "cli/record_common.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

#include "app/file_messages.h"
#include "app/name_rules.h"
#include "app/text_catalogue.h"
#include "app/text_guards.h"
#include "records/file_io.h"

void PrintError(CliStreams& io, const std::string& message) {
    io.err << "vexamo-cli: " << TerminalText(message, io.errTerminal) << "\n";
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

namespace {

bool LockRecordFile(CliStreams& io, const std::string& path, FileLock& lock) {
    switch (lock.Acquire(path)) {
    case LockStatus::kLocked:
        return true;
    case LockStatus::kTimedOut:
        PrintError(io, UserText(TextId::CliFileBusy, {path}));
        return false;
    case LockStatus::kFailed:
        PrintError(io, UserText(TextId::CliFileLockFailed, {path, ErrnoText(lock.ErrorNumber())}));
        return false;
    }
    return false;
}

} // namespace

int ChangeRecordFile(CliStreams& io, const std::string& path, bool absentIsEmpty,
                     const std::function<bool(DateStoreMap&)>& change) {
    FileLock lock;
    if (!LockRecordFile(io, path, lock)) {
        return kExitRefused;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, path, doc, absentIsEmpty) || !change(doc.m_mapDateStore)) {
        return kExitRefused;
    }
    doc.SetModifiedFlag(true);
    std::string error;
    if (!SaveRecordDocument(doc, path, error, &lock)) {
        PrintError(io, error);
        return kExitRefused;
    }
    return kExitOk;
}

void PrintRefusal(CliStreams& io, RecordRefusal refusal, const std::string& name,
                  const std::string& prefix) {
    switch (refusal) {
    case RecordRefusal::None:
        return;
    case RecordRefusal::EmptyName:
        PrintError(io, prefix + UserText(TextId::NoName));
        return;
    case RecordRefusal::NameNotStorable:
        PrintError(io, prefix + UserText(TextId::NameNotStorableCli, {name}));
        return;
    case RecordRefusal::NameHasControlCharacter: {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X",
                      static_cast<unsigned>(CheckName(name).character));
        PrintError(io, prefix + UserText(TextId::CliNameControlCharacter, {name, code}));
        return;
    }
    case RecordRefusal::NameExists:
        PrintError(io, prefix + UserText(TextId::RecordExistsCli, {name}));
        return;
    case RecordRefusal::NotFound:
        PrintError(io, prefix + UserText(TextId::RecordMissingCli, {name}));
        return;
    }
}
