// "&Lieu de naissance..." from the menu: the form's date and time go into the dialog (after the
// form's checks), OK puts the place's time difference into field 1022 and evaluates, Cancel
// changes nothing. The dialog is the real one, worked by a script instead of a modal loop.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/text_catalogue.h"
#include "app_fixture.h"
#include "astro/birth.h"
#include "places/place_catalogue.h"
#include "places/place_table_file.h"
#include "ui/birthplace_dialog.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"

namespace {

const places::PlaceCatalogue& TestPlaces() {
    static const places::PlaceCatalogue catalogue({
        {"München", "Bayern", "Deutschland", "DE", "Europe/Berlin", 48.14, 11.58, 1260391},
        {"Münster", "Nordrhein-Westfalen", "Deutschland", "DE", "Europe/Berlin", 51.96, 7.63,
         270184},
        {"Mumbai", "Maharashtra", "Indien", "IN", "Asia/Kolkata", 19.07, 72.88, 12691836},
    });
    return catalogue;
}

CBirthplaceDialog& Birthplace(QDialog& dialog) {
    auto* birthplace = qobject_cast<CBirthplaceDialog*>(&dialog);
    EXPECT_NE(birthplace, nullptr);
    return *birthplace;
}

// Types the text key by key into the search field.
void Type(CBirthplaceDialog& dialog, const char* text) {
    for (const QChar c : QString::fromUtf8(text)) {
        QTest::sendKeyEvent(QTest::Click, dialog.SearchField(), Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    }
}

QString Julian(int day, int month, int year, int hour, int minute, int timeZone) {
    return QString::fromStdString(
        EvaluateBirth(day, month, year, hour, minute, timeZone, 0, 0).m_strJulianDate);
}

} // namespace

class BirthplaceCommandTest : public AppFixture {
  protected:
    void SetUp() override {
        places = &TestPlaces();
        ASSERT_TRUE(Start());
        messages.Clear();
    }
};

TEST_F(BirthplaceCommandTest, LastItemOfTheInsertMenu) {
    QAction* item = Frame().CommandAction(ID_INSERT_BIRTHPLACE);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Lieu de naissance...");
    const QList<QAction*> menus = Frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[2]->text(), "&Insérer");
    EXPECT_EQ(menus[2]->menu()->actions().last(), item);
}

TEST_F(BirthplaceCommandTest, OkFillsTheTimeDifferenceAndEvaluates) {
    // Typed, not yet calculated: the dialog gets what the fields hold.
    EnterBirth(1, 7, 1990, 12, 0, 1);
    QString explanation;
    dialogs.scripts.push_back([&explanation](QDialog& d) {
        CBirthplaceDialog& dialog = Birthplace(d);
        EXPECT_EQ(dialog.windowTitle(), "Lieu de naissance");
        Type(dialog, "Mün");
        ASSERT_EQ(dialog.PlaceList()->count(), 2);
        QTest::keyClick(dialog.SearchField(), Qt::Key_Down);
        QTest::keyClick(dialog.SearchField(), Qt::Key_Up);
        explanation = dialog.Explanation()->text();
        QTest::keyClick(dialog.SearchField(), Qt::Key_Return);
    });
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_TRUE(dialogs.scripts.empty());
    EXPECT_EQ(explanation, "Le 1.7.1990 à 12:00 à München :\n"
                           "UTC+02:00 (CEST), heure d'été.\n"
                           "Fuseau horaire: -2");
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-2");
    EXPECT_EQ(View().Input().timeZone, -2);
    EXPECT_EQ(Text(IDC_JULIAN), Julian(1, 7, 1990, 12, 0, -2));
    EXPECT_EQ(Text(IDC_BIRTH), "1.7.1990 12:00Uhr");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(Doc().IsModified());
}

