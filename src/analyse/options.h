#pragma once

#include "analyse/strategy_options.h"
#include "core/laws/statistics.h"
#include "core/wheel/chance.h"
#include "core/wheel/figure.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik1::analyse {

enum class OutputFormat { Text, Csv, Json };

// Everything the command line asked for. Either `spins` (simulate) or
// `files` (read permanences) is set, never both.
struct Options {
    bool help = false;
    bool version = false;
    std::string figureText;
    Figure figure;
    std::optional<std::int64_t> spins;
    std::optional<std::uint64_t> seed;
    std::optional<int> threads;
    std::vector<std::string> files;
    ZeroRule rule = ZeroRule::Breaks;
    // The pair of simple chances the figure's letters stand for; with
    // --suche, `everyChance` searches all three together.
    Chance chance = Chance::RotSchwarz;
    bool everyChance = false;
    bool list = false;
    bool gaps = false; // the histogram of distances between starts
    OutputFormat format = OutputFormat::Text;
    // The figure search instead of one figure: every figure up to this span.
    std::optional<int> searchSpan;
    bool withFreePositions = false; // --luecken: figures with gaps too
    std::optional<int> top;         // the N highest and N lowest z only
    // The strategy test instead of the count: --spins then counts the spins
    // of each random session.
    StrategyOptions strategy;
};

inline constexpr std::int64_t maxSimulatedSpins = 1'000'000'000'000;
inline constexpr int maxThreads = 256;

struct ParsedOptions {
    Options options;
    std::string error; // empty when the command line is usable; otherwise why not, in German
};

// Reads the arguments after the program's name. Options take their value
// as the next argument or after "=" ("--figur rr.s", "--figur=rr.s"); a
// later option overrides an earlier one; "--" ends the options.
ParsedOptions parseOptions(std::span<const std::string_view> arguments);

} // namespace sorvik1::analyse
