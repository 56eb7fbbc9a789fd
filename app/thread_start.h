#pragma once
// Every thread of the program starts here. A thread the system does not give (a limit on
// processes or on memory) is no failure: the work it would have done falls to the threads there
// are, down to the calling thread alone.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <pthread.h>
#include <thread>

// Starts body on a new thread held by thread; false, with thread left as it was, when there is
// no thread or no memory for one.
bool StartThread(std::thread& thread, std::function<void()> body);

// A thread whose stack goes back to the system when it is joined (a thread of the system's
// leaves its stack behind for the next one): for work that must leave no memory behind, such
// as work that gives way when memory runs short.
class ReturningThread {
  public:
    ReturningThread() = default;
    ~ReturningThread() { Join(); }
    ReturningThread(const ReturningThread&) = delete;
    ReturningThread& operator=(const ReturningThread&) = delete;

    // As StartThread; false while a thread is running.
    bool Start(std::function<void()> body);
    bool Joinable() const { return m_stack != nullptr; }
    // Waits for the thread, then frees its stack.
    void Join();

  private:
    static void* Main(void* self);
    std::function<void()> m_body;
    pthread_t m_thread{};
    void* m_stack = nullptr;
    size_t m_stackBytes = 0;
};

// For tests: the next `starts` threads start, and every start after them fails as it does when
// the system gives no more threads. kNoThreadLimit lifts the limit.
inline constexpr size_t kNoThreadLimit = SIZE_MAX;
void LimitThreadStarts(size_t starts);
