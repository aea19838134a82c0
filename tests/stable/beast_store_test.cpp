// The store: rows in and out, pruning, the settings, the upgrade from the
// first version, and every bad file: damaged, newer, in use, unwritable,
// full. Each bad case keeps working in memory and says why.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <random>

#include "data/builtin_data.h"
#include "ui/store/BeastJson.h"
#include "ui/store/BeastStore.h"
#include "ui/store/StoreSchema.h"

namespace {

StoredBeast Row(const QString& name, int books = 0)
{
    TPet beast(CatalogueLines());
    beast.LoadTemplate(name.toStdString());
    beast.Skills = {"必杀"};
    StoredBeast row = StoredBeast::Of(beast, "普通", {books, 1, 2, 3});
    row.name = name + " 收";
    row.note = "备注";
    return row;
}

QString Scalar(const QString& path, const QString& sql)
{
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "probe");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        if (query.exec(sql) && query.next())
            value = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase("probe");
    return value;
}

class Store : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path() const { return dir.filePath("beasts.sqlite"); }
};

}  // namespace

TEST_F(Store, KeepsRowsAcrossRunsWithEveryColumn)
{
    qint64 kept = 0;
    {
        BeastStore store;
        ASSERT_TRUE(store.Open(Path())) << store.Problem().toStdString();
        EXPECT_EQ(store.Run(), 1);
        // The entry changed last is the run's last beast, whenever it began.
        const auto at = [](StoredBeast row, qint64 changed) {
            row.changed = changed;
            return row;
        };
        const qint64 first = store.AddHistory(at(Row("凤凰", 4), 1));
        store.AddHistory(at(Row("蛟龙"), 2));
        store.UpdateHistory(first, at(Row("凤凰", 9), 3));
        kept = store.Keep(Row("凤凰", 7));
        store.SetSetting("k", "值");
    }
    BeastStore store;
    ASSERT_TRUE(store.Open(Path()));
    EXPECT_EQ(store.Run(), 2);
    const auto history = store.History();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].templateName, "凤凰");
    EXPECT_EQ(history[0].counters, (BookRecord::BeastCounters{9, 1, 2, 3}));
    EXPECT_EQ(history[0].skills, "必杀");
    EXPECT_EQ(history[0].skillCount, 1);
    EXPECT_EQ(history[0].run, 1);
    const auto last = store.LastOfPreviousRun();
    ASSERT_TRUE(last);
    EXPECT_EQ(last->templateName, "凤凰");
    EXPECT_EQ(last->counters.BooksUsed, 9);
    const auto found = store.Find(BeastStore::Table::Stable, kept);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "凤凰 收");
    EXPECT_EQ(found->note, "备注");
    EXPECT_EQ(found->counters.BooksUsed, 7);
    EXPECT_EQ(found->beast, Row("凤凰").beast);
    EXPECT_EQ(store.Setting("k"), "值");
    EXPECT_EQ(store.Setting("missing", "缺"), "缺");
    EXPECT_EQ(Scalar(Path(), "PRAGMA journal_mode"), "wal");
}

TEST_F(Store, StableRenameRemoveAndRestore)
{
    BeastStore store;
    ASSERT_TRUE(store.Open(Path()));
    QSignalSpy changed(&store, &BeastStore::StableChanged);
    const qint64 id = store.Keep(Row("凤凰"));
    EXPECT_TRUE(store.Rename(id, "新名", "新备注"));
    auto row = store.Find(BeastStore::Table::Stable, id);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->name, "新名");
    EXPECT_TRUE(store.Remove(id));
    EXPECT_FALSE(store.Remove(id));
    EXPECT_TRUE(store.Stable().empty());
    store.Restore(*row);
    ASSERT_EQ(store.Stable().size(), 1u) << store.Problem().toStdString();
    EXPECT_EQ(store.Stable()[0].id, id);
    EXPECT_EQ(store.Stable()[0].name, "新名");
    EXPECT_FALSE(store.Rename(id + 1, "x", ""));
    EXPECT_GE(changed.count(), 4);
}

TEST_F(Store, HistoryKeepsTheNewestThousand)
{
    BeastStore store;
    ASSERT_TRUE(store.Open(Path()));
    qint64 first = 0;
    for (int k = 0; k < BeastStore::HistoryLimit + 5; ++k) {
        StoredBeast row = Row("凤凰", k);
        row.changed = 1000 + k;
        const qint64 id = store.AddHistory(row);
        first = first ? first : id;
    }
    const auto history = store.History();
    ASSERT_EQ(history.size(), static_cast<std::size_t>(BeastStore::HistoryLimit));
    EXPECT_EQ(history.front().counters.BooksUsed, 5);
    EXPECT_FALSE(store.Find(BeastStore::Table::History, first));
}

TEST_F(Store, UpgradesAFirstVersionFileKeepingItsRows)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "v1");
        db.setDatabaseName(Path());
        ASSERT_TRUE(db.open());
        ASSERT_EQ(StoreSchema::Create(db, 1), "");
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("INSERT INTO history(run, changed, template, grade, skills, skill_count, books, beast)"
                               " VALUES(3, 5, '凤凰', '极品', '必杀', 1, 6, '{}')"));
        ASSERT_TRUE(query.exec("INSERT INTO settings VALUES('planner/targets', '必杀')"));
    }
    QSqlDatabase::removeDatabase("v1");
    BeastStore store;
    ASSERT_TRUE(store.Open(Path())) << store.Problem().toStdString();
    EXPECT_EQ(Scalar(Path(), "SELECT version FROM schema_version"), "2");
    const auto history = store.History();
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].grade, "极品");
    EXPECT_EQ(history[0].counters, (BookRecord::BeastCounters{6, 0, 0, 0}));
    EXPECT_EQ(store.Run(), 4);
    EXPECT_EQ(store.Setting("planner/targets"), "必杀");
    EXPECT_GT(store.Keep(Row("凤凰")), 0);
}

