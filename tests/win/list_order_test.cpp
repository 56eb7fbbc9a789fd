// The record list in the Linux program's order (tests/list_order_names.h) under the English
// (United States) locale, the first of those names shown after opening a file, and each row
// leading to its own record through selecting, replacing and deleting.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "../list_order_names.h"
#include "res/resource_ids.h"
#include "win/list_collation.h"
#include "win/wide_text.h"
#include "win_fixture.h"

class ListOrderTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        wchar_t locale[LOCALE_NAME_MAX_LENGTH] = {};
        GetUserDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH);
        ASSERT_EQ(Narrow(locale), "en-US") << "the shared order is that of English (United States)";
    }

    // The place of name in the shared order, as the day each record is born on.
    static int DayOf(const std::string& name) {
        int day = 1;
        while (kNamesInListOrder[static_cast<std::size_t>(day - 1)] != name) {
            ++day;
        }
        return day;
    }

    std::string WriteNames(const std::string& fileName) {
        std::vector<std::pair<std::string, BirthInput>> entries;
        for (const std::string& name : NamesShuffled()) {
            entries.push_back({name, BirthInput{DayOf(name), 1, 2000, 12, 0, 0, false, false}});
        }
        const std::string path = PathOf(fileName);
        WriteBytes(path, RecordFileBytes(entries));
        return path;
    }

    void Add(const std::string& name, int day) {
        EnterBirth(day, 1, 2000, 12, 0, 0);
        SetText(IDC_NAME, name);
        Click(IDC_ADD);
    }
};

TEST_F(ListOrderTest, OpeningAFileListsTheNamesInTheSharedOrderAndShowsTheFirst) {
    ASSERT_TRUE(Start({WriteNames("namen.dat")}));
    EXPECT_EQ(ListRows(), kNamesInListOrder);
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(Text(IDC_NAME), kNamesInListOrder.front());
    EXPECT_EQ(Text(IDC_DAY), "1");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ListOrderTest, AddingOneByOneGivesTheOrderOfOpening) {
    ASSERT_TRUE(Start());
    for (const std::string& name : NamesShuffled()) {
        Add(name, DayOf(name));
    }
    EXPECT_EQ(ListRows(), kNamesInListOrder);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ListOrderTest, EveryRowLeadsToItsRecordThroughReplaceAndDelete) {
    ASSERT_TRUE(Start({WriteNames("namen.dat")}));
    const auto expectRowsLeadToTheirDays = [this] {
        const std::vector<std::string> rows = ListRows();
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            SelectRow(row);
            EXPECT_EQ(Text(IDC_NAME), rows[static_cast<std::size_t>(row)]);
            EXPECT_EQ(Text(IDC_DAY), std::to_string(DayOf(rows[static_cast<std::size_t>(row)])));
        }
    };
    expectRowsLeadToTheirDays();

    // "Muster" replaced: the rows stay, its record is the new one.
    messages.answers = {MessageAnswer::Yes};
    Add("Muster", 28);
    EXPECT_EQ(ListRows(), kNamesInListOrder);
    SelectRow(DayOf("Muster") - 1);
    EXPECT_EQ(Text(IDC_DAY), "28");
    Add("Muster", DayOf("Muster"));

    // "anna" deleted: the rows after it move up, each still with its record.
    SelectRow(DayOf("anna") - 1);
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE);
    std::vector<std::string> expected = kNamesInListOrder;
    std::erase(expected, "anna");
    EXPECT_EQ(ListRows(), expected);
    expectRowsLeadToTheirDays();

    // Undone, it is back at its place.
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(ListRows(), kNamesInListOrder);
    expectRowsLeadToTheirDays();
}

TEST_F(ListOrderTest, ABigFileFillsTheListInOrder) {
    std::vector<std::pair<std::string, BirthInput>> entries;
    const int count = 10000;
    for (int i = 0; i < count; ++i) {
        const int n = i * 7919 % count;
        entries.push_back({(n % 2 ? "n" : "N") + std::to_string(n % 1000) + "é" + std::to_string(n),
                           BirthInput{1 + n % 28, 1, 2000, 12, 0, 0, false, false}});
    }
    const std::string path = PathOf("gross.dat");
    WriteBytes(path, RecordFileBytes(entries));
    ASSERT_TRUE(Start({path}));
    const std::vector<std::string> rows = ListRows();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(count));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_LE(CollateListNames(Widen(rows[i - 1]), Widen(rows[i])), 0) << rows[i];
    }
    EXPECT_EQ(Text(IDC_NAME), rows.front());
}

// A million records, for measuring (--gtest_also_run_disabled_tests): the time the list order
// takes, the time from the start of the program with the file to its first record shown, and
// the time a typed letter takes to look through every row.
TEST_F(ListOrderTest, DISABLED_AMillionRecordsLoad) {
    std::vector<std::pair<std::string, BirthInput>> entries;
    const int count = 1000000;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        entries.push_back({"Person " + std::to_string(i * 7919LL % count),
                           BirthInput{1, 1, 2000, 12, 0, 0, false, false}});
    }
    const std::string path = PathOf("million.dat");
    WriteBytes(path, RecordFileBytes(entries));
    {
        std::vector<std::wstring> shown;
        std::vector<NameKey> keys;
        for (const auto& entry : entries) {
            shown.push_back(Widen(entry.first));
            keys.emplace_back(entry.first);
        }
        const auto sortStart = std::chrono::steady_clock::now();
        WinListOrder(shown, keys);
        std::printf(
            "sorted in %.2f s\n",
            std::chrono::duration<double>(std::chrono::steady_clock::now() - sortStart).count());
    }
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(Start({path}));
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("a million records shown in %.2f s\n", seconds);
    EXPECT_EQ(SendDlgItemMessageW(Form(), IDC_LIST_DATES, LB_GETCOUNT, 0, 0), count);
    EXPECT_EQ(Text(IDC_NAME), "Person 0");
    // A letter no name begins with: every row's name is looked at.
    const auto typeStart = std::chrono::steady_clock::now();
    SendDlgItemMessageW(Form(), IDC_LIST_DATES, WM_CHAR, L'q', 0);
    std::printf(
        "a letter no row begins with answered in %.2f s\n",
        std::chrono::duration<double>(std::chrono::steady_clock::now() - typeStart).count());
    EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(ListOrderTest, AnEmojiGoesAfterTheGreekAndBeforeTheChinese) {
    ASSERT_TRUE(Start());
    for (const std::string& name :
         {std::string("李小龙"), kEmojiName, std::string("νίκος"), std::string("€uro")}) {
        Add(name, 1);
    }
    EXPECT_EQ(ListRows(), (std::vector<std::string>{"€uro", "νίκος", kEmojiName, "李小龙"}));
}
