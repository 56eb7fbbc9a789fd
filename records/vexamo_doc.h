#pragma once
// The document: the store of named birth records, its modified flag and its ".dat" file.
#include <functional>
#include <string>
#include <string_view>

#include "records/date_store_map.h"
#include "records/faults.h"
#include "records/file_identity.h"

class FileLock;

// Told about the bytes of a file while OpenDocument parses them into a store: Parsing before,
// Parsed after (also when parsing fails). The bytes stay unchanged in between, so a watcher may
// read them on a thread of its own.
class ParseWatcher {
  public:
    virtual ~ParseWatcher() = default;
    virtual void Parsing(std::string_view bytes) = 0;
    virtual void Parsed() = 0;
};

// What changed about a document, as told to its observer.
enum class DocumentChange {
    Replaced, // a new, empty document or an opened file: everything shown is out of date
    Saved,    // written under a (perhaps new) path: its title may have changed
};

class CVexamoDoc {
  public:
    DateStoreMap m_mapDateStore;

    // Told after every successful OnNewDocument, OpenDocument and SaveDocument.
    void SetObserver(std::function<void(DocumentChange)> observer) {
        m_observer = std::move(observer);
    }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // New document: empties the store, clears the modified flag and the path.
    bool OnNewDocument();

    // Reads the file into a fresh store. On success the store is replaced, the path set, the
    // file's identity recorded and the modified flag cleared. On failure `fault` says what is
    // wrong (FileFault::OutOfMemory when the file does not fit in memory), and the document
    // (store, flag, path) is left exactly as it was.
    bool OpenDocument(const std::string& path, DocFault& fault, ParseWatcher* watcher = nullptr);

    // What the last successful OpenDocument noticed about its file: bytes after the last entry,
    // which a save over the file would lose. Cleared by OnNewDocument and SaveDocument (the file
    // written then holds exactly the store).
    const ParseNotice& GetOpenNotice() const { return m_openNotice; }

    // Writes the store atomically (temporary file in the same folder, synced, renamed) under
    // the file's lock: heldLock when the caller holds it for a whole read-change-write, else
    // taken for the time of writing. On success the path is set, the identity of the file
    // written recorded and the modified flag cleared; on failure `fault` says why, the old
    // file is intact and the flag is unchanged.
    bool SaveDocument(const std::string& path, DocFault& fault, const FileLock* heldLock = nullptr);

    const std::string& GetPathName() const { return m_strPathName; }

    // Whether the document's file was changed on disk (by another program, or removed)
    // since it was opened or last saved by this document. False without a path.
    bool IsChangedOnDisk() const;
    const FileIdentity& GetFileIdentity() const { return m_fileIdentity; }

  private:
    void Notify(DocumentChange change) const {
        if (m_observer) {
            m_observer(change);
        }
    }

    std::function<void(DocumentChange)> m_observer;
    bool m_bModified = false;
    ParseNotice m_openNotice;
    std::string m_strPathName;
    FileIdentity m_fileIdentity;
};
