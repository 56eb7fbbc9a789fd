#include <array>
#include <deque>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "records/date_store_map.h"

namespace {

using Entry = std::pair<NameKey, VXDateStore>;

std::vector<Entry> Iterate(const DateStoreMap& store) {
    std::vector<Entry> out;
    NameKey name;
    VXDateStore record;
    for (auto pos = store.GetStartPosition(); pos != nullptr;) {
        store.GetNextAssoc(pos, name, record);
        out.emplace_back(name, record);
    }
    return out;
}

std::vector<std::string> Names(const DateStoreMap& store) {
    std::vector<std::string> out;
    for (auto& [name, record] : Iterate(store)) {
        out.push_back(name.Bytes());
    }
    return out;
}

// Names "n0", "n1", ... that fall into the given bucket.
std::vector<std::string> NamesInBucket(uint32_t bucket, size_t count) {
    std::vector<std::string> out;
    for (int i = 0; out.size() < count; ++i) {
        const std::string name = "n" + std::to_string(i);
        if (HashKey(name) % 17 == bucket) {
            out.push_back(name);
        }
    }
    return out;
}

VXDateStore Rec(int32_t year) {
    return VXDateStore(year, 1, 2, 3, 4, 0, 1, -1);
}

} // namespace

TEST(HashKey, UsesSignedBytesInUnsigned32BitArithmetic) {
    EXPECT_EQ(HashKey(""), 0u);
    EXPECT_EQ(HashKey("A"), 65u);
    EXPECT_EQ(HashKey("ab"), 97u * 33u + 98u);
    EXPECT_EQ(HashKey("\xE9"), 0xFFFFFFE9u); // 'é' in Windows-1252 counts as -23
    EXPECT_EQ(HashKey("\xE9z"), 0xFFFFFFE9u * 33u + 122u);
    const std::string longName(40, 'z'); // wraps around many times
    uint32_t h = 0;
    for (char c : longName) {
        h = h * 33u + static_cast<uint32_t>(c);
    }
    EXPECT_EQ(HashKey(longName), h);
}

TEST(HashKey, WideKeyTakesItsUnitsAsUnsigned16BitValues) {
    struct Case {
        std::u16string units;
        uint32_t hash;
    };
    const std::vector<Case> cases = {
        {u"\u3042", 0x3042u},
        {u"\u039D\u03AF", 0x039Du * 33u + 0x03AFu},
        {u"\xD83D\xDE00", 0xD83Du * 33u + 0xDE00u}, // above 0x7FFF: never negative
        {u"\xFFFF\xFFFF\xFFFF\xFFFF\xFFFF\xFFFF\xFFFF", 0xBF44F159u}, // wraps around
    };
    for (const auto& c : cases) {
        const NameKey key = NameKey::FromUtf16(c.units);
        ASSERT_TRUE(key.IsWide());
        EXPECT_EQ(HashKey(key), c.hash);
    }
    // An 8-bit key of the same bytes hashes them as signed bytes.
    EXPECT_EQ(HashKey("B0"), 66u * 33u + 48u);
}

TEST(DateStoreMap, EightBitAndWideKeysOfTheSameBytesAreTwoEntries) {
    DateStoreMap store;
    const NameKey wide = NameKey::FromUtf16(u"\u3042"); // the bytes "B0"
    store.SetAt("B0", Rec(1));
    store.SetAt(wide, Rec(2));
    EXPECT_EQ(store.GetCount(), 2);
    VXDateStore r;
    ASSERT_TRUE(store.Lookup(wide, r));
    EXPECT_EQ(r, Rec(2));
    ASSERT_TRUE(store.RemoveKey("B0"));
    EXPECT_FALSE(store.Lookup("B0", r));
    ASSERT_TRUE(store.Lookup(wide, r));
    EXPECT_EQ(Iterate(store), (std::vector<Entry>{{wide, Rec(2)}}));
}

TEST(DateStoreMap, EmptyStoreHasNoPositionTableOrBlocks) {
    DateStoreMap store;
    VXDateStore r = Rec(7);
    EXPECT_EQ(store.GetCount(), 0);
    EXPECT_EQ(store.GetStartPosition(), nullptr);
    EXPECT_FALSE(store.Lookup("x", r));
    EXPECT_EQ(r, Rec(7));
    EXPECT_FALSE(store.RemoveKey("x"));
    EXPECT_FALSE(store.HasHashTable());
    store.RemoveAll();
    EXPECT_EQ(store.GetBlockCount(), 0u);
}

