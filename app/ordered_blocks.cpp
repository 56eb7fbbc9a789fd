#include "app/ordered_blocks.h"

#include <algorithm>
#include <exception>
#include <malloc.h>
#include <mutex>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

// Fewer rows than this per thread cost more to hand over than they take to compute.
constexpr size_t kMinRowsPerThread = 32;

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

} // namespace

unsigned DefaultJobs() {
    return std::max(1U, std::thread::hardware_concurrency());
}

void AppendInOrder(size_t count, unsigned jobs,
                   const std::function<void(size_t begin, size_t end, std::string& text)>& part,
                   std::string& out) {
    const size_t threads = std::max<size_t>(1, std::min<size_t>(jobs, count / kMinRowsPerThread));
    if (threads <= 1) {
        part(0, count, out);
        return;
    }
    ShareOneHeapUnderAddressLimit();
    std::vector<std::string> texts(threads - 1);
    std::vector<std::exception_ptr> errors(threads);
    const auto begin = [&](size_t k) { return count * k / threads; };
    {
        std::vector<std::jthread> workers;
        workers.reserve(threads - 1);
        for (size_t k = 1; k < threads; ++k) {
            workers.emplace_back([&, k] {
                try {
                    part(begin(k), begin(k + 1), texts[k - 1]);
                } catch (...) {
                    errors[k] = std::current_exception();
                }
            });
        }
        try {
            part(0, begin(1), out);
        } catch (...) {
            errors[0] = std::current_exception();
        }
    }
    for (const std::exception_ptr& error : errors) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
    for (const std::string& text : texts) {
        out += text;
    }
}