// A town not in the place list: its zone chosen by name gives the value, as a place would.
TEST_F(BirthplaceCommandTest, ZoneChosenByNameFillsTheTimeDifference) {
    EnterBirth(15, 1, 1980, 12, 0, 1);
    dialogs.scripts.push_back([](QDialog& d) {
        CBirthplaceDialog& dialog = Birthplace(d);
        Type(dialog, "Hintertupfing");
        ASSERT_FALSE(dialog.OkButton()->isEnabled());
        QTest::keyClicks(dialog.ZoneSearchField(), "Europe/Ber");
        ASSERT_EQ(dialog.SelectedZone(), "Europe/Berlin");
        dialog.OkButton()->click();
    });
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_TRUE(dialogs.scripts.empty());
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-1");
    EXPECT_EQ(Text(IDC_JULIAN), Julian(15, 1, 1980, 12, 0, -1));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BirthplaceCommandTest, CancelChangesNothing) {
    EnterBirth(15, 1, 1980, 12, 0, 1);
    Click(IDC_CALCULATE);
    const QString julian = Text(IDC_JULIAN);
    const QString moon = Text(IDC_MOON);
    // A different hour typed but not calculated stays typed and unevaluated.
    SetText(IDC_HOUR, "13");
    dialogs.scripts.push_back([](QDialog& d) {
        CBirthplaceDialog& dialog = Birthplace(d);
        Type(dialog, "Mün");
        ASSERT_TRUE(dialog.OkButton()->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_TRUE(dialogs.scripts.empty());
    EXPECT_EQ(Text(IDC_TIME_ZONE), "1");
    EXPECT_EQ(Text(IDC_HOUR), "13");
    EXPECT_EQ(Text(IDC_JULIAN), julian);
    EXPECT_EQ(Text(IDC_MOON), moon);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BirthplaceCommandTest, RefusedFormOpensNoDialog) {
    EnterBirth(15, 13, 1980, 12, 0, 1);
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_TRUE(dialogs.titles.isEmpty());
    EXPECT_EQ(messages.Texts(), QStringList{"Veuillez entrer un mois entre 1 et 12."});

    // An earlier century: No abandons; Yes opens the dialog, and the question is not asked
    // again for the evaluation that follows OK.
    messages.Clear();
    EnterBirth(15, 1, 1880, 12, 0, 1);
    messages.answers = {MessageAnswer::No};
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_TRUE(dialogs.titles.isEmpty());
    EXPECT_EQ(messages.shown.size(), 1u);

    messages.Clear();
    messages.answers = {MessageAnswer::Yes};
    dialogs.scripts.push_back([](QDialog& d) {
        CBirthplaceDialog& dialog = Birthplace(d);
        Type(dialog, "Mün");
        // Before 1893 Munich kept local mean time: not whole hours, rounded on request.
        ASSERT_FALSE(dialog.OkButton()->isEnabled());
        dialog.RoundChoice()->click();
        dialog.OkButton()->click();
    });
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_EQ(dialogs.titles.size(), 1);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-1");
    EXPECT_EQ(Text(IDC_JULIAN), Julian(15, 1, 1880, 12, 0, -1));
}

TEST_F(BirthplaceCommandTest, SheetNamesThePlacesOwnMeanTime) {
    EnterBirth(15, 1, 1880, 12, 0, 1);
    messages.answers = {MessageAnswer::Yes};
    dialogs.scripts.push_back([](QDialog& d) {
        CBirthplaceDialog& dialog = Birthplace(d);
        Type(dialog, "München");
        dialog.RoundChoice()->click();
        dialog.OkButton()->click();
    });
    Command(ID_INSERT_BIRTHPLACE);
    ASSERT_EQ(Text(IDC_TIME_ZONE), "-1");
    const QString pdf = TempPath(QStringLiteral("mean-time.pdf"));
    files.saveAnswers = {pdf};
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Command(ID_FILE_EXPORT_PDF);
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    // A long text may wrap on the sheet: its words are compared, not its lines.
    const QString sheet = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    EXPECT_TRUE(sheet.contains("UTC+00:46:19 (LMT), temps moyen local de München"))
        << sheet.toStdString();
}

TEST_F(BirthplaceCommandTest, NonNumericFieldOpensNoDialog) {
    SetText(IDC_MINUTE, "x");
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_TRUE(dialogs.titles.isEmpty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Le champ « Minute » doit contenir un nombre entier.");
}

TEST_F(BirthplaceCommandTest, AboutBoxRunsThroughTheDialogService) {
    dialogs.scripts.push_back([](QDialog& d) { d.accept(); });
    Command(ID_APP_ABOUT);
    EXPECT_EQ(dialogs.titles, QStringList{"A propos de Vexamo"});
}

TEST_F(BirthplaceCommandTest, ExportedSheetNamesThePlaceWhileTheFormHoldsItsValue) {
    EnterBirth(1, 7, 1990, 12, 0, 1);
    dialogs.scripts.push_back([](QDialog& d) {
        CBirthplaceDialog& dialog = Birthplace(d);
        Type(dialog, "München");
        QTest::keyClick(dialog.SearchField(), Qt::Key_Return);
    });
    Command(ID_INSERT_BIRTHPLACE);
    ASSERT_EQ(Text(IDC_TIME_ZONE), "-2");
    struct Case {
        const char* what;
        int field; // 0: nothing changed after the dialog
        QString value;
        bool named;
    };
    const Case cases[] = {
        {"as chosen", 0, "", true},
        {"southern ticked", IDC_SOUTHERN, "", true},
        {"time difference typed", IDC_TIME_ZONE, "-3", false},
        {"other hour", IDC_HOUR, "13", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.field == IDC_SOUTHERN) {
            SetChecked(IDC_SOUTHERN, true);
        } else if (c.field != 0) {
            SetText(c.field, c.value);
        }
        const QString pdf = TempPath(QStringLiteral("%1.pdf").arg(c.what));
        files.saveAnswers = {pdf};
        Command(ID_FILE_EXPORT_PDF);
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        ASSERT_TRUE(text.waitForFinished(30000));
        const QString sheet = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(sheet.contains("Europe/Berlin") == c.named) << sheet.toStdString();
        EXPECT_TRUE(sheet.contains("München") == c.named);
    }
    EXPECT_TRUE(messages.shown.empty());
}

// A place table that is missing or damaged: the dialog says so in its own words and names the
// file, without a message box, and offers the zones, which still give the value. A sound table
// shows no notice.
class PlaceTableProblemTest : public AppFixture {};

TEST_F(PlaceTableProblemTest, TheDialogTellsWhatIsWrongWithThePlaceTable) {
    // What the program has from such a file: no places at all.
    static const places::PlaceCatalogue none(std::vector<places::Place>{});
    const QString damaged = TempPath(QStringLiteral("places.bin"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("München,Bayern,DE\n");
    file.close();
    const struct {
        const char* what;
        std::string file;
        const places::PlaceCatalogue* places;
        std::string notice; // empty: none shown
    } cases[] = {
        {"missing", TempPath(QStringLiteral("share/places.bin")).toStdString(), &none,
         UserText(TextId::PlaceListMissing,
                  {TempPath(QStringLiteral("share/places.bin")).toStdString()})},
        {"damaged", damaged.toStdString(), &none,
         UserText(TextId::PlaceListDamaged, {damaged.toStdString()})},
        {"sound", places::PlaceTableFile(), &TestPlaces(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        placeTableFile = c.file;
        places = c.places;
        ASSERT_TRUE(Start());
        messages.Clear();
        EnterBirth(15, 1, 1980, 12, 0, 1);
        const bool problem = !c.notice.empty();
        dialogs.scripts.push_back([&c, problem](QDialog& d) {
            CBirthplaceDialog& dialog = Birthplace(d);
            EXPECT_EQ(dialog.PlaceListNotice()->isHidden(), !problem);
            EXPECT_EQ(dialog.PlaceListNotice()->text().toStdString(), c.notice);
            // The places cannot be searched; the zones are where the typing goes.
            EXPECT_EQ(dialog.SearchField()->isEnabled(), !problem);
            EXPECT_EQ(dialog.PlaceList()->isEnabled(), !problem);
            EXPECT_EQ(dialog.focusWidget(), problem ? dialog.ZoneSearchField()
                                                    : static_cast<QWidget*>(dialog.SearchField()));
            EXPECT_EQ(dialog.Explanation()->text(), problem
                                                        ? QString()
                                                        : "Tapez le nom du lieu de naissance, puis "
                                                          "choisissez-le dans la liste.");
            QTest::keyClicks(dialog.ZoneSearchField(), "Europe/Ber");
            ASSERT_EQ(dialog.SelectedZone(), "Europe/Berlin");
            dialog.OkButton()->click();
        });
        Command(ID_INSERT_BIRTHPLACE);
        EXPECT_TRUE(dialogs.scripts.empty());
        EXPECT_EQ(Text(IDC_TIME_ZONE), "-1");
        EXPECT_TRUE(messages.shown.empty());
    }
}
