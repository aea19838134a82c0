// BeastSession: the history, the stable and the share codes, that is,
// everything the session keeps in its store.

#include <QDateTime>

#include "engine/pet.h"
#include "ui/CurrentBeast.h"
#include "ui/model/BeastCode.h"
#include "ui/session/BeastSession.h"
#include "ui/session/StableCommand.h"
#include "ui/store/BeastJson.h"

namespace {
QString GradeText(const RollGrade::Result& grade)
{
    return QString::fromStdString(RollGrade::MarkText(grade));
}
}  // namespace

void BeastSession::AttachStore(BeastStore* store)
{
    store_ = store;
    entry_ = 0;
    if (!store_)
        return;
    connect(store_, &BeastStore::SavingStopped, this, [this](const QString& why) { Tell(why.toStdString()); });
    if (CurrentBeast)
        entry_ = store_->AddHistory(StoredBeast::Of(*CurrentBeast, GradeText(grade_), record_.Beast()));
}

void BeastSession::Remember(const BeastChange& change)
{
    using Kind = BeastChange::Kind;
    const qint64 pending = std::exchange(pendingEntry_, 0);
    if (!store_ || change.kind == Kind::NoBook || change.kind == Kind::Stable)
        return;
    const StoredBeast row = StoredBeast::Of(change.after, GradeText(change.grade), change.counters);
    const bool fresh = change.kind == Kind::Roll || change.kind == Kind::RollSearch
                       || ((change.kind == Kind::Recall || change.kind == Kind::Undo || change.kind == Kind::Redo)
                           && pending == 0);
    if (change.kind == Kind::Recall || change.kind == Kind::Undo || change.kind == Kind::Redo)
        entry_ = pending;
    if (fresh)
        entry_ = store_->AddHistory(row);
    else
        store_->UpdateHistory(entry_, row);
}

void BeastSession::Bring(const TPet& beast, const RollGrade::Result& grade, const BookRecord::BeastCounters& counters,
                         const std::string& line, qint64 entry)
{
    BeastChange change;
    change.kind = BeastChange::Kind::Recall;
    change.name = beast.Name;
    change.detail = line;
    change.before = *CurrentBeast;
    const uint64_t written = record_.LinesWritten();
    *CurrentBeast = beast;
    change.after = beast;
    record_.NoteRecall(line, beast, counters);
    grade_ = grade;
    pendingEntry_ = entry;
    Publish(std::move(change), written);
}

bool BeastSession::BringRow(const StoredBeast& row, const std::string& action, const std::string& whence,
                            qint64 entry)
{
    const std::optional<TPet> beast = BeastJson::Read(row.beast, CurrentBeast->Catalogue);
    if (!beast) {
        Tell("这一条读不出来，没有取回");
        return false;
    }
    // A beast that left its roll (不评级) stays ungraded.
    const RollGrade::Result grade = row.grade == "不评级" ? RollGrade::Result{} : RollGrade::Of(*beast);
    Bring(*beast, grade, row.counters, action + beast->Name + whence, entry);
    return true;
}

bool BeastSession::Recall(BeastStore::Table table, qint64 id)
{
    if (!HasBeast() || !store_)
        return false;
    const std::optional<StoredBeast> row = store_->Find(table, id);
    if (!row)
        return false;
    const bool history = table == BeastStore::Table::History;
    const std::string whence = !history ? "（收藏“" + row->name.toStdString() + "”）"
                               : row->run < store_->Run() ? "（上次及更早）"
                                                          : "";
    return BringRow(*row, "取回 ", whence, history ? id : 0);
}

bool BeastSession::ContinueLast()
{
    if (!HasBeast() || !store_)
        return false;
    const std::optional<StoredBeast> last = store_->LastOfPreviousRun();
    return last && BringRow(*last, "继续上次 ", "", last->id);
}

std::string BeastSession::PasteCode(const std::string& code)
{
    if (!HasBeast())
        return "现在不能粘贴";
    const BeastCode::Decoded decoded = BeastCode::Decode(code, CurrentBeast->Catalogue);
    if (!decoded.beast)
        return decoded.error;
    Bring(*decoded.beast, RollGrade::Of(*decoded.beast), {}, "粘贴代码 " + decoded.beast->Name, 0);
    return {};
}

std::string BeastSession::CopyCode(std::string& problem) const
{
    if (!CurrentBeast) {
        problem = "还没有召唤兽";
        return {};
    }
    problem = BeastCode::Problem(*CurrentBeast);
    return problem.empty() ? BeastCode::Encode(*CurrentBeast) : std::string();
}

QString BeastSession::DefaultKeepName() const
{
    if (!CurrentBeast)
        return {};
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromStdString(CurrentBeast->Name), GradeText(grade_),
             QDateTime::currentDateTime().toString("MM-dd HH:mm"));
}

qint64 BeastSession::Keep(const QString& name, const QString& note)
{
    if (!CurrentBeast || !store_)
        return 0;
    StoredBeast row = StoredBeast::Of(*CurrentBeast, GradeText(grade_), record_.Beast());
    row.name = name.trimmed().isEmpty() ? DefaultKeepName() : name.trimmed();
    row.note = note;
    const qint64 id = store_->Keep(row);
    Tell("已收藏“" + row.name.toStdString() + "”");
    return id;
}

bool BeastSession::RenameKept(qint64 id, const QString& name, const QString& note)
{
    if (!store_ || name.trimmed().isEmpty() || !store_->Rename(id, name.trimmed(), note))
        return false;
    Tell("收藏已改为“" + name.trimmed().toStdString() + "”");
    return true;
}

bool BeastSession::RemoveKept(qint64 id)
{
    if (!store_)
        return false;
    std::optional<StoredBeast> row = store_->Find(BeastStore::Table::Stable, id);
    if (!row || !store_->Remove(id))
        return false;
    auto* command = new StableCommand(*this, *row);
    undo_.push(command);
    Tell("已删除收藏“" + row->name.toStdString() + "”（Ctrl+Z 可撤销）");
    return true;
}

void BeastSession::Tell(const std::string& what)
{
    if (!CurrentBeast)
        return;
    BeastChange change;
    change.kind = BeastChange::Kind::Stable;
    change.detail = what;
    change.before = change.after = *CurrentBeast;
    change.grade = grade_;
    change.counters = record_.Beast();
    change.run = record_.Run();
    emit Changed(change);
}
