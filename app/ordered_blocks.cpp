#include "app/ordered_blocks.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <malloc.h>
#include <memory>
#include <mutex>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

// Fewer rows than this per thread cost more to hand over than they take to compute.
constexpr size_t kMinRowsPerThread = 32;
constexpr size_t kRangesPerThread = 8;

// Each thread that allocates normally reserves a heap of its own of 64 MiB address space. Under
// an address-space limit (ulimit -v) that reservation fails, and every allocation of the thread
// then tries again before it falls back to a mapping of its own: seven times slower. There the
// threads share the first heap instead.
void ShareOneHeapUnderAddressLimit() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct rlimit space {};
        if (::getrlimit(RLIMIT_AS, &space) == 0 && space.rlim_cur != RLIM_INFINITY) {
            ::mallopt(M_ARENA_MAX, 1);
        }
    });
}

// Threads kept from one block to the next, so that what each keeps for itself (the Sun's
// yearly maximum of the day, the texts of recent lunations) lasts the whole run. One run at a
// time; the caller works as the first thread.
class WorkerPool {
  public:
    // Runs task(1) .. task(helpers) on kept threads until End; one run at a time.
    void Begin(size_t helpers, const std::function<void(size_t thread)>& task) {
        m_run.lock();
        {
            const std::lock_guard lock(m_mutex);
            while (m_threads.size() < helpers) {
                m_threads.emplace_back([this, index = m_threads.size() + 1] { Serve(index); });
            }
            m_task = &task;
            m_helpers = helpers;
            m_pending = helpers;
            ++m_generation;
        }
        m_wake.notify_all();
    }

    void End() {
        {
            std::unique_lock lock(m_mutex);
            m_done.wait(lock, [this] { return m_pending == 0; });
            m_task = nullptr;
        }
        m_run.unlock();
    }

  private:
    void Serve(size_t index) {
        uint64_t seen = 0;
        for (;;) {
            const std::function<void(size_t)>* task = nullptr;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [&] { return m_generation != seen; });
                seen = m_generation;
                if (index > m_helpers) {
                    continue;
                }
                task = m_task;
            }
            (*task)(index);
            const std::lock_guard lock(m_mutex);
            if (--m_pending == 0) {
                m_done.notify_one();
            }
        }
    }

    std::mutex m_run;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::vector<std::thread> m_threads;
    const std::function<void(size_t)>* m_task = nullptr;
    size_t m_helpers = 0;
    size_t m_pending = 0;
    uint64_t m_generation = 0;
};

WorkerPool& Pool() {
    // Never torn down: its threads wait for work until the process ends.
    static WorkerPool* const pool = new WorkerPool;
    return *pool;
}

} // namespace

unsigned DefaultJobs() {
    return std::max(1U, std::thread::hardware_concurrency());
}

struct OrderedWork::Run {
    size_t count = 0;
    size_t ranges = 0;
    std::function<void(size_t, size_t, std::string&)> part;
    std::string* out = nullptr;
    std::vector<std::string> texts;
    std::vector<std::exception_ptr> errors;
    std::atomic<size_t> next{0};
    std::function<void(size_t)> work;
};

OrderedWork::OrderedWork() = default;

OrderedWork::~OrderedWork() {
    if (m_run) {
        Pool().End(); // the rows and texts the threads use go away after this
    }
}

bool OrderedWork::Start(size_t count, unsigned jobs,
                        std::function<void(size_t begin, size_t end, std::string& text)> part,
                        std::string& out) {
    const size_t threads = std::max<size_t>(1, std::min<size_t>(jobs, count / kMinRowsPerThread));
    if (threads <= 1) {
        part(0, count, out);
        return false;
    }
    ShareOneHeapUnderAddressLimit();
    auto run = std::make_unique<Run>();
    run->count = count;
    // More ranges than threads, taken in turn: a thread the system holds back leaves its share
    // to the others instead of keeping them waiting at the end.
    run->ranges = std::min(threads * kRangesPerThread, count / kMinRowsPerThread);
    run->part = std::move(part);
    run->out = &out;
    run->texts.resize(run->ranges);
    run->errors.resize(threads);
    Run& r = *run;
    r.work = [&r](size_t thread) {
        try {
            for (size_t k = r.next++; k < r.ranges; k = r.next++) {
                r.part(r.count * k / r.ranges, r.count * (k + 1) / r.ranges, r.texts[k]);
            }
        } catch (...) {
            r.errors[thread] = std::current_exception();
            r.next = r.ranges; // the others stop after their current range
        }
    };
    m_run = std::move(run);
    // The caller is the last thread: it joins in when it calls Finish.
    Pool().Begin(threads - 1, m_run->work);
    return true;
}

void OrderedWork::Finish() {
    if (!m_run) {
        return;
    }
    m_run->work(0); // the ranges no other thread has taken yet
    Pool().End();
    const std::unique_ptr<Run> run = std::move(m_run);
    for (const std::exception_ptr& error : run->errors) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
    for (const std::string& text : run->texts) {
        run->out->append(text);
    }
}

void AppendInOrder(size_t count, unsigned jobs,
                   const std::function<void(size_t begin, size_t end, std::string& text)>& part,
                   std::string& out) {
    OrderedWork work;
    if (work.Start(count, jobs, part, out)) {
        work.Finish();
    }
}
