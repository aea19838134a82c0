#pragma once
// What the program keeps across runs: the history of every beast seen (the
// newest HistoryLimit), the stable of kept beasts, and a few settings, in
// one SQLite file (WAL; every change one transaction).
//
// Open never fails outright. When the file cannot be used (damaged, from a
// newer program, in use by another running copy, its folder unwritable) the
// store works on in memory, says why through Problem(), and saves nothing;
// a damaged file is first moved aside, never deleted or overwritten. A
// write that fails later (a full disk) does the same: what the file held
// is copied into memory and the run goes on there, announced through
// SavingStopped. Reading methods never fail; they give what there is.
//
// Not thread-safe: use from the thread that opened it.

#include <QLockFile>
#include <QObject>
#include <QSqlError>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/store/StoredBeast.h"

class QSqlDatabase;
class QSqlQuery;

class BeastStore : public QObject {
    Q_OBJECT
public:
    static constexpr int HistoryLimit = 1000;
    enum class Table { History, Stable };

    explicit BeastStore(QObject* parent = nullptr);
    ~BeastStore() override;

    // The file the program uses: beasts.sqlite in the per-user data folder.
    static QString DefaultPath();

    // Opens (or makes) the file at `path` and starts a new run. Returns
    // whether the file is in use; otherwise Problem() says why in Chinese.
    bool Open(const QString& path);
    // The Qt SQL connection, for tests that provoke failures.
    QString ConnectionName() const { return connection_; }
    // Works in memory from the start (for tests and when no file is wanted).
    void OpenInMemory(const QString& why);

    bool Saving() const { return saving_; }
    QString Problem() const { return problem_; }
    QString Path() const { return path_; }
    // This run's number; the previous run's beasts have lower numbers.
    qint64 Run() const { return run_; }

    // --- history ---------------------------------------------------------
    // Stores a new entry for this run and returns its id (0 if it failed
    // even in memory). Drops the oldest entries beyond HistoryLimit.
    qint64 AddHistory(StoredBeast row);
    // Rewrites the entry `id` with `row`'s columns (the run stays).
    void UpdateHistory(qint64 id, const StoredBeast& row);
    // Every entry, oldest first.
    std::vector<StoredBeast> History() const;
    // The newest entry of an earlier run, if any (for "继续上次").
    std::optional<StoredBeast> LastOfPreviousRun() const;

    // --- stable ----------------------------------------------------------
    // Keeps `row` (with its name and note) and returns its id.
    qint64 Keep(StoredBeast row);
    // Puts a deleted row back under its old id.
    void Restore(const StoredBeast& row);
    bool Rename(qint64 id, const QString& name, const QString& note);
    bool Remove(qint64 id);
    std::vector<StoredBeast> Stable() const;
    std::optional<StoredBeast> Find(Table table, qint64 id) const;

    // --- settings --------------------------------------------------------
    QString Setting(const QString& key, const QString& fallback = {}) const;
    void SetSetting(const QString& key, const QString& value);

signals:
    // A write failed: the store now works in memory; `why` names the cause.
    void SavingStopped(const QString& why);
    // The stable gained, lost or changed a row.
    void StableChanged();
    // The history gained or changed a row.
    void HistoryChanged();

private:
    bool Prepare();
    void MoveAside(const QString& why);
    void SwitchToMemory(const QString& why, bool copyFile);
    // Runs `statements` (with bound values) as one transaction; on failure
    // rolls back, switches to memory and runs them there once more.
    bool Write(const std::function<bool(QSqlDatabase&)>& work);
    QSqlDatabase Db() const;
    // Runs `query`; on failure keeps its error for Write's message.
    bool Ran(QSqlQuery& query);
    std::vector<StoredBeast> Rows(const QString& sql, bool withBeast) const;

    QString connection_;
    QString path_;
    QString problem_;
    bool saving_ = false;
    qint64 run_ = 1;
    std::unique_ptr<QLockFile> lock_;
    QSqlError failure_;
};
