#pragma once
// The steps both programs take around their one document: the question whether to save the
// changes before the document is left (New, Open, a recent file, closing), and the recent-file
// list on open (a file opened goes first; a listed file that can no longer be read leaves the
// list and its failure is told). The steps decide what is asked, what each answer leads to and
// what is told; the program shows the boxes and the file choosers and keeps the list.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/document_session.h"

// The answers to the question whether to save the changes first.
enum class SaveChangesAnswer { Yes, No, Cancel };

// What the program shows and keeps for the steps. Paths are the session's (absolute, UTF-8).
struct DocumentStepsFrontEnd {
    // Asks question in the box with Yes, No and Cancel.
    std::function<SaveChangesAnswer(const std::string& question)> askSaveChanges;
    // The program's "Enregistrer" (which may ask for a file name and tell a failure): true when
    // the document was saved.
    std::function<bool()> save;
    // Shows message (a failure or a warning) in an OK box.
    std::function<void(const std::string& message)> tell;
    // The recent files, most recent first.
    std::function<std::vector<std::string>()> recentFiles;
    // Puts path first in the recent files.
    std::function<void(const std::string& path)> addRecent;
    // Takes the entry at index out of the recent files.
    std::function<void(int index)> removeRecent;
};

class DocumentSteps {
  public:
    DocumentSteps(DocumentSession& session, DocumentStepsFrontEnd frontEnd);

    // The question before a modified document is left; nothing when it is unchanged.
    std::optional<std::string> SaveChangesQuestion() const;
    // Asks whether to save a modified document first: false when the pending action is to be
    // abandoned (Cancel, or the save failed or was given up).
    bool SaveModified();
    // Opens path without any question (start-up, and the steps below): on success it goes first
    // in the recent files and a file with bytes after its last entry is told about; on failure
    // error holds the message (not shown) and the document stays as it was.
    bool Load(const std::string& path, std::string& error);
    // Opens path after asking to save the changes; a failure is told.
    bool Open(const std::string& path);
    // Opens the recent file at index after asking to save the changes. One that can no longer
    // be read leaves the list (wherever saving the changes has put it) and its failure is told.
    bool OpenRecent(int index);

  private:
    DocumentSession& m_session;
    DocumentStepsFrontEnd m_frontEnd;
};
