#pragma once
// The one document of a desktop program and its file: open and save with the words for their
// failures, the file's lock held for the whole of a save, the question before writing over a
// file that another program changed (or one with bytes after its last entry), and the title.
// Both front-ends work through it; they ask its questions each in their own boxes.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "records/faults.h"
#include "records/file_lock.h"
#include "records/name_key.h"
#include "records/vexamo_doc.h"

class DocumentSession {
  public:
    // untitled: the title of a document without a file; windowTitle: the program's part of the
    // frame's caption (both from the document template string).
    DocumentSession(CVexamoDoc& document, std::string untitled, std::string windowTitle);

    CVexamoDoc& Document() const { return m_document; }
    DateStoreMap& Store() const { return m_document.m_mapDateStore; }

    // "Unbenannt" or the file's name (the path's last part).
    std::string Title() const;
    // The frame's caption: "<title> - Orlinde Berechnung".
    std::string FrameTitle() const;

    // Opens the file at path (absolute, UTF-8). False with the message in error when it cannot
    // be read; the document then stays exactly as it was. warning receives the message to show
    // for a file with bytes after its last entry, and is emptied otherwise.
    bool Open(const std::string& path, std::string& error, std::string& warning);

    // A question of a save, in the program's words: false for the answer No.
    using Ask = std::function<bool(const std::string& question)>;
    enum class SaveResult {
        Saved,
        Refused, // the user said No: nothing was written, nothing to report
        Failed,  // error holds the message
    };
    // Saves the store to path (absolute, UTF-8) under the file's lock. Asks before losing the
    // bytes after the opened file's last entry and before writing over the document's file
    // when another program changed it since it was opened or saved (the question is asked
    // without the lock held). A failed save keeps the old file, the store and its flag.
    SaveResult Save(const std::string& path, const Ask& ask, std::string& error);

    // The document's own open and save (tests put faults in their place).
    std::function<bool(CVexamoDoc&, const std::string&, DocFault&)> m_openFile;
    std::function<bool(CVexamoDoc&, const std::string&, DocFault&, const FileLock*)> m_saveFile;
    // How long a save waits for another program that is writing the same file.
    std::chrono::milliseconds m_lockTimeout = FileLock::kDefaultTimeout;

  private:
    bool MayReplaceOpenedFile(const std::string& path, const Ask& ask) const;
    // Takes the lock; false when the save is to be abandoned (refused set when the user said
    // No, else fault says why).
    bool LockForSave(const std::string& path, const Ask& ask, FileLock& lock, DocFault& fault,
                     bool& refused) const;

    CVexamoDoc& m_document;
    std::string m_untitled;
    std::string m_windowTitle;
};

// The stored names' keys in the store's order, to fill a record list with.
std::vector<NameKey> StoredKeys(const DateStoreMap& store);
