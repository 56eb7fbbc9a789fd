#pragma once
// The file commands around the one document: New, Open, Save, Save As, the recent files and
// the question whether to save changes first. What follows from them (the form refilled, the
// title) is told by the document's observer.
#include <functional>
#include <string>

#include <windows.h>

#include "app/document_session.h"
#include "app/document_steps.h"

class CFileDialogService;
class CMessageService;
class CRecentFileList;

class CDocumentManager {
  public:
    // owner: the window over which boxes and choosers open (read at each command).
    CDocumentManager(DocumentSession& session, std::function<HWND()> owner,
                     CMessageService& messages, CFileDialogService& files, CRecentFileList& recent);

    DocumentSession& Session() { return m_session; }

    // A fresh, empty document; false when the user cancelled.
    bool OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(int index);
    bool OnFileSave();
    bool OnFileSaveAs();

    // Asks whether to save a modified document: false when the pending action is to be
    // abandoned (Cancel, or the save failed).
    bool SaveModified();
    // Opens path after asking to save changes; on failure the message is shown and the
    // current document stays as it was.
    bool OpenDocumentFile(const std::string& path);
    // Opens path without any question (start-up); on failure the message is returned.
    bool LoadDocument(const std::string& path, std::string& error);
    void NewDocument();

  private:
    DocumentStepsFrontEnd StepsFrontEnd();
    bool DoSave(const std::string& path);

    DocumentSession& m_session;
    std::function<HWND()> m_owner;
    CMessageService& m_messages;
    CFileDialogService& m_files;
    CRecentFileList& m_recent;
    DocumentSteps m_steps; // the question before leaving the document, the recent files on open
};

// The full path of path (UTF-8), as the system makes it absolute.
std::string AbsolutePath(const std::string& path);
