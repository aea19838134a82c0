#include "ui/Windows.h"

#include <QAction>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "ui/About.h"
#include "ui/PanelShare.h"
#include "ui/PlannerWindow.h"
#include "ui/RecordWindow.h"
#include "ui/RollWindow.h"
#include "ui/StableWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"
#include "ui/session/BeastSession.h"
#include "ui/widgets/StatusLine.h"

namespace {
BeastSession* Session = nullptr;
QPointer<RecordWindow> Record;
QPointer<PlannerWindow> Planner;
QPointer<RollWindow> Search;
QPointer<StableWindow> Stable;

// Opens the store once the main window is on screen: start-up pays
// nothing for it.
class OpenWhenExposed : public QObject {
public:
    explicit OpenWhenExposed(QString path) : QObject(Form1), path_(std::move(path)) { Form1->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            Form1->removeEventFilter(this);
            QTimer::singleShot(0, Form1, [path = path_] { OpenStore(path); });
            deleteLater();
        }
        return false;
    }

private:
    QString path_;
};

// The menu's history and stable actions, each through the stable window.
void ConnectStableActions()
{
    const std::pair<QAction*, void (StableWindow::*)()> quiet[] = {
        {Form1->CopyCodeAction, &StableWindow::CopyCode},
        {Form1->PasteCodeAction, &StableWindow::PasteCode},
        {Form1->ContinueAction, &StableWindow::ContinueLast},
        {Form1->KeepAction, &StableWindow::KeepCurrent},
    };
    for (const auto& [action, slot] : quiet)
        QObject::connect(action, &QAction::triggered, Form1, [slot = slot] { (MakeStableWindow()->*slot)(); });
    QObject::connect(Form1->HistoryAction, &QAction::triggered, Form1, &ShowStableWindow);
}

void ShowRollWindow(const std::string& templateName)
{
    if (!Search)
        Search = new RollWindow(*Session, Form1);
    Search->Open(templateName);
}

// The button row's requests for the other windows.
void ConnectMainWindow()
{
    QObject::connect(Form1, &TForm1::CertifyRequested, Form1, [](const std::vector<std::string>& skills) {
        Form3->ShowChoices(skills);
        Form3->exec();
    });
    QObject::connect(Form1, &TForm1::CorrectionRequested, Form1, [] { ModifyForm->exec(); });
    QObject::connect(Form1, &TForm1::CustomRequested, Form1, [] { DIYForm->exec(); });
    QObject::connect(Form1, &TForm1::AboutRequested, Form1, [] { AboutForm->exec(); });
    QObject::connect(Form1, &TForm1::RecordRequested, Form1, &ShowRecordWindow);
    QObject::connect(Form1, &TForm1::PlannerRequested, Form1, &ShowPlannerWindow);
    QObject::connect(Form1, &TForm1::SearchRequested, Form1, &ShowRollWindow);
}
}  // namespace

void CreateWindows()
{
    Session = new BeastSession;
    Form1 = new TForm1(*Session);
    Form2 = new TForm2;
    Form3 = new TForm3(Form1);
    ModifyForm.MakeOnFirstUse([]() -> TModifyForm* { return new TModifyForm(*Session, Form1); });
    DIYForm.MakeOnFirstUse([]() -> TDIYForm* { return new TDIYForm(*Session, Form1); });
    AboutForm.MakeOnFirstUse([]() -> TAboutForm* { return new TAboutForm(Form1); });

    Form1->SetPanel(Form2, &Form2->ImageList1);
    PanelShare::Attach(Form2, Session,
                       {Form1->UndoAction, Form1->RedoAction, Form1->HistoryAction, Form1->KeepAction,
                        Form1->CopyCodeAction, Form1->PasteCodeAction, Form1->ContinueAction},
                       [](const QString& text) { Form1->Status->SetStatus(text); });
    QObject::connect(Session, &BeastSession::Changed, Form1, &TForm1::ShowStatus);
    QObject::connect(Session, &BeastSession::Changed, Form2, &TForm2::ShowChange);
    QObject::connect(Session, &BeastSession::BusyChanged, Form1, [](bool busy) { Form1->SetActionsEnabled(!busy); });
    ConnectMainWindow();
    ConnectStableActions();
    Session->Start("芙蓉仙子");
}

void ShowMainWindow()
{
    Form1->show();
}

void OpenStoreWhenShown(const QString& path)
{
    new OpenWhenExposed(path);
}

void OpenStore(const QString& path)
{
    if (!Session || Session->Store())
        return;
    auto* store = new BeastStore(Session);
    const bool saving = store->Open(path);
    Session->AttachStore(store);
    if (!saving)
        Session->Tell(store->Problem().toStdString());
    else if (const auto last = store->LastOfPreviousRun())
        Session->Tell("上次最后一只是 " + last->templateName.toStdString() + "（" + last->grade.toStdString()
                      + "）：“继续上次”可取回，Ctrl+H 看历史与收藏");
}

void DestroyWindows()
{
    PanelShare::Attach(nullptr, nullptr);
    // The panel is a child of Panel5 once shown, and not before: delete it
    // first either way; that releases CurrentBeast.
    delete Form2;
    Form2 = nullptr;
    delete Form1;  // and with it the dialogs and the tool windows
    Form1 = nullptr;
    Form3 = nullptr;
    ModifyForm = nullptr;
    DIYForm = nullptr;
    AboutForm = nullptr;
    if (Session)
        Session->AttachStore(nullptr);
    delete Session;
    Session = nullptr;
}

BeastSession* RunSession()
{
    return Session;
}

RecordWindow* ShowRecordWindow(const std::string& book)
{
    if (!Record) {
        Record = new RecordWindow(*Session, Form1);
        Record->PlaceBeside(Form1);
        QObject::connect(Session, &BeastSession::Changed, Record, &RecordWindow::ShowChange);
        QObject::connect(Form1, &TForm1::BookChosen, Record, &RecordWindow::SetBook);
    }
    Record->SetBook(book);
    Record->Refresh();
    Record->Present();
    return Record;
}

PlannerWindow* ShowPlannerWindow()
{
    if (!Planner) {
        Planner = new PlannerWindow(*Session, Form1);
        Planner->PlaceBeside(Form1);
        QObject::connect(Session, &BeastSession::Changed, Planner, &PlannerWindow::ShowChange);
    }
    Planner->Refresh();
    Planner->Present();
    return Planner;
}

RecordWindow* ExistingRecordWindow()
{
    return Record;
}

PlannerWindow* ExistingPlannerWindow()
{
    return Planner;
}

RollWindow* ExistingRollWindow()
{
    return Search;
}

StableWindow* MakeStableWindow()
{
    if (!Stable) {
        Stable = new StableWindow(*Session, Form1);
        QObject::connect(Session, &BeastSession::Changed, Stable, &StableWindow::ShowChange);
    }
    return Stable;
}

StableWindow* ShowStableWindow()
{
    MakeStableWindow()->Present();
    return Stable;
}

StableWindow* ExistingStableWindow()
{
    return Stable;
}
