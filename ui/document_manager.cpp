#include "ui/document_manager.h"

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <string>

#include "app/text_catalogue.h"
#include "res/string_table.h"
#include "ui/file_dialog_service.h"
#include "ui/message_service.h"
#include "ui/recent_file_list.h"
#include "ui/ui_text.h"

namespace {

// Substrings of the document template string.
constexpr int kFilterName = 3;
constexpr int kExtension = 4;

QString TemplateText(int index) {
    return QString::fromUtf8(DocTemplateSubstring(index));
}

// The session's paths are UTF-8 bytes, as the system names the file.
std::string SessionPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString ShownPath(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

} // namespace

CDocumentManager::CDocumentManager(DocumentSession& session, QWidget* dialogParent,
                                   CMessageService& messages, CFileDialogService& files,
                                   CRecentFileList& recent)
    : m_openFile(session.m_openFile), m_saveFile(session.m_saveFile),
      m_lockTimeout(session.m_lockTimeout), m_session(session), m_dialogParent(dialogParent),
      m_messages(messages), m_files(files), m_recent(recent) {}

QString CDocumentManager::GetTitle() const {
    return QString::fromStdString(m_session.Title());
}

QString CDocumentManager::FrameTitle() const {
    QString title = QString::fromStdString(m_session.FrameTitle());
    // "[*]" in a file name is no placeholder for the modified mark.
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title;
}

void CDocumentManager::NewDocument() {
    m_session.Document().OnNewDocument();
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
    std::string failure;
    std::string warning;
    // On failure (out of memory too) the document stays exactly as it was.
    if (!m_session.Open(SessionPath(absolute), failure, warning)) {
        error = QString::fromStdString(failure);
        return false;
    }
    m_recent.Add(absolute);
    if (!warning.empty()) {
        m_messages.AppMessage(QString::fromStdString(warning));
    }
    return true;
}

bool CDocumentManager::OnFileSave() {
    return DoSave(ShownPath(m_session.Document().GetPathName()));
}

bool CDocumentManager::OnFileSaveAs() {
    return DoSave(QString());
}

bool CDocumentManager::DoSave(const QString& path) {
    QString target = path;
    if (target.isEmpty()) {
        QString suggested = ShownPath(m_session.Document().GetPathName());
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
    const auto ask = [this](const std::string& question) {
        return m_messages.AppQuestion(QString::fromStdString(question));
    };
    std::string error;
    // A failed save (out of memory too) keeps the old file, the document and its flag.
    switch (m_session.Save(SessionPath(target), ask, error)) {
    case DocumentSession::SaveResult::Saved:
        m_recent.Add(target);
        return true;
    case DocumentSession::SaveResult::Failed:
        m_messages.AppMessage(QString::fromStdString(error));
        return false;
    case DocumentSession::SaveResult::Refused:
        break;
    }
    return false;
}

bool CDocumentManager::SaveModified() {
    if (!m_session.Document().IsModified()) {
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
