#include "core/batch/figure_search.h"

#include "core/system/parallel_parts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>

namespace sorvik1 {

namespace {

constexpr int freeDigit = 2;

// Sums, for every window index, the windows that agree with it wherever its
// digit is a colour: a "none" digit becomes "anything", position by
// position. A figure's count is then one entry: its colours, free positions
// and the positions past its span all "anything".
std::vector<std::uint64_t> acceptedCounts(const WindowCounter& counter) {
    std::vector<std::uint64_t> counts = counter.windows();
    const std::size_t size = counts.size();
    for (std::size_t weight = 1; weight < size; weight *= 3) {
        for (std::size_t block = 0; block < size; block += 3 * weight) {
            for (std::size_t i = block; i < block + weight; ++i) {
                counts[i + 2 * weight] += counts[i] + counts[i + weight];
            }
        }
    }
    return counts;
}

std::size_t windowIndexOf(const Figure& figure, int span) {
    std::size_t index = 0;
    for (int offset = 0; offset < span; ++offset) {
        const Farbcode colour = offset < figure.span() ? figure.at(offset) : noColour;
        index = index * 3 + (colour == red ? 0 : colour == black ? 1 : freeDigit);
    }
    return index;
}

// Moments summed over independent sequences. For n >= 2 * span - 1 they
// are affine in n, so long sequences are added in one step.
class SummedMoments {
  public:
    SummedMoments(std::span<const std::int64_t> lengths, int maxSpan) : anchor_(2 * maxSpan) {
        for (const std::int64_t n : lengths) {
            if (n > anchor_) {
                ++longCount_;
                longTotal_ += n;
            } else {
                shortLengths_.push_back(n);
            }
        }
    }

    CountMoments of(const Figure& figure, ZeroRule rule) const {
        double expected = 0;
        double variance = 0;
        for (const std::int64_t n : shortLengths_) {
            const CountMoments m = countMoments(figure, n, rule);
            expected += m.expected;
            variance += m.variance;
        }
        if (longCount_ == 1) {
            const CountMoments m = countMoments(figure, longTotal_, rule);
            expected += m.expected;
            variance += m.variance;
        } else if (longCount_ > 1) {
            const CountMoments at = countMoments(figure, anchor_, rule);
            const CountMoments next = countMoments(figure, anchor_ + 1, rule);
            const auto count = static_cast<double>(longCount_);
            const auto beyond = static_cast<double>(longTotal_ - longCount_ * anchor_);
            expected += count * at.expected + beyond * (next.expected - at.expected);
            variance += count * at.variance + beyond * (next.variance - at.variance);
        }
        CountMoments sum;
        sum.expected = expected;
        sum.variance = std::max(variance, 0.0);
        sum.standardDeviation = std::sqrt(sum.variance);
        return sum;
    }

  private:
    std::int64_t anchor_;
    std::int64_t longCount_ = 0;
    std::int64_t longTotal_ = 0;
    std::vector<std::int64_t> shortLengths_;
};

// The figure read backwards, with red and black swapped, or both, has the
// same law of its count: the spins are independent (a sequence read
// backwards is as likely as forwards) and red as likely as black. Each
// figure gets the index of the first of the four in the list.
std::vector<std::size_t> sharedLaws(const std::vector<Figure>& figures) {
    const auto key = [](const Figure& figure, bool backwards, bool swapped) {
        std::string text(static_cast<std::size_t>(figure.span()), '.');
        for (int offset = 0; offset < figure.span(); ++offset) {
            const Farbcode colour = figure.at(backwards ? figure.span() - 1 - offset : offset);
            text[static_cast<std::size_t>(offset)] = colour == noColour           ? '.'
                                                     : (colour == red) != swapped ? 'r'
                                                                                  : 's';
        }
        return text;
    };
    std::unordered_map<std::string, std::size_t> first;
    std::vector<std::size_t> shared(figures.size());
    for (std::size_t i = 0; i < figures.size(); ++i) {
        std::size_t found = i;
        for (const auto& [backwards, swapped] :
             {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}}) {
            const auto other = first.find(key(figures[i], backwards, swapped));
            if (other != first.end()) {
                found = std::min(found, other->second);
            }
        }
        first.emplace(key(figures[i], false, false), i);
        shared[i] = found;
    }
    return shared;
}

SearchResult stopped() {
    SearchResult result;
    result.refusal = SearchRefusal::Stopped;
    return result;
}

SearchRefusal refusalOf(const WindowCounter& counter) {
    if (counter.spins() == 0) {
        return SearchRefusal::NoSpins;
    }
    if (counter.colouredSpins() == 0) {
        return SearchRefusal::OnlyZeros;
    }
    const auto& lengths = counter.sequencePositions();
    if (lengths.empty() || *std::max_element(lengths.begin(), lengths.end()) < counter.span()) {
        return SearchRefusal::TooFewSpins;
    }
    return SearchRefusal::None;
}

} // namespace

