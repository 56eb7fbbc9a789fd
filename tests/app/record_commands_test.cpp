#include "app/record_commands.h"

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
    EXPECT_EQ(AddRecord(store, "\u65E5\u672C", Birth(1), AddMode::ReplaceExisting),
              RecordRefusal::NameNotStorable);
    EXPECT_EQ(AddRecord(store, "bad\xFF", Birth(1), AddMode::ReplaceExisting),
              RecordRefusal::NameNotStorable);
    EXPECT_TRUE(store.IsEmpty());
    VXDateStore record;
    EXPECT_EQ(LookupRecord(store, "", record), RecordRefusal::EmptyName);
    EXPECT_EQ(RemoveRecord(store, "\u65E5"), RecordRefusal::NameNotStorable);
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
    std::string key;
    EXPECT_TRUE(CheckName("\u20AC\u00E9", NameUse::ExistingEntry, &key).Accepted());
    EXPECT_EQ(key, "\x80\xE9");
    EXPECT_EQ(NameOfKey(key), "\u20AC\u00E9");
}

} // namespace
