#include "ui/document_manager.h"

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <string>
#include <vector>

#include "res/string_table.h"
#include "ui/file_dialog_service.h"
#include "ui/message_service.h"
#include "ui/recent_file_list.h"

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
      m_messages(messages), m_files(files), m_recent(recent), m_steps(session, StepsFrontEnd()) {}

DocumentStepsFrontEnd CDocumentManager::StepsFrontEnd() {
    // The steps' questions in this program's boxes, its recent files as the session's paths.
    return DocumentStepsFrontEnd{
        .askSaveChanges =
            [this](const std::string& question) {
                switch (m_messages.Show(nullptr, MessageKind::AppSaveChanges,
                                        QString::fromStdString(question))) {
                case MessageAnswer::Cancel:
                    return SaveChangesAnswer::Cancel;
                case MessageAnswer::Yes:
                    return SaveChangesAnswer::Yes;
                default:
                    return SaveChangesAnswer::No;
                }
            },
        .save = [this] { return OnFileSave(); },
        .tell =
            [this](const std::string& message) {
                m_messages.AppMessage(QString::fromStdString(message));
            },
        .recentFiles =
            [this] {
                std::vector<std::string> paths;
                for (const QString& file : m_recent.Files()) {
                    paths.push_back(SessionPath(file));
                }
                return paths;
            },
        .addRecent = [this](const std::string& path) { m_recent.Add(ShownPath(path)); },
        .removeRecent = [this](int index) { m_recent.Remove(index); },
    };
}

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
    m_steps.OpenRecent(index);
}

bool CDocumentManager::OpenDocumentFile(const QString& path) {
    return m_steps.Open(SessionPath(QFileInfo(path).absoluteFilePath()));
}

bool CDocumentManager::LoadDocument(const QString& path, QString& error) {
    std::string failure;
    // On failure (out of memory too) the document stays exactly as it was.
    if (!m_steps.Load(SessionPath(QFileInfo(path).absoluteFilePath()), failure)) {
        error = QString::fromStdString(failure);
        return false;
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
    return m_steps.SaveModified();
}
