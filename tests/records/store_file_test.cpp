#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/records/sample_record.h"

#include "tests/records/byte_string.h"
#include "tests/records/malformed_files.h"

#include "records/record_image.h"
#include "records/store_file.h"

namespace {

// An entry's least size: a one-byte name length and the record image.
constexpr size_t kMinEntryBytes = 1 + kRecordImageSize;

std::string Int32(int32_t v) {
    ArchiveWriter w;
    w.WriteInt32(v);
    return w.Bytes();
}

std::string Save(const DateStoreMap& store) {
    ArchiveWriter ar;
    StoreDateStoreMap(ar, store);
    return ar.Bytes();
}

std::string Image(const VXDateStore& r, uint32_t tag = kRecordImageTag) {
    return Int32(static_cast<int32_t>(tag)) + Int32(r.m_nYear) + Int32(r.m_nMonth) +
           Int32(r.m_nDay) + Int32(r.m_nHour) + Int32(r.m_nMinute) + Int32(r.m_bSouthern) +
           Int32(r.m_bConstZone) + Int32(r.m_nTimeZone);
}

std::vector<NameKey> StoredKeys(const DateStoreMap& store) {
    std::vector<NameKey> out;
    NameKey name;
    VXDateStore r;
    for (auto pos = store.GetStartPosition(); pos != nullptr;) {
        store.GetNextAssoc(pos, name, r);
        out.push_back(name);
    }
    return out;
}

} // namespace

TEST(StoreFile, EmptyStoreIsTheCountAlone) {
    DateStoreMap store;
    EXPECT_EQ(Save(store), Bytes({0, 0}));
    DateStoreMap loaded;
    loaded.SetAt("old", kMuster);
    ParseFault reason;
    ASSERT_TRUE(ParseDateStoreFile("\0\0", 2, loaded, reason));
    EXPECT_EQ(loaded.GetCount(), 0);
}

TEST(StoreFile, OneEntryLayout) {
    DateStoreMap store;
    store.SetAt("Muster", kMuster);
    const std::string expected = Bytes({1, 0, 6}) + "Muster" + Bytes({1, 0, 0, 0}) + Int32(2000) +
                                 Int32(3) + Int32(20) + Int32(8) + Int32(0) + Int32(0) + Int32(0) +
                                 Int32(-1);
    EXPECT_EQ(Save(store), expected);
}

TEST(StoreFile, TagIsIgnoredAndOutOfRangeValuesSurvive) {
    const VXDateStore odd(1850, 13, -4, 99, 61, 7, -1, 2147483647);
    const std::string file =
        Bytes({2, 0, 1}) + "a" + Image(odd, 0xDEADBEEF) + Bytes({1}) + "b" + Image(kMuster, 0);
    DateStoreMap store;
    ParseFault reason;
    ASSERT_TRUE(ParseDateStoreFile(file.data(), file.size(), store, reason)) << reason.kind;
    VXDateStore r;
    ASSERT_TRUE(store.Lookup("a", r));
    EXPECT_EQ(r, odd);
    ASSERT_TRUE(store.Lookup("b", r));
    EXPECT_EQ(r, kMuster);
}

TEST(StoreFile, ReloadReversesEachBucketAndKeepsEveryEntry) {
    DateStoreMap store;
    for (int i = 0; i < 60; ++i) {
        store.SetAt("Name" + std::to_string(i), VXDateStore(i, 1, 1, 0, 0, 0, 0, 1));
    }
    store.SetAt("name0", kMuster); // differs only in case: a second entry
    const std::string first = Save(store);
    DateStoreMap loaded;
    ParseFault reason;
    ASSERT_TRUE(ParseDateStoreFile(first.data(), first.size(), loaded, reason)) << reason.kind;
    EXPECT_EQ(loaded.GetCount(), 61);

    // Within a bucket the reloaded order is the reverse of the saved order.
    auto byBucket = [](const std::vector<NameKey>& names) {
        std::vector<std::vector<NameKey>> buckets(17);
        for (const auto& n : names) {
            buckets[HashKey(n) % 17].push_back(n);
        }
        return buckets;
    };
    auto saved = byBucket(StoredKeys(store));
    const auto reloaded = byBucket(StoredKeys(loaded));
    for (auto& b : saved) {
        std::reverse(b.begin(), b.end());
    }
    EXPECT_EQ(reloaded, saved);
    // Saving twice more brings back the original bytes.
    DateStoreMap again;
    const std::string second = Save(loaded);
    ASSERT_TRUE(ParseDateStoreFile(second.data(), second.size(), again, reason));
    EXPECT_EQ(Save(again), first);
}

