// The trainer's core alone over a run of 1,000,000 spins: drawing the
// numbers and testing the figure at every spin; the summary gives the best
// of five repetitions.

#include "core/wheel/figure_text.h"
#include "core_run.h"
#include "seconds_reporter.h"

#include <cstdio>

namespace {

constexpr std::int64_t spins = 1'000'000;

void BM_CoreRun1m(benchmark::State& state) {
    const auto figure = sorvik1::parseFigure("rr.s").figure;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sorvik1::bench::coreRun(figure, spins, seed++));
    }
    state.SetItemsProcessed(state.iterations() * spins);
}
BENCHMARK(BM_CoreRun1m)->Unit(benchmark::kMillisecond)->MinTime(0.3)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("seconds core_1m %.6f\n", reporter.secondsPerIteration("BM_CoreRun1m"));
    return 0;
}
