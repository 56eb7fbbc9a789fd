// Undo and redo of the record commands, find in the record list, a record file dropped on
// the window, and the credits box.
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_frame.h"

class UndoFindTest : public AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        messages.Clear();
    }
    QListWidget& List() const { return RecordList(); }
    QStringList Names() const { return ListedNames(); }
    QString Selected() const {
        const auto selected = List().selectedItems();
        return selected.isEmpty() ? QString() : selected.constFirst()->text();
    }
    void Add(const QString& name, int day = 1) {
        EnterBirth(day, 2, 1990, 10, 30, -1);
        SetText(IDC_NAME, name);
        Click(IDC_ADD);
    }
    void Select(const QString& name) { List().setCurrentRow(Names().indexOf(name)); }
    QAction& Action(int command) const { return *Frame().CommandAction(command); }
    // The menu text without its key.
    QString MenuText(int command) const { return Action(command).text().section('\t', 0, 0); }

    QWidget* Find(const char* name) const {
        return Frame().findChild<QWidget*>(QString::fromLatin1(name));
    }
    void Search(const QString& text) const {
        auto* field = qobject_cast<QLineEdit*>(Find("findText"));
        ASSERT_NE(field, nullptr);
        field->clear();
        // Typed one character at a time, as a keyboard or an input method gives them.
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
        ASSERT_EQ(field->text(), text);
    }
    QString FindStatus() const { return qobject_cast<QLabel*>(Find("findStatus"))->text(); }
};

TEST_F(UndoFindTest, UndoAndRedoAcrossAddReplaceDeleteAndDeleteAll) {
    EXPECT_FALSE(Action(ID_EDIT_UNDO).isEnabled());
    EXPECT_FALSE(Action(ID_EDIT_REDO).isEnabled());
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Annuler");
    Add("Anna", 5);
    Add("Bert", 6);
    files.saveAnswers = {TempPath("saved.dat")};
    Command(ID_FILE_SAVE);
    ASSERT_FALSE(Doc().IsModified());

    messages.answers = {MessageAnswer::Yes};
    Add("Anna", 7); // replaced
    Select("Bert");
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE);
    messages.Clear();
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE_ALL);
    EXPECT_EQ(messages.Texts(), QStringList{"Soll der einzige Datensatz gelöscht werden?"});
    EXPECT_EQ(List().count(), 0);
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Annuler Tout supprimer");
    EXPECT_TRUE(Action(ID_EDIT_UNDO).isEnabled());
    EXPECT_FALSE(Action(ID_EDIT_REDO).isEnabled());
    messages.Clear();

    // Each undo shows the restored record as a click on it would.
    Command(ID_EDIT_UNDO); // Tout supprimer
    EXPECT_EQ(Names(), QStringList{"Anna"});
    EXPECT_EQ(Selected(), "Anna");
    EXPECT_EQ(Text(IDC_DAY), "7");
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Annuler Supprimer");
    EXPECT_EQ(MenuText(ID_EDIT_REDO), "&Rétablir Tout supprimer");
    Command(ID_EDIT_UNDO); // Supprimer
    EXPECT_EQ(Names(), (QStringList{"Anna", "Bert"}));
    EXPECT_EQ(Selected(), "Bert");
    EXPECT_EQ(Text(IDC_NAME), "Bert");
    EXPECT_EQ(Text(IDC_DAY), "6");
    EXPECT_TRUE(Doc().IsModified());
    Command(ID_EDIT_UNDO); // the replacement: back to the saved state
    EXPECT_EQ(Selected(), "Anna");
    EXPECT_EQ(Text(IDC_DAY), "5");
    EXPECT_FALSE(Doc().IsModified());
    VXDateStore anna;
    ASSERT_TRUE(Doc().m_mapDateStore.Lookup("Anna", anna));
    EXPECT_EQ(anna.m_nDay, 5);

    // Redo past the saved state sets the flag again; undo back clears it.
    Command(ID_EDIT_REDO);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Text(IDC_DAY), "7");
    Command(ID_EDIT_UNDO);
    EXPECT_FALSE(Doc().IsModified());

    // Before the save: the two additions go, and there is nothing more to undo.
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Names(), QStringList{"Anna"});
    EXPECT_TRUE(Doc().IsModified());
    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(Names().isEmpty());
    EXPECT_FALSE(Action(ID_EDIT_UNDO).isEnabled());
    Command(ID_EDIT_UNDO); // greyed: nothing happens
    EXPECT_TRUE(Names().isEmpty());

    // And all of it again.
    for (int i = 0; i < 5; ++i) {
        Command(ID_EDIT_REDO);
    }
    EXPECT_TRUE(Names().isEmpty());
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 0);
    EXPECT_FALSE(Action(ID_EDIT_REDO).isEnabled());
    EXPECT_TRUE(messages.shown.empty()) << messages.Texts().join('|').toStdString();
}

