#include <string>

#include <gtest/gtest.h>

#include "app/export_text.h"

namespace {
const char* const kHeader = "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n";
}

TEST(CopyAllText, EmptyStoreGivesTheHeaderOnly) {
    DateStoreMap store;
    EXPECT_EQ(CopyAllText(store), kHeader);
}

// The clipboard text of all records: the header line, then rows.
std::string WithHeader(std::string_view rows) {
    std::string text(kHeader);
    text.append(rows);
    return text;
}

TEST(CopyAllText, RecordLineAsOnTheClipboard) {
    DateStoreMap store;
    store.SetAt("Muster", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1));
    EXPECT_EQ(CopyAllText(store),
              WithHeader("Muster\tLunar\t20.3.2000 8:0 Uhr \t 99.99 %\t49.98 %\n"));
}

TEST(CopyAllText, NamesAreWrittenInUtf8) {
    DateStoreMap store;
    store.SetAt("J\xFCrgen \x80", VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1));
    EXPECT_EQ(CopyAllText(store),
              WithHeader("J\u00FCrgen \u20AC\tLunar\t20.3.2000 8:0 Uhr \t 99.99 %\t49.98 %\n"));
}

TEST(CopyAllText, UnevaluableRecordKeepsItsMomentAndLeavesResultsEmpty) {
    DateStoreMap store;
    store.SetAt("Far", VXDateStore(2000000000, 1, 1, 0, 5, 0, 0, 1));
    EXPECT_EQ(CopyAllText(store), WithHeader("Far\t\t1.1.2000000000 0:5 Uhr \t\t\n"));
    // The longest moment there is, every field at its most negative.
    const int32_t m = INT32_MIN;
    DateStoreMap extreme;
    extreme.SetAt("Min", VXDateStore(m, m, m, m, m, 0, 0, m));
    EXPECT_EQ(CopyAllText(extreme),
              WithHeader("Min\t\t-2147483648.-2147483648.-2147483648 -2147483648:-2147483648 "
                         "Uhr \t\t\n"));
}

TEST(CopyAllText, LinesFollowTheStoreOrder) {
    DateStoreMap store;
    const VXDateStore r(2000, 3, 20, 8, 0, 0, 0, -1);
    for (const char* name : {"b", "a", "q", "Z", "z"}) {
        store.SetAt(name, r);
    }
    std::string expected = kHeader;
    NameKey name;
    VXDateStore rec;
    for (auto pos = store.GetStartPosition(); pos != nullptr;) {
        store.GetNextAssoc(pos, name, rec);
        expected += name.Bytes() + "\tLunar\t20.3.2000 8:0 Uhr \t 99.99 %\t49.98 %\n";
    }
    EXPECT_EQ(CopyAllText(store), expected);
}

TEST(CopyLineText, JoinsWithTabsWithoutLineEnd) {
    EXPECT_EQ(CopyLineText("Muster", "Lunar", "99.99 %", "49.98 %"),
              "Muster\tLunar\t99.99 %\t49.98 %");
    EXPECT_EQ(CopyLineText("", "Solar", "1.00 %", "2.00 %"), "\tSolar\t1.00 %\t2.00 %");
}
