#include "statistics/statistics_steps.h"
#include "trainer/figure_steps.h"

#include "figure/figure_grid.h"
#include "ui/text_box.h"

namespace {

bool showsHint(const StatisticsWindow& window) {
    const auto* hint = window.findChild<QLabel*>(QStringLiteral("keineFigur"));
    const auto* values = window.findChild<QLabel*>(QStringLiteral("erwartet"));
    return hint && values && hint->isVisible() && !values->isVisible();
}

class StatisticsWindowTest : public FigureWindow {
  protected:
    StatisticsWindowTest() { EXPECT_TRUE(QTest::qWaitForWindowExposed(&form)); }
};

TEST_F(StatisticsWindowTest, SaysSoWhileNoFigureIsActive) {
    StatisticsWindow* window = openStatistics(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(showsHint(*window));
    const auto* hint = window->findChild<QLabel*>(QStringLiteral("keineFigur"));
    EXPECT_TRUE(hint->text().startsWith(QStringLiteral("Es ist keine Figur aktiv.")));
}

// While it is open, the window follows what the user does in the trainer,
// without being asked again.
TEST_F(StatisticsWindowTest, FollowsTheFigureSectionAndTheRun) {
    StatisticsWindow* window = openStatistics(form);
    ASSERT_NE(window, nullptr);

    mark(0, figuregrid::redMarks.column);
    mark(1, figuregrid::blackMarks.column);
    perform({ok});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !showsHint(*window); }));
    EXPECT_EQ(shown(*window, "figur"), QStringLiteral("rs"));
    EXPECT_EQ(shown(*window, "wuerfe"), QStringLiteral("0"));

    form.anzahl = 2000;
    form.wurf = 1500;
    form.Liste->addItem(QStringLiteral("7"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown(*window, "gefunden") == QStringLiteral("1"); }));
    EXPECT_EQ(shown(*window, "wuerfe"), QStringLiteral("1.500 von 2.000"));

    perform({});
    QTest::mouseClick(form.okreset, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsHint(*window); }));
}

// Everything the trainer's window shows, and the state its handlers share.
QStringList trainerState(const Form1& form) {
    QStringList state;
    for (const QWidget* w : form.findChildren<QWidget*>()) {
        // The statistics window and the menu are windows of their own.
        if (w->window() != &form) {
            continue;
        }
        QString line = QStringLiteral("%1 %2 visible=%3 enabled=%4 %5,%6 %7x%8 text=%9")
                           .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                           .arg(w->isVisible())
                           .arg(w->isEnabled())
                           .arg(w->x())
                           .arg(w->y())
                           .arg(w->width())
                           .arg(w->height())
                           .arg(w->property("text").toString());
        if (const auto* label = qobject_cast<const CaptionLabel*>(w)) {
            line += QStringLiteral(" caption=") + label->caption();
        }
        state << line;
    }
    for (int i = 0; i < form.Liste->listCount(); ++i) {
        state << QStringLiteral("Liste ") + form.Liste->list(i);
    }
    state << QStringLiteral("tabelle1 %1,%2").arg(form.tabelle1->row()).arg(form.tabelle1->col());
    state << QStringLiteral("wurf=%1 anzahl=%2 figbeiwurf=%3 gestartet=%4 importiert=%5")
                 .arg(form.wurf)
                 .arg(form.anzahl)
                 .arg(form.figbeiwurf)
                 .arg(form.gestartet)
                 .arg(form.importiert);
    QString figure = QStringLiteral("figur %1..%2:").arg(form.figanfang).arg(form.figende);
    for (const auto colour : form.figur) {
        figure += QString::number(colour);
    }
    state << figure << form.windowTitle();
    return state;
}

TEST_F(StatisticsWindowTest, LeavesTheTrainerAsItWas) {
    mark(2, figuregrid::redMarks.column);
    mark(4, figuregrid::blackMarks.column);
    perform({ok});
    setRun(form, {"", "r.s", 3, 40, 300, {5, 17, 33}});
    form.textanzahl->setText(QStringLiteral("300"));
    const QStringList before = trainerState(form);

    StatisticsWindow* window = openStatistics(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitForFirstOccurrence(*window));
    window->refresh();
    window->close();
    QCoreApplication::processEvents();

    EXPECT_EQ(trainerState(form), before);
}

} // namespace
