#pragma once
// The most recently opened or saved files, most recent first, kept in the user's settings.
#include <QString>
#include <QStringList>
#include <functional>

inline constexpr const char* kSettingsOrganization = "Local AppWizard-Generated Applications";
inline constexpr const char* kSettingsApplication = "Calcul Orlinde";

class CRecentFileList {
  public:
    static constexpr int kMaxFiles = 4;

    CRecentFileList(QString organization = QString::fromUtf8(kSettingsOrganization),
                    QString application = QString::fromUtf8(kSettingsApplication));

    void Load();
    const QStringList& Files() const { return m_files; }
    // Puts path first (removing an older entry of it) and keeps at most four; saved at once.
    void Add(const QString& path);
    void Remove(int index);
    // Told after every change of the list.
    void SetObserver(std::function<void()> observer) { m_observer = std::move(observer); }

  private:
    void Save() const;

    QString m_organization;
    QString m_application;
    QStringList m_files;
    std::function<void()> m_observer;
};
