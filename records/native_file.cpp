#ifdef _WIN32
#define _CRT_RAND_S // rand_s, before the first C header
#endif
#include "records/native_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include "records/utf8_paths.h"
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32

// The errno value that says the same as a Windows error code.
int ErrnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    default:
        return EIO;
    }
}

int LastErrno() {
    return ErrnoOf(::GetLastError());
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// CreateFileW with a UTF-8 path; the handle, or INVALID_HANDLE_VALUE with err.
HANDLE OpenWide(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags,
                int& err) {
    std::wstring wide;
    if (!WideOfUtf8(path, wide)) {
        err = EINVAL;
        return INVALID_HANDLE_VALUE;
    }
    const HANDLE handle =
        ::CreateFileW(wide.c_str(), access, share, nullptr, disposition, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        err = LastErrno();
    }
    return handle;
}

// Opens whatever path names, a folder included, only to look at it.
HANDLE OpenToLookAt(const std::string& path, int& err) {
    return OpenWide(path, FILE_READ_ATTRIBUTES, kShareAll, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, err);
}

DWORD AttributesOf(const std::string& path) {
    std::wstring wide;
    return WideOfUtf8(path, wide) ? ::GetFileAttributesW(wide.c_str()) : INVALID_FILE_ATTRIBUTES;
}

// Nanoseconds since 1970 of a FILETIME (100 ns since 1601).
int64_t UnixNanoseconds(const FILETIME& time) {
    constexpr int64_t kFrom1601To1970 = 116444736000000000;
    const uint64_t ticks = (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
    return (static_cast<int64_t>(ticks) - kFrom1601To1970) * 100;
}

#else

FileKind KindOfMode(mode_t mode) {
    if (S_ISREG(mode)) {
        return FileKind::kRegular;
    }
    if (S_ISDIR(mode)) {
        return FileKind::kFolder;
    }
    return S_ISSOCK(mode) ? FileKind::kSocket : FileKind::kDevice;
}

FileIdentity IdentityOfStat(const struct stat& st) {
    FileIdentity id;
    id.exists = true;
    id.device = static_cast<uint64_t>(st.st_dev);
    id.inode = static_cast<uint64_t>(st.st_ino);
    id.size = static_cast<int64_t>(st.st_size);
    id.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 +
                 static_cast<int64_t>(st.st_mtim.tv_nsec);
    return id;
}

#endif

} // namespace

NativeFile::NativeFile(NativeFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, Closed())) {}

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept {
    if (this != &other) {
        Close();
        m_handle = std::exchange(other.m_handle, Closed());
    }
    return *this;
}

#ifdef _WIN32
NativeFile::Handle NativeFile::Closed() {
    return INVALID_HANDLE_VALUE;
}

bool NativeFile::Close(int* err) {
    if (!IsOpen()) {
        return true;
    }
    const bool ok = ::CloseHandle(std::exchange(m_handle, Closed())) != 0;
    if (!ok && err != nullptr) {
        *err = LastErrno();
    }
    return ok;
}
#else
NativeFile::Handle NativeFile::Closed() {
    return -1;
}

bool NativeFile::Close(int* err) {
    if (!IsOpen()) {
        return true;
    }
    const bool ok = ::close(std::exchange(m_handle, Closed())) == 0;
    if (!ok && err != nullptr) {
        *err = errno;
    }
    return ok;
}
#endif

