// "Permanenzen auswerten" over 1,000 files of 10,000 spins against one file
// of the same 10,000,000 spins, on one thread and on two; and how long the
// event loop of the window stalls at most while the 1,000 files are evaluated,
// and while a folder of 100,000 small files is walked and evaluated.

#include "app/form1.h"
#include "auswertung/evaluation_window.h"
#include "auswertung/open_evaluation.h"
#include "core/batch/evaluation.h"
#include "core/batch/evaluation_folder.h"
#include "core/wheel/figure_text.h"
#include "seconds_reporter.h"
#include "two_threads.h"
#include "ui/file_chooser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int files = 1000;
constexpr int spinsPerFile = 10'000;
constexpr int walkedFiles = 100'000;
constexpr int walkedPerFolder = 1000;

struct Folders {
    QTemporaryDir many;
    QTemporaryDir one;
    std::vector<std::string> manyPaths;
    std::vector<std::string> onePath;
};

void writePermanence(const std::string& path, std::mt19937& generator, int spins) {
    std::uniform_int_distribution<int> number(0, 36);
    std::string text = "Spielbank Bench\r\nTisch 1\r\n01.01.2020\r\nPermanenz\r\n";
    text.reserve(text.size() + static_cast<std::size_t>(spins) * 4);
    for (int i = 0; i < spins; ++i) {
        text += std::to_string(number(generator));
        text += "\r\n";
    }
    std::ofstream(path, std::ios::binary) << text;
}

Folders& folders() {
    static Folders made = [] {
        Folders f;
        std::mt19937 generator(5);
        for (int i = 0; i < files; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "/%04d.txt", i);
            f.manyPaths.push_back(f.many.path().toStdString() + name);
            writePermanence(f.manyPaths.back(), generator, spinsPerFile);
        }
        f.onePath.push_back(f.one.path().toStdString() + "/all.txt");
        writePermanence(f.onePath.back(), generator, files * spinsPerFile);
        return f;
    }();
    return made;
}

// 100,000 files of 20 spins in folders of 1,000.
struct WalkedFolder {
    QTemporaryDir dir;
    WalkedFolder() {
        std::mt19937 generator(7);
        for (int i = 0; i < walkedFiles; ++i) {
            const std::string folder =
                dir.path().toStdString() + "/" + std::to_string(i / walkedPerFolder);
            if (i % walkedPerFolder == 0) {
                std::filesystem::create_directory(folder);
            }
            writePermanence(folder + "/" + std::to_string(i) + ".txt", generator, 20);
        }
    }
};

const sorvik1::Figure& figure() {
    static const sorvik1::Figure rrs = sorvik1::parseFigure("rr.s").figure;
    return rrs;
}

void evaluate(benchmark::State& state, const std::vector<std::string>& paths) {
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const auto result =
            sorvik1::evaluateFiles(paths, figure(), sorvik1::ZeroRule::Breaks, {}, {}, threads);
        if (result.total.spins != std::int64_t{files} * spinsPerFile) {
            state.SkipWithError("not every spin was counted");
        }
    }
}

void BM_AuswertungManyFiles(benchmark::State& state) {
    evaluate(state, folders().manyPaths);
}
// The ratio of one thread to two compares two best runs; five tries each
// keep a run that something else on the machine disturbed out of it.
BENCHMARK(BM_AuswertungManyFiles)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_AuswertungOneFile(benchmark::State& state) {
    evaluate(state, folders().onePath);
}
BENCHMARK(BM_AuswertungOneFile)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(3);

struct FolderChooser : FileChooser {
    QString folder;
    QStringList permanenceFiles(QWidget*, const QString&) override { return {}; }
    QString permanenceFolder(QWidget*, const QString&) override { return folder; }
    QString csvTarget(QWidget*, const QString&) override { return {}; }
};

// The longest gap between two turns of the event loop while the window
// evaluates the files of `folder`, in milliseconds.
double maxStallMs(const QString& folder) {
    Form1 form;
    form.figur[1] = sorvik1::red;
    form.figur[2] = sorvik1::red;
    form.figanfang = 1;
    form.figende = 2;
    form.show();
    EvaluationWindow* window = openEvaluation(form);
    auto chooser = std::make_unique<FolderChooser>();
    chooser->folder = folder;
    window->setFileChooser(std::move(chooser));
    QApplication::processEvents();
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    tick.start();
    window->chooseFolder();
    while (window->busy()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    QApplication::processEvents();
    return static_cast<double>(longest) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Sorvik1-Bench"));
    folders();
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    double stall = maxStallMs(folders().many.path());
    for (int again = 0; again < 2; ++again) {
        stall = std::min(stall, maxStallMs(folders().many.path()));
    }
    const WalkedFolder walked;
    const double walkStall = std::min(maxStallMs(walked.dir.path()), maxStallMs(walked.dir.path()));

    const double many1 = reporter.secondsPerIteration("BM_AuswertungManyFiles/1");
    const double many2 = reporter.secondsPerIteration("BM_AuswertungManyFiles/2");
    const double one1 = reporter.secondsPerIteration("BM_AuswertungOneFile/1");
    std::printf("ratio auswertung_1000_files_vs_one_file %.3f\n", one1 > 0 ? many1 / one1 : 0.0);
    std::printf("seconds auswertung_1000_files %.6f\n", many2);
    std::printf("ratio auswertung_2threads_vs_1 %.3f\n", many2 > 0 ? many1 / many2 : 0.0);
    std::printf("ratio machine_2threads_vs_1 %.3f\n", sorvik1::bench::machineTwoThreadRatio());
    std::printf("ms auswertung_max_stall %.1f\n", stall);
    std::printf("ms ordner_max_stall %.1f\n", walkStall);
    return 0;
}
