#include "ui/store/BeastStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QVariant>

#include "ui/store/StoreSchema.h"

namespace {

const QString SqliteFull = QStringLiteral("13");
const QString NothingSaved = QStringLiteral("本次只记在内存里，关闭程序后不会保留。");

// The columns both tables share, in the order Bind and RowFrom use them.
const QStringList Shared = {"changed", "template",  "grade",       "skills", "skill_count",
                            "books",   "new_slots", "overwritten", "refused"};

// An empty text, never NULL, for the NOT NULL columns.
QString Text(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

void Bind(QSqlQuery& query, const StoredBeast& row)
{
    query.bindValue(":changed", row.changed);
    query.bindValue(":template", Text(row.templateName));
    query.bindValue(":grade", Text(row.grade));
    query.bindValue(":skills", Text(row.skills));
    query.bindValue(":skill_count", row.skillCount);
    query.bindValue(":books", row.counters.BooksUsed);
    query.bindValue(":new_slots", row.counters.NewSlots);
    query.bindValue(":overwritten", row.counters.Overwritten);
    query.bindValue(":refused", row.counters.Refused);
    query.bindValue(":beast", row.beast);
}

StoredBeast RowFrom(const QSqlQuery& query, bool withBeast)
{
    const QSqlRecord record = query.record();
    const auto value = [&](const char* name) { return query.value(record.indexOf(name)); };
    StoredBeast row;
    row.id = value("id").toLongLong();
    row.changed = value("changed").toLongLong();
    row.templateName = value("template").toString();
    row.grade = value("grade").toString();
    row.skills = value("skills").toString();
    row.skillCount = value("skill_count").toInt();
    row.counters = {value("books").toInt(), value("new_slots").toInt(), value("overwritten").toInt(),
                    value("refused").toInt()};
    if (record.contains("run"))
        row.run = value("run").toLongLong();
    if (record.contains("name")) {
        row.name = value("name").toString();
        row.note = value("note").toString();
    }
    if (withBeast)
        row.beast = value("beast").toByteArray();
    return row;
}

QString Columns(bool withBeast)
{
    return Shared.join(", ") + (withBeast ? ", beast" : "");
}

QString Placeholders(const QStringList& columns)
{
    QStringList marks;
    for (const QString& column : columns)
        marks << ":" + column;
    return marks.join(", ");
}

}  // namespace

BeastStore::BeastStore(QObject* parent)
    : QObject(parent), connection_(QStringLiteral("beasts-%1").arg(reinterpret_cast<quintptr>(this)))
{
}

BeastStore::~BeastStore()
{
    if (QSqlDatabase::contains(connection_)) {
        Db().close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

QString BeastStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/beasts.sqlite";
}

QSqlDatabase BeastStore::Db() const
{
    return QSqlDatabase::database(connection_, false);
}

bool BeastStore::Open(const QString& path)
{
    path_ = path;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        SwitchToMemory("存档文件夹“" + folder + "”无法建立。" + NothingSaved, false);
        return false;
    }
    lock_ = std::make_unique<QLockFile>(path + ".lock");
    lock_->setStaleLockTime(0);  // a lock is stale only when its program is gone
    if (!lock_->tryLock(0)) {
        const bool busy = lock_->error() == QLockFile::LockFailedError;
        lock_.reset();
        if (busy)
            SwitchToMemory("另一个正在运行的本程序正在使用存档。" + NothingSaved, true);
        else
            SwitchToMemory("存档文件夹“" + folder + "”不能写入。" + NothingSaved, false);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    db.setDatabaseName(path);
    if (!db.open()) {
        SwitchToMemory("存档“" + path + "”打不开（" + db.lastError().text() + "）。" + NothingSaved, false);
        return false;
    }
    saving_ = true;
    return Prepare();
}

bool BeastStore::Prepare()
{
    int version = -1;
    QString why;
    bool walReady = false;
    {
        // The queries are gone before a switch to memory drops the connection.
        QSqlDatabase db = Db();
        QSqlQuery query(db);
        query.exec("PRAGMA busy_timeout = 2000");
        // A small page cache: the rows are read once into the lists.
        query.exec("PRAGMA cache_size = -256");
        const bool readable = query.exec("PRAGMA quick_check") && query.next() && query.value(0).toString() == "ok";
        why = query.lastError().isValid() ? query.lastError().text() : QStringLiteral("内容不完整");
        version = readable ? StoreSchema::VersionOf(db) : -1;
        if (version >= 0 && version <= StoreSchema::Current) {
            walReady = query.exec("PRAGMA journal_mode = WAL") && query.exec("PRAGMA synchronous = NORMAL");
            if (!walReady)
                why = query.lastError().text();
        }
    }
    if (version < 0) {
        MoveAside(why);
        return false;
    }
    if (version > StoreSchema::Current) {
        SwitchToMemory(QStringLiteral("存档来自更新版本的程序（存档版本 %1，本程序只认到版本 %2），原样保留。")
                               .arg(version)
                               .arg(StoreSchema::Current)
                           + NothingSaved,
                       false);
        return false;
    }
    if (!walReady) {
        SwitchToMemory("存档“" + path_ + "”不能写入（" + why + "）。" + NothingSaved, false);
        return false;
    }
    const bool made = Write([version](QSqlDatabase& target) {
        return (version == 0 ? StoreSchema::Create(target, StoreSchema::Current) : StoreSchema::Upgrade(target, version))
            .isEmpty();
    });
    if (!made || !saving_)
        return false;
    QSqlQuery query(Db());
    if (query.exec("SELECT coalesce(max(run), 0) + 1 FROM history") && query.next())
        run_ = query.value(0).toLongLong();
    return true;
}

void BeastStore::MoveAside(const QString& why)
{
    Db().close();
    QSqlDatabase::removeDatabase(connection_);
    const QString aside = path_ + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFile::exists(path_ + suffix))
            QFile::rename(path_ + suffix, aside + suffix);
    SwitchToMemory("存档文件已损坏（" + why + "），已原样移到“" + QFileInfo(aside).fileName() + "”。" + NothingSaved,
                   false);
}

void BeastStore::OpenInMemory(const QString& why)
{
    SwitchToMemory(why, false);
}

void BeastStore::SwitchToMemory(const QString& why, bool copyFile)
{
    if (QSqlDatabase::contains(connection_)) {
        Db().close();
        QSqlDatabase::removeDatabase(connection_);
    }
    lock_.reset();
    saving_ = false;
    problem_ = why;
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    db.setDatabaseName(":memory:");
    db.open();
    StoreSchema::Create(db, StoreSchema::Current);
    QSqlQuery query(db);
    if (copyFile && QFile::exists(path_)) {
        query.prepare("ATTACH DATABASE ? AS old");
        query.addBindValue(path_);
        const bool same = query.exec() && query.exec("SELECT version FROM old.schema_version") && query.next()
                          && query.value(0).toInt() == StoreSchema::Current;
        if (same) {
            for (const char* table : {"history", "stable", "settings"})
                query.exec(QStringLiteral("INSERT INTO main.%1 SELECT * FROM old.%1").arg(table));
            query.exec("DETACH DATABASE old");
        }
    }
    if (query.exec("SELECT coalesce(max(run), 0) + 1 FROM history") && query.next())
        run_ = query.value(0).toLongLong();
}

bool BeastStore::Write(const std::function<bool(QSqlDatabase&)>& work)
{
    failure_ = {};
    {
        // Released before a switch to memory removes the connection.
        QSqlDatabase db = Db();
        if (db.transaction() && work(db) && db.commit())
            return true;
        if (!failure_.isValid())
            failure_ = db.lastError();
        db.rollback();
    }
    if (!saving_)
        return false;
    const bool full = failure_.nativeErrorCode() == SqliteFull;
    SwitchToMemory((full ? QStringLiteral("磁盘已满，存档写不进去。") : "存档写入失败（" + failure_.text() + "）。")
                       + NothingSaved,
                   true);
    emit SavingStopped(problem_);
    QSqlDatabase memory = Db();
    return memory.transaction() && work(memory) && memory.commit();
}

bool BeastStore::Ran(QSqlQuery& query)
{
    if (query.exec())
        return true;
    failure_ = query.lastError();
    return false;
}

qint64 BeastStore::AddHistory(StoredBeast row)
{
    row.run = run_;
    qint64 id = 0;
    Write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        const QStringList columns = QStringList{"run"} + Shared + QStringList{"beast"};
        query.prepare("INSERT INTO history(" + columns.join(", ") + ") VALUES(" + Placeholders(columns) + ")");
        query.bindValue(":run", row.run);
        Bind(query, row);
        if (!Ran(query))
            return false;
        id = query.lastInsertId().toLongLong();
        // Beyond the limit, the entries changed longest ago go.
        query.prepare("DELETE FROM history WHERE id IN (SELECT id FROM history ORDER BY changed, id"
                      " LIMIT max(0, (SELECT count(*) FROM history) - :keep))");
        query.bindValue(":keep", HistoryLimit);
        return Ran(query);
    });
    emit HistoryChanged();
    return id;
}

