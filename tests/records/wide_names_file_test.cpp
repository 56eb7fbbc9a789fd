// Names beyond Windows-1252 in record files: the wide form written and read, and names kept
// exactly through a load and a save.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/records/byte_string.h"
#include "tests/records/malformed_files.h"
#include "tests/records/temp_dir.h"

#include "records/store_file.h"
#include "records/vexamo_doc.h"

namespace {

std::string Save(const DateStoreMap& store) {
    ArchiveWriter ar;
    StoreDateStoreMap(ar, store);
    return ar.Bytes();
}

std::vector<NameKey> Keys(const DateStoreMap& store) {
    std::vector<NameKey> out;
    for (const auto& entry : store) {
        out.emplace_back(entry.name);
    }
    return out;
}

VXDateStore Rec(int32_t year) {
    return VXDateStore(year, 1, 2, 3, 4, 0, 1, -1);
}

} // namespace

class WideNamesFile : public TempDirTest {};

// Buckets: "Νίκος" 4, "Jürgen" and "Иван" 5, "李小龙" 12, "Eva" 14.
TEST_F(WideNamesFile, MixedNamesAreWrittenInBucketOrderEachInItsForm) {
    DateStoreMap store;
    store.SetAt("J\xFCrgen", Rec(1));
    store.SetAt(NameKey::FromUtf16(u"\u039D\u03AF\u03BA\u03BF\u03C2"), Rec(2));
    store.SetAt(NameKey::FromUtf16(u"\u0418\u0432\u0430\u043D"), Rec(3));
    store.SetAt("Eva", Rec(4));
    store.SetAt(NameKey::FromUtf16(u"\u674E\u5C0F\u9F99"), Rec(5));
    const std::string expected =
        Bytes({5, 0}) + Bytes({0xFF, 0xFE, 0xFF, 5, 0x9D, 3, 0xAF, 3, 0xBA, 3, 0xBF, 3, 0xC2, 3}) +
        RecordImageBytes(Rec(2)) +
        Bytes({0xFF, 0xFE, 0xFF, 4, 0x18, 4, 0x32, 4, 0x30, 4, 0x3D, 4}) +
        RecordImageBytes(Rec(3)) + Bytes({6, 'J', 0xFC, 'r', 'g', 'e', 'n'}) +
        RecordImageBytes(Rec(1)) +
        Bytes({0xFF, 0xFE, 0xFF, 3, 0x4E, 0x67, 0x0F, 0x5C, 0x99, 0x9F}) +
        RecordImageBytes(Rec(5)) + Bytes({3, 'E', 'v', 'a'}) + RecordImageBytes(Rec(4));
    EXPECT_EQ(Save(store), expected);

    // Loaded again, bucket 5 comes back reversed.
    DateStoreMap loaded;
    ParseFault fault;
    ASSERT_TRUE(ParseDateStoreFile(expected.data(), expected.size(), loaded, fault));
    const std::vector<NameKey> keys = Keys(loaded);
    ASSERT_EQ(keys.size(), 5u);
    EXPECT_EQ(keys[1], NameKey("J\xFCrgen"));
    EXPECT_EQ(keys[2], NameKey::FromUtf16(u"\u0418\u0432\u0430\u043D"));
}

TEST_F(WideNamesFile, WideNameOfWindows1252CharactersLoadsAsTheEightBitKey) {
    const std::string file =
        Bytes({1, 0}) + WideNameBytes(u"Zo\u00EB\u20AC") + RecordImageBytes(Rec(7));
    DateStoreMap store;
    ParseFault fault;
    ASSERT_TRUE(ParseDateStoreFile(file.data(), file.size(), store, fault));
    VXDateStore r;
    ASSERT_TRUE(store.Lookup("Zo\xEB\x80", r));
    EXPECT_EQ(r, Rec(7));
    // Saved in the 8-bit form, as if it had been typed.
    EXPECT_EQ(Save(store), Bytes({1, 0, 4, 'Z', 'o', 0xEB, 0x80}) + RecordImageBytes(Rec(7)));
}

// One entry per file, so a load and a save give back the very bytes.
TEST_F(WideNamesFile, WideNamesAreKeptByteForByte) {
    const std::vector<std::u16string> names = {
        u"a\xD800",                   // lone leading surrogate
        u"\xDC00",                    // lone trailing surrogate
        u"\xDE00\xD83D",              // halves in the wrong order
        u"\xD83D\xDE00 \xD83C\xDF19", // characters beyond U+FFFF
        u"\u0080\u009F",              // no Windows-1252 byte for these
        u"\xFFFF\xFFFE",              // the word that marks the wide form, as units
    };
    for (const std::u16string& units : names) {
        const std::string file = Bytes({1, 0}) + WideNameBytes(units) + RecordImageBytes(Rec(9));
        DateStoreMap store;
        ParseFault fault;
        ASSERT_TRUE(ParseDateStoreFile(file.data(), file.size(), store, fault));
        EXPECT_EQ(Keys(store), std::vector<NameKey>{NameKey::FromUtf16(units)});
        EXPECT_EQ(Save(store), file);
    }
    // A long name takes the longer length prefix, counting units.
    const std::u16string longName(300, u'\u674E');
    const std::string file = Bytes({1, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}) +
                             UnitBytes(longName) + RecordImageBytes(Rec(9));
    DateStoreMap store;
    ParseFault fault;
    ASSERT_TRUE(ParseDateStoreFile(file.data(), file.size(), store, fault));
    EXPECT_EQ(Save(store), file);
}

TEST_F(WideNamesFile, NamesInManyScriptsRoundTripThroughTheDocumentFile) {
    const std::vector<std::string> names = {
        "Jürgen Müller", "Łukasz Żak", "Νίκος", "Москва Иван", "דוד",
        "محمد",          "李小龙",     "Ann 😀", "😀",           "Zoë",
    };
    CVexamoDoc doc;
    int year = 1900;
    for (const std::string& name : names) {
        NameKey key;
        ASSERT_TRUE(Utf8ToNameKey(name, key)) << name;
        doc.m_mapDateStore.SetAt(key, Rec(year++));
    }
    DocFault fault;
    ASSERT_TRUE(doc.SaveDocument(Path("names.dat"), fault)) << fault;
    CVexamoDoc opened;
    ASSERT_TRUE(opened.OpenDocument(Path("names.dat"), fault)) << fault;
    ASSERT_EQ(opened.m_mapDateStore.GetCount(), static_cast<int>(names.size()));
    year = 1900;
    for (const std::string& name : names) {
        NameKey key;
        ASSERT_TRUE(Utf8ToNameKey(name, key));
        VXDateStore r;
        ASSERT_TRUE(opened.m_mapDateStore.Lookup(key, r)) << name;
        EXPECT_EQ(r, Rec(year++)) << name;
    }
    std::vector<std::string> shown;
    for (const auto& entry : opened.m_mapDateStore) {
        shown.push_back(NameKeyToUtf8(entry.name));
    }
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, sorted);
}
