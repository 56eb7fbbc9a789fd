#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "records/name_key.h"
#include "tests/records/byte_string.h"

namespace {

struct ScriptCase {
    const char* utf8;
    std::u16string units; // empty: the name has an 8-bit key
    std::string cp1252;
};

// Names in several scripts, as typed (UTF-8), with the key each must give.
const std::vector<ScriptCase> kScripts = {
    {"Zoë Müller", u"", "Zo\xEB M\xFCller"},
    {"€ Œuvre “Ÿ”", u"", "\x80 \x8Cuvre \x93\x9F\x94"},
    {"Łukasz Żak", u"\u0141ukasz \u017Bak", ""},
    {"Νίκος", u"\u039D\u03AF\u03BA\u03BF\u03C2", ""},
    {"Москва Иван", u"\u041C\u043E\u0441\u043A\u0432\u0430 \u0418\u0432\u0430\u043D", ""},
    {"דוד", u"\u05D3\u05D5\u05D3", ""},
    {"محمد", u"\u0645\u062D\u0645\u062F", ""},
    {"李小龙", u"\u674E\u5C0F\u9F99", ""},
    {"Ann 😀", u"Ann \xD83D\xDE00", ""},
    {"é\u0301", u"\u00E9\u0301", ""}, // one character beyond Windows-1252 makes it wide
};

} // namespace

TEST(NameKey, Utf8NamesGiveTheirKeysAndComeBack) {
    for (const ScriptCase& c : kScripts) {
        NameKey key;
        ASSERT_TRUE(Utf8ToNameKey(c.utf8, key)) << c.utf8;
        if (c.units.empty()) {
            EXPECT_FALSE(key.IsWide()) << c.utf8;
            EXPECT_EQ(key.Bytes(), c.cp1252) << c.utf8;
        } else {
            EXPECT_TRUE(key.IsWide()) << c.utf8;
            EXPECT_EQ(key.Bytes(), UnitBytes(c.units)) << c.utf8;
            EXPECT_EQ(key, NameKey::FromUtf16(c.units)) << c.utf8;
        }
        EXPECT_EQ(NameKeyToUtf8(key), c.utf8);
    }
}

TEST(NameKey, UnitsOfWindows1252CharactersGiveTheEightBitKey) {
    EXPECT_EQ(NameKey::FromUtf16(u"J\u00FCr\u20AC\u0081"), NameKey("J\xFCr\x80\x81"));
    EXPECT_TRUE(NameKey::FromUtf16(u"\u0080").IsWide()); // 0x80 is the euro sign
    // U+3042 is the bytes of "B0", but a key of the other kind.
    EXPECT_NE(NameKey::FromUtf16(u"\u3042"), NameKey("B0"));
}

TEST(NameKey, LoneSurrogatesShowAsReplacementCharacter) {
    struct Case {
        std::u16string units;
        const char* utf8;
    };
    const std::vector<Case> cases = {
        {u"a\xD800", "a\uFFFD"},
        {u"\xDC00z", "\uFFFDz"},
        {u"\xDE00\xD83D", "\uFFFD\uFFFD"},           // a pair in the wrong order
        {u"\xD83D\xD83D\xDE00", "\uFFFD\U0001F600"}, // a leading half, then a whole pair
    };
    for (const Case& c : cases) {
        const NameKey key = NameKey::FromUtf16(c.units);
        EXPECT_TRUE(key.IsWide());
        EXPECT_EQ(key.Bytes(), UnitBytes(c.units)); // the units themselves are kept
        EXPECT_EQ(NameKeyToUtf8(key), c.utf8);
    }
}

TEST(NameKey, InvalidUtf8HasNoKey) {
    NameKey key;
    for (const char* bad : {"\xC3", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\x80", "Żak\xFF"}) {
        EXPECT_FALSE(Utf8ToNameKey(bad, key)) << bad;
    }
}
