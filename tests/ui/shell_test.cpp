// File commands, the question whether to save, recent files, menus and accelerators.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"
#include "ui/recent_file_list.h"

using ShellTest = AppFixture;

namespace {

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible()) {
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return texts;
}

} // namespace

TEST_F(ShellTest, MenuBarFollowsTheMenuTable) {
    ASSERT_TRUE(Start());
    const QList<QAction*> popups = Frame().menuBar()->actions();
    ASSERT_EQ(popups.size(), 4);
    EXPECT_EQ(popups[0]->text(), "&Fichier");
    EXPECT_EQ(popups[3]->text(), "&?");
    EXPECT_EQ(MenuTexts(popups[0]->menu()),
              (QStringList{"&Nouveau\tCtrl+N", "Ouvrir...\tCtrl+O", "Enregistrer\tCtrl+S",
                           "Enregistrer &sous...", "-", "&Imprimer...\tCtrl+P",
                           "Aperçu a&vant impression", "Configuration de l'i&mpression...",
                           "E&xporter en PDF...", "Exporter &tout en PDF...", "-",
                           "Documents récents", "-", "&Quitter"}));
    EXPECT_EQ(MenuTexts(popups[1]->menu()),
              (QStringList{"&Copier\tCtrl+C", "&Copier tout", "Copier le &diagramme", "-",
                           "&Annuler\tCtrl+Z", "&Rétablir\tCtrl+Y", "-", "Rec&hercher…\tCtrl+F",
                           "Sui&vant\tF3"}));
    EXPECT_EQ(MenuTexts(popups[2]->menu()),
              (QStringList{"&Date actuelle", "&Lieu de naissance..."}));
    EXPECT_FALSE(Frame().CommandAction(ID_FILE_MRU_FILE1)->isEnabled());
}

TEST_F(ShellTest, SaveAsOpenAndTheRecentFileList) {
    ASSERT_TRUE(Start());
    QStringList saved;
    for (int i = 1; i <= 5; ++i) {
        saved.prepend(TempPath(QStringLiteral("datei%1.dat").arg(i)));
        files.saveAnswers = {saved.front()};
        Command(ID_FILE_SAVE_AS);
    }
    EXPECT_EQ(files.lastFilter, "Dateityp Vexamo (*.dat)");
    EXPECT_EQ(files.lastSuffix, "dat");
    EXPECT_EQ(files.lastSuggestedName, TempPath("datei4.dat"));
    EXPECT_EQ(Frame().windowTitle(), "datei5.dat - Orlinde Berechnung");
    EXPECT_EQ(app->RecentFiles().Files(), saved.mid(0, 4));
    EXPECT_EQ(Frame().CommandAction(ID_FILE_MRU_FILE1 + 1)->text(), "&2 " + TempPath("datei4.dat"));
    EXPECT_EQ(Frame().CommandAction(ID_FILE_MRU_FILE1 + 3)->text().left(3), "&4 ");

    // Opening an older one moves it to the front; the list survives a restart.
    Command(ID_FILE_MRU_FILE1 + 3);
    EXPECT_EQ(Frame().windowTitle(), "datei2.dat - Orlinde Berechnung");
    CRecentFileList reloaded(settingsOrganization, "Calcul Orlinde");
    reloaded.Load();
    EXPECT_EQ(reloaded.Files(), (QStringList{saved[3], saved[0], saved[1], saved[2]}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ShellTest, UntitledSaveSuggestsTheTemplateName) {
    ASSERT_TRUE(Start());
    files.saveAnswers = {std::nullopt};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(files.lastSuggestedName, "Unbenannt.dat");
    EXPECT_EQ(Frame().windowTitle(), "Unbenannt - Orlinde Berechnung");
}

TEST_F(ShellTest, FailedOpenKeepsTheDocument) {
    const QString good =
        WriteFile("gut.dat", {{"Muster", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1)}});
    ASSERT_TRUE(Start({good}));
    Doc().m_mapDateStore.SetAt("Neu", VXDateStore());
    Doc().SetModifiedFlag(true);
    files.openAnswers = {TempPath("fehlt.dat")};
    messages.answers = {MessageAnswer::No}; // do not save the changes first
    Command(ID_FILE_OPEN);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Änderungen an gut.dat speichern?");
    EXPECT_EQ(messages.shown[1].kind, MessageKind::AppOk);
    EXPECT_TRUE(messages.shown[1].text.contains("fehlt.dat"));
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 2);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Frame().windowTitle(), "gut.dat - Orlinde Berechnung");
    EXPECT_EQ(RecordList().count(), 1);
}

TEST_F(ShellTest, RecentFileThatVanishedLeavesTheList) {
    const QString path = WriteFile("weg.dat", {});
    ASSERT_TRUE(Start({path}));
    ASSERT_TRUE(QFile::remove(path));
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(app->RecentFiles().Files().isEmpty());
    EXPECT_TRUE(Frame().CommandAction(ID_FILE_MRU_FILE1)->isVisible());
    EXPECT_FALSE(Frame().CommandAction(ID_FILE_MRU_FILE1)->isEnabled());
}

