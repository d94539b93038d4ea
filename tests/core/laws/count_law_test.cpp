#include "core/batch/figure_search.h"
#include "core/laws/count_law.h"
#include "core/wheel/figure_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using sorvik1::Figure;
using sorvik1::ZeroRule;

// The count's law the plain way: the state is the last span - 1 spins
// themselves (a digit 3 for "before the first spin"), and a spin counts an
// occurrence when the span spins up to it match the figure. Saturated at
// `cap`, like the law under test, so both tails stay exact.
std::vector<double> referenceLaw(const Figure& figure, std::int64_t n, ZeroRule rule,
                                 std::size_t cap) {
    const int history = figure.span() - 1;
    std::size_t histories = 1;
    for (int i = 0; i < history; ++i) {
        histories *= 4;
    }
    const double colour = rule == ZeroRule::Skipped ? 0.5 : 18.0 / 37.0;
    const double chances[] = {1.0 - 2.0 * colour, colour, colour};
    std::vector<double> cells(histories * (cap + 1));
    std::vector<double> next(cells.size());
    std::vector<char> live(histories);
    std::vector<char> nextLive(histories);
    cells[(histories - 1) * (cap + 1)] = 1.0; // every digit "before the first spin"
    live[histories - 1] = 1;
    for (std::int64_t spin = 0; spin < n; ++spin) {
        std::fill(next.begin(), next.end(), 0.0);
        std::fill(nextLive.begin(), nextLive.end(), 0);
        const std::size_t reached = std::min(static_cast<std::size_t>(spin), cap);
        for (std::size_t h = 0; h < histories; ++h) {
            for (std::size_t o = 0; o < 3 && live[h]; ++o) {
                if (chances[o] == 0.0) {
                    continue;
                }
                // Digit i of h is the spin i + 1 back.
                bool matches = true;
                for (int offset = 0; offset < figure.span(); ++offset) {
                    const int back = figure.span() - 1 - offset;
                    std::size_t digit = o;
                    if (back > 0) {
                        std::size_t shifted = h;
                        for (int i = 1; i < back; ++i) {
                            shifted /= 4;
                        }
                        digit = shifted % 4;
                    }
                    const auto wanted = static_cast<std::size_t>(figure.at(offset));
                    matches &= digit != 3 && (wanted == 0 || wanted == digit);
                }
                const std::size_t moved = history == 0 ? 0 : (h * 4 + o) % histories;
                nextLive[moved] = 1;
                for (std::size_t c = 0; c <= reached; ++c) {
                    const std::size_t count = std::min(c + (matches ? 1 : 0), cap);
                    next[moved * (cap + 1) + count] += cells[h * (cap + 1) + c] * chances[o];
                }
            }
        }
        cells.swap(next);
        live.swap(nextLive);
    }
    std::vector<double> law(cap + 1);
    for (std::size_t h = 0; h < histories; ++h) {
        for (std::size_t c = 0; c <= cap; ++c) {
            law[c] += cells[h * (cap + 1) + c];
        }
    }
    return law;
}

// Two-sided p of every count from 0 to cap - 1, each tail summed from its
// small end.
std::vector<double> referencePs(const std::vector<double>& law) {
    std::vector<double> above(law.size());
    double sum = 0;
    for (std::size_t x = law.size(); x-- > 0;) {
        above[x] = sum += law[x];
    }
    std::vector<double> p(law.size() - 1);
    double below = 0;
    for (std::size_t x = 0; x + 1 < law.size(); ++x) {
        below += law[x];
        p[x] = std::min(1.0, 2.0 * std::min(below, above[x]));
    }
    return p;
}

// Every searched figure to span 5 that begins with red: the others have the
// same laws with the colours swapped.
std::vector<Figure> redFigures() {
    auto figures = sorvik1::searchedFigures(5, true);
    std::erase_if(figures, [](const Figure& f) { return f.at(0) != sorvik1::red; });
    return figures;
}

// The smallest number of spins at which the exact law is over the budget.
std::int64_t firstOverBudget(const Figure& figure, ZeroRule rule) {
    std::int64_t low = figure.span();
    std::int64_t high = 1 << 20;
    while (low < high) {
        const std::int64_t n = low + (high - low) / 2;
        const auto m = sorvik1::countMoments(figure, n, rule);
        const std::vector<std::int64_t> lengths{n};
        const auto cap =
            static_cast<std::int64_t>(std::ceil(m.expected + 8.0 * m.standardDeviation)) + 2;
        if (sorvik1::CountLaw::exactFits(figure, lengths, rule, cap)) {
            low = n + 1;
        } else {
            high = n;
        }
    }
    return low;
}

// The exact law matches the plain one to rounding; the saddlepoint, forced,
// stays within a tenth of it wherever p lies between 1e-8 and 0.05.
TEST(CountLaw, MatchesAPlainLawExactlyAndTheSaddlepointWithinATenth) {
    struct Case {
        std::int64_t spins; // 0: the smallest the budget leaves to the saddlepoint
        ZeroRule rule;
    };
    for (const Case c :
         {Case{300, ZeroRule::Breaks}, Case{3000, ZeroRule::Skipped}, Case{0, ZeroRule::Breaks}}) {
        for (const Figure& figure : redFigures()) {
            const std::int64_t n = c.spins > 0 ? c.spins : firstOverBudget(figure, c.rule);
            const std::vector<std::int64_t> lengths{n};
            const auto m = sorvik1::countMoments(figure, n, c.rule);
            const auto cap = static_cast<std::size_t>(m.expected + 12.0 * m.standardDeviation + 4);
            const std::vector<double> p = referencePs(referenceLaw(figure, n, c.rule, cap));
            const auto exact = sorvik1::CountLaw::of(figure, lengths, c.rule, m);
            const auto approximate = sorvik1::CountLaw::of(figure, lengths, c.rule, m, false);
            const std::string name = sorvik1::figureText(figure) + " in " + std::to_string(n);
            for (std::size_t x = 0; x < p.size(); ++x) {
                const auto count = static_cast<std::int64_t>(x);
                if (const auto e = exact.twoSided(count);
                    e.method == sorvik1::PValueMethod::Exact) {
                    EXPECT_NEAR(e.p, p[x], 1e-9 * p[x]) << name << ": " << x;
                }
                if (p[x] >= 1e-8 && p[x] <= 0.05) {
                    const auto q = approximate.twoSided(count);
                    EXPECT_EQ(q.method, sorvik1::PValueMethod::Saddlepoint);
                    EXPECT_NEAR(q.p / p[x], 1.0, 0.1) << name << ": " << x << ", p " << p[x];
                }
            }
        }
    }
}

} // namespace
