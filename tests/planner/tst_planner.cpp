#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>

#include "FreshWindows.h"
#include "PetSnapshot.h"
#include "ScriptedClock.h"
#include "data/builtin_data.h"
#include "ui/PlanPlayBox.h"
#include "ui/PlannerWindow.h"
#include "ui/session/BeastSession.h"
#include "ui/widgets/CostChart.h"
#include "ui/widgets/PlanCostChart.h"
#include "ui/widgets/TargetLists.h"

namespace {
void Check(PlannerWindow* w, int k, int row)
{
    w->TargetBox(k, row)->setChecked(true);
}

QString PlanLine(PlannerWindow* w, const QString& start)
{
    for (const QString& line : w->Plan->toPlainText().split('\n'))
        if (line.startsWith(start))
            return line;
    return {};
}
}  // namespace

class TestPlanner : public QObject {
    Q_OBJECT
private slots:
    void init() { OpenWindows(); }
    void cleanup() { CloseWindows(); }

    void buttonSitsBetweenDiyAndCertify()
    {
        auto* button = Form1->findChild<QPushButton*>("PlannerButton");
        QVERIFY(button);
        QCOMPARE(button->text(), QString("规划"));
        QCOMPARE(button->accessibleDescription(), QString("打开打书规划"));
        QCOMPARE(button->geometry(), QRect(286, 486, 37, 25));
        QCOMPARE(Form1->findChild<QPushButton*>("BitBtn28")->nextInFocusChain(), button);
        QCOMPARE(button->nextInFocusChain(), Form1->findChild<QPushButton*>("BitBtn25"));
        QCOMPARE(Form1->size(), QSize(732, 523));
    }

