#include "app/document_session.h"

#include <optional>
#include <utility>

#include "app/file_messages.h"
#include "app/text_catalogue.h"
#include "records/file_identity.h"

namespace {

#ifdef _WIN32
constexpr const char* kSeparators = "/\\";
#else
constexpr const char* kSeparators = "/";
#endif

} // namespace

DocumentSession::DocumentSession(CVexamoDoc& document, std::string untitled,
                                 std::string windowTitle)
    : m_openFile([](CVexamoDoc& doc, const std::string& path, DocFault& fault) {
          return doc.OpenDocument(path, fault);
      }),
      m_saveFile([](CVexamoDoc& doc, const std::string& path, DocFault& fault,
                    const FileLock* lock) { return doc.SaveDocument(path, fault, lock); }),
      m_document(document), m_untitled(std::move(untitled)), m_windowTitle(std::move(windowTitle)) {
}

std::string DocumentSession::Title() const {
    const std::string& path = m_document.GetPathName();
    if (path.empty()) {
        return m_untitled;
    }
    const std::size_t slash = path.find_last_of(kSeparators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DocumentSession::FrameTitle() const {
    return Title() + " - " + m_windowTitle;
}

bool DocumentSession::Open(const std::string& path, std::string& error, std::string& warning) {
    warning.clear();
    DocFault fault;
    if (!m_openFile(m_document, path, fault)) {
        error = OpenFailureMessage(path, fault);
        return false;
    }
    if (const ParseNotice& notice = m_document.GetOpenNotice();
        notice.kind == ParseNotice::TrailingBytes) {
        warning =
            UserText(TextId::NotRecordFileOpened, {path, TrailingBytesText(notice.trailingBytes)});
    }
    return true;
}

DocumentSession::SaveResult DocumentSession::Save(const std::string& path, const Ask& ask,
                                                  std::string& error) {
    if (!MayReplaceOpenedFile(path, ask)) {
        return SaveResult::Refused;
    }
    DocFault fault;
    FileLock lock;
    bool refused = false;
    if (!LockForSave(path, ask, lock, fault, refused)) {
        if (refused) {
            return SaveResult::Refused;
        }
        error = SaveFailureMessage(path, fault);
        return SaveResult::Failed;
    }
    if (!m_saveFile(m_document, path, fault, &lock)) {
        error = SaveFailureMessage(path, fault);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

bool DocumentSession::MayReplaceOpenedFile(const std::string& path, const Ask& ask) const {
    const ParseNotice& notice = m_document.GetOpenNotice();
    if (path != m_document.GetPathName() || notice.kind != ParseNotice::TrailingBytes) {
        return true;
    }
    return ask(UserText(TextId::NotRecordFileSaveQuestion,
                        {path, TrailingBytesText(notice.trailingBytes)}));
}

bool DocumentSession::LockForSave(const std::string& path, const Ask& ask, FileLock& lock,
                                  DocFault& fault, bool& refused) const {
    std::optional<FileIdentity> accepted; // the changed file the user agreed to overwrite
    for (;;) {
        switch (lock.Acquire(path, m_lockTimeout)) {
        case LockStatus::kLocked:
            break;
        case LockStatus::kTimedOut:
            fault.file = FileFault{FileFault::LockTimedOut, 0};
            return false;
        case LockStatus::kFailed:
            fault.file = FileFault{FileFault::Errno, lock.ErrorNumber()};
            return false;
        }
        // Only the document's own file can have been changed behind its back; a file that was
        // removed meanwhile has nothing to lose.
        if (path != m_document.GetPathName() || !m_document.IsChangedOnDisk()) {
            return true;
        }
        const FileIdentity onDisk = FileIdentityOf(path);
        if (!onDisk.exists || (accepted && *accepted == onDisk)) {
            return true;
        }
        // The other program may go on writing while the user thinks: let go meanwhile, and
        // ask again should the file change once more before the lock is back.
        lock.Release();
        if (!ask(UserText(TextId::FileChangedOnDiskQuestion, {path}))) {
            refused = true;
            return false;
        }
        accepted = onDisk;
    }
}

std::vector<NameKey> StoredKeys(const DateStoreMap& store) {
    std::vector<NameKey> keys;
    keys.reserve(static_cast<std::size_t>(store.GetCount()));
    for (const auto& entry : store) {
        keys.emplace_back(entry.name);
    }
    return keys;
}
