#pragma once
// The main window: menu bar 128 and accelerator table 128 around the form view.
#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Replaces the recent-file entries of the File menu; greyed "Documents récents" when
    // there are none.
    void SetRecentFiles(const QStringList& paths);
    // The action of a menu command (recent files: ID_FILE_MRU_FILE1 and the three after it),
    // or nullptr. The accelerators of a command trigger its action.
    QAction* CommandAction(int command) const { return m_actions.value(command); }

    // Asked before the window closes; false keeps it open.
    std::function<bool()> m_canClose;

    // Runs fit once more as soon as the window manager's decoration around the shown window
    // is known (it arrives after the window is mapped); nothing when it is known already.
    void FitAgainWhenDecorated(std::function<void()> fit);

  signals:
    // The recent file at index (0 to 3) was chosen.
    void recentFileChosen(int index);
    // A record file (".dat") was dropped on the window.
    void fileDropped(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Drops: one local ".dat" file is taken; anything else (other files, several files, text)
    // is not accepted, so the pointer shows that it cannot be dropped.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateMenus();
    void CreateAccelerators();
    void RunFitIfDecorated();

    QHash<int, QAction*> m_actions;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentPlaceholder = nullptr; // the greyed item, shown while the list is empty
    QList<QAction*> m_recentActions;
    QList<QKeySequence> m_accelerators;
    std::function<void()> m_fitWhenDecorated;
};
