#pragma once
// The operations on files that POSIX and Windows do differently, each written once with its two
// sides beside each other (native_file.cpp). Paths are UTF-8 throughout; the Windows side turns
// them into UTF-16 for every call. Failures are errno values on both sides, so that the
// programs word them alike (app/file_messages.h).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "records/file_identity.h"

// An open file, closed when it goes: a descriptor on POSIX, a handle on Windows.
class NativeFile {
  public:
#ifdef _WIN32
    using Handle = void*;
#else
    using Handle = int;
#endif

    NativeFile() = default;
    explicit NativeFile(Handle handle) : m_handle(handle) {}
    ~NativeFile() {
        Close();
    }
    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&& other) noexcept;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    bool IsOpen() const {
        return m_handle != Closed();
    }
    Handle Get() const {
        return m_handle;
    }
    // Closes the file; false with err when the system reports a failure (of a write it had
    // not finished, as a rule). Harmless when nothing is open.
    bool Close(int* err = nullptr);

    static Handle Closed();

  private:
    Handle m_handle = Closed();
};

enum class FileKind {
    kNone,    // nothing by that name
    kRegular, // a file
    kFolder,
    kSocket,
    kDevice, // a device or a named pipe
};

// What a name stands for (a symbolic link followed), with what a replacement must keep of it.
struct FileStatus {
    FileKind kind = FileKind::kNone;
    // POSIX: the mode, owner and group; Windows: the attributes in mode.
    uint32_t mode = 0;
    uint32_t owner = 0;
    uint32_t group = 0;
};

// Whether nothing at all has that name (a symbolic link that leads nowhere is something): the
// system says so (ENOENT), not merely that the name cannot be looked at.
bool NameIsAbsent(const std::string& path);

// The status of path; err is set when the name could not be looked at (kNone then).
FileStatus StatusOf(const std::string& path, int* err = nullptr);
// The kind of an open file.
FileKind KindOf(const NativeFile& file);

// Whether an existing file is write-protected for this user: without any write permission,
// or one this user lacks (POSIX); the read-only attribute (Windows). EROFS in err, and true,
// when the file system is mounted read-only.
bool IsWriteProtected(const std::string& path, const FileStatus& status, int& err);

// Opens an existing file for reading. A named pipe does not hold the program up (POSIX).
NativeFile OpenForReading(const std::string& path, int& err);
// Opens an existing device or named pipe for writing into it; waits for a pipe's reader.
NativeFile OpenForWritingInto(const std::string& path, int& err);
// Creates a file that must not exist yet (EEXIST otherwise); mode as for open() (POSIX).
NativeFile CreateNewFile(const std::string& path, uint32_t mode, int& err);

// Reads up to size bytes: the count, 0 at the end, -1 with err.
int64_t ReadSome(const NativeFile& file, char* buffer, size_t size, int& err);
bool WriteAll(const NativeFile& file, std::string_view bytes, int& err);
// Waits until what was written is on the disk.
bool SyncToDisk(const NativeFile& file, int& err);

// Gives a replacement the owner, group and permissions of the file it replaces, as far as the
// saver may (POSIX); its hidden, system, archive and indexing attributes (Windows).
bool KeepOwnerAndMode(const NativeFile& file, const FileStatus& replaced, int& err);

// Puts the complete file temp in the place of target in one step, so that after a crash the
// name holds the old file or the new one: rename() (POSIX); MoveFileExW replacing the target,
// with MOVEFILE_WRITE_THROUGH, waiting up to two seconds for another program that has the
// target open to let go (Windows).
bool ReplaceByRename(const std::string& temp, const std::string& target, int& err);
// Makes a rename in folder durable (POSIX; MOVEFILE_WRITE_THROUGH has done so on Windows).
void SyncFolder(const std::string& folder);

bool RemoveFile(const std::string& path);
// Calls each(name) for every entry of folder but "." and ".."; false when the folder cannot be
// read.
bool ForEachEntry(const std::string& folder, const std::function<void(const std::string&)>& each);
// Calls each(name) for the regular files in folder (symbolic links not followed).
void ForEachRegularFile(const std::string& folder,
                        const std::function<void(const std::string&)>& each);

// The identity of the file at path, and of an open file.
FileIdentity IdentityOfPath(const std::string& path);
FileIdentity IdentityOfOpenFile(const NativeFile& file);

// The advisory lock file: opened (created when missing) so that every writer may open and lock
// it, and removed by its holder while others still have it open.
NativeFile OpenLockFile(const std::string& path, int& err);
enum class TryLockResult { kLocked, kBusy, kFailed };
// Takes the exclusive lock of the whole file without waiting: flock() (POSIX), LockFileEx
// (Windows). Each NativeFile locks apart, as separate processes do.
TryLockResult TryLockExclusive(const NativeFile& file, int& err);
// Whether path names the open file (and not a newer one made after it was removed).
bool PathNamesOpenFile(const std::string& path, const NativeFile& file);
// Whether err from OpenLockFile says that the lock file is being removed by its last holder
// (Windows, where a removed file keeps its name until the last handle is closed): the waiter
// tries again.
bool LockFileBeingRemoved(int err);

// A 32-bit random number.
uint32_t RandomNumber();
