#include "ui/document_manager.h"

#include <QFile>
#include <QFileInfo>

#include "app/file_messages.h"
#include "app/text_catalogue.h"
#include "records/vexamo_doc.h"
#include "res/string_table.h"
#include "ui/file_dialog_service.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"
#include "ui/message_service.h"
#include "ui/recent_file_list.h"

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

CDocumentManager::CDocumentManager(CVexamoDoc& document, CMainView& view, CMainFrame& frame,
                                   CMessageService& messages, CFileDialogService& files,
                                   CRecentFileList& recent)
    : m_document(document), m_view(view), m_frame(frame), m_messages(messages), m_files(files),
      m_recent(recent) {}

QString CDocumentManager::GetTitle() const {
    const std::string& path = m_document.GetPathName();
    if (path.empty()) {
        return TemplateText(kUntitled);
    }
    return QFileInfo(QFile::decodeName(path.c_str())).fileName();
}

void CDocumentManager::UpdateFrameTitle() {
    QString title = GetTitle() + QStringLiteral(" - ") + TemplateText(kWindowTitle);
    // "[*]" in a file name is no placeholder for the modified mark.
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    m_frame.setWindowTitle(title);
}

void CDocumentManager::DocumentChanged() {
    UpdateFrameTitle();
    m_frame.SetRecentFiles(m_recent.Files());
    m_view.OnInitialUpdate();
}

void CDocumentManager::NewDocument() {
    m_document.OnNewDocument();
    DocumentChanged();
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
    const std::optional<QString> path = m_files.GetOpenFileName(&m_frame, filter);
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
        m_frame.SetRecentFiles(m_recent.Files());
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
    std::string message;
    if (!OpenRecordDocument(m_document, QFile::encodeName(absolute).toStdString(), message)) {
        error = QString::fromStdString(message);
        return false;
    }
    m_recent.Add(absolute);
    DocumentChanged();
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
            &m_frame, TemplateText(kFilterName), suggested, TemplateText(kExtension).mid(1));
        if (!chosen) {
            return false;
        }
        target = *chosen;
    }
    target = QFileInfo(target).absoluteFilePath();
    std::string message;
    if (!SaveRecordDocument(m_document, QFile::encodeName(target).toStdString(), message)) {
        m_messages.AppMessage(QString::fromStdString(message));
        return false;
    }
    m_recent.Add(target);
    m_frame.SetRecentFiles(m_recent.Files());
    UpdateFrameTitle();
    return true;
}

bool CDocumentManager::SaveModified() {
    if (!m_document.IsModified()) {
        return true;
    }
    const QString question =
        QString::fromUtf8(UserText(TextId::SaveChangesQuestion)).arg(GetTitle());
    switch (m_messages.Show(nullptr, MessageKind::AppSaveChanges, question)) {
    case MessageAnswer::Cancel:
        return false;
    case MessageAnswer::Yes:
        return OnFileSave();
    default:
        return true;
    }
}
