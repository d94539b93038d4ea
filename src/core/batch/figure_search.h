#pragma once

#include "core/batch/window_counter.h"
#include "core/laws/count_law.h"
#include "core/laws/count_significance.h"
#include "core/wheel/chance.h"
#include "core/wheel/figure.h"

#include <cstdint>
#include <functional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

namespace sorvik1 {

// Which figures a search covers: every figure of span 1 .. maxSpan whose
// first and last position hold a colour; with gaps the positions between
// may also be free, otherwise every position holds a colour.
struct SearchSettings {
    int maxSpan = 8;
    bool gaps = true;
    ZeroRule rule = ZeroRule::Breaks;
};

// Every figure a search covers, by span, then red before black position by
// position (a free position last).
std::vector<Figure> searchedFigures(int maxSpan, bool gaps);

// A figure's count beside chance, over all sequences searched.
struct FigureFinding {
    Figure figure;
    Chance chance = Chance::RotSchwarz;
    std::int64_t found = 0;
    double expected = 0;
    double standardDeviation = 0;
    double z = 0; // NaN when the count cannot vary
    PValue p;
    double adjustedP = 1; // Holm, over every figure searched
    bool flagged = false; // adjustedP < significanceLevel
};

inline constexpr double significanceLevel = 0.05;

// Why a search gave no figures.
enum class SearchRefusal {
    None,
    NoSpins,     // nothing to search
    OnlyZeros,   // no red or black spin anywhere
    TooFewSpins, // no sequence holds as many counted spins as the span
    Stopped,     // asked to stop
};

// Why a search gave no figures, as one German sentence; empty for None.
std::string searchRefusalText(SearchRefusal refusal, int maxSpan);

struct SearchResult {
    SearchRefusal refusal = SearchRefusal::None;
    std::vector<FigureFinding> figures; // in the order of searchedFigures
    std::int64_t spins = 0;
    std::int64_t positions = 0; // counted spins: all, or the non-zero ones
    int sequences = 0;
    int flagged = 0;
    int beyondThree = 0;              // figures with |z| >= 3
    double expectedBeyondThree = 0.0; // how many chance alone gives
};

// Called with the share done, 0 .. 1; from the thread that searches.
using SearchProgress = std::function<void(double)>;

// The law of every searched figure's count under chance, for sequences of
// these numbers of counted spins, in the order of searchedFigures. Searches
// over sequences of the same lengths can share them.
std::vector<CountLaw> searchLaws(std::span<const std::int64_t> lengths,
                                 const SearchSettings& settings);

// Judges every figure from the counted windows, by the given laws or, when
// there are none, by laws computed on the way, on `threads` threads.
// Progress runs from `from` to 1.
SearchResult evaluateSearch(const WindowCounter& counter, bool gaps, std::stop_token stop,
                            const SearchProgress& progress, double from = 0.0,
                            const std::vector<CountLaw>* laws = nullptr, int threads = 2);

// Judges the figures of several chances of the same spins, one counter per
// chance in the order of `chances`: the figures of each chance in turn, and
// Holm over every figure of every chance.
SearchResult evaluateChances(std::span<const WindowCounter> counters,
                             std::span<const Chance> chances, bool gaps, std::stop_token stop,
                             const SearchProgress& progress, double from = 0.0, int threads = 2);

// Counts the windows of every sequence, on up to `threads` threads with at
// least wordsPerThread words each. Progress runs from 0 to 1.
WindowCounter countWindows(std::span<const std::vector<SpinWord>> sequences,
                           const SearchSettings& settings, std::stop_token stop = {},
                           const SearchProgress& progress = {}, int threads = 2,
                           std::size_t wordsPerThread = std::size_t{1} << 15);

// Counts and judges in one call; each sequence is one file or part, which
// occurrences never leave.
SearchResult searchFigures(std::span<const std::vector<SpinWord>> sequences,
                           const SearchSettings& settings, std::stop_token stop = {},
                           const SearchProgress& progress = {});

// The same over several chances of the same spins: `sequences[c]` holds the
// sides of chances[c]. Holm counts every figure of every chance.
SearchResult searchChances(std::span<const std::vector<std::vector<SpinWord>>> sequences,
                           std::span<const Chance> chances, const SearchSettings& settings,
                           std::stop_token stop = {}, const SearchProgress& progress = {});

} // namespace sorvik1