TEST_F(Store, ADamagedFileIsMovedAsideAndTheRunGoesOnInMemory)
{
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    std::mt19937 random(7);
    QByteArray junk(8192, 0);
    for (char& c : junk)
        c = static_cast<char>(random());
    file.write(junk);
    file.close();
    BeastStore store;
    EXPECT_FALSE(store.Open(Path()));
    EXPECT_FALSE(store.Saving());
    EXPECT_TRUE(store.Problem().contains("已损坏")) << store.Problem().toStdString();
    EXPECT_TRUE(store.Problem().contains("不会保留"));
    EXPECT_FALSE(QFile::exists(Path()));
    const QStringList aside = QDir(dir.path()).entryList({"beasts.sqlite.damaged-*"});
    ASSERT_EQ(aside.size(), 1);
    QFile moved(dir.filePath(aside[0]));
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), junk);
    EXPECT_GT(store.AddHistory(Row("凤凰")), 0);
    EXPECT_EQ(store.History().size(), 1u);
}

TEST_F(Store, ANewerFileIsLeftAlone)
{
    {
        BeastStore first;
        ASSERT_TRUE(first.Open(Path()));
        first.AddHistory(Row("凤凰"));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
        db.setDatabaseName(Path());
        db.open();
        QSqlQuery(db).exec("UPDATE schema_version SET version = 9");
    }
    QSqlDatabase::removeDatabase("newer");
    BeastStore store;
    EXPECT_FALSE(store.Open(Path()));
    EXPECT_TRUE(store.Problem().contains("存档版本 9")) << store.Problem().toStdString();
    store.AddHistory(Row("蛟龙"));
    EXPECT_EQ(Scalar(Path(), "SELECT count(*) FROM history"), "1");
    EXPECT_EQ(Scalar(Path(), "SELECT version FROM schema_version"), "9");
}

TEST_F(Store, ASecondCopyWorksInMemoryOnACopyOfTheRows)
{
    BeastStore first;
    ASSERT_TRUE(first.Open(Path()));
    first.AddHistory(Row("凤凰"));
    BeastStore second;
    EXPECT_FALSE(second.Open(Path()));
    EXPECT_TRUE(second.Problem().contains("另一个正在运行")) << second.Problem().toStdString();
    EXPECT_EQ(second.History().size(), 1u);
    second.AddHistory(Row("蛟龙"));
    EXPECT_EQ(first.History().size(), 1u);
}

TEST_F(Store, AFolderThatCannotBeMadeIsNamed)
{
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    BeastStore store;
    EXPECT_FALSE(store.Open(dir.filePath("file/sub/beasts.sqlite")));
    EXPECT_TRUE(store.Problem().contains("无法建立")) << store.Problem().toStdString();
    EXPECT_GT(store.AddHistory(Row("凤凰")), 0);
}

TEST_F(Store, AFullDiskStopsSavingAndKeepsWhatWasThere)
{
    BeastStore store;
    ASSERT_TRUE(store.Open(Path()));
    const qint64 first = store.AddHistory(Row("凤凰"));
    QSignalSpy stopped(&store, &BeastStore::SavingStopped);
    {
        // SQLite's own cap on the file's size: the next write finds it full.
        QSqlQuery query(QSqlDatabase::database(store.ConnectionName()));
        ASSERT_TRUE(query.exec("PRAGMA max_page_count = 1") || true);
        QSqlQuery count(QSqlDatabase::database(store.ConnectionName()));
        ASSERT_TRUE(count.exec("PRAGMA page_count") && count.next());
        ASSERT_TRUE(query.exec(QString("PRAGMA max_page_count = %1").arg(count.value(0).toInt())));
    }
    StoredBeast big = Row("蛟龙");
    big.beast = QByteArray(64 * 1024, 'x');
    EXPECT_GT(store.AddHistory(big), 0);
    ASSERT_EQ(stopped.count(), 1);
    EXPECT_TRUE(store.Problem().contains("磁盘已满")) << store.Problem().toStdString();
    EXPECT_FALSE(store.Saving());
    const auto history = store.History();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].id, first);
    EXPECT_EQ(Scalar(Path(), "SELECT count(*) FROM history"), "1");
}

TEST(BeastJson, EveryFieldSurvives)
{
    TPet beast(CatalogueLines());
    ASSERT_TRUE(beast.LoadTemplate("凤凰"));
    beast.Name = "名\"字\\";
    beast.Level = 99;
    beast.Hp = -5;
    beast.Aptitudes = {1, 2, 3, 4, 5, 6, 2147483647};
    beast.Growth = 0.1 + 0.2;
    beast.Element = "水";
    beast.Skills = {"必杀", "必杀", ""};
    beast.CertifiedSkill = "落岩";
    const auto back = BeastJson::Read(BeastJson::Write(beast), CatalogueLines());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Name, beast.Name);
    EXPECT_EQ(back->Hp, -5);
    EXPECT_EQ(back->Aptitudes, beast.Aptitudes);
    EXPECT_EQ(back->Growth, beast.Growth);
    EXPECT_EQ(back->Skills, beast.Skills);
    EXPECT_EQ(back->CertifiedSkill, "落岩");
    EXPECT_EQ(back->GrowthChoices, beast.GrowthChoices);
    EXPECT_FALSE(BeastJson::Read("[1]", CatalogueLines()));
    EXPECT_FALSE(BeastJson::Read("{\"growth\":1}", CatalogueLines()));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
