#pragma once
// A deletion from the stable on the session's undo stack: undoing puts the
// kept beast back under its old id, redoing deletes it again. The deletion
// has happened when the command is pushed.

#include <QUndoCommand>

#include "ui/store/StoredBeast.h"

class BeastSession;

class StableCommand : public QUndoCommand {
public:
    // `row` is the deleted row, with its beast.
    StableCommand(BeastSession& session, StoredBeast row);

    void undo() override;
    void redo() override;

private:
    BeastSession& session_;
    StoredBeast row_;
    bool pushed_ = false;
};