TEST(DateStoreMap, MemoryIsTakenInBlocksOfTenAndReleasedWhenEmpty) {
    DateStoreMap store;
    for (int i = 0; i < 10; ++i) {
        store.SetAt("p" + std::to_string(i), Rec(i));
    }
    EXPECT_TRUE(store.HasHashTable());
    EXPECT_EQ(store.GetBlockCount(), 1u);
    store.SetAt("p10", Rec(10));
    EXPECT_EQ(store.GetBlockCount(), 2u);
    // A freed node is reused before a new block is taken.
    EXPECT_TRUE(store.RemoveKey("p3"));
    store.SetAt("q", Rec(0));
    EXPECT_EQ(store.GetBlockCount(), 2u);
    for (const auto& name : Names(store)) {
        EXPECT_TRUE(store.RemoveKey(name));
    }
    EXPECT_EQ(store.GetCount(), 0);
    EXPECT_FALSE(store.HasHashTable());
    EXPECT_EQ(store.GetBlockCount(), 0u);
    store.SetAt("again", Rec(1));
    EXPECT_TRUE(store.HasHashTable());
    EXPECT_EQ(Names(store), std::vector<std::string>{"again"});
}

TEST(DateStoreMap, SameBucketIteratesNewestFirstAndSetAtKeepsPlace) {
    const auto names = NamesInBucket(5, 3);
    DateStoreMap store;
    for (const auto& n : names) {
        store.SetAt(n, Rec(1));
    }
    EXPECT_EQ(Names(store), (std::vector<std::string>{names[2], names[1], names[0]}));

    store.SetAt(names[0], Rec(99)); // present: only the record changes
    EXPECT_EQ(store.GetCount(), 3);
    EXPECT_EQ(Names(store), (std::vector<std::string>{names[2], names[1], names[0]}));
    VXDateStore r;
    ASSERT_TRUE(store.Lookup(names[0], r));
    EXPECT_EQ(r, Rec(99));

    // Replacing as "Ajouter" does moves the entry to the head of its chain.
    ASSERT_TRUE(store.RemoveKey(names[0]));
    store.SetAt(names[0], Rec(5));
    EXPECT_EQ(Names(store), (std::vector<std::string>{names[0], names[2], names[1]}));
}

TEST(DateStoreMap, BucketsIterateInAscendingOrder) {
    DateStoreMap store;
    const auto high = NamesInBucket(16, 1)[0];
    const auto low = NamesInBucket(0, 1)[0];
    const auto mid = NamesInBucket(9, 1)[0];
    store.SetAt(high, Rec(1));
    store.SetAt(mid, Rec(1));
    store.SetAt(low, Rec(1));
    EXPECT_EQ(Names(store), (std::vector<std::string>{low, mid, high}));
}

TEST(DateStoreMap, KeysAreExactBytes) {
    DateStoreMap store;
    store.SetAt("Muster", Rec(1));
    store.SetAt("muster", Rec(2));
    store.SetAt(" Muster", Rec(3));
    store.SetAt("", Rec(4));
    EXPECT_EQ(store.GetCount(), 4);
    VXDateStore r;
    ASSERT_TRUE(store.Lookup("muster", r));
    EXPECT_EQ(r, Rec(2));
    ASSERT_TRUE(store.Lookup("", r));
    EXPECT_EQ(r, Rec(4));
    EXPECT_FALSE(store.Lookup("MUSTER", r));
}

TEST(DateStoreMap, MoveTransfersEntriesAndLeavesSourceEmpty) {
    DateStoreMap source;
    for (int i = 0; i < 25; ++i) {
        source.SetAt("m" + std::to_string(i), Rec(i));
    }
    const auto before = Names(source);
    DateStoreMap target;
    target.SetAt("old", Rec(0));
    target = std::move(source);
    EXPECT_EQ(Names(target), before);
    VXDateStore r;
    ASSERT_TRUE(target.Lookup("m7", r));
    EXPECT_EQ(r, Rec(7));
    EXPECT_FALSE(target.Lookup("old", r));
    EXPECT_EQ(source.GetCount(), 0); // NOLINT(bugprone-use-after-move): defined as empty
    EXPECT_EQ(source.GetStartPosition(), nullptr);
    source.SetAt("fresh", Rec(1));
    EXPECT_EQ(Names(source), std::vector<std::string>{"fresh"});

    DateStoreMap constructed(std::move(target));
    EXPECT_EQ(Names(constructed), before);
    EXPECT_TRUE(constructed.RemoveKey("m3"));
    EXPECT_EQ(constructed.GetCount(), 24);
}

