#include "astro/lunation_table.h"

#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string_view>

#include "astro/birth.h"
#include "astro/lazy_pages.h"

namespace {

constexpr size_t kSlotCount = size_t{1} << 16;
constexpr size_t kPageSlots = 1024;
constexpr size_t kPageCount = kSlotCount / kPageSlots;

// Whole lunation numbers up to this size are exact in a double and in 64 bits; the evaluable
// years reach about 1.25 million.
constexpr double kLargestKept = 1e12;

constexpr double kSynodicMonth = 29.53058868;
constexpr double kFirstMeanNewMoon = 2415020.75933;

// Moments for which a search may be skipped: centuries from 1900 within +-1030, where every
// search ends with start <= jd < end. There the mean new moon of a lunation, as any search
// computes it, moves by at most 0.74 days per century of the date that sets its small terms,
// and the dates of two searches of one lunation lie less than 110 days (0.003 centuries)
// apart: their brackets differ by less than 0.0023 days, far less than the margin.
constexpr double kCenturyDays = 36525.0;
constexpr double kFastCenturies = 1030.0;
constexpr double kBracketMargin = 0.05;

// One text of at most kTextChars characters, its length in the first byte.
constexpr size_t kTextBytes = 32;
constexpr size_t kTextChars = kTextBytes - 1;
constexpr size_t kTextWords = kTextBytes / sizeof(uint64_t);

std::atomic<uint64_t> g_computeCount{0};
std::atomic<uint64_t> g_searchCount{0};

// The values an entry holds beside its lunation number.
struct Kept {
    Lunation& lunation; // the caller's
    double start = std::numeric_limits<double>::quiet_NaN();
    double end = std::numeric_limits<double>::quiet_NaN();
};

// One lunation in three cache lines. The sequence is odd while a writer fills the entry and grows
// by two with every completed write; zero means never written.
struct alignas(64) Slot {
    std::atomic<uint64_t> sequence{0};
    std::atomic<int64_t> lunation{0};
    std::array<std::atomic<double>, 5> moments{};
    std::atomic<double> start{0.0};
    std::atomic<double> end{0.0};
    std::array<std::atomic<uint64_t>, 3 * kTextWords> texts{};
};

static_assert(sizeof(Slot) == 192 && sizeof(Slot) * kSlotCount == 12 * 1024 * 1024);

struct Page {
    std::array<Slot, kPageSlots> slots;
};

bool Read(const Slot& slot, int64_t lunation, Kept& kept) {
    const uint64_t before = slot.sequence.load(std::memory_order_acquire);
    if (before == 0 || (before & 1) != 0 ||
        slot.lunation.load(std::memory_order_relaxed) != lunation) {
        return false;
    }
    for (size_t i = 0; i < kept.lunation.moments.size(); ++i) {
        kept.lunation.moments[i] = slot.moments[i].load(std::memory_order_relaxed);
    }
    kept.start = slot.start.load(std::memory_order_relaxed);
    kept.end = slot.end.load(std::memory_order_relaxed);
    std::array<uint64_t, 3 * kTextWords> words{};
    for (size_t i = 0; i < words.size(); ++i) {
        words[i] = slot.texts[i].load(std::memory_order_relaxed);
    }
    std::atomic_thread_fence(std::memory_order_acquire);
    if (slot.sequence.load(std::memory_order_relaxed) != before) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const char*>(words.data());
    for (size_t t = 0; t < 3; ++t) {
        const char* text = bytes + t * kTextBytes;
        kept.lunation.texts[t].assign({text + 1, static_cast<unsigned char>(text[0])});
    }
    return true;
}

// A writer that finds the entry being written by another thread leaves it to that one. Texts
// too long for an entry (moments millions of years away) are not kept.
void Write(Slot& slot, int64_t lunation, const Kept& kept) {
    std::array<uint64_t, 3 * kTextWords> words{};
    auto* bytes = reinterpret_cast<unsigned char*>(words.data());
    for (size_t t = 0; t < 3; ++t) {
        const std::string_view text = kept.lunation.texts[t];
        if (text.size() > kTextChars) {
            return;
        }
        bytes[t * kTextBytes] = static_cast<unsigned char>(text.size());
        std::memcpy(bytes + t * kTextBytes + 1, text.data(), text.size());
    }

    uint64_t sequence = slot.sequence.load(std::memory_order_relaxed);
    if ((sequence & 1) != 0 ||
        !slot.sequence.compare_exchange_strong(sequence, sequence + 1, std::memory_order_relaxed)) {
        return;
    }
    std::atomic_thread_fence(std::memory_order_release);
    slot.lunation.store(lunation, std::memory_order_relaxed);
    for (size_t i = 0; i < kept.lunation.moments.size(); ++i) {
        slot.moments[i].store(kept.lunation.moments[i], std::memory_order_relaxed);
    }
    slot.start.store(kept.start, std::memory_order_relaxed);
    slot.end.store(kept.end, std::memory_order_relaxed);
    for (size_t i = 0; i < words.size(); ++i) {
        slot.texts[i].store(words[i], std::memory_order_relaxed);
    }
    slot.sequence.store(sequence + 2, std::memory_order_release);
}

class LunationTable {
  public:
    Slot& At(int64_t lunation) {
        const auto index = static_cast<size_t>(static_cast<uint64_t>(lunation) & (kSlotCount - 1));
        return m_pages.At(index / kPageSlots).slots[index % kPageSlots];
    }

