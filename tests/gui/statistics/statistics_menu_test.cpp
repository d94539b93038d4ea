#include "statistics/statistics_steps.h"

#include "auswertung/evaluation_window.h"
#include "strategie/strategy_window.h"
#include "uebung/practice_window.h"
#include "ui/placement.h"

#include <QPushButton>
#include <QStandardPaths>

#include <QScreen>

namespace {

class StatisticsMenu : public WindowTest {
  protected:
    StatisticsMenu() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    OwnSettings settings;
};

TEST_F(StatisticsMenu, RightClickOnTheCountOffersStatistics) {
    EXPECT_EQ(rightClickMenu(form),
              (QStringList{QStringLiteral("Statistik …"), QStringLiteral("Permanenzen auswerten …"),
                           QStringLiteral("Übung …"), QStringLiteral("Strategietest …")}));
}

// F9 opens the practice wherever the focus is in the trainer.
TEST_F(StatisticsMenu, F9OpensThePractice) {
    QStandardPaths::setTestModeEnabled(true); // its history goes to a test folder
    form.okstart->setFocus();
    QTest::keyClick(form.okstart, Qt::Key_F9);
    const auto* practice = form.findChild<PracticeWindow*>();
    ASSERT_NE(practice, nullptr);
    EXPECT_TRUE(practice->isVisible());
}

// F6 opens the strategy test, which names the trainer's figure.
TEST_F(StatisticsMenu, F6OpensTheStrategyTestWithTheTrainersFigure) {
    setRun(form, {"figure", "rr.s", 1, 0, 0, {}});
    form.okstart->setFocus();
    QTest::keyClick(form.okstart, Qt::Key_F6);
    const auto* strategy = form.findChild<StrategyWindow*>();
    ASSERT_NE(strategy, nullptr);
    EXPECT_TRUE(strategy->isVisible());
    EXPECT_TRUE(strategy->figureLabel->text().startsWith(QStringLiteral("Figur: rr.s")));
}

TEST_F(StatisticsMenu, OpensOneWindowBesideTheTrainer) {
    StatisticsWindow* window = openStatistics(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(window->isModal());
    const QRect screen = form.screen()->availableGeometry();
    EXPECT_EQ(window->frameGeometry().topLeft(),
              besideWindow(form.frameGeometry(), window->frameGeometry().size(), screen));
    EXPECT_TRUE(screen.contains(window->frameGeometry()));

    // Asking again brings the same window back where the user left it.
    const QRect left = window->frameGeometry();
    window->close();
    form.move(form.pos() + QPoint(10, 10));
    EXPECT_EQ(openStatistics(form), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->frameGeometry(), left);
    EXPECT_EQ(form.findChildren<StatisticsWindow*>().size(), 1);
}

// The statistics window asks for the evaluation; the trainer opens it.
TEST_F(StatisticsMenu, TheStatisticsButtonOpensTheEvaluation) {
    StatisticsWindow* window = openStatistics(form);
    ASSERT_NE(window, nullptr);
    window->findChild<QPushButton*>(QStringLiteral("auswerten"))->click();
    const auto* evaluation = form.findChild<EvaluationWindow*>();
    ASSERT_NE(evaluation, nullptr);
    EXPECT_TRUE(evaluation->isVisible());
}

} // namespace
