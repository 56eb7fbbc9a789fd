// Ajouter, selection, Supprimer and Tout supprimer on the record list.
#include <QListWidget>
#include <QLocale>
#include <gtest/gtest.h>
#include <iterator>
#include <utility>

#include "app/export_text.h"
#include "app_fixture.h"
#include "records/date_store_map.h"
#include "ui/main_view.h"

class RecordCommandsTest : public AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        messages.Clear();
    }
    QListWidget& List() const { return RecordList(); }
    QStringList Names() const { return ListedNames(); }
    void Add(const QString& name) {
        SetText(IDC_NAME, name);
        Click(IDC_ADD);
    }
    void Select(int row) { List().setCurrentRow(row); }
};

TEST_F(RecordCommandsTest, AddStoresTheFormUnvalidatedWithoutEvaluating) {
    EnterBirth(32, 13, 1850, 25, 61, 14);
    SetChecked(IDC_SOUTHERN, true);
    const QString shownBirth = Text(IDC_BIRTH);
    Add("Muster");
    EXPECT_TRUE(messages.shown.empty());
    VXDateStore stored;
    ASSERT_TRUE(Doc().m_mapDateStore.Lookup("Muster", stored));
    EXPECT_EQ(stored, VXDateStore(1850, 13, 32, 25, 61, 1, 0, 14));
    EXPECT_EQ(Names(), QStringList{"Muster"});
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_EQ(Text(IDC_BIRTH), shownBirth);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(RecordCommandsTest, EmptyNameAndNamesOfEachKey) {
    Add("");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Bitte einen Namen eingeben!");
    EXPECT_EQ(messages.shown[0].kind, MessageKind::ViewError);
    EXPECT_EQ(messages.shown[0].caption, "Orlinde-Rechner");
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 0);
    EXPECT_FALSE(Doc().IsModified());

    Add("  ");
    Add("Zoë");
    Add("名前");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 3);
    VXDateStore stored;
    EXPECT_TRUE(Doc().m_mapDateStore.Lookup("Zo\xEB", stored)); // Windows-1252 in the store
    EXPECT_TRUE(Doc().m_mapDateStore.Lookup(NameKey::FromUtf16(u"名前"), stored)); // UTF-16
    EXPECT_TRUE(Names().contains("Zoë"));
    EXPECT_TRUE(Names().contains("名前"));
}

