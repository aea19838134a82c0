#include "ui/PlanPlayBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "engine/pet.h"
#include "ui/model/BeastChange.h"
#include "ui/session/BeastSession.h"
#include "ui/widgets/CostChart.h"
#include "ui/widgets/JoinedLines.h"
#include "ui/widgets/ReturnPressesButton.h"

namespace {
QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    new ReturnPressesButton(button);
    return button;
}

}  // namespace

PlanPlayBox::PlanPlayBox(BeastSession& session, std::function<std::shared_ptr<const PlanPlayer>()> makePlayer,
                         QWidget* parent)
    : QGroupBox("打到目标", parent), session_(session), makePlayer_(std::move(makePlayer))
{
    setObjectName("PlanPlayBox");
    if (session_.HasBeast()) {
        skills_ = session_.Beast().Skills;
        certified_ = session_.Beast().CertifiedSkill;
    }
    new QGridLayout(this);
    createPlay();
    createSimulation();
    connect(&session_, &BeastSession::SimulationProgress, this, [this](quint64 runs) {
        if (simulating_)
            Progress->setValue(static_cast<int>(runs));
    });
    connect(&session_, &BeastSession::SimulationFinished, this, [this](const std::vector<int64_t>& costs) {
        if (simulating_)
            simulated(costs);
    });
    setRunning(false);
}

void PlanPlayBox::createPlay()
{
    auto* grid = static_cast<QGridLayout*>(layout());
    PlayButton = Button("PlayButton", "打到目标", this);
    StopButton = Button("PlayStopButton", "停止", this);
    Visible = new QCheckBox("逐本显示", this);
    Visible->setObjectName("PlayVisible");
    Visible->setAccessibleName(Visible->text());
    Visible->setChecked(true);
    Limit = new QSpinBox(this);
    Limit->setObjectName("PlayLimit");
    Limit->setRange(1, 100000);
    Limit->setValue(1000);
    Limit->setPrefix("最多 ");
    Limit->setSuffix(" 本");
    Limit->setAccessibleName("最多打几本");
    grid->addWidget(PlayButton, 0, 0);
    grid->addWidget(StopButton, 0, 1);
    grid->addWidget(Visible, 1, 0);
    grid->addWidget(Limit, 1, 1);
    Ledger = new QLabel(this);
    Ledger->setObjectName("Ledger");
    Ledger->setTextFormat(Qt::PlainText);
    Ledger->setWordWrap(true);
    grid->addWidget(Ledger, 2, 0, 1, 2);
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &PlanPlayBox::playNext);
    connect(PlayButton, &QPushButton::clicked, this, &PlanPlayBox::play);
    connect(StopButton, &QPushButton::clicked, this, &PlanPlayBox::stop);
}

void PlanPlayBox::createSimulation()
{
    auto* grid = static_cast<QGridLayout*>(layout());
    SimulateButton = Button("SimulateButton", QString("模拟 %1 次").arg(SimulatedRuns), this);
    SimulateButton->setAccessibleDescription("在召唤兽的副本上按规划打到目标，当前召唤兽不变");
    SimulateButton->setToolTip(SimulateButton->accessibleDescription());
    Progress = new QProgressBar(this);
    Progress->setObjectName("SimulateProgress");
    Progress->setAccessibleName("模拟进度");
    Progress->setRange(0, SimulatedRuns);
    Progress->setValue(0);
    Progress->setFormat("%v / %m 次");
    Chart = new CostChart(this);
    grid->addWidget(SimulateButton, 3, 0);
    grid->addWidget(Progress, 3, 1);
    grid->addWidget(Chart, 4, 0, 1, 2);
    connect(SimulateButton, &QPushButton::clicked, this, &PlanPlayBox::simulate);
}

void PlanPlayBox::ShowChange(const BeastChange& change)
{
    skills_ = change.after.Skills;
    certified_ = change.after.CertifiedSkill;
}

bool PlanPlayBox::Playing() const
{
    return timer_->isActive();
}

void PlanPlayBox::play()
{
    player_ = makePlayer_();
    if (!player_ || !session_.HasBeast())
        return;
    const PlanState start = player_->StateOf(skills_, certified_);
    ledger_.emplace(player_->Plan().Figures(start).Cost, player_->Plan().QuickQuantiles(start));
    Ledger->setText(JoinedLines(ledger_->Lines()));
    setRunning(true);
    timer_->start(Visible->isChecked() ? PlayInterval : 0);
}

void PlanPlayBox::playNext()
{
    const PlanPlayer::Step step = player_->Next(skills_, certified_);
    if (step.Book.empty()) {
        finishPlay("目标已经达成。");
        return;
    }
    if (ledger_->Books() >= static_cast<uint64_t>(Limit->value())) {
        finishPlay(QString("打满 %1 本，停下。").arg(Limit->value()));
        return;
    }
    ledger_->Note(step.Action, step.Price);
    session_.HitBook(step.Book);
    Ledger->setText(JoinedLines(ledger_->Lines()));
}

void PlanPlayBox::finishPlay(const QString& why)
{
    timer_->stop();
    Ledger->setText(why + "\n" + JoinedLines(ledger_->Lines()));
    Ledger->setAccessibleName("打到目标：" + Ledger->text());
    setRunning(false);
}

void PlanPlayBox::simulate()
{
    player_ = makePlayer_();
    if (!player_ || !session_.StartSimulation(player_, SimulatedRuns, static_cast<uint64_t>(Limit->value())))
        return;
    simulating_ = true;
    Progress->setValue(0);
    setRunning(true);
}

void PlanPlayBox::simulated(const std::vector<int64_t>& costs)
{
    simulating_ = false;
    Progress->setValue(static_cast<int>(costs.size()));
    if (!costs.empty()) {
        const int64_t highest = *std::max_element(costs.begin(), costs.end());
        const PlanState start = player_->StateOf(skills_, certified_);
        Chart->SetSpread(CostSpread::Of(costs, player_->Plan().CostDistribution(start, highest)));
    }
    setRunning(false);
}

void PlanPlayBox::stop()
{
    if (timer_->isActive())
        finishPlay("已停止。");
    else if (simulating_)
        session_.StopWork();
}

void PlanPlayBox::setRunning(bool running)
{
    PlayButton->setEnabled(!running);
    SimulateButton->setEnabled(!running);
    Visible->setEnabled(!running);
    Limit->setEnabled(!running);
    StopButton->setEnabled(running);
    emit Running(running);
}
