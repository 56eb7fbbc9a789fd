#include "app/ordered_blocks.h"

#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace {

// Each row's number and the thread that wrote it.
std::string Rows(size_t count, unsigned jobs, std::set<std::thread::id>* threads = nullptr) {
    std::mutex seen;
    std::string out = "head;";
    AppendInOrder(
        count, jobs,
        [&](size_t begin, size_t end, std::string& text) {
            if (threads != nullptr) {
                const std::lock_guard lock(seen);
                threads->insert(std::this_thread::get_id());
            }
            for (size_t i = begin; i < end; ++i) {
                text += std::to_string(i) + ';';
            }
        },
        out);
    return out;
}

TEST(OrderedBlocks, EveryJobCountWritesTheRowsOnceInOrder) {
    for (const size_t count : {0, 1, 31, 64, 65, 1000, 4097}) {
        const std::string expected = Rows(count, 1);
        for (const unsigned jobs : {2U, 3U, 8U, 64U}) {
            ASSERT_EQ(Rows(count, jobs), expected) << count << " rows, " << jobs << " jobs";
        }
    }
}

TEST(OrderedBlocks, ThreadsAreKeptFromOneRunToTheNext) {
    std::set<std::thread::id> threads;
    for (int run = 0; run < 20; ++run) {
        Rows(4096, 4, &threads);
    }
    // The caller and at most three kept helpers, however many runs.
    EXPECT_LE(threads.size(), 4U);
    EXPECT_GE(threads.size(), 1U);
}

TEST(OrderedBlocks, AFailingRangeIsThrownHereAndLaterRunsWork) {
    const auto failing = [](size_t begin, size_t end, std::string&) {
        if (begin <= 700 && 700 < end) {
            throw std::runtime_error("row 700");
        }
    };
    std::string out;
    EXPECT_THROW(AppendInOrder(4096, 4, failing, out), std::runtime_error);
    EXPECT_EQ(Rows(4096, 4), Rows(4096, 1));
}

} // namespace

namespace {

const auto kNumbers = [](size_t begin, size_t end, std::string& text) {
    for (size_t i = begin; i < end; ++i) {
        text += std::to_string(i) + ';';
    }
};

TEST(OrderedWork, BackgroundRunsEqualTheRunOnOneThread) {
    for (const size_t count : {0, 31, 64, 1000, 4097}) {
        for (const unsigned jobs : {1U, 2U, 5U}) {
            std::string out = "head;";
            OrderedWork work;
            const bool background = work.Start(count, jobs, kNumbers, out);
            EXPECT_EQ(background, jobs > 1 && count >= 64) << count << " rows, " << jobs << " jobs";
            work.Finish();
            ASSERT_EQ(out, Rows(count, 1)) << count << " rows, " << jobs << " jobs";
        }
    }
}

TEST(OrderedWork, AFailingRangeIsThrownByFinishAndAnUnfinishedRunIsWaitedFor) {
    std::string out;
    {
        OrderedWork work;
        work.Start(
            4096, 3,
            [](size_t begin, size_t end, std::string&) {
                if (begin <= 3000 && 3000 < end) {
                    throw std::runtime_error("row 3000");
                }
            },
            out);
        EXPECT_THROW(work.Finish(), std::runtime_error);
    }
    {
        std::string unfinished;
        OrderedWork work;
        work.Start(4096, 3, kNumbers, unfinished);
    } // left without Finish: the destructor waits, and the threads are free again
    EXPECT_EQ(Rows(4096, 3), Rows(4096, 1));
}

} // namespace
