#include "records/vexamo_doc.h"

#include <cerrno>
#include <new>
#include <utility>

#include "records/archive.h"
#include "records/file_io.h"
#include "records/store_file.h"

bool CVexamoDoc::OnNewDocument() {
    m_mapDateStore.RemoveAll();
    m_bModified = false;
    m_openNotice = ParseNotice{};
    m_strPathName.clear();
    m_fileIdentity = FileIdentity{};
    Notify(DocumentChange::Replaced);
    return true;
}

bool CVexamoDoc::OpenDocument(const std::string& path, DocFault& fault, ParseWatcher* watcher) {
    fault = DocFault{};
    try {
        std::string bytes;
        FileIdentity identity;
        if (!ReadWholeFile(path, bytes, fault.file, &identity)) {
            return false;
        }
        DateStoreMap fresh;
        // The watcher is told Parsed on every way out, an exception included, before the bytes
        // go away.
        struct Watching {
            ParseWatcher* watcher;
            ~Watching() {
                if (watcher != nullptr) {
                    watcher->Parsed();
                }
            }
        } watching{watcher};
        if (watcher != nullptr) {
            watcher->Parsing(bytes);
        }
        ParseNotice notice;
        if (!ParseDateStoreFile(bytes.data(), bytes.size(), fresh, fault.parse, &notice)) {
            return false;
        }
        m_mapDateStore = std::move(fresh);
        m_openNotice = notice;
        m_strPathName = path;
        m_fileIdentity = identity;
        m_bModified = false;
    } catch (const std::bad_alloc&) {
        // Whatever was built is released by now; the document is as it was.
        fault = DocFault{};
        fault.file = FileFault{FileFault::OutOfMemory, ENOMEM};
        return false;
    }
    Notify(DocumentChange::Replaced);
    return true;
}

bool CVexamoDoc::SaveDocument(const std::string& path, DocFault& fault, const FileLock* heldLock) {
    fault = DocFault{};
    FileIdentity written;
    try {
        ArchiveWriter ar;
        StoreDateStoreMap(ar, m_mapDateStore);
        SaveOptions options;
        options.heldLock = heldLock;
        if (!WriteFileAtomically(path, ar.Bytes(), fault.file, options, &written)) {
            return false;
        }
    } catch (const std::bad_alloc&) {
        fault = DocFault{};
        fault.file = FileFault{FileFault::OutOfMemory, ENOMEM};
        return false;
    }
    m_strPathName = path;
    m_openNotice = ParseNotice{};
    m_fileIdentity = written;
    m_bModified = false;
    Notify(DocumentChange::Saved);
    return true;
}

bool CVexamoDoc::IsChangedOnDisk() const {
    return !m_strPathName.empty() && ChangedOnDisk(m_fileIdentity, m_strPathName);
}
