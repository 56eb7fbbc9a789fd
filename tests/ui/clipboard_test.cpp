// "&Copier" and "&Copier tout".
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_view.h"

class ClipboardTest : public AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        messages.Clear();
        QApplication::clipboard()->setText("vorher");
    }
    static QString Clipboard() { return QApplication::clipboard()->text(); }
};

TEST_F(ClipboardTest, MusterExampleByteForByte) {
    EnterBirth(20, 3, 2000, 8, 0, -1);
    SetText(IDC_NAME, "Muster");
    Click(IDC_CALCULATE);
    Click(IDC_ADD);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(Clipboard(), "Muster\tLunar\t99.99 %\t49.98 %");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data("text/plain"),
              QByteArray("Muster\tLunar\t99.99 %\t49.98 %"));

    Command(ID_COPY_ALL);
    EXPECT_EQ(Clipboard(), "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n"
                           "Muster\tLunar\t20.3.2000 8:0 Uhr \t 99.99 %\t49.98 %\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ClipboardTest, CopyTakesTheShownTextsNotTheChangedFields) {
    EnterBirth(20, 3, 2000, 8, 0, -1);
    Click(IDC_CALCULATE);
    SetText(IDC_NAME, "");
    SetText(IDC_YEAR, "1970");
    Command(ID_EDIT_COPY);
    EXPECT_EQ(Clipboard(), "\tLunar\t99.99 %\t49.98 %");
}

TEST_F(ClipboardTest, CopyAllOfAnEmptyStoreAndOfUnusualRecords) {
    Command(ID_COPY_ALL);
    EXPECT_EQ(Clipboard(), "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n");

    Doc().m_mapDateStore.SetAt("Zo\xEB", VXDateStore(2000, 13, 20, 8, 0, 0, 0, -1));
    Command(ID_COPY_ALL);
    const QString text = Clipboard();
    EXPECT_TRUE(text.contains("\nZoë\t")) << text.toStdString();
    EXPECT_TRUE(text.contains("\t20.13.2000 8:0 Uhr \t ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("\n"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ClipboardTest, NonNumericFieldCopiesNothing) {
    SetText(IDC_DAY, "");
    Command(ID_EDIT_COPY);
    EXPECT_EQ(messages.Texts(), QStringList{"Le champ « Jour » doit contenir un nombre entier."});
    EXPECT_EQ(Clipboard(), "vorher");
}
