#include "analyse/command.h"
#include "analyse/strategy_report.h"
#include "core/intake/permanence_intake.h"
#include "core/strategy/strategy_law.h"
#include "core/strategy/strategy_run.h"
#include "core/wheel/figure_text.h"
#include "core/wheel/roulette_number.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Answer {
    int status;
    std::string out;
    std::string err;
};

Answer run(const std::vector<std::string_view>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = sorvik1::analyse::runCommand(arguments, out, err);
    return {status, out.str(), err.str()};
}

struct Refused {
    const char* name;
    std::vector<std::string_view> extra; // after --figur rr.s
    const char* mentions;
};

const Refused refusedCases[] = {
    {"OptionWithoutStrategy", {"--kapital", "10", "--spins", "10"}, "nur für den Strategietest"},
    {"ZerosSkipped",
     {"--strategie", "masse", "--kapital", "10", "--null", "ueberspringen", "a"},
     "--null ueberspringen"},
    {"SeriesForAnotherPlan",
     {"--strategie", "masse", "--kapital", "9", "--reihe", "1,2", "a"},
     "--reihe gilt nur"},
    {"SeriesMissing", {"--strategie", "reihe", "--kapital", "9", "a"}, "braucht die Einsätze"},
    {"SeriesNotNumeric", {"--strategie", "reihe", "--reihe", "1,x", "a"}, "--reihe erwartet"},
    {"StagesForAnotherPlan",
     {"--strategie", "masse", "--kapital", "9", "--paroli-stufen", "2", "a"},
     "--paroli-stufen gilt nur"},
    {"CapitalMissing", {"--strategie", "masse", "a"}, "--kapital fehlt"},
    {"BaseNotPositive", {"--strategie", "masse", "--einsatz", "0"}, "--einsatz erwartet"},
    {"CapitalTooLarge", {"--strategie", "masse", "--kapital", "1000000001"}, "--kapital erwartet"},
    {"MaximumBelowMinimum",
     {"--strategie", "masse", "--kapital", "9", "--minimum", "2", "--einsatz", "2", "--maximum",
      "1", "a"},
     "Maximum liegt unter dem Minimum"},
    {"FilesAndSessions",
     {"--strategie", "masse", "--kapital", "9", "--sitzungen", "2", "a"},
     "nicht beides"},
    {"SpinsAndBets",
     {"--strategie", "masse", "--kapital", "9", "--sitzungen", "2", "--spins", "5", "--wetten",
      "5"},
     "genau eines"},
    {"SessionsWithoutLength",
     {"--strategie", "masse", "--kapital", "9", "--sitzungen", "2"},
     "genau eines"},
    {"List", {"--strategie", "masse", "--kapital", "9", "--liste", "a"}, "--liste gilt nicht"},
};

class RefusedStrategy : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedStrategy, ExitsWithTwoAndSaysWhy) {
    std::vector<std::string_view> arguments{"--figur", "rr.s"};
    arguments.insert(arguments.end(), GetParam().extra.begin(), GetParam().extra.end());
    const Answer r = run(arguments);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(GetParam().mentions), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(CommandLines, RefusedStrategy, ::testing::ValuesIn(refusedCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(StrategyCommand, WithoutAFigureSaysWhichIsMissing) {
    const Answer r = run({"--strategie", "masse", "--kapital", "9", "a"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--figur fehlt"), std::string::npos) << r.err;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream in(line.substr(0, line.find('\r')));
    for (std::string cell; std::getline(in, cell, ',');) {
        cells.push_back(cell);
    }
    return cells;
}

// A permanence file is one session, with the numbers the core gives for it.
TEST(StrategyCommand, GivesTheCoresNumbersForAFile) {
    const std::string path = std::string(SORVIK1_EXAMPLES) + "/wiesbaden-t1-2019-04-24.txt";
    const Answer r = run({"--figur", "rr.s", "--strategie", "martingale", "--kapital", "100",
                          "--maximum", "500", "--format", "csv", path});
    ASSERT_EQ(r.status, 0) << r.err;

    sorvik1::StrategySettings settings;
    settings.plan = sorvik1::StakePlanKind::Martingale;
    settings.capital = 100;
    settings.maximum = 500;
    std::vector<sorvik1::Farbcode> colours;
    for (const double spin : sorvik1::intakePermanence(path).permanence.spins) {
        colours.push_back(sorvik1::wheelColours()[static_cast<std::size_t>(
            sorvik1::rouletteNumber(spin).value_or(0))]);
    }
    const auto expected =
        sorvik1::playColours(sorvik1::parseFigure("rr.s").figure, settings, colours, false);

    std::stringstream lines(r.out);
    std::string header, row, total;
    std::getline(lines, header);
    std::getline(lines, row);
    std::getline(lines, total);
    const auto cells = fields(row);
    ASSERT_EQ(cells.size(), fields(header).size());
    EXPECT_EQ(cells[3], std::to_string(expected.bets));
    EXPECT_EQ(cells[8], sorvik1::analyse::amountText(expected.net));
    EXPECT_EQ(std::stod(cells[9]), expected.expected);
    EXPECT_EQ(cells[16], sorvik1::sessionEndText(expected.end));
    EXPECT_EQ(cells[17], std::to_string(expected.endSpin));
    EXPECT_EQ(fields(total)[0], "gesamt");
}

// Sessions counted in bets stand beside the exact law; counted in spins,
// beside 10,000 seeded sessions with an interval.
TEST(StrategyCommand, NamesTheMethodOfChancesNumbers) {
    const Answer exact =
        run({"--figur", "rr.s", "--strategie", "martingale", "--kapital", "100", "--maximum", "500",
             "--sitzungen", "20", "--wetten", "200", "--seed", "7"});
    ASSERT_EQ(exact.status, 0) << exact.err;
    sorvik1::StrategySettings settings;
    settings.plan = sorvik1::StakePlanKind::Martingale;
    settings.capital = 100;
    settings.maximum = 500;
    char ruin[32];
    std::snprintf(ruin, sizeof ruin, "%.4f %%   exakt",
                  100 * sorvik1::exactLaw(settings, 200)->ruin);
    EXPECT_NE(exact.out.find(ruin), std::string::npos) << exact.out;

    const Answer simulated = run({"--figur", "rr.s", "--strategie", "martingale", "--kapital",
                                  "100", "--sitzungen", "20", "--spins", "200", "--seed", "7"});
    ASSERT_EQ(simulated.status, 0) << simulated.err;
    EXPECT_NE(simulated.out.find("Simulation: 10000 Sitzungen, Startwert 7"), std::string::npos)
        << simulated.out;
    EXPECT_NE(simulated.out.find("95 %-Intervall"), std::string::npos);
}

} // namespace
