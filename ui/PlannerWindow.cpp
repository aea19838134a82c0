#include "ui/PlannerWindow.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/PlanPlayBox.h"
#include "ui/model/BeastChange.h"
#include "ui/model/PlanPlayer.h"
#include "ui/model/PlanTargets.h"
#include "ui/model/PlanText.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/CostChart.h"
#include "ui/widgets/JoinedLines.h"

namespace {
// Where the store keeps the planner's choices.
const QString TargetsKey = QStringLiteral("planner/targets");
const QString NumbersKey = QStringLiteral("planner/prices");
const char* const ListNames[] = {"低级技能", "高级技能", "其他技能"};
}  // namespace

PlannerWindow::PlannerWindow(BeastSession& session, QWidget* mainWindow)
    : ToolWindow("PlannerWindow", "打书规划", mainWindow), session_(session)
{
    if (session_.HasBeast()) {
        skills_ = session_.Beast().Skills;
        certified_ = session_.Beast().CertifiedSkill;
    }
    setFont(SongTiFont(13));
    new QHBoxLayout(this);
    createTargetLists();
    createSettings();
    createPlan();
    resize(940, 560);
    restoreSettings();
    Refresh();
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
        for (QListWidget* list : Lists->findChildren<QListWidget*>())
            for (QListWidgetItem* item : list->findItems(target, Qt::MatchExactly))
                item->setCheckState(Qt::Checked);
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

void PlannerWindow::ShowChange(const BeastChange& change)
{
    skills_ = change.after.Skills;
    certified_ = change.after.CertifiedSkill;
    Play->ShowChange(change);
    // A hidden window solves again when shown, not on every change.
    if (isVisible())
        Refresh();
}

void PlannerWindow::PlaceNear(const QWidget* mainWindow)
{
    const QScreen* screen = mainWindow ? mainWindow->screen() : nullptr;
    if (!screen)
        return;
    // Below the main window's title bar, moved right by its width where the
    // screen has room, else as far right as the screen allows: the main
    // window's button row and book lists stay in sight where possible.
    const QRect free = screen->availableGeometry();
    const QRect main = mainWindow->geometry();
    const int x = std::max(free.left(), std::min(main.left() + 60, free.right() + 1 - width()));
    const int y = std::max(free.top(), std::min(main.top() + 60, free.bottom() + 1 - height()));
    move(x, y);
}

void PlannerWindow::createTargetLists()
{
    auto* column = new QVBoxLayout;
    Lists = new QTabWidget(this);
    Lists->setObjectName("Lists");
    Lists->setAccessibleName("目标技能");
    for (std::size_t k = 0; k < BookLists().size(); ++k) {
        auto* list = new QListWidget;
        list->setObjectName(QString("TargetList%1").arg(k + 1));
        list->setAccessibleName(QString("目标：") + ListNames[k]);
        for (const std::string& book : BookLists()[k].Items) {
            auto* item = new QListWidgetItem(QString::fromStdString(book), list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        connect(list, &QListWidget::itemChanged, this, [this, list](QListWidgetItem* item) {
            toggleTarget(item->text().toStdString(), item->checkState() == Qt::Checked, list, list->row(item));
        });
        Lists->addTab(list, ListNames[k]);
    }
    Chosen = new QLabel(this);
    Chosen->setObjectName("Chosen");
    Chosen->setWordWrap(true);
    Chosen->setTextFormat(Qt::PlainText);
    // Wide enough for the three tabs side by side.
    Lists->setMinimumWidth(Lists->tabBar()->sizeHint().width() + 8);
    column->addWidget(Lists, 1);
    column->addWidget(Chosen);
    static_cast<QHBoxLayout*>(layout())->addLayout(column, 2);
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

void PlannerWindow::createSettings()
{
    auto* column = new QVBoxLayout;
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
    FromCount = new QRadioButton("从技能数开始", box);
    FromCount->setObjectName("FromCount");
    StartSkills = makeSpin("StartSkills", 0, 24, 4);
    StartSkills->setAccessibleName("开始时的技能数");
    form->addRow(FromBeast);
    form->addRow(FromCount, StartSkills);
    for (QRadioButton* radio : {FromBeast, FromCount}) {
        radio->setAccessibleName(radio->text());
        connect(radio, &QRadioButton::toggled, this, &PlannerWindow::Refresh);
    }
    column->addWidget(box);
    HitButton = new QPushButton("按规划打下一本", this);
    HitButton->setObjectName("HitButton");
    HitButton->setAccessibleName(HitButton->text());
    connect(HitButton, &QPushButton::clicked, this, &PlannerWindow::HitButtonClick);
    column->addWidget(HitButton);
    Play = new PlanPlayBox(
        session_, [this] { return MakePlayer(); }, this);
    connect(Play, &PlanPlayBox::Running, this, &PlannerWindow::holdChoices);
    column->addWidget(Play);
    column->addStretch(1);
    static_cast<QHBoxLayout*>(layout())->addLayout(column, 2);
}

void PlannerWindow::createPlan()
{
    Plan = new QPlainTextEdit(this);
    Plan->setObjectName("Plan");
    Plan->setAccessibleName("规划");
    Plan->setReadOnly(true);
    Plan->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Plan->setTabChangesFocus(true);
    Plan->setFocusPolicy(Qt::StrongFocus);
    // The simulation's chart under the plan, where the window is widest.
    auto* column = new QVBoxLayout;
    column->addWidget(Plan, 1);
    Play->Chart->setMinimumHeight(150);
    column->addWidget(Play->Chart);
    static_cast<QHBoxLayout*>(layout())->addLayout(column, 4);
}

void PlannerWindow::toggleTarget(const std::string& name, bool checked, QListWidget* list, int row)
{
    const auto at = std::find(targets_.begin(), targets_.end(), name);
    if (checked && at == targets_.end()) {
        if (static_cast<int>(targets_.size()) >= BookPlanner::MaxTargets) {
            const QSignalBlocker quiet(list);
            list->item(row)->setCheckState(Qt::Unchecked);
            Chosen->setText(QString("最多选 %1 个目标。").arg(BookPlanner::MaxTargets));
            return;
        }
        targets_.push_back(name);
    } else if (!checked && at != targets_.end()) {
        targets_.erase(at);
    }
    Refresh();
}

void PlannerWindow::Refresh()
{
    QStringList names;
    for (const std::string& t : targets_)
        names << QString::fromStdString(t);
    Chosen->setText(QString("已选目标（%1/%2）：%3")
                        .arg(targets_.size())
                        .arg(BookPlanner::MaxTargets)
                        .arg(names.isEmpty() ? QString("无") : names.join("、")));
    StartSkills->setEnabled(FromCount->isChecked());
    const PlanReport report = PlanText::Report(PlanTargets(targets_), skills_, certified_, Settings(),
                                               FromCount->isChecked() ? StartSkills->value() : -1);
    Plan->setPlainText(JoinedLines(report.Lines));
    nextBook_ = FromBeast->isChecked() ? report.NextBook : std::string();
    HitButton->setEnabled(!nextBook_.empty() && !Play->Playing());
    HitButton->setAccessibleDescription(nextBook_.empty() ? QString() : "下一本：" + QString::fromStdString(nextBook_));
    saveSettings();
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
