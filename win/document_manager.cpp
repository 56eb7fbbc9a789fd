#include "win/document_manager.h"

#include <optional>
#include <vector>

#include "res/string_table.h"
#include "win/file_dialog_service.h"
#include "win/message_service.h"
#include "win/recent_file_list.h"
#include "win/wide_text.h"

namespace {

// Substrings of the document template string.
constexpr int kFilterName = 3;
constexpr int kExtension = 4;

} // namespace

std::string AbsolutePath(const std::string& path) {
    const std::wstring wide = Widen(path);
    const DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (n == 0) {
        return path;
    }
    std::vector<wchar_t> full(n, L'\0');
    const DWORD got = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
    return got == 0 || got >= n ? path : Narrow(std::wstring_view(full.data(), got));
}

CDocumentManager::CDocumentManager(DocumentSession& session, std::function<HWND()> owner,
                                   CMessageService& messages, CFileDialogService& files,
                                   CRecentFileList& recent)
    : m_session(session), m_owner(std::move(owner)), m_messages(messages), m_files(files),
      m_recent(recent), m_steps(session, StepsFrontEnd()) {}

DocumentStepsFrontEnd CDocumentManager::StepsFrontEnd() {
    // The steps' questions in this program's boxes, its recent files as they are kept.
    return DocumentStepsFrontEnd{
        .askSaveChanges =
            [this](const std::string& question) {
                switch (m_messages.Show(m_owner(), MessageKind::AppSaveChanges, question)) {
                case MessageAnswer::Cancel:
                    return SaveChangesAnswer::Cancel;
                case MessageAnswer::Yes:
                    return SaveChangesAnswer::Yes;
                default:
                    return SaveChangesAnswer::No;
                }
            },
        .save = [this] { return OnFileSave(); },
        .tell = [this](const std::string& message) { m_messages.AppMessage(m_owner(), message); },
        .recentFiles = [this] { return m_recent.Files(); },
        .addRecent = [this](const std::string& path) { m_recent.Add(path); },
        .removeRecent = [this](int index) { m_recent.Remove(index); },
    };
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
    const std::optional<std::string> path = m_files.OpenFileName(
        m_owner(), DocTemplateSubstring(kFilterName), DocTemplateSubstring(kExtension));
    if (path) {
        OpenDocumentFile(*path);
    }
}

void CDocumentManager::OnOpenRecentFile(int index) {
    m_steps.OpenRecent(index);
}

bool CDocumentManager::OpenDocumentFile(const std::string& path) {
    return m_steps.Open(AbsolutePath(path));
}

bool CDocumentManager::LoadDocument(const std::string& path, std::string& error) {
    return m_steps.Load(AbsolutePath(path), error);
}

bool CDocumentManager::OnFileSave() {
    return DoSave(m_session.Document().GetPathName());
}

bool CDocumentManager::OnFileSaveAs() {
    return DoSave({});
}

bool CDocumentManager::DoSave(const std::string& path) {
    std::string target = path;
    if (target.empty()) {
        std::string suggested = m_session.Document().GetPathName();
        if (suggested.empty()) {
            suggested = m_session.Title() + DocTemplateSubstring(kExtension);
        }
        const std::optional<std::string> chosen =
            m_files.SaveFileName(m_owner(), DocTemplateSubstring(kFilterName),
                                 DocTemplateSubstring(kExtension), suggested);
        if (!chosen) {
            return false;
        }
        target = *chosen;
    }
    target = AbsolutePath(target);
    std::string error;
    const auto ask = [this](const std::string& question) {
        return m_messages.AppQuestion(m_owner(), question);
    };
    switch (m_session.Save(target, ask, error)) {
    case DocumentSession::SaveResult::Saved:
        m_recent.Add(target);
        return true;
    case DocumentSession::SaveResult::Failed:
        m_messages.AppMessage(m_owner(), error);
        return false;
    case DocumentSession::SaveResult::Refused:
        break;
    }
    return false;
}

bool CDocumentManager::SaveModified() {
    return m_steps.SaveModified();
}
