#include "records/vexamo_doc.h"

#include <utility>

#include "records/archive.h"
#include "records/file_io.h"
#include "records/store_file.h"

bool CVexamoDoc::OnNewDocument() {
    m_mapDateStore.RemoveAll();
    m_bModified = false;
    m_strPathName.clear();
    return true;
}

bool CVexamoDoc::OpenDocument(const std::string& path, DocFault& fault) {
    fault = DocFault{};
    std::string bytes;
    if (!ReadWholeFile(path, bytes, fault.file)) {
        return false;
    }
    DateStoreMap fresh;
    if (!ParseDateStoreFile(bytes.data(), bytes.size(), fresh, fault.parse)) {
        return false;
    }
    m_mapDateStore = std::move(fresh);
    m_strPathName = path;
    m_bModified = false;
    return true;
}

bool CVexamoDoc::SaveDocument(const std::string& path, DocFault& fault) {
    fault = DocFault{};
    ArchiveWriter ar;
    StoreDateStoreMap(ar, m_mapDateStore);
    if (!WriteFileAtomically(path, ar.Bytes(), fault.file)) {
        return false;
    }
    m_strPathName = path;
    m_bModified = false;
    return true;
}
