// The figure search beside the occurrence scan of one figure: every figure
// with gaps up to span 10 over 10,000,000 spins held in memory, against the
// scan of "rr.s" over the same spins; the summary gives the best of five.

#include "core/batch/figure_search.h"
#include "core/batch/simulated_windows.h"
#include "core/scan/occurrence_scan.h"
#include "core/scan/simulation.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/random.h"
#include "core/wheel/spin_source.h"
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

// Numbers held in memory, as a permanence's are, and the sides of each
// chance packed from them.
const std::vector<std::int16_t>& heldNumbers() {
    static const auto numbers = [] {
        sorvik1::Random generator(4);
        std::vector<std::int16_t> drawn(static_cast<std::size_t>(spins));
        for (auto& number : drawn) {
            number = static_cast<std::int16_t>(generator.below(37));
        }
        return drawn;
    }();
    return numbers;
}

// A search over the chances given, from the numbers to the judged figures.
void chanceSearch(std::span<const sorvik1::Chance> chances) {
    std::vector<sorvik1::WindowCounter> counters;
    for (const sorvik1::Chance chance : chances) {
        const auto source = sorvik1::SpinSource::drawn(sorvik1::sideTable(chance), heldNumbers());
        const std::vector<std::vector<sorvik1::SpinWord>> words{
            sorvik1::packSpins(source, 0, spins)};
        counters.push_back(sorvik1::countWindows(words, sorvik1::SearchSettings{8, true}));
    }
    benchmark::DoNotOptimize(sorvik1::evaluateChances(counters, chances, true, {}, {}));
}

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
    const sorvik1::Chance rotSchwarz[] = {sorvik1::Chance::RotSchwarz};
    std::printf("ratio suche_drei_chancen_vs_eine %.3f\n",
                1 / sorvik1::bench::interleavedRatio([&] { chanceSearch(rotSchwarz); },
                                                     [] { chanceSearch(sorvik1::allChances); }));
    return 0;
}
