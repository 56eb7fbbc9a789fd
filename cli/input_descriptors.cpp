#include "cli/input_descriptors.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include "records/utf8_paths.h"
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32
namespace {

HANDLE HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

} // namespace

int OpenInputFile(const std::string& path, int& fd) {
    std::wstring wide;
    if (!WideOfUtf8(path, wide)) {
        return EINVAL;
    }
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return EISDIR;
    }
    fd = ::_wopen(wide.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    return fd < 0 ? errno : 0;
}

int StandardInputFault() {
    struct _stat64 st {};
    return ::_fstat64(0, &st) != 0 ? errno : 0;
}

int64_t RegularFileOffset(int fd) {
    const HANDLE handle = HandleOf(fd);
    if (handle == INVALID_HANDLE_VALUE || ::GetFileType(handle) != FILE_TYPE_DISK) {
        return -1;
    }
    return ::_lseeki64(fd, 0, SEEK_CUR);
}

int64_t ReadAt(int fd, char* buffer, size_t size, int64_t offset, int& err) {
    const int64_t position = ::_lseeki64(fd, 0, SEEK_CUR);
    if (position < 0 || ::_lseeki64(fd, offset, SEEK_SET) < 0) {
        err = errno;
        return -1;
    }
    const int got = ::_read(fd, buffer, static_cast<unsigned>(size < (1u << 30) ? size : 1u << 30));
    if (got < 0) {
        err = errno;
    }
    ::_lseeki64(fd, position, SEEK_SET);
    return got;
}

bool ReadWouldWait(int fd) {
    const HANDLE handle = HandleOf(fd);
    switch (::GetFileType(handle)) {
    case FILE_TYPE_PIPE: {
        DWORD available = 0;
        // A pipe whose writer has gone fails here, and its read ends at once.
        return ::PeekNamedPipe(handle, nullptr, 0, nullptr, &available, nullptr) && available == 0;
    }
    case FILE_TYPE_CHAR: {
        DWORD events = 0;
        return ::GetNumberOfConsoleInputEvents(handle, &events) && events == 0;
    }
    default:
        return false;
    }
}
#else
int OpenInputFile(const std::string& path, int& fd) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return errno;
    }
    if (S_ISDIR(st.st_mode)) {
        return EISDIR;
    }
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return fd < 0 ? errno : 0;
}

int StandardInputFault() {
    struct stat st {};
    if (::fstat(STDIN_FILENO, &st) != 0) {
        return errno;
    }
    if (S_ISDIR(st.st_mode)) {
        return EISDIR;
    }
    const int flags = ::fcntl(STDIN_FILENO, F_GETFL);
    if (flags < 0) {
        return errno;
    }
    return (flags & O_ACCMODE) == O_WRONLY ? EBADF : 0;
}

int64_t RegularFileOffset(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        return -1;
    }
    return ::lseek(fd, 0, SEEK_CUR);
}

int64_t ReadAt(int fd, char* buffer, size_t size, int64_t offset, int& err) {
    for (;;) {
        const ssize_t got = ::pread(fd, buffer, size, static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR) {
            if (got < 0) {
                err = errno;
            }
            return got;
        }
    }
}

bool ReadWouldWait(int fd) {
    pollfd ready{fd, POLLIN, 0};
    return ::poll(&ready, 1, 0) == 0;
}
#endif
