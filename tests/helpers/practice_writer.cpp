// Stores practices into the database named on the command line, one after
// another until it is killed, so that a test can cut a write off anywhere.
// Says "bereit" once the database is open.
#include "core/wheel/random.h"
#include "uebung/practice_store.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: practice_writer DATENBANK STARTWERT\n");
        return 2;
    }
    PracticeStore store(QString::fromLocal8Bit(argv[1]));
    if (!store.usable()) {
        std::fprintf(stderr, "practice_writer: Datenbank nicht nutzbar\n");
        return 1;
    }
    sorvik1::Random random(std::strtoull(argv[2], nullptr, 10));
    std::puts("bereit");
    std::fflush(stdout);
    for (;;) {
        PracticeRecord record;
        record.started = QDateTime::currentDateTimeUtc();
        record.figure = QStringLiteral("rr.s");
        record.tempo = QStringLiteral("schnell");
        const auto spins = 1 + random.below(400);
        for (std::uint64_t i = 0; i < spins; ++i) {
            record.spins.push_back({random.number(), sorvik1::noColour, std::nullopt});
        }
        if (!store.add(record)) {
            return 1;
        }
    }
}
