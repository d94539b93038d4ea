// The batch analysis' simulation: drawing spins and counting a figure's
// occurrences, on one thread and on two; the summary gives the best of five
// repetitions, as the NumPy program gives the best of its rounds.

#include "core/scan/simulation.h"
#include "core/wheel/figure_text.h"
#include "seconds_reporter.h"
#include "two_threads.h"

#include <cstdio>

namespace {

constexpr std::int64_t spins = 1 << 25;

void BM_Simulate(benchmark::State& state) {
    const auto figure = sorvik1::parseFigure("rr.s").figure;
    const auto threads = static_cast<int>(state.range(0));
    std::uint64_t seed = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            sorvik1::simulate(figure, spins, seed++, threads, sorvik1::ZeroRule::Breaks, false));
    }
    state.SetItemsProcessed(state.iterations() * spins);
}
BENCHMARK(BM_Simulate)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(0.3)
    ->Repetitions(5);

double spinsPerSecond(double seconds) {
    return seconds > 0 ? static_cast<double>(spins) / seconds : 0;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("spins_per_second analyse_1thread %.0f\n",
                spinsPerSecond(reporter.secondsPerIteration("BM_Simulate/1")));
    std::printf("spins_per_second analyse_2threads %.0f\n",
                spinsPerSecond(reporter.secondsPerIteration("BM_Simulate/2")));
    const auto figure = sorvik1::parseFigure("rr.s").figure;
    const auto simulation = [&](int threads) {
        benchmark::DoNotOptimize(
            sorvik1::simulate(figure, spins, 1, threads, sorvik1::ZeroRule::Breaks, false));
    };
    std::printf("ratio simulation_2threads_vs_1 %.3f\n",
                sorvik1::bench::interleavedRatio([&] { simulation(1); }, [&] { simulation(2); }));
    std::printf("ratio machine_2threads_vs_1 %.3f\n", sorvik1::bench::machineTwoThreadRatio());
    return 0;
}
