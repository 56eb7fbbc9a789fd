#pragma once
// Writing the whole new content of a file, in pieces. A regular file (or a name not taken yet)
// is written into a temporary file beside it that replaces it only when complete, under the
// file's lock; a device or a named pipe, which cannot be replaced, may be written into
// directly.
#include <chrono>
#include <string>
#include <string_view>

#include "records/faults.h"
#include "records/file_identity.h"
#include "records/file_lock.h"
#include "records/native_file.h"

struct SaveOptions {
    // A lock the caller holds for its whole read-change-write of this file. Without one that
    // covers the file, the save takes the lock itself while it writes, waiting at most
    // lockTimeout for another writer.
    const FileLock* heldLock = nullptr;
    std::chrono::milliseconds lockTimeout = FileLock::kDefaultTimeout;
    // Whether a target that is not a regular file (a device, a named pipe) is written into
    // directly; otherwise it is refused as NotRegularFile. A folder and a socket are refused
    // either way.
    bool intoDevices = false;
};

class FileReplacement {
  public:
    FileReplacement() = default;
    ~FileReplacement() { Cancel(); }
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Starts writing path. A symbolic link is followed. An existing regular file keeps its
    // permissions (and its owner and group as far as the saver may set them); one without
    // write permission is refused as it would be when written in place. Temporary files that
    // an interrupted save of the same file left behind are removed. Returns false with the
    // fault when nothing can be written.
    bool Open(const std::string& path, FileFault& fault, const SaveOptions& options = {});

    // Appends bytes. After the first failure nothing more is written, and Fault() says why.
    bool Write(std::string_view bytes);
    const FileFault& Fault() const { return m_fault; }

    // Completes the file: the temporary file is synced and renamed over the target, and the
    // folder is synced (see ReplaceByRename). On failure the temporary file is removed, the target
    // is untouched, and fault says why (the first failure of Write, if any). written, when given,
    // receives the identity of the file written (not set for a device).
    bool Commit(FileFault& fault, FileIdentity* written = nullptr);

    // Gives up: the temporary file is removed and the target left as it was. Harmless when
    // nothing is open.
    void Cancel();

    // Whether the target is written into directly (a device, a named pipe).
    bool IsDirect() const { return m_direct; }
    // The open descriptor (handle on Windows) written into.
    NativeFile::Handle Descriptor() const { return m_file.Get(); }

  private:
    bool OpenDirect(const std::string& target, FileFault& fault);

    NativeFile m_file;
    bool m_direct = false;
    bool m_exists = false;
    std::string m_target;
    std::string m_tempPath;
    FileLock m_ownLock;
    FileFault m_fault;
    FileStatus m_replaced; // of the existing file
};

// Removes what an interrupted save of path left behind (its temporary files and its lock
// file), unless another save of it is under way. Nothing is created or removed when nothing
// was left behind.
void RemoveInterruptedSave(const std::string& path);
