// The statistics window's charts after a Durchlauf of ten million spins of
// red-red-any-black: from the menu action that opens the window until the
// last of the three charts has been painted, the values chance predicts
// included.

#include "app/form1.h"
#include "seconds_reporter.h"
#include "stats/chart_panel.h"
#include "stats/chart_view.h"
#include "stats/statistics_window.h"
#include "ui/caption_label.h"
#include "ui/text_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <memory>

namespace {

constexpr std::int64_t spins = 10'000'000;

std::unique_ptr<Form1> windowAfterRun() {
    auto form = std::make_unique<Form1>(Form1::Options{7});
    form->figur[1] = sorvik1::red;
    form->figur[2] = sorvik1::red;
    form->figur[4] = sorvik1::black;
    form->figanfang = 1;
    form->figende = 4;
    form->zudeck1->hide();
    form->zudeck2->hide();
    form->show();
    form->textanzahl->setText(QString::number(spins));
    form->Option1[1]->setChecked(true);
    QApplication::processEvents();
    form->okstart->click();
    QApplication::processEvents();
    return form;
}

// The count's context menu, as a right-click opens it.
QAction* statisticsAction(Form1& form) {
    emit form.lmenge->customContextMenuRequested(QPoint(1, 1));
    QApplication::processEvents();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu ? menu->actions().value(0) : nullptr;
}

void BM_ChartsAfterDurchlauf(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto form = windowAfterRun();
        QAction* action = statisticsAction(*form);
        if (!action) {
            state.SkipWithError("no statistics menu");
            break;
        }
        state.ResumeTiming();
        action->trigger();
        auto* panel = form->findChild<StatisticsWindow*>()->findChild<ChartPanel*>();
        while (!panel->current()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        for (ChartView* view : panel->findChildren<ChartView*>()) {
            benchmark::DoNotOptimize(view->grab());
        }
        state.PauseTiming();
        QApplication::activePopupWidget() ? QApplication::activePopupWidget()->close() : false;
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChartsAfterDurchlauf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("seconds charts_10m %.6f\n",
                reporter.secondsPerIteration("BM_ChartsAfterDurchlauf"));
    return 0;
}