TEST_F(RecordCommandsTest, NameWithAControlCharacterIsRefusedBeforeAnything) {
    Add("Muster");
    Doc().SetModifiedFlag(false);
    messages.Clear();
    // Tab, line feed, a zero byte, delete, a C1 character; the first is a stored name plus a
    // tab, so no question whether to replace may come first. The message names the character.
    const std::pair<QString, const char*> cases[] = {
        {"Muster\t", "U+0009"},
        {"Zeile\nzwei", "U+000A"},
        {QString("A") + QChar(0) + "B", "U+0000"},
        {QString("x") + QChar(0x7F), "U+007F"},
        {QChar(0x85) + QString("y"), "U+0085"},
    };
    for (const auto& [name, code] : cases) {
        Add(name);
    }
    ASSERT_EQ(messages.shown.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(messages.shown[i].kind, MessageKind::ViewError);
        EXPECT_EQ(messages.shown[i].text, QString::fromUtf8("Der Name \u201E") + cases[i].first +
                                              QString::fromUtf8("\u201C enth\u00E4lt ein "
                                                                "Steuerzeichen (") +
                                              cases[i].second + ") und wird nicht gespeichert.");
    }
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 1);
    EXPECT_EQ(Names(), QStringList{"Muster"});
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(RecordCommandsTest, NamesDifferingInCaseAreTwoRecordsSortedForPeople) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const char* name : {"muster", "Bert", "Muster", "Ärger", "anna"}) {
        Add(QString::fromUtf8(name));
    }
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 5);
    EXPECT_EQ(Names(), (QStringList{"anna", "Ärger", "Bert", "Muster", "muster"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RecordCommandsTest, ReplaceNoKeepsEverythingYesMovesTheRecordToItsChainHead) {
    // Two names in the same bucket: the later insertion comes first in the export.
    std::string first = "a0";
    std::string second;
    for (int i = 1; second.empty(); ++i) {
        const std::string candidate = "a" + std::to_string(i);
        if (HashKey(candidate) % 17 == HashKey(first) % 17) {
            second = candidate;
        }
    }
    EnterBirth(1, 1, 2000, 0, 0, 0);
    Add(QString::fromStdString(first));
    Add(QString::fromStdString(second));
    Doc().SetModifiedFlag(false);
    const std::string before = CopyAllText(Doc().m_mapDateStore);
    ASSERT_LT(before.find(second + "\t"), before.find(first + "\t"));

    SetText(IDC_DAY, "2");
    messages.answers = {MessageAnswer::No};
    Add(QString::fromStdString(first));
    EXPECT_EQ(messages.Texts(), QStringList{QString::fromStdString("Soll der Datensatz '" + first +
                                                                   "' ersetzt werden?")});
    EXPECT_EQ(messages.shown[0].kind, MessageKind::AppYesNo);
    EXPECT_EQ(CopyAllText(Doc().m_mapDateStore), before);
    EXPECT_FALSE(Doc().IsModified());

    messages.answers = {MessageAnswer::Yes};
    Add(QString::fromStdString(first));
    const std::string after = CopyAllText(Doc().m_mapDateStore);
    EXPECT_LT(after.find(first + "\t"), after.find(second + "\t"));
    EXPECT_NE(after.find("\t2.1.2000 "), std::string::npos);
    EXPECT_EQ(List().count(), 2);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(RecordCommandsTest, SelectingLoadsAndEvaluatesEvenOutOfRangeRecords) {
    Doc().m_mapDateStore.SetAt("Alt", VXDateStore(1850, 13, 5, 6, 7, 0, 0, 0));
    Doc().m_mapDateStore.SetAt("Muster", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1));
    // The list is filled as after opening a file; the first record is shown and refused.
    messages.answers = {MessageAnswer::No, MessageAnswer::No};
    View().OnInitialUpdate();
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown[0].text, "Calcul pour une date d'un siècle précédent ?");
    EXPECT_EQ(Text(IDC_NAME), "Alt");
    messages.Clear();
    Select(1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(IDC_NAME), "Muster");
    EXPECT_EQ(Text(IDC_BIRTH), "20.3.2000 8:00Uhr");

    messages.answers = {MessageAnswer::Yes};
    Select(0);
    EXPECT_EQ(messages.Texts(), (QStringList{"Calcul pour une date d'un siècle précédent ?",
                                             "Veuillez entrer un mois entre 1 et 12."}));
    EXPECT_EQ(Text(IDC_NAME), "Alt");
    EXPECT_EQ(Text(IDC_MONTH), "13");
    EXPECT_EQ(Text(IDC_BIRTH), "20.3.2000 8:00Uhr");
}

TEST_F(RecordCommandsTest, SelectedNameMissingFromTheStore) {
    Add("Muster");
    Doc().m_mapDateStore.RemoveAll();
    SetText(IDC_NAME, "anders");
    Select(0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Ein Programmierfehler der nicht auftreten dürfte.");
    EXPECT_EQ(messages.shown[0].kind, MessageKind::ViewError);
    EXPECT_EQ(Text(IDC_NAME), "anders");
}

TEST_F(RecordCommandsTest, DeleteWithAndWithoutSelection) {
    Add("Anna");
    Add("Bert");
    Click(IDC_DELETE);
    EXPECT_EQ(messages.Texts(), QStringList{"Es ist kein Datensatz selektiert!"});
    EXPECT_EQ(messages.shown[0].kind, MessageKind::ViewError);

    Select(1);
    messages.Clear();
    messages.answers = {MessageAnswer::No};
    Click(IDC_DELETE);
    EXPECT_EQ(messages.Texts(), QStringList{"Soll der Datensatz Bert gelöscht werden?"});
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 2);

    Doc().SetModifiedFlag(false);
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE);
    EXPECT_EQ(Names(), QStringList{"Anna"});
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 1);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_EQ(Text(IDC_NAME), "Bert"); // the form still shows the deleted record

    // Ajouter puts it back as a new entry.
    messages.Clear();
    Click(IDC_ADD);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Names(), (QStringList{"Anna", "Bert"}));

    messages.Clear();
    Click(IDC_DELETE); // nothing selected after the deletion
    EXPECT_EQ(messages.Texts(), QStringList{"Es ist kein Datensatz selektiert!"});
}

TEST_F(RecordCommandsTest, DeleteAllAsksEvenWhenEmpty) {
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE_ALL);
    EXPECT_EQ(messages.Texts(), QStringList{"Sollen alle Daten gelöscht werden?"});
    EXPECT_TRUE(Doc().IsModified());

    Add("Anna");
    Doc().SetModifiedFlag(false);
    messages.answers = {MessageAnswer::No};
    Click(IDC_DELETE_ALL);
    EXPECT_EQ(List().count(), 1);
    EXPECT_FALSE(Doc().IsModified());

    EnterBirth(3, 4, 2001, 5, 6, 0);
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE_ALL);
    EXPECT_EQ(List().count(), 0);
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 0);
    EXPECT_EQ(Text(IDC_DAY), "3"); // the fields keep their values
    messages.Clear();
    Click(IDC_DELETE);
    EXPECT_EQ(messages.Texts(), QStringList{"Es ist kein Datensatz selektiert!"});
}

TEST_F(RecordCommandsTest, NonNumericFieldStoresNothing) {
    SetText(IDC_HOUR, "acht");
    Add("Muster");
    EXPECT_EQ(messages.Texts(), QStringList{"Le champ « Heure » doit contenir un nombre entier."});
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 0);
    EXPECT_EQ(List().count(), 0);
    EXPECT_FALSE(Doc().IsModified());
}
