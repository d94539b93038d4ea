#include "uebung/practice_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <array>
#include <atomic>

namespace {

// Each version's step from the one before; entry i leads to version i + 1.
const std::array<std::vector<const char*>, PracticeStore::schemaVersion> migrations = {{
    {"CREATE TABLE schema_version (version INTEGER NOT NULL)",
     "INSERT INTO schema_version (version) VALUES (0)",
     "CREATE TABLE practice (id INTEGER PRIMARY KEY, started TEXT NOT NULL, "
     "figure TEXT NOT NULL, tempo TEXT NOT NULL, from_permanence INTEGER NOT NULL, "
     "spins INTEGER NOT NULL, signals INTEGER NOT NULL, hits INTEGER NOT NULL, "
     "wrong_colour INTEGER NOT NULL, missed INTEGER NOT NULL, false_calls INTEGER NOT NULL, "
     "median_reaction_ms INTEGER, units REAL NOT NULL, perfect_units REAL NOT NULL)"},
    // The spins of each practice, so that a practice can be replayed and
    // checked whole.
    {"CREATE TABLE practice_spin (practice_id INTEGER NOT NULL REFERENCES practice (id) "
     "ON DELETE CASCADE, spin INTEGER NOT NULL, number INTEGER NOT NULL, "
     "call INTEGER NOT NULL, reaction_ms INTEGER, PRIMARY KEY (practice_id, spin)) "
     "WITHOUT ROWID",
     "CREATE INDEX practice_by_figure ON practice (figure, started)"},
}};

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("uebung-%1").arg(counter++);
}

QVariant optional(const std::optional<std::int64_t>& value) {
    return value ? QVariant(static_cast<qlonglong>(*value))
                 : QVariant(QMetaType::fromType<qlonglong>());
}

// Runs the steps in one transaction; the error of the step that failed, and
// nothing changed, when one of them fails.
template <typename Steps> QSqlError inTransaction(QSqlDatabase& db, Steps&& steps) {
    if (!db.transaction()) {
        return db.lastError();
    }
    QSqlError error = steps();
    if (!error.isValid() && !db.commit()) {
        error = db.lastError();
    }
    if (error.isValid()) {
        db.rollback();
    }
    return error;
}

} // namespace

PracticeStore::PracticeStore(const QString& path, const QString& driver, int busyMs)
    : connection_(nextConnectionName()), path_(path) {
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        problem_ = Problem::NoDriver;
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMs));
    if (!db.open()) {
        failed(db.lastError());
        return;
    }
    if (!migrate() && problem_ == Problem::None) {
        problem_ = Problem::CannotOpen;
    }
}

PracticeStore::~PracticeStore() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QString PracticeStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/uebungen.sqlite");
}

void PracticeStore::setBusyTimeout(int ms) {
    if (QSqlDatabase::contains(connection_)) {
        QSqlQuery(QSqlDatabase::database(connection_, false))
            .exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
    }
}

bool PracticeStore::failed(const QSqlError& error) {
    problem_ = causeOf(error);
    return false;
}

PracticeStore::Problem PracticeStore::causeOf(const QSqlError& error) const {
    bool known = false;
    const int code = error.nativeErrorCode().toInt(&known);
    const QFileInfo file(path_);
    return problemOf(known ? code : -1, QFileInfo(file.absolutePath()).isWritable(),
                     !file.exists() || file.isWritable());
}

PracticeStore::Problem PracticeStore::problemOf(int sqliteCode, bool folderWritable,
                                                bool fileWritable) {
    // SQLite's primary result codes; an extended code carries one in its low byte.
    switch (sqliteCode & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return Problem::Locked;
    case 13: // SQLITE_FULL
        return Problem::DiskFull;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return Problem::Damaged;
    case 8:  // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN
        if (!folderWritable) {
            return Problem::ReadOnlyFolder;
        }
        if (!fileWritable || (sqliteCode & 0xff) == 8) {
            return Problem::ReadOnlyFile;
        }
        return Problem::CannotOpen;
    default:
        return Problem::CannotOpen;
    }
}

