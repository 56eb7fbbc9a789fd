#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/records/byte_string.h"

#include "records/archive.h"

namespace {

std::string EncodedCount(uint64_t count) {
    ArchiveWriter ar;
    ar.WriteCount(count);
    return ar.Bytes();
}

std::string EncodedString(const std::string& text) {
    ArchiveWriter ar;
    ar.WriteString(text);
    return ar.Bytes();
}

uint64_t DecodeCount(const std::string& bytes) {
    ArchiveReader ar(bytes.data(), bytes.size());
    uint64_t count = 0;
    EXPECT_TRUE(ar.ReadCount(count)) << ar.Fault().kind;
    EXPECT_EQ(ar.Remaining(), 0u);
    return count;
}

bool DecodeName(const std::string& bytes, NameKey& name, ArchiveFault* fault = nullptr) {
    ArchiveReader ar(bytes.data(), bytes.size());
    const bool ok = ar.ReadName(name);
    if (fault != nullptr) {
        *fault = ar.Fault();
    }
    EXPECT_EQ(ar.Position(), ok ? bytes.size() : 0u);
    return ok;
}

} // namespace

TEST(ArchiveCount, EncodingAtEveryBoundary) {
    EXPECT_EQ(EncodedCount(0), Bytes({0, 0}));
    EXPECT_EQ(EncodedCount(0xFFFE), Bytes({0xFE, 0xFF}));
    EXPECT_EQ(EncodedCount(0xFFFF), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
    EXPECT_EQ(EncodedCount(0xFFFFFFFE), Bytes({0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(EncodedCount(0xFFFFFFFF),
              Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
    for (uint64_t c : {0ull, 1ull, 0xFFFEull, 0xFFFFull, 0x10000ull, 0xFFFFFFFEull, 0xFFFFFFFFull,
                       0x123456789ABull}) {
        EXPECT_EQ(DecodeCount(EncodedCount(c)), c);
    }
}

TEST(ArchiveCount, TruncatedCountFailsWithoutMoving) {
    for (const std::string& bytes : {Bytes({}), Bytes({5}), Bytes({0xFF, 0xFF, 1, 2, 3}),
                                     Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1})}) {
        ArchiveReader ar(bytes.data(), bytes.size());
        uint64_t count = 0;
        EXPECT_FALSE(ar.ReadCount(count));
        EXPECT_TRUE(ar.Truncated());
        EXPECT_EQ(ar.Position(), 0u);
    }
}

TEST(ArchiveName, PrefixAtEveryBoundary) {
    struct Case {
        size_t length;
        std::string prefix;
    };
    const std::vector<Case> cases = {
        {0, Bytes({0})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {0xFFFD, Bytes({0xFF, 0xFD, 0xFF})},
        {0xFFFE, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})},
        {0x10000, Bytes({0xFF, 0xFF, 0xFF, 0, 0, 1, 0})},
    };
    for (const auto& c : cases) {
        const std::string text(c.length, 'x');
        const std::string encoded = EncodedString(text);
        EXPECT_EQ(encoded.substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(encoded.size(), c.prefix.size() + c.length);
        NameKey back;
        ASSERT_TRUE(DecodeName(encoded, back)) << c.length;
        EXPECT_EQ(back, NameKey(text));
    }
}

TEST(ArchiveName, ReadsSixtyFourBitLengthAndBytesAsTheyAre) {
    const std::string encoded =
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 0, 0, 0, 0}) + "\xE9\x80z";
    NameKey name;
    ASSERT_TRUE(DecodeName(encoded, name));
    EXPECT_EQ(name, NameKey("\xE9\x80z"));
}

TEST(ArchiveName, LengthBeyondTheDataIsRefusedBeforeAllocating) {
    NameKey text("unchanged");
    ArchiveFault fault;
    EXPECT_FALSE(DecodeName(Bytes({5, 'a', 'b'}), text, &fault));
    EXPECT_EQ(fault.kind, ArchiveFault::NameBytesBeyondEnd);
    EXPECT_EQ(fault.length, 5u);
    EXPECT_FALSE(DecodeName(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                   0xFF, 0xFF, 0xFF, 0x7F, 'a'}),
                            text, &fault));
    EXPECT_EQ(fault.kind, ArchiveFault::NameBytesBeyondEnd);
    EXPECT_EQ(fault.length, 0x7FFFFFFFFFFFFFFFu);
    EXPECT_FALSE(DecodeName(Bytes({0xFF, 0x10}), text, &fault)); // prefix cut short
    EXPECT_EQ(fault.kind, ArchiveFault::Truncated);
    // Three units announced, two present.
    EXPECT_FALSE(DecodeName(Bytes({0xFF, 0xFE, 0xFF, 3, 'a', 0, 'b', 0}), text, &fault));
    EXPECT_EQ(fault.kind, ArchiveFault::NameCharsBeyondEnd);
    EXPECT_EQ(fault.length, 3u);
    EXPECT_EQ(text, NameKey("unchanged"));
}

