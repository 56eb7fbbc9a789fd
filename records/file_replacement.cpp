#include "records/file_replacement.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include "records/side_files.h"

namespace {

FileFault ErrnoFault(int errnoValue) {
    return FileFault{FileFault::Errno, errnoValue};
}

bool WriteAll(int fd, std::string_view bytes, int& err) {
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            err = errno;
            return false;
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// A 32-bit random number for a temporary file's name.
uint32_t RandomSuffix() {
    uint32_t value = 0;
    if (::getrandom(&value, sizeof value, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof value)) {
        return value;
    }
    static std::atomic<uint32_t> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(now) ^ (static_cast<uint32_t>(::getpid()) << 16) ^
           counter.fetch_add(0x9E3779B9u);
}

// Creates a new file next to target named stem + "-" + 8 hex digits (under 32 bytes, so that
// it fits in any folder that holds the target). mode as for open().
int CreateTemporary(const std::string& target, mode_t mode, std::string& tempPath) {
    const std::string base = FolderOf(target) + "/" + SideFileStem(target) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[kTempSuffixDigits + 1];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(RandomSuffix()));
        tempPath = base + suffix;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Calls each(folder descriptor, name) for the temporary files of earlier saves of target.
template <typename Each> void ForEachLeftover(const std::string& target, Each each) {
    DIR* dir = ::opendir(FolderOf(target).c_str());
    if (dir == nullptr) {
        return;
    }
    const std::string stem = SideFileStem(target);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTempFileName(entry->d_name, stem)) {
            continue;
        }
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode)) {
            each(::dirfd(dir), entry->d_name);
        }
    }
    ::closedir(dir);
}

// Removes the temporary files of earlier saves of target that were interrupted (a crash, a
// kill) before they could rename or remove them. Only called under the target's lock, when
// no other save of it can be under way.
void RemoveLeftovers(const std::string& target) {
    ForEachLeftover(target, [](int dirFd, const char* name) { ::unlinkat(dirFd, name, 0); });
}

// Gives the temporary file the owner and group of the file it replaces, as far as the saver
// may (the superuser may set both, a member of the file's group that group). Best effort: a
// refusal leaves the saver's own.
void KeepOwner(int fd, uid_t uid, gid_t gid) {
    struct stat temp {};
    if (::fstat(fd, &temp) != 0 || (temp.st_uid == uid && temp.st_gid == gid)) {
        return;
    }
    if (::fchown(fd, uid, gid) == 0) {
        return;
    }
    if (temp.st_gid != gid) {
        if (::fchown(fd, static_cast<uid_t>(-1), gid) != 0) {
            return; // the saver's own group stays
        }
    }
}