std::string searchRefusalText(SearchRefusal refusal, int maxSpan) {
    switch (refusal) {
    case SearchRefusal::None:
        return {};
    case SearchRefusal::Stopped:
        return "Die Suche wurde abgebrochen.";
    case SearchRefusal::NoSpins:
        return "Keine Würfe zum Durchsuchen.";
    case SearchRefusal::OnlyZeros:
        return "Die Würfe sind alle Null; keine Figur kann vorkommen.";
    case SearchRefusal::TooFewSpins:
        return "Keine Quelle hat " + std::to_string(maxSpan) +
               " gezählte Würfe, so viele, wie die längste Figur braucht.";
    }
    return {};
}

std::vector<Figure> searchedFigures(int maxSpan, bool gaps) {
    std::vector<Figure> figures;
    const int inner = gaps ? 3 : 2;
    std::size_t total = 2;
    for (std::size_t m = 2, ofSpan = 4; m <= static_cast<std::size_t>(maxSpan);
         ++m, ofSpan *= inner) {
        total += ofSpan;
    }
    figures.reserve(total);
    for (int span = 1; span <= std::clamp(maxSpan, 0, maxSearchSpan); ++span) {
        std::array<int, maxSearchSpan> digits{};
        for (;;) {
            std::array<Farbcode, maxSearchSpan> colours{};
            for (int i = 0; i < span; ++i) {
                const int digit = digits[static_cast<std::size_t>(i)];
                colours[static_cast<std::size_t>(i)] = digit == 0   ? red
                                                       : digit == 1 ? black
                                                                    : noColour;
            }
            figures.push_back(
                Figure::fromOffsets(std::span(colours.data(), static_cast<std::size_t>(span))));
            // Next digits, last position fastest; the ends take two values.
            int i = span - 1;
            for (; i >= 0; --i) {
                const int base = i == 0 || i == span - 1 ? 2 : inner;
                if (++digits[static_cast<std::size_t>(i)] < base) {
                    break;
                }
                digits[static_cast<std::size_t>(i)] = 0;
            }
            if (i < 0) {
                break;
            }
        }
    }
    return figures;
}

std::vector<CountLaw> searchLaws(std::span<const std::int64_t> lengths,
                                 const SearchSettings& settings) {
    const SummedMoments moments(lengths, settings.maxSpan);
    const std::vector<Figure> figures = searchedFigures(settings.maxSpan, settings.gaps);
    const std::vector<std::size_t> shared = sharedLaws(figures);
    std::vector<CountLaw> laws;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        laws.push_back(shared[i] < i ? laws[shared[i]]
                                     : CountLaw::of(figures[i], lengths, settings.rule,
                                                    moments.of(figures[i], settings.rule)));
    }
    return laws;
}

