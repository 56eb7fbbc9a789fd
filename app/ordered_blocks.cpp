#include "app/ordered_blocks.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#include "app/thread_start.h"

namespace {

// Fewer rows than this per thread cost more to hand over than they take to compute.
constexpr size_t kMinRowsPerThread = 32;
constexpr size_t kRangesPerThread = 8;

// Threads kept from one block to the next, so that what each keeps for itself (the Sun's
// yearly maximum of the day, the texts of recent lunations) lasts the whole run. One run at a
// time; the caller works as the first thread.
class WorkerPool {
  public:
    // Runs task(1) .. task(n) on kept threads until End, n being helpers or as many threads as
    // the system gives (perhaps none); one run at a time. Returns n.
    size_t Begin(size_t helpers, const std::function<void(size_t thread)>& task) {
        m_run.lock();
        size_t started = 0;
        {
            const std::lock_guard lock(m_mutex);
            Grow(helpers);
            started = std::min(helpers, m_threads.size());
            m_task = &task;
            m_helpers = started;
            m_pending = started;
            ++m_generation;
        }
        m_wake.notify_all();
        return started;
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
    // Adds threads up to helpers, as long as the system gives them.
    void Grow(size_t helpers) {
        if (m_threads.size() >= helpers) {
            return;
        }
        try {
            m_threads.reserve(helpers); // a thread started is always kept
            while (m_threads.size() < helpers) {
                std::thread thread;
                if (!StartThread(thread, [this, index = m_threads.size() + 1] { Serve(index); })) {
                    return;
                }
                m_threads.push_back(std::move(thread));
            }
        } catch (const std::bad_alloc&) {
        }
    }

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

// How a thread's share of a run ended.
struct ThreadEnd {
    std::exception_ptr error;
    // A range a helper gave back for want of memory: the caller writes it again.
    size_t returned = SIZE_MAX;
};

struct OrderedWork::Run {
    size_t count = 0;
    size_t ranges = 0;
    std::function<void(size_t, size_t, std::string&)> part;
    std::string* out = nullptr;
    std::vector<std::string> texts;
    std::vector<ThreadEnd> ends;
    std::atomic<size_t> next{0};
    std::function<void(size_t)> work;

    void Part(size_t k) { part(count * k / ranges, count * (k + 1) / ranges, texts[k]); }
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
    std::unique_ptr<Run> run;
    WorkerPool* pool = nullptr;
    if (threads > 1) {
        // Without the memory to share the work out, it is done here as on one thread.
        try {
            pool = &Pool();
            run = std::make_unique<Run>();
            // More ranges than threads, taken in turn: a thread the system holds back leaves its
            // share to the others instead of keeping them waiting at the end.
            run->ranges = std::min(threads * kRangesPerThread, count / kMinRowsPerThread);
            run->texts.resize(run->ranges);
            run->ends.resize(threads);
        } catch (const std::bad_alloc&) {
            run = nullptr;
        }
    }
    if (run == nullptr) {
        part(0, count, out);
        return false;
    }
    run->count = count;
    run->part = std::move(part);
    run->out = &out;
    Run& r = *run;
    r.work = [&r](size_t thread) {
        size_t k = r.ranges;
        try {
            for (k = r.next++; k < r.ranges; k = r.next++) {
                r.Part(k);
            }
        } catch (const std::bad_alloc&) {
            if (thread != 0) {
                // A helper short of memory stops and leaves its range to the caller, whose own
                // shortage alone ends the run.
                std::string().swap(r.texts[k]);
                r.ends[thread].returned = k;
                return;
            }
            r.ends[thread].error = std::current_exception();
            r.next = r.ranges;
        } catch (...) {
            r.ends[thread].error = std::current_exception();
            r.next = r.ranges; // the others stop after their current range
        }
    };
    // The caller is the last thread: it joins in when it calls Finish. Whatever threads the
    // system does not give, the caller takes their share then; without any, it works as one
    // thread does.
    if (pool->Begin(threads - 1, r.work) == 0) {
        pool->End();
        const auto alone = std::move(r.part);
        run = nullptr;
        alone(0, count, out);
        return false;
    }
    m_run = std::move(run);
    return true;
}

void OrderedWork::Finish() {
    if (!m_run) {
        return;
    }
    m_run->work(0); // the ranges no other thread has taken yet
    Pool().End();
    const std::unique_ptr<Run> run = std::move(m_run);
    for (const ThreadEnd& end : run->ends) {
        if (end.error) {
            std::rethrow_exception(end.error);
        }
    }
    for (const ThreadEnd& end : run->ends) {
        if (end.returned < run->ranges) {
            run->Part(end.returned);
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
