#include "ui/RollWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "data/builtin_data.h"
#include "ui/model/RollSearch.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/CentredOver.h"
#include "ui/widgets/ReturnPressesButton.h"
#include "ui/widgets/StatusLine.h"

namespace {
const char* const AptitudeNames[7] = {"攻击资质", "防御资质", "体力资质", "法力资质", "速度资质", "躲闪资质", "寿命"};
constexpr int DefaultCap = 10000;

QSpinBox* AnyOrAtLeast(const QString& name, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setSpecialValueText("不限");
    return spin;
}
}  // namespace

RollWindow::RollWindow(BeastSession& session, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), session_(session)
{
    setObjectName("RollWindow");
    setWindowTitle("洗到满意为止");
    setWindowModality(Qt::ApplicationModal);
    setFont(SongTiFont(13));
    new QVBoxLayout(this);
    createConditions();
    createRun();
    connect(&session_, &BeastSession::SearchProgress, this, &RollWindow::showProgress);
    connect(&session_, &BeastSession::SearchFinished, this, &RollWindow::finished);
}

void RollWindow::createConditions()
{
    // Two label-and-field pairs to a row, so the window fits a small screen.
    auto* box = new QGroupBox("条件", this);
    auto* grid = new QGridLayout(box);
    int cell = 0;
    const auto add = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(field);
        grid->addWidget(label, cell / 2, (cell % 2) * 2);
        grid->addWidget(field, cell / 2, (cell % 2) * 2 + 1);
        field->setAccessibleName(caption);
        ++cell;
    };
    MinLevel = new QComboBox(box);
    MinLevel->setObjectName("MinLevel");
    MinLevel->addItems({"任何评级", "优秀及以上", "极品"});
    MinGrowth = new QComboBox(box);
    MinGrowth->setObjectName("MinGrowth");
    MinBattleSum = AnyOrAtLeast("MinBattleSum", box);
    MinSkillCount = AnyOrAtLeast("MinSkillCount", box);
    add("评级至少", MinLevel);
    add("成长至少", MinGrowth);
    add("资质和至少", MinBattleSum);
    add("技能总数至少", MinSkillCount);
    for (std::size_t k = 0; k < MinAptitudes.size(); ++k) {
        MinAptitudes[k] = AnyOrAtLeast(QString("MinAptitude%1").arg(k + 1), box);
        add(QString::fromUtf8(AptitudeNames[k]) + "至少", MinAptitudes[k]);
    }
    const int row = (cell + 1) / 2;
    skillBox_ = new QWidget(box);
    new QHBoxLayout(skillBox_);
    skillBox_->layout()->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel("必须带的技能", box), row, 0);
    grid->addWidget(skillBox_, row, 1, 1, 3);
    fixedSkills_ = new QLabel(box);
    fixedSkills_->setTextFormat(Qt::PlainText);
    grid->addWidget(fixedSkills_, row + 1, 1, 1, 3);
    for (QComboBox* combo : {MinLevel, MinGrowth})
        connect(combo, &QComboBox::currentIndexChanged, this, &RollWindow::refreshOdds);
    for (QSpinBox* spin : MinAptitudes)
        connect(spin, &QSpinBox::valueChanged, this, &RollWindow::refreshOdds);
    for (QSpinBox* spin : {MinBattleSum, MinSkillCount})
        connect(spin, &QSpinBox::valueChanged, this, &RollWindow::refreshOdds);
    layout()->addWidget(box);
    Odds = new QLabel(this);
    Odds->setObjectName("Odds");
    Odds->setTextFormat(Qt::PlainText);
    Odds->setWordWrap(true);
    Odds->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout()->addWidget(Odds);
}

void RollWindow::createRun()
{
    auto* row = new QHBoxLayout;
    Cap = new QSpinBox(this);
    Cap->setObjectName("Cap");
    Cap->setRange(1, 1000000);
    Cap->setValue(DefaultCap);
    Cap->setSuffix(" 只");
    Cap->setAccessibleName("最多洗几只");
    auto* capLabel = new QLabel("最多洗", this);
    capLabel->setBuddy(Cap);
    row->addWidget(capLabel);
    row->addWidget(Cap);
    row->addStretch(1);
    StartButton = new QPushButton("开始", this);
    StartButton->setObjectName("StartButton");
    StopButton = new QPushButton("停止", this);
    StopButton->setObjectName("StopButton");
    auto* close = new QPushButton("关闭", this);
    close->setObjectName("CloseButton");
    for (QPushButton* button : {StartButton, StopButton, close}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
        new ReturnPressesButton(button);
        row->addWidget(button);
    }
    StartButton->setDefault(true);
    connect(StartButton, &QPushButton::clicked, this, &RollWindow::start);
    connect(StopButton, &QPushButton::clicked, &session_, &BeastSession::StopWork);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    Progress = new QProgressBar(this);
    Progress->setObjectName("Progress");
    Progress->setAccessibleName("进度");
    Progress->setFormat("已洗 %v / %m 只");
    layout()->addWidget(Progress);
    Result = new StatusLine("结果：", this);
    Result->setObjectName("Result");
    Result->setMinimumWidth(360);
    layout()->addWidget(Result);
    setRunning(false);
}

void RollWindow::Open(const std::string& templateName)
{
    if (templateName != template_) {
        template_ = templateName;
        fillForTemplate();
    }
    setWindowTitle("洗到满意为止：" + QString::fromStdString(template_));
    refreshOdds();
    adjustSize();
    setGeometry(CentredOver(parentWidget() ? parentWidget()->window() : nullptr, this));
    open();
}

