#include "practice/practice_fixture.h"

#include "../core/practice_rule.h"
#include "core/wheel/random.h"
#include "uebung/history_view.h"
#include "uebung/practice_texts.h"
#include "uebung/spin_strip.h"

#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>

#include <cmath>

namespace {

using Tempo = PracticeSettings::Tempo;
using sorvik1::Verdict;

// At the fastest tempo, driven spin by spin with no real waiting: the strip
// shows every spin, each judgement is the one the rule gives, reactions are
// the time the clock moved, and the keys never press the focused button.
TEST_F(PracticeTest, TenThousandFastSpinsAreEachJudgedAsTheRuleSays) {
    activate("rr.s");
    const auto figure = sorvik1::parseFigure("rr.s").figure;
    choose(Tempo::Fast, 10'000);
    window.spinsPerSecond->setValue(fastestSpinsPerSecond);
    window.show();
    window.startPractice();
    ASSERT_EQ(window.focusWidget(), window.endButton);
    PracticeSession& session = *window.session();
    sorvik1::Random player(7);
    std::vector<std::int16_t> zahlen = {0};
    std::vector<std::int64_t> reactions;
    const int spinMs = 1000 / fastestSpinsPerSecond;
    for (int n = 1; n <= 10'000; ++n) {
        zahlen.push_back(static_cast<std::int16_t>(session.spins().back().number));
        ASSERT_EQ(window.strip->numbers().back(), zahlen.back());
        if (n > 1) {
            const auto s = session.spins()[static_cast<std::size_t>(n - 2)];
            std::optional<sorvik1::Call> call;
            if (s.reactionMs) {
                call = sorvik1::Call{s.call, *s.reactionMs};
            }
            const auto expected =
                sorvik1::testing::expectedSettled(figure, zahlen, n - 1, call, false);
            ASSERT_EQ(window.judgement->text(), practicetext::settled(expected, sorvik1::black))
                << "spin " << n;
        }
        if (n == 10'000) {
            break;
        }
        const bool signal = sorvik1::testing::signalAfter(figure, zahlen, n);
        if (player.below(signal ? 2 : 40) == 0) {
            const int reaction = static_cast<int>(player.below(spinMs));
            wait(reaction);
            press(player.below(4) == 0 ? Qt::Key_R : Qt::Key_Space);
            reactions.push_back(reaction);
            wait(spinMs - reaction);
        } else {
            wait(spinMs);
        }
        session.advance();
    }
    EXPECT_FALSE(session.running());
    EXPECT_EQ(session.spins().size(), 10'000u);
    EXPECT_EQ(session.judge().score().reactionsMs, reactions);
    EXPECT_TRUE(window.summary->isVisible());
    ASSERT_EQ(window.store()->list().size(), 1u);
    EXPECT_EQ(window.store()->list().front().spinCount, 10'000);
}

struct KeyCase {
    std::string name;
    Tempo tempo;
    Qt::Key key;
    std::size_t spinsAfter;
    bool paused;
    std::optional<sorvik1::Farbcode> call;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class PracticeKeys : public PracticeTest, public testing::WithParamInterface<KeyCase> {};

// Each key does its practice step with the focus on "Beenden", which it
// never presses.
TEST_P(PracticeKeys, DoTheirStepAndNeverPressTheFocusedButton) {
    const KeyCase& c = GetParam();
    activate("s");
    choose(c.tempo, 100);
    window.show();
    window.startPractice();
    ASSERT_EQ(window.focusWidget(), window.endButton);
    press(c.key);
    PracticeSession& session = *window.session();
    EXPECT_TRUE(session.running());
    EXPECT_EQ(session.spins().size(), c.spinsAfter);
    EXPECT_EQ(session.paused(), c.paused);
    EXPECT_EQ(session.judge().called(), c.call.has_value());
    if (c.call) {
        session.togglePause(); // a call made while paused would be ignored
        session.advance();
        EXPECT_EQ(session.spins().front().call, *c.call);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PracticeKeys,
    testing::Values(
        KeyCase{"R calls red", Tempo::OnKey, Qt::Key_R, 1, false, sorvik1::red},
        KeyCase{"S calls black", Tempo::OnKey, Qt::Key_S, 1, false, sorvik1::black},
        KeyCase{"Space calls the figure's colour", Tempo::OnKey, Qt::Key_Space, 1, false,
                sorvik1::black},
        KeyCase{"Right shows the next spin", Tempo::OnKey, Qt::Key_Right, 2, false, {}},
        KeyCase{"Enter shows the next spin", Tempo::OnKey, Qt::Key_Return, 2, false, {}},
        KeyCase{
            "Enter waits for the clock at the table", Tempo::AtTable, Qt::Key_Return, 1, false, {}},
        KeyCase{"P pauses at the table", Tempo::AtTable, Qt::Key_P, 1, true, {}}));

TEST_F(PracticeTest, ReactionRunsFromTheSpinToTheCallAndSkipsAPause) {
    activate("r");
    choose(Tempo::AtTable, 100);
    window.show();
    window.startPractice();
    wait(5000);
    press(Qt::Key_P);
    wait(60'000);
    press(Qt::Key_P);
    wait(1250);
    press(Qt::Key_R);
    press(Qt::Key_S); // a second call of the same spin counts for nothing
    window.session()->advance();
    EXPECT_EQ(window.session()->judge().score().reactionsMs, std::vector<std::int64_t>{1250});
}

// A screen reader hears the verdict and the score themselves, each with the
// caption beside it; the score counts the calls of the wrong colour too.
TEST_F(PracticeTest, VerdictAndScoreAreReadWithTheirCaptions) {
    activate("r");
    choose(Tempo::OnKey, 100);
    window.show();
    window.startPractice();
    press(Qt::Key_S);
    press(Qt::Key_Right);
    EXPECT_TRUE(window.scoreLine->text().contains(QStringLiteral("falsche Farbe 1")))
        << window.scoreLine->text().toStdString();
    const std::pair<QLabel*, const char*> labelled[] = {
        {window.judgement, "Urteil"}, {window.scoreLine, "Stand"}, {window.figureLabel, nullptr}};
    for (const auto& [value, caption] : labelled) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(value);
        EXPECT_FALSE(value->text().isEmpty());
        EXPECT_EQ(reader->text(QAccessible::Name), value->text());
        const auto by = reader->relations(QAccessible::Label);
        ASSERT_EQ(by.size(), caption ? 1 : 0);
        if (caption) {
            EXPECT_EQ(by.front().first->text(QAccessible::Name), QString::fromLatin1(caption));
        }
    }
}

// One practice per figure: no line may join practices of two figures, no
// point may sit on the plot's border, and the axes read round numbers.
TEST_F(PracticeTest, HistoryChartDrawsEachFigureApartWithinRoundAxes) {
    window.show();
    for (const char* figure : {"rr.s", "sr"}) {
        activate(figure);
        choose(Tempo::OnKey, 3);
        window.startPractice();
        press(Qt::Key_Right);
        press(Qt::Key_Right);
    }
    QChart* chart = window.history->chartView->chart();
    QStringList legend;
    for (const QLegendMarker* marker : chart->legend()->markers()) {
        if (marker->isVisible()) {
            legend << marker->label();
        }
    }
    EXPECT_EQ(legend, QStringList({QStringLiteral("rr.s"), QStringLiteral("sr")}));
    for (QAbstractSeries* series : chart->series()) {
        auto* line = qobject_cast<QLineSeries*>(series);
        EXPECT_LE(line->count(), 1);
        for (QAbstractAxis* attached : line->attachedAxes()) {
            const auto* axis = qobject_cast<QValueAxis*>(attached);
            const double step = axis->tickInterval();
            const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
            EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                        std::abs(mantissa - 5) < 1e-9)
                << step;
            for (const QPointF& p : line->points()) {
                const double v = axis->orientation() == Qt::Horizontal ? p.x() : p.y();
                EXPECT_GT(v, axis->min()) << axis->titleText().toStdString();
                EXPECT_LT(v, axis->max()) << axis->titleText().toStdString();
            }
        }
    }
}

TEST_F(PracticeTest, WithoutAnActiveFigureNothingStarts) {
    window.startPractice();
    EXPECT_EQ(window.session(), nullptr);
    ASSERT_EQ(practiceMessages->shown.size(), 1u);
    EXPECT_TRUE(
        practiceMessages->shown[0].prompt.startsWith(QStringLiteral("Es ist keine Figur aktiv")));
}

// The practice copies the figure and the permanence when it starts; it ends
// with the permanence and says so.
TEST_F(PracticeTest, APermanenceShorterThanThePracticeEndsItWithTheCopiedFigure) {
    activate("rr");
    loadPermanence({1, 3, 2, 0, 5});
    choose(Tempo::OnKey, 200);
    window.show();
    window.source->setCurrentIndex(1);
    window.startPractice();
    activate("sr"); // redrawn in the trainer meanwhile
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_Right);
    }
    EXPECT_EQ(window.session()->settings().figureName, QStringLiteral("rr"));
    EXPECT_FALSE(window.session()->running());
    EXPECT_TRUE(window.summary->text().startsWith(QStringLiteral("Die Permanenz ist zu Ende")));
    EXPECT_EQ(window.store()->list().front().spinCount, 5);
}

TEST_F(PracticeTest, HistoryFiltersByFigureAndDeletesOnlyWhenConfirmed) {
    window.show();
    for (const char* figure : {"rr.s", "sr", "rr.s"}) {
        activate(figure);
        choose(Tempo::OnKey, 3);
        window.startPractice();
        press(Qt::Key_Right);
        press(Qt::Key_Right);
    }
    EXPECT_EQ(window.history->shown().size(), 3u);
    window.history->figureFilter->setCurrentText(QStringLiteral("rr.s"));
    EXPECT_EQ(window.history->shown().size(), 2u);
    practiceMessages->answers = {answer::no, answer::yes};
    window.history->clearButton->click();
    EXPECT_EQ(window.history->shown().size(), 2u);
    window.history->clearButton->click();
    EXPECT_TRUE(window.history->shown().empty());
    EXPECT_TRUE(window.store()->list().empty());
}

} // namespace

namespace {

// Closing the trainer in the middle of a practice keeps what was practised.
TEST_F(PracticeTest, APracticeUnderWayIsStoredWhenTheWindowGoes) {
    activate("rs");
    choose(Tempo::OnKey, 100);
    auto* other = new PracticeWindow(trainer);
    other->setMessageBox(std::make_unique<ScriptedMessageBox>());
    other->useDatabase(databasePath());
    other->show();
    other->startPractice();
    other->session()->advance();
    delete other;
    const auto records = PracticeStore(databasePath()).list();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records.front().spinCount, 2);
}

} // namespace
