// The strategy test: 10,000 random sessions of 1,000 spins ("rr.s",
// Martingale from 1, capital 100, maximum 500) on two threads, and one
// session of 10^7 spins against the plain occurrence scan of the same
// spins, both on one thread.

#include "core/scan/occurrence_scan.h"
#include "core/scan/simulation.h"
#include "core/strategy/strategy_sessions.h"
#include "core/wheel/figure_text.h"
#include "seconds_reporter.h"

#include <cstdio>

namespace {

constexpr std::int64_t longSession = 10'000'000;

sorvik1::StrategySettings martingale(std::int64_t capital) {
    sorvik1::StrategySettings settings;
    settings.plan = sorvik1::StakePlanKind::Martingale;
    settings.capital = capital;
    settings.maximum = 500;
    return settings;
}

void BM_Strategie10kSessions(benchmark::State& state) {
    const auto figure = sorvik1::parseFigure("rr.s").figure;
    const sorvik1::SessionLength length{1000, false};
    std::uint64_t seed = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            sorvik1::playRandomSessions(figure, martingale(100), seed++, 10'000, {&length, 1}, 2));
    }
}
BENCHMARK(BM_Strategie10kSessions)->Unit(benchmark::kMillisecond)->MinTime(0.3)->Repetitions(5);

// A capital no session of this length can lose, so every spin is played.
void BM_StrategieLongSession(benchmark::State& state) {
    const auto figure = sorvik1::parseFigure("rr.s").figure;
    for (auto _ : state) {
        sorvik1::SimulatedSpins spins(7, 0, longSession);
        benchmark::DoNotOptimize(sorvik1::playSimulated(
            figure, martingale(sorvik1::maxStrategyAmount), spins, std::nullopt, false));
    }
}
BENCHMARK(BM_StrategieLongSession)->Unit(benchmark::kMillisecond)->MinTime(0.3)->Repetitions(5);

void BM_ScanLongSession(benchmark::State& state) {
    const auto figure = sorvik1::parseFigure("rr.s").figure;
    for (auto _ : state) {
        sorvik1::SimulatedSpins spins(7, 0, longSession);
        benchmark::DoNotOptimize(sorvik1::OccurrenceScan<sorvik1::SimulatedSpins>(
                                     figure, sorvik1::ZeroRule::Breaks, false)
                                     .run(spins, longSession, 1));
    }
}
BENCHMARK(BM_ScanLongSession)->Unit(benchmark::kMillisecond)->MinTime(0.3)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("seconds strategie_10k_sessions %.6f\n",
                reporter.secondsPerIteration("BM_Strategie10kSessions"));
    const double scan = reporter.secondsPerIteration("BM_ScanLongSession");
    std::printf("ratio strategie_vs_scan %.3f\n",
                scan > 0 ? reporter.secondsPerIteration("BM_StrategieLongSession") / scan : 0.0);
    return 0;
}
