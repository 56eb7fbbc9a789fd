#include "astro/solstice_cache.h"

#include <array>
#include <mutex>

#include "astro/sun.h"

namespace {

struct Slot {
    bool filled = false;
    int32_t year = 0;
    double declination = 0.0;
};

constexpr uint32_t kSlotCount = 64;

class SolsticeCache {
  public:
    double Get(int32_t year) {
        Slot& slot = slots_[SlotIndex(year)];
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (slot.filled && slot.year == year) {
                return slot.declination;
            }
        }
        // Computed outside the lock: the search is deterministic, so two threads that miss
        // together store the same value.
        double jdMax = 0.0;
        const double declination = SolsticeDeclination(year, jdMax);
        std::lock_guard<std::mutex> lock(mutex_);
        slot.filled = true;
        slot.year = year;
        slot.declination = declination;
        return declination;
    }

  private:
    static uint32_t SlotIndex(int32_t year) { return static_cast<uint32_t>(year) % kSlotCount; }

    std::mutex mutex_;
    std::array<Slot, kSlotCount> slots_{};
};

} // namespace

double CachedSolsticeDeclination(int32_t year) {
    static SolsticeCache cache;
    return cache.Get(year);
}
