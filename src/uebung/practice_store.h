#pragma once

#include "uebung/practice_record.h"

#include <QString>

class QSqlError;

#include <vector>

// The history of practices in a local SQLite database. The schema carries
// its version and is migrated on opening; every write is one transaction,
// so a crash or a full disk never leaves half a practice behind.
class PracticeStore {
  public:
    // What kept the history from opening or a write from going through.
    enum class Problem {
        None,
        NoDriver,
        CannotOpen,
        Newer,          // written by a newer Sorvik1; left as it is
        UnknownVersion, // a stored version no Sorvik1 writes; left as it is
        Locked,         // another program holds the database
        ReadOnlyFolder,
        ReadOnlyFile,
        DiskFull,
        Damaged,
    };

    static constexpr int schemaVersion = 2;
    // A window must never stall long for another program that holds the
    // database: a call gives up after this and is tried again later.
    static constexpr int shortBusyMs = 25;

    // Opens (or creates) the database at `path`, waiting at most `busyMs`
    // for another program that holds it; `driver` is only for tests.
    explicit PracticeStore(const QString& path, const QString& driver = QStringLiteral("QSQLITE"),
                           int busyMs = shortBusyMs);
    ~PracticeStore();
    PracticeStore(const PracticeStore&) = delete;
    PracticeStore& operator=(const PracticeStore&) = delete;

    // "uebungen.sqlite" in the user's data folder.
    static QString defaultPath();

    // Why the database did not open; None once it is usable.
    Problem problem() const { return problem_; }
    bool usable() const { return problem_ == Problem::None; }
    // Why the last write failed.
    Problem writeProblem() const { return writeProblem_; }

    // How long a call waits for another program that holds the database
    // before it gives up with Problem::Locked.
    void setBusyTimeout(int ms);

    // Stores the practice with its spins and sets its id; false when the
    // write failed, and then nothing of it is stored.
    bool add(PracticeRecord& record);
    // Every practice without its spins, oldest first.
    std::vector<PracticeRecord> list() const;
    bool clear();

    // The cause of a failed SQLite call from its result code. A call that
    // may not write is told apart by whether the folder and the file may be
    // written.
    static Problem problemOf(int sqliteCode, bool folderWritable, bool fileWritable);

  private:
    bool migrate();
    bool failed(const QSqlError& error);
    Problem causeOf(const QSqlError& error) const;

    QString connection_;
    QString path_;
    Problem problem_ = Problem::None;
    Problem writeProblem_ = Problem::None;
};

// Says in German what kept the history from opening, and that practice goes
// on without it.
QString problemText(PracticeStore::Problem problem, const QString& path);
// Says in German what the problem is, naming the file.
QString causeText(PracticeStore::Problem problem, const QString& path);
