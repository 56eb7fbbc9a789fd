// Saving over a record file that another program changed or is writing: the question before
// overwriting a changed file (asked without the file's lock), the failure box when another
// writer holds the lock or memory runs out, and an open that fails for lack of memory.
#include <QListWidget>
#include <gtest/gtest.h>

#include "app/record_commands.h"
#include "app_fixture.h"
#include "records/file_lock.h"
#include "ui/document_manager.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"

class SaveConflictTest : public AppFixture {
  protected:
    void SetUp() override {
        path = WriteFile("personen.dat", {{"Muster", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1)}});
        ASSERT_TRUE(Start({path}));
        SetText(IDC_NAME, "Neu");
        Click(IDC_ADD);
        ASSERT_TRUE(Doc().IsModified());
        messages.Clear();
    }
    // Another program rewrites the file.
    void ChangeElsewhere() const {
        WriteFile("personen.dat", {{"Fremd", VXDateStore(1990, 1, 2, 3, 4, 0, 0, 0)}});
    }
    QString ChangedQuestion() const {
        return "Die Datei \u201E" + path +
               "\u201C wurde seit dem Öffnen oder letzten Speichern von einem anderen Programm "
               "geändert. Trotzdem überschreiben?";
    }
    QString path;
};

TEST_F(SaveConflictTest, ChangedFileIsOverwrittenOnlyWhenTheUserSaysSo) {
    ChangeElsewhere();
    // The lock is free while the question is open: the other program may go on meanwhile.
    bool lockFreeWhileAsking = false;
    messages.whileShown = [&](const ShownMessage&) {
        FileLock other;
        lockFreeWhileAsking =
            other.Acquire(path.toStdString(), std::chrono::milliseconds(0)) == LockStatus::kLocked;
    };
    messages.answers = {MessageAnswer::No};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(messages.Texts(), QStringList{ChangedQuestion()});
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppYesNo);
    EXPECT_TRUE(lockFreeWhileAsking);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(NamesStoredIn(path), QStringList{"Fremd"});

    messages.Clear();
    messages.answers = {MessageAnswer::Yes};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(messages.Texts(), QStringList{ChangedQuestion()});
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(NamesStoredIn(path), (QStringList{"Muster", "Neu"}));

    // Saved here last: the next save asks nothing.
    messages.Clear();
    SetText(IDC_NAME, "Dritte");
    Click(IDC_ADD);
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(NamesStoredIn(path), (QStringList{"Dritte", "Muster", "Neu"}));
}

TEST_F(SaveConflictTest, FileChangedAgainDuringTheQuestionIsAskedAgain) {
    ChangeElsewhere();
    int asked = 0;
    messages.whileShown = [&](const ShownMessage&) {
        if (++asked == 1) {
            WriteFile("personen.dat", {{"Zweiter", VXDateStore()}});
        }
    };
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(NamesStoredIn(path), QStringList{"Zweiter"});
}

TEST_F(SaveConflictTest, NoToTheQuestionAbandonsTheSaveBeforeNew) {
    ChangeElsewhere();
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No}; // save the changes? overwrite?
    Command(ID_FILE_NEW);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, ChangedQuestion());
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 2);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(RecordList().count(), 2);
    EXPECT_EQ(NamesStoredIn(path), QStringList{"Fremd"});
}

TEST_F(SaveConflictTest, RemovedFileOrAnotherTargetIsSavedWithoutAQuestion) {
    ASSERT_TRUE(QFile::remove(path));
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(NamesStoredIn(path), (QStringList{"Muster", "Neu"}));

    // Save As elsewhere: the file chooser has asked about replacing that file already.
    ChangeElsewhere();
    const QString other = WriteFile("andere.dat", {});
    files.saveAnswers = {other};
    Command(ID_FILE_SAVE_AS);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(NamesStoredIn(other), (QStringList{"Muster", "Neu"}));
    EXPECT_EQ(NamesStoredIn(path), QStringList{"Fremd"});
}

TEST_F(SaveConflictTest, LockHeldByAnotherWriterShowsTheFailureAndKeepsTheChanges) {
    FileLock other;
    ASSERT_EQ(other.Acquire(path.toStdString()), LockStatus::kLocked);
    app->Documents()->m_lockTimeout = std::chrono::milliseconds(50);
    Command(ID_FILE_SAVE);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppOk);
    EXPECT_EQ(messages.shown[0].text, "Die Datei \u201E" + path +
                                          "\u201C kann nicht gespeichert werden: ein anderes "
                                          "Programm ändert sie gerade.");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 2);
    EXPECT_EQ(NamesStoredIn(path), QStringList{"Muster"});

    other.Release();
    messages.Clear();
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(SaveConflictTest, OutOfMemoryInSaveOrOpenKeepsTheDocument) {
    const auto outOfMemory = [](DocFault& fault) {
        fault.file = FileFault{FileFault::OutOfMemory, 0};
        return false;
    };
    app->Documents()->m_saveFile = [&](CVexamoDoc&, const std::string&, DocFault& fault,
                                       const FileLock*) { return outOfMemory(fault); };
    Command(ID_FILE_SAVE);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Die Datei \u201E" + path +
                                          "\u201C kann nicht gespeichert werden: nicht "
                                          "genügend Arbeitsspeicher.");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 2);

    Doc().SetModifiedFlag(false);
    messages.Clear();
    const QString big = WriteFile("gross.dat", {{"Gross", VXDateStore()}});
    app->Documents()->m_openFile = [&](CVexamoDoc&, const std::string&, DocFault& fault) {
        return outOfMemory(fault);
    };
    files.openAnswers = {big};
    Command(ID_FILE_OPEN);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppOk);
    EXPECT_EQ(messages.shown[0].text, "Die Datei \u201E" + big +
                                          "\u201C kann nicht gelesen werden: nicht genügend "
                                          "Arbeitsspeicher.");
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 2);
    EXPECT_EQ(RecordList().count(), 2);
    EXPECT_EQ(Frame().windowTitle(), "personen.dat - Orlinde Berechnung");
}
