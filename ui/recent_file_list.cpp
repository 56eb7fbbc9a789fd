#include "ui/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const char* const kSection = "Recent File List";

QString EntryKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

CRecentFileList::CRecentFileList(QString organization, QString application)
    : m_organization(std::move(organization)), m_application(std::move(application)) {}

void CRecentFileList::Load() {
    m_files.clear();
    QSettings settings(m_organization, m_application);
    settings.beginGroup(QString::fromUtf8(kSection));
    for (int i = 0; i < kMaxFiles; ++i) {
        const QString path = settings.value(EntryKey(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path)) {
            m_files.append(path);
        }
    }
}

void CRecentFileList::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kMaxFiles) {
        m_files.removeLast();
    }
    Save();
    if (m_observer) {
        m_observer();
    }
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < m_files.size()) {
        m_files.removeAt(index);
        Save();
        if (m_observer) {
            m_observer();
        }
    }
}

void CRecentFileList::Save() const {
    QSettings settings(m_organization, m_application);
    settings.beginGroup(QString::fromUtf8(kSection));
    settings.remove(QString());
    for (int i = 0; i < m_files.size(); ++i) {
        settings.setValue(EntryKey(i), m_files[i]);
    }
}
