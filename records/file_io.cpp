#include "records/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileFault ErrnoFault(int errnoValue) {
    return FileFault{FileFault::Errno, errnoValue};
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, FileFault& fault,
                   FileIdentity* identity) {
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
        fault = FileFault{FileFault::OutOfMemory, ENOMEM};
        return false;
    } catch (const std::length_error&) {
        ::close(fd);
        fault = FileFault{FileFault::OutOfMemory, ENOMEM};
        return false;
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
    FileReplacement file;
    if (!file.Open(path, fault, options)) {
        return false;
    }
    file.Write(bytes);
    return file.Commit(fault, written);
}
