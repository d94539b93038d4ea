#pragma once

#include "uebung/practice_record.h"

#include <QString>

#include <vector>

// The history of practices in a local SQLite database. The schema carries
// its version and is migrated on opening; every write is one transaction,
// so a crash or a full disk never leaves half a practice behind.
class PracticeStore {
  public:
    enum class Problem { None, NoDriver, CannotOpen, Newer };

    static constexpr int schemaVersion = 2;

    // Opens (or creates) the database at `path`; `driver` is only for tests.
    explicit PracticeStore(const QString& path, const QString& driver = QStringLiteral("QSQLITE"));
    ~PracticeStore();
    PracticeStore(const PracticeStore&) = delete;
    PracticeStore& operator=(const PracticeStore&) = delete;

    // "uebungen.sqlite" in the user's data folder.
    static QString defaultPath();

    Problem problem() const { return problem_; }
    bool usable() const { return problem_ == Problem::None; }

    // Stores the practice with its spins and sets its id; false when the
    // write failed, and then nothing of it is stored.
    bool add(PracticeRecord& record);
    // Every practice without its spins, oldest first.
    std::vector<PracticeRecord> list() const;
    bool clear();

  private:
    bool migrate();

    QString connection_;
    Problem problem_ = Problem::None;
};

// Says in German what kept the history from opening.
QString problemText(PracticeStore::Problem problem, const QString& path);
