#include "statistics/statistics_steps.h"

#include "core/laws/first_occurrence.h"
#include "core/trainer/run_statistics.h"
#include "core/wheel/figure_text.h"
#include "trainer/figure_steps.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace {

// The number a value label shows, read back the German way; none for "–".
std::optional<double> readBack(QString text) {
    for (const char* unit : {" Würfe", " %"}) {
        if (text.endsWith(QString::fromUtf8(unit))) {
            text.chop(QString::fromUtf8(unit).size());
        }
    }
    bool ok = false;
    const double value = QLocale(QLocale::German).toDouble(text, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Agrees with the core's figure to the decimals shown, or lies beyond a
// bound such as "> 99,99 %"; "–" for no value.
void expectShows(const StatisticsWindow& window, const char* field, std::optional<double> value,
                 double scale = 1.0) {
    QString text = shown(window, field);
    if (!value || !std::isfinite(*value)) {
        EXPECT_EQ(text, QStringLiteral("–")) << field;
        return;
    }
    const double wanted = *value * scale;
    const QChar bound =
        text.startsWith(QStringLiteral("> ")) || text.startsWith(QStringLiteral("< "))
            ? text.front()
            : QChar();
    const auto read = readBack(bound.isNull() ? text : text.mid(2));
    ASSERT_TRUE(read.has_value()) << field << ": " << text.toStdString();
    if (bound == QLatin1Char('>')) {
        EXPECT_GT(wanted, *read) << field;
    } else if (bound == QLatin1Char('<')) {
        EXPECT_LT(wanted, *read) << field;
    } else {
        EXPECT_NEAR(*read, wanted, 0.005 + 1e-9 * std::abs(wanted))
            << field << ": " << text.toStdString();
    }
}

std::vector<int> spread(int count, int first, int last) {
    std::vector<int> starts{first};
    for (int i = 1; i < count - 1; ++i) {
        starts.push_back(first + i);
    }
    starts.push_back(last);
    return starts;
}

class StatisticsValues : public WindowTest, public testing::WithParamInterface<RunState> {
  protected:
    StatisticsValues() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

TEST_P(StatisticsValues, AreTheCoreFiguresForTheActiveFigureAndTheSpinsShown) {
    const RunState& run = GetParam();
    setRun(form, run);
    StatisticsWindow* window = openStatistics(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitForFirstOccurrence(*window));

    const auto figure = sorvik1::parseFigure(run.figure).figure;
    const auto occurrences = static_cast<std::int64_t>(run.starts.size());
    const sorvik1::RunCount count{
        static_cast<std::int64_t>(run.wurf), static_cast<std::int64_t>(run.anzahl), occurrences,
        run.starts.empty() ? 0 : run.starts.front(), run.starts.empty() ? 0 : run.starts.back()};
    const auto statistics = sorvik1::runStatistics(figure, count);
    const auto first =
        sorvik1::firstOccurrence(figure, statistics.coveredSpins, sorvik1::ZeroRule::Breaks);

    EXPECT_EQ(shown(*window, "figur").toStdString(), run.figure);
    EXPECT_EQ(shown(*window, "wuerfe"),
              QLocale(QLocale::German).toString(static_cast<qlonglong>(run.wurf)) +
                  QStringLiteral(" von ") +
                  QLocale(QLocale::German).toString(static_cast<qlonglong>(run.anzahl)));
    EXPECT_EQ(shown(*window, "gefunden"), QString::number(occurrences));
    expectShows(*window, "erwartet", statistics.moments.expected);
    expectShows(*window, "standardabweichung", statistics.moments.standardDeviation);
    expectShows(*window, "zwert", statistics.zScore);
    expectShows(*window, "abstandBeobachtet", statistics.observedDistance);
    expectShows(*window, "abstandErwartet", statistics.moments.meanDistance);
    expectShows(*window, "wartezeit", first.expectedWait);
    expectShows(*window, "wahrscheinlichkeit", first.chanceWithin, 100.0);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, StatisticsValues,
    testing::Values(RunState{"DrawnLowInTheGridAtTheEndOfTheRun", "rr.s", 3, 1000, 1000,
                             spread(120, 2, 990)},
                    RunState{"EarlyInTheRun", "r.s", 1, 10, 500, {4, 7}},
                    RunState{"AtTheBottomOfTheGrid", "rsr", 18, 250, 300, {12, 100, 240}},
                    RunState{"OneSpinShown", "r", 20, 1, 1, {1}},
                    RunState{"BeforeTheFirstSpin", "rs", 1, 0, 50, {}},
                    RunState{"FreePositions", "r.......r", 2, 400, 2000, spread(30, 5, 380)}),
    CaseName{});

// The German forms a reader sees, worked out by hand for one run: red alone
// at 37 of 100 spins, found 4 times where 18 are expected.
TEST_F(StatisticsValues, ReadAsAGermanReaderExpects) {
    setRun(form, {"", "r", 1, 37, 100, {3, 10, 20, 35}});
    StatisticsWindow* window = openStatistics(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitForFirstOccurrence(*window));
    const std::vector<std::pair<const char*, const char*>> expected{
        {"wuerfe", "37 von 100"},
        {"gefunden", "4"},
        {"erwartet", "18,00"},
        {"standardabweichung", "3,04"},
        {"zwert", "-4,60"},
        {"abstandBeobachtet", "10,67 Würfe"},
        {"abstandErwartet", "2,06 Würfe"},
        {"wartezeit", "2,06 Würfe"},
        {"wahrscheinlichkeit", "> 99,99 %"}};
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(shown(*window, field).toStdString(), text) << field;
    }
}

} // namespace
