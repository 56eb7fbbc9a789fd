#include "records/file_lock.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "records/side_files.h"

namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the lock file path still names the file open as fd.
bool PathNamesOpenFile(const std::string& path, int fd) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           SameFile(opened, named);
}

} // namespace

FileLock::FileLock(FileLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_lockPath(std::move(other.m_lockPath)),
      m_errno(other.m_errno) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        m_fd = std::exchange(other.m_fd, -1);
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
    int fd = -1;
    for (;;) {
        if (fd < 0) {
            // Readable by others (as the umask allows), so that they can lock it too;
            // O_NOFOLLOW: a link planted in its place is not followed.
            fd = ::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd < 0) {
                if (errno == EINTR) {
                    continue;
                }
                m_errno = errno;
                return LockStatus::kFailed;
            }
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (PathNamesOpenFile(lockPath, fd)) {
                m_fd = fd;
                m_lockPath = lockPath;
                return LockStatus::kLocked;
            }
            // The previous holder removed this lock file when it let go: use the new one.
            ::close(fd);
            fd = -1;
            continue;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_errno = errno;
            ::close(fd);
            return LockStatus::kFailed;
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            ::close(fd);
            return LockStatus::kTimedOut;
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

void FileLock::Release() {
    if (m_fd < 0) {
        return;
    }
    // Removed while still locked, so that no other writer holds it at that moment; only a
    // file that is still ours is removed.
    if (PathNamesOpenFile(m_lockPath, m_fd)) {
        ::unlink(m_lockPath.c_str());
    }
    ::close(m_fd);
    m_fd = -1;
    m_lockPath.clear();
}

bool FileLock::Covers(const std::string& path) const {
    if (m_fd < 0) {
        return false;
    }
    return PathNamesOpenFile(LockFilePath(ResolveSaveTarget(path)), m_fd);
}
