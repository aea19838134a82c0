#include "ui/store/StoreSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace StoreSchema {
namespace {

const QStringList Version1 = {
    "CREATE TABLE schema_version(version INTEGER NOT NULL)",
    "INSERT INTO schema_version VALUES(1)",
    "CREATE TABLE history(id INTEGER PRIMARY KEY AUTOINCREMENT, run INTEGER NOT NULL, changed INTEGER NOT NULL,"
    " template TEXT NOT NULL, grade TEXT NOT NULL, skills TEXT NOT NULL, skill_count INTEGER NOT NULL,"
    " books INTEGER NOT NULL, beast TEXT NOT NULL)",
    "CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL)",
};

const QStringList To2 = {
    "ALTER TABLE history ADD COLUMN new_slots INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE history ADD COLUMN overwritten INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE history ADD COLUMN refused INTEGER NOT NULL DEFAULT 0",
    "CREATE INDEX history_run ON history(run)",
    "CREATE TABLE stable(id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL, note TEXT NOT NULL,"
    " changed INTEGER NOT NULL, template TEXT NOT NULL, grade TEXT NOT NULL, skills TEXT NOT NULL,"
    " skill_count INTEGER NOT NULL, books INTEGER NOT NULL, new_slots INTEGER NOT NULL,"
    " overwritten INTEGER NOT NULL, refused INTEGER NOT NULL, beast TEXT NOT NULL)",
    "UPDATE schema_version SET version = 2",
};

QString Run(QSqlDatabase& db, const QStringList& statements)
{
    QSqlQuery query(db);
    for (const QString& statement : statements)
        if (!query.exec(statement))
            return query.lastError().text();
    return {};
}

}  // namespace

QString Create(QSqlDatabase& db, int version)
{
    QString error = Run(db, Version1);
    if (error.isEmpty() && version >= 2)
        error = Run(db, To2);
    return error;
}

QString Upgrade(QSqlDatabase& db, int from)
{
    return from < 2 ? Run(db, To2) : QString();
}

int VersionOf(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'schema_version'")
        || !query.next())
        return -1;
    if (query.value(0).toInt() == 0)
        return 0;
    if (!query.exec("SELECT version FROM schema_version") || !query.next())
        return -1;
    return query.value(0).toInt();
}

}  // namespace StoreSchema
