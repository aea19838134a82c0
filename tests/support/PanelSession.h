#pragma once
// A beast panel with a session of its own, connected as the program connects
// them, for tests of one dialog without the main window: the session has
// rolled the run's first beast (芙蓉仙子) and the panel has drawn it. The
// panel is Form2 while it lives.

#include <memory>

#include "ui/Unit2.h"
#include "ui/session/BeastSession.h"

class PanelSession {
public:
    PanelSession() : panel_(std::make_unique<TForm2>())
    {
        Form2 = panel_.get();
        QObject::connect(&session_, &BeastSession::Changed, panel_.get(), &TForm2::ShowChange);
        session_.Start("芙蓉仙子");
    }
    ~PanelSession() { Form2 = nullptr; }
    PanelSession(const PanelSession&) = delete;
    PanelSession& operator=(const PanelSession&) = delete;

    BeastSession& Session() { return session_; }
    TForm2* Panel() const { return panel_.get(); }

private:
    BeastSession session_;
    std::unique_ptr<TForm2> panel_;
};