    void madeOnceOnFirstUseAndClosedByEscape()
    {
        QCOMPARE(ExistingPlannerWindow(), nullptr);
        Form1->findChild<QPushButton*>("PlannerButton")->click();
        PlannerWindow* w = ExistingPlannerWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("打书规划"));
        QVERIFY(w->isVisible());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        Form1->PlannerButtonClick();
        QCOMPARE(ExistingPlannerWindow(), w);
        QVERIFY(w->isVisible());
    }

    void targetsStopAtTwelve()
    {
        PlannerWindow* w = ShowPlannerWindow();
        for (int row = 0; row < 13; ++row)
            Check(w, 0, row);
        QCOMPARE(w->Targets().size(), std::size_t{12});
        QVERIFY(!w->TargetBox(0, 12)->isChecked());
        // The notice comes beside the chosen ones, not instead of them.
        QVERIFY(w->Chosen->text().contains("最多选 12 个目标"));
        QVERIFY(w->Chosen->text().startsWith("已选目标（12/12）："));
        // A click on the name ticks it, as on the box.
        QTest::mouseClick(w->TargetBox(0, 12), Qt::LeftButton, {}, QPoint(30, w->TargetBox(0, 12)->height() / 2));
        QVERIFY(!w->TargetBox(0, 12)->isChecked());
        w->TargetBox(0, 0)->setChecked(false);
        QCOMPARE(w->Targets().size(), std::size_t{11});
        QCOMPARE(w->Targets().front(), BookLists()[0].Items[1]);
    }

    void hitFollowsThePlanThroughActions()
    {
        PlannerWindow* w = ShowPlannerWindow();
        QVERIFY(!w->HitButton->isEnabled());  // no target yet
        CurrentBeast->Skills = {BookLists()[2].Items[3]};
        CurrentBeast->CertifiedSkill.clear();
        Check(w, 0, 14);
        Check(w, 1, 14);
        QVERIFY(w->HitButton->isEnabled());
        const QString next = PlanLine(w, "下一本：");
        QVERIFY(next.startsWith("下一本：" + QString::fromStdString(BookLists()[0].Items[14])));
        QSignalSpy changes(RunSession(), &BeastSession::Changed);
        w->HitButton->click();
        QCOMPARE(changes.size(), 1);
        const auto change = changes.at(0).at(0).value<BeastChange>();
        QCOMPARE(change.kind, BeastChange::Kind::Book);
        QCOMPARE(change.name, BookLists()[0].Items[14]);
        QVERIFY(std::count(CurrentBeast->Skills.begin(), CurrentBeast->Skills.end(), change.name) == 1);
        // The plan follows the beast it was told of.
        QCOMPARE(PlanLine(w, "当前召唤兽："),
                 QString("当前召唤兽：%1 个技能，已有目标 1/2").arg(CurrentBeast->Skills.size()));
    }

    void reopenedWindowShowsTheBeastAsItNowStands()
    {
        PlannerWindow* w = ShowPlannerWindow();
        CurrentBeast->Skills.clear();
        CurrentBeast->CertifiedSkill.clear();
        Check(w, 0, 14);
        w->close();
        RunSession()->HitBook(BookLists()[0].Items[0]);  // an empty beast always gains it
        QCOMPARE(CurrentBeast->Skills.size(), std::size_t{1});
        ShowPlannerWindow();
        QCOMPARE(PlanLine(w, "当前召唤兽："), QString("当前召唤兽：1 个技能，已有目标 0/1"));
    }

    void fromSkillCountShowsFiguresButDoesNotHit()
    {
        PlannerWindow* w = ShowPlannerWindow();
        Check(w, 1, 0);
        w->FromCount->setChecked(true);
        w->StartSkills->setValue(2);
        QVERIFY(!w->HitButton->isEnabled());
        QVERIFY(w->HitHint->isVisibleTo(w));
        QVERIFY(w->HitHint->text().contains("改回“从当前召唤兽开始”"));
        QCOMPARE(PlanLine(w, "假设开始时："), QString("假设开始时：2 个技能，已有目标 0/1"));
        QTRY_VERIFY(w->FiguresReady());
        QVERIFY(PlanLine(w, "按规划：平均花费约 ").contains("，一半不超过 "));
        QVERIFY(w->Plan->accessibleDescription().contains("花费中位数 "));
        QVERIFY(w->CostChart->Points() > 1);
    }

    // One low target on a beast of one skill: the scripted book overwrites
    // 夜战 and the goal is met; the ledger tallies the book.
    void playToTheTargetsTalliesTheLedger()
    {
        PlannerWindow* w = ShowPlannerWindow();
        CurrentBeast->Skills = {"夜战"};
        CurrentBeast->CertifiedSkill.clear();
        Check(w, 0, 14);  // 必杀
        ScriptedClock clock;
        clock.Then(4, 1).Then(1, 0);
        QSignalSpy running(w->Play, &PlanPlayBox::Running);
        w->Play->Visible->setChecked(false);
        w->Play->PlayButton->click();
        QVERIFY(w->Play->Playing());
        QVERIFY(!w->Lists->isEnabled());
        QTRY_VERIFY(!w->Play->Playing());
        QCOMPARE(clock.Pending(), std::size_t(0));
        QCOMPARE(CurrentBeast->Skills, std::vector<std::string>{"必杀"});
        // Any book reaches the goal: it adds 必杀 or overwrites the only skill.
        QCOMPARE(w->Play->Ledger->text(),
                 QString("目标已经达成。\n共打 1 本，花费 1；预计平均约 1，一半不超过 1，九成不超过 1\n"
                         "其中低级目标书 1 本，高级目标书 0 本，垫书 0 本"));
        QCOMPARE(running.size(), 2);
        QVERIFY(w->Lists->isEnabled());
        QCOMPARE(RunSession()->Record().Lines().back(), std::string("第 1 本 必杀：覆盖第 1 格的 夜战"));
    }

    void stopEndsAVisiblePlay()
    {
        PlannerWindow* w = ShowPlannerWindow();
        CurrentBeast->Skills.clear();
        for (int row : {14, 4, 1})
            Check(w, 0, row);
        w->MinSkills->setValue(8);
        ScriptedClock clock;
        clock.FreeRunFrom(3);
        w->Play->PlayButton->click();
        QTRY_VERIFY(w->Play->Ledger->text().startsWith("共打 2 本"));
        w->Play->StopButton->click();
        QVERIFY(!w->Play->Playing());
        QVERIFY(w->Play->Ledger->text().startsWith("已停止。\n共打 2 本"));
    }

    // The simulation plays copies: the current beast is untouched, the main
    // window's actions wait meanwhile, and the chart shows the spread.
    void simulationNeverTouchesTheBeast()
    {
        PlannerWindow* w = ShowPlannerWindow();
        CurrentBeast->Skills = {"夜战", "感知"};
        Check(w, 0, 14);
        Check(w, 1, 14);
        ScriptedClock clock;
        clock.FreeRunFrom(17);
        const auto before = PetSnapshot(*CurrentBeast);
        QSignalSpy finished(RunSession(), &BeastSession::SimulationFinished);
        w->Play->SimulateButton->click();
        QVERIFY(RunSession()->Busy());
        QVERIFY(!Form1->findChild<QPushButton*>("BitBtn26")->isEnabled());
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().at(0).value<std::vector<int64_t>>().size(), std::size_t(1000));
        QVERIFY(PetSnapshot(*CurrentBeast) == before);
        QCOMPARE(w->Play->Progress->value(), 1000);
        QVERIFY(!w->Play->Chart->Spread().Bins.empty());
        QCOMPARE(w->Play->Chart->Spread().Runs, std::size_t(1000));
        QVERIFY(w->Play->Chart->accessibleDescription().startsWith("模拟 1000 次：平均 "));
        QVERIFY(Form1->findChild<QPushButton*>("BitBtn26")->isEnabled());
        QVERIFY(w->Play->SimulateButton->isEnabled());
    }

    void everyInputHasADistinctName()
    {
        PlannerWindow* w = ShowPlannerWindow();
        QStringList names;
        for (QWidget* child : w->findChildren<QWidget*>())
            if (child->focusPolicy() != Qt::NoFocus && child->isVisibleTo(w) && !child->accessibleName().isEmpty())
                names << child->accessibleName();
        for (QSpinBox* spin : w->findChildren<QSpinBox*>())
            QVERIFY2(!spin->accessibleName().isEmpty(), qPrintable(spin->objectName()));
        for (QCheckBox* box : w->findChildren<QCheckBox*>())
            QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
        const auto unique = QSet<QString>(names.begin(), names.end());
        QCOMPARE(unique.size(), names.size());
    }
};

QTEST_MAIN(TestPlanner)
#include "tst_planner.moc"
