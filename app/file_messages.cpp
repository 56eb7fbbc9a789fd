#include "app/file_messages.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "app/count_text.h"
#include "app/text_catalogue.h"

namespace {

std::string DocFaultText(const DocFault& fault) {
    return fault.file.kind != FileFault::None ? FileFaultText(fault.file)
                                              : ParseFaultText(fault.parse);
}

} // namespace

std::string ErrnoText(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return UserText(TextId::ErrnoNoEntry);
    case EACCES:
    case EPERM:
        return UserText(TextId::ErrnoAccess);
    case EISDIR:
        return UserText(TextId::ErrnoIsDirectory);
    case ENOTDIR:
        return UserText(TextId::ErrnoNotDirectory);
    case ENOSPC:
        return UserText(TextId::ErrnoNoSpace);
    case EROFS:
        return UserText(TextId::ErrnoReadOnlyFileSystem);
    case EIO:
        return UserText(TextId::ErrnoIo);
    case ENOMEM:
        return UserText(TextId::ErrnoNoMemory);
    case ENAMETOOLONG:
        return UserText(TextId::ErrnoNameTooLong);
    case EFBIG:
        // A write beyond the process's file size limit (ulimit -f) or the file system's.
        return UserText(TextId::ErrnoFileTooLarge);
    default:
        return std::strerror(errnoValue);
    }
}

std::string FileFaultText(const FileFault& fault) {
    switch (fault.kind) {
    case FileFault::NotRegularFile:
        return UserText(TextId::NotRegularFile);
    case FileFault::WriteProtected:
        return UserText(TextId::WriteProtected);
    case FileFault::LockTimedOut:
        return UserText(TextId::FileLockedByOther);
    case FileFault::OutOfMemory:
        return UserText(TextId::ErrnoNoMemory);
    case FileFault::Errno:
    case FileFault::None:
        break;
    }
    return ErrnoText(fault.errnoValue);
}

std::string ArchiveFaultText(const ArchiveFault& fault) {
    const std::string length = std::to_string(fault.length);
    switch (fault.kind) {
    case ArchiveFault::NameBytesBeyondEnd:
        return UserText(TextId::NameBytesBeyondEnd, {length});
    case ArchiveFault::NameCharsBeyondEnd:
        return UserText(TextId::NameCharsBeyondEnd, {length});
    case ArchiveFault::Truncated:
    case ArchiveFault::None:
        break;
    }
    return UserText(TextId::ArchiveTruncated);
}

std::string ParseFaultText(const ParseFault& fault) {
    const std::string entry = std::to_string(fault.entry);
    const std::string count = std::to_string(fault.count);
    switch (fault.kind) {
    case ParseFault::CountTooLarge:
        return UserText(TextId::CountTooLarge, {count});
    case ParseFault::NameTruncated:
        return UserText(TextId::NameTruncated, {entry, count});
    case ParseFault::RecordTruncated:
        return UserText(TextId::RecordTruncated, {entry, count});
    case ParseFault::EntryMalformed:
        return UserText(TextId::EntryMalformed, {entry, count, ArchiveFaultText(fault.archive)});
    case ParseFault::CountTruncated:
    case ParseFault::None:
        break;
    }
    return UserText(TextId::CountTruncated);
}

std::string TrailingBytesText(uint64_t bytes) {
    return bytes == 1 ? UserText(TextId::TrailingByte)
                      : UserText(TextId::TrailingBytes, {CountText(bytes)});
}

std::string OpenFailureMessage(const std::string& path, const DocFault& fault) {
    return UserText(TextId::FileNotRead, {path, DocFaultText(fault)});
}

std::string SaveFailureMessage(const std::string& path, const DocFault& fault) {
    return UserText(TextId::FileNotSaved, {path, DocFaultText(fault)});
}

bool OpenRecordDocument(CVexamoDoc& doc, const std::string& path, std::string& error,
                        ParseWatcher* watcher) {
    DocFault fault;
    if (!doc.OpenDocument(path, fault, watcher)) {
        error = OpenFailureMessage(path, fault);
        return false;
    }
    return true;
}

bool SaveRecordDocument(CVexamoDoc& doc, const std::string& path, std::string& error,
                        const FileLock* heldLock) {
    DocFault fault;
    if (!doc.SaveDocument(path, fault, heldLock)) {
        error = SaveFailureMessage(path, fault);
        return false;
    }
    return true;
}
