#include "ui/session/BeastCommand.h"

#include <utility>

#include "ui/session/BeastSession.h"

BeastCommand::BeastCommand(BeastSession& session, const QString& text, Side before, Side after)
    : QUndoCommand(text), session_(session), before_(std::move(before)), after_(std::move(after))
{
}

void BeastCommand::undo()
{
    session_.Restore(before_, BeastChange::Kind::Undo, text().toStdString());
}

void BeastCommand::redo()
{
    // QUndoStack::push redoes the command; the change it stands for has
    // already been made and announced.
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    session_.Restore(after_, BeastChange::Kind::Redo, text().toStdString());
}
