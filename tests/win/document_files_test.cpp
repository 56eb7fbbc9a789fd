// Opening, changing and saving record files: the same bytes as the Linux program writes, the
// title, the questions, the recent files in the registry, the file on the command line and a
// file dropped on the window.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "res/resource_ids.h"
#include "win/recent_file_list.h"
#include "win/wide_text.h"
#include "win_fixture.h"

namespace {

std::string FromHex(const char* hex) {
    std::string bytes;
    for (const char* p = hex; p[0] != '\0'; p += 2) {
        bytes += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
    }
    return bytes;
}

// Written by the Linux program: Muster, Zoë, 李小龙 ...
const std::string kThree = FromHex(
    "0300064d757374657201000000c3070000080000000f0000000e0000001e000000010000000000000005000000"
    "035a6feb01000000d0070000030000001400000008000000000000000000000000000000fffffffffffeff034e"
    "670f5c999f010000009e0700000b0000001b000000070000000c0000000000000000000000f8ffffff");
// ... with "Neu" added (1.1.2001 12:00, time difference 0) ...
const std::string kFourWithNeu = FromHex(
    "0400064d757374657201000000c3070000080000000f0000000e0000001e000000010000000000000005000000"
    "034e657501000000d107000001000000010000000c00000000000000000000000000000000000000035a6feb01"
    "000000d0070000030000001400000008000000000000000000000000000000fffffffffffeff034e670f5c999f"
    "010000009e0700000b0000001b000000070000000c0000000000000000000000f8ffffff");
// ... and with Zoë removed.
const std::string kTwoWithoutZoe = FromHex(
    "0200064d757374657201000000c3070000080000000f0000000e0000001e000000010000000000000005000000"
    "fffeff034e670f5c999f010000009e0700000b0000001b000000070000000c0000000000000000000000f8ffff"
    "ff");

class DocumentFilesTest : public WinAppTest {
  protected:
    std::string Opened(const std::string& name, const std::string& bytes) {
        const std::string path = PathOf(name);
        WriteBytes(path, bytes);
        EXPECT_TRUE(Start({path}));
        messages.shown.clear();
        return path;
    }
};

TEST_F(DocumentFilesTest, SavingUnchangedOrChangedGivesTheLinuxProgramsBytes) {
    const std::string path = Opened("personen.dat", kThree);
    EXPECT_EQ(WindowTextUtf8(Frame()), "personen.dat - Orlinde Berechnung");
    EXPECT_EQ(ListRows().size(), 3u);

    const std::string copy = PathOf("kopie.dat");
    files.saveAnswers = {copy};
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(files.lastFilter, "Dateityp Vexamo (*.dat)");
    EXPECT_EQ(ReadBytes(copy), kThree);
    EXPECT_EQ(WindowTextUtf8(Frame()), "kopie.dat - Orlinde Berechnung");

    EnterBirth(1, 1, 2001, 12, 0, 0);
    SetCheck(IDC_SOUTHERN, false); // Muster's, shown first
    SetText(IDC_NAME, "Neu");
    Click(IDC_ADD);
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ReadBytes(copy), kFourWithNeu);
    EXPECT_FALSE(app->Document().IsModified());

    Command(ID_EDIT_UNDO);
    SelectRow(1); // Muster, Zoë, 李小龙
    EXPECT_EQ(Text(IDC_NAME), "Zoë");
    Click(IDC_DELETE);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(copy), kTwoWithoutZoe);
    EXPECT_EQ(ReadBytes(path), kThree);
}

TEST_F(DocumentFilesTest, NewAsksToSaveChangesAndCancelKeepsThem) {
    Opened("personen.dat", kThree);
    SetText(IDC_NAME, "Neu");
    Click(IDC_ADD);
    messages.answers = {MessageAnswer::Cancel};
    Command(ID_FILE_NEW);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppSaveChanges);
    EXPECT_NE(messages.shown[0].text.find("personen.dat"), std::string::npos);
    EXPECT_EQ(ListRows().size(), 4u);

    messages.answers = {MessageAnswer::No};
    Command(ID_FILE_NEW);
    EXPECT_TRUE(ListRows().empty());
    EXPECT_EQ(WindowTextUtf8(Frame()), "Unbenannt - Orlinde Berechnung");
}

TEST_F(DocumentFilesTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSaysSo) {
    const std::string path = Opened("personen.dat", kThree);
    SetText(IDC_NAME, "Neu");
    Click(IDC_ADD);
    Sleep(20);
    WriteBytes(path, kTwoWithoutZoe); // another program
    messages.answers = {MessageAnswer::No};
    Command(ID_FILE_SAVE);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppYesNo);
    EXPECT_EQ(ReadBytes(path), kTwoWithoutZoe);
    EXPECT_TRUE(app->Document().IsModified());

    messages.answers = {MessageAnswer::Yes};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(path).size(), kFourWithNeu.size() + 0u - 0u);
    EXPECT_FALSE(app->Document().IsModified());
}

TEST_F(DocumentFilesTest, AFileThatCannotBeReadEndsTheProgramAtStartAndStaysOutOfTheList) {
    const std::string bad = PathOf("kaputt.dat");
    WriteBytes(bad, "\x05");
    EXPECT_FALSE(Start({bad}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("kaputt.dat"), std::string::npos);
}

TEST_F(DocumentFilesTest, RecentFilesAreKeptInTheRegistryMostRecentFirst) {
    const std::string first = Opened("eins.dat", kThree);
    const std::string second = PathOf("zwei.dat");
    WriteBytes(second, kThree);
    files.openAnswers = {second};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(WindowTextUtf8(Frame()), "zwei.dat - Orlinde Berechnung");
    EXPECT_EQ(MenuText(ID_FILE_MRU_FILE1), "&1 " + second);
    EXPECT_EQ(MenuText(ID_FILE_MRU_FILE1 + 1), "&2 " + first);

    CRecentFileList stored(kTestApplication);
    stored.Load();
    EXPECT_EQ(stored.Files(), (std::vector<std::string>{second, first}));

    Command(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(WindowTextUtf8(Frame()), "eins.dat - Orlinde Berechnung");
}

TEST_F(DocumentFilesTest, ADroppedRecordFileOpensOtherFilesDoNot) {
    Opened("eins.dat", kThree);
    const std::string dropped = PathOf("gezogen.dat");
    WriteBytes(dropped, kTwoWithoutZoe);
    const auto drop = [this](const std::string& path) {
        const std::wstring wide = Widen(path);
        const std::size_t bytes = sizeof(DROPFILES) + (wide.size() + 2) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GHND, bytes);
        auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
        files->pFiles = sizeof(DROPFILES);
        files->fWide = TRUE;
        wide.copy(reinterpret_cast<wchar_t*>(files + 1), wide.size());
        GlobalUnlock(memory);
        SendMessageW(Frame(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    };
    const std::string text = PathOf("notiz.txt");
    WriteBytes(text, "x");
    drop(text);
    EXPECT_EQ(ListRows().size(), 3u);
    drop(dropped);
    EXPECT_EQ(ListRows().size(), 2u);
    EXPECT_EQ(WindowTextUtf8(Frame()), "gezogen.dat - Orlinde Berechnung");
}

} // namespace
