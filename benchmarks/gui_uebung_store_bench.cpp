// Storing one practice of 200 spins in the history database, as the window
// does when a practice ends: one transaction, flushed to the disk.
#include "core/wheel/random.h"
#include "seconds_reporter.h"
#include "uebung/practice_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
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

// The longest the window's thread is held up by one call of the store while
// another program holds the database (as `BEGIN EXCLUSIVE` in sqlite3 does):
// opening it, storing a practice, clearing the history.
double longestStallWhileHeldMs() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("uebungen.sqlite"));
    { PracticeStore create(path); }
    QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("h"));
    holder.setDatabaseName(path);
    holder.open();
    QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE"));
    PracticeRecord record = practice();
    double longest = 0;
    QElapsedTimer timer;
    for (int round = 0; round < 5; ++round) {
        timer.start();
        PracticeStore store(path);
        longest = std::max(longest, timer.nsecsElapsed() / 1e6);
        timer.start();
        store.add(record);
        longest = std::max(longest, timer.nsecsElapsed() / 1e6);
        timer.start();
        store.clear();
        longest = std::max(longest, timer.nsecsElapsed() / 1e6);
    }
    holder.close();
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("h"));
    return longest;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("seconds uebung_store %.6f\n", reporter.secondsPerIteration("BM_StorePractice"));
    std::printf("ms uebung_gesperrt_max_stall %.1f\n", longestStallWhileHeldMs());
    return 0;
}
