#pragma once
// A head start for the table of all records of a file: while the file is parsed into its store,
// a thread of its own reads the same bytes in file order and evaluates the records it reaches,
// so that the export which follows finds their results ready instead of waiting for the whole
// store before any evaluation starts. The head start is optional in every way: without a
// thread or the memory for its tables nothing starts, and when memory runs short while the file
// is parsed, it stops and frees its tables (the parse goes on as with one thread).
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/birth_input.h"
#include "app/thread_start.h"
#include "records/vexamo_doc.h"
#include "records/vx_date_store.h"

class ExportHeadStart : public ParseWatcher {
  public:
    ExportHeadStart() = default;
    ~ExportHeadStart() override;
    ExportHeadStart(const ExportHeadStart&) = delete;
    ExportHeadStart& operator=(const ExportHeadStart&) = delete;

    // Starts the thread over the file's bytes (a few records are not worth one).
    void Parsing(std::string_view bytes) override;
    // Stops the thread; the results it has are kept (unless it gave way to the parse).
    void Parsed() override;
    // Lets the thread go on to the end of its share of the file, then waits for it (for a
    // caller that wants every result the head start can give, such as a test).
    void Complete();

    // The result of a record with these values, when the thread reached one; nullptr otherwise.
    // Only after Parsed.
    const RecordMoment* Find(const VXDateStore& record) const;
    size_t Count() const { return m_results.size(); }
    // A hint that Find(record) comes soon: starts fetching the memory it reads first.
    void Prefetch(const VXDateStore& record) const;

  private:
    struct Result {
        VXDateStore record;
        RecordMoment moment;
    };
    void Run(std::string_view bytes);
    void Evaluate(std::string_view bytes);
    size_t FindSlot(const VXDateStore& record, uint64_t hash) const;
    bool MaybeKept(uint64_t hash) const;
    // Installed while the thread runs: when an allocation of another thread fails, stops the
    // thread and frees its tables, and the allocation is tried again.
    static void GiveWay();
    void Stop(bool keepResults);

    std::vector<Result> m_results;
    size_t m_limit = 0; // results the thread may keep
    // The high half of the record's hash and 1 + its index into m_results; 0 for an empty slot.
    // With the hash at hand, a lookup reads a result only where the hashes agree.
    std::vector<uint64_t> m_slots;
    // One bit per value of the hash's top bits, set for every result: a small table that tells
    // most records without a result so at once.
    static constexpr int kSeenBits = 20;
    std::vector<uint64_t> m_seen;
    std::atomic<bool> m_stop{false};
    ReturningThread m_thread;
};
