#include "app/type_ahead.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kRows{"Anna", "anton", "Bea", "Łukasz", "lena", "Νίκος", "李小龙"};

struct Key {
    std::string ch;
    std::uint64_t atMs;
    long caret;
    long expected;
};

} // namespace

TEST(TypeAhead, KeysInSuccessionChooseTheRowsAUserExpects) {
    const struct {
        const char* what;
        std::vector<Key> keys;
    } cases[] = {
        {"a first letter from the first row goes on to the next name with it", {{"a", 0, 0, 1}}},
        {"the same letter again steps through its names and wraps",
         {{"a", 0, 0, 1}, {"a", 100, 1, 0}, {"a", 200, 0, 1}}},
        {"a prefix typed in one go keeps the row that still begins with it",
         {{"a", 0, -1, 0}, {"n", 100, 0, 0}, {"t", 200, 0, 1}}},
        {"case and accents aside", {{"L", 0, 0, 3}, {"U", 100, 3, 3}}},
        {"a letter repeated after a pause steps on", {{"l", 0, 0, 3}, {"l", 5000, 3, 4}}},
        {"after a pause a new prefix", {{"a", 0, 0, 1}, {"b", 5000, 1, 2}}},
        {"without a pause the prefix goes on and may match nothing",
         {{"a", 0, 0, 1}, {"b", 100, 1, -1}}},
        {"other scripts", {{"ν", 0, 0, 5}, {"李", 5000, 5, 6}}},
        {"no name begins with it", {{"z", 0, 2, -1}}},
    };
    for (const auto& c : cases) {
        TypeAhead typeAhead;
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            const Key& key = c.keys[i];
            EXPECT_EQ(typeAhead.Typed(key.ch, key.atMs, key.caret, kRows.size(),
                                      [](std::size_t row) { return kRows[row]; }),
                      key.expected)
                << c.what << ", key " << i;
        }
    }
}

TEST(TypeAhead, AnEmptyListChoosesNothing) {
    TypeAhead typeAhead;
    EXPECT_EQ(typeAhead.Typed("a", 0, -1, 0, [](std::size_t) { return std::string("a"); }), -1);
}
