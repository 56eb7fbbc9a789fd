#pragma once
// Work spread over the processor's cores with its texts kept in order: the rows of a block are
// cut into consecutive ranges, a few per thread, which the threads take in turn; each range is
// written into a text of its own, and the texts are appended in range order, so the result
// equals a run on one thread. Threads the system does not give, and helpers that run short of
// memory, leave their share to the caller: the texts are the same whatever threads there were.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

// The number of threads the processor runs at once (at least 1).
unsigned DefaultJobs();

// Calls part(begin, end, text) for consecutive ranges covering [0, count) on up to jobs threads
// (the caller's included) and appends the texts to out in order. An exception of a part is
// thrown again here once every thread has finished.
void AppendInOrder(size_t count, unsigned jobs,
                   const std::function<void(size_t begin, size_t end, std::string& text)>& part,
                   std::string& out);

// The same in the background: the parts run on up to jobs - 1 threads of their own while the
// caller goes on, and Finish lets the caller take the ranges still left, then appends the texts
// to out in order. One background run at a time in the
// process; AppendInOrder waits for it. A run not finished is waited for when the object goes.
class OrderedWork {
  public:
    OrderedWork();
    ~OrderedWork();
    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    // Starts the run; with a single thread's worth of rows it runs at once (false).
    bool Start(size_t count, unsigned jobs,
               std::function<void(size_t begin, size_t end, std::string& text)> part,
               std::string& out);
    // Waits for a started run and appends its texts (an exception of a part is thrown here).
    void Finish();

  private:
    struct Run;
    std::unique_ptr<Run> m_run;
};
