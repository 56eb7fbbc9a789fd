// Start-up: an empty document, a file named on the command line, a file that cannot be read.
#include <QCheckBox>
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
    EXPECT_EQ(Text(1004), "17");
    EXPECT_EQ(Text(1005), "5");
    EXPECT_EQ(Text(1006), "2024");
    EXPECT_EQ(Text(1007), "14");
    EXPECT_EQ(Text(1008), "33");
    EXPECT_EQ(Text(1022), "1");
    EXPECT_FALSE(qobject_cast<QCheckBox*>(View().Control(1001))->isChecked());
    EXPECT_FALSE(qobject_cast<QCheckBox*>(View().Control(1002))->isChecked());
    EXPECT_EQ(Text(1016), "");
    EXPECT_EQ(Text(1024), "17.5.2024 14:33Uhr");
    EXPECT_NE(Text(1012), "Static");
    EXPECT_TRUE(Text(1021).startsWith("2460448."));
    EXPECT_NEAR(View().m_diagram->m_dCentreJD, Text(1021).toDouble(), 1e-6);
    EXPECT_EQ(Text(1000), "Extras >> ");
    EXPECT_TRUE(View().m_bSimple);
    EXPECT_EQ(Frame().frameGeometry().size(), ExpectedFrameSize(1028));
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
    EXPECT_EQ(Text(1024), "31.12.1899 23:00Uhr");
}

TEST_F(StartupTest, FileOnTheCommandLineShowsTheFirstSortedName) {
    const QString path =
        WriteFile("personen.dat", {{"zoe", VXDateStore(1990, 1, 2, 3, 4, 1, 0, 0)},
                                   {"Muster", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1)},
                                   {"anna", VXDateStore(1975, 7, 5, 8, 5, 0, 1, 2)}});
    ASSERT_TRUE(Start({path}));
    EXPECT_TRUE(messages.shown.empty());
    const QListWidget& list = *View().m_listDates;
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), "anna");
    EXPECT_EQ(list.item(1)->text(), "Muster");
    EXPECT_EQ(list.item(2)->text(), "zoe");
    EXPECT_TRUE(list.item(0)->isSelected());
    EXPECT_EQ(Text(1016), "anna");
    EXPECT_EQ(Text(1006), "1975");
    EXPECT_EQ(Text(1022), "2");
    EXPECT_TRUE(qobject_cast<QCheckBox*>(View().Control(1002))->isChecked());
    EXPECT_EQ(Text(1024), "5.7.1975 8:05Uhr");
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
