#include "records/file_io.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include "records/side_files.h"

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
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

// Removes the temporary files of earlier saves of target that were interrupted (a crash, a
// kill) before they could rename or remove them. Only called under the target's lock, when
// no other save of it can be under way.
void RemoveLeftovers(const std::string& target) {
    const std::string folder = FolderOf(target);
    DIR* dir = ::opendir(folder.c_str());
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
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// Gives the temporary file the owner and group of the file it replaces, as far as the saver
// may (the superuser may set both, a member of the file's group that group). Best effort: a
// refusal leaves the saver's own.
void KeepOwner(int fd, const struct stat& existing) {
    struct stat temp {};
    if (::fstat(fd, &temp) != 0 ||
        (temp.st_uid == existing.st_uid && temp.st_gid == existing.st_gid)) {
        return;
    }
    if (::fchown(fd, existing.st_uid, existing.st_gid) == 0) {
        return;
    }
    if (temp.st_gid != existing.st_gid) {
        (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
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

bool ReadWholeFile(const std::string& path, std::string& bytes, FileFault& fault,
                   FileIdentity* identity) {
    // Non-blocking, so that a named pipe cannot hold the program up before it is refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    auto fail = [&](int err) {
        fault = FileFault{FileFault::Errno, err};
        return false;
    };
    if (fd < 0) {
        return fail(errno);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return fail(err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        if (S_ISDIR(st.st_mode)) {
            return fail(EISDIR);
        }
        fault = FileFault{FileFault::NotRegularFile, EINVAL};
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::string data;
    try {
        if (st.st_size > 0) {
            data.reserve(static_cast<size_t>(st.st_size));
        }
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                const int err = errno;
                ::close(fd);
                return fail(err);
            }
            if (n == 0) {
                break;
            }
            data.append(buffer, static_cast<size_t>(n));
        }
    } catch (const std::bad_alloc&) {
        ::close(fd);
        return fail(ENOMEM);
    } catch (const std::length_error&) {
        ::close(fd);
        return fail(ENOMEM);
    }
    if (identity != nullptr) {
        *identity = FileIdentityOfOpenFile(fd);
    }
    ::close(fd);
    bytes = std::move(data);
    fault = FileFault{};
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileFault& fault,
                         const SaveOptions& options, FileIdentity* written) {
    FileIdentity result;
    auto fail = [&](FileFault::Kind kind, int err) {
        fault = FileFault{kind, err};
        return false;
    };
    const std::string target = ResolveSaveTarget(path);
    FileLock ownLock;
    if (options.heldLock == nullptr || !options.heldLock->Covers(target)) {
        switch (ownLock.Acquire(target, options.lockTimeout)) {
        case LockStatus::kLocked:
            break;
        case LockStatus::kTimedOut:
            return fail(FileFault::LockTimedOut, 0);
        case LockStatus::kFailed:
            return fail(FileFault::Errno, ownLock.ErrorNumber());
        }
    }
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return fail(FileFault::Errno, EISDIR);
    }
    // Renaming needs only the folder's permission: without this check a file that nobody may
    // write (or this user may not) would be replaced all the same.
    if (exists && ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        return fail(FileFault::WriteProtected, 0);
    }
    RemoveLeftovers(target);
    // The replacement of an existing file is private until it has that file's permissions.
    std::string tempPath;
    const int fd = CreateTemporary(target, exists ? 0600 : 0666, tempPath);
    if (fd < 0) {
        const int err = errno;
        return fail(FileFault::Errno, err);
    }
    bool ok = WriteAll(fd, bytes);
    if (ok && exists) {
        KeepOwner(fd, existing);
        // After the owner: changing that clears the set-user-id and set-group-id bits.
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    }
    if (ok) {
        ok = ::fsync(fd) == 0;
    }
    int err = ok ? 0 : errno;
    if (ok) {
        result = FileIdentityOfOpenFile(fd);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        return fail(FileFault::Errno, err);
    }
    SyncFolderOf(target);
    if (written != nullptr) {
        *written = result;
    }
    fault = FileFault{};
    return true;
}
