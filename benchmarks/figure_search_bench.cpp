// The figure search beside the occurrence scan of one figure: every figure
// with gaps up to span 10 over 10,000,000 spins held in memory, against the
// scan of "rr.s" over the same spins; the summary gives the best of five.

#include "core/figure_search.h"
#include "core/figure_text.h"
#include "core/occurrence_scan.h"
#include "core/simulated_windows.h"
#include "core/simulation.h"
#include "seconds_reporter.h"
#include "two_threads.h"

#include <cstdio>
#include <vector>

namespace {

constexpr std::int64_t spins = 10'000'000;

const std::vector<std::vector<sorvik1::SpinWord>>& heldSpins() {
    static const auto words = [] {
        std::vector<std::vector<sorvik1::SpinWord>> sequences(1);
        sorvik1::SimulatedSpins source(1, 0, spins);
        while (!source.exhausted()) {
            sequences[0].push_back(source.nextWord(64));
        }
        return sequences;
    }();
    return words;
}

// Hands out the words held in memory; each is whole, as drawn.
class HeldSource {
  public:
    explicit HeldSource(const std::vector<sorvik1::SpinWord>& words) : words_(words) {}
    sorvik1::SpinWord nextWord(int) { return words_[next_++]; }
    bool exhausted() const { return next_ >= words_.size(); }

  private:
    const std::vector<sorvik1::SpinWord>& words_;
    std::size_t next_ = 0;
};

void BM_OneFigure(benchmark::State& state) {
    const auto figure = sorvik1::parseFigure("rr.s").figure;
    for (auto _ : state) {
        HeldSource source(heldSpins()[0]);
        sorvik1::OccurrenceScan<HeldSource> scan(figure, sorvik1::ZeroRule::Breaks, false);
        benchmark::DoNotOptimize(scan.run(source, spins, 1));
    }
}
BENCHMARK(BM_OneFigure)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

void BM_SearchSpan10(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            sorvik1::searchFigures(heldSpins(), sorvik1::SearchSettings{10, true}));
    }
}
BENCHMARK(BM_SearchSpan10)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

// The tool's search of simulated spins, counting and judging, on `threads`.
void toolSearch(int threads) {
    const auto counter =
        sorvik1::countSimulatedWindows(3, 4 * spins, 10, sorvik1::ZeroRule::Breaks, threads);
    benchmark::DoNotOptimize(sorvik1::evaluateSearch(counter, true, {}, {}, 0.0, nullptr, threads));
}

} // namespace

int main(int argc, char** argv) {
    heldSpins();
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double one = reporter.secondsPerIteration("BM_OneFigure");
    const double search = reporter.secondsPerIteration("BM_SearchSpan10");
    std::printf("ratio suche_span10_vs_one_figure %.2f\n", one > 0 ? search / one : 0.0);
    std::printf("seconds suche_span10_10m %.3f\n", search);
    std::printf("ratio suche_2threads_vs_1 %.3f\n",
                sorvik1::bench::interleavedRatio([] { toolSearch(1); }, [] { toolSearch(2); }));
    std::printf("ratio machine_2threads_vs_1 %.3f\n", sorvik1::bench::machineTwoThreadRatio());
    return 0;
}
