#include "records/file_lock.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "records/side_files.h"

FileLock::FileLock(FileLock&& other) noexcept
    : m_file(std::move(other.m_file)), m_lockPath(std::move(other.m_lockPath)),
      m_errno(other.m_errno) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        m_file = std::move(other.m_file);
        m_lockPath = std::move(other.m_lockPath);
        m_errno = other.m_errno;
    }
    return *this;
}

LockStatus FileLock::Acquire(const std::string& path, std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    Release();
    m_errno = 0;
    const std::string lockPath = LockFilePath(ResolveSaveTarget(path));
    const Clock::time_point deadline = Clock::now() + timeout;
    auto pause = std::chrono::milliseconds(1);
    NativeFile file;
    for (;;) {
        int err = 0;
        TryLockResult result = TryLockResult::kBusy;
        if (!file.IsOpen()) {
            file = OpenLockFile(lockPath, err);
        }
        if (!file.IsOpen()) {
            if (!LockFileBeingRemoved(err)) {
                m_errno = err;
                return LockStatus::kFailed;
            }
        } else {
            result = TryLockExclusive(file, err);
        }
        if (result == TryLockResult::kLocked) {
            if (PathNamesOpenFile(lockPath, file)) {
                m_file = std::move(file);
                m_lockPath = lockPath;
                return LockStatus::kLocked;
            }
            // The previous holder removed this lock file when it let go: use the new one.
            file.Close();
            continue;
        }
        if (result == TryLockResult::kFailed) {
            m_errno = err;
            return LockStatus::kFailed;
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            if (!file.IsOpen()) {
                // The lock file stayed unopenable for the whole wait: not a removal after all.
                m_errno = err;
                return LockStatus::kFailed;
            }
            return LockStatus::kTimedOut;
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

void FileLock::Release() {
    if (!m_file.IsOpen()) {
        return;
    }
    // Removed while still locked, so that no other writer holds it at that moment; only a
    // file that is still ours is removed.
    if (PathNamesOpenFile(m_lockPath, m_file)) {
        RemoveFile(m_lockPath);
    }
    m_file.Close();
    m_lockPath.clear();
}

bool FileLock::Covers(const std::string& path) const {
    if (!m_file.IsOpen()) {
        return false;
    }
    return PathNamesOpenFile(LockFilePath(ResolveSaveTarget(path)), m_file);
}
