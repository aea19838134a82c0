#include "ui/PlannerWindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/PlanPlayBox.h"
#include "ui/model/BeastChange.h"
#include "ui/model/PlanPlayer.h"
#include "ui/model/PlanTargets.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/BesideMain.h"
#include "ui/widgets/CostChart.h"
#include "ui/widgets/JoinedLines.h"
#include "ui/widgets/LatestOnly.h"
#include "ui/widgets/PlanCostChart.h"
#include "ui/widgets/ReturnPressesButton.h"
#include "ui/widgets/TargetLists.h"

namespace {
// Where the store keeps the planner's choices.
const QString TargetsKey = QStringLiteral("planner/targets");
const QString NumbersKey = QStringLiteral("planner/prices");
constexpr int PreferredWidth = 640;
constexpr int PreferredHeight = 700;
constexpr int NarrowestWidth = 600;

}  // namespace

PlannerWindow::PlannerWindow(BeastSession& session, QWidget* mainWindow)
    : ToolWindow("PlannerWindow", "打书规划", mainWindow), session_(session)
{
    if (session_.HasBeast()) {
        skills_ = session_.Beast().Skills;
        certified_ = session_.Beast().CertifiedSkill;
    }
    setFont(SongTiFont(13));
    costs_ = new LatestOnly(this);
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);  // the plan takes what width there is
    createTargetLists(left);
    createSettings(left);
    createPlan(right);
    resize(PreferredWidth, PreferredHeight);
    restoreSettings();
    Refresh();
}

PlannerWindow::~PlannerWindow() = default;

void PlannerWindow::ShowChange(const BeastChange& change)
{
    skills_ = change.after.Skills;
    certified_ = change.after.CertifiedSkill;
    Play->ShowChange(change);
    // A hidden window solves again when shown, not on every change.
    if (isVisible())
        Refresh();
}

void PlannerWindow::PlaceBeside(QWidget* mainWindow)
{
    const QRect place = BesideMain(mainWindow, {PreferredWidth, PreferredHeight}, NarrowestWidth, true);
    resize(place.size());
    move(place.topLeft());
}

void PlannerWindow::createTargetLists(QLayout* column)
{
    Lists = new TargetLists(this);
    connect(Lists, &TargetLists::Toggled, this, &PlannerWindow::toggleTarget);
    Chosen = new QLabel(this);
    Chosen->setObjectName("Chosen");
    Chosen->setWordWrap(true);
    Chosen->setTextFormat(Qt::PlainText);
    column->addWidget(Lists);
    static_cast<QVBoxLayout*>(column)->setStretch(0, 1);
    column->addWidget(Chosen);
}

QCheckBox* PlannerWindow::TargetBox(int list, int row) const
{
    return Lists->Box(list, row);
}

QSpinBox* PlannerWindow::makeSpin(const QString& name, int low, int high, int value)
{
    auto* spin = new QSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(low, high);
    spin->setValue(value);
    connect(spin, &QSpinBox::valueChanged, this, &PlannerWindow::Refresh);
    return spin;
}

void PlannerWindow::createSettings(QLayout* column)
{
    auto* box = new QGroupBox("价格与起点", this);
    auto* form = new QFormLayout(box);
    LowPrice = makeSpin("LowPrice", 1, BookPlanner::MaxPrice, 1);
    HighPrice = makeSpin("HighPrice", 1, BookPlanner::MaxPrice, 10);
    FillerPrice = makeSpin("FillerPrice", 1, BookPlanner::MaxPrice, 1);
    MinSkills = makeSpin("MinSkills", 0, 24, 0);
    MinSkills->setSpecialValueText("不限");
    const struct {
        const char* label;
        QSpinBox* spin;
    } rows[] = {
        {"低级书价格", LowPrice}, {"高级/其他书价格", HighPrice}, {"垫书价格", FillerPrice}, {"技能总数至少", MinSkills}};
    for (const auto& row : rows) {
        row.spin->setAccessibleName(row.label);
        form->addRow(row.label, row.spin);
    }
    FromBeast = new QRadioButton("从当前召唤兽开始", box);
    FromBeast->setObjectName("FromBeast");
    FromBeast->setChecked(true);
    FromCount = new QRadioButton("假设从", box);
    FromCount->setObjectName("FromCount");
    FromCount->setAccessibleName("假设从几个技能开始");
    StartSkills = makeSpin("StartSkills", 0, 24, 4);
    StartSkills->setSuffix(" 个技能开始");
    StartSkills->setAccessibleName("假设开始时的技能数");
    form->addRow(FromBeast);
    form->addRow(FromCount, StartSkills);
    FromBeast->setAccessibleName(FromBeast->text());
    for (QRadioButton* radio : {FromBeast, FromCount})
        connect(radio, &QRadioButton::toggled, this, &PlannerWindow::Refresh);
    column->addWidget(box);
    HitButton = new QPushButton("按规划打下一本", this);
    HitButton->setObjectName("HitButton");
    HitButton->setAccessibleName(HitButton->text());
    new ReturnPressesButton(HitButton);
    connect(HitButton, &QPushButton::clicked, this, &PlannerWindow::HitButtonClick);
    column->addWidget(HitButton);
    HitHint = new QLabel(this);
    HitHint->setObjectName("HitHint");
    HitHint->setWordWrap(true);
    HitHint->setTextFormat(Qt::PlainText);
    column->addWidget(HitHint);
    Play = new PlanPlayBox(
        session_, [this] { return MakePlayer(); }, this);
    connect(Play, &PlanPlayBox::Running, this, &PlannerWindow::holdChoices);
    column->addWidget(Play);
}

