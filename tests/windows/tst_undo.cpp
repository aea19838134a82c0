// Undo and redo of the beast's changes: each undoable change is named on
// the actions ("撤销 第 1 本 反击"), Ctrl+Z and Ctrl+Shift+Z bring the beast
// and its grade back through the session, the record notes each with its
// counters still counting what the player did, and the start-up roll,
// refused books and a busy worker are left alone.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include <memory>

#include "FreshWindows.h"
#include "PetSnapshot.h"
#include "ScriptedClock.h"
#include "ui/PanelShare.h"
#include "ui/model/RollGrade.h"
#include "ui/session/BeastSession.h"
#include "ui/widgets/GradeMark.h"
#include "ui/widgets/StatusLine.h"

namespace {
void ChooseCounterAttack()
{
    Form1->PageControl2->setCurrentIndex(0);
    Form1->findChild<QRadioButton*>("RadioGroup1Item1")->click();
}

void Hit()
{
    Form1->findChild<QPushButton*>("BitBtn26")->click();
}
}  // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        clock_ = std::make_unique<ScriptedClock>();
        clock_->FreeRunFrom(7);
        OpenWindows();
    }
    void cleanup()
    {
        CloseWindows();
        clock_.reset();
    }

    void theStartUpRollIsNotUndone()
    {
        QVERIFY(!Form1->UndoAction->isEnabled());
        QVERIFY(!Form1->RedoAction->isEnabled());
        QTest::keyClick(Form1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(RunSession()->Record().LinesWritten(), uint64_t(2));
    }

    void aBookIsUndoneAndRedone()
    {
        CurrentBeast->Skills = {"夜战"};
        const auto before = PetSnapshot(*CurrentBeast);
        ChooseCounterAttack();
        clock_->Then(4, 0).Then(2, 1);  // a new slot after 夜战
        Hit();
        const auto after = PetSnapshot(*CurrentBeast);
        QCOMPARE(Form1->UndoAction->text(), QString("撤销 第 1 本 反击"));
        Hit();  // refused: nothing to undo
        QCOMPARE(RunSession()->UndoStack()->count(), 1);

        QSignalSpy changes(RunSession(), &BeastSession::Changed);
        QTest::keyClick(Form1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.first().at(0).value<BeastChange>().kind, BeastChange::Kind::Undo);
        QVERIFY(PetSnapshot(*CurrentBeast) == before);
        QCOMPARE(Form1->Status->FullText(), QString("撤销 第 1 本 反击"));
        QCOMPARE(Form1->RedoAction->text(), QString("重做 第 1 本 反击"));
        const BookRecord& record = RunSession()->Record();
        QCOMPARE(record.Lines().back(), std::string("撤销 第 1 本 反击"));
        QCOMPARE(record.Beast().BooksUsed, 1);  // the book was used all the same
        QCOMPARE(record.Run().Undone, 1);
        QCOMPARE(record.CounterLines()[3],
                 std::string("本次打开以来：洗了 1 只，共打 1 本；撤销 1 次，重做 0 次（撤销的书也算用过）"));

        QTest::keyClick(Form1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(PetSnapshot(*CurrentBeast) == after);
        QCOMPARE(Form1->Status->FullText(), QString("重做 第 1 本 反击"));
        QCOMPARE(record.Lines().back(), std::string("重做 第 1 本 反击"));
        QCOMPARE(record.Run().Redone, 1);
    }

    // Undoing a roll brings back the earlier beast and the grade it had.
    void aRollIsUndoneWithItsGrade()
    {
        const auto first = PetSnapshot(*CurrentBeast);
        const QString firstGrade = Form2->Grade()->Text();
        for (int32_t value : CurrentBeast->TemplateAptitudes)
            clock_->Then(RollGrade::RangeOf(value).Count(), 0);
        clock_->Then(5, 4);
        QTest::keyClick(Form1, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(Form2->Grade()->Text(), QString("极品"));
        QCOMPARE(Form1->UndoAction->text(), QString("撤销 洗出 芙蓉仙子"));
        Form1->UndoAction->trigger();
        QVERIFY(PetSnapshot(*CurrentBeast) == first);
        QCOMPARE(Form2->Grade()->Text(), firstGrade);
        Form1->RedoAction->trigger();
        QCOMPARE(Form2->Grade()->Text(), QString("极品"));
    }

    void thePictureMenuOffersBoth()
    {
        ChooseCounterAttack();
        Hit();
        std::unique_ptr<QMenu> menu(PanelShare::Menu(Form1));
        const QList<QAction*> actions = menu->actions();
        QVERIFY(actions.contains(Form1->UndoAction));
        QVERIFY(actions.contains(Form1->RedoAction));
        QVERIFY(Form1->UndoAction->isEnabled());
    }

    // While the worker rolls or simulates, neither undoes anything.
    void aBusyWorkerHoldsThemBack()
    {
        ChooseCounterAttack();
        Hit();
        RollTarget never;
        for (std::size_t k = 0; k < 7; ++k)
            never.MinAptitudes[k] = CurrentBeast->TemplateAptitudes[k];
        QSignalSpy finished(RunSession(), &BeastSession::SearchFinished);
        QSignalSpy progress(RunSession(), &BeastSession::SearchProgress);
        QVERIFY(RunSession()->StartSearch("芙蓉仙子", never, 1000000));
        QVERIFY(!Form1->UndoAction->isEnabled());
        QTest::keyClick(Form1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(RunSession()->Record().Run().Undone, 0);
        QVERIFY(progress.wait(5000));  // some rolls made, so one is kept
        RunSession()->StopWork();
        QVERIFY(finished.wait(5000));
        QVERIFY(Form1->UndoAction->isEnabled());
        QCOMPARE(Form1->UndoAction->text(), QString("撤销 洗到满意 芙蓉仙子"));
    }

private:
    std::unique_ptr<ScriptedClock> clock_;
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
