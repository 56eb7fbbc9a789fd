#include "app/export_head_start.h"

#include <new>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/thread_start.h"
#include "records/archive.h"
#include "records/store_file.h"

namespace {

// The image of a file of count records in file order; every fifth repeats the values of the one
// before, every eleventh cannot be evaluated (month 5000).
struct HeadStartFile {
    std::vector<VXDateStore> records;
    std::string bytes;

    explicit HeadStartFile(int count) {
        DateStoreMap store;
        for (int i = 0; i < count; ++i) {
            VXDateStore r(1900 + i % 201, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 2,
                          (i / 2) % 2, i % 25 - 12);
            if (i % 5 == 4) {
                r = records.back();
            }
            if (i % 11 == 10) {
                r.m_nMonth = 5000;
            }
            records.push_back(r);
            store.SetAt("p" + std::to_string(i), r);
        }
        ArchiveWriter ar;
        StoreDateStoreMap(ar, store);
        bytes = ar.Bytes();
    }
};

void ExpectReadyResultsAreTheEvaluations(const ExportHeadStart& head,
                                         const std::vector<VXDateStore>& records) {
    for (const VXDateStore& r : records) {
        const RecordMoment* ready = head.Find(r);
        if (!CanEvaluate(r)) {
            EXPECT_EQ(ready, nullptr);
            continue;
        }
        if (ready != nullptr) {
            const RecordMoment m = EvaluateRecordMoment(r);
            ASSERT_EQ(ready->moonFraction, m.moonFraction);
            ASSERT_EQ(ready->sunPhase, m.sunPhase);
            ASSERT_EQ(ready->type, m.type);
        }
    }
}

} // namespace

TEST(ExportHeadStart, ItsResultsAreTheEvaluationsOfTheRecordsItReached) {
    const HeadStartFile file(30000);
    ExportHeadStart head;
    head.Parsing(file.bytes);
    head.Complete();
    // A third of the records and a few thousand more, each distinct evaluable value once.
    EXPECT_GT(head.Count(), 10000u);
    EXPECT_LE(head.Count(), 30000u / 3 + 4096);
    ExpectReadyResultsAreTheEvaluations(head, file.records);
    EXPECT_EQ(head.Find(VXDateStore(1234, 5, 6, 7, 8, 0, 0, 9)), nullptr);
}

TEST(ExportHeadStart, StoppedDamagedOrSmallFilesGiveWhatTheyHaveAndNoMore) {
    const HeadStartFile file(9000);
    struct Case {
        size_t bytes;
        bool complete;
    };
    for (const Case c :
         {Case{file.bytes.size(), false}, Case{file.bytes.size() / 2, true}, Case{9, true}}) {
        ExportHeadStart head;
        head.Parsing(std::string_view(file.bytes).substr(0, c.bytes));
        if (c.complete) {
            head.Complete();
        }
        head.Parsed();
        ExpectReadyResultsAreTheEvaluations(head, file.records);
        // Half the bytes hold half the records; a stopped thread, however late it stops, keeps
        // no more than its room.
        EXPECT_LE(head.Count(), c.complete ? 9000u / 2 : 9000u / 3 + 4096);
    }
    // Bytes changed at random: whatever the thread reads as a record, what it keeps for a record
    // is that record's evaluation.
    std::mt19937 random(3);
    for (int i = 0; i < 10; ++i) {
        std::string damaged = file.bytes;
        for (int j = 0; j < 50; ++j) {
            damaged[random() % damaged.size()] = static_cast<char>(random());
        }
        ExportHeadStart head;
        head.Parsing(damaged);
        head.Complete();
        ExpectReadyResultsAreTheEvaluations(head, file.records);
    }
    // A count far beyond what the bytes hold starts nothing.
    ArchiveWriter huge;
    huge.WriteCount(uint64_t{1} << 40);
    huge.Bytes().append(file.bytes.substr(9));
    ExportHeadStart claimed;
    claimed.Parsing(huge.Bytes());
    claimed.Complete();
    EXPECT_EQ(claimed.Count(), 0u);
    // Too few records for a thread of their own.
    const HeadStartFile small(100);
    ExportHeadStart head;
    head.Parsing(small.bytes);
    head.Complete();
    EXPECT_EQ(head.Count(), 0u);
    EXPECT_EQ(head.Find(small.records[0]), nullptr);
}

TEST(ExportHeadStart, WithoutAThreadThereIsNoHeadStart) {
    const HeadStartFile file(9000);
    LimitThreadStarts(0);
    ExportHeadStart head;
    head.Parsing(file.bytes);
    head.Complete();
    head.Parsed();
    LimitThreadStarts(kNoThreadLimit);
    EXPECT_EQ(head.Count(), 0u);
    EXPECT_EQ(head.Find(file.records[0]), nullptr);
    EXPECT_EQ(std::get_new_handler(), nullptr);
}

namespace {

int g_formerHandlerCalls = 0;
void FormerHandler() {
    ++g_formerHandlerCalls;
}

} // namespace

// An allocation the parse cannot get calls the handler of allocation failures: the head start
// stops and frees its tables, puts back the handler there was, and the allocation is tried again.
TEST(ExportHeadStart, AnAllocationThatFailsWhileParsingStopsItAndFreesItsTables) {
    const HeadStartFile file(30000);
    std::set_new_handler(&FormerHandler);
    {
        ExportHeadStart head;
        head.Parsing(file.bytes);
        const std::new_handler during = std::get_new_handler();
        ASSERT_NE(during, nullptr);
        ASSERT_NE(during, &FormerHandler);
        during(); // as operator new does when the system gives no memory
        EXPECT_EQ(std::get_new_handler(), &FormerHandler);
        EXPECT_EQ(g_formerHandlerCalls, 0);
        head.Parsed();
        EXPECT_EQ(head.Count(), 0u);
        for (const VXDateStore& r : file.records) {
            ASSERT_EQ(head.Find(r), nullptr);
        }
    }
    // Without a shortage the handler is put back when the parse ends, and the results stay.
    {
        ExportHeadStart head;
        head.Parsing(file.bytes);
        head.Complete();
        head.Parsed();
        EXPECT_EQ(std::get_new_handler(), &FormerHandler);
        EXPECT_GT(head.Count(), 10000u);
        ExpectReadyResultsAreTheEvaluations(head, file.records);
    }
    std::set_new_handler(nullptr);
}
