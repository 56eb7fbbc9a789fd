#pragma once
// The file commands around the one document: New, Open, Save, Save As, the recent files and
// the question whether to save changes first. Opening and saving themselves, with the file's
// lock and the question before writing over a file changed elsewhere, are the document
// session's (app/document_session.h). What follows from them (the form refilled, the title, the
// recent-file menu) is told by the document and the recent-file list.
#include <QString>

#include "app/document_session.h"

class CFileDialogService;
class CMessageService;
class QWidget;
class CRecentFileList;

class CDocumentManager {
  public:
    // dialogParent: the window over which the file choosers open.
    CDocumentManager(DocumentSession& session, QWidget* dialogParent, CMessageService& messages,
                     CFileDialogService& files, CRecentFileList& recent);

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
    bool OpenDocumentFile(const QString& path);
    // Opens path without any question (start-up); on failure the message is returned. A file
    // with bytes after its last entry opens with a warning shown.
    bool LoadDocument(const QString& path, QString& error);
    // The new, empty document of start-up.
    void NewDocument();

    // "Unbenannt" or the file's name.
    QString GetTitle() const;
    // The frame's caption: the title and the program's name.
    QString FrameTitle() const;

    // The session's open and save of the document (tests put faults in their place) and how
    // long a save waits for another program that is writing the same file.
    decltype(DocumentSession::m_openFile)& m_openFile;
    decltype(DocumentSession::m_saveFile)& m_saveFile;
    decltype(DocumentSession::m_lockTimeout)& m_lockTimeout;

  private:
    bool DoSave(const QString& path);

    DocumentSession& m_session;
    QWidget* m_dialogParent;
    CMessageService& m_messages;
    CFileDialogService& m_files;
    CRecentFileList& m_recent;
};