void RollWindow::fillForTemplate()
{
    RollSearch::TemplateOf(CatalogueLines(), template_, templateBeast_);
    const QSignalBlocker quietLevel(MinLevel);
    const QSignalBlocker quietGrowth(MinGrowth);
    MinLevel->setCurrentIndex(0);
    MinGrowth->clear();
    MinGrowth->addItem("任何成长");
    std::vector<std::string> growths;
    TPet::SplitText(templateBeast_.GrowthChoices, ',', growths);
    for (const std::string& growth : growths)
        MinGrowth->addItem(QString::fromStdString(growth));
    int battleTop = 0;
    for (std::size_t k = 0; k < MinAptitudes.size(); ++k) {
        const QSignalBlocker quiet(MinAptitudes[k]);
        const RollGrade::Range range = RollGrade::RangeOf(templateBeast_.TemplateAptitudes[k]);
        MinAptitudes[k]->setRange(range.Low - 1, range.High);
        MinAptitudes[k]->setValue(range.Low - 1);
        MinAptitudes[k]->setToolTip(QString("%1～%2").arg(range.Low).arg(range.High));
        if (k < 6)
            battleTop += range.High;
    }
    {
        const QSignalBlocker quiet(MinBattleSum);
        MinBattleSum->setRange(0, battleTop);
        MinBattleSum->setValue(0);
    }
    qDeleteAll(Skills);
    Skills.clear();
    std::vector<std::string> innate;
    TPet::SplitText(templateBeast_.InnateSkills, ',', innate);
    for (const std::string& skill : innate) {
        auto* check = new QCheckBox(QString::fromStdString(skill), skillBox_);
        check->setObjectName(QString("Skill%1").arg(Skills.size() + 1));
        check->setAccessibleName("必须带 " + check->text());
        connect(check, &QCheckBox::toggled, this, &RollWindow::refreshOdds);
        skillBox_->layout()->addWidget(check);
        Skills.push_back(check);
    }
    std::vector<std::string> fixed;
    TPet::SplitText(templateBeast_.FixedSkills, ',', fixed);
    std::erase(fixed, std::string());
    QStringList fixedNames;
    for (const std::string& skill : fixed)
        fixedNames << QString::fromStdString(skill);
    fixedSkills_->setText("总会带：" + fixedNames.join("、"));
    fixedSkills_->setVisible(!fixedNames.isEmpty());
    const QSignalBlocker quiet(MinSkillCount);
    MinSkillCount->setRange(0, static_cast<int>(innate.size() + fixed.size()));
    MinSkillCount->setValue(0);
}

RollTarget RollWindow::Target() const
{
    RollTarget target;
    const RollGrade::Level levels[] = {RollGrade::Level::Common, RollGrade::Level::Good, RollGrade::Level::Superb};
    target.MinLevel = levels[std::max(0, MinLevel->currentIndex())];
    target.MinGrowth = MinGrowth->currentIndex() > 0 ? MinGrowth->currentText().toDouble() : 0.0;
    target.MinBattleSum = MinBattleSum->value();
    for (std::size_t k = 0; k < MinAptitudes.size(); ++k)
        target.MinAptitudes[k] = MinAptitudes[k]->value() == MinAptitudes[k]->minimum() ? 0 : MinAptitudes[k]->value();
    for (QCheckBox* check : Skills)
        if (check->isChecked())
            target.Skills.push_back(check->text().toStdString());
    target.MinSkillCount = static_cast<std::size_t>(MinSkillCount->value());
    return target;
}

void RollWindow::refreshOdds()
{
    const RollOdds odds(templateBeast_, Target());
    QStringList lines;
    for (const std::string& line : odds.Lines())
        lines << QString::fromStdString(line);
    Odds->setText(lines.join('\n'));
    Odds->setAccessibleName("几率：" + lines.join("；"));
    StartButton->setEnabled(odds.Possible() && !session_.Busy());
}

void RollWindow::start()
{
    if (!session_.StartSearch(template_, Target(), static_cast<uint64_t>(Cap->value())))
        return;
    Progress->setRange(0, Cap->value());
    Progress->setValue(0);
    Progress->setFormat("已洗 %v / %m 只");
    Result->SetStatus("正在洗 " + QString::fromStdString(template_) + "……");
    setRunning(true);
}

void RollWindow::showProgress(quint64 rolls, double perSecond)
{
    Progress->setValue(static_cast<int>(rolls));
    Progress->setFormat(QString("已洗 %v / %m 只，每秒 %1 只").arg(perSecond, 0, 'f', 0));
}

void RollWindow::finished(quint64 rolls, const QString& line)
{
    Progress->setValue(static_cast<int>(rolls));
    setRunning(false);
    Result->SetStatus(line);
    refreshOdds();
}

void RollWindow::setRunning(bool running)
{
    for (QWidget* control : findChildren<QGroupBox*>())
        control->setEnabled(!running);
    Cap->setEnabled(!running);
    StopButton->setEnabled(running);
    StartButton->setEnabled(!running);
    Progress->setVisible(running || Progress->value() > 0);
    if (running)
        StopButton->setFocus();
    else if (StartButton->isEnabled())
        StartButton->setFocus();
}

void RollWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc stops a running search; otherwise it closes the window.
    if (event->key() == Qt::Key_Escape && session_.Busy()) {
        session_.StopWork();
        return;
    }
    QDialog::keyPressEvent(event);
}

void RollWindow::closeEvent(QCloseEvent* event)
{
    // The window stays until the search has stopped and its roll is kept.
    if (session_.Busy()) {
        session_.StopWork();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
