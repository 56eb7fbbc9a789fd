// The place table's file: what is written reads back exactly, translations are found by their
// keys, and damaged data is refused without reading outside it.
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "places/place_table.h"

using places::PlaceLanguage;
using places::PlaceRecord;
using places::PlaceTable;

namespace {

const std::vector<PlaceRecord> kPlaces = {
    {"2867714", "Munich", "DE.02", "Bavaria", "DE", "Germany", "Europe/Berlin", 1260391, 48.13743,
     11.57549},
    {"3451190", "Rio de Janeiro", "BR.21", "Rio de Janeiro", "BR", "Brazil", "America/Sao_Paulo",
     std::numeric_limits<std::uint32_t>::max(), -22.90642, -43.18223},
    {"1", "Zero", "DE.02", "Bavaria", "DE", "Germany", "Etc/UTC", 0, 0.1, -0.0},
};

std::vector<PlaceLanguage> Languages() {
    return {
        {"de",
         {{"1", "Null"},
          {"2867714", "München"},
          {"DE", "Deutschland"},
          {"DE.02", "Bayern"},
          {"XX", "nowhere's name"}}},
        {"ja", {{"2867714", "ミュンヘン"}, {"BR", "ブラジル"}}},
    };
}

PlaceTable Sample() {
    std::optional<PlaceTable> t = PlaceTable::Decode(PlaceTable::Encode(kPlaces, Languages()));
    EXPECT_TRUE(t.has_value());
    return t ? std::move(*t) : *PlaceTable::Decode(PlaceTable::Encode({}, {}));
}

} // namespace

TEST(PlaceTableTest, PlacesReadBackExactly) {
    const PlaceTable table = Sample();
    ASSERT_EQ(table.Places().size(), kPlaces.size());
    for (std::size_t i = 0; i < kPlaces.size(); ++i) {
        const PlaceRecord& a = table.Places()[i];
        const PlaceRecord& b = kPlaces[i];
        EXPECT_EQ(a.number, b.number);
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.regionKey, b.regionKey);
        EXPECT_EQ(a.region, b.region);
        EXPECT_EQ(a.countryCode, b.countryCode);
        EXPECT_EQ(a.country, b.country);
        EXPECT_EQ(a.zone, b.zone);
        EXPECT_EQ(a.population, b.population);
        // The very bits: a name found at 48.13743 must show 48.13743.
        EXPECT_EQ(std::bit_cast<std::uint64_t>(a.latitude),
                  std::bit_cast<std::uint64_t>(b.latitude));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(a.longitude),
                  std::bit_cast<std::uint64_t>(b.longitude));
    }
}

TEST(PlaceTableTest, TranslationsByLanguageAndKey) {
    const PlaceTable table = Sample();
    ASSERT_EQ(table.Languages().size(), 2u);
    const PlaceLanguage* de = table.Language("de");
    const PlaceLanguage* ja = table.Language("ja");
    ASSERT_NE(de, nullptr);
    ASSERT_NE(ja, nullptr);
    EXPECT_EQ(table.Language("fr"), nullptr);
    EXPECT_EQ(table.Language("d"), nullptr);
    const struct {
        const PlaceLanguage* language;
        const char* key;
        std::optional<std::string_view> text;
    } cases[] = {
        {de, "2867714", "München"},
        {de, "DE.02", "Bayern"},
        {de, "DE", "Deutschland"},
        {de, "1", "Null"},
        {de, "BR", std::nullopt},
        {ja, "BR", "ブラジル"},
        {ja, "2867714", "ミュンヘン"},
        {ja, "1", std::nullopt},
        // A key no place uses is not kept.
        {de, "XX", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(places::Translate(*c.language, c.key), c.text) << c.language->name << c.key;
    }
    EXPECT_EQ(de->translations.size(), 4u);
}

TEST(PlaceTableTest, DamagedDataIsRefused) {
    const std::string good = PlaceTable::Encode(kPlaces, Languages());
    ASSERT_TRUE(PlaceTable::Decode(good).has_value());
    // Cut off anywhere, or with a byte more.
    for (std::size_t size = 0; size < good.size(); ++size) {
        EXPECT_FALSE(PlaceTable::Decode(good.substr(0, size)).has_value()) << size;
    }
    EXPECT_FALSE(PlaceTable::Decode(good + '\0').has_value());
    std::string magic = good;
    magic[7] = '\x02'; // another version
    EXPECT_FALSE(PlaceTable::Decode(magic).has_value());
    // A pool larger than the file.
    std::string huge = good;
    huge.replace(8, 1, "\xFF\xFF\xFF\xFF\x0F");
    EXPECT_FALSE(PlaceTable::Decode(huge).has_value());
}
