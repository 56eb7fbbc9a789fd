// The header check of batch and import over 10^5 and 10^6 columns: the column mapping alone,
// and a whole batch of one row under such a header (the reading, the mapping and the output).
#include <sstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "cli/birth_rows.h"
#include "cli/cli.h"

namespace {

// count columns no birth uses, then the birth's in the German dialect.
std::vector<std::string> WideHeader(size_t count) {
    std::vector<std::string> header;
    header.reserve(count + 5);
    for (size_t i = 0; i < count; ++i) {
        header.push_back("Spalte " + std::to_string(i));
    }
    for (const char* name : {"Tag", "Monat", "Jahr", "Stunde", "Minute"}) {
        header.emplace_back(name);
    }
    return header;
}

void BM_MapWideHeader(benchmark::State& state) {
    const std::vector<std::string> header = WideHeader(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        BirthColumns columns;
        std::string error;
        if (!MapBirthColumns(header, false, columns, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(columns);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_BatchWideHeader(benchmark::State& state) {
    const std::vector<std::string> header = WideHeader(static_cast<size_t>(state.range(0)));
    std::string csv;
    for (const std::string& name : header) {
        csv.append(name).push_back(',');
    }
    csv.back() = '\n';
    csv.append(header.size() - 5, ',').append("1,1,2000,12,0\n");
    for (auto _ : state) {
        std::istringstream in(csv);
        std::ostringstream out;
        std::ostringstream err;
        if (RunCli({"batch"}, out, err, CliContext{false, false, &in}) != 0) {
            state.SkipWithError(err.str().c_str());
            return;
        }
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

} // namespace

BENCHMARK(BM_MapWideHeader)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchWideHeader)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
