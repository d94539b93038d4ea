#include "statistics/statistics_steps.h"
#include "trainer/run_fixture.h"

#include "stats/chart_panel.h"
#include "stats/chart_view.h"

#include <QBarSeries>
#include <QBarSet>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QScreen>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

class AnsweredFileDialog : public ImageFileDialog {
  public:
    explicit AnsweredFileDialog(QString answer) : answer_(std::move(answer)) {}
    QString askSavePath(QWidget*, const QString& suggested) override {
        asked = suggested;
        return answer_;
    }
    void reportFailure(QWidget*, const QString& text) override { failures << text; }

    QString asked;
    QStringList failures;

  private:
    QString answer_;
};

template <typename T> T* seriesNamed(const ChartView& view, const char* name) {
    for (QAbstractSeries* series : view.chart()->series()) {
        if (series->objectName() == QLatin1String(name)) {
            return qobject_cast<T*>(series);
        }
    }
    return nullptr;
}

class StatisticsCharts : public RunTest {
  protected:
    StatisticsCharts() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        useFigure({{1, sorvik1::red}, {2, sorvik1::red}, {4, sorvik1::black}}); // rr.s
        select(durchlauf);
    }

    // Runs, opens the statistics and waits until every chart is complete.
    ChartPanel* runAndOpen() {
        press();
        EXPECT_TRUE(QTest::qWaitFor([&] { return ended(); }));
        StatisticsWindow* window = openStatistics(form);
        auto* panel = window ? window->findChild<ChartPanel*>() : nullptr;
        EXPECT_TRUE(panel && QTest::qWaitFor([&] { return panel->current(); }, 10000));
        return panel;
    }

    ChartView* view(const ChartPanel& panel, const char* name) {
        return panel.findChild<ChartView*>(QLatin1String(name));
    }
};

TEST_F(StatisticsCharts, HoldTheRunsSeriesAfterASeededRun) {
    form.textanzahl->setText(QStringLiteral("20000"));
    ChartPanel* panel = runAndOpen();
    ASSERT_NE(panel, nullptr);
    const int found = form.Liste->listCount();
    ASSERT_GT(found, 1000);

    auto* course = seriesNamed<QLineSeries>(*view(*panel, "verlauf"), "abweichung");
    ASSERT_LE(course->count(), 2000);
    // After the last spin: every listed start, less the expectation.
    const double expected = 19997 * std::pow(18.0 / 37.0, 3);
    EXPECT_NEAR(course->points().back().y(), found - expected, 1e-6);

    auto* bars = seriesNamed<QBarSeries>(*view(*panel, "abstaende"), "abstaende");
    double gaps = 0;
    for (int i = 0; i < bars->barSets().at(0)->count(); ++i) {
        gaps += bars->barSets().at(0)->at(i);
    }
    EXPECT_EQ(gaps, found - 1);

    // The marked absence is the longest stretch between the listed starts.
    int longest = form.Liste->list(0).toInt() - 1;
    for (int i = 1; i < found; ++i) {
        longest =
            std::max(longest, form.Liste->list(i).toInt() - form.Liste->list(i - 1).toInt() - 1);
    }
    longest = std::max(longest, 20000 - form.Liste->list(found - 1).toInt());
    auto* marker = seriesNamed<QLineSeries>(*view(*panel, "ausbleiber"), "beobachtet");
    ASSERT_EQ(marker->count(), 2);
    EXPECT_EQ(marker->at(0).x(), longest);
    EXPECT_GT(seriesNamed<QLineSeries>(*view(*panel, "ausbleiber"), "verteilung")->count(), 10);
    for (const char* name : {"verlauf", "abstaende", "ausbleiber"}) {
        EXPECT_FALSE(view(*panel, name)->accessibleDescription().isEmpty()) << name;
    }
}

