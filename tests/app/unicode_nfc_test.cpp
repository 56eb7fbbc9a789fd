// NFC as both platforms give it (utf8proc on Linux, the system's NormalizeString on Windows):
// composition, reordering of marks, singletons, exclusions and Hangul, and text left alone.
#include "app/unicode_nfc.h"

#include <gtest/gtest.h>

namespace {

struct NfcCase {
    const char* what;
    const char* text;
    const char* nfc;
};

constexpr NfcCase kNfcCases[] = {
    {"a letter and its accent", "e\xcc\x81", "\xc3\xa9"},
    {"A and a ring above", "A\xcc\x8a", "\xc3\x85"},
    {"marks put in canonical order", "q\xcc\x87\xcc\xa3", "q\xcc\xa3\xcc\x87"},
    {"a singleton (angstrom sign)", "\xe2\x84\xab", "\xc3\x85"},
    {"an exclusion stays apart (devanagari qa)", "\xe0\xa5\x98", "\xe0\xa4\x95\xe0\xa4\xbc"},
    {"hangul jamo into a syllable", "\xe1\x84\x80\xe1\x85\xa1\xe1\x86\xa8", "\xea\xb0\x81"},
    {"already composed in three scripts", "\xc5\x81ukasz \xce\x96\xcf\x89\xce\xae \xe7\x8e\x8b",
     "\xc5\x81ukasz \xce\x96\xcf\x89\xce\xae \xe7\x8e\x8b"},
    {"beyond the basic plane", "\xf0\x9f\x8c\x95 x", "\xf0\x9f\x8c\x95 x"},
    {"nothing", "", ""},
};

TEST(UnicodeNfc, EveryKindOfCompositionAsTheStandardHasIt) {
    for (const NfcCase& c : kNfcCases) {
        EXPECT_EQ(ComposedNfc(c.text), c.nfc) << c.what;
        EXPECT_EQ(ComposedNfc(c.nfc), c.nfc) << c.what << ", once more";
    }
}

TEST(UnicodeNfc, LongTextThatGrowsIsComposedWhole) {
    // Each exclusion grows from one character to two: the result is longer than the text.
    std::string text;
    std::string nfc;
    for (int i = 0; i < 5000; ++i) {
        text += "\xe0\xa5\x98";
        nfc += "\xe0\xa4\x95\xe0\xa4\xbc";
    }
    EXPECT_EQ(ComposedNfc(text), nfc);
}

} // namespace
