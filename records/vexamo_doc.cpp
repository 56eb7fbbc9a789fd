#include "records/vexamo_doc.h"

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
    Notify(DocumentChange::Replaced);
    return true;
}

bool CVexamoDoc::OpenDocument(const std::string& path, std::string& error) {
    std::string bytes;
    std::string reason;
    int err = 0;
    if (!ReadWholeFile(path, bytes, err, reason)) {
        error = FileMessage(path, "gelesen", reason);
        return false;
    }
    DateStoreMap fresh;
    if (!ParseDateStoreFile(bytes.data(), bytes.size(), fresh, reason)) {
        error = FileMessage(path, "gelesen", reason);
        return false;
    }
    m_mapDateStore = std::move(fresh);
    m_strPathName = path;
    m_bModified = false;
    Notify(DocumentChange::Replaced);
    return true;
}

bool CVexamoDoc::SaveDocument(const std::string& path, std::string& error) {
    ArchiveWriter ar;
    StoreDateStoreMap(ar, m_mapDateStore);
    std::string reason;
    if (!WriteFileAtomically(path, ar.Bytes(), reason)) {
        error = FileMessage(path, "gespeichert", reason);
        return false;
    }
    m_strPathName = path;
    m_bModified = false;
    Notify(DocumentChange::Saved);
    return true;
}
