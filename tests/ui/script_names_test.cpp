// Names in every script in the window: typed, added, listed in the collator's order, selected,
// copied, saved, reopened and deleted.
#include <QApplication>
#include <QClipboard>
#include <QCollator>
#include <QListWidget>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_view.h"

namespace {

const QStringList kNames = {
    QStringLiteral("\u0141ukasz \u017Bak"),
    QStringLiteral("Zo\u00EB M\u00FCller"),
    QStringLiteral("\u039D\u03AF\u03BA\u03BF\u03C2"),
    QStringLiteral("\u041C\u043E\u0441\u043A\u0432\u0430 \u0418\u0432\u0430\u043D"),
    QStringLiteral("\u05D3\u05D5\u05D3 \u05DB\u05D4\u05DF"),
    QStringLiteral("\u0639\u0644\u064A \u062D\u0633\u0646"),
    QStringLiteral("\u674E\u5C0F\u9F99"),
    QString::fromUtf8("Eva \xF0\x9F\x98\x80"),
};

} // namespace

class ScriptNamesTest : public AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        messages.Clear();
    }
    // The names as the list must order them.
    static QStringList InListOrder(QStringList names) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::sort(names.begin(), names.end(), collator);
        return names;
    }
    void AddEach(const QStringList& names) {
        int day = 1;
        for (const QString& name : names) {
            EnterBirth(day++, 3, 2000, 12, 0, 1);
            SetText(IDC_NAME, name);
            Click(IDC_ADD);
        }
    }
};

TEST_F(ScriptNamesTest, AddSelectCopyAndDeleteEveryName) {
    AddEach(kNames);
    EXPECT_TRUE(messages.shown.empty()) << messages.Texts().join("|").toStdString();
    ASSERT_EQ(ListedNames(), InListOrder(kNames));

    for (int row = 0; row < RecordList().count(); ++row) {
        RecordList().setCurrentRow(row);
        EXPECT_EQ(Text(IDC_NAME), ListedNames()[row]);
        EXPECT_EQ(Text(IDC_DAY).toInt(), kNames.indexOf(ListedNames()[row]) + 1) << row;
        Command(ID_EDIT_COPY);
        EXPECT_TRUE(QApplication::clipboard()->text().startsWith(ListedNames()[row] + "\t"));
    }

    Command(ID_COPY_ALL);
    const QString all = QApplication::clipboard()->text();
    for (const QString& name : kNames) {
        EXPECT_TRUE(all.contains("\n" + name + "\t")) << name.toStdString();
    }

    messages.answers.assign(kNames.size(), MessageAnswer::Yes);
    while (RecordList().count() > 0) {
        RecordList().setCurrentRow(0);
        Click(IDC_DELETE);
    }
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 0);
}

TEST_F(ScriptNamesTest, DecomposedTypingFindsTheComposedName) {
    AddEach({QStringLiteral("Zo\u00EB")});
    messages.answers = {MessageAnswer::No};
    AddEach({QStringLiteral("Zoe\u0308")}); // asks whether to replace the same record
    EXPECT_EQ(messages.Texts(),
              QStringList{QStringLiteral("Soll der Datensatz 'Zo\u00EB' ersetzt werden?")});
    EXPECT_EQ(ListedNames(), QStringList{QStringLiteral("Zo\u00EB")});
}

TEST_F(ScriptNamesTest, SavedAndReopenedNamesAreTheSame) {
    AddEach(kNames);
    const QString path = TempPath("scripts.dat");
    files.saveAnswers = {path};
    Command(ID_FILE_SAVE_AS);
    ASSERT_FALSE(Doc().IsModified()) << messages.Texts().join("|").toStdString();
    Command(ID_FILE_NEW);
    ASSERT_EQ(RecordList().count(), 0);
    files.openAnswers = {path};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(ListedNames(), InListOrder(kNames));
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), kNames.size());
}
