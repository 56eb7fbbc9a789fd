#pragma once
// Advisory lock for a whole read-change-write of a record file, so that two writers (two
// vexamo-cli runs, the desktop program and vexamo-cli) cannot lose each other's changes.
//
// The lock is a flock() (LockFileEx on Windows) on a hidden lock file next to the record file (see
// side_files.h), not on the record file itself: a save replaces the record file by renaming a new
// file over it, which would leave a waiter holding a lock on the old, unlinked file; and a record
// file that does not exist yet must be lockable without creating an empty (unreadable) one. The
// holder removes the lock file when it lets go; a waiter that then gets the lock of the
// removed file notices that the path no longer names it and tries again (on Windows, where
// the removed file keeps its name until its last waiter lets go of it, a waiter that cannot
// open it meanwhile tries again too). A holder that dies
// loses its lock with its process; the lock file it leaves is taken over by the next writer.
// Each FileLock opens its own lock file description, so threads of one process exclude each
// other as separate processes do.
#include <chrono>
#include <string>

#include "records/native_file.h"

enum class LockStatus {
    kLocked,   // held now
    kTimedOut, // another writer held it for the whole wait
    kFailed,   // the lock file could not be made or locked; ErrorNumber() says why
};

class FileLock {
  public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{5000};

    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the exclusive lock of the record file at path (which need not exist), waiting at
    // most timeout for another holder to let go. A lock already held by this object is
    // released first.
    LockStatus Acquire(const std::string& path,
                       std::chrono::milliseconds timeout = kDefaultTimeout);
    // Lets go (removing the lock file); harmless when nothing is held.
    void Release();

    bool IsHeld() const { return m_file.IsOpen(); }
    // Whether this object holds the lock that a writer of path needs.
    bool Covers(const std::string& path) const;
    // The errno value of the last kFailed.
    int ErrorNumber() const { return m_errno; }

  private:
    NativeFile m_file;
    std::string m_lockPath;
    int m_errno = 0;
};
