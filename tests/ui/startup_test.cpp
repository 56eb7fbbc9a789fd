// Start-up: an empty document, a file named on the command line, a file that cannot be read.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"
#include "ui/phase_diagram.h"

using StartupTest = AppFixture;

TEST_F(StartupTest, EmptyDocumentShowsTheCurrentMomentInTheSimpleLayout) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(IDC_DAY), "17");
    EXPECT_EQ(Text(IDC_MONTH), "5");
    EXPECT_EQ(Text(IDC_YEAR), "2024");
    EXPECT_EQ(Text(IDC_HOUR), "14");
    EXPECT_EQ(Text(IDC_MINUTE), "33");
    EXPECT_EQ(Text(IDC_TIME_ZONE), "1");
    EXPECT_FALSE(qobject_cast<QCheckBox*>(Control(IDC_SOUTHERN))->isChecked());
    EXPECT_FALSE(qobject_cast<QCheckBox*>(Control(IDC_CONST_ZONE))->isChecked());
    EXPECT_EQ(Text(IDC_NAME), "");
    EXPECT_EQ(Text(IDC_BIRTH), "17.5.2024 14:33Uhr");
    EXPECT_NE(Text(IDC_MOON), "Static");
    EXPECT_TRUE(Text(IDC_JULIAN).startsWith("2460448."));
    EXPECT_NEAR(Diagram().m_dCentreJD, Text(IDC_JULIAN).toDouble(), 1e-6);
    EXPECT_EQ(Text(IDC_LAYOUT), "Extras >> ");
    EXPECT_TRUE(SimpleLayout());
    EXPECT_EQ(Frame().frameGeometry().size(), ExpectedFrameSize(IDC_GROUP_RESULT));
    EXPECT_EQ(Frame().windowTitle(), "Unbenannt - Orlinde Berechnung");
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(StartupTest, StartUpEvaluatesTwice) {
    now = QDateTime(QDate(1899, 12, 31), QTime(23, 0));
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    ASSERT_TRUE(Start());
    EXPECT_EQ(messages.Texts(), QStringList(2, "Calcul pour une date d'un siècle précédent ?"));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppYesNo);
    EXPECT_EQ(messages.shown[0].caption, "Calcul Orlinde");
    EXPECT_EQ(Text(IDC_BIRTH), "31.12.1899 23:00Uhr");
}

TEST_F(StartupTest, FileOnTheCommandLineShowsTheFirstSortedName) {
    const QString path =
        WriteFile("personen.dat", {{"zoe", VXDateStore(1990, 1, 2, 3, 4, 1, 0, 0)},
                                   {"Muster", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1)},
                                   {"anna", VXDateStore(1975, 7, 5, 8, 5, 0, 1, 2)}});
    ASSERT_TRUE(Start({path}));
    EXPECT_TRUE(messages.shown.empty());
    const QListWidget& list = RecordList();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), "anna");
    EXPECT_EQ(list.item(1)->text(), "Muster");
    EXPECT_EQ(list.item(2)->text(), "zoe");
    EXPECT_TRUE(list.item(0)->isSelected());
    EXPECT_EQ(Text(IDC_NAME), "anna");
    EXPECT_EQ(Text(IDC_YEAR), "1975");
    EXPECT_EQ(Text(IDC_TIME_ZONE), "2");
    EXPECT_TRUE(qobject_cast<QCheckBox*>(Control(IDC_CONST_ZONE))->isChecked());
    EXPECT_EQ(Text(IDC_BIRTH), "5.7.1975 8:05Uhr");
    EXPECT_EQ(Frame().windowTitle(), "personen.dat - Orlinde Berechnung");
    EXPECT_EQ(app->RecentFiles().Files(), QStringList{path});
}

TEST_F(StartupTest, UnreadableFileEndsTheProgramWithItsMessage) {
    const QString path = TempPath("kaputt.dat");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x05\x00", 2); // a count of five entries, then nothing
    file.close();
    EXPECT_FALSE(Start({path}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppOk);
    EXPECT_TRUE(messages.shown[0].text.contains("kaputt.dat"));
    EXPECT_FALSE(Frame().isVisible());

    messages.Clear();
    EXPECT_FALSE(Start({TempPath("fehlt.dat")}));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(StartupTest, FileAfterDoubleDashMayStartWithADash) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    WriteFile("-x.dat", {{"Muster", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1)}});
    // Without "--" it is an option: nothing is opened.
    ASSERT_TRUE(Start({"-x.dat"}));
    EXPECT_EQ(Frame().windowTitle(), "Unbenannt - Orlinde Berechnung");
    ASSERT_TRUE(Start({"--", "-x.dat"}));
    EXPECT_EQ(Frame().windowTitle(), "-x.dat - Orlinde Berechnung");
    EXPECT_EQ(RecordList().count(), 1);
    EXPECT_EQ(app->RecentFiles().Files(), QStringList{TempPath("-x.dat")});
    EXPECT_TRUE(messages.shown.empty());
    QDir::setCurrent(previous);
}