// The stored version is read before anything that could write, so that a
// database this program does not know stays byte for byte as it is.
bool PracticeStore::migrate() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    int version = 0;
    QSqlQuery query(db);
    if (!query.exec(
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'schema_version'")) ||
        !query.next()) {
        return failed(query.lastError());
    }
    if (query.value(0).toInt() > 0) {
        if (!query.exec(QStringLiteral("SELECT version, typeof(version) FROM schema_version"))) {
            const Problem cause = causeOf(query.lastError());
            // A table without the column holds no version this program wrote.
            problem_ = cause == Problem::CannotOpen ? Problem::UnknownVersion : cause;
            return false;
        }
        int rows = 0;
        qlonglong stored = 0;
        bool whole = false;
        while (query.next()) {
            ++rows;
            stored = query.value(0).toLongLong();
            whole = query.value(1).toString() == QStringLiteral("integer");
        }
        if (query.lastError().isValid()) {
            return failed(query.lastError());
        }
        // Version 0 never outlives the transaction that writes version 1.
        if (rows != 1 || !whole || stored < 1) {
            problem_ = Problem::UnknownVersion;
            return false;
        }
        if (stored > schemaVersion) {
            problem_ = Problem::Newer;
            return false;
        }
        version = static_cast<int>(stored);
    }
    // The write-ahead log keeps a write that was cut off out of the database.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !query.exec(QStringLiteral("PRAGMA foreign_keys=ON"))) {
        return failed(query.lastError());
    }
    for (; version < schemaVersion; ++version) {
        const QSqlError error = inTransaction(db, [&] {
            QSqlQuery step(db);
            for (const char* statement : migrations[static_cast<std::size_t>(version)]) {
                if (!step.exec(QString::fromLatin1(statement))) {
                    return step.lastError();
                }
            }
            step.exec(QStringLiteral("UPDATE schema_version SET version = %1").arg(version + 1));
            return step.lastError();
        });
        if (error.isValid()) {
            return failed(error);
        }
    }
    return true;
}

bool PracticeStore::add(PracticeRecord& record) {
    if (!usable()) {
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const QSqlError error = inTransaction(db, [&] {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO practice (started, figure, tempo, from_permanence, spins, signals, hits, "
            "wrong_colour, missed, false_calls, median_reaction_ms, units, perfect_units) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value :
             {QVariant(record.started.toUTC().toString(Qt::ISODateWithMs)), QVariant(record.figure),
              QVariant(record.tempo), QVariant(record.fromPermanence ? 1 : 0),
              QVariant(static_cast<qlonglong>(record.spins.size())),
              QVariant(static_cast<qlonglong>(record.signalCount)),
              QVariant(static_cast<qlonglong>(record.hits)),
              QVariant(static_cast<qlonglong>(record.wrongColour)),
              QVariant(static_cast<qlonglong>(record.missed)),
              QVariant(static_cast<qlonglong>(record.falseCalls)),
              optional(record.medianReactionMs), QVariant(record.units),
              QVariant(record.perfectUnits)}) {
            insert.addBindValue(value);
        }
        if (!insert.exec()) {
            return insert.lastError();
        }
        const qlonglong id = insert.lastInsertId().toLongLong();
        QSqlQuery spin(db);
        spin.prepare(QStringLiteral("INSERT INTO practice_spin (practice_id, spin, number, call, "
                                    "reaction_ms) VALUES (?, ?, ?, ?, ?)"));
        for (std::size_t i = 0; i < record.spins.size(); ++i) {
            const SpinRecord& s = record.spins[i];
            spin.bindValue(0, id);
            spin.bindValue(1, static_cast<qlonglong>(i + 1));
            spin.bindValue(2, s.number);
            spin.bindValue(3, static_cast<int>(s.call));
            spin.bindValue(4, optional(s.reactionMs));
            if (!spin.exec()) {
                return spin.lastError();
            }
        }
        record.id = id;
        record.spinCount = static_cast<std::int64_t>(record.spins.size());
        return QSqlError();
    });
    writeProblem_ = error.isValid() ? causeOf(error) : Problem::None;
    return !error.isValid();
}

std::vector<PracticeRecord> PracticeStore::list() const {
    std::vector<PracticeRecord> records;
    if (!usable()) {
        return records;
    }
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT id, started, figure, tempo, from_permanence, spins, signals, hits, "
            "wrong_colour, missed, false_calls, median_reaction_ms, units, perfect_units "
            "FROM practice ORDER BY started, id"))) {
        return records;
    }
    while (query.next()) {
        PracticeRecord r;
        r.id = query.value(0).toLongLong();
        r.started =
            QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs).toLocalTime();
        r.figure = query.value(2).toString();
        r.tempo = query.value(3).toString();
        r.fromPermanence = query.value(4).toInt() != 0;
        r.spinCount = query.value(5).toLongLong();
        r.signalCount = query.value(6).toLongLong();
        r.hits = query.value(7).toLongLong();
        r.wrongColour = query.value(8).toLongLong();
        r.missed = query.value(9).toLongLong();
        r.falseCalls = query.value(10).toLongLong();
        if (!query.value(11).isNull()) {
            r.medianReactionMs = query.value(11).toLongLong();
        }
        r.units = query.value(12).toDouble();
        r.perfectUnits = query.value(13).toDouble();
        records.push_back(r);
    }
    return records;
}

