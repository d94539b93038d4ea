#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// A connection of the test's own, beside the store's.
class Sql {
  public:
    explicit Sql(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~Sql() {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    Sql(const Sql&) = delete;
    Sql& operator=(const Sql&) = delete;

    bool exec(const QString& statement) {
        QSqlQuery query(QSqlDatabase::database(name, false));
        return query.exec(statement);
    }
    QVariant value(const QString& statement) {
        QSqlQuery query(QSqlDatabase::database(name, false));
        return query.exec(statement) && query.next() ? query.value(0) : QVariant();
    }

  private:
    const QString name = QStringLiteral("test");
};
