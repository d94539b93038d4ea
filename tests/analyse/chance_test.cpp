#include "analyse/command.h"
#include "core/batch/evaluation.h"
#include "core/intake/permanence_intake.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/roulette_number.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string example = std::string(SORVIK1_EXAMPLES) + "/wiesbaden-t1-2019-04-24.txt";

// Each side written out on its own, apart from the program's tables:
// 'a' first side, 'b' second side, 0 the zero.
char sideOf(const std::string& chance, int n) {
    static const std::vector<int> reds = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                          19, 21, 23, 25, 27, 30, 32, 34, 36};
    if (n == 0) {
        return 0;
    }
    const bool first = chance == "rot-schwarz"       ? std::count(reds.begin(), reds.end(), n) > 0
                       : chance == "gerade-ungerade" ? n % 2 == 0
                                                     : n <= 18;
    return first ? 'a' : 'b';
}

// Starts of `figure` ('a', 'b', '.') counted position by position.
std::int64_t plainCount(const std::string& chance, const std::string& figure, bool skipZeros) {
    std::vector<char> sides;
    for (const double spin : sorvik1::intakePermanence(example).permanence.spins) {
        const char side = sideOf(chance, sorvik1::rouletteNumber(spin).value_or(0));
        if (side != 0 || !skipZeros) {
            sides.push_back(side);
        }
    }
    std::int64_t count = 0;
    for (std::size_t s = 0; s + figure.size() <= sides.size(); ++s) {
        bool starts = true;
        for (std::size_t o = 0; o < figure.size() && starts; ++o) {
            starts = figure[o] == '.' || sides[s + o] == figure[o];
        }
        count += starts ? 1 : 0;
    }
    return count;
}

TEST(Chances, CountTheExamplePermanenceSideBySide) {
    struct Case {
        std::string chance;
        std::string figure;  // in the chance's letters
        std::string pattern; // the same figure as 'a'/'b'
    };
    for (const Case& c :
         {Case{"rot-schwarz", "rr.s", "aa.b"}, Case{"gerade-ungerade", "gg.u", "aa.b"},
          Case{"tief-hoch", "h.ht", "b.ba"}}) {
        for (const bool skip : {false, true}) {
            std::vector<std::string_view> arguments{"--figur",  c.figure, "--chance", c.chance,
                                                    "--format", "json",   example};
            if (skip) {
                arguments.insert(arguments.begin(), {"--null", "ueberspringen"});
            }
            std::ostringstream out;
            std::ostringstream err;
            ASSERT_EQ(sorvik1::analyse::runCommand(arguments, out, err), 0) << err.str();
            const auto json = nlohmann::json::parse(out.str());
            const auto& report = json["quellen"][0];
            EXPECT_EQ(report["vorkommen"], plainCount(c.chance, c.pattern, skip))
                << c.chance << (skip ? " ohne Nullen" : "");
            EXPECT_EQ(report["chance"], c.chance);
            // The evaluation of many files counts the same.
            const auto chance = *sorvik1::chanceOfKey(c.chance);
            const auto evaluation = sorvik1::evaluateFiles(
                {example}, sorvik1::parseFigure(c.figure, chance).figure,
                skip ? sorvik1::ZeroRule::Skipped : sorvik1::ZeroRule::Breaks, {}, {}, 1, chance);
            EXPECT_EQ(evaluation.total.found, report["vorkommen"]);
        }
    }
}

} // namespace