namespace {

// Judges every figure on its own; Holm is left to the caller, who knows
// how many figures were searched in all. The laws worked out on the way
// are left in `worked`, when given, for another search of the same lengths.
SearchResult judged(const WindowCounter& counter, bool gaps, std::stop_token stop,
                    const SearchProgress& progress, double from, const std::vector<CountLaw>* laws,
                    int threads, std::vector<CountLaw>* worked = nullptr) {
    SearchResult result;
    result.spins = counter.spins();
    result.sequences = static_cast<int>(counter.sequencePositions().size());
    for (const std::int64_t n : counter.sequencePositions()) {
        result.positions += n;
    }
    result.refusal = refusalOf(counter);
    if (result.refusal != SearchRefusal::None) {
        return result;
    }
    const std::vector<std::uint64_t> accepted = acceptedCounts(counter);
    const SummedMoments moments(counter.sequencePositions(), counter.span());
    const std::vector<Figure> figures = searchedFigures(counter.span(), gaps);
    result.figures.resize(figures.size());
    std::vector<double> beyond(figures.size());
    const std::vector<std::size_t> shared = sharedLaws(figures);
    std::vector<CountLaw> own(laws != nullptr ? 0 : figures.size());
    // The threads share the figures by the figure whose law they share, so
    // that a law is worked out on the thread of every figure that uses it,
    // before them; longer figures cost more and come last, so taking every
    // parts-th law shares the work evenly. Only part 0 reports progress.
    const auto parts = static_cast<std::size_t>(std::max(threads, 1));
    const auto judge = [&](int part) {
        for (std::size_t i = 0; i < figures.size(); ++i) {
            if (i % 256 == 0) {
                if (stop.stop_requested()) {
                    return;
                }
                if (part == 0 && progress) {
                    progress(from + (1.0 - from) * static_cast<double>(i) /
                                        static_cast<double>(figures.size()));
                }
            }
            if (shared[i] % parts != static_cast<std::size_t>(part)) {
                continue;
            }
            FigureFinding& finding = result.figures[i];
            finding.figure = figures[i];
            finding.found =
                static_cast<std::int64_t>(accepted[windowIndexOf(figures[i], counter.span())]);
            const CountMoments m = moments.of(figures[i], counter.rule());
            finding.expected = m.expected;
            finding.standardDeviation = m.standardDeviation;
            finding.z = zScore(static_cast<double>(finding.found), m);
            if (laws == nullptr && shared[i] == i) {
                own[i] = CountLaw::of(figures[i], counter.sequencePositions(), counter.rule(), m);
            }
            const CountLaw& law = laws != nullptr ? (*laws)[i] : own[shared[i]];
            finding.p = law.twoSided(finding.found);
            beyond[i] = law.beyondThree();
        }
    };
    runParts(static_cast<int>(parts), judge);
    if (stop.stop_requested()) {
        return stopped();
    }
    for (std::size_t i = 0; i < figures.size(); ++i) {
        result.expectedBeyondThree += beyond[i];
        result.beyondThree += std::abs(result.figures[i].z) >= 3.0 ? 1 : 0;
    }
    if (worked != nullptr && laws == nullptr) {
        worked->resize(figures.size());
        for (std::size_t i = 0; i < figures.size(); ++i) {
            (*worked)[i] = own[shared[i]];
        }
    }
    return result;
}

void adjustByHolm(SearchResult& result) {
    std::vector<double> p(result.figures.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = result.figures[i].p.p;
    }
    const std::vector<double> adjusted = holmAdjusted(p);
    for (std::size_t i = 0; i < adjusted.size(); ++i) {
        result.figures[i].adjustedP = adjusted[i];
        result.figures[i].flagged = adjusted[i] < significanceLevel;
        result.flagged += result.figures[i].flagged ? 1 : 0;
    }
}

} // namespace

SearchResult evaluateSearch(const WindowCounter& counter, bool gaps, std::stop_token stop,
                            const SearchProgress& progress, double from,
                            const std::vector<CountLaw>* laws, int threads) {
    SearchResult result = judged(counter, gaps, stop, progress, from, laws, threads);
    if (result.refusal != SearchRefusal::None) {
        return result;
    }
    adjustByHolm(result);
    if (progress) {
        progress(1.0);
    }
    return result;
}

SearchResult evaluateChances(std::span<const WindowCounter> counters,
                             std::span<const Chance> chances, bool gaps, std::stop_token stop,
                             const SearchProgress& progress, double from, int threads) {
    SearchResult total;
    // Every side has 18 of 37 numbers and the zeros fall alike, so the
    // chances of the same spins share their laws: the first works them out.
    std::vector<CountLaw> laws;
    const auto share = (1.0 - from) / static_cast<double>(std::max<std::size_t>(chances.size(), 1));
    for (std::size_t c = 0; c < chances.size(); ++c) {
        const double start = from + share * static_cast<double>(c);
        const bool sameLengths =
            c > 0 && counters[c].sequencePositions() == counters[0].sequencePositions();
        SearchResult result = judged(
            counters[c], gaps, stop,
            [&](double done) {
                if (progress) {
                    progress(start + share * done);
                }
            },
            0.0, sameLengths ? &laws : nullptr, threads, c == 0 ? &laws : nullptr);
        if (result.refusal != SearchRefusal::None) {
            return result;
        }
        for (FigureFinding& finding : result.figures) {
            finding.chance = chances[c];
        }
        if (c == 0) {
            total = std::move(result);
        } else {
            total.figures.insert(total.figures.end(), result.figures.begin(), result.figures.end());
            total.beyondThree += result.beyondThree;
            total.expectedBeyondThree += result.expectedBeyondThree;
        }
    }
    adjustByHolm(total);
    if (progress) {
        progress(1.0);
    }
    return total;
}

