// Storing one practice of 200 spins in the history database, as the window
// does when a practice ends: one transaction, flushed to the disk.
#include "core/random.h"
#include "seconds_reporter.h"
#include "uebung/practice_store.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

PracticeRecord practice() {
    sorvik1::Random random(18);
    PracticeRecord record;
    record.started = QDateTime::currentDateTimeUtc();
    record.figure = QStringLiteral("rr.s");
    record.tempo = QStringLiteral("wie am Tisch");
    for (int i = 0; i < 200; ++i) {
        record.spins.push_back({random.number(), sorvik1::noColour, std::nullopt});
    }
    return record;
}

void BM_StorePractice(benchmark::State& state) {
    QTemporaryDir folder;
    PracticeStore store(folder.filePath(QStringLiteral("uebungen.sqlite")));
    PracticeRecord record = practice();
    for (auto _ : state) {
        if (!store.add(record)) {
            state.SkipWithError("the practice was not stored");
        }
    }
}
BENCHMARK(BM_StorePractice)->Repetitions(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("seconds uebung_store %.6f\n", reporter.secondsPerIteration("BM_StorePractice"));
    return 0;
}