TEST(StoreFile, LaterDuplicateReplacesEarlier) {
    const std::string file = Bytes({2, 0, 1}) + "x" + Image(kMuster) + Bytes({1}) + "x" +
                             Image(VXDateStore(1, 2, 3, 4, 5, 1, 1, 0));
    DateStoreMap store;
    ParseFault reason;
    ParseNotice notice;
    ASSERT_TRUE(ParseDateStoreFile(file.data(), file.size(), store, reason, &notice))
        << reason.kind;
    EXPECT_EQ(store.GetCount(), 1);
    EXPECT_EQ(notice.kind, ParseNotice::None);
    VXDateStore r;
    ASSERT_TRUE(store.Lookup("x", r));
    EXPECT_EQ(r, VXDateStore(1, 2, 3, 4, 5, 1, 1, 0));
}

// Bytes after the last entry load the entries before them, and the load says how many follow.
TEST(StoreFile, BytesAfterTheLastEntryAreCounted) {
    const std::string entryA = Bytes({1}) + "a" + Image(kMuster);
    const std::string entryB = Bytes({1}) + "b" + Image(VXDateStore(1, 2, 3, 4, 5, 1, 1, 0));
    const std::string wide = WideNameBytes(u"\u65E5") + Image(kMuster);
    const struct {
        const char* what;
        std::string bytes;
        int entries;
        uint64_t trailing;
    } cases[] = {
        {"as written", Bytes({2, 0}) + entryA + entryB, 2, 0},
        {"under-count", Bytes({1, 0}) + entryA + entryB, 1, entryB.size()},
        {"count 0 before entries", Bytes({0, 0}) + entryA + entryB, 0, 2 * entryA.size()},
        {"long count form, under-count", Bytes({0xFF, 0xFF, 1, 0, 0, 0}) + entryA + wide, 1,
         wide.size()},
        {"one stray byte", Bytes({1, 0}) + entryA + "\n", 1, 1},
        {"half an entry", Bytes({1, 0}) + entryA + entryB.substr(0, 20), 1, 20},
        {"text", Bytes({1, 0}) + entryA + std::string(70000, 'x'), 1, 70000},
    };
    for (const auto& c : cases) {
        DateStoreMap store;
        ParseFault reason;
        ParseNotice notice;
        ASSERT_TRUE(ParseDateStoreFile(c.bytes.data(), c.bytes.size(), store, reason, &notice))
            << c.what;
        EXPECT_EQ(store.GetCount(), c.entries) << c.what;
        EXPECT_EQ(notice.kind, c.trailing != 0 ? ParseNotice::TrailingBytes : ParseNotice::None)
            << c.what;
        EXPECT_EQ(notice.trailingBytes, c.trailing) << c.what;
    }
}

// A count the bytes could hold at the shortest entries, but whose entries are longer or
// broken: the store is sized for the entries present, not for the count.
TEST(StoreFile, MemoryFollowsTheEntriesPresentNotTheCount) {
    constexpr int kClaimed = 20000;
    std::string file = Bytes({kClaimed & 0xFF, kClaimed >> 8}) + Bytes({1}) + "a" + Image(kMuster);
    file += Bytes({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF}) +
            std::string(size_t{kClaimed} * kMinEntryBytes, '\0');
    ArchiveReader ar(file.data(), file.size());
    DateStoreMap partial;
    ParseFault reason;
    EXPECT_FALSE(LoadDateStoreMap(ar, partial, reason));
    EXPECT_EQ(reason.kind, ParseFault::EntryMalformed);
    EXPECT_EQ(partial.GetCount(), 1);
    EXPECT_LE(partial.GetIndexSlots(), 16u);

    // A complete file is sized for its entries at once.
    DateStoreMap store;
    for (int i = 0; i < 1000; ++i) {
        store.SetAt("n" + std::to_string(i), kMuster);
    }
    const std::string saved = Save(store);
    ArchiveReader whole(saved.data(), saved.size());
    DateStoreMap loaded;
    ASSERT_TRUE(LoadDateStoreMap(whole, loaded, reason));
    EXPECT_EQ(loaded.GetIndexSlots(), 2048u);
}

// Names with a zero byte or other control characters come only from files written elsewhere;
// such a file still loads, and what it loads saves back to the same bytes.
TEST(StoreFile, NamesWithControlBytesLoadAndSaveBack) {
    const std::string file = Bytes({3, 0, 3}) + std::string("a\0b", 3) + Image(kMuster) +
                             Bytes({2}) + "\t\n" + Image(VXDateStore(1, 2, 3, 4, 5, 1, 1, 0)) +
                             Bytes({1}) + "\x1b" + Image(kMuster);
    DateStoreMap store;
    ParseFault reason;
    ASSERT_TRUE(ParseDateStoreFile(file.data(), file.size(), store, reason)) << reason.kind;
    EXPECT_EQ(store.GetCount(), 3);
    VXDateStore r;
    EXPECT_TRUE(store.Lookup(std::string("a\0b", 3), r));
    EXPECT_FALSE(store.Lookup("a", r));
    ArchiveWriter ar;
    StoreDateStoreMap(ar, store);
    DateStoreMap again;
    ASSERT_TRUE(ParseDateStoreFile(ar.Bytes().data(), ar.Bytes().size(), again, reason));
    EXPECT_EQ(StoredKeys(again), StoredKeys(store));
}

