// Timing of a place search over the whole list (the dialog searches on every keystroke; every
// name in every language is looked at), of the first search, which reads those names, and of an
// offset lookup in the zone history.
#include <benchmark/benchmark.h>
#include <clocale>
#include <string>

#include "places/place_catalogue.h"
#include "places/time_difference.h"
#include "places/zone_offset.h"

namespace {

const places::PlaceCatalogue& Catalogue() {
    static const places::PlaceCatalogue catalogue = [] {
        std::setlocale(LC_ALL, "");
        places::PlaceCatalogue loaded;
        loaded.Search("a"); // reads the names in every language
        return loaded;
    }();
    return catalogue;
}

void BM_LoadCatalogue(benchmark::State& state) {
    std::setlocale(LC_ALL, "");
    for (auto _ : state) {
        places::PlaceCatalogue catalogue;
        benchmark::DoNotOptimize(catalogue.Size());
    }
}
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond)->Iterations(3);

// The list and then the first search, which reads the names in every language.
void BM_LoadAndFirstSearch(benchmark::State& state) {
    std::setlocale(LC_ALL, "");
    for (auto _ : state) {
        places::PlaceCatalogue catalogue;
        benchmark::DoNotOptimize(catalogue.Search("Roma"));
    }
}
BENCHMARK(BM_LoadAndFirstSearch)->Unit(benchmark::kMillisecond)->Iterations(3);

// One letter matches thousands of places; a longer name few; a miss none.
void BM_Search(benchmark::State& state, const char* query) {
    const places::PlaceCatalogue& catalogue = Catalogue();
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue.Search(query));
    }
}
BENCHMARK_CAPTURE(BM_Search, one_letter, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, prefix, "Mün")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, whole_name, "Frankfurt am Main")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, with_country, "Paris, US")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, no_match, "xqzvw")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, other_language, "Roma")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, umlaut_spelling, "Muenchen")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, cyrillic, "Москва")->Unit(benchmark::kMicrosecond);

void BM_LookUpOffsets(benchmark::State& state) {
    places::LocalMoment moment{1900, 1, 1, 12, 0};
    benchmark::DoNotOptimize(places::LookUpOffsets("Europe/Berlin", moment)); // loads the zone
    for (auto _ : state) {
        benchmark::DoNotOptimize(places::LookUpOffsets("Europe/Berlin", moment));
        moment.day = moment.day % 28 + 1;
        moment.year = moment.year == 2030 ? 1900 : moment.year + 1;
    }
}
BENCHMARK(BM_LookUpOffsets);

void BM_TimeDifferenceAt(benchmark::State& state) {
    const places::LocalMoment moment{1941, 6, 15, 12, 0};
    benchmark::DoNotOptimize(places::TimeDifferenceAt("Europe/London", moment));
    for (auto _ : state) {
        benchmark::DoNotOptimize(places::TimeDifferenceAt("Europe/London", moment));
    }
}
BENCHMARK(BM_TimeDifferenceAt);

} // namespace
