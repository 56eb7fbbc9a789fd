#include "records/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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

std::string ResolveTarget(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
        const auto resolved = std::filesystem::canonical(path, ec);
        if (!ec) {
            return resolved.string();
        }
    }
    return path;
}

// Creates a new file next to target, readable and writable as the umask allows.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    const std::filesystem::path p(target);
    const std::string dir = p.has_parent_path() ? p.parent_path().string() : std::string(".");
    const std::string base = dir + "/." + p.filename().string() + ".tmp" +
                             std::to_string(static_cast<long>(::getpid())) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        tempPath = base + std::to_string(attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void SyncFolderOf(const std::string& target) {
    const std::filesystem::path p(target);
    const std::string dir = p.has_parent_path() ? p.parent_path().string() : std::string(".");
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // Some file systems cannot sync a folder; the file itself is already in place.
        (void)::fsync(fd);
        ::close(fd);
    }
}

FileFault ErrnoFault(int errnoValue) {
    return FileFault{FileFault::Errno, errnoValue};
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, FileFault& fault) {
    // Non-blocking, so that a named pipe cannot hold the program up before it is refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    auto fail = [&](int err) {
        fault = ErrnoFault(err);
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
    ::close(fd);
    bytes = std::move(data);
    fault = FileFault{};
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileFault& fault) {
    const std::string target = ResolveTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        fault = ErrnoFault(EISDIR);
        return false;
    }
    // Renaming needs only the folder's permission: without this check a file that nobody may
    // write (or this user may not) would be replaced all the same.
    if (exists && ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        fault = FileFault{FileFault::WriteProtected, 0};
        return false;
    }
    std::string tempPath;
    const int fd = CreateTemporary(target, tempPath);
    if (fd < 0) {
        fault = ErrnoFault(errno);
        return false;
    }
    bool ok = WriteAll(fd, bytes);
    if (ok && exists) {
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    }
    if (ok) {
        ok = ::fsync(fd) == 0;
    }
    int err = ok ? 0 : errno;
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
        fault = ErrnoFault(err);
        return false;
    }
    SyncFolderOf(target);
    return true;
}