// Random operations checked against a direct model of 17 chains with newest-first heads.
// keyOf turns a random number into a name.
template <typename KeyOf> void CheckRandomOperations(uint32_t seed, int steps, KeyOf keyOf) {
    std::mt19937 rng(seed);
    DateStoreMap store;
    std::array<std::deque<Entry>, 17> model;
    auto findIn = [&](const NameKey& name) -> std::pair<std::deque<Entry>*, size_t> {
        auto& chain = model[HashKey(name) % 17];
        for (size_t i = 0; i < chain.size(); ++i) {
            if (chain[i].first == name) {
                return {&chain, i};
            }
        }
        return {&chain, chain.size()};
    };
    for (int step = 0; step < steps; ++step) {
        const NameKey name = keyOf(rng());
        const VXDateStore rec = Rec(static_cast<int32_t>(rng() % 1000));
        auto [chain, at] = findIn(name);
        switch (rng() % 4) {
        case 0:
        case 1:
            store.SetAt(name, rec);
            if (at < chain->size()) {
                (*chain)[at].second = rec;
            } else {
                chain->emplace_front(name, rec);
            }
            break;
        case 2:
            EXPECT_EQ(store.RemoveKey(name), at < chain->size());
            if (at < chain->size()) {
                chain->erase(chain->begin() + static_cast<std::ptrdiff_t>(at));
            }
            break;
        default: {
            VXDateStore got = Rec(-1);
            EXPECT_EQ(store.Lookup(name, got), at < chain->size());
            EXPECT_EQ(got, at < chain->size() ? (*chain)[at].second : Rec(-1));
        }
        }
    }
    std::vector<Entry> expected;
    for (const auto& chain : model) {
        expected.insert(expected.end(), chain.begin(), chain.end());
    }
    EXPECT_EQ(Iterate(store), expected);
    EXPECT_EQ(store.GetCount(), static_cast<int>(expected.size()));
}

TEST(DateStoreMap, RangeForWalksTheIterationOrder) {
    DateStoreMap store;
    EXPECT_EQ(store.begin(), store.end());
    for (int i = 0; i < 40; ++i) {
        store.SetAt("n" + std::to_string(i * 7), VXDateStore(i, 0, 0, 0, 0, 0, 0, 0));
    }
    store.RemoveKey("n14");
    std::vector<Entry> walked;
    for (const auto& entry : store) {
        walked.emplace_back(entry.name, entry.record);
    }
    EXPECT_EQ(walked, Iterate(store));
    EXPECT_EQ(walked.size(), 39u);
}

TEST(DateStoreMap, RandomOperationsMatchChainModel) {
    CheckRandomOperations(1234, 20000, [](uint32_t r) { return "k" + std::to_string(r % 400); });
}

// Thousands of names, a third of them longer than a short name's inline room and some with
// bytes above 0x7F: the name index grows, removals close gaps, and nothing is lost.
TEST(DateStoreMap, ManyLongAndShortNamesMatchChainModel) {
    CheckRandomOperations(99, 60000, [](uint32_t r) {
        const uint32_t k = r % 6000;
        switch (k % 3) {
        case 0:
            return "n" + std::to_string(k);
        case 1:
            return "ein recht langer Name Nummer " + std::to_string(k);
        default:
            return "\xC9mile \xE9" + std::to_string(k) + std::string(k % 40, '\xFF');
        }
    });
}

// Wide keys short and long (in place and on the heap), lone surrogates, and 8-bit keys with
// the same bytes as some wide ones, all in one store.
TEST(DateStoreMap, MixedEightBitAndWideKeysMatchChainModel) {
    CheckRandomOperations(7, 40000, [](uint32_t r) {
        const uint32_t k = r % 3000;
        std::u16string units = u"\u041A" + std::u16string(k % 13, u'\u674E');
        units.push_back(static_cast<char16_t>(0xD800 + k % 0x900)); // surrogates and beyond
        const NameKey wide = NameKey::FromUtf16(units);
        switch (k % 3) {
        case 0:
            return wide;
        case 1:
            return NameKey(wide.Bytes()); // the same bytes as an 8-bit key
        default:
            return NameKey("n" + std::to_string(k));
        }
    });
}

TEST(DateStoreMap, ReserveChangesNeitherOrderNorMemoryState) {
    DateStoreMap plain;
    DateStoreMap reserved;
    reserved.Reserve(100000);
    EXPECT_FALSE(reserved.HasHashTable());
    EXPECT_EQ(reserved.GetBlockCount(), 0u);
    for (int i = 0; i < 95; ++i) {
        plain.SetAt("r" + std::to_string(i), Rec(i));
        reserved.SetAt("r" + std::to_string(i), Rec(i));
    }
    EXPECT_EQ(Iterate(reserved), Iterate(plain));
    EXPECT_EQ(reserved.GetBlockCount(), 10u);
    EXPECT_EQ(plain.GetBlockCount(), 10u);
    reserved.Prefetch("r3"); // a hint only
    VXDateStore r;
    ASSERT_TRUE(reserved.Lookup("r3", r));
    EXPECT_EQ(r, Rec(3));
}
