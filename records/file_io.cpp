#include "records/file_io.h"

#include <cerrno>
#include <new>
#include <stdexcept>

#include "records/native_file.h"

namespace {

FileFault ErrnoFault(int errnoValue) {
    return FileFault{FileFault::Errno, errnoValue};
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, FileFault& fault,
                   FileIdentity* identity) {
    int err = 0;
    NativeFile file = OpenForReading(path, err);
    if (!file.IsOpen()) {
        fault = ErrnoFault(err);
        return false;
    }
    switch (KindOf(file)) {
    case FileKind::kRegular:
        break;
    case FileKind::kFolder:
        fault = ErrnoFault(EISDIR);
        return false;
    default:
        fault = FileFault{FileFault::NotRegularFile, EINVAL};
        return false;
    }
    const FileIdentity opened = IdentityOfOpenFile(file);
    std::string data;
    try {
        if (opened.size > 0) {
            data.reserve(static_cast<size_t>(opened.size));
        }
        char buffer[65536];
        for (;;) {
            const int64_t n = ReadSome(file, buffer, sizeof buffer, err);
            if (n < 0) {
                fault = ErrnoFault(err);
                return false;
            }
            if (n == 0) {
                break;
            }
            data.append(buffer, static_cast<size_t>(n));
        }
    } catch (const std::bad_alloc&) {
        fault = FileFault{FileFault::OutOfMemory, ENOMEM};
        return false;
    } catch (const std::length_error&) {
        fault = FileFault{FileFault::OutOfMemory, ENOMEM};
        return false;
    }
    if (identity != nullptr) {
        *identity = IdentityOfOpenFile(file);
    }
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