#ifdef _WIN32
FileKind KindOf(const NativeFile& file) {
    switch (::GetFileType(file.Get())) {
    case FILE_TYPE_DISK: {
        BY_HANDLE_FILE_INFORMATION info{};
        if (::GetFileInformationByHandle(file.Get(), &info) &&
            (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return FileKind::kFolder;
        }
        return FileKind::kRegular;
    }
    case FILE_TYPE_UNKNOWN:
        return FileKind::kNone;
    default:
        return FileKind::kDevice;
    }
}

bool NameIsAbsent(const std::string& path) {
    std::wstring wide;
    if (!WideOfUtf8(path, wide) || ::GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    return ErrnoOf(::GetLastError()) == ENOENT;
}

FileStatus StatusOf(const std::string& path, int* err) {
    int why = 0;
    const NativeFile file(OpenToLookAt(path, why));
    if (!file.IsOpen()) {
        if (err != nullptr) {
            *err = why;
        }
        return FileStatus{};
    }
    FileStatus status;
    status.kind = KindOf(file);
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(file.Get(), &info)) {
        status.mode = info.dwFileAttributes;
    }
    return status;
}

bool IsWriteProtected(const std::string& path, const FileStatus&, int& err) {
    const DWORD attributes = AttributesOf(path);
    err = 0;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}
#else
FileKind KindOf(const NativeFile& file) {
    struct stat st {};
    return ::fstat(file.Get(), &st) == 0 ? KindOfMode(st.st_mode) : FileKind::kNone;
}

bool NameIsAbsent(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

FileStatus StatusOf(const std::string& path, int* err) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (err != nullptr) {
            *err = errno;
        }
        return FileStatus{};
    }
    return FileStatus{KindOfMode(st.st_mode), st.st_mode, st.st_uid, st.st_gid};
}

bool IsWriteProtected(const std::string& path, const FileStatus& status, int& err) {
    err = 0;
    // Renaming needs only the folder's permission: without this check a file that nobody may
    // write (or this user may not) would be replaced all the same.
    if ((status.mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0) {
        return false;
    }
    // On a read-only file system no file can be written, whatever its own mode says.
    if (::access(path.c_str(), W_OK) != 0 && errno == EROFS) {
        err = EROFS;
    }
    return true;
}
#endif

#ifdef _WIN32
NativeFile OpenForReading(const std::string& path, int& err) {
    NativeFile file(OpenWide(path, GENERIC_READ, kShareAll, OPEN_EXISTING, 0, err));
    if (!file.IsOpen() && err == EACCES) {
        // A folder cannot be opened for reading its bytes.
        const DWORD attributes = AttributesOf(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            err = EISDIR;
        }
    }
    return file;
}

NativeFile OpenForWritingInto(const std::string& path, int& err) {
    return NativeFile(
        OpenWide(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0, err));
}

NativeFile CreateNewFile(const std::string& path, uint32_t, int& err) {
    return NativeFile(OpenWide(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, err));
}
#else
NativeFile OpenForReading(const std::string& path, int& err) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        err = errno;
    }
    return NativeFile(fd);
}

NativeFile OpenForWritingInto(const std::string& path, int& err) {
    // Blocks until a named pipe has a reader, as a shell's redirection does. No O_TRUNC: a
    // device has nothing to cut, and should the path have become a regular file meanwhile, it
    // is not cut short before being found out.
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        err = errno;
    }
    return NativeFile(fd);
}

NativeFile CreateNewFile(const std::string& path, uint32_t mode, int& err) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    if (fd < 0) {
        err = errno;
    }
    return NativeFile(fd);
}
#endif

#ifdef _WIN32
int64_t ReadSome(const NativeFile& file, char* buffer, size_t size, int& err) {
    DWORD read = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
    if (!::ReadFile(file.Get(), buffer, want, &read, nullptr)) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) {
            return 0;
        }
        err = ErrnoOf(error);
        return -1;
    }
    return read;
}

