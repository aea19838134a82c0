// History, stable and share codes through the session and the window: every
// beast seen has an entry, 取回 and 继续上次 bring one back (undoable, in
// the record and the status line), kept beasts survive the run, a bad code
// changes nothing, and the window works from the keyboard.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "../windows/FreshWindows.h"
#include "PetSnapshot.h"
#include "ScriptedClock.h"
#include "ui/StableWindow.h"
#include "ui/model/BeastCode.h"
#include "ui/session/BeastSession.h"
#include "ui/store/BeastJson.h"
#include "ui/widgets/ComparePane.h"
#include "ui/widgets/StatusLine.h"

namespace {
BeastStore& Store()
{
    return *RunSession()->Store();
}

void HitCounterAttack()
{
    Form1->PageControl2->setCurrentIndex(0);
    Form1->findChild<QRadioButton*>("RadioGroup1Item1")->click();
    Form1->findChild<QPushButton*>("BitBtn26")->click();
}

QString Status()
{
    return Form1->Status->FullText();
}
}  // namespace

class TestStable : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        clock_ = std::make_unique<ScriptedClock>();
        clock_->FreeRunFrom(11);
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        OpenWindows();
        OpenStore(Path());
        QVERIFY2(Store().Saving(), qPrintable(Store().Problem()));
    }
    void cleanup()
    {
        CloseWindows();
        clock_.reset();
        dir_.reset();
    }

    void everyBeastSeenHasAnEntryKeptUpToDate()
    {
        QCOMPARE(Store().History().size(), std::size_t(1));
        RunSession()->Roll("凤凰");
        HitCounterAttack();
        const auto history = Store().History();
        QCOMPARE(history.size(), std::size_t(2));
        QCOMPARE(history[1].templateName, QString("凤凰"));
        QCOMPARE(history[1].counters.BooksUsed, 1);
        const auto stored = BeastJson::Read(Store().Find(BeastStore::Table::History, history[1].id)->beast,
                                            CurrentBeast->Catalogue);
        QVERIFY(stored);
        QVERIFY(PetSnapshot(*stored) == PetSnapshot(*CurrentBeast));
    }

    void recallBringsAnEntryBackAndUndoes()
    {
        const TPet first = *CurrentBeast;
        const qint64 firstId = Store().History()[0].id;
        RunSession()->Roll("凤凰");
        const TPet second = *CurrentBeast;
        QVERIFY(RunSession()->Recall(BeastStore::Table::History, firstId));
        QVERIFY(PetSnapshot(*CurrentBeast) == PetSnapshot(first));
        QVERIFY(Status().startsWith("取回 芙蓉仙子"));
        QCOMPARE(QString::fromStdString(RunSession()->Record().Lines().back()), QString("取回 芙蓉仙子"));
        QCOMPARE(RunSession()->CurrentEntry(), firstId);
        QCOMPARE(Store().History().size(), std::size_t(2));  // no new entry
        Form1->UndoAction->trigger();
        QVERIFY(PetSnapshot(*CurrentBeast) == PetSnapshot(second));
        QVERIFY(!RunSession()->Recall(BeastStore::Table::History, 9999));
    }

    void keptBeastsAreDeletedUndoablyAndSurviveTheRun()
    {
        const qint64 id = RunSession()->Keep("我的仙子", "第一只");
        QVERIFY(id > 0);
        QCOMPARE(Status(), QString("已收藏“我的仙子”"));
        QVERIFY(RunSession()->RemoveKept(id));
        QVERIFY(Store().Stable().empty());
        Form1->UndoAction->trigger();
        QCOMPARE(Store().Stable().size(), std::size_t(1));
        QVERIFY(RunSession()->RenameKept(id, "改了", ""));
        const TPet kept = *CurrentBeast;
        RunSession()->Roll("凤凰");
        const TPet last = *CurrentBeast;

        CloseWindows();
        OpenWindows();
        OpenStore(Path());
        QCOMPARE(Store().Stable().size(), std::size_t(1));
        QCOMPARE(Store().Stable()[0].name, QString("改了"));
        QVERIFY(Status().contains("上次最后一只是 凤凰"));
        QVERIFY(RunSession()->ContinueLast());
        QVERIFY(PetSnapshot(*CurrentBeast) == PetSnapshot(last));
        QVERIFY(RunSession()->Recall(BeastStore::Table::Stable, id));
        QVERIFY(PetSnapshot(*CurrentBeast) == PetSnapshot(kept));
    }

    void aGoodCodeBecomesTheBeastAndABadOneChangesNothing()
    {
        RunSession()->Roll("凤凰");
        std::string problem;
        const std::string code = RunSession()->CopyCode(problem);
        QVERIFY(problem.empty());
        const TPet phoenix = *CurrentBeast;
        RunSession()->Roll("芙蓉仙子");
        const TPet before = *CurrentBeast;
        const uint64_t lines = RunSession()->Record().LinesWritten();
        QCOMPARE(QString::fromStdString(RunSession()->PasteCode(code.substr(0, code.size() - 2))),
                 QString("代码不完整：末尾缺少 8 位校验码"));
        QVERIFY(PetSnapshot(*CurrentBeast) == PetSnapshot(before));
        QCOMPARE(RunSession()->Record().LinesWritten(), lines);
        QCOMPARE(RunSession()->PasteCode(code), std::string());
        QVERIFY(PetSnapshot(*CurrentBeast) == PetSnapshot(phoenix));
        QVERIFY(Status().startsWith("粘贴代码 凤凰"));
    }

    void theWindowRecallsFromTheKeyboardAndFilters()
    {
        RunSession()->Roll("凤凰");
        RunSession()->Keep("甲", "");
        RunSession()->Roll("芙蓉仙子");
        RunSession()->Keep("乙", "");
        StableWindow* window = ShowStableWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->Tabs->setCurrentIndex(1);
        QCOMPARE(window->StableView->model()->rowCount(), 2);
        window->TemplateFilter->setCurrentText("凤凰");
        QCOMPARE(window->StableView->model()->rowCount(), 1);
        window->StableView->setFocus();
        window->StableView->selectRow(0);
        QTest::keyClick(window->StableView, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(CurrentBeast->Name), QString("凤凰"));
        QVERIFY(Status().contains("收藏“甲”"));

        window->PinSelected();
        QVERIFY(window->Compare->Table->rowCount() > 10);
        QVERIFY(window->Compare->Caption->text().contains("“甲”"));
        window->findChild<QPushButton*>("DeleteButton")->click();
        QCOMPARE(window->StableView->model()->rowCount(), 0);
        window->TemplateFilter->setCurrentIndex(0);
        QCOMPARE(window->StableView->model()->rowCount(), 1);
    }

    void codesGoThroughTheClipboard()
    {
        MakeStableWindow()->CopyCode();
        const QString code = QApplication::clipboard()->text();
        QVERIFY(code.startsWith("QA1-"));
        QVERIFY(Status().startsWith("已复制代码到剪贴板"));
        RunSession()->Roll("凤凰");
        Form1->PasteCodeAction->trigger();
        QCOMPARE(QString::fromStdString(CurrentBeast->Name), QString("芙蓉仙子"));
    }

private:
    QString Path() const { return dir_->filePath("beasts.sqlite"); }
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedClock> clock_;
};

QTEST_MAIN(TestStable)
#include "tst_stable.moc"
