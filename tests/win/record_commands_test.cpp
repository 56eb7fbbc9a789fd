// Add, replace, delete and delete all with their questions, the list kept sorted, and undo and
// redo of each.
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "win/wide_text.h"
#include "win_fixture.h"

namespace {

class RecordCommandsTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        ASSERT_TRUE(Start());
        messages.shown.clear();
    }

    void Add(const std::string& name, int day, int month, int year) {
        EnterBirth(day, month, year, 12, 0, -1);
        SetText(IDC_NAME, name);
        Click(IDC_ADD);
    }

    bool Modified() { return app->Document().IsModified(); }
};

TEST_F(RecordCommandsTest, AddKeepsTheListSortedInAnyScript) {
    Add("Zoë", 1, 2, 2000);
    Add("anna", 2, 3, 1990);
    Add("Łukasz Żak", 3, 4, 1980);
    Add("李小龙", 27, 11, 1950);
    EXPECT_TRUE(messages.shown.empty());
    const std::vector<std::string> rows = ListRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], "anna");
    EXPECT_EQ(rows[3], "李小龙");
    EXPECT_EQ(app->Document().m_mapDateStore.GetCount(), 4);
    EXPECT_TRUE(Modified());
    // Selecting a record shows it and evaluates.
    SelectRow(1);
    EXPECT_EQ(Text(IDC_NAME), rows[1]);
    EXPECT_EQ(Text(IDC_BIRTH).find("12:00Uhr") != std::string::npos, true);
}

TEST_F(RecordCommandsTest, AddingAnExistingNameAsksBeforeReplacing) {
    Add("Muster", 1, 2, 2000);
    messages.answers = {MessageAnswer::No};
    Add("Muster", 5, 6, 2001);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppYesNo);
    EXPECT_NE(messages.shown[0].text.find("Muster"), std::string::npos);
    SelectRow(0);
    EXPECT_EQ(Text(IDC_DAY), "1");

    messages.shown.clear();
    messages.answers = {MessageAnswer::Yes};
    Add("Muster", 5, 6, 2001);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(ListRows().size(), 1u);
    SelectRow(0);
    EXPECT_EQ(Text(IDC_DAY), "5");
}

TEST_F(RecordCommandsTest, RefusedNamesShowTheFormsOwnBox) {
    Add("", 1, 2, 2000);
    Add("Tab\there", 1, 2, 2000);
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const ShownMessage& m : messages.shown) {
        EXPECT_EQ(m.kind, MessageKind::ViewError);
        EXPECT_EQ(m.caption, "Orlinde-Rechner");
    }
    EXPECT_TRUE(ListRows().empty());
    EXPECT_FALSE(Modified());
}

TEST_F(RecordCommandsTest, DeleteAsksAndNeedsASelection) {
    Add("Anna", 1, 2, 2000);
    Add("Bert", 1, 2, 2000);
    Click(IDC_DELETE); // nothing selected after adding
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::ViewError);

    messages.shown.clear();
    SelectRow(1);
    messages.answers = {MessageAnswer::No};
    Click(IDC_DELETE);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("Bert"), std::string::npos);
    EXPECT_EQ(ListRows().size(), 2u);

    SelectRow(1);
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE);
    EXPECT_EQ(ListRows(), std::vector<std::string>{"Anna"});
    EXPECT_EQ(SelectedRow(), -1);
}

TEST_F(RecordCommandsTest, DeleteAllAsksWithTheCountThenEmptiesTheList) {
    Add("Anna", 1, 2, 2000);
    Add("Bert", 1, 2, 2000);
    messages.answers = {MessageAnswer::No};
    Click(IDC_DELETE_ALL);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find('2'), std::string::npos);
    EXPECT_EQ(ListRows().size(), 2u);
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE_ALL);
    EXPECT_TRUE(ListRows().empty());
    EXPECT_EQ(app->Document().m_mapDateStore.GetCount(), 0);
}