namespace {

std::int64_t countedPositions(const SpinWord& word, ZeroRule rule) {
    return rule == ZeroRule::Breaks ? word.count : std::popcount(word.red | word.black);
}

// Counts the words numbered first .. last - 1 across all sequences and ends
// each sequence that ends among them. A part that begins inside a sequence
// first carries in the words before it that its first windows reach.
void countPart(WindowCounter& counter, std::span<const std::vector<SpinWord>> sequences,
               std::size_t first, std::size_t last, std::stop_token stop,
               const std::function<void(std::size_t)>& done) {
    std::size_t start = 0; // number of the sequence's first word
    std::size_t counted = 0;
    for (const auto& words : sequences) {
        const std::size_t begin = std::max(first, start);
        const std::size_t end = std::min(last, start + words.size());
        if (begin < end) {
            std::size_t from = begin - start;
            // At least one word, so the counter knows the sequence began earlier.
            for (std::int64_t reach = 0;
                 from > 0 && (reach < counter.span() - 1 || from == begin - start);) {
                reach += countedPositions(words[--from], counter.rule());
            }
            for (; from < begin - start; ++from) {
                counter.carryIn(words[from]);
            }
            for (std::size_t w = begin - start; w < end - start; ++w) {
                if (++counted % 16384 == 0) {
                    if (stop.stop_requested()) {
                        return;
                    }
                    if (done) {
                        done(counted);
                    }
                }
                counter.add(words[w]);
            }
            if (end == start + words.size()) {
                counter.endSequence();
            }
        }
        start += words.size();
    }
}

} // namespace

WindowCounter countWindows(std::span<const std::vector<SpinWord>> sequences,
                           const SearchSettings& settings, std::stop_token stop,
                           const SearchProgress& progress, int threads,
                           std::size_t wordsPerThread) {
    std::size_t total = 0;
    for (const auto& words : sequences) {
        total += words.size();
    }
    const std::size_t parts =
        std::clamp<std::size_t>(total / std::max<std::size_t>(wordsPerThread, 1), 1,
                                static_cast<std::size_t>(std::max(threads, 1)));
    const auto bound = [&](std::size_t part) { return total * part / parts; };
    const auto report = [&](std::size_t done) {
        if (progress) {
            progress(static_cast<double>(done) / static_cast<double>(bound(1)));
        }
    };
    // Each part takes its share of the words; a later part carries in what
    // its first windows reach back to.
    std::vector<WindowCounter> counters(parts, WindowCounter(settings.maxSpan, settings.rule));
    runParts(static_cast<int>(parts), [&](int part) {
        const auto p = static_cast<std::size_t>(part);
        countPart(counters[p], sequences, bound(p), bound(p + 1), stop,
                  part == 0 ? std::function<void(std::size_t)>(report) : nullptr);
    });
    for (std::size_t p = 1; p < parts; ++p) {
        counters[0].merge(counters[p]);
    }
    return counters[0];
}

SearchResult searchFigures(std::span<const std::vector<SpinWord>> sequences,
                           const SearchSettings& settings, std::stop_token stop,
                           const SearchProgress& progress) {
    const std::vector<std::vector<std::vector<SpinWord>>> colours{
        {sequences.begin(), sequences.end()}};
    const Chance rotSchwarz[] = {Chance::RotSchwarz};
    return searchChances(colours, rotSchwarz, settings, stop, progress);
}

SearchResult searchChances(std::span<const std::vector<std::vector<SpinWord>>> sequences,
                           std::span<const Chance> chances, const SearchSettings& settings,
                           std::stop_token stop, const SearchProgress& progress) {
    std::vector<WindowCounter> counters;
    const auto share = 0.5 / static_cast<double>(std::max<std::size_t>(chances.size(), 1));
    for (std::size_t c = 0; c < chances.size(); ++c) {
        counters.push_back(countWindows(sequences[c], settings, stop, [&](double done) {
            if (progress) {
                progress(share * (static_cast<double>(c) + done));
            }
        }));
    }
    if (stop.stop_requested()) {
        return stopped();
    }
    return evaluateChances(counters, chances, settings.gaps, stop, progress, 0.5);
}

} // namespace sorvik1
