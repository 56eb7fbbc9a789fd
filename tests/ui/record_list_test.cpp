// The record list's order: the one sort of a whole store gives the order of adding the names
// one by one, and every item leads back to its store key.
#include <QListWidget>
#include <QLocale>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/record_list.h"

namespace {

QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts.append(list.item(i)->text());
    }
    return texts;
}

// Names that differ in case, accents, blanks, digits and signs, some equal for the collation.
std::vector<NameKey> MixedNames() {
    std::vector<NameKey> names = {
        "muster", "Muster", "MUSTER",  "\xC4rger", "Arger",    "arger", "anna",  "Anna ",  " anna",
        "Bert",   "bert-2", "bert 10", "bert 9",   "\xE9lise", "Elise", "elise", "Zo\xEB", "zoe",
        "",       "\x81",   "\x9D",    "\xFF",     "a\tb",     "\xDF",  "ss",    "Otto!",  "otto"};
    for (int i = 0; i < 300; ++i) {
        names.push_back((i % 3 == 0 ? "N" : "n") + std::to_string(i * 7919 % 1000));
    }
    // Names in other scripts, with case (Greek, Cyrillic) and without.
    for (const char16_t* wide :
         {u"\u039D\u03AF\u03BA\u03BF\u03C2", u"\u03BD\u03AF\u03BA\u03BF\u03C2",
          u"\u0391\u03BD\u03BD\u03B1", u"\u041C\u043E\u0441\u043A\u0432\u0430",
          u"\u674E\u5C0F\u9F99", u"\u05D3\u05D5\u05D3", u"\u0141ukasz", u"lukasz", u"\xD83D\xDE00",
          u"x\xD800"}) {
        names.push_back(NameKey::FromUtf16(wide));
    }
    return names;
}

void ExpectFillMatchesAdding(const QLocale& locale) {
    QLocale::setDefault(locale);
    const std::vector<NameKey> names = MixedNames();
    QListWidget added;
    for (const NameKey& name : names) {
        AddRecordName(added, name);
    }
    QListWidget filled;
    FillRecordNames(filled, names);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(Texts(filled), Texts(added)) << locale.name().toStdString();
    ASSERT_EQ(filled.count(), static_cast<int>(names.size()));
}

} // namespace

TEST(RecordList, OneSortGivesTheOrderOfAddingOneByOne) {
    ExpectFillMatchesAdding(QLocale(QLocale::German, QLocale::Germany));
    ExpectFillMatchesAdding(QLocale(QLocale::French, QLocale::France));
    ExpectFillMatchesAdding(QLocale::c());
}

TEST(RecordList, PeopleOrderWithTiesByTheStoredBytes) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QListWidget list;
    FillRecordNames(list, {"muster", "Bert", "Muster", "\xC4rger", "anna"});
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(Texts(list), (QStringList{"anna", "Ärger", "Bert", "Muster", "muster"}));
}

TEST(RecordList, EveryItemLeadsBackToItsKey) {
    std::string everyByte;
    for (int b = 1; b < 256; ++b) {
        everyByte.push_back(static_cast<char>(b));
    }
    // Wide keys as a file may hold them: a lone surrogate (shown as U+FFFD, next to a real
    // U+FFFD), and a decomposed name that input would have composed.
    const std::vector<NameKey> keys = {everyByte,
                                       "Zo\xEB",
                                       std::string("a\0b", 3),
                                       NameKey::FromUtf16(u"\u674E\u5C0F\u9F99"),
                                       NameKey::FromUtf16(u"x\xD800"),
                                       NameKey::FromUtf16(u"x\xFFFD"),
                                       NameKey::FromUtf16(u"Z\u0307ak")};
    QListWidget list;
    FillRecordNames(list, keys);
    QListWidget added;
    for (const NameKey& key : keys) {
        AddRecordName(added, key);
    }
    for (int row = 0; row < list.count(); ++row) {
        EXPECT_EQ(RecordKeyAt(added, row), RecordKeyAt(list, row)) << row;
    }
    std::vector<NameKey> back;
    for (int row = 0; row < list.count(); ++row) {
        back.push_back(RecordKeyAt(list, row));
    }
    std::sort(back.begin(), back.end());
    std::vector<NameKey> expected = keys;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(back, expected);
    EXPECT_EQ(ShownRecordName("Zo\xEB"), "Zoë");
    EXPECT_EQ(ShownRecordName(NameKey::FromUtf16(u"x\xD800")), "x\uFFFD");
    EXPECT_EQ(RecordKeyAt(list, list.count()), NameKey(""));
}

TEST(RecordList, FillReportsItsProgress) {
    std::vector<NameKey> keys;
    for (int i = 0; i < 20000; ++i) {
        keys.push_back("p" + std::to_string(i));
    }
    std::vector<int> reported;
    QListWidget list;
    FillRecordNames(list, keys, [&reported](int prepared) { reported.push_back(prepared); });
    EXPECT_EQ(reported, (std::vector<int>{8192, 16384}));
    EXPECT_EQ(list.count(), 20000);
    EXPECT_EQ(list.item(0)->text(), "p0");
    EXPECT_EQ(list.item(1)->text(), "p1");
    EXPECT_EQ(list.item(2)->text(), "p10");
}
