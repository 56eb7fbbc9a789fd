#include "ui/document_manager.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "app/file_messages.h"
#include "app/text_catalogue.h"
#include "records/file_identity.h"
#include "records/vexamo_doc.h"
#include "res/string_table.h"
#include "ui/file_dialog_service.h"
#include "ui/message_service.h"
#include "ui/recent_file_list.h"
#include "ui/ui_text.h"

namespace {

// Substrings of the document template string.
constexpr int kWindowTitle = 0;
constexpr int kUntitled = 1;
constexpr int kFilterName = 3;
constexpr int kExtension = 4;

QString TemplateText(int index) {
    return QString::fromUtf8(DocTemplateSubstring(index));
}

} // namespace

CDocumentManager::CDocumentManager(CVexamoDoc& document, QWidget* dialogParent,
                                   CMessageService& messages, CFileDialogService& files,
                                   CRecentFileList& recent)
    : m_document(document), m_dialogParent(dialogParent), m_messages(messages), m_files(files),
      m_recent(recent) {
    m_openFile = [](CVexamoDoc& doc, const std::string& path, DocFault& fault) {
        return doc.OpenDocument(path, fault);
    };
    m_saveFile = [](CVexamoDoc& doc, const std::string& path, DocFault& fault,
                    const FileLock* lock) { return doc.SaveDocument(path, fault, lock); };
}

QString CDocumentManager::GetTitle() const {
    const std::string& path = m_document.GetPathName();
    if (path.empty()) {
        return TemplateText(kUntitled);
    }
    return QFileInfo(QFile::decodeName(path.c_str())).fileName();
}

QString CDocumentManager::FrameTitle() const {
    QString title = GetTitle() + QStringLiteral(" - ") + TemplateText(kWindowTitle);
    // "[*]" in a file name is no placeholder for the modified mark.
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title;
}

void CDocumentManager::NewDocument() {
    m_document.OnNewDocument();
}

bool CDocumentManager::OnFileNew() {
    if (!SaveModified()) {
        return false;
    }
    NewDocument();
    return true;
}

void CDocumentManager::OnFileOpen() {
    const QString filter = TemplateText(kFilterName);
    const std::optional<QString> path = m_files.GetOpenFileName(m_dialogParent, filter);
    if (path) {
        OpenDocumentFile(*path);
    }
}

void CDocumentManager::OnOpenRecentFile(int index) {
    if (index < 0 || index >= m_recent.Files().size()) {
        return;
    }
    const QString path = m_recent.Files()[index];
    if (!SaveModified()) {
        return;
    }
    QString error;
    if (!LoadDocument(path, error)) {
        // A recent file that can no longer be read leaves the list. Its place may have
        // changed meanwhile: saving the changes first puts that file at the head.
        m_recent.Remove(m_recent.Files().indexOf(path));
        m_messages.AppMessage(error);
    }
}

bool CDocumentManager::OpenDocumentFile(const QString& path) {
    if (!SaveModified()) {
        return false;
    }
    QString error;
    if (!LoadDocument(path, error)) {
        m_messages.AppMessage(error);
        return false;
    }
    return true;
}

bool CDocumentManager::LoadDocument(const QString& path, QString& error) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const std::string file = QFile::encodeName(absolute).toStdString();
    DocFault fault;
    // On failure (out of memory too) the document stays exactly as it was.
    if (!m_openFile(m_document, file, fault)) {
        error = QString::fromStdString(OpenFailureMessage(file, fault));
        return false;
    }
    m_recent.Add(absolute);
    if (const ParseNotice& notice = m_document.GetOpenNotice();
        notice.kind == ParseNotice::TrailingBytes) {
        m_messages.AppMessage(
            UiText(TextId::NotRecordFileOpened,
                   {absolute, QString::fromStdString(TrailingBytesText(notice.trailingBytes))}));
    }
    return true;
}

bool CDocumentManager::OnFileSave() {
    return DoSave(QFile::decodeName(m_document.GetPathName().c_str()));
}

bool CDocumentManager::OnFileSaveAs() {
    return DoSave(QString());
}

bool CDocumentManager::DoSave(const QString& path) {
    QString target = path;
    if (target.isEmpty()) {
        QString suggested = QFile::decodeName(m_document.GetPathName().c_str());
        if (suggested.isEmpty()) {
            suggested = GetTitle() + TemplateText(kExtension);
        }
        const std::optional<QString> chosen = m_files.GetSaveFileName(
            m_dialogParent, TemplateText(kFilterName), suggested, TemplateText(kExtension).mid(1));
        if (!chosen) {
            return false;
        }
        target = *chosen;
    }
    target = QFileInfo(target).absoluteFilePath();
    const std::string file = QFile::encodeName(target).toStdString();
    if (!MayReplaceOpenedFile(file)) {
        return false;
    }
    DocFault fault;
    FileLock lock;
    bool refused = false;
    if (!LockForSave(file, lock, fault, refused)) {
        if (!refused) {
            m_messages.AppMessage(QString::fromStdString(SaveFailureMessage(file, fault)));
        }
        return false;
    }
    // A failed save (out of memory too) keeps the old file, the document and its flag.
    if (!m_saveFile(m_document, file, fault, &lock)) {
        m_messages.AppMessage(QString::fromStdString(SaveFailureMessage(file, fault)));
        return false;
    }
    m_recent.Add(target);
    return true;
}

bool CDocumentManager::MayReplaceOpenedFile(const std::string& file) {
    const ParseNotice& notice = m_document.GetOpenNotice();
    if (file != m_document.GetPathName() || notice.kind != ParseNotice::TrailingBytes) {
        return true;
    }
    return m_messages.AppQuestion(
        UiText(TextId::NotRecordFileSaveQuestion,
               {QFile::decodeName(file.c_str()),
                QString::fromStdString(TrailingBytesText(notice.trailingBytes))}));
}

bool CDocumentManager::LockForSave(const std::string& file, FileLock& lock, DocFault& fault,
                                   bool& refused) {
    std::optional<FileIdentity> accepted; // the changed file the user agreed to overwrite
    for (;;) {
        switch (lock.Acquire(file, m_lockTimeout)) {
        case LockStatus::kLocked:
            break;
        case LockStatus::kTimedOut:
            fault.file = FileFault{FileFault::LockTimedOut, 0};
            return false;
        case LockStatus::kFailed:
            fault.file = FileFault{FileFault::Errno, lock.ErrorNumber()};
            return false;
        }
        // Only the document's own file can have been changed behind its back; a file that was
        // removed meanwhile has nothing to lose.
        if (file != m_document.GetPathName() || !m_document.IsChangedOnDisk()) {
            return true;
        }
        const FileIdentity onDisk = FileIdentityOf(file);
        if (!onDisk.exists || (accepted && *accepted == onDisk)) {
            return true;
        }
        // The other program may go on writing while the user thinks: let go meanwhile, and
        // ask again should the file change once more before the lock is back.
        lock.Release();
        const QString question =
            UiText(TextId::FileChangedOnDiskQuestion, {QFile::decodeName(file.c_str())});
        if (!m_messages.AppQuestion(question)) {
            refused = true;
            return false;
        }
        accepted = onDisk;
    }
}

bool CDocumentManager::SaveModified() {
    if (!m_document.IsModified()) {
        return true;
    }
    const QString question = UiText(TextId::SaveChangesQuestion, {GetTitle()});
    switch (m_messages.Show(nullptr, MessageKind::AppSaveChanges, question)) {
    case MessageAnswer::Cancel:
        return false;
    case MessageAnswer::Yes:
        return OnFileSave();
    default:
        return true;
    }
}
