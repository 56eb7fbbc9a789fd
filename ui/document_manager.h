#pragma once
// The file commands around the one document: New, Open, Save, Save As, the recent files and
// the question whether to save changes first. What follows from them (the form refilled, the
// title, the recent-file menu) is told by the document and the recent-file list.
#include <QString>
#include <chrono>
#include <functional>
#include <string>

#include "records/file_lock.h"

struct DocFault;
class CFileDialogService;
class CMessageService;
class QWidget;
class CRecentFileList;
class CVexamoDoc;

class CDocumentManager {
  public:
    // dialogParent: the window over which the file choosers open.
    CDocumentManager(CVexamoDoc& document, QWidget* dialogParent, CMessageService& messages,
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

    // The document's own open and save (tests put faults in their place).
    std::function<bool(CVexamoDoc&, const std::string&, DocFault&)> m_openFile;
    std::function<bool(CVexamoDoc&, const std::string&, DocFault&, const FileLock*)> m_saveFile;
    // How long a save waits for another program that is writing the same file.
    std::chrono::milliseconds m_lockTimeout = FileLock::kDefaultTimeout;

  private:
    bool DoSave(const QString& path);
    // Saving over the opened file when bytes follow its last entry loses them: asks first.
    // False when the user said No.
    bool MayReplaceOpenedFile(const std::string& file);
    // Takes the file's lock for a save and makes sure that a file another program changed
    // since it was opened or saved here is overwritten only when the user says so. The
    // question is asked without the lock held. False when the save is to be abandoned: the
    // user said No, or the lock could not be had (fault says why).
    bool LockForSave(const std::string& file, FileLock& lock, DocFault& fault, bool& refused);

    CVexamoDoc& m_document;
    QWidget* m_dialogParent;
    CMessageService& m_messages;
    CFileDialogService& m_files;
    CRecentFileList& m_recent;
};
