#pragma once
// A table of fixed size whose pages are allocated as they are first used, safe for several
// threads: two that need a new page at once both build one, and the first installed is kept.
#include <array>
#include <atomic>
#include <cstddef>
#include <memory>

template <class Page, std::size_t kPageCount> class LazyPages {
  public:
    Page& At(std::size_t index) {
        std::atomic<Page*>& slot = m_pages[index];
        Page* page = slot.load(std::memory_order_acquire);
        if (page != nullptr) {
            return *page;
        }
        auto fresh = std::make_unique<Page>();
        if (slot.compare_exchange_strong(page, fresh.get(), std::memory_order_acq_rel,
                                         std::memory_order_acquire)) {
            return *fresh.release();
        }
        return *page; // another thread installed its page first
    }

  private:
    std::array<std::atomic<Page*>, kPageCount> m_pages{};
};
