#include "records/file_replacement.h"

#include <cerrno>
#include <cstdio>

#include "records/side_files.h"

namespace {

FileFault ErrnoFault(int errnoValue) {
    return FileFault{FileFault::Errno, errnoValue};
}

// Creates a new file next to target named stem + "-" + 8 hex digits (under 32 bytes, so that
// it fits in any folder that holds the target). mode as for open().
NativeFile CreateTemporary(const std::string& target, uint32_t mode, std::string& tempPath,
                           int& err) {
    const std::string base = FolderOf(target) + "/" + SideFileStem(target) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[kTempSuffixDigits + 1];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(RandomNumber()));
        tempPath = base + suffix;
        NativeFile file = CreateNewFile(tempPath, mode, err);
        if (file.IsOpen() || err != EEXIST) {
            return file;
        }
    }
    return NativeFile{};
}

// Calls each(path) for the temporary files of earlier saves of target.
template <typename Each> void ForEachLeftover(const std::string& target, Each each) {
    const std::string folder = FolderOf(target);
    const std::string stem = SideFileStem(target);
    ForEachRegularFile(folder, [&](const std::string& name) {
        if (IsTempFileName(name, stem)) {
            each(folder + "/" + name);
        }
    });
}

// Removes the temporary files of earlier saves of target that were interrupted (a crash, a
// kill) before they could rename or remove them. Only called under the target's lock, when
// no other save of it can be under way.
void RemoveLeftovers(const std::string& target) {
    ForEachLeftover(target, [](const std::string& path) { RemoveFile(path); });
}

} // namespace

bool FileReplacement::OpenDirect(const std::string& target, FileFault& fault) {
    int err = 0;
    NativeFile file = OpenForWritingInto(target, err);
    if (!file.IsOpen()) {
        fault = ErrnoFault(err);
        return false;
    }
    const FileKind kind = KindOf(file);
    if (kind == FileKind::kNone || kind == FileKind::kRegular || kind == FileKind::kFolder) {
        fault = FileFault{FileFault::NotRegularFile, EINVAL};
        return false;
    }
    m_file = std::move(file);
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
    int err = 0;
    const FileStatus existing = StatusOf(target, &err);
    if (existing.kind == FileKind::kNone && err == EINVAL) {
        return fail(ErrnoFault(EINVAL)); // no name on this system (on Windows: not UTF-8)
    }
    if (existing.kind == FileKind::kFolder) {
        return fail(ErrnoFault(EISDIR));
    }
    // A device or a named pipe is never replaced (nor is a lock file made beside it).
    if (existing.kind == FileKind::kSocket || existing.kind == FileKind::kDevice) {
        if (!options.intoDevices || existing.kind == FileKind::kSocket) {
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
    const FileStatus replaced = StatusOf(target);
    const bool stillThere = replaced.kind != FileKind::kNone;
    if (stillThere && replaced.kind != FileKind::kRegular) {
        return fail(replaced.kind == FileKind::kFolder
                        ? ErrnoFault(EISDIR)
                        : FileFault{FileFault::NotRegularFile, EINVAL});
    }
    if (stillThere && IsWriteProtected(target, replaced, err)) {
        return fail(err != 0 ? ErrnoFault(err) : FileFault{FileFault::WriteProtected, 0});
    }
    RemoveLeftovers(target);
    // The replacement of an existing file is private until it has that file's permissions.
    NativeFile file = CreateTemporary(target, stillThere ? 0600 : 0666, m_tempPath, err);
    if (!file.IsOpen()) {
        m_tempPath.clear();
        return fail(ErrnoFault(err));
    }
    m_file = std::move(file);
    m_direct = false;
    m_exists = stillThere;
    m_target = target;
    m_replaced = replaced;
    fault = FileFault{};
    return true;
}

bool FileReplacement::Write(std::string_view bytes) {
    if (!m_file.IsOpen() || m_fault.kind != FileFault::None) {
        return false;
    }
    int err = 0;
    if (!WriteAll(m_file, bytes, err)) {
        m_fault = ErrnoFault(err);
        return false;
    }
    return true;
}

bool FileReplacement::Commit(FileFault& fault, FileIdentity* written) {
    if (!m_file.IsOpen()) {
        fault = m_fault.kind != FileFault::None ? m_fault : ErrnoFault(EBADF);
        return false;
    }
    bool ok = m_fault.kind == FileFault::None;
    int err = ok ? 0 : m_fault.errnoValue;
    if (!m_direct) {
        if (ok && m_exists) {
            ok = KeepOwnerAndMode(m_file, m_replaced, err);
        }
        ok = ok && SyncToDisk(m_file, err);
    }
    FileIdentity identity;
    if (ok && !m_direct) {
        identity = IdentityOfOpenFile(m_file);
    }
    if (!m_file.Close(&err) && ok) {
        ok = false;
    }
    if (ok && !m_direct) {
        ok = ReplaceByRename(m_tempPath, m_target, err);
    }
    if (!ok) {
        const FileFault why = m_fault.kind != FileFault::None ? m_fault : ErrnoFault(err);
        Cancel();
        fault = why;
        return false;
    }
    if (!m_direct) {
        m_tempPath.clear();
        SyncFolder(FolderOf(m_target));
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
    m_file.Close();
    if (!m_tempPath.empty()) {
        RemoveFile(m_tempPath);
        m_tempPath.clear();
    }
    m_ownLock.Release();
    m_direct = false;
}

void RemoveInterruptedSave(const std::string& path) {
    const std::string target = ResolveSaveTarget(path);
    const FileKind kind = StatusOf(target).kind;
    if (kind != FileKind::kNone && kind != FileKind::kRegular) {
        return;
    }
    bool leftBehind = StatusOf(LockFilePath(target)).kind != FileKind::kNone;
    ForEachLeftover(target, [&](const std::string&) { leftBehind = true; });
    if (!leftBehind) {
        return;
    }
    FileLock lock;
    if (lock.Acquire(target, std::chrono::milliseconds(0)) == LockStatus::kLocked) {
        RemoveLeftovers(target);
    }
}
