#include "app/record_commands.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {

BirthInput Birth(int32_t day) {
    BirthInput in;
    in.day = day;
    in.month = 3;
    in.year = 2000;
    in.hour = 8;
    in.timeZone = -1;
    in.southern = true;
    return in;
}

TEST(RecordCommands, AddStoresTheInputUnderTheWindows1252Key) {
    DateStoreMap store;
    bool replaced = true;
    EXPECT_EQ(AddRecord(store, "J\u00FCrgen", Birth(20), AddMode::RefuseExisting, &replaced),
              RecordRefusal::None);
    EXPECT_FALSE(replaced);
    VXDateStore record;
    ASSERT_TRUE(store.Lookup("J\xFCrgen", record));
    EXPECT_EQ(record, VXDateStore(2000, 3, 20, 8, 0, 1, 0, -1));
    EXPECT_EQ(FromRecord(record), Birth(20));
    EXPECT_EQ(LookupRecord(store, "J\u00FCrgen", record), RecordRefusal::None);
    EXPECT_EQ(RecordNames(store), std::vector<std::string>{"J\u00FCrgen"});
}

TEST(RecordCommands, RefusedNamesLeaveTheStoreAlone) {
    DateStoreMap store;
    EXPECT_EQ(AddRecord(store, "", Birth(1), AddMode::ReplaceExisting), RecordRefusal::EmptyName);
    EXPECT_EQ(AddRecord(store, "bad\xFF", Birth(1), AddMode::ReplaceExisting),
              RecordRefusal::NameNotStorable);
    EXPECT_TRUE(store.IsEmpty());
    VXDateStore record;
    EXPECT_EQ(LookupRecord(store, "", record), RecordRefusal::EmptyName);
    EXPECT_EQ(RemoveRecord(store, "\xC3"), RecordRefusal::NameNotStorable);
    EXPECT_EQ(RemoveRecord(store, "x"), RecordRefusal::NotFound);
    EXPECT_EQ(LookupRecord(store, "x", record), RecordRefusal::NotFound);
}

TEST(RecordCommands, ExistingNameNeedsReplaceAndMovesToTheChainHead) {
    DateStoreMap store;
    // "A" and "R" share a bucket; the chain lists the most recent insertion first.
    ASSERT_EQ(HashKey("A") % 17, HashKey("R") % 17);
    AddRecord(store, "A", Birth(1), AddMode::RefuseExisting);
    AddRecord(store, "R", Birth(2), AddMode::RefuseExisting);
    EXPECT_EQ(RecordNames(store), (std::vector<std::string>{"R", "A"}));

    EXPECT_EQ(AddRecord(store, "A", Birth(3), AddMode::RefuseExisting), RecordRefusal::NameExists);
    VXDateStore record;
    LookupRecord(store, "A", record);
    EXPECT_EQ(record.m_nDay, 1);

    bool replaced = false;
    EXPECT_EQ(AddRecord(store, "A", Birth(3), AddMode::ReplaceExisting, &replaced),
              RecordRefusal::None);
    EXPECT_TRUE(replaced);
    LookupRecord(store, "A", record);
    EXPECT_EQ(record.m_nDay, 3);
    EXPECT_EQ(RecordNames(store), (std::vector<std::string>{"A", "R"}));
    EXPECT_EQ(store.GetCount(), 2);
}

TEST(RecordCommands, RemoveOneAndAll) {
    DateStoreMap store;
    for (const char* name : {"a", "b", "c"}) {
        AddRecord(store, name, Birth(1), AddMode::RefuseExisting);
    }
    EXPECT_EQ(RemoveRecord(store, "b"), RecordRefusal::None);
    EXPECT_EQ(RemoveRecord(store, "b"), RecordRefusal::NotFound);
    EXPECT_EQ(store.GetCount(), 2);
    RemoveAllRecords(store);
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_TRUE(RecordNames(store).empty());
}

TEST(RecordCommands, NamesWithControlCharactersNeverEnterButStayReachable) {
    DateStoreMap store;
    for (const char* name : {"a\tb", "x\x7f", "c1\xC2\x9B", "\x1b"}) {
        EXPECT_EQ(AddRecord(store, name, BirthInput{}, AddMode::ReplaceExisting),
                  RecordRefusal::NameHasControlCharacter)
            << name;
        EXPECT_EQ(AddStoredRecord(store, name, VXDateStore{}, AddMode::ReplaceExisting),
                  RecordRefusal::NameHasControlCharacter);
    }
    EXPECT_TRUE(store.IsEmpty());
    // A name read from a file written elsewhere can still be looked up and removed.
    store.SetAt("a\tb", VXDateStore{});
    VXDateStore record;
    EXPECT_EQ(LookupRecord(store, "a\tb", record), RecordRefusal::None);
    EXPECT_EQ(RemoveRecord(store, "a\tb"), RecordRefusal::None);
}

TEST(RecordCommands, KeysAndNamesConvertBothWays) {
    NameKey key;
    EXPECT_TRUE(CheckName("\u20AC\u00E9", NameUse::ExistingEntry, &key).Accepted());
    EXPECT_EQ(key, NameKey("\x80\xE9"));
    EXPECT_EQ(NameOfKey(key), "\u20AC\u00E9");
}

TEST(RecordCommands, NamesInAnyScriptAreStoredFoundAndRemoved) {
    const std::string names[] = {"\u0141ukasz \u017Bak",
                                 "\u039D\u03AF\u03BA\u03BF\u03C2",
                                 "\u041C\u043E\u0441\u043A\u0432\u0430 \u0418\u0432\u0430\u043D",
                                 "\u05D3\u05D5\u05D3",
                                 "\u0639\u0644\u064A",
                                 "\u674E\u5C0F\u9F99",
                                 "\U0001F600",
                                 "Zo\u00EB"};
    DateStoreMap store;
    int day = 1;
    for (const std::string& name : names) {
        EXPECT_EQ(AddRecord(store, name, Birth(day++), AddMode::RefuseExisting),
                  RecordRefusal::None)
            << name;
    }
    std::vector<std::string> listed = RecordNames(store);
    std::sort(listed.begin(), listed.end());
    std::vector<std::string> expected(std::begin(names), std::end(names));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
    day = 1;
    for (const std::string& name : names) {
        VXDateStore record;
        ASSERT_EQ(LookupRecord(store, name, record), RecordRefusal::None) << name;
        EXPECT_EQ(record.m_nDay, day++) << name;
    }
    // A decomposed name from another system finds, replaces and removes the composed one.
    EXPECT_EQ(AddRecord(store, "Zoe\u0308", Birth(28), AddMode::RefuseExisting),
              RecordRefusal::NameExists);
    EXPECT_EQ(RemoveRecord(store, "Zoe\u0308"), RecordRefusal::None);
    for (const std::string& name : names) {
        RemoveRecord(store, name);
    }
    EXPECT_TRUE(store.IsEmpty());
}

} // namespace
