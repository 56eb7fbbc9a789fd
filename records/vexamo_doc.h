#pragma once
// The document: the store of named birth records, its modified flag and its ".dat" file.
#include <string>

#include "records/date_store_map.h"
#include "records/faults.h"

class CVexamoDoc {
  public:
    DateStoreMap m_mapDateStore;

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // New document: empties the store, clears the modified flag and the path.
    bool OnNewDocument();

    // Reads the file into a fresh store. On success the store is replaced, the path set and
    // the modified flag cleared. On failure `fault` says what is wrong, and the document
    // (store, flag, path) is left exactly as it was.
    bool OpenDocument(const std::string& path, DocFault& fault);

    // Writes the store atomically (temporary file in the same folder, synced, renamed).
    // On success the path is set and the modified flag cleared; on failure `fault` says why,
    // the old file is intact and the flag is unchanged.
    bool SaveDocument(const std::string& path, DocFault& fault);

    const std::string& GetPathName() const { return m_strPathName; }

  private:
    bool m_bModified = false;
    std::string m_strPathName;
};
