#pragma once
// The file commands around the one document: New, Open, Save, Save As, the recent files and
// the question whether to save changes first; keeps the window title up to date.
#include <QString>

class CFileDialogService;
class CMainFrame;
class CMainView;
class CMessageService;
class CRecentFileList;
class CVexamoDoc;

class CDocumentManager {
  public:
    CDocumentManager(CVexamoDoc& document, CMainView& view, CMainFrame& frame,
                     CMessageService& messages, CFileDialogService& files, CRecentFileList& recent);

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
    // Opens path without any question (start-up); on failure the message is returned.
    bool LoadDocument(const QString& path, QString& error);
    // The new, empty document of start-up.
    void NewDocument();

    // "Unbenannt" or the file's name.
    QString GetTitle() const;
    void UpdateFrameTitle();

  private:
    bool DoSave(const QString& path);
    void DocumentChanged();

    CVexamoDoc& m_document;
    CMainView& m_view;
    CMainFrame& m_frame;
    CMessageService& m_messages;
    CFileDialogService& m_files;
    CRecentFileList& m_recent;
};