void SyncFolderOf(const std::string& target) {
    const std::string dir = FolderOf(target);
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // Some file systems cannot sync a folder; the file itself is already in place.
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool FileReplacement::OpenDirect(const std::string& target, FileFault& fault) {
    // Blocks until a named pipe has a reader, as a shell's redirection does. No O_TRUNC: a
    // device has nothing to cut, and should the path have become a regular file meanwhile, it
    // is not cut short before being found out below.
    int fd = -1;
    do {
        fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        fault = ErrnoFault(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) {
        ::close(fd);
        fault = FileFault{FileFault::NotRegularFile, EINVAL};
        return false;
    }
    m_fd = fd;
    m_direct = true;
    m_target = target;
    return true;
}

bool FileReplacement::Open(const std::string& path, FileFault& fault, const SaveOptions& options) {
    Cancel();
    m_fault = FileFault{};
    auto fail = [&](FileFault why) {
        m_ownLock.Release();
        fault = why;
        return false;
    };
    const std::string target = ResolveSaveTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return fail(ErrnoFault(EISDIR));
    }
    // A device or a named pipe is never replaced (nor is a lock file made beside it).
    if (exists && !S_ISREG(existing.st_mode)) {
        if (!options.intoDevices || S_ISSOCK(existing.st_mode)) {
            return fail(FileFault{FileFault::NotRegularFile, EINVAL});
        }
        return OpenDirect(target, fault);
    }
    if (options.heldLock == nullptr || !options.heldLock->Covers(target)) {
        switch (m_ownLock.Acquire(target, options.lockTimeout)) {
        case LockStatus::kLocked:
            break;
        case LockStatus::kTimedOut:
            return fail(FileFault{FileFault::LockTimedOut, 0});
        case LockStatus::kFailed:
            return fail(ErrnoFault(m_ownLock.ErrorNumber()));
        }
    }
    // Looked at again under the lock: another writer may have replaced it meanwhile.
    const bool stillThere = ::stat(target.c_str(), &existing) == 0;
    if (stillThere && !S_ISREG(existing.st_mode)) {
        return fail(S_ISDIR(existing.st_mode) ? ErrnoFault(EISDIR)
                                              : FileFault{FileFault::NotRegularFile, EINVAL});
    }
    // Renaming needs only the folder's permission: without this check a file that nobody may
    // write (or this user may not) would be replaced all the same.
    if (stillThere && ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        // On a read-only file system no file can be written, whatever its own mode says.
        const bool readOnlyFileSystem = ::access(target.c_str(), W_OK) != 0 && errno == EROFS;
        return fail(readOnlyFileSystem ? ErrnoFault(EROFS)
                                       : FileFault{FileFault::WriteProtected, 0});
    }
    RemoveLeftovers(target);
    // The replacement of an existing file is private until it has that file's permissions.
    const int fd = CreateTemporary(target, stillThere ? 0600 : 0666, m_tempPath);
    if (fd < 0) {
        m_tempPath.clear();
        return fail(ErrnoFault(errno));
    }
    m_fd = fd;
    m_direct = false;
    m_exists = stillThere;
    m_target = target;
    m_mode = existing.st_mode;
    m_uid = existing.st_uid;
    m_gid = existing.st_gid;
    fault = FileFault{};
    return true;
}

bool FileReplacement::Write(std::string_view bytes) {
    if (m_fd < 0 || m_fault.kind != FileFault::None) {
        return false;
    }
    int err = 0;
    if (!WriteAll(m_fd, bytes, err)) {
        m_fault = ErrnoFault(err);
        return false;
    }
    return true;
}

bool FileReplacement::Commit(FileFault& fault, FileIdentity* written) {
    if (m_fd < 0) {
        fault = m_fault.kind != FileFault::None ? m_fault : ErrnoFault(EBADF);
        return false;
    }
    bool ok = m_fault.kind == FileFault::None;
    int err = ok ? 0 : m_fault.errnoValue;
    if (!m_direct) {
        if (ok && m_exists) {
            KeepOwner(m_fd, m_uid, m_gid);
            // After the owner: changing that clears the set-user-id and set-group-id bits.
            ok = ::fchmod(m_fd, m_mode & 07777) == 0;
            err = ok ? 0 : errno;
        }
        if (ok && ::fsync(m_fd) != 0) {
            ok = false;
            err = errno;
        }
    }
    FileIdentity identity;
    if (ok && !m_direct) {
        identity = FileIdentityOfOpenFile(m_fd);
    }
    if (::close(m_fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    m_fd = -1;
    if (ok && !m_direct && ::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        const FileFault why = m_fault.kind != FileFault::None ? m_fault : ErrnoFault(err);
        Cancel();
        fault = why;
        return false;
    }
    if (!m_direct) {
        m_tempPath.clear();
        SyncFolderOf(m_target);
        if (written != nullptr) {
            *written = identity;
        }
    }
    m_ownLock.Release();
    m_direct = false;
    fault = FileFault{};
    return true;
}

void FileReplacement::Cancel() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
    m_ownLock.Release();
    m_direct = false;
}

void RemoveInterruptedSave(const std::string& path) {
    const std::string target = ResolveSaveTarget(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        return;
    }
    bool leftBehind = ::lstat(LockFilePath(target).c_str(), &st) == 0;
    ForEachLeftover(target, [&](int, const char*) { leftBehind = true; });
    if (!leftBehind) {
        return;
    }
    FileLock lock;
    if (lock.Acquire(target, std::chrono::milliseconds(0)) == LockStatus::kLocked) {
        RemoveLeftovers(target);
    }
}
