// Find in the record list: one keystroke in the find dialog is one pass over the folded names
// kept beside the list (target: well under 100 ms at 1,000,000 names), and the names are
// folded once when the dialog is first used on a freshly filled list.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/name_search.h"

namespace {

// Names of several scripts and lengths, none holding the query the misses look for.
std::vector<std::string> Names(int count) {
    static const char* const kGiven[] = {"Łukasz", "Anna-Lena", "Νίκος",    "Zoë",   "Jürgen",
                                         "李",     "Мария",     "François", "Søren", "Ayşe"};
    static const char* const kFamily[] = {"Żak",    "Österreicher", "Παπαδόπουλος", "Müller",
                                          "小龙",   "Иванова",      "Lefèvre",      "Kjærgaard",
                                          "Yılmaz", "Oberammergau"};
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string name = kGiven[i % 10];
        name.append(" ").append(kFamily[(i / 10) % 10]).append(" ").append(std::to_string(i));
        names.push_back(std::move(name));
    }
    return names;
}

const NameSearch& Search(int count) {
    static int made = 0;
    static NameSearch search;
    if (made != count) {
        search.Assign(Names(count));
        made = count;
    }
    return search;
}

// A keystroke whose text is nowhere: the whole list is read (the worst case).
void BM_FindKeystrokeMiss(benchmark::State& state) {
    const NameSearch& search = Search(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string query = FoldForSearch("Zakx");
        benchmark::DoNotOptimize(search.Find(query, 0));
    }
}
BENCHMARK(BM_FindKeystrokeMiss)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// "Suivant" for a name found near the end only: nearly the whole list is read.
void BM_FindNextNearTheEnd(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    const NameSearch& search = Search(count);
    const std::string query = FoldForSearch(std::to_string(count - 1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.Find(query, 1));
    }
}
BENCHMARK(BM_FindNextNearTheEnd)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Folding the listed names, once per filled list.
void BM_PrepareNames(benchmark::State& state) {
    const std::vector<std::string> names = Names(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        NameSearch search;
        search.Assign(names);
        benchmark::DoNotOptimize(search.size());
    }
}
BENCHMARK(BM_PrepareNames)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
