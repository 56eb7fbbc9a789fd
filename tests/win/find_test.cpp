// "Rechercher..." and "Suivant" (F3): the find dialog's text selects the next name holding it,
// whatever its case and accents, as a click on the name would; the dialog's status line says
// which row it is, that the search went on from the top, or that no name holds the text.
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "win/find_dialog.h"
#include "win/main_view.h"
#include "win/wide_text.h"
#include "win_fixture.h"

namespace {

class FindTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        ASSERT_TRUE(Start());
        // Shown sorted: Anna, Bert, Hanna, Łukasz Żak.
        const struct {
            const char* name;
            int day;
        } records[] = {{"Hanna", 3}, {"Bert", 2}, {"Łukasz Żak", 4}, {"Anna", 1}};
        for (const auto& r : records) {
            EnterBirth(r.day, 5, 1990, 12, 0, -1);
            SetText(IDC_NAME, r.name);
            Click(IDC_ADD);
        }
        messages.shown.clear();
    }

    CFindDialog& Dialog() const {
        CFindDialog* dialog = app->View().FindDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
    // The text typed into the dialog's field (each change searches).
    void Type(const std::string& text) const {
        SetWindowTextUtf8(Dialog().Control(IDC_FIND_TEXT), text);
    }
    std::string Status() const { return Dialog().Status(); }
};

TEST_F(FindTest, MenuItemsAreOffered) {
    EXPECT_TRUE(MenuEnabled(ID_EDIT_FIND));
    EXPECT_TRUE(MenuEnabled(ID_EDIT_REPEAT));
    EXPECT_TRUE(MenuEnabled(ID_INSERT_BIRTHPLACE));
}

TEST_F(FindTest, TypingSelectsAndNextGoesOnAroundTheList) {
    Command(ID_EDIT_FIND);
    ASSERT_TRUE(IsWindowVisible(Dialog().Window()));
    EXPECT_EQ(WindowTextUtf8(Dialog().Window()), "Rechercher");

    // Each step: what is done, then the row selected, the name loaded and the status line.
    Type("ANNA");
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(Text(IDC_NAME), "Anna");
    EXPECT_EQ(Text(IDC_DAY), "1"); // loaded and evaluated as a click would
    EXPECT_EQ(Status(), "Nom 1 sur 4.");

    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(Text(IDC_NAME), "Hanna");
    EXPECT_EQ(Status(), "Nom 3 sur 4.");

    Dialog().Notify(IDC_FIND_NEXT, BN_CLICKED);
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(Status(), "Recherche reprise au début de la liste.");

    // A changed text searches from the match shown on: Anna still holds "an".
    Type("an");
    EXPECT_EQ(SelectedRow(), 0);
    // Accents and case of the names play no part.
    Type("zak");
    EXPECT_EQ(SelectedRow(), 3);
    EXPECT_EQ(Text(IDC_NAME), "Łukasz Żak");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FindTest, NoMatchSaysSoAndKeepsTheSelection) {
    SelectRow(1);
    Command(ID_EDIT_FIND);
    Type("xyz");
    EXPECT_EQ(Status(), "Aucun nom ne contient « xyz ».");
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(Text(IDC_NAME), "Bert");
    // An emptied field says nothing and searches nothing.
    Type("");
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(messages.shown.empty()); // a status line, not a message box
}

TEST_F(FindTest, NextWithoutATextOpensTheDialog) {
    EXPECT_EQ(app->View().FindDialog(), nullptr);
    Command(ID_EDIT_REPEAT);
    ASSERT_NE(app->View().FindDialog(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Dialog().Window()));
    EXPECT_EQ(SelectedRow(), -1);
}

TEST_F(FindTest, F3InTheDialogGoesOnAndCloseHidesIt) {
    Command(ID_EDIT_FIND);
    Type("a");
    EXPECT_EQ(SelectedRow(), 0);
    MSG f3{};
    f3.hwnd = Dialog().Control(IDC_FIND_TEXT);
    f3.message = WM_KEYDOWN;
    f3.wParam = VK_F3;
    EXPECT_TRUE(app->PreTranslateMessage(f3));
    EXPECT_EQ(SelectedRow(), 2); // Hanna; Bert holds no "a"

    Dialog().Notify(IDCANCEL, BN_CLICKED);
    EXPECT_FALSE(IsWindowVisible(Dialog().Window()));
    // The text stays for "Suivant" from the main window.
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(SelectedRow(), 3);
}

TEST_F(FindTest, NamesAddedAndDeletedAfterTheFirstSearchAreFound) {
    Command(ID_EDIT_FIND);
    Type("bert");
    EXPECT_EQ(SelectedRow(), 1);
    EnterBirth(6, 5, 1990, 12, 0, -1);
    SetText(IDC_NAME, "Albert"); // sorted before Anna
    Click(IDC_ADD);
    SelectRow(0);
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(Text(IDC_NAME), "Bert");
    EXPECT_EQ(Status(), "Nom 3 sur 5.");

    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE); // Bert
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(Text(IDC_NAME), "Albert");
    EXPECT_EQ(Status(), "Nom 1 sur 4.");
}

} // namespace
