#pragma once
// Whole-file reading and atomic replacement of a file, with reasons worded for the user.
#include <chrono>
#include <string>
#include <string_view>

#include "records/file_identity.h"
#include "records/file_lock.h"

// Why reading, parsing or saving a record file failed, for callers that choose their own words.
enum class FileFailure {
    kNone,
    kSystem,         // the system refused; the errno value says why
    kNotRegular,     // a device, a named pipe or another special file
    kWriteProtected, // the file has no write permission
    kLockTimedOut,   // another writer held the file's lock for the whole wait
    kFormat,         // the bytes are not a record file
    kOutOfMemory,    // not enough memory
};

struct FileOutcome {
    FileFailure failure = FileFailure::kNone;
    int errnoValue = 0;    // with kSystem
    FileIdentity identity; // of the file read or written, on success
};

struct SaveOptions {
    // A lock the caller holds for its whole read-change-write of this file. Without one that
    // covers the file, the save takes the lock itself while it writes, waiting at most
    // lockTimeout for another writer.
    const FileLock* heldLock = nullptr;
    std::chrono::milliseconds lockTimeout = FileLock::kDefaultTimeout;
};

// Reads the regular file at path (anything else, such as a folder, a device or a named pipe,
// is refused). On failure returns false with errnoValue set and reason
// describing it (German); ENOMEM when the file does not fit in memory. identity, when
// given, receives what the file was when it was read.
bool ReadWholeFile(const std::string& path, std::string& bytes, int& errnoValue,
                   std::string& reason, FileIdentity* identity = nullptr);

// Replaces the file at path by bytes: a temporary file in the same folder is written, synced
// and renamed over the target, and the folder is synced. A symbolic link is followed, so the
// file it points to is replaced. An existing file's permissions are kept; a file without
// write permission is refused, as it would be when written in place. The existing file's
// owner and group are kept as far as the saver may set them. Everything happens under the
// file's lock (see SaveOptions); temporary files that an interrupted save of the same file
// left behind are removed. On failure the temporary file is removed, the target is
// untouched, and reason says why (German); outcome, when given, receives the failure code,
// or on success the identity of the file written.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason,
                         const SaveOptions& options = {}, FileOutcome* outcome = nullptr);

// German description of an errno value.
std::string DescribeErrno(int errnoValue);
