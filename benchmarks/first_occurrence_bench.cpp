// The waiting time and the chance of at least one occurrence in 10,000,000
// spins for the slowest figure of span 20 seen: "r.................rr" has
// the largest automaton (0.75 * 2^19 states, no common factor to split it)
// and the longest wait among those. Both zero rules; the summary gives the
// slower rule's best of three repetitions.
// Beside it, every law the analysis tool shows for one such figure in one
// call (waiting time, P(at least one), distances, longest absence), for
// "r.................rs" and "r.................rr"; the summary gives the
// slower figure's.

#include "core/laws/absence_law.h"
#include "core/laws/first_occurrence.h"
#include "core/laws/gap_distribution.h"
#include "core/laws/start_law.h"
#include "core/wheel/figure_text.h"
#include "seconds_reporter.h"

#include <algorithm>
#include <cstdio>

namespace {

void BM_WaitSpan20(benchmark::State& state) {
    const auto figure = sorvik1::parseFigure("r.................rr").figure;
    const auto rule = state.range(0) == 0 ? sorvik1::ZeroRule::Breaks : sorvik1::ZeroRule::Skipped;
    for (auto _ : state) {
        const auto first = sorvik1::firstOccurrence(figure, 10'000'000, rule);
        if (!first.expectedWait || !first.chanceWithin) {
            state.SkipWithError("no values");
        }
        benchmark::DoNotOptimize(first);
    }
}
BENCHMARK(BM_WaitSpan20)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(3);

void BM_LawsSpan20(benchmark::State& state) {
    const auto figure =
        sorvik1::parseFigure(state.range(0) == 0 ? "r.................rs" : "r.................rr")
            .figure;
    constexpr std::int64_t spins = 10'000'000;
    const auto rule = sorvik1::ZeroRule::Breaks;
    const sorvik1::Stretch stretch{spins, spins - figure.span() + 1};
    for (auto _ : state) {
        const auto law = sorvik1::StartLaw::of(figure, rule);
        const auto first = law.firstOccurrence(spins);
        if (!first.expectedWait || !law.settled()) {
            state.SkipWithError("no values");
        }
        const auto expected = sorvik1::expectedLongest(law, stretch);
        benchmark::DoNotOptimize(
            sorvik1::longestAtLeast(law, stretch, static_cast<std::int64_t>(expected.length)));
        benchmark::DoNotOptimize(sorvik1::gapHistogram(law, {}, stretch.startable));
        benchmark::DoNotOptimize(first);
    }
}
BENCHMARK(BM_LawsSpan20)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("seconds wait_span20 %.6f\n",
                std::max(reporter.secondsPerIteration("BM_WaitSpan20/0"),
                         reporter.secondsPerIteration("BM_WaitSpan20/1")));
    std::printf("seconds gesetze_span20 %.6f\n",
                std::max(reporter.secondsPerIteration("BM_LawsSpan20/0"),
                         reporter.secondsPerIteration("BM_LawsSpan20/1")));
    return 0;
}
