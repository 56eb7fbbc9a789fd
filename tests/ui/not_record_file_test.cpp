// A record file with bytes after its last entry: the window opens it with a warning and asks
// before a save over it would lose those bytes; Save As to another file asks nothing.
#include <QFile>
#include <QListWidget>
#include <gtest/gtest.h>

#include "app/record_commands.h"
#include "app_fixture.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

class NotRecordFileTest : public AppFixture {
  protected:
    void SetUp() override {
        // Two records under a count of one: the 43 bytes of the second entry follow the one that
        // is read.
        path = WriteFile("personen.dat", {{"Muster", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1)},
                                          {"Zweite", VXDateStore(1990, 1, 2, 3, 4, 0, 0, 0)}});
        original = FileBytes(path);
        original[0] = 1;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(original);
        file.close();
        ASSERT_TRUE(Start({path}));
        ASSERT_EQ(Doc().m_mapDateStore.GetCount(), 1);
    }

    QString FileMessage(const QString& rest) const {
        return "Die Datei \u201E" + path + "\u201C ist keine Vexamo-Datensatzdatei: 43 Bytes " +
               "folgen auf ihren letzten Eintrag. " + rest;
    }
    QString OpenedWarning() const {
        return FileMessage("Ihre Datensätze werden gelesen; was darauf folgt, bleibt unbeachtet "
                           "und ginge beim Speichern verloren.");
    }
    QString SaveQuestion() const {
        return FileMessage("Speichern schreibt nur die gelesenen Datensätze hinein; der Rest "
                           "geht verloren. Trotzdem überschreiben?");
    }
    void AddRecord() {
        SetText(IDC_NAME, "Neu");
        Click(IDC_ADD);
        ASSERT_TRUE(Doc().IsModified());
        messages.Clear();
    }

    QString path;
    QByteArray original;
};

TEST_F(NotRecordFileTest, OpeningWarnsOnce) {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppOk);
    EXPECT_EQ(messages.shown[0].text, OpenedWarning());
    EXPECT_EQ(RecordList().count(), 1);
    EXPECT_FALSE(Doc().IsModified());

    // Opened again through the menu: the same warning; a file the program wrote, none.
    messages.Clear();
    files.openAnswers = {path};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(messages.Texts(), QStringList{OpenedWarning()});
    messages.Clear();
    files.openAnswers = {
        WriteFile("sauber.dat", {{"Eva", VXDateStore(1985, 6, 1, 12, 0, 0, 0, 0)}})};
    Command(ID_FILE_OPEN);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NotRecordFileTest, SaveAsksAndNoKeepsTheFile) {
    AddRecord();
    messages.answers = {MessageAnswer::No};
    Command(ID_FILE_SAVE);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppYesNo);
    EXPECT_EQ(messages.shown[0].text, SaveQuestion());
    EXPECT_EQ(FileBytes(path), original);
    EXPECT_TRUE(Doc().IsModified());

    // Yes: saved, and the file is now one the program wrote; the next save asks nothing.
    messages.Clear();
    messages.answers = {MessageAnswer::Yes};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(messages.Texts(), QStringList{SaveQuestion()});
    EXPECT_FALSE(Doc().IsModified());
    bool trailing = true;
    EXPECT_EQ(NamesStoredIn(path, &trailing).size(), 2);
    EXPECT_FALSE(trailing);
    EXPECT_TRUE(NamesStoredIn(path).contains("Neu"));
    messages.Clear();
    SetText(IDC_NAME, "Dritte");
    Click(IDC_ADD);
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NotRecordFileTest, NoAbandonsTheSaveOfferedBeforeNew) {
    AddRecord();
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No}; // save the changes? overwrite?
    Command(ID_FILE_NEW);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppSaveChanges);
    EXPECT_EQ(messages.shown[1].text, SaveQuestion());
    EXPECT_EQ(FileBytes(path), original);
    EXPECT_EQ(RecordList().count(), 2);
    EXPECT_TRUE(Doc().IsModified());

    // Closing the window: the same questions, and No keeps the window open.
    messages.Clear();
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(FileBytes(path), original);
}

TEST_F(NotRecordFileTest, SaveAsToAnotherFileAsksNothingAndKeepsTheOriginal) {
    AddRecord();
    const QString other = TempPath("neu.dat");
    files.saveAnswers = {other};
    Command(ID_FILE_SAVE_AS);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(NamesStoredIn(other).size(), 2);
    EXPECT_EQ(FileBytes(path), original);
}
