#include "ui/session/StableCommand.h"

#include <utility>

#include "ui/session/BeastSession.h"

StableCommand::StableCommand(BeastSession& session, StoredBeast row)
    : QUndoCommand("删除收藏“" + row.name + "”"), session_(session), row_(std::move(row))
{
}

void StableCommand::undo()
{
    if (BeastStore* store = session_.Store()) {
        store->Restore(row_);
        session_.Tell("撤销 " + text().toStdString() + "：已放回仓库");
    }
}

void StableCommand::redo()
{
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    if (BeastStore* store = session_.Store()) {
        store->Remove(row_.id);
        session_.Tell("重做 " + text().toStdString());
    }
}
