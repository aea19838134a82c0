#pragma once
// The one way the windows change CurrentBeast. Each operation stands for a
// user action: it copies the beast, calls the engine or the dialog's model,
// hands the beast before and after to the run's record, and then tells
// every view through Changed. Views (the panel, the record window, the
// status line, the planner) listen to Changed and never write the beast.
//
// Every operation needs CurrentBeast; without it (before the panel exists)
// it does nothing and emits nothing.

#include <QObject>

#include <string>

#include "ui/model/BeastChange.h"
#include "ui/model/DiyCommit.h"
#include "ui/model/ModifyModel.h"

class BeastActions : public QObject {
    Q_OBJECT
public:
    explicit BeastActions(QObject* parent = nullptr);

    // A new beast of the template (LoadBeast), even the same one again.
    void Roll(const std::string& templateName);
    // HitBook with `book`. An empty book (none chosen yet) calls nothing and
    // reports NoBook, so that a view can say why nothing happened.
    void HitBook(const std::string& book);
    // Certify with `skill`, a name the chooser listed.
    void Certify(const std::string& skill);
    // The correction dialog's "提交": the model writes name, level and points
    // and recomputes the attributes. A level text that is no number writes
    // nothing and reports no change.
    ModifyModel::CommitResult CommitCorrection(ModifyModel& model, const std::string& name,
                                               const std::string& levelText);
    // The full custom dialog's "提交". A field that does not convert writes
    // nothing and reports no change.
    DiyCommitResult CommitCustom(const DiyFields& fields);

signals:
    // After the record has noted the change; `change.after` is the beast as
    // it now stands.
    void Changed(const BeastChange& change);

private:
    void Report(BeastChange::Kind kind, std::string name, const TPet& before);
};

// The program's one instance, made by CreateWindows before any window and
// alive until DestroyWindows; nullptr outside that span.
extern BeastActions* Actions;
