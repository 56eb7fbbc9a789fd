#include "app/export_head_start.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <exception>
#include <mutex>
#include <new>

#include "astro/vector_state.h"
#include "records/archive.h"
#include "records/name_key.h"
#include "records/record_image.h"

namespace {

// Fewer records than this are evaluated sooner than a thread starts.
constexpr uint64_t kMinRecords = 4096;

uint64_t HashRecord(const VXDateStore& r) {
    uint64_t h = 0x9e3779b97f4a7c15;
    for (const int32_t v : {r.m_nYear, r.m_nMonth, r.m_nDay, r.m_nHour, r.m_nMinute, r.m_bSouthern,
                            r.m_bConstZone, r.m_nTimeZone}) {
        h = (h ^ static_cast<uint32_t>(v)) * 0xff51afd7ed558ccd;
        h ^= h >> 29;
    }
    return h;
}

// The head start that gives way when memory runs short (one at a time), and the handler of
// allocation failures it took the place of.
std::mutex g_givingWay;
std::atomic<ExportHeadStart*> g_yielding{nullptr};
std::new_handler g_replaced = nullptr;
// Set on the head start's own thread, which gives up by itself instead.
thread_local bool t_onHeadStart = false;

} // namespace

ExportHeadStart::~ExportHeadStart() {
    Parsed();
}

void ExportHeadStart::GiveWay() {
    if (t_onHeadStart) {
        throw std::bad_alloc();
    }
    const std::lock_guard lock(g_givingWay);
    ExportHeadStart* const head = g_yielding.exchange(nullptr);
    std::set_new_handler(g_replaced);
    if (head != nullptr) {
        head->Stop(false);
    }
    // On return the allocation is tried again, with the handler there was before.
}

void ExportHeadStart::Stop(bool keepResults) {
    m_stop.store(true);
    m_thread.Join();
    if (!keepResults) {
        std::vector<Result>().swap(m_results);
        std::vector<uint64_t>().swap(m_slots);
        std::vector<uint64_t>().swap(m_seen);
        m_limit = 0;
    }
}

void ExportHeadStart::Parsing(std::string_view bytes) {
    ArchiveReader ar(bytes.data(), bytes.size());
    uint64_t count = 0;
    // A count the bytes cannot hold is the parse's to report.
    if (m_thread.Joinable() || !ar.ReadCount(count) || count < kMinRecords ||
        count > bytes.size() / (1 + kRecordImageSize)) {
        return;
    }
    // Parsing takes a fraction of the time evaluating does, so the thread reaches a part of the
    // records only: room for a third of them. The thread clears its tables itself. Without the
    // memory or a thread for it there is simply no head start.
    try {
        m_limit = static_cast<size_t>(std::min<uint64_t>(count, count / 3 + kMinRecords));
        m_results.clear();
        m_results.reserve(m_limit);
        m_stop.store(false);
        const std::lock_guard lock(g_givingWay);
        if (g_yielding.load() == nullptr && m_thread.Start([this, bytes] { Run(bytes); })) {
            g_yielding.store(this);
            g_replaced = std::set_new_handler(&ExportHeadStart::GiveWay);
            return;
        }
    } catch (const std::bad_alloc&) {
    }
    std::vector<Result>().swap(m_results);
    m_limit = 0;
}

void ExportHeadStart::Parsed() {
    const std::lock_guard lock(g_givingWay);
    if (g_yielding.load() == this) {
        g_yielding.store(nullptr);
        std::set_new_handler(g_replaced);
    }
    if (m_thread.Joinable()) {
        Stop(true);
    }
}

void ExportHeadStart::Complete() {
    const std::lock_guard lock(g_givingWay);
    m_thread.Join();
}

size_t ExportHeadStart::FindSlot(const VXDateStore& record, uint64_t hash) const {
    const size_t mask = m_slots.size() - 1;
    const uint64_t tag = hash & 0xffffffff00000000;
    size_t slot = static_cast<size_t>(hash) & mask;
    for (;; slot = (slot + 1) & mask) {
        const uint64_t s = m_slots[slot];
        if (s == 0 ||
            ((s & 0xffffffff00000000) == tag && m_results[(s & 0xffffffff) - 1].record == record)) {
            return slot;
        }
    }
}

bool ExportHeadStart::MaybeKept(uint64_t hash) const {
    const uint64_t bit = hash >> (64 - kSeenBits);
    return !m_results.empty() && (m_seen[bit / 64] >> (bit % 64) & 1) != 0;
}

const RecordMoment* ExportHeadStart::Find(const VXDateStore& record) const {
    const uint64_t hash = HashRecord(record);
    if (!MaybeKept(hash)) {
        return nullptr;
    }
    const uint64_t s = m_slots[FindSlot(record, hash)];
    return s != 0 ? &m_results[(s & 0xffffffff) - 1].moment : nullptr;
}

void ExportHeadStart::Prefetch(const VXDateStore& record) const {
    const uint64_t hash = HashRecord(record);
    if (MaybeKept(hash)) {
        __builtin_prefetch(&m_slots[static_cast<size_t>(hash) & (m_slots.size() - 1)]);
    }
}

void ExportHeadStart::Run(std::string_view bytes) {
    // Whatever stops the thread early (memory for its tables or an evaluation's caches) leaves
    // the results it has complete: a result is added whole, after its evaluation.
    t_onHeadStart = true;
    try {
        Evaluate(bytes);
    } catch (const std::exception&) {
    }
}

void ExportHeadStart::Evaluate(std::string_view bytes) {
    ClearUpperVectorState();
    m_slots.assign(std::bit_ceil(m_limit * 2), 0);
    m_seen.assign((size_t{1} << kSeenBits) / 64, 0);
    ArchiveReader ar(bytes.data(), bytes.size());
    uint64_t count = 0;
    ar.ReadCount(count);
    NameKey name;
    VXDateStore record;
    for (uint64_t i = 0; i < count && m_results.size() < m_limit; ++i) {
        // A damaged file simply ends the head start; the parse reports it.
        if (m_stop.load(std::memory_order_relaxed) || !ar.ReadName(name) ||
            !ReadRecordImage(ar, record)) {
            return;
        }
        if (!CanEvaluate(record)) {
            continue;
        }
        const uint64_t hash = HashRecord(record);
        const size_t slot = FindSlot(record, hash);
        if (m_slots[slot] != 0) {
            continue; // the same values again
        }
        m_results.push_back({record, EvaluateRecordMoment(record)});
        m_slots[slot] = (hash & 0xffffffff00000000) | m_results.size();
        const uint64_t bit = hash >> (64 - kSeenBits);
        m_seen[bit / 64] |= uint64_t{1} << (bit % 64);
    }
}
