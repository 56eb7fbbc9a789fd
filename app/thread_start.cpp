#include "app/thread_start.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <new>
#include <system_error>

#ifndef _WIN32
#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

std::atomic<size_t> g_startsLeft{kNoThreadLimit};

// Whether the limit a test set leaves one more start.
bool TakeStart() {
    size_t left = g_startsLeft.load();
    while (left != kNoThreadLimit) {
        if (left == 0) {
            return false;
        }
        if (g_startsLeft.compare_exchange_weak(left, left - 1)) {
            return true;
        }
    }
    return true;
}

#ifdef _WIN32
// Windows has no limit on a process's address space, nor heaps per thread.
void ShareOneHeapUnderAddressLimit() {}

// What a thread's stack takes: the program's own size (the linker's default).
size_t DefaultStackBytes() {
    return size_t{2} << 20;
}

// The stacks of the threads running.
std::atomic<uint64_t> g_stackBytes{0};

bool RoomForThread(size_t) {
    return true;
}

// Windows gives every thread's stack back when the thread ends.
bool StartOnOwnStack(pthread_t& thread, void* (*main)(void*), void* argument, void*& stack,
                     size_t& bytes) {
    if (::pthread_create(&thread, nullptr, main, argument) != 0) {
        return false;
    }
    stack = &thread; // stands for the system's stack while it runs
    bytes = DefaultStackBytes();
    return true;
}

void FreeOwnStack(void*, size_t) {}
#else
// Each thread that allocates normally reserves a heap of its own of 64 MiB address space. Under
// an address-space limit (ulimit -v) that reservation fails, and every allocation of the thread
// then tries again before it falls back to a mapping of its own: seven times slower. Nor may a
// thread's reservation take what the calling thread alone would need. There the threads share
// the first heap instead.
void ShareOneHeapUnderAddressLimit() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct rlimit space {};
        if (::getrlimit(RLIMIT_AS, &space) == 0 && space.rlim_cur != RLIM_INFINITY) {
            ::mallopt(M_ARENA_MAX, 1);
        }
    });
}

// The stack size threads get by default (that of the process's stack limit, as a rule).
size_t DefaultStackBytes() {
    pthread_attr_t attr;
    size_t bytes = 0;
    if (::pthread_getattr_default_np(&attr) == 0) {
        ::pthread_attr_getstacksize(&attr, &bytes);
        ::pthread_attr_destroy(&attr);
    }
    constexpr size_t kFallback = size_t{8} << 20;
    return bytes >= static_cast<size_t>(PTHREAD_STACK_MIN) ? bytes : kFallback;
}

// The stacks of the threads running, which count in full under an address-space limit.
std::atomic<uint64_t> g_stackBytes{0};

// Under an address-space limit, whether a thread with a stack of stackBytes leaves enough of it
// for the work the calling thread would do alone: the stacks together take an eighth of the
// limit at most, and an eighth (16 MiB at least) stays free. More threads would only take what
// the work itself needs.
bool RoomForThread(size_t stackBytes) {
    struct rlimit space {};
    if (::getrlimit(RLIMIT_AS, &space) != 0 || space.rlim_cur == RLIM_INFINITY) {
        return true;
    }
    const uint64_t limit = space.rlim_cur;
    const uint64_t share = limit / 8;
    if (g_stackBytes.load() + stackBytes > share) {
        return false;
    }
    size_t usedPages = 0;
    FILE* statm = std::fopen("/proc/self/statm", "re");
    if (statm == nullptr) {
        return true; // the system will tell
    }
    const bool read = std::fscanf(statm, "%zu", &usedPages) == 1;
    std::fclose(statm);
    const uint64_t used = uint64_t{usedPages} * static_cast<uint64_t>(::sysconf(_SC_PAGESIZE));
    return !read || used + stackBytes + std::max<uint64_t>(share, uint64_t{16} << 20) <= limit;
}

// Starts main(argument) on a stack of its own (at least the default size), which FreeOwnStack
// gives back once the thread is joined; stack and bytes receive it.
bool StartOnOwnStack(pthread_t& thread, void* (*main)(void*), void* argument, void*& stack,
                     size_t& bytes) {
    const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    const size_t size = (DefaultStackBytes() + page - 1) / page * page + page;
    if (!RoomForThread(size)) {
        return false;
    }
    void* memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK | MAP_NORESERVE, -1, 0);
    if (memory == MAP_FAILED) {
        return false;
    }
    // The lowest page guards against running off the end of the stack.
    pthread_attr_t attr;
    bool started = false;
    if (::mprotect(memory, page, PROT_NONE) == 0 && ::pthread_attr_init(&attr) == 0) {
        started = ::pthread_attr_setstack(&attr, memory, size) == 0 &&
                  ::pthread_create(&thread, &attr, main, argument) == 0;
        ::pthread_attr_destroy(&attr);
    }
    if (!started) {
        ::munmap(memory, size);
        return false;
    }
    stack = memory;
    bytes = size;
    return true;
}

void FreeOwnStack(void* stack, size_t bytes) {
    ::munmap(stack, bytes);
}
#endif

} // namespace

void LimitThreadStarts(size_t starts) {
    g_startsLeft.store(starts);
}

bool StartThread(std::thread& thread, std::function<void()> body) {
    const size_t stackBytes = DefaultStackBytes();
    if (!TakeStart() || !RoomForThread(stackBytes)) {
        return false;
    }
    ShareOneHeapUnderAddressLimit();
    try {
        thread = std::thread(std::move(body));
        g_stackBytes += stackBytes; // such a thread keeps its stack to the end of the process
        return true;
    } catch (const std::system_error&) {
    } catch (const std::bad_alloc&) {
    }
    return false;
}

bool ReturningThread::Start(std::function<void()> body) {
    if (Joinable() || !TakeStart()) {
        return false;
    }
    ShareOneHeapUnderAddressLimit();
    m_body = std::move(body);
    if (!StartOnOwnStack(m_thread, &ReturningThread::Main, this, m_stack, m_stackBytes)) {
        m_body = nullptr;
        return false;
    }
    g_stackBytes += m_stackBytes;
    return true;
}

void* ReturningThread::Main(void* self) {
    static_cast<ReturningThread*>(self)->m_body();
    return nullptr;
}

void ReturningThread::Join() {
    if (!Joinable()) {
        return;
    }
    ::pthread_join(m_thread, nullptr);
    FreeOwnStack(m_stack, m_stackBytes);
    g_stackBytes -= m_stackBytes;
    m_stack = nullptr;
    m_body = nullptr;
}