void PlannerWindow::createPlan(QLayout* column)
{
    Plan = new QPlainTextEdit(this);
    Plan->setObjectName("Plan");
    Plan->setAccessibleName("规划");
    for (QPlainTextEdit* text : {Plan, Details = new QPlainTextEdit(this)}) {
        text->setReadOnly(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setTabChangesFocus(true);
        text->setFocusPolicy(Qt::StrongFocus);
    }
    Details->setObjectName("Details");
    Details->setAccessibleName("详细规划");
    Details->hide();
    DetailsToggle = new QPushButton("详细", this);
    DetailsToggle->setObjectName("DetailsToggle");
    DetailsToggle->setCheckable(true);
    DetailsToggle->setAccessibleName("详细");
    DetailsToggle->setToolTip("显示每种情形下的打法和精确的数字");
    new ReturnPressesButton(DetailsToggle);
    connect(DetailsToggle, &QPushButton::toggled, Details, &QWidget::setVisible);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(DetailsToggle);
    column->addWidget(Plan);
    static_cast<QVBoxLayout*>(column)->addLayout(row);
    column->addWidget(Details);
    // The exact spread beside the simulated one, taking turns.
    CostChart = new PlanCostChart(this);
    auto* charts = new QTabWidget(this);
    charts->setObjectName("Charts");
    charts->setAccessibleName("花费图");
    charts->setUsesScrollButtons(false);
    charts->addTab(CostChart, "花费分布");
    charts->addTab(Play->Chart, "模拟");
    column->addWidget(charts);
    auto* box = static_cast<QVBoxLayout*>(column);
    box->setStretch(0, 3);
    box->setStretch(2, 3);
    box->setStretch(3, 2);
}

void PlannerWindow::toggleTarget(QCheckBox* box, bool checked)
{
    const std::string name = box->text().toStdString();
    const auto at = std::find(targets_.begin(), targets_.end(), name);
    if (checked && at == targets_.end()) {
        if (static_cast<int>(targets_.size()) >= BookPlanner::MaxTargets) {
            const QSignalBlocker quiet(box);
            box->setChecked(false);
            showChosen(QString("最多选 %1 个目标，先去掉一个再选。").arg(BookPlanner::MaxTargets));
            return;
        }
        targets_.push_back(name);
    } else if (!checked && at != targets_.end()) {
        targets_.erase(at);
    }
    Refresh();
}

void PlannerWindow::showChosen(const QString& notice)
{
    QStringList names;
    for (const std::string& t : targets_)
        names << QString::fromStdString(t);
    Chosen->setText(QString("已选目标（%1/%2）：%3")
                        .arg(targets_.size())
                        .arg(BookPlanner::MaxTargets)
                        .arg(names.isEmpty() ? QString("无") : names.join("、"))
                    + (notice.isEmpty() ? QString() : "\n" + notice));
}

void PlannerWindow::Refresh()
{
    showChosen();
    StartSkills->setEnabled(FromCount->isChecked());
    report_ = PlanText::Report(PlanTargets(targets_), skills_, certified_, Settings(),
                               FromCount->isChecked() ? StartSkills->value() : -1);
    nextBook_ = FromBeast->isChecked() ? report_.NextBook : std::string();
    HitButton->setEnabled(!nextBook_.empty() && !Play->Playing());
    HitButton->setAccessibleDescription(nextBook_.empty() ? QString() : "下一本：" + QString::fromStdString(nextBook_));
    // Say why the button does nothing, where the reason is not plain.
    HitHint->setText(FromCount->isChecked() && report_.Plan
                         ? "按假设的起点规划时不能打书：改回“从当前召唤兽开始”即可按规划打。"
                         : QString());
    HitHint->setVisible(!HitHint->text().isEmpty());
    showReport(nullptr);
    startCosts();
    saveSettings();
}

void PlannerWindow::showReport(const PlanCosts* costs)
{
    std::vector<std::string> lines = report_.Head;
    if (!report_.Steps.empty()) {
        lines.push_back("");
        lines.push_back("怎么打：");
        for (std::size_t k = 0; k < report_.Steps.size(); ++k)
            lines.push_back(std::to_string(k + 1) + ". " + report_.Steps[k]);
    }
    const std::vector<std::string> figures = PlanText::Figures(report_, costs);
    if (!figures.empty())
        lines.push_back("");
    lines.insert(lines.end(), figures.begin(), figures.end());
    Plan->setPlainText(JoinedLines(lines));
    const QString exact = JoinedLines(PlanText::ExactFigures(report_, costs));
    Plan->setToolTip(exact);
    Plan->setAccessibleDescription(exact);
    std::vector<std::string> details = {"每种情形的打法："};
    for (const std::string& rule : report_.Details)
        details.push_back("  " + rule);
    details.push_back("");
    for (const std::string& line : PlanText::ExactFigures(report_, costs))
        details.push_back(line);
    Details->setPlainText(report_.Plan ? JoinedLines(details) : QString());
    DetailsToggle->setEnabled(report_.Plan != nullptr);
}

void PlannerWindow::startCosts()
{
    ready_ = report_.Plan == nullptr;
    if (ready_) {
        costs_->Cancel();
        CostChart->SetCurves({}, {}, "勾选目标后这里画出花费的分布");
        emit FiguresShown();
        return;
    }
    CostChart->SetCurves({}, {});
    costs_->Start([this, report = report_](const std::atomic<bool>& cancel,
                                           const LatestOnly::Post& post) -> std::function<void()> {
        // Ranges first where the exact sums take long.
        if (const std::optional<PlanCosts> bounds = PlanText::QuickBounds(report, cancel); bounds && !cancel)
            post([this, bounds = *bounds] { showReport(&bounds); });
        const PlanCosts costs = PlanText::Costs(report, cancel);
        if (cancel)
            return {};
        // The curves reach a quarter beyond the farther 90th percentile.
        const int64_t last = std::max(costs.Plan.Percentile90, costs.Straight.Percentile90) * 5 / 4 + 1;
        auto plan = report.Plan->CostDistribution(report.From, last);
        auto straight = cancel ? std::vector<long double>{} : report.Straight->CostDistribution(report.From, last);
        return [this, costs, plan = std::move(plan), straight = std::move(straight)]() mutable {
            showReport(&costs);
            CostChart->SetCurves(std::move(plan), std::move(straight));
            CostChart->setAccessibleDescription(QString::fromStdString(PlanText::Figures(report_, &costs).front()));
            ready_ = true;
            emit FiguresShown();
        };
    });
}

PlanProblem PlannerWindow::Settings() const
{
    PlanProblem settings;
    settings.LowPrice = LowPrice->value();
    settings.HighPrice = HighPrice->value();
    settings.FillerPrice = FillerPrice->value();
    settings.MinSkills = MinSkills->value();
    return settings;
}

std::shared_ptr<const PlanPlayer> PlannerWindow::MakePlayer() const
{
    const PlanTargets targets(targets_);
    if (!PlanPlayer::Valid(targets, certified_, Settings()))
        return nullptr;
    return std::make_shared<const PlanPlayer>(targets, certified_, Settings());
}

void PlannerWindow::holdChoices(bool running)
{
    // The plan stays as it was started until the run ends.
    Lists->setEnabled(!running);
    for (QWidget* control : std::initializer_list<QWidget*>{LowPrice, HighPrice, FillerPrice, MinSkills, FromBeast,
                                                            FromCount, StartSkills})
        control->setEnabled(!running);
    if (!running)
        Refresh();
    else
        HitButton->setEnabled(false);
}

void PlannerWindow::HitButtonClick()
{
    if (!nextBook_.empty())
        session_.HitBook(nextBook_);
}

void PlannerWindow::restoreSettings()
{
    const BeastStore* store = session_.Store();
    if (!store)
        return;
    restoring_ = true;
    const QStringList numbers = store->Setting(NumbersKey).split(',');
    const std::array<QSpinBox*, 4> spins = {LowPrice, HighPrice, FillerPrice, MinSkills};
    if (numbers.size() == static_cast<int>(spins.size()))
        for (std::size_t k = 0; k < spins.size(); ++k)
            spins[k]->setValue(numbers[static_cast<int>(k)].toInt());
    // Ticked in the order they were chosen, which the plan text follows.
    for (const QString& target : store->Setting(TargetsKey).split(',', Qt::SkipEmptyParts))
        for (QCheckBox* box : Lists->Boxes())
            if (box->text() == target)
                box->setChecked(true);
    restoring_ = false;
    saved_ = SettingsText();
}

QString PlannerWindow::SettingsText() const
{
    QStringList targets;
    for (const std::string& t : targets_)
        targets << QString::fromStdString(t);
    return targets.join(',') + QStringLiteral("|%1,%2,%3,%4")
                                   .arg(LowPrice->value())
                                   .arg(HighPrice->value())
                                   .arg(FillerPrice->value())
                                   .arg(MinSkills->value());
}

void PlannerWindow::saveSettings()
{
    BeastStore* store = session_.Store();
    const QString now = SettingsText();
    if (!store || restoring_ || now == saved_)
        return;
    saved_ = now;
    store->SetSetting(TargetsKey, now.section('|', 0, 0));
    store->SetSetting(NumbersKey, now.section('|', 1));
}