void BeastStore::UpdateHistory(qint64 id, const StoredBeast& row)
{
    Write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        QStringList sets;
        for (const QString& column : Shared + QStringList{"beast"})
            sets << column + " = :" + column;
        query.prepare("UPDATE history SET " + sets.join(", ") + " WHERE id = :id");
        Bind(query, row);
        query.bindValue(":id", id);
        return Ran(query);
    });
    emit HistoryChanged();
}

std::vector<StoredBeast> BeastStore::Rows(const QString& sql, bool withBeast) const
{
    std::vector<StoredBeast> rows;
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    if (query.exec(sql))
        while (query.next())
            rows.push_back(RowFrom(query, withBeast));
    return rows;
}

std::vector<StoredBeast> BeastStore::History() const
{
    return Rows("SELECT id, run, " + Columns(false) + " FROM history ORDER BY id", false);
}

std::optional<StoredBeast> BeastStore::LastOfPreviousRun() const
{
    const auto rows = Rows(QStringLiteral("SELECT id, run, %1 FROM history WHERE run < %2 ORDER BY run DESC, changed DESC,"
                                          " id DESC LIMIT 1")
                               .arg(Columns(true))
                               .arg(run_),
                           true);
    return rows.empty() ? std::nullopt : std::optional(rows.front());
}