TEST_F(UndoFindTest, DeleteAllSaysHowManyAndNewOrOpenEndsTheHistory) {
    Add("Anna");
    Add("Bert");
    Add("Carl");
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE_ALL);
    EXPECT_EQ(messages.Texts(), QStringList{"Sollen alle 3 Datensätze gelöscht werden?"});
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Names(), (QStringList{"Anna", "Bert", "Carl"}));
    EXPECT_EQ(Selected(), "Anna"); // the first, as after opening

    messages.answers = {MessageAnswer::No}; // do not save
    Command(ID_FILE_NEW);
    EXPECT_FALSE(Action(ID_EDIT_UNDO).isEnabled());
    EXPECT_FALSE(Action(ID_EDIT_REDO).isEnabled());

    Add("Dora");
    files.openAnswers = {std::nullopt};
    Command(ID_FILE_OPEN); // cancelled in the file chooser: the history stays
    EXPECT_TRUE(Action(ID_EDIT_UNDO).isEnabled());
    files.openAnswers = {WriteFile("two.dat", {{"Eva", VXDateStore(1970, 1, 2, 3, 4, 0, 0, 1)}})};
    messages.answers = {MessageAnswer::No};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(Names(), QStringList{"Eva"});
    EXPECT_FALSE(Action(ID_EDIT_UNDO).isEnabled());
}

TEST_F(UndoFindTest, CtrlZInTheListUndoesCtrlYRedoes) {
    Add("Anna");
    Frame().activateWindow();
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Names().isEmpty());
    QTest::keyClick(&List(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Names(), QStringList{"Anna"});
    QTest::keyClick(&List(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&List(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Names(), QStringList{"Anna"});
}

TEST_F(UndoFindTest, FindAnyPartOfWideNamesWithF3WrappingAndNotFoundInTheDialog) {
    Add("Łukasz Żak", 11);
    Add("Νίκος Παπαδόπουλος", 12);
    Add("李小龙", 13);
    Add("Anna Zakowska", 14);
    Add("Bert", 15);
    messages.Clear();
    Command(ID_EDIT_FIND);
    QWidget* dialog = Find("findDialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(qobject_cast<QDialog*>(dialog)->isModal());
    EXPECT_EQ(Selected(), QString());

    Search("zak");
    EXPECT_EQ(Selected(), "Anna Zakowska");
    EXPECT_EQ(Text(IDC_NAME), "Anna Zakowska"); // loaded as a click would
    EXPECT_EQ(Text(IDC_DAY), "14");
    Command(ID_EDIT_REPEAT); // F3
    EXPECT_EQ(Selected(), "Łukasz Żak");
    EXPECT_EQ(Text(IDC_DAY), "11");
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(Selected(), "Anna Zakowska"); // wrapped
    EXPECT_EQ(FindStatus(), "Recherche reprise au début de la liste.");
    qobject_cast<QPushButton*>(Find("findNext"))->click();
    EXPECT_EQ(Selected(), "Łukasz Żak");

    Search("ΝΙΚΟΣ");
    EXPECT_EQ(Selected(), "Νίκος Παπαδόπουλος");
    Search("小龙");
    EXPECT_EQ(Selected(), "李小龙");
    EXPECT_EQ(Text(IDC_DAY), "13");

    Search("xyz");
    EXPECT_EQ(FindStatus(), "Aucun nom ne contient « xyz ».");
    EXPECT_EQ(Selected(), "李小龙"); // unchanged
    EXPECT_TRUE(messages.shown.empty()) << messages.Texts().join('|').toStdString();

    // Names added, deleted or brought back later are found too.
    Add("Carl Żakowski", 16);
    Search("zakow");
    EXPECT_EQ(Selected(), "Anna Zakowska");
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(Selected(), "Carl Żakowski");
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE);
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(Selected(), "Anna Zakowska");
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(Selected(), "Anna Zakowska"); // the only one left
    Command(ID_EDIT_UNDO);
    Search("carl");
    EXPECT_EQ(Selected(), "Carl Żakowski");
}

class DropTest : public UndoFindTest {
  protected:
    // Drags data over the window; true when the window would take it.
    bool Drag(QMimeData& data) const {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&Frame(), &enter);
        return enter.isAccepted();
    }
    // A drag over the window, then the drop.
    void Drop(QMimeData& data) const {
        Drag(data);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Frame(), &drop);
        QApplication::processEvents();
    }
    static std::unique_ptr<QMimeData> Files(const QStringList& paths) {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls.append(QUrl::fromLocalFile(path));
        }
        data->setUrls(urls);
        return data;
    }
};