bool WriteAll(const NativeFile& file, std::string_view bytes, int& err) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        if (!::WriteFile(file.Get(), bytes.data(), piece, &written, nullptr)) {
            err = LastErrno();
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool SyncToDisk(const NativeFile& file, int& err) {
    if (!::FlushFileBuffers(file.Get())) {
        err = LastErrno();
        return false;
    }
    return true;
}

bool KeepOwnerAndMode(const NativeFile& file, const FileStatus& replaced, int& err) {
    // The attributes a user gives a file; its access rules are those of its folder, as for
    // any new file there.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    FILE_BASIC_INFO basic{}; // times of zero stay as they are
    basic.FileAttributes = replaced.mode & kKept;
    if (basic.FileAttributes == 0) {
        basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    }
    if (!::SetFileInformationByHandle(file.Get(), FileBasicInfo, &basic, sizeof basic)) {
        err = LastErrno();
        return false;
    }
    return true;
}
#else
int64_t ReadSome(const NativeFile& file, char* buffer, size_t size, int& err) {
    for (;;) {
        const ssize_t n = ::read(file.Get(), buffer, size);
        if (n >= 0 || errno != EINTR) {
            if (n < 0) {
                err = errno;
            }
            return n;
        }
    }
}

bool WriteAll(const NativeFile& file, std::string_view bytes, int& err) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(file.Get(), bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            err = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool SyncToDisk(const NativeFile& file, int& err) {
    if (::fsync(file.Get()) != 0) {
        err = errno;
        return false;
    }
    return true;
}

bool KeepOwnerAndMode(const NativeFile& file, const FileStatus& replaced, int& err) {
    // The owner and group as far as the saver may (the superuser may set both, a member of the
    // file's group that group). Best effort: a refusal leaves the saver's own.
    struct stat temp {};
    const uid_t uid = replaced.owner;
    const gid_t gid = replaced.group;
    if (::fstat(file.Get(), &temp) == 0 && (temp.st_uid != uid || temp.st_gid != gid) &&
        ::fchown(file.Get(), uid, gid) != 0 && temp.st_gid != gid &&
        ::fchown(file.Get(), static_cast<uid_t>(-1), gid) != 0) {
        // the saver's own group stays
    }
    // After the owner: changing that clears the set-user-id and set-group-id bits.
    if (::fchmod(file.Get(), static_cast<mode_t>(replaced.mode & 07777)) != 0) {
        err = errno;
        return false;
    }
    return true;
}
#endif

#ifdef _WIN32
bool ReplaceByRename(const std::string& temp, const std::string& target, int& err) {
    std::wstring from;
    std::wstring to;
    if (!WideOfUtf8(temp, from) || !WideOfUtf8(target, to)) {
        err = EINVAL;
        return false;
    }
    // One rename that replaces the target (not ReplaceFileW, which takes several steps and
    // may leave a file of its own behind when it fails), written through to the disk. A file
    // that another program has open cannot be replaced: a reader, a virus scanner or an
    // indexer lets go soon, so the rename is tried again for a while.
    auto pause = std::chrono::milliseconds(1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (;;) {
        if (::MoveFileExW(from.c_str(), to.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = ::GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            std::chrono::steady_clock::now() >= deadline) {
            err = ErrnoOf(error);
            return false;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

void SyncFolder(const std::string&) {}

bool RemoveFile(const std::string& path) {
    std::wstring wide;
    return WideOfUtf8(path, wide) && ::DeleteFileW(wide.c_str()) != 0;
}

bool ForEachEntry(const std::string& folder, const std::function<void(const std::string&)>& each) {
    std::wstring pattern;
    if (!WideOfUtf8(folder, pattern)) {
        return false;
    }
    pattern += L"\\*";
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..") {
            each(Utf8OfWide(name));
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return true;
}

void ForEachRegularFile(const std::string& folder,
                        const std::function<void(const std::string&)>& each) {
    std::wstring pattern;
    if (!WideOfUtf8(folder, pattern)) {
        return;
    }
    pattern += L"\\*";
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        constexpr DWORD kNotAFile =
            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
        if ((found.dwFileAttributes & kNotAFile) == 0) {
            each(Utf8OfWide(found.cFileName));
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}
#else
bool ReplaceByRename(const std::string& temp, const std::string& target, int& err) {
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        err = errno;
        return false;
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // Some file systems cannot sync a folder; the file itself is already in place.
        (void)::fsync(fd);
        ::close(fd);
    }
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool ForEachEntry(const std::string& folder, const std::function<void(const std::string&)>& each) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return false;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            each(std::string(name));
        }
    }
    ::closedir(dir);
    return true;
}

void ForEachRegularFile(const std::string& folder,
                        const std::function<void(const std::string&)>& each) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode)) {
            each(entry->d_name);
        }
    }
    ::closedir(dir);
}
#endif

#ifdef _WIN32
FileIdentity IdentityOfOpenFile(const NativeFile& file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.Get(), &info)) {
        return FileIdentity{};
    }
    FileIdentity id;
    id.exists = true;
    id.device = info.dwVolumeSerialNumber;
    id.inode = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    id.size = static_cast<int64_t>((uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow);
    id.mtimeNs = UnixNanoseconds(info.ftLastWriteTime);
    return id;
}

