// The window's "Durchlauf" over long runs, offscreen: one press of Start that
// prepares the run, shows every spin and lists every occurrence of red-red,
// until the view shows the result. Compared with the core alone over the same
// spins, with itself at ten times the spins, and by the memory a run costs.

#include "app/form1.h"
#include "core/wheel/figure.h"
#include "core_run.h"
#include "seconds_reporter.h"
#include "ui/text_box.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>

namespace {

constexpr std::int64_t million = 1'000'000;
constexpr std::uint64_t seed = 7;

std::unique_ptr<Form1> readyWindow(std::int64_t spins) {
    auto form = std::make_unique<Form1>(Form1::Options{seed});
    form->figur[1] = sorvik1::red;
    form->figur[2] = sorvik1::red;
    form->figanfang = 1;
    form->figende = 2;
    form->zudeck1->hide();
    form->zudeck2->hide();
    form->show();
    form->textanzahl->setText(QString::number(spins));
    form->Option1[1]->setChecked(true);
    QApplication::processEvents();
    return form;
}

// The press and the view's update after it.
void durchlauf(Form1& form) {
    form.okstart->click();
    QApplication::processEvents();
}

void BM_WindowDurchlauf(benchmark::State& state) {
    const std::int64_t spins = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = readyWindow(spins);
        state.ResumeTiming();
        durchlauf(*form);
        state.PauseTiming();
        if (form->wurf != static_cast<double>(spins) || form->okstart->isEnabled()) {
            state.SkipWithError("the run did not reach its end");
        }
        form.reset();
        // Every press is the first run of a freshly started program: memory
        // freed by the last window goes back to the system, as it would
        // have been when that program ended.
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * spins);
}
BENCHMARK(BM_WindowDurchlauf)
    ->Arg(million)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5);
BENCHMARK(BM_WindowDurchlauf)
    ->Arg(10 * million)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

void BM_CoreRun(benchmark::State& state) {
    const auto figure = sorvik1::Figure::fromGrid({0, sorvik1::red, sorvik1::red}, 1, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sorvik1::bench::coreRun(figure, million, seed));
    }
    state.SetItemsProcessed(state.iterations() * million);
}
BENCHMARK(BM_CoreRun)->Unit(benchmark::kMillisecond)->MinTime(0.3)->Repetitions(5);

// A value in kB from /proc/self/status, such as "VmRSS" or "VmHWM".
double statusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return std::stod(line.substr(key.size() + 1));
        }
    }
    return 0;
}

// What a run of ten million spins costs beyond the idle window: the peak
// resident memory per spin, and the megabytes the whole window process
// holds once the run is shown.
struct RunMemory {
    double bytesPerSpin = 0;
    double mbOverIdle = 0;
};

RunMemory runMemory() {
    constexpr std::int64_t spins = 10 * million;
    auto form = readyWindow(spins);
    const double idle = statusKb("VmRSS");
    durchlauf(*form);
    return {(statusKb("VmHWM") - idle) * 1024.0 / static_cast<double>(spins),
            (statusKb("VmRSS") - idle) / 1024.0};
}

// The memory is measured in a process of its own, so that no other run has
// raised the peak before.
constexpr char memoryProbe[] = "--memory-probe";

RunMemory runMemoryInOwnProcess() {
    QProcess probe;
    probe.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(memoryProbe)});
    probe.waitForFinished(-1);
    const QList<QByteArray> values = probe.readAllStandardOutput().simplified().split(' ');
    return values.size() == 2 ? RunMemory{values[0].toDouble(), values[1].toDouble()} : RunMemory{};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], memoryProbe) == 0) {
        const RunMemory memory = runMemory();
        std::printf("%.3f %.1f\n", memory.bytesPerSpin, memory.mbOverIdle);
        return 0;
    }
    const RunMemory memory = runMemoryInOwnProcess();

    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double window1m = reporter.secondsPerIteration("BM_WindowDurchlauf/1000000");
    const double window10m = reporter.secondsPerIteration("BM_WindowDurchlauf/10000000");
    const double core1m = reporter.secondsPerIteration("BM_CoreRun");
    std::printf("ratio durchlauf_vs_core %.3f\n", core1m > 0 ? window1m / core1m : 0.0);
    std::printf("bytes_per_spin %.2f\n", memory.bytesPerSpin);
    std::printf("mb_window_10m_over_idle %.1f\n", memory.mbOverIdle);
    std::printf("ratio scale_10m_vs_1m %.3f\n", window1m > 0 ? window10m / window1m : 0.0);
    std::printf("seconds durchlauf_1m %.6f\n", window1m);
    return 0;
}
