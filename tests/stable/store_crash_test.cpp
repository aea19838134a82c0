// A child process works on the store and is killed with SIGKILL at a random
// moment, 100 times over one file: after each kill the file passes
// SQLite's integrity check and holds every action the child reported done
// (the one it may have been doing when killed may or may not be there).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <map>
#include <random>
#include <set>

namespace {

struct Reported {
    std::map<qint64, int> books;  // history id: at least these books
    std::set<qint64> kept, deleted;
    int setting = 0;
    bool busy = false;  // an action had begun and not been reported
};

Reported Read(const QByteArray& output)
{
    Reported reported;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        const char kind = line.isEmpty() ? ' ' : line[0];
        reported.busy = kind == 'B' || (reported.busy && line.isEmpty());
        if (kind == 'H' && parts.size() == 3)
            reported.books[parts[1].toLongLong()] = parts[2].toInt();
        else if (kind == 'K' && parts.size() == 2)
            reported.kept.insert(parts[1].toLongLong());
        else if (kind == 'D' && parts.size() == 2)
            reported.kept.erase(parts[1].toLongLong()), reported.deleted.insert(parts[1].toLongLong());
        else if (kind == 'S' && parts.size() == 2)
            reported.setting = parts[1].toInt();
    }
    return reported;
}

// A line cut short by the kill is dropped: only whole lines count.
QByteArray WholeLines(QByteArray output)
{
    return output.left(output.lastIndexOf('\n') + 1);
}

void Check(const QString& path, const Reported& reported, int round)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec("PRAGMA integrity_check") && query.next());
    EXPECT_EQ(query.value(0).toString(), "ok") << "round " << round;
    int missing = 0;
    for (const auto& [id, books] : reported.books) {
        query.exec(QString("SELECT books FROM history WHERE id = %1").arg(id));
        ASSERT_TRUE(query.next()) << "round " << round << ": history " << id << " lost";
        EXPECT_GE(query.value(0).toInt(), books) << "round " << round;
    }
    for (qint64 id : reported.kept) {
        query.exec(QString("SELECT count(*) FROM stable WHERE id = %1").arg(id));
        query.next();
        missing += query.value(0).toInt() == 0;
    }
    // Only the action under way at the kill may have deleted a kept row.
    EXPECT_LE(missing, reported.busy ? 1 : 0) << "round " << round;
    for (qint64 id : reported.deleted) {
        query.exec(QString("SELECT count(*) FROM stable WHERE id = %1").arg(id));
        query.next();
        EXPECT_EQ(query.value(0).toInt(), 0) << "round " << round;
    }
    query.exec("SELECT value FROM settings WHERE key = 'n'");
    EXPECT_GE(query.next() ? query.value(0).toInt() : 0, reported.setting) << "round " << round;
    query = QSqlQuery();
    db.close();
}

}  // namespace

TEST(StoreCrash, KilledAtRandomTheFileKeepsEveryReportedAction)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("beasts.sqlite");
    std::mt19937 random(12345);
    std::size_t acknowledged = 0;
    for (int round = 0; round < 100; ++round) {
        QProcess child;
        child.start(DASHU_CRASH_CHILD, {path, QString::number(round)});
        ASSERT_TRUE(child.waitForStarted());
        // The kill falls while the child works: after its first action,
        // at a random moment (a slow machine only sees fewer actions).
        QByteArray output;
        while (!output.contains("\nH ") && !output.startsWith("E ") && child.waitForReadyRead(10000))
            output += child.readAllStandardOutput();
        ASSERT_TRUE(output.contains("\nH ") || output.startsWith("E ")) << "round " << round;
        QThread::msleep(random() % 50);
        child.kill();
        child.waitForFinished();
        output = WholeLines(output + child.readAllStandardOutput());
        ASSERT_FALSE(output.startsWith("E ")) << output.toStdString();
        const Reported reported = Read(output);
        acknowledged += reported.books.size() + reported.kept.size() + reported.deleted.size();
        Check(path, reported, round);
        QSqlDatabase::removeDatabase("check");
        if (HasFatalFailure())
            return;
    }
    // Every round acknowledged at least its first action.
    EXPECT_GE(acknowledged, 100u);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
