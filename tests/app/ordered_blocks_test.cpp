#include "app/ordered_blocks.h"

#include <atomic>
#include <mutex>
#include <new>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "app/thread_start.h"

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

namespace {

// Each test runs in a process of its own, so the kept threads start from none here.
TEST(OrderedBlocks, ThreadsTheSystemDoesNotGiveLeaveTheirShareToTheCaller) {
    const std::string expected = Rows(4096, 1);
    struct Case {
        size_t starts; // threads the system gives from here on
        size_t most;   // threads that may have written, the caller included
    };
    for (const Case c : {Case{0, 1}, Case{1, 2}, Case{2, 4}}) {
        LimitThreadStarts(c.starts);
        for (const unsigned jobs : {2U, 8U, 256U}) {
            std::set<std::thread::id> threads;
            ASSERT_EQ(Rows(4096, jobs, &threads), expected) << c.starts << " starts, " << jobs;
            EXPECT_LE(threads.size(), c.most) << c.starts << " starts, " << jobs << " jobs";
        }
        std::string out = "head;";
        OrderedWork work;
        work.Start(4096, 8, kNumbers, out);
        work.Finish();
        EXPECT_EQ(out, expected) << c.starts << " starts";
    }
    LimitThreadStarts(kNoThreadLimit);
    std::set<std::thread::id> threads;
    EXPECT_EQ(Rows(4096, 4, &threads), expected);
}

TEST(OrderedBlocks, AHelperShortOfMemoryGivesItsRangeBackAndTheCallersShortageIsThrown) {
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<int> refused{0};
    const auto helpersShort = [&](size_t begin, size_t end, std::string& text) {
        if (std::this_thread::get_id() != caller) {
            text += "partial;"; // written before the shortage: the caller writes the range anew
            ++refused;
            throw std::bad_alloc();
        }
        while (refused == 0) { // leaves ranges to the helpers, so that one does run short
            std::this_thread::yield();
        }
        kNumbers(begin, end, text);
    };
    for (const unsigned jobs : {2U, 4U, 16U}) {
        refused = 0;
        std::string out = "head;";
        ASSERT_NO_THROW(AppendInOrder(4096, jobs, helpersShort, out)) << jobs << " jobs";
        ASSERT_TRUE(out == Rows(4096, 1)) << jobs << " jobs";

        refused = 0;
        std::string background = "head;";
        OrderedWork work;
        work.Start(4096, jobs, helpersShort, background);
        ASSERT_NO_THROW(work.Finish()) << jobs << " jobs";
        ASSERT_TRUE(background == Rows(4096, 1)) << jobs << " jobs";
    }
    // The helpers wait for the caller's shortage, so that it does meet one.
    std::atomic<bool> callerRefused{false};
    const auto callerShort = [&](size_t, size_t, std::string&) {
        if (std::this_thread::get_id() == caller) {
            callerRefused = true;
            throw std::bad_alloc();
        }
        while (!callerRefused) {
            std::this_thread::yield();
        }
    };
    std::string out;
    EXPECT_THROW(AppendInOrder(4096, 4, callerShort, out), std::bad_alloc);
    EXPECT_EQ(Rows(4096, 4), Rows(4096, 1));
}

} // namespace