bool PracticeStore::clear() {
    if (!usable()) {
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const QSqlError error = inTransaction(db, [&] {
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("DELETE FROM practice_spin"))) {
            query.exec(QStringLiteral("DELETE FROM practice"));
        }
        return query.lastError();
    });
    writeProblem_ = error.isValid() ? causeOf(error) : Problem::None;
    return !error.isValid();
}

QString causeText(PracticeStore::Problem problem, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    switch (problem) {
    case PracticeStore::Problem::None:
        return {};
    case PracticeStore::Problem::NoDriver:
        return QStringLiteral("Der SQLite-Treiber von Qt fehlt (Paket libqt6sql6-sqlite).");
    case PracticeStore::Problem::CannotOpen:
        return QStringLiteral("Die Verlaufsdatei %1 lässt sich nicht öffnen.").arg(file);
    case PracticeStore::Problem::Newer:
        return QStringLiteral("Die Verlaufsdatei %1 stammt von einer neueren Version von "
                              "Sorvik1 und bleibt unverändert.")
            .arg(file);
    case PracticeStore::Problem::UnknownVersion:
        return QStringLiteral("Die Verlaufsdatei %1 trägt eine unbekannte Version der "
                              "Übungsdatenbank und bleibt unverändert.")
            .arg(file);
    case PracticeStore::Problem::Locked:
        return QStringLiteral("Die Verlaufsdatei %1 wird gerade von einem anderen Programm "
                              "benutzt.")
            .arg(file);
    case PracticeStore::Problem::ReadOnlyFolder:
        return QStringLiteral("Der Ordner der Verlaufsdatei %1 ist schreibgeschützt.").arg(file);
    case PracticeStore::Problem::ReadOnlyFile:
        return QStringLiteral("Die Verlaufsdatei %1 ist schreibgeschützt.").arg(file);
    case PracticeStore::Problem::DiskFull:
        return QStringLiteral("Der Datenträger der Verlaufsdatei %1 ist voll.").arg(file);
    case PracticeStore::Problem::Damaged:
        return QStringLiteral("Die Verlaufsdatei %1 ist beschädigt.").arg(file);
    }
    return {};
}

QString problemText(PracticeStore::Problem problem, const QString& path) {
    if (problem == PracticeStore::Problem::None) {
        return {};
    }
    return causeText(problem, path) +
           QStringLiteral(" Üben geht, aber der Verlauf wird nicht gespeichert.");
}
