// Load and save of a 1,000,000-entry ".dat" file (target: under 2 s each) and the export of
// all records for 100,000 records (target: under 1 s).
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "app/export_text.h"
#include "records/vexamo_doc.h"

namespace {

std::string TempFile(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("vexamo-bench-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

void Fill(DateStoreMap& store, int count) {
    for (int i = 0; i < count; ++i) {
        store.SetAt("Person " + std::to_string(i),
                    VXDateStore(1900 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 2,
                                (i / 2) % 2, i % 25 - 12));
    }
}

void BM_Load1M(benchmark::State& state) {
    const std::string path = TempFile("load.dat");
    {
        CVexamoDoc doc;
        Fill(doc.m_mapDateStore, 1000000);
        DocFault fault;
        if (!doc.SaveDocument(path, fault)) {
            state.SkipWithError("cannot save");
            return;
        }
    }
    for (auto _ : state) {
        CVexamoDoc doc;
        DocFault fault;
        if (!doc.OpenDocument(path, fault)) {
            state.SkipWithError("cannot open");
            break;
        }
        benchmark::DoNotOptimize(doc.m_mapDateStore.GetCount());
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_Load1M)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Save1M(benchmark::State& state) {
    const std::string path = TempFile("save.dat");
    CVexamoDoc doc;
    Fill(doc.m_mapDateStore, 1000000);
    for (auto _ : state) {
        DocFault fault;
        if (!doc.SaveDocument(path, fault)) {
            state.SkipWithError("cannot save");
            break;
        }
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_Save1M)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CopyAll100k(benchmark::State& state) {
    DateStoreMap store;
    Fill(store, 100000);
    for (auto _ : state) {
        std::string text = CopyAllText(store);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_CopyAll100k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
