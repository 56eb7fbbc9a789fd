// The list order over a program's collation: the collation first, the stored key for ties, and
// a name added one at a time goes where the one sort of all names puts it.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "app/list_order.h"

namespace {

// Letters compared case-insensitively, byte by byte: enough of a locale for the rule around it.
int FoldedCompare(const std::string& a, const std::string& b) {
    std::string fa = a;
    std::string fb = b;
    for (char& c : fa) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (char& c : fb) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return fa.compare(fb);
}

class FoldingCollation final : public NameCollation {
  public:
    explicit FoldingCollation(const std::vector<NameKey>& keys) : m_keys(keys) {}
    void Prepare(std::size_t i) override { prepared.push_back(i); }
    int Compare(std::size_t a, std::size_t b) const override {
        return FoldedCompare(m_keys[a].Bytes(), m_keys[b].Bytes());
    }
    std::vector<std::size_t> prepared;

  private:
    const std::vector<NameKey>& m_keys;
};

std::vector<std::string> Sorted(const std::vector<NameKey>& keys) {
    FoldingCollation collation(keys);
    std::vector<std::string> names;
    for (const std::size_t i : ListOrder(keys, collation)) {
        names.push_back(keys[i].Bytes());
    }
    return names;
}

std::vector<std::string> AddedOneByOne(const std::vector<NameKey>& keys) {
    std::vector<NameKey> rows;
    for (const NameKey& key : keys) {
        const std::size_t at = ListRowBound(
            rows.size(), key,
            [&](std::size_t row) { return FoldedCompare(rows[row].Bytes(), key.Bytes()); },
            [&](std::size_t row) { return rows[row]; }, true);
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), key);
    }
    std::vector<std::string> names;
    for (const NameKey& row : rows) {
        names.push_back(row.Bytes());
    }
    return names;
}

} // namespace

TEST(ListOrderTest, CollationFirstThenTheStoredBytes) {
    const struct {
        std::vector<NameKey> keys;
        std::vector<std::string> expected;
    } cases[] = {
        {{"muster", "Muster", "MUSTER"}, {"MUSTER", "Muster", "muster"}},
        {{"bert", "Anna", "anna", "Bert"}, {"Anna", "anna", "Bert", "bert"}},
        {{"b", "A", "c"}, {"A", "b", "c"}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Sorted(c.keys), c.expected);
        EXPECT_EQ(AddedOneByOne(c.keys), c.expected);
    }
}

TEST(ListOrderTest, EightBitKeysBeforeWideOnesOfTheSameCollation) {
    // A collation that cannot tell the two apart leaves the order to the keys' kinds.
    const std::vector<NameKey> keys = {NameKey::FromUtf16(u"\u039D"), NameKey("N")};
    class SameForAll final : public NameCollation {
        void Prepare(std::size_t) override {}
        int Compare(std::size_t, std::size_t) const override { return 0; }
    } same;
    const std::vector<std::size_t> order = ListOrder(keys, same);
    EXPECT_EQ(order, (std::vector<std::size_t>{1, 0}));
}

TEST(ListOrderTest, EveryNamePreparedOnceInOrderAndProgressTold) {
    std::vector<NameKey> keys;
    for (int i = 0; i < 20000; ++i) {
        keys.emplace_back("n" + std::to_string(i * 7919 % 20000));
    }
    FoldingCollation collation(keys);
    std::vector<int> told;
    const std::vector<std::size_t> order =
        ListOrder(keys, collation, [&told](int prepared) { told.push_back(prepared); });
    ASSERT_EQ(collation.prepared.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        ASSERT_EQ(collation.prepared[i], i);
    }
    EXPECT_EQ(told, (std::vector<int>{8192, 16384}));
    ASSERT_EQ(order.size(), keys.size());
    for (std::size_t i = 1; i < order.size(); ++i) {
        ASSERT_LT(FoldedCompare(keys[order[i - 1]].Bytes(), keys[order[i]].Bytes()), 0);
    }
}

TEST(ListOrderTest, RowBoundFindsTheFirstRowOfAKeyAndTheRowAfterIt) {
    const std::vector<NameKey> rows = {"Anna", "anna", "Bert", "Bert2"};
    const auto bound = [&](const NameKey& key, bool after) {
        return ListRowBound(
            rows.size(), key,
            [&](std::size_t row) { return FoldedCompare(rows[row].Bytes(), key.Bytes()); },
            [&](std::size_t row) { return rows[row]; }, after);
    };
    EXPECT_EQ(bound("anna", false), 1u);
    EXPECT_EQ(bound("anna", true), 2u);
    EXPECT_EQ(bound("ANNA", false), 0u);
    EXPECT_EQ(bound("Zoe", true), 4u);
    EXPECT_EQ(bound("", false), 0u);
}