TEST_F(StatisticsCharts, ShowTheEmptyStateBeforeTheFirstOccurrence) {
    load(std::vector<int>(300, 1)); // red only: the black never comes
    ChartPanel* panel = runAndOpen();
    ASSERT_NE(panel, nullptr);
    const auto* empty = panel->findChild<QLabel*>(QStringLiteral("abstaendeLeer"));
    EXPECT_EQ(panel->findChild<QStackedWidget*>(QStringLiteral("abstaendeSeiten"))->currentWidget(),
              empty);
    EXPECT_TRUE(empty->text().contains(QStringLiteral("noch nicht gefunden")));
    EXPECT_EQ(seriesNamed<QLineSeries>(*view(*panel, "verlauf"), "abweichung")->count(), 300);
    const QString note = panel->findChild<QLabel*>(QStringLiteral("ausbleiberText"))->text();
    EXPECT_TRUE(note.startsWith(QStringLiteral("Längster Ausbleiber: 300 Würfe (Wurf 1 bis 300)")))
        << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("Wahrscheinlichkeit"))) << note.toStdString();
}

// What the context menu's save writes is a picture of the chosen kind.
TEST_F(StatisticsCharts, SaveAsPngAndSvg) {
    form.textanzahl->setText(QStringLiteral("2000"));
    ChartPanel* panel = runAndOpen();
    ASSERT_NE(panel, nullptr);
    QTemporaryDir dir;
    for (const auto& [file, start] : {std::pair{"bild.png", QByteArray("\x89PNG")},
                                      std::pair{"bild.svg", QByteArray("<?xml")}}) {
        const QString path = dir.filePath(QLatin1String(file));
        panel->setFileDialog(std::make_shared<AnsweredFileDialog>(path));
        // The menu runs its own loop: its entry is chosen from within.
        QStringList entries;
        QTimer::singleShot(0, [&entries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (const QAction* action : menu ? menu->actions() : QList<QAction*>{}) {
                entries << action->text();
            }
            if (menu) {
                menu->actions().front()->trigger();
                menu->close();
            }
        });
        ChartView* chart = view(*panel, "ausbleiber");
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(10, 10),
                                  chart->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(chart, &request);
        EXPECT_EQ(entries, QStringList({QStringLiteral("Bild &speichern …"),
                                        QStringLiteral("Bild &kopieren")}));
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << file;
        EXPECT_TRUE(written.read(8).startsWith(start)) << file;
    }
    // Each picture is headed by what it shows: above the chart in the PNG,
    // as text in the SVG.
    const QString title = view(*panel, "ausbleiber")->imageTitle();
    EXPECT_EQ(title, QStringLiteral("Figur rr.s · Null bricht die Figur · Zufallswürfe: 2.000"));
    EXPECT_GT(QImage(dir.filePath(QStringLiteral("bild.png"))).height(),
              view(*panel, "ausbleiber")->height());
    QFile svg(dir.filePath(QStringLiteral("bild.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(svg.readAll()).contains(QStringLiteral("Null bricht die Figur")));
}

// Tests of this fixture see one screen of 1280 x 900 pixels.
class StatisticsOn1280x900 : public StatisticsCharts {
  protected:
    OwnSettings settings;
};

// The window opens within the screen, keeps its size whatever its tabs show,
// and comes back after a restart where the user left it.
TEST_F(StatisticsOn1280x900, FitsKeepsItsSizeAndComesBackWhereItWasLeft) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(screen, QRect(0, 0, 1280, 900));
    form.textanzahl->setText(QStringLiteral("20000"));
    ChartPanel* panel = runAndOpen();
    ASSERT_NE(panel, nullptr);
    auto* window = qobject_cast<StatisticsWindow*>(panel->window());
    const QRect opened = window->frameGeometry();
    EXPECT_TRUE(screen.contains(opened)) << opened.height();
    for (int tab = 0; tab < panel->count(); ++tab) {
        panel->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->frameGeometry(), opened) << tab;
    }

    const QRect left(120, 60, 900, 760);
    window->setGeometry(left);
    window->close();
    StatisticsWindow restarted(form);
    restarted.showBeside();
    EXPECT_EQ(restarted.geometry(), left);
}

} // namespace
