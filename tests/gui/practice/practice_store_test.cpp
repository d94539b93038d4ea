#include "core/wheel/random.h"
#include "uebung/practice_store.h"

#include "practice/practice_sql.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QVariant>

#include <gtest/gtest.h>

#include <optional>

namespace {

class PracticeStoreTest : public testing::Test {
  protected:
    QString path() const { return folder.filePath(QStringLiteral("uebungen.sqlite")); }
    QTemporaryDir folder;
};

// A database of the first version, with one practice, comes up to date and
// keeps the practice.
TEST_F(PracticeStoreTest, MigratesAnOlderDatabaseAndKeepsItsPractices) {
    {
        Sql sql(path());
        ASSERT_TRUE(
            sql.exec(QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)")));
        ASSERT_TRUE(sql.exec(QStringLiteral("INSERT INTO schema_version VALUES (1)")));
        ASSERT_TRUE(sql.exec(QStringLiteral(
            "CREATE TABLE practice (id INTEGER PRIMARY KEY, started TEXT NOT NULL, figure TEXT NOT "
            "NULL, tempo TEXT NOT NULL, from_permanence INTEGER NOT NULL, spins INTEGER NOT NULL, "
            "signals INTEGER NOT NULL, hits INTEGER NOT NULL, wrong_colour INTEGER NOT NULL, "
            "missed INTEGER NOT NULL, false_calls INTEGER NOT NULL, median_reaction_ms INTEGER, "
            "units REAL NOT NULL, perfect_units REAL NOT NULL)")));
        ASSERT_TRUE(
            sql.exec(QStringLiteral("INSERT INTO practice VALUES (1, '2026-12-01T10:00:00.000Z', "
                                    "'rr.s', 'schnell', 0, 200, 8, 6, 1, 1, 2, 830, 1.5, 2)")));
    }
    PracticeStore store(path());
    ASSERT_TRUE(store.usable());
    const auto records = store.list();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].figure, QStringLiteral("rr.s"));
    EXPECT_EQ(records[0].medianReactionMs, 830);
    PracticeRecord added;
    added.started = QDateTime(QDate(2026, 12, 2), QTime(9, 30), Qt::UTC);
    added.figure = QStringLiteral("s");
    added.tempo = QStringLiteral("wie am Tisch");
    added.spins = {{17, sorvik1::black, 420}, {3, sorvik1::noColour, std::nullopt}};
    EXPECT_TRUE(store.add(added));
    Sql sql(path());
    EXPECT_EQ(sql.value(QStringLiteral("SELECT version FROM schema_version")).toInt(),
              PracticeStore::schemaVersion);
    EXPECT_EQ(
        sql.value(QStringLiteral("SELECT count(*) FROM practice_spin WHERE reaction_ms = 420"))
            .toInt(),
        1);
}

struct ProblemCase {
    std::string name;
    QByteArray content;  // written to the file first; empty for none
    QStringList crafted; // then run on the file
    bool held = false;   // another connection holds the database while it opens
    QString driver = QStringLiteral("QSQLITE");
    PracticeStore::Problem problem;
    QString said;
};

void PrintTo(const ProblemCase& c, std::ostream* os) {
    *os << c.name;
}

class StoreProblems : public PracticeStoreTest, public testing::WithParamInterface<ProblemCase> {};

// Every problem gets its own message, never a crash, and the file stays
// byte for byte as it was.
TEST_P(StoreProblems, AreNamedAndLeaveTheFileAsItWas) {
    const ProblemCase& c = GetParam();
    if (!c.content.isEmpty()) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
    }
    if (!c.crafted.isEmpty()) {
        Sql sql(path());
        for (const QString& statement : c.crafted) {
            ASSERT_TRUE(sql.exec(statement)) << statement.toStdString();
        }
    }
    QFile before(path());
    const QByteArray bytes = before.open(QIODevice::ReadOnly) ? before.readAll() : QByteArray();
    before.close();
    {
        std::optional<Sql> holder;
        if (c.held) {
            holder.emplace(path());
            ASSERT_TRUE(holder->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        }
        PracticeStore store(path(), c.driver);
        EXPECT_EQ(store.problem(), c.problem);
        PracticeRecord record;
        EXPECT_FALSE(store.add(record));
        EXPECT_TRUE(problemText(store.problem(), path()).contains(c.said));
    }
    QFile after(path());
    EXPECT_EQ(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray(), bytes);
}

QStringList versionTable(const QStringList& values) {
    QStringList statements{QStringLiteral("CREATE TABLE schema_version (version)")};
    for (const QString& value : values) {
        statements << QStringLiteral("INSERT INTO schema_version VALUES (%1)").arg(value);
    }
    return statements;
}

using Problem = PracticeStore::Problem;
const QString unknown = QStringLiteral("unbekannte Version der Übungsdatenbank");

