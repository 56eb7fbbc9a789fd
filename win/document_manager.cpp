#include "win/document_manager.h"

#include <optional>
#include <vector>

#include "app/text_catalogue.h"
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
      m_recent(recent) {}

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
    if (index < 0 || index >= static_cast<int>(m_recent.Files().size())) {
        return;
    }
    const std::string path = m_recent.Files()[static_cast<std::size_t>(index)];
    if (!SaveModified()) {
        return;
    }
    std::string error;
    if (!LoadDocument(path, error)) {
        // A recent file that can no longer be read leaves the list; saving the changes first
        // may have moved it.
        for (std::size_t i = 0; i < m_recent.Files().size(); ++i) {
            if (m_recent.Files()[i] == path) {
                m_recent.Remove(static_cast<int>(i));
                break;
            }
        }
        m_messages.AppMessage(m_owner(), error);
    }
}

bool CDocumentManager::OpenDocumentFile(const std::string& path) {
    if (!SaveModified()) {
        return false;
    }
    std::string error;
    if (!LoadDocument(path, error)) {
        m_messages.AppMessage(m_owner(), error);
        return false;
    }
    return true;
}

bool CDocumentManager::LoadDocument(const std::string& path, std::string& error) {
    const std::string absolute = AbsolutePath(path);
    std::string warning;
    if (!m_session.Open(absolute, error, warning)) {
        return false;
    }
    m_recent.Add(absolute);
    if (!warning.empty()) {
        m_messages.AppMessage(m_owner(), warning);
    }
    return true;
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
    if (!m_session.Document().IsModified()) {
        return true;
    }
    const std::string question = UserText(TextId::SaveChangesQuestion, {m_session.Title()});
    switch (m_messages.Show(m_owner(), MessageKind::AppSaveChanges, question)) {
    case MessageAnswer::Cancel:
        return false;
    case MessageAnswer::Yes:
        return OnFileSave();
    default:
        return true;
    }
}