TEST(StoreFile, CountsAroundTheLongFormRoundTrip) {
    for (int count : {0xFFFE, 0xFFFF}) {
        DateStoreMap store;
        for (int i = 0; i < count; ++i) {
            store.SetAt(std::to_string(i), VXDateStore(i, 0, 0, 0, 0, 0, 0, 0));
        }
        const std::string file = Save(store);
        EXPECT_EQ(static_cast<unsigned char>(file[0]) == 0xFF &&
                      static_cast<unsigned char>(file[1]) == 0xFF,
                  count == 0xFFFF);
        DateStoreMap loaded;
        ParseFault reason;
        ASSERT_TRUE(ParseDateStoreFile(file.data(), file.size(), loaded, reason)) << reason.kind;
        EXPECT_EQ(loaded.GetCount(), count);
        VXDateStore r;
        ASSERT_TRUE(loaded.Lookup(std::to_string(count - 1), r));
        EXPECT_EQ(r.m_nYear, count - 1);
    }
}

TEST(StoreFile, MalformedFilesAreRefusedAndLeaveTheStoreAlone) {
    for (const MalformedFile& c : MalformedFiles()) {
        DateStoreMap store;
        store.SetAt("kept", kMuster);
        ParseFault fault;
        EXPECT_FALSE(ParseDateStoreFile(c.bytes.data(), c.bytes.size(), store, fault)) << c.what;
        EXPECT_EQ(fault.kind, c.kind) << c.what;
        EXPECT_EQ(fault.entry, c.entry) << c.what;
        EXPECT_EQ(StoredKeys(store), std::vector<NameKey>{"kept"}) << c.what;
    }
}

TEST(StoreFile, RecordSerialisationIsTheEightFields) {
    ArchiveWriter w;
    SerializeRecord(w, kMuster);
    EXPECT_EQ(w.Bytes(), Image(kMuster).substr(4));
    ArchiveReader r(w.Bytes().data(), w.Bytes().size());
    VXDateStore back;
    ASSERT_TRUE(DeserializeRecord(r, back));
    EXPECT_EQ(back, kMuster);
    ArchiveReader shortReader(w.Bytes().data(), 31);
    EXPECT_FALSE(DeserializeRecord(shortReader, back));
}

// Hostile inputs kept for the loader (and any the fuzzer finds failing): no crash, no leak.
TEST(StoreFile, RegressionInputsLoadOrFailCleanly) {
    const std::filesystem::path dir(VEXAMO_REGRESSION_DIR);
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".dat") {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        DateStoreMap store;
        ParseFault fault;
        const bool ok = ParseDateStoreFile(bytes.data(), bytes.size(), store, fault);
        EXPECT_NE(ok, fault.kind != ParseFault::None) << entry.path();
        ++seen;
    }
    EXPECT_GT(seen, 0);
}

// Entries are read some way ahead of their insertion: a duplicate far behind its first
// occurrence still only replaces the record, and a file that breaks off after many entries
// leaves exactly the entries before the break, inserted in file order.
TEST(StoreFile, LongFilesInsertInFileOrderUpToAnyBreak) {
    std::string file = Bytes({40, 0});
    DateStoreMap expected;
    for (int i = 0; i < 40; ++i) {
        const std::string name = i == 30 ? "e2" : "e" + std::to_string(i);
        const VXDateStore record(i, 1, 1, 0, 0, 0, 0, 0);
        file += Bytes({static_cast<unsigned char>(name.size())}) + name + Image(record);
        expected.SetAt(name, record);
    }
    DateStoreMap whole;
    ParseFault reason;
    ASSERT_TRUE(ParseDateStoreFile(file.data(), file.size(), whole, reason)) << reason.kind;
    EXPECT_EQ(StoredKeys(whole), StoredKeys(expected));
    VXDateStore r;
    ASSERT_TRUE(whole.Lookup("e2", r));
    EXPECT_EQ(r.m_nYear, 30);

    // Entry 36 (index 35) breaks the file with a name longer than the rest: 0 to 34 are in.
    const size_t entry35 = file.find(std::string("\x03"
                                                 "e35",
                                                 4));
    ASSERT_NE(entry35, std::string::npos);
    file.replace(entry35, 4, std::string("\xFF\xF0\xFF", 3));
    ArchiveReader ar(file.data(), file.size());
    DateStoreMap partial;
    EXPECT_FALSE(LoadDateStoreMap(ar, partial, reason));
    EXPECT_EQ(reason.kind, ParseFault::EntryMalformed);
    EXPECT_EQ(reason.entry, 36u);
    EXPECT_EQ(reason.count, 40u);
    DateStoreMap firstEntries;
    for (int i = 0; i < 35; ++i) {
        const std::string name = i == 30 ? "e2" : "e" + std::to_string(i);
        firstEntries.SetAt(name, VXDateStore(i, 1, 1, 0, 0, 0, 0, 0));
    }
    EXPECT_EQ(StoredKeys(partial), StoredKeys(firstEntries));
    EXPECT_EQ(partial.GetCount(), 34);
}