TEST_F(ShellTest, VanishedRecentFileLeavesTheListAfterSavingFirst) {
    // Recent files: kept.dat, then weg.dat (which then vanishes).
    const QString gone = WriteFile("weg.dat", {});
    const QString kept = WriteFile("kept.dat", {});
    ASSERT_TRUE(Start({gone}));
    files.openAnswers = {kept};
    Command(ID_FILE_OPEN);
    ASSERT_TRUE(QFile::remove(gone));
    Command(ID_FILE_NEW);
    SetText(IDC_NAME, "Muster");
    Click(IDC_ADD);

    // Saving the untitled changes first puts the new file at the head of the list.
    const QString saved = TempPath("neu.dat");
    messages.answers = {MessageAnswer::Yes};
    files.saveAnswers = {saved};
    Command(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(messages.shown.back().kind, MessageKind::AppOk);
    EXPECT_EQ(app->RecentFiles().Files().join('|'), saved + '|' + kept);
    EXPECT_EQ(Frame().windowTitle(), "neu.dat - Orlinde Berechnung");
}

TEST_F(ShellTest, TitleShowsTheFileNameAsItIs) {
    const QString path = WriteFile("Liste [*] 2.dat", {});
    ASSERT_TRUE(Start({path}));
    ASSERT_NE(Frame().windowHandle(), nullptr);
    EXPECT_EQ(Frame().windowHandle()->title(), "Liste [*] 2.dat - Orlinde Berechnung");
}

TEST_F(ShellTest, QuestionBeforeNewCancelDiscardAndFailedSave) {
    ASSERT_TRUE(Start());
    SetText(IDC_NAME, "Muster");
    Click(IDC_ADD);
    ASSERT_TRUE(Doc().IsModified());

    messages.answers = {MessageAnswer::Cancel};
    Command(ID_FILE_NEW);
    EXPECT_EQ(messages.Texts(), QStringList{"Änderungen an Unbenannt speichern?"});
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppSaveChanges);
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 1);

    // Yes, but the save fails (a folder is no file): the New is abandoned.
    messages.Clear();
    messages.answers = {MessageAnswer::Yes};
    files.saveAnswers = {folder.path()};
    Command(ID_FILE_NEW);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 1);
    EXPECT_TRUE(Doc().IsModified());

    messages.answers = {MessageAnswer::No};
    Command(ID_FILE_NEW);
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 0);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(RecordList().count(), 0);
}

TEST_F(ShellTest, CloseAsksAndSavingLetsItClose) {
    ASSERT_TRUE(Start());
    SetText(IDC_NAME, "Muster");
    Click(IDC_ADD);
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(Frame().close());
    EXPECT_TRUE(Frame().isVisible());
    messages.answers = {MessageAnswer::Yes};
    files.saveAnswers = {TempPath("ende.dat")};
    EXPECT_TRUE(Frame().close());
    EXPECT_TRUE(QFile::exists(TempPath("ende.dat")));
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(ShellTest, AcceleratorsComeBeforeTheEditFields) {
    ASSERT_TRUE(Start());
    Frame().activateWindow();
    auto* name = qobject_cast<QLineEdit*>(Control(IDC_NAME));
    name->setFocus();
    QTest::keyClicks(name, "Muster");
    QApplication::clipboard()->setText("vorher");
    QTest::keyClick(name, Qt::Key_F6);
    QTest::keyClick(name, Qt::Key_F6, Qt::ShiftModifier);
    QTest::keyClick(name, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "Muster");
    EXPECT_EQ(QApplication::clipboard()->text(), "vorher");

    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Muster\t"));
    QApplication::clipboard()->setText("vorher");
    QTest::keyClick(name, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Muster\t"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(ShellTest, OpenShowsTheFirstSortedNameAndAnEmptyFileTheCurrentMoment) {
    const QString people =
        WriteFile("leute.dat", {{"Zora", VXDateStore(1990, 1, 2, 3, 4, 0, 0, 0)},
                                {"berta", VXDateStore(1980, 5, 6, 7, 8, 0, 0, 3)}});
    const QString empty = WriteFile("leer.dat", {});
    ASSERT_TRUE(Start());
    files.openAnswers = {people};
    Frame().CommandAction(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(Text(IDC_NAME), "berta");
    EXPECT_EQ(Text(IDC_BIRTH), "6.5.1980 7:08Uhr");
    EXPECT_EQ(RecordList().count(), 2);

    now = QDateTime(QDate(2023, 2, 1), QTime(9, 10));
    files.openAnswers = {empty};
    Frame().CommandAction(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(Text(IDC_NAME), "");
    EXPECT_EQ(Text(IDC_BIRTH), "1.2.2023 9:10Uhr");
    EXPECT_EQ(Text(IDC_TIME_ZONE), "3"); // the time difference of the record shown before stays
    EXPECT_EQ(RecordList().count(), 0);
    EXPECT_TRUE(messages.shown.empty());
}
