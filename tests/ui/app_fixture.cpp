#include "app_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>

#include "app/record_commands.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"
#include "ui/phase_diagram.h"

namespace {

int g_settingsCounter = 0;

} // namespace

AppFixture::AppFixture()
    : settingsOrganization(QStringLiteral("Vexamo Tests %1").arg(++g_settingsCounter)) {
    QSettings(settingsOrganization, QStringLiteral("Calcul Orlinde")).clear();
}

AppFixture::~AppFixture() {
    if (app) {
        // Leave without the question whether to save.
        Doc().SetModifiedFlag(false);
        app.reset();
    }
    QSettings(settingsOrganization, QStringLiteral("Calcul Orlinde")).clear();
}

bool AppFixture::Start(const QStringList& arguments) {
    app = std::make_unique<CVexamoApp>(
        messages, files, CRecentFileList(settingsOrganization, QStringLiteral("Calcul Orlinde")));
    app->SetClock([this] { return now; });
    app->SetDialogService(dialogs);
    app->SetPrintDialogService(printDialogs);
    app->SetPlaceCatalogue(places);
    if (placeTableFile) {
        app->SetPlaceTableFile(*placeTableFile);
    }
    app->SetComputerZone(computerZone);
    const bool started = app->InitInstance(arguments);
    QApplication::processEvents();
    return started;
}

CMainView& AppFixture::View() const {
    return *app->View();
}

CMainFrame& AppFixture::Frame() const {
    return *app->MainFrame();
}

QWidget* AppFixture::Control(int id) const {
    QWidget* control = View().findChild<QWidget*>(QString::number(id));
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

CPhaseDiagram& AppFixture::Diagram() const {
    return *qobject_cast<CPhaseDiagram*>(Control(IDC_DIAGRAM));
}

QListWidget& AppFixture::RecordList() const {
    return *qobject_cast<QListWidget*>(Control(IDC_LIST_DATES));
}

QStringList NamesStoredIn(const QString& path, bool* trailing) {
    CVexamoDoc document;
    DocFault fault;
    EXPECT_TRUE(document.OpenDocument(path.toStdString(), fault));
    QStringList names;
    for (const auto& entry : document.m_mapDateStore) {
        names.append(QString::fromStdString(NameOfKey(entry.name)));
    }
    names.sort();
    if (trailing != nullptr) {
        *trailing = document.GetOpenNotice().kind != ParseNotice::None;
    }
    return names;
}

QStringList AppFixture::ListedNames() const {
    QStringList names;
    for (int i = 0; i < RecordList().count(); ++i) {
        names.append(RecordList().item(i)->text());
    }
    return names;
}

bool AppFixture::SimpleLayout() const {
    return Text(IDC_LAYOUT) == "Extras >> ";
}

QString AppFixture::Text(int id) const {
    QWidget* control = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    ADD_FAILURE() << "no text control " << id;
    return {};
}

void AppFixture::SetText(int id, const QString& text) const {
    auto* edit = qobject_cast<QLineEdit*>(Control(id));
    ASSERT_NE(edit, nullptr) << id;
    edit->setText(text);
}

void AppFixture::SetChecked(int id, bool checked) const {
    qobject_cast<QCheckBox*>(Control(id))->setChecked(checked);
}

void AppFixture::Click(int id) const {
    auto* button = qobject_cast<QPushButton*>(Control(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

void AppFixture::Command(int command) const {
    QAction* action = Frame().CommandAction(command);
    ASSERT_NE(action, nullptr) << command;
    action->trigger();
}

void AppFixture::EnterBirth(int day, int month, int year, int hour, int minute,
                            int timeZone) const {
    SetText(IDC_DAY, QString::number(day));
    SetText(IDC_MONTH, QString::number(month));
    SetText(IDC_YEAR, QString::number(year));
    SetText(IDC_HOUR, QString::number(hour));
    SetText(IDC_MINUTE, QString::number(minute));
    SetText(IDC_TIME_ZONE, QString::number(timeZone));
}

QString AppFixture::TempPath(const QString& fileName) const {
    return QDir(folder.path()).filePath(fileName);
}

QString
AppFixture::WriteFile(const QString& fileName,
                      const std::vector<std::pair<std::string, VXDateStore>>& records) const {
    CVexamoDoc document;
    for (const auto& [name, record] : records) {
        document.m_mapDateStore.SetAt(name, record);
    }
    const QString path = TempPath(fileName);
    DocFault fault;
    EXPECT_TRUE(document.SaveDocument(path.toStdString(), fault)) << fault.file.errnoValue;
    return path;
}

QSize AppFixture::ExpectedFrameSize(int groupId) const {
    const QWidget* group = Control(groupId);
    const QPoint corner = group->mapToGlobal(QPoint(group->width(), group->height()));
    const QRect frame = Frame().frameGeometry();
    return {corner.x() - frame.left() + 15, corner.y() - frame.top() + 15};
}
