// "洗到满意为止" through its window: the conditions become a target with its
// exact odds, the search rolls on a worker thread and keeps the roll that
// meets them (or the best one at the cap or when stopped), the record
// counts every roll, and no other action changes the beast meanwhile.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <memory>

#include "FreshWindows.h"
#include "ScriptedClock.h"
#include "ui/RollWindow.h"
#include "ui/model/RollGrade.h"
#include "ui/session/BeastSession.h"
#include "ui/widgets/GradeMark.h"
#include "ui/widgets/StatusLine.h"

namespace {
// Queues a roll of the start-up template (芙蓉仙子) with every aptitude at
// its top and growth choice `growth` of five; later draws run free.
void ScriptTopRoll(ScriptedClock& clock, uint32_t growth)
{
    for (int32_t value : CurrentBeast->TemplateAptitudes)
        clock.Then(RollGrade::RangeOf(value).Count(), 0);
    clock.Then(5, growth);
}
}  // namespace

class TestRollSearch : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        clock_ = std::make_unique<ScriptedClock>();
        clock_->FreeRunFrom(4242);
        OpenWindows();
        Form1->findChild<QPushButton*>("SearchButton")->click();
        window_ = ExistingRollWindow();
        QVERIFY(window_);
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup()
    {
        CloseWindows();
        clock_.reset();
    }

    void conditionsBecomeATargetWithItsOdds()
    {
        QVERIFY(window_->isModal());
        QCOMPARE(window_->windowTitle(), QString("洗到满意为止：芙蓉仙子"));
        QCOMPARE(window_->MinGrowth->count(), 6);  // 任何成长 and five growths
        QCOMPARE(window_->MinLevel->currentText(), QString("任何评级"));
        QCOMPARE(window_->Skills.size(), std::size_t(3));
        QCOMPARE(window_->Odds->text(),
                 QString("每只满足条件的几率：100.00%（约 1 只中 1 只）\n"
                         "平均要洗约 1 只；一半把握 1 只以内，九成把握 1 只以内"));
        window_->MinLevel->setCurrentIndex(2);
        window_->MinGrowth->setCurrentIndex(5);
        window_->MinAptitudes[0]->setValue(1400);
        window_->Skills[1]->setChecked(true);
        const RollTarget target = window_->Target();
        QCOMPARE(target.MinLevel, RollGrade::Level::Superb);
        QCOMPARE(target.MinGrowth, 1.254);
        QCOMPARE(target.MinAptitudes[0], 1400);
        QCOMPARE(target.MinAptitudes[1], 0);  // 不限
        QCOMPARE(target.Skills, std::vector<std::string>{"高级飞行"});
        QVERIFY(window_->Odds->text().startsWith("每只满足条件的几率："));
        QVERIFY(window_->Odds->accessibleName().startsWith("几率：每只满足条件的几率："));
        QVERIFY(window_->StartButton->isEnabled());
    }

    // From a fixed sequence the search meets 极品 at a known roll; a roll
    // scripted to be the best there is meets it at once.
    void searchKeepsTheFirstRollThatMeets()
    {
        window_->MinLevel->setCurrentIndex(2);  // 极品
        QCOMPARE(window_->Odds->text(),
                 QString("每只满足条件的几率：1.00%（约 100 只中 1 只）\n"
                         "平均要洗约 100 只；一半把握 70 只以内，九成把握 230 只以内"));
        QSignalSpy changes(RunSession(), &BeastSession::Changed);
        QSignalSpy finished(RunSession(), &BeastSession::SearchFinished);
        window_->StartButton->click();
        QVERIFY(RunSession()->Busy());
        QVERIFY(!window_->StartButton->isEnabled());
        QVERIFY(finished.wait(20000));
        const quint64 rolls = finished.first().at(0).toULongLong();
        QCOMPARE(rolls, 123ull);  // the sequence from 4242 first gives 极品 there
        QCOMPARE(window_->Result->FullText(), QString("洗到满意：洗了 %1 只，第 %1 只满足条件").arg(rolls));
        QCOMPARE(window_->Progress->value(), int(rolls));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.first().at(0).value<BeastChange>().kind, BeastChange::Kind::RollSearch);
        QCOMPARE(Form2->Grade()->Text(), QString("极品"));
        QVERIFY(Form1->Status->FullText().startsWith(window_->Result->FullText() + "：极品：胜过 "));
        const BookRecord& record = RunSession()->Record();
        QCOMPARE(record.Run().BeastsRolled, int(rolls) + 1);  // and the start-up roll
        QCOMPARE(record.Lines().back(), window_->Result->FullText().toStdString());
        QCOMPARE(record.Lines()[record.Lines().size() - 3], "—— 第 " + std::to_string(rolls + 1) + " 只 芙蓉仙子 ——");
        QVERIFY(window_->StartButton->isEnabled());

        ScriptTopRoll(*clock_, 4);  // the highest growth
        window_->StartButton->click();
        QVERIFY(finished.wait(10000));
        QCOMPARE(window_->Result->FullText(), QString("洗到满意：洗了 1 只，第 1 只满足条件"));
        QCOMPARE(CurrentBeast->Aptitudes, CurrentBeast->TemplateAptitudes);
        QCOMPARE(CurrentBeast->Growth, 1.254);
    }

    void capKeepsTheBestRollSeen()
    {
        window_->MinLevel->setCurrentIndex(2);
        window_->Cap->setValue(3);
        clock_->FreeRunFrom(99);  // three rolls, none 极品
        QSignalSpy finished(RunSession(), &BeastSession::SearchFinished);
        window_->StartButton->click();
        QVERIFY(finished.wait(10000));
        const QString line = window_->Result->FullText();
        QVERIFY2(line.startsWith("洗到满意：洗了 3 只，到了上限 3 只也没有满足条件的，留下最好的第 "),
                 qPrintable(line));
        QCOMPARE(RunSession()->Record().Run().BeastsRolled, 4);
        QVERIFY(Form2->Grade()->Text() != QString("极品"));
    }

    // While the search runs, other actions change nothing and emit nothing;
    // Esc stops it and the best roll so far is kept.
    void stopEndsItAndNothingElseActsMeanwhile()
    {
        for (QSpinBox* spin : window_->MinAptitudes)
            spin->setValue(spin->maximum());  // one roll in ~10^16
        window_->Cap->setValue(1000000);
        QSignalSpy changes(RunSession(), &BeastSession::Changed);
        QSignalSpy finished(RunSession(), &BeastSession::SearchFinished);
        QSignalSpy progress(RunSession(), &BeastSession::SearchProgress);
        window_->StartButton->click();
        QVERIFY(RunSession()->Busy());
        const TPet before = *CurrentBeast;
        RunSession()->HitBook("反击");
        RunSession()->Roll("凤凰");
        QCOMPARE(changes.size(), 0);
        QCOMPARE(CurrentBeast->Name, before.Name);
        QVERIFY(progress.wait(5000));
        window_->close();  // refused while running: it stops the search instead
        QVERIFY(window_->isVisible() || finished.size() == 1);
        if (finished.isEmpty())
            QVERIFY(finished.wait(5000));
        QVERIFY(window_->Result->FullText().startsWith("洗到满意：洗了 "));
        QVERIFY(window_->Result->FullText().contains("中途停止，留下最好的第 "));
        QCOMPARE(changes.size(), 1);
        QVERIFY(!RunSession()->Busy());
    }

private:
    std::unique_ptr<ScriptedClock> clock_;
    RollWindow* window_ = nullptr;
};

QTEST_MAIN(TestRollSearch)
#include "tst_rollsearch.moc"
