#include <bit>
#include <cstdint>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "astro/solstice_cache.h"
#include "astro/sun.h"
#include "astro/year_range.h"

namespace {

uint64_t Bits(double v) {
    return std::bit_cast<uint64_t>(v);
}

uint64_t SearchedBits(int32_t year) {
    double jdMax = 0.0;
    return Bits(SolsticeDeclination(year, jdMax));
}

// Years spread over the whole range, its ends and the margin beyond them that moments of
// evaluable births reach, and years outside everything kept.
std::vector<int32_t> SampleYears() {
    std::vector<int32_t> years = {kMinSupportedYear - 512,
                                  kMinSupportedYear - 511,
                                  kMinSupportedYear,
                                  -1,
                                  0,
                                  1,
                                  kMaxSupportedYear,
                                  kMaxSupportedYear + 511,
                                  kMaxSupportedYear + 512,
                                  kMaxSupportedYear + 513,
                                  -2000000,
                                  2000000000};
    for (int32_t y = kMinSupportedYear; y <= kMaxSupportedYear; y += 997) {
        years.push_back(y);
    }
    for (int32_t y = 1900; y < 2050; ++y) {
        years.push_back(y);
    }
    return years;
}

} // namespace

TEST(SolsticeCache, EveryYearIsTheSearchedValueAndKeptWithoutEviction) {
    const auto years = SampleYears();
    for (const int32_t year : years) {
        EXPECT_EQ(Bits(CachedSolsticeDeclination(year)), SearchedBits(year)) << year;
    }
    // A second pass over far more years than any small table holds searches only the years
    // that lie outside the kept range.
    const uint64_t before = SolsticeSearchCount();
    for (const int32_t year : years) {
        EXPECT_EQ(Bits(CachedSolsticeDeclination(year)), SearchedBits(year)) << year;
    }
    EXPECT_EQ(SolsticeSearchCount() - before, 3u); // the three years beyond the margin
}

TEST(SolsticeCache, ThreadsFillingTheSameYearsAgree) {
    std::vector<std::vector<uint64_t>> seen(4);
    std::vector<std::thread> threads;
    for (auto& out : seen) {
        threads.emplace_back([&out] {
            for (int32_t y = 40000; y < 40300; ++y) {
                out.push_back(Bits(CachedSolsticeDeclination(y)));
            }
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    for (int32_t y = 40000; y < 40300; ++y) {
        const uint64_t expected = SearchedBits(y);
        for (const auto& out : seen) {
            EXPECT_EQ(out[static_cast<size_t>(y - 40000)], expected) << y;
        }
    }
}
