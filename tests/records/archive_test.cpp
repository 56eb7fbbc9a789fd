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

bool DecodeString(const std::string& bytes, std::string& text, ArchiveFault* fault = nullptr) {
    ArchiveReader ar(bytes.data(), bytes.size());
    const bool ok = ar.ReadString(text);
    if (fault != nullptr) {
        *fault = ar.Fault();
    }
    if (!ok) {
        EXPECT_EQ(ar.Position(), 0u);
    }
    return ok;
}

// UTF-16LE units after the wide marker and a one-byte length.
std::string WideString(const std::vector<uint16_t>& units) {
    std::string out = Bytes({0xFF, 0xFE, 0xFF, static_cast<int>(units.size())});
    for (uint16_t u : units) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    return out;
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

TEST(ArchiveString, PrefixAtEveryBoundary) {
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
        std::string back;
        ASSERT_TRUE(DecodeString(encoded, back)) << c.length;
        EXPECT_EQ(back, text);
    }
}

TEST(ArchiveString, ReadsSixtyFourBitLengthAndBytesAsTheyAre) {
    const std::string encoded =
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 0, 0, 0, 0}) + "\xE9\x80z";
    std::string text;
    ASSERT_TRUE(DecodeString(encoded, text));
    EXPECT_EQ(text, "\xE9\x80z");
}

TEST(ArchiveString, LengthBeyondTheDataIsRefusedBeforeAllocating) {
    std::string text = "unchanged";
    ArchiveFault fault;
    EXPECT_FALSE(DecodeString(Bytes({5, 'a', 'b'}), text, &fault));
    EXPECT_EQ(fault.kind, ArchiveFault::NameBytesBeyondEnd);
    EXPECT_EQ(fault.length, 5u);
    EXPECT_FALSE(DecodeString(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}),
                              text, &fault));
    EXPECT_EQ(fault.kind, ArchiveFault::NameBytesBeyondEnd);
    EXPECT_EQ(fault.length, 0x7FFFFFFFFFFFFFFFu);
    EXPECT_FALSE(DecodeString(Bytes({0xFF, 0x10}), text, &fault)); // prefix cut short
    EXPECT_EQ(fault.kind, ArchiveFault::Truncated);
    EXPECT_EQ(text, "unchanged");
}

TEST(ArchiveString, WideStringIsConvertedToWindows1252) {
    std::string text;
    ASSERT_TRUE(DecodeString(WideString({'J', 0xFC, 'r', 0x20AC, 0x0081}), text));
    EXPECT_EQ(text, "J\xFCr\x80\x81");
    ASSERT_TRUE(DecodeString(WideString({}), text));
    EXPECT_EQ(text, "");

    // A wide length of its own two-byte form, where 0xFFFE is a length, not a marker.
    std::string longWide = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
    for (int i = 0; i < 300; ++i) {
        longWide += Bytes({'a', 0});
    }
    ASSERT_TRUE(DecodeString(longWide, text));
    EXPECT_EQ(text, std::string(300, 'a'));
}

TEST(ArchiveString, NarrowLengthOfFFFEInLongFormIsNotAWideMarker) {
    const std::string encoded =
        Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}) + std::string(0xFFFE, 'q');
    std::string text;
    ASSERT_TRUE(DecodeString(encoded, text));
    EXPECT_EQ(text.size(), 0xFFFEu);
}

TEST(ArchiveString, UnrepresentableWideCharacterIsRefused) {
    std::string text;
    ArchiveFault fault;
    EXPECT_FALSE(DecodeString(WideString({'a', 0x3042}), text, &fault));
    EXPECT_EQ(fault.kind, ArchiveFault::NameCharNotCp1252);
    EXPECT_EQ(fault.character, U'\u3042');
    EXPECT_FALSE(DecodeString(WideString({0xD83D, 0xDE00}), text, &fault)); // beyond U+FFFF
    EXPECT_EQ(fault.kind, ArchiveFault::NameOutsideCp1252);
    EXPECT_FALSE(DecodeString(WideString({0xDC00}), text, &fault)); // lone surrogate
    EXPECT_EQ(fault.kind, ArchiveFault::NameOutsideCp1252);
    EXPECT_FALSE(DecodeString(WideString({0x0080}), text, &fault)); // no byte for it
    EXPECT_EQ(fault.kind, ArchiveFault::NameCharNotCp1252);
    EXPECT_EQ(fault.character, U'\u0080');
    // Three units announced, two present.
    EXPECT_FALSE(DecodeString(Bytes({0xFF, 0xFE, 0xFF, 3, 'a', 0, 'b', 0}), text, &fault));
    EXPECT_EQ(fault.kind, ArchiveFault::NameCharsBeyondEnd);
    EXPECT_EQ(fault.length, 3u);
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