qint64 BeastStore::Keep(StoredBeast row)
{
    row.id = 0;
    Restore(row);
    QSqlQuery query(Db());
    return query.exec("SELECT max(id) FROM stable") && query.next() ? query.value(0).toLongLong() : 0;
}

void BeastStore::Restore(const StoredBeast& row)
{
    Write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        const QStringList columns = QStringList{"name", "note"} + Shared + QStringList{"beast"};
        const QString id = row.id ? QStringLiteral("id, ") : QString();
        query.prepare("INSERT INTO stable(" + id + columns.join(", ") + ") VALUES(" + (row.id ? ":id, " : "")
                      + Placeholders(columns) + ")");
        if (row.id)
            query.bindValue(":id", row.id);
        query.bindValue(":name", Text(row.name));
        query.bindValue(":note", Text(row.note));
        Bind(query, row);
        return Ran(query);
    });
    emit StableChanged();
}

bool BeastStore::Rename(qint64 id, const QString& name, const QString& note)
{
    bool done = false;
    Write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare("UPDATE stable SET name = :name, note = :note WHERE id = :id");
        query.bindValue(":name", Text(name));
        query.bindValue(":note", Text(note));
        query.bindValue(":id", id);
        if (!Ran(query))
            return false;
        done = query.numRowsAffected() == 1;
        return true;
    });
    emit StableChanged();
    return done;
}

bool BeastStore::Remove(qint64 id)
{
    bool done = false;
    Write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare("DELETE FROM stable WHERE id = :id");
        query.bindValue(":id", id);
        if (!Ran(query))
            return false;
        done = query.numRowsAffected() == 1;
        return true;
    });
    emit StableChanged();
    return done;
}

std::vector<StoredBeast> BeastStore::Stable() const
{
    return Rows("SELECT id, name, note, " + Columns(false) + " FROM stable ORDER BY id", false);
}

std::optional<StoredBeast> BeastStore::Find(Table table, qint64 id) const
{
    const QString sql = table == Table::History
                            ? QStringLiteral("SELECT id, run, %1 FROM history WHERE id = %2")
                            : QStringLiteral("SELECT id, name, note, %1 FROM stable WHERE id = %2");
    const auto rows = Rows(sql.arg(Columns(true)).arg(id), true);
    return rows.empty() ? std::nullopt : std::optional(rows.front());
}

QString BeastStore::Setting(const QString& key, const QString& fallback) const
{
    QSqlQuery query(Db());
    query.prepare("SELECT value FROM settings WHERE key = ?");
    query.addBindValue(key);
    return query.exec() && query.next() ? query.value(0).toString() : fallback;
}

void BeastStore::SetSetting(const QString& key, const QString& value)
{
    Write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare("INSERT OR REPLACE INTO settings(key, value) VALUES(?, ?)");
        query.addBindValue(key);
        query.addBindValue(value);
        return Ran(query);
    });
}