INSTANTIATE_TEST_SUITE_P(
    Opening, StoreProblems,
    testing::Values(ProblemCase{"no driver",
                                {},
                                {},
                                false,
                                QStringLiteral("QNOSUCHDRIVER"),
                                Problem::NoDriver,
                                QStringLiteral("Treiber")},
                    ProblemCase{"not a database",
                                QByteArray(4096, 'x'),
                                {},
                                false,
                                QStringLiteral("QSQLITE"),
                                Problem::Damaged,
                                QStringLiteral("beschädigt")},
                    ProblemCase{"newer",
                                {},
                                versionTable({QStringLiteral("99")}),
                                false,
                                QStringLiteral("QSQLITE"),
                                Problem::Newer,
                                QStringLiteral("neueren Version")},
                    ProblemCase{"far below zero",
                                {},
                                versionTable({QStringLiteral("-1000000")}),
                                false,
                                QStringLiteral("QSQLITE"),
                                Problem::UnknownVersion,
                                unknown},
                    ProblemCase{"minus one",
                                {},
                                versionTable({QStringLiteral("-1")}),
                                false,
                                QStringLiteral("QSQLITE"),
                                Problem::UnknownVersion,
                                unknown},
                    ProblemCase{"zero",
                                {},
                                versionTable({QStringLiteral("0")}),
                                false,
                                QStringLiteral("QSQLITE"),
                                Problem::UnknownVersion,
                                unknown},
                    ProblemCase{"text",
                                {},
                                versionTable({QStringLiteral("'2'")}),
                                false,
                                QStringLiteral("QSQLITE"),
                                Problem::UnknownVersion,
                                unknown},
                    ProblemCase{"fraction",
                                {},
                                versionTable({QStringLiteral("1.5")}),
                                false,
                                QStringLiteral("QSQLITE"),
                                Problem::UnknownVersion,
                                unknown},
                    ProblemCase{"two rows",
                                {},
                                versionTable({QStringLiteral("1"), QStringLiteral("2")}),
                                false,
                                QStringLiteral("QSQLITE"),
                                Problem::UnknownVersion,
                                unknown},
                    ProblemCase{"no row",
                                {},
                                versionTable({}),
                                false,
                                QStringLiteral("QSQLITE"),
                                Problem::UnknownVersion,
                                unknown},
                    ProblemCase{"held by another program",
                                {},
                                versionTable({QStringLiteral("2")}),
                                true,
                                QStringLiteral("QSQLITE"),
                                Problem::Locked,
                                QStringLiteral("von einem anderen Programm benutzt")}));

struct CauseCase {
    std::string name;
    int sqliteCode;
    bool folderWritable;
    bool fileWritable;
    PracticeStore::Problem problem;
    QString said;
};

void PrintTo(const CauseCase& c, std::ostream* os) {
    *os << c.name;
}

class StoreCauses : public testing::TestWithParam<CauseCase> {};

// A failed call is said with its real cause, not guessed.
TEST_P(StoreCauses, AreNamed) {
    const CauseCase& c = GetParam();
    const Problem problem =
        PracticeStore::problemOf(c.sqliteCode, c.folderWritable, c.fileWritable);
    EXPECT_EQ(problem, c.problem);
    EXPECT_TRUE(causeText(problem, QStringLiteral("/d/uebungen.sqlite")).contains(c.said));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, StoreCauses,
    testing::Values(
        CauseCase{"busy", 5, true, true, Problem::Locked, QStringLiteral("anderen Programm")},
        CauseCase{"read-only folder", 14, false, true, Problem::ReadOnlyFolder,
                  QStringLiteral("Ordner der Verlaufsdatei /d/uebungen.sqlite ist "
                                 "schreibgeschützt")},
        CauseCase{"read-only file", 8, true, false, Problem::ReadOnlyFile,
                  QStringLiteral("Verlaufsdatei /d/uebungen.sqlite ist schreibgeschützt")},
        CauseCase{"full disk", 13, true, true, Problem::DiskFull, QStringLiteral("voll")},
        CauseCase{"damaged", 11, true, true, Problem::Damaged, QStringLiteral("beschädigt")}));

// A writer killed at 50 seeded moments: each time the database passes its
// integrity check and holds every practice with all its spins or not at all.
TEST_F(PracticeStoreTest, AWriterKilledMidWriteLeavesOnlyWholePractices) {
    sorvik1::Random delays(50);
    for (int k = 0; k < 50; ++k) {
        QProcess writer;
        writer.start(QStringLiteral(SORVIK1_PRACTICE_WRITER), {path(), QString::number(k)});
        ASSERT_TRUE(writer.waitForReadyRead(10'000)) << writer.readAllStandardError().toStdString();
        QThread::usleep(delays.below(40'000));
        writer.kill(); // SIGKILL
        writer.waitForFinished();
        Sql sql(path());
        ASSERT_EQ(sql.value(QStringLiteral("PRAGMA integrity_check")).toString(),
                  QStringLiteral("ok"))
            << "kill " << k;
        ASSERT_EQ(
            sql.value(QStringLiteral("SELECT count(*) FROM practice p WHERE spins <> (SELECT "
                                     "count(*) FROM practice_spin s WHERE s.practice_id = p.id)"))
                .toInt(),
            0)
            << "kill " << k;
        ASSERT_EQ(
            sql.value(QStringLiteral("SELECT count(*) FROM practice_spin WHERE practice_id NOT IN "
                                     "(SELECT id FROM practice)"))
                .toInt(),
            0)
            << "kill " << k;
    }
    EXPECT_GT(PracticeStore(path()).list().size(), 0u);
}

} // namespace
