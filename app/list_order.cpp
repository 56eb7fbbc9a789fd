#include "app/list_order.h"

#include <algorithm>
#include <numeric>

namespace {

// Names prepared between two reports of progress.
constexpr std::size_t kProgressStep = 8192;

} // namespace

std::vector<std::size_t> ListOrder(const std::vector<NameKey>& keys, NameCollation& collation,
                                   const std::function<void(int prepared)>& progress) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        collation.Prepare(i);
        if (progress && (i + 1) % kProgressStep == 0) {
            progress(static_cast<int>(i + 1));
        }
    }
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byCollation = collation.Compare(a, b);
        return byCollation != 0 ? byCollation < 0 : keys[a] < keys[b];
    });
    return order;
}

std::size_t ListRowBound(std::size_t rows, const NameKey& key,
                         const std::function<int(std::size_t row)>& collateWithRow,
                         const std::function<NameKey(std::size_t row)>& keyAt, bool after) {
    std::size_t low = 0;
    std::size_t high = rows;
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        int order = collateWithRow(mid);
        if (order == 0) {
            const NameKey there = keyAt(mid);
            order = there < key ? -1 : (key < there ? 1 : 0);
        }
        if (order < 0 || (after && order == 0)) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low;
}