TEST_F(DropTest, ADatFileOpensAsWithOuvrirAfterTheSaveQuestion) {
    const QString file =
        WriteFile("dropped.DAT", {{"Eva", VXDateStore(1970, 1, 2, 3, 4, 0, 0, 1)}});
    Add("Anna");
    const auto data = Files({file});
    ASSERT_TRUE(Drag(*data));

    messages.Clear();
    messages.answers = {MessageAnswer::Cancel};
    Drop(*data);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppSaveChanges);
    EXPECT_EQ(Names(), QStringList{"Anna"}); // kept
    EXPECT_TRUE(Doc().IsModified());

    messages.Clear();
    messages.answers = {MessageAnswer::No};
    Drop(*data);
    EXPECT_EQ(messages.shown.size(), 1u) << messages.Texts().join('|').toStdString();
    EXPECT_EQ(Names(), QStringList{"Eva"});
    EXPECT_EQ(Selected(), "Eva");
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(Action(ID_EDIT_UNDO).isEnabled());
}

TEST_F(DropTest, OtherFilesSeveralFilesAndTextAreNotTaken) {
    const QString dat = WriteFile("one.dat", {});
    const QString other = WriteFile("notes.txt", {});
    EXPECT_FALSE(Drag(*Files({other})));
    EXPECT_FALSE(Drag(*Files({dat, dat})));
    QMimeData text;
    text.setText(dat);
    EXPECT_FALSE(Drag(text));
    Add("Anna");
    messages.Clear();
    Drop(*Files({other}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Names(), QStringList{"Anna"});
}

TEST_F(UndoFindTest, CreditsNameVersionLicenceAndSources) {
    QString shown;
    dialogs.scripts = {[&shown](QDialog& dialog) {
        if (auto* text = dialog.findChild<QLabel*>("creditsText")) {
            shown = text->text();
        }
        qobject_cast<QPushButton*>(dialog.findChild<QPushButton*>("creditsOk"))->click();
    }};
    Command(ID_APP_CREDITS);
    EXPECT_EQ(dialogs.titles, QStringList{"Licences et sources"});
    for (const QString& fact : {QString("Vexamo, version 1.0.0.1"), QString("GPL-3.0-or-later"),
                                QString("GeoNames (CC BY 4.0)"), QString("libgeonames"),
                                QString("tzdata"), QString("Qt ") + qVersion()}) {
        EXPECT_TRUE(shown.contains(fact)) << fact.toStdString() << " in " << shown.toStdString();
    }
    EXPECT_EQ(MenuText(ID_APP_CREDITS), "&Licences et sources…");
}
