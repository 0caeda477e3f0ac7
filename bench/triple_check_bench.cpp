// One VERIFICA click on an in-memory window.
#include <benchmark/benchmark.h>

#include <string>

#include "check/triple_check.h"
#include "tests/support/recording_surface.h"

namespace {

void Click(benchmark::State& state, const std::string& a, const std::string& b,
           const std::string& c) {
    RecordingSurface surface;
    surface.TypeEntries(a, b, c);
    for (auto _ : state) {
        TripleCheck(surface);
        surface.ForgetCalls();
    }
}

void Triple345(benchmark::State& state) {
    Click(state, "3", "4", "5");
}
void InvalidEntry(benchmark::State& state) {
    Click(state, "abc", "4", "5");
}
void TenMegabyteEntry(benchmark::State& state) {
    Click(state, "3." + std::string(10'000'000, '0'), "4", "5");
}

}  // namespace

BENCHMARK(Triple345);
BENCHMARK(InvalidEntry);
BENCHMARK(TenMegabyteEntry)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
