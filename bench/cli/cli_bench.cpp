// vexamo-cli batch against the library: 1,000,000 CSV rows through "batch" versus the same
// 1,000,000 births through EvaluateBirth in a loop, and an import of 100,000 rows.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "astro/birth.h"
#include "cli/cli.h"

namespace {

struct Birth {
    int day, month, year, hour, minute, tz, southern, constZone;
};

// The same births for every benchmark: the form's ranges, years 1900..2100.
const std::vector<Birth>& Births(size_t count) {
    static std::vector<Birth> births;
    if (births.size() < count) {
        std::mt19937 rng(4242);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        births.clear();
        for (size_t i = 0; i < count; ++i) {
            births.push_back({pick(1, 28), pick(1, 12), pick(1900, 2100), pick(0, 24), pick(0, 59),
                              pick(-12, 12), pick(0, 1), pick(0, 1)});
        }
    }
    return births;
}

std::string BirthsCsv(size_t count, bool withNames) {
    std::string csv = withNames ? "name,day,month,year,hour,minute,tz,southern,const_zone\n"
                                : "day,month,year,hour,minute,tz,southern,const_zone\n";
    const std::vector<Birth>& births = Births(count);
    char line[128];
    for (size_t i = 0; i < count; ++i) {
        const Birth& b = births[i];
        if (withNames) {
            csv += "Person " + std::to_string(i) + ",";
        }
        std::snprintf(line, sizeof line, "%d,%d,%d,%d,%d,%d,%d,%d\n", b.day, b.month, b.year,
                      b.hour, b.minute, b.tz, b.southern, b.constZone);
        csv += line;
    }
    return csv;
}

// Standard output that only counts what it is given.
class CountingBuf : public std::streambuf {
  public:
    size_t bytes = 0;

  protected:
    int_type overflow(int_type c) override {
        ++bytes;
        return c;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        bytes += static_cast<size_t>(n);
        return n;
    }
};

void BM_EvaluateBirthLoop(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    const std::vector<Birth>& births = Births(count);
    for (auto _ : state) {
        for (size_t i = 0; i < count; ++i) {
            const Birth& b = births[i];
            BirthEvaluation r = EvaluateBirth(b.day, b.month, b.year, b.hour, b.minute, b.tz,
                                              b.southern, b.constZone);
            benchmark::DoNotOptimize(r);
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void RunBatch(benchmark::State& state, const char* format) {
    const size_t count = static_cast<size_t>(state.range(0));
    const std::string csv = BirthsCsv(count, false);
    size_t bytes = 0;
    for (auto _ : state) {
        std::istringstream in(csv);
        CountingBuf sink;
        std::ostream out(&sink);
        std::ostringstream err;
        const int status =
            RunCli({"batch", "--format", format}, out, err, CliContext{false, false, &in});
        if (status != 0) {
            state.SkipWithError(err.str().c_str());
            return;
        }
        bytes = sink.bytes;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.counters["output_MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_BatchCsv(benchmark::State& state) {
    RunBatch(state, "csv");
}

void BM_BatchJsonl(benchmark::State& state) {
    RunBatch(state, "jsonl");
}

void BM_Import(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    const std::string csv = BirthsCsv(count, true);
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("vexamo-bench-import-" + std::to_string(::getpid()) + ".dat"))
                                 .string();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(file);
        std::istringstream in(csv);
        state.ResumeTiming();
        std::ostringstream out;
        std::ostringstream err;
        if (RunCli({"import", file, "-"}, out, err, CliContext{false, false, &in}) != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
    }
    std::filesystem::remove(file);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

} // namespace

BENCHMARK(BM_EvaluateBirthLoop)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BatchCsv)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BatchJsonl)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Import)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
