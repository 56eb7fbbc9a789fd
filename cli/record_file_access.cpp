#include "cli/record_file_access.h"

#include "app/file_messages.h"
#include "app/text_catalogue.h"
#include "cli/output.h"
#include "records/file_io.h"
#include "records/native_file.h"

namespace {

// Opens FILE into doc as LoadRecordFile does, but leaves what it noticed to the caller.
bool OpenRecordFile(CliStreams& io, const std::string& path, CVexamoDoc& doc, bool absentIsEmpty,
                    ParseWatcher* watcher) {
    if (absentIsEmpty && NameIsAbsent(path)) {
        doc.OnNewDocument();
        return true;
    }
    std::string error;
    if (!OpenRecordDocument(doc, path, error, watcher)) {
        PrintMessage(io, error);
        return false;
    }
    return true;
}

} // namespace

bool LoadRecordFile(CliStreams& io, const std::string& path, CVexamoDoc& doc, bool absentIsEmpty,
                    ParseWatcher* watcher) {
    if (!OpenRecordFile(io, path, doc, absentIsEmpty, watcher)) {
        return false;
    }
    const ParseNotice& notice = doc.GetOpenNotice();
    if (notice.kind == ParseNotice::TrailingBytes) {
        PrintMessage(io, UserText(TextId::CliNotRecordFileWarning,
                                  {path, TrailingBytesText(notice.trailingBytes)}));
    }
    return true;
}

namespace {

bool LockRecordFile(CliStreams& io, const std::string& path, FileLock& lock) {
    switch (lock.Acquire(path)) {
    case LockStatus::kLocked:
        return true;
    case LockStatus::kTimedOut:
        PrintMessage(io, UserText(TextId::CliFileBusy, {path}));
        return false;
    case LockStatus::kFailed:
        PrintMessage(io,
                     UserText(TextId::CliFileLockFailed, {path, ErrnoText(lock.ErrorNumber())}));
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
    if (!OpenRecordFile(io, path, doc, absentIsEmpty, nullptr)) {
        return kExitRefused;
    }
    // Saving would keep the entries read and drop whatever follows them.
    if (const ParseNotice& notice = doc.GetOpenNotice();
        notice.kind == ParseNotice::TrailingBytes) {
        PrintMessage(io, UserText(TextId::CliNotRecordFileRefused,
                                  {path, TrailingBytesText(notice.trailingBytes)}));
        return kExitRefused;
    }
    if (!change(doc.m_mapDateStore)) {
        return kExitRefused;
    }
    doc.SetModifiedFlag(true);
    std::string error;
    if (!SaveRecordDocument(doc, path, error, &lock)) {
        PrintMessage(io, error);
        return kExitRefused;
    }
    return kExitOk;
}

bool PrintRefusal(CliStreams& io, RecordRefusal refusal, const std::string& name,
                  const std::string& prefix) {
    if (refusal == RecordRefusal::None) {
        return false;
    }
    PrintMessage(io, prefix + RecordRefusalText(refusal, name));
    return true;
}

bool NameRefused(CliStreams& io, const std::string& name, NameUse use) {
    return PrintRefusal(io, CheckName(name, use).refusal, name);
}
