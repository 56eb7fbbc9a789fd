#include "ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>

#include "res/menu_table.h"
#include "res/resource_ids.h"
#include "ui/form_builder.h"

namespace {

QKeySequence KeyOf(const AcceleratorEntry& entry) {
    int key = 0;
    switch (entry.key) {
    case AccelKey::N:
        key = Qt::Key_N;
        break;
    case AccelKey::O:
        key = Qt::Key_O;
        break;
    case AccelKey::S:
        key = Qt::Key_S;
        break;
    case AccelKey::P:
        key = Qt::Key_P;
        break;
    case AccelKey::Z:
        key = Qt::Key_Z;
        break;
    case AccelKey::X:
        key = Qt::Key_X;
        break;
    case AccelKey::C:
        key = Qt::Key_C;
        break;
    case AccelKey::V:
        key = Qt::Key_V;
        break;
    case AccelKey::Backspace:
        key = Qt::Key_Backspace;
        break;
    case AccelKey::Delete:
        key = Qt::Key_Delete;
        break;
    case AccelKey::Insert:
        key = Qt::Key_Insert;
        break;
    case AccelKey::F6:
        key = Qt::Key_F6;
        break;
    case AccelKey::Y:
        key = Qt::Key_Y;
        break;
    case AccelKey::F:
        key = Qt::Key_F;
        break;
    case AccelKey::F3:
        key = Qt::Key_F3;
        break;
    }
    if (entry.modifiers & kAccelShift) {
        key |= Qt::SHIFT;
    }
    if (entry.modifiers & kAccelControl) {
        key |= Qt::CTRL;
    }
    if (entry.modifiers & kAccelAlt) {
        key |= Qt::ALT;
    }
    return QKeySequence(key);
}

// The one local ".dat" file a drop carries, or nothing.
QString DroppedRecordFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile()) {
        return {};
    }
    const QString path = url.toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0
               ? path
               : QString();
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setAcceptDrops(true);
    setWindowIcon(QIcon(ResourcePixmap(IDR_MAINFRAME)));
    CreateMenus();
    CreateAccelerators();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
}

void CMainFrame::CreateMenus() {
    QMenu* popup = nullptr;
    for (const MenuItemTemplate& item : MenuTemplate128()) {
        if (item.flags & kMenuPopup) {
            popup = menuBar()->addMenu(QString::fromUtf8(item.text));
            if (!m_fileMenu) {
                m_fileMenu = popup;
            }
            continue;
        }
        if (item.flags & kMenuSeparator) {
            popup->addSeparator();
            continue;
        }
        // The text after the tab is shown as the key; the keys themselves are the
        // accelerator table's.
        QAction* action = popup->addAction(QString::fromUtf8(item.text));
        action->setEnabled(!(item.flags & kMenuGrayed));
        m_actions.insert(item.command, action);
        if (item.command == ID_FILE_MRU_FILE1) {
            m_recentPlaceholder = action;
        }
    }
}

void CMainFrame::CreateAccelerators() {
    for (const AcceleratorEntry& entry : AcceleratorTable128()) {
        const QKeySequence keys = KeyOf(entry);
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        // Keys of commands without a menu item (undo, cut, paste, panes) are taken and do
        // nothing.
        if (QAction* action = CommandAction(entry.command)) {
            connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
        }
        m_accelerators.append(keys);
    }
}

void CMainFrame::SetRecentFiles(const QStringList& paths) {
    for (QAction* action : m_recentActions) {
        m_actions.remove(m_actions.key(action));
        m_fileMenu->removeAction(action);
        delete action;
    }
    m_recentActions.clear();
    m_recentPlaceholder->setVisible(paths.isEmpty());
    if (paths.isEmpty()) {
        m_actions.insert(ID_FILE_MRU_FILE1, m_recentPlaceholder);
        return;
    }
    m_actions.remove(ID_FILE_MRU_FILE1);
    for (int i = 0; i < paths.size() && ID_FILE_MRU_FILE1 + i <= ID_FILE_MRU_FILE4; ++i) {
        QString shown = QDir::toNativeSeparators(paths[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), m_fileMenu);
        m_fileMenu->insertAction(m_recentPlaceholder, action);
        connect(action, &QAction::triggered, this, [this, i] { emit recentFileChosen(i); });
        m_actions.insert(ID_FILE_MRU_FILE1 + i, action);
        m_recentActions.append(action);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_canClose && !m_canClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedRecordFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedRecordFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DroppedRecordFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // After the drop has ended: the question whether to save changes must not run inside
    // the drag's own event handling.
    QMetaObject::invokeMethod(
        this, [this, path] { emit fileDropped(path); }, Qt::QueuedConnection);
}

void CMainFrame::FitAgainWhenDecorated(std::function<void()> fit) {
    m_fitWhenDecorated = frameGeometry().size() == size() ? std::move(fit) : nullptr;
}

void CMainFrame::RunFitIfDecorated() {
    if (m_fitWhenDecorated && frameGeometry().size() != size()) {
        const std::function<void()> fit = std::move(m_fitWhenDecorated);
        m_fitWhenDecorated = nullptr;
        fit();
    }
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    RunFitIfDecorated();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    RunFitIfDecorated();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // The accelerators come before the controls: the keys of the table do not reach an edit
    // field (Ctrl+C copies the person shown, F6 does nothing), except the editing keys.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier,
                                                       static_cast<Qt::Key>(key->key())));
            // Inside an edit field the standard keys for paste, cut, undo and redo edit the
            // field.
            const bool editingKey =
                key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
                key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
            if (m_accelerators.contains(pressed) &&
                !(editingKey && qobject_cast<const QLineEdit*>(widget))) {
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
