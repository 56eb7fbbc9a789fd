#include "app/document_steps.h"

#include <algorithm>
#include <utility>

#include "app/text_catalogue.h"

DocumentSteps::DocumentSteps(DocumentSession& session, DocumentStepsFrontEnd frontEnd)
    : m_session(session), m_frontEnd(std::move(frontEnd)) {}

std::optional<std::string> DocumentSteps::SaveChangesQuestion() const {
    if (!m_session.Document().IsModified()) {
        return std::nullopt;
    }
    return UserText(TextId::SaveChangesQuestion, {m_session.Title()});
}

bool DocumentSteps::SaveModified() {
    const std::optional<std::string> question = SaveChangesQuestion();
    if (!question) {
        return true;
    }
    switch (m_frontEnd.askSaveChanges(*question)) {
    case SaveChangesAnswer::Cancel:
        return false;
    case SaveChangesAnswer::Yes:
        return m_frontEnd.save();
    case SaveChangesAnswer::No:
        break;
    }
    return true;
}

bool DocumentSteps::Load(const std::string& path, std::string& error) {
    std::string warning;
    if (!m_session.Open(path, error, warning)) {
        return false;
    }
    m_frontEnd.addRecent(path);
    if (!warning.empty()) {
        m_frontEnd.tell(warning);
    }
    return true;
}

bool DocumentSteps::Open(const std::string& path) {
    if (!SaveModified()) {
        return false;
    }
    std::string error;
    if (!Load(path, error)) {
        m_frontEnd.tell(error);
        return false;
    }
    return true;
}

bool DocumentSteps::OpenRecent(int index) {
    std::vector<std::string> files = m_frontEnd.recentFiles();
    if (index < 0 || index >= static_cast<int>(files.size())) {
        return false;
    }
    const std::string path = std::move(files[static_cast<std::size_t>(index)]);
    if (!SaveModified()) {
        return false;
    }
    std::string error;
    if (Load(path, error)) {
        return true;
    }
    // Saving the changes first may have moved the file in the list (to its head, when the
    // document was saved under that very name).
    files = m_frontEnd.recentFiles();
    if (const auto it = std::find(files.begin(), files.end(), path); it != files.end()) {
        m_frontEnd.removeRecent(static_cast<int>(it - files.begin()));
    }
    m_frontEnd.tell(error);
    return false;
}
