#include "records/vexamo_doc.h"

#include <cerrno>
#include <new>
#include <utility>

#include "records/archive.h"
#include "records/file_io.h"
#include "records/store_file.h"

namespace {

std::string FileMessage(const std::string& path, const char* what, const std::string& reason) {
    return "Die Datei \u201E" + path + "\u201C kann nicht " + what + " werden: " + reason + ".";
}

} // namespace

bool CVexamoDoc::OnNewDocument() {
    m_mapDateStore.RemoveAll();
    m_bModified = false;
    m_strPathName.clear();
    m_fileIdentity = FileIdentity{};
    return true;
}

bool CVexamoDoc::OpenDocument(const std::string& path, std::string& error) {
    m_lastFailure = FileOutcome{};
    std::string reason;
    try {
        std::string bytes;
        int err = 0;
        FileIdentity identity;
        if (!ReadWholeFile(path, bytes, err, reason, &identity)) {
            m_lastFailure.failure = err == ENOMEM   ? FileFailure::kOutOfMemory
                                    : err == EINVAL ? FileFailure::kNotRegular
                                                    : FileFailure::kSystem;
            m_lastFailure.errnoValue = err;
            error = FileMessage(path, "gelesen", reason);
            return false;
        }
        DateStoreMap fresh;
        if (!ParseDateStoreFile(bytes.data(), bytes.size(), fresh, reason)) {
            m_lastFailure.failure = FileFailure::kFormat;
            error = FileMessage(path, "gelesen", reason);
            return false;
        }
        m_mapDateStore = std::move(fresh);
        m_strPathName = path;
        m_fileIdentity = identity;
        m_bModified = false;
        return true;
    } catch (const std::bad_alloc&) {
        // Whatever was built is released by now; the document is as it was.
        m_lastFailure.failure = FileFailure::kOutOfMemory;
        m_lastFailure.errnoValue = ENOMEM;
        error = FileMessage(path, "gelesen", DescribeErrno(ENOMEM));
        return false;
    }
}

bool CVexamoDoc::SaveDocument(const std::string& path, std::string& error,
                              const FileLock* heldLock) {
    m_lastFailure = FileOutcome{};
    try {
        ArchiveWriter ar;
        StoreDateStoreMap(ar, m_mapDateStore);
        std::string reason;
        SaveOptions options;
        options.heldLock = heldLock;
        FileOutcome outcome;
        if (!WriteFileAtomically(path, ar.Bytes(), reason, options, &outcome)) {
            m_lastFailure = outcome;
            error = FileMessage(path, "gespeichert", reason);
            return false;
        }
        m_strPathName = path;
        m_fileIdentity = outcome.identity;
        m_bModified = false;
        return true;
    } catch (const std::bad_alloc&) {
        m_lastFailure.failure = FileFailure::kOutOfMemory;
        m_lastFailure.errnoValue = ENOMEM;
        error = FileMessage(path, "gespeichert", DescribeErrno(ENOMEM));
        return false;
    }
}

bool CVexamoDoc::IsChangedOnDisk() const {
    return !m_strPathName.empty() && ChangedOnDisk(m_fileIdentity, m_strPathName);
}
