#include "astro/solstice_cache.h"

#include <array>
#include <atomic>
#include <bit>
#include <cstddef>

#include "astro/lazy_pages.h"
#include "astro/sun.h"
#include "astro/year_range.h"

namespace {

// An evaluable birth's moment lies at most a few centuries from the entered year.
constexpr int64_t kYearMargin = 512;
constexpr int64_t kFirstYear = int64_t{kMinSupportedYear} - kYearMargin;
constexpr int64_t kLastYear = int64_t{kMaxSupportedYear} + kYearMargin;
constexpr int64_t kPageYears = 512;
constexpr size_t kPageCount = static_cast<size_t>((kLastYear - kFirstYear) / kPageYears + 1);

// The bits of an entry not yet searched: a NaN, which no search returns (a search that did
// would simply not be kept).
constexpr uint64_t kNotSearched = ~uint64_t{0};

std::atomic<uint64_t> g_searchCount{0};

double Search(int32_t year) {
    g_searchCount.fetch_add(1, std::memory_order_relaxed);
    double jdMax = 0.0;
    return SolsticeDeclination(year, jdMax);
}

struct Page {
    Page() {
        for (auto& entry : entries) {
            entry.store(kNotSearched, std::memory_order_relaxed);
        }
    }
    std::array<std::atomic<uint64_t>, kPageYears> entries;
};

class SolsticeCache {
  public:
    double Get(int32_t year) {
        if (year < kFirstYear || year > kLastYear) {
            return Search(year);
        }
        const auto offset = static_cast<size_t>(year - kFirstYear);
        std::atomic<uint64_t>& entry = m_pages.At(offset / kPageYears).entries[offset % kPageYears];
        const uint64_t kept = entry.load(std::memory_order_relaxed);
        if (kept != kNotSearched) {
            return std::bit_cast<double>(kept);
        }
        // Two threads that miss together both search and store the same value.
        const double declination = Search(year);
        const auto bits = std::bit_cast<uint64_t>(declination);
        if (bits != kNotSearched) {
            entry.store(bits, std::memory_order_relaxed);
        }
        return declination;
    }

  private:
    LazyPages<Page, kPageCount> m_pages;
};

} // namespace

double CachedSolsticeDeclination(int32_t year) {
    // Kept for the whole process and never torn down, so that no thread can find it gone
    // while the program ends.
    static SolsticeCache* const cache = new SolsticeCache;
    return cache->Get(year);
}

uint64_t SolsticeSearchCount() {
    return g_searchCount.load(std::memory_order_relaxed);
}
