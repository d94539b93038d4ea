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

// Runs the statements in one transaction; false, and nothing changed, when
// one of them fails.
template <typename Steps> bool inTransaction(QSqlDatabase& db, Steps&& steps) {
    if (!db.transaction()) {
        return false;
    }
    if (!steps()) {
        db.rollback();
        return false;
    }
    return db.commit() || (db.rollback(), false);
}

} // namespace

PracticeStore::PracticeStore(const QString& path, const QString& driver)
    : connection_(nextConnectionName()) {
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        problem_ = Problem::NoDriver;
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        problem_ = Problem::CannotOpen;
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

bool PracticeStore::migrate() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    int version = 0;
    QSqlQuery query(db);
    if (!query.exec(
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'schema_version'")) ||
        !query.next()) {
        return false;
    }
    if (query.value(0).toInt() > 0) {
        if (!query.exec(QStringLiteral("SELECT version FROM schema_version")) || !query.next()) {
            return false;
        }
        version = query.value(0).toInt();
    }
    if (version > schemaVersion) {
        problem_ = Problem::Newer; // and the file stays as it is
        return false;
    }
    // The write-ahead log keeps a write that was cut off out of the database.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !query.exec(QStringLiteral("PRAGMA foreign_keys=ON"))) {
        return false;
    }
    for (; version < schemaVersion; ++version) {
        const bool done = inTransaction(db, [&] {
            QSqlQuery step(db);
            for (const char* statement : migrations[static_cast<std::size_t>(version)]) {
                if (!step.exec(QString::fromLatin1(statement))) {
                    return false;
                }
            }
            return step.exec(
                QStringLiteral("UPDATE schema_version SET version = %1").arg(version + 1));
        });
        if (!done) {
            return false;
        }
    }
    return true;
}

bool PracticeStore::add(PracticeRecord& record) {
    if (!usable()) {
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    return inTransaction(db, [&] {
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
            return false;
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
                return false;
            }
        }
        record.id = id;
        record.spinCount = static_cast<std::int64_t>(record.spins.size());
        return true;
    });
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
    return inTransaction(db, [&] {
        QSqlQuery query(db);
        return query.exec(QStringLiteral("DELETE FROM practice_spin")) &&
               query.exec(QStringLiteral("DELETE FROM practice"));
    });
}

QString problemText(PracticeStore::Problem problem, const QString& path) {
    switch (problem) {
    case PracticeStore::Problem::None:
        return {};
    case PracticeStore::Problem::NoDriver:
        return QStringLiteral("Der SQLite-Treiber von Qt fehlt (Paket libqt6sql6-sqlite). Üben "
                              "geht, aber der Verlauf wird nicht gespeichert.");
    case PracticeStore::Problem::CannotOpen:
        return QStringLiteral("Die Verlaufsdatei %1 lässt sich nicht öffnen oder ist beschädigt. "
                              "Üben geht, aber der Verlauf wird nicht gespeichert.")
            .arg(QDir::toNativeSeparators(path));
    case PracticeStore::Problem::Newer:
        return QStringLiteral("Die Verlaufsdatei %1 stammt von einer neueren Version von "
                              "Sorvik1 und bleibt unverändert. Üben geht, aber der Verlauf wird "
                              "nicht gespeichert.")
            .arg(QDir::toNativeSeparators(path));
    }
    return {};
}
