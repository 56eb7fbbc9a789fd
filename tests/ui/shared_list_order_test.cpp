// The record list in the order the Windows program shows too (tests/list_order_names.h), and
// the first of those names shown after opening a file.
#include <QListWidget>
#include <QLocale>
#include <gtest/gtest.h>

#include "../list_order_names.h"
#include "app_fixture.h"
#include "ui/record_list.h"

class SharedListOrderTest : public AppFixture {
  protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    static QStringList Expected() {
        QStringList names;
        for (const std::string& name : kNamesInListOrder) {
            names.append(QString::fromStdString(name));
        }
        return names;
    }

    // A record file of the names, each born on a day of its own (its place in the shared
    // order), so that the form shows which record it loaded.
    QString WriteNames(const QString& fileName) const {
        CVexamoDoc document;
        for (const std::string& name : NamesShuffled()) {
            NameKey key;
            EXPECT_TRUE(Utf8ToNameKey(name, key)) << name;
            int day = 1;
            while (kNamesInListOrder[static_cast<std::size_t>(day - 1)] != name) {
                ++day;
            }
            document.m_mapDateStore.SetAt(key, VXDateStore(2000, 1, day, 12, 0, 0, 0, 0));
        }
        const QString path = TempPath(fileName);
        DocFault fault;
        EXPECT_TRUE(document.SaveDocument(path.toStdString(), fault));
        return path;
    }
};

TEST_F(SharedListOrderTest, OpeningAFileListsTheNamesInTheSharedOrderAndShowsTheFirst) {
    const QString path = WriteNames(QStringLiteral("namen.dat"));
    ASSERT_TRUE(Start({path}));
    EXPECT_EQ(ListedNames(), Expected());
    EXPECT_EQ(Text(IDC_NAME), Expected().front());
    EXPECT_EQ(Text(IDC_DAY), "1");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SharedListOrderTest, AddingTheNamesOneByOneGivesTheSameOrder) {
    QListWidget list;
    for (const std::string& name : NamesShuffled()) {
        NameKey key;
        ASSERT_TRUE(Utf8ToNameKey(name, key));
        AddRecordName(list, key);
    }
    QStringList shown;
    for (int row = 0; row < list.count(); ++row) {
        shown.append(list.item(row)->text());
    }
    EXPECT_EQ(shown, Expected());
}

TEST_F(SharedListOrderTest, AnEmojiGoesBeforeEveryLetter) {
    QListWidget list;
    for (const std::string& name : {kNamesInListOrder.back(), kEmojiName, std::string("€uro")}) {
        NameKey key;
        ASSERT_TRUE(Utf8ToNameKey(name, key));
        AddRecordName(list, key);
    }
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text().toStdString(), kEmojiName);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("€uro"));
}