TEST(ArchiveName, WideNameOfWindows1252CharactersGivesTheEightBitKey) {
    struct Case {
        std::u16string units;
        std::string key;
    };
    const std::vector<Case> cases = {
        {u"J\u00FCr\u20AC\u0081", "J\xFCr\x80\x81"},
        {u"", ""},
        {u"\u0178\u00FF", "\x9F\xFF"},
    };
    for (const auto& c : cases) {
        NameKey name;
        ASSERT_TRUE(DecodeName(WideNameBytes(c.units), name)) << c.key;
        EXPECT_EQ(name, NameKey(c.key));
    }

    // A wide length of its own two-byte form, where 0xFFFE is a length, not a marker.
    std::string longWide = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
    for (int i = 0; i < 300; ++i) {
        longWide += Bytes({'a', 0});
    }
    NameKey name;
    ASSERT_TRUE(DecodeName(longWide, name));
    EXPECT_EQ(name, NameKey(std::string(300, 'a')));
}

TEST(ArchiveName, NarrowLengthOfFFFEInLongFormIsNotAWideMarker) {
    const std::string encoded =
        Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}) + std::string(0xFFFE, 'q');
    NameKey name;
    ASSERT_TRUE(DecodeName(encoded, name));
    EXPECT_FALSE(name.IsWide());
    EXPECT_EQ(name.Bytes().size(), 0xFFFEu);
}

TEST(ArchiveName, WideFormPrefixCountsUnitsAtEveryBoundary) {
    struct Case {
        size_t units;
        std::string prefix;
    };
    const std::vector<Case> cases = {
        {1, Bytes({0xFF, 0xFE, 0xFF, 1})},
        {254, Bytes({0xFF, 0xFE, 0xFF, 0xFE})},
        {255, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00})},
        {0xFFFE, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})},
    };
    for (const auto& c : cases) {
        const NameKey name = NameKey::FromUtf16(std::u16string(c.units, u'\u3042'));
        ArchiveWriter ar;
        ar.WriteName(name);
        EXPECT_EQ(ar.Bytes().substr(0, c.prefix.size()), c.prefix) << c.units;
        EXPECT_EQ(ar.Bytes().size(), c.prefix.size() + 2 * c.units);
        NameKey back;
        ASSERT_TRUE(DecodeName(ar.Bytes(), back)) << c.units;
        EXPECT_EQ(back, name);
    }
}

TEST(ArchiveIntegers, LittleEndianRoundTrip) {
    ArchiveWriter w;
    w.WriteInt32(-2);
    w.WriteInt32(0x01020304);
    EXPECT_EQ(w.Bytes(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1}));
    ArchiveReader r(w.Bytes().data(), w.Bytes().size());
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
    EXPECT_TRUE(r.ReadInt32(a));
    EXPECT_TRUE(r.ReadInt32(b));
    EXPECT_FALSE(r.ReadInt32(c));
    EXPECT_EQ(a, -2);
    EXPECT_EQ(b, 0x01020304);
}