FileIdentity IdentityOfPath(const std::string& path) {
    int err = 0;
    const NativeFile file(OpenToLookAt(path, err));
    return file.IsOpen() ? IdentityOfOpenFile(file) : FileIdentity{};
}
#else
FileIdentity IdentityOfOpenFile(const NativeFile& file) {
    struct stat st {};
    return ::fstat(file.Get(), &st) == 0 ? IdentityOfStat(st) : FileIdentity{};
}

FileIdentity IdentityOfPath(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? IdentityOfStat(st) : FileIdentity{};
}
#endif

#ifdef _WIN32
NativeFile OpenLockFile(const std::string& path, int& err) {
    // Hidden, as its name would hide it on POSIX; a link planted in its place is not followed.
    return NativeFile(OpenWide(path, GENERIC_READ | GENERIC_WRITE, kShareAll, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, err));
}

TryLockResult TryLockExclusive(const NativeFile& file, int& err) {
    OVERLAPPED whole{};
    if (::LockFileEx(file.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                     MAXDWORD, &whole)) {
        return TryLockResult::kLocked;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) {
        return TryLockResult::kBusy;
    }
    err = ErrnoOf(error);
    return TryLockResult::kFailed;
}

bool PathNamesOpenFile(const std::string& path, const NativeFile& file) {
    // A file its holder removed cannot be opened again, so that a waiter that got its lock
    // finds it no longer named.
    const FileIdentity named = IdentityOfPath(path);
    const FileIdentity opened = IdentityOfOpenFile(file);
    return named.exists && opened.exists && named.device == opened.device &&
           named.inode == opened.inode;
}

bool LockFileBeingRemoved(int err) {
    return err == EACCES;
}

uint32_t RandomNumber() {
    unsigned int value = 0;
    if (rand_s(&value) == 0) {
        return value;
    }
    static std::atomic<uint32_t> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(now) ^ (static_cast<uint32_t>(::GetCurrentProcessId()) << 16) ^
           counter.fetch_add(0x9E3779B9u);
}
#else
NativeFile OpenLockFile(const std::string& path, int& err) {
    // Readable by others (as the umask allows), so that they can lock it too; O_NOFOLLOW: a link
    // planted in its place is not followed.
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        err = errno;
    }
    return NativeFile(fd);
}

TryLockResult TryLockExclusive(const NativeFile& file, int& err) {
    if (::flock(file.Get(), LOCK_EX | LOCK_NB) == 0) {
        return TryLockResult::kLocked;
    }
    if (errno == EWOULDBLOCK || errno == EINTR) {
        return TryLockResult::kBusy;
    }
    err = errno;
    return TryLockResult::kFailed;
}

bool PathNamesOpenFile(const std::string& path, const NativeFile& file) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(file.Get(), &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool LockFileBeingRemoved(int) {
    return false;
}

uint32_t RandomNumber() {
    uint32_t value = 0;
    if (::getrandom(&value, sizeof value, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof value)) {
        return value;
    }
    static std::atomic<uint32_t> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(now) ^ (static_cast<uint32_t>(::getpid()) << 16) ^
           counter.fetch_add(0x9E3779B9u);
}
#endif