TEST_F(RecordCommandsTest, UndoAndRedoTakeBackEachCommandAndNameIt) {
    EXPECT_FALSE(MenuEnabled(ID_EDIT_UNDO));
    Add("Anna", 1, 2, 2000);
    Add("Bert", 3, 4, 2001);
    SelectRow(0);
    Click(IDC_DELETE);
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Annuler Supprimer\tCtrl+Z");
    EXPECT_TRUE(MenuEnabled(ID_EDIT_UNDO));

    Command(ID_EDIT_UNDO); // Anna is back, selected and shown
    EXPECT_EQ(ListRows(), (std::vector<std::string>{"Anna", "Bert"}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(Text(IDC_NAME), "Anna");
    EXPECT_EQ(Text(IDC_DAY), "1");

    Click(IDC_DELETE_ALL);
    EXPECT_TRUE(ListRows().empty());
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(ListRows().size(), 2u);
    Command(ID_EDIT_UNDO); // the delete of Anna was taken back: now Bert's add
    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(ListRows().empty());
    EXPECT_FALSE(Modified()); // back at the document as it was made
    EXPECT_FALSE(MenuEnabled(ID_EDIT_UNDO));

    Command(ID_EDIT_REDO);
    EXPECT_EQ(ListRows(), std::vector<std::string>{"Anna"});
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(MenuEnabled(ID_EDIT_REDO));
}

// The list box holds only the number of rows: keys typed in it reach the rows through the
// view's names, each choice showing its record as a click would.
TEST_F(RecordCommandsTest, KeysTypedInTheListChooseRowsByTheirNames) {
    for (const char* name : {"Anna", "anton", "Bea", "Łukasz Żak", "Zoë"}) {
        Add(name, 1, 2, 2000);
    }
    ASSERT_EQ(ListRows(), (std::vector<std::string>{"Anna", "anton", "Bea", "Łukasz Żak", "Zoë"}));
    SelectRow(0);
    HWND list = GetDlgItem(Form(), IDC_LIST_DATES);
    const struct {
        const char* what;
        WPARAM key; // a character, or a virtual key when down is set
        bool down;
        int row;
    } steps[] = {
        {"a first letter goes on to the next name with it", 'a', false, 1},
        {"the same letter again wraps to the first", 'a', false, 0},
        {"Escape starts a new prefix", 0x1b, false, 0},
        {"a letter without its accent", 'l', false, 3},
        {"a prefix that leads nowhere keeps the row", 'x', false, 3},
        {"End as the list box does it", VK_END, true, 4},
        {"Up as the list box does it", VK_UP, true, 3},
    };
    for (const auto& step : steps) {
        SendMessageW(list, step.down ? WM_KEYDOWN : WM_CHAR, step.key, 0);
        EXPECT_EQ(SelectedRow(), step.row) << step.what;
        EXPECT_EQ(Text(IDC_NAME), ListRows()[static_cast<std::size_t>(step.row)]) << step.what;
    }
    EXPECT_TRUE(messages.shown.empty());
}

// Whoever asks the list box for a row's text (a screen reader's helper, an automation tool)
// gets the row's name, though the list holds none.
TEST_F(RecordCommandsTest, TheListAnswersARowsTextWithItsName) {
    for (const char* name : {"Νίκος", "李小龙", "Łukasz Żak", "😀 smile"}) {
        Add(name, 1, 2, 2000);
    }
    HWND list = GetDlgItem(Form(), IDC_LIST_DATES);
    const std::vector<std::string> rows = ListRows();
    ASSERT_EQ(rows.size(), 4u);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'#');
        EXPECT_EQ(SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data())),
                  length);
        EXPECT_EQ(text.back(), L'\0');
        text.pop_back();
        EXPECT_EQ(Narrow(text), rows[row]);
    }
    EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, rows.size(), 0), LB_ERR);
}

} // namespace
