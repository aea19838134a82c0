#pragma once
// One change of the beast on the session's undo stack: the beast and its
// grade before and after, and what the change was ("第 32 本 高级必杀").
// The change has happened when the command is pushed, so its first redo
// does nothing; later undos and redos go back through the session, which
// notes them in the record and announces them like any change.

#include <QUndoCommand>

#include "engine/pet.h"
#include "ui/model/RollGrade.h"

class BeastSession;

class BeastCommand : public QUndoCommand {
public:
    struct Side {
        TPet Beast{{}};
        RollGrade::Result Grade;
        qint64 Entry = 0;  // the history entry the beast is (0: none yet)
    };

    BeastCommand(BeastSession& session, const QString& text, Side before, Side after);

    void undo() override;
    void redo() override;

private:
    BeastSession& session_;
    Side before_;
    Side after_;
    bool pushed_ = false;
};
