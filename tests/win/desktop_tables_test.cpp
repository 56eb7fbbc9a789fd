// The form, the clipboard and the record files against what the Linux program's window showed and
// wrote (tests/desktop/): the texts of every result of 500 births, and the clipboard texts and
// files of a session on the record list. The clipboard's text has CR LF where the Linux program's
// has LF, as Windows programs expect; it is compared with the line ends turned back.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/form_fields.h"
#include "res/resource_ids.h"
#include "tests/desktop/desktop_tables.h"
#include "win/clipboard_text.h"
#include "win/wide_text.h"
#include "win_fixture.h"

namespace {

struct ClipboardTexts {
    std::wstring unicode; // as placed, CR LF and all
    bool hasAnsi = false;
    std::string ansi;
};

ClipboardTexts ClipboardNow() {
    ClipboardTexts got;
    if (!OpenClipboard(nullptr)) {
        ADD_FAILURE() << "the clipboard cannot be opened";
        return got;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        got.unicode = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    if (HANDLE data = GetClipboardData(CF_TEXT); data != nullptr) {
        got.hasAnsi = true;
        got.ansi = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return got;
}

std::wstring WithCrLf(const std::string& utf8) {
    std::wstring out;
    for (const wchar_t c : Widen(utf8)) {
        if (c == L'\n') {
            out += L'\r';
        }
        out += c;
    }
    return out;
}

class DesktopTablesTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        ASSERT_TRUE(Start());
        messages.shown.clear();
    }

    void Enter(const BirthInput& in) {
        EnterBirth(in.day, in.month, in.year, in.hour, in.minute, in.timeZone);
        SetCheck(IDC_SOUTHERN, in.southern);
        SetCheck(IDC_CONST_ZONE, in.constZone);
    }

    void Add(const SessionRecord& record) {
        Enter(record.input);
        SetText(IDC_NAME, record.name);
        Click(IDC_ADD);
    }

    std::string ShownMessages() {
        std::string texts;
        for (const ShownMessage& message : messages.shown) {
            texts += message.text + "\n";
        }
        messages.shown.clear();
        return texts;
    }

    // The Linux program's text: the Unicode text with CR LF, and as 8-bit text the same in
    // Windows-1252 where every character has a byte there (else the system's own, not compared).
    void ExpectClipboard(const std::string& linuxText) {
        const ClipboardTexts got = ClipboardNow();
        const std::wstring expected = WithCrLf(linuxText);
        EXPECT_EQ(Narrow(got.unicode), Narrow(expected));
        if (const std::optional<std::string> ansi = Windows1252Text(expected)) {
            EXPECT_TRUE(got.hasAnsi) << linuxText;
            EXPECT_EQ(got.ansi, *ansi);
        }
    }
};

TEST_F(DesktopTablesTest, EveryResultOfEveryBirthIsTheLinuxWindowsText) {
    ASSERT_EQ(std::size(kFormBirthControls), FormResultTexts().size());
    for (std::size_t k = 0; k < FormResultTexts().size(); ++k) {
        ASSERT_EQ(kFormBirthControls[k], FormResultTexts()[k].id);
    }
    int faults = 0;
    for (std::size_t i = 0; i < std::size(kFormBirths); ++i) {
        const FormBirth& birth = kFormBirths[i];
        const BirthInput& b = birth.input;
        Enter(b);
        HWND button = GetDlgItem(Form(), IDC_CALCULATE);
        SendMessageW(button, BM_CLICK, 0, 0);
        EXPECT_EQ(messages.shown.size(), b.year < 1900 ? 1u : 0u) << "birth " << i;
        messages.shown.clear();
        for (std::size_t k = 0; k < kFormBirthTextCount; ++k) {
            const std::string text = Text(kFormBirthControls[k]);
            if (text != birth.texts[k] && ++faults <= 10) {
                ADD_FAILURE() << "birth " << i << " (" << b.day << "." << b.month << "." << b.year
                              << " " << b.hour << ":" << b.minute << " tz " << b.timeZone
                              << "), control " << kFormBirthControls[k] << ": shown \"" << text
                              << "\", Linux \"" << birth.texts[k] << "\"";
            }
        }
    }
    EXPECT_EQ(faults, 0);
}

TEST_F(DesktopTablesTest, TheSessionsClipboardTextsAndFilesAreTheLinuxPrograms) {
    const RecordSession& pinned = kRecordSession;
    Enter(kSessionRecords[0].input);
    Click(IDC_CALCULATE);
    for (const SessionRecord& record : kSessionRecords) {
        Add(record);
    }
    EXPECT_EQ(ShownMessages(), "");
    Command(ID_COPY_ALL);
    ExpectClipboard(pinned.copyAll);

    const std::string saved = PathOf("sitzung.dat");
    files.saveAnswers = {saved};
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadBytes(saved), BytesOfHex(pinned.savedFile));

    // The Linux program's file.
    const std::string opened = PathOf("wieder.dat");
    WriteBytes(opened, BytesOfHex(pinned.savedFile));
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    files.openAnswers = {opened};
    Command(ID_FILE_OPEN);
    messages.answers.clear();
    EXPECT_EQ(ShownMessages(), pinned.openMessages);
    // The same names, the same one first and shown; the list box orders the others by the
    // system's own rules (case ties: lower case first).
    std::vector<std::string> listed = ListRows();
    std::vector<std::string> expected(pinned.listed, pinned.listed + pinned.listedCount);
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ(listed[0], expected[0]);
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);

    for (std::size_t i = 0; i < pinned.copyCount; ++i) {
        const SessionCopy& copy = pinned.copies[i];
        SCOPED_TRACE(copy.name);
        const std::vector<std::string> rows = ListRows();
        const auto row = std::find(rows.begin(), rows.end(), copy.name) - rows.begin();
        ASSERT_LT(row, static_cast<std::ptrdiff_t>(rows.size()));
        // Choosing the name already chosen changes nothing, as in the Linux program's list.
        if (row != SelectedRow()) {
            messages.answers = {MessageAnswer::Yes};
            SelectRow(static_cast<int>(row));
            messages.answers.clear();
        }
        EXPECT_EQ(ShownMessages(), copy.messages);
        Command(ID_EDIT_COPY);
        ExpectClipboard(copy.text);
    }

    messages.shown.clear();
    messages.answers = {MessageAnswer::Yes};
    Add(kSessionReplaced);
    const std::vector<std::string> rows = ListRows();
    const auto removed = std::find(rows.begin(), rows.end(), kSessionRemoved) - rows.begin();
    ASSERT_LT(removed, static_cast<std::ptrdiff_t>(rows.size()));
    SelectRow(static_cast<int>(removed));
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE);
    Add(kSessionAdded);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(messages.shown.size(), 2u); // the questions to replace and to delete
    EXPECT_EQ(ReadBytes(opened), BytesOfHex(pinned.changedFile));
    EXPECT_FALSE(app->Document().IsModified());
    Command(ID_COPY_ALL);
    ExpectClipboard(pinned.changedCopyAll);
}

} // namespace