  private:
    // Pages of 192 KiB are taken as their lunations are first used.
    LazyPages<Page, kPageCount> m_pages;
};

LunationTable& Table() {
    // Kept for the whole process and never torn down, so that no thread can find it gone
    // while the program ends.
    static LunationTable* const table = new LunationTable;
    return *table;
}

bool IsKeptNumber(double k) {
    return std::fabs(k) <= kLargestKept && k == std::floor(k);
}

// Looks lunation k up, computing and keeping it on a miss; a search's bracket is kept with it.
void LookUp(double k, const LunationBracket* bracket, Lunation& out) {
    if (!IsKeptNumber(k)) {
        ComputeLunation(k, out);
        return;
    }
    const auto lunation = static_cast<int64_t>(k);
    Slot& slot = Table().At(lunation);
    // A read that fails leaves out partly written; it is computed whole below.
    Kept kept{out};
    if (Read(slot, lunation, kept)) {
        return;
    }
    g_computeCount.fetch_add(1, std::memory_order_relaxed);
    ComputeLunation(k, kept.lunation);
    if (bracket != nullptr) {
        kept.start = bracket->start;
        kept.end = bracket->end;
    }
    Write(slot, lunation, kept);
}

// The lunation whose mean new moon came last before jd, give or take one near the brackets.
int64_t EstimateLunation(double jd) {
    const double t = (jd - 2415020.0) / kCenturyDays;
    const double drift = t * t * 0.0001178 - t * t * t * 1.55e-07;
    return static_cast<int64_t>(std::floor((jd - kFirstMeanNewMoon - drift) / kSynodicMonth));
}

} // namespace

void ComputeLunation(double k, Lunation& out) {
    out.moments[0] = TruePhase(k, 0);
    out.moments[1] = TruePhase(k, 0.25);
    out.moments[2] = TruePhase(k, 0.5);
    out.moments[3] = TruePhase(k, 0.75);
    out.moments[4] = TruePhase(k + 1, 0);
    out.texts[0].assign(FormatPhaseMoment(out.moments[0]));
    out.texts[1].assign(FormatPhaseMoment(out.moments[2]));
    out.texts[2].assign(FormatPhaseMoment(out.moments[4]));
}

void LookUpLunation(double k, Lunation& out) {
    LookUp(k, nullptr, out);
}

void FindLunation(double jd, Lunation& out) {
    const bool skippable = std::fabs((jd - 2415020.0) / kCenturyDays) <= kFastCenturies;
    if (skippable) {
        const int64_t lunation = EstimateLunation(jd);
        // NaN brackets (entries kept without a search) fail both comparisons. Whatever a read
        // that fails here leaves in out is written over by the search's look-up.
        Kept kept{out};
        if (Read(Table().At(lunation), lunation, kept) && jd >= kept.start + kBracketMargin &&
            jd < kept.end - kBracketMargin) {
            return;
        }
    }
    g_searchCount.fetch_add(1, std::memory_order_relaxed);
    const LunationBracket bracket = SearchLunation(jd);
    const bool normal = skippable && bracket.start <= jd && jd < bracket.end;
    LookUp(bracket.k, normal ? &bracket : nullptr, out);
}

void PrefetchLunation(double jd) {
    if (std::fabs((jd - 2415020.0) / kCenturyDays) <= kFastCenturies) {
        const char* slot = reinterpret_cast<const char*>(&Table().At(EstimateLunation(jd)));
        for (size_t line = 0; line < sizeof(Slot); line += 64) {
            __builtin_prefetch(slot + line);
        }
    }
}

uint64_t LunationComputeCount() {
    return g_computeCount.load(std::memory_order_relaxed);
}

uint64_t LunationSearchCount() {
    return g_searchCount.load(std::memory_order_relaxed);
}
