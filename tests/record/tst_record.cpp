#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "LeakCheck.h"
#include "ModalWatcher.h"
#include "ui/Windows.h"
#include "ui/session/BeastSession.h"
#include "ui/RecordWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"
#include "ui/model/BookRecord.h"

namespace {
enum class Action { NewBook, HeldBook, BeastButton, Certify, Correction, Custom };

QPushButton* Button(const char* name)
{
    return Form1->findChild<QPushButton*>(name);
}

QStringList Lines(const QPlainTextEdit* text)
{
    return text->toPlainText().split('\n');
}

// Marks 反击, the second item of the first list: a book a fresh 芙蓉仙子 lacks.
void ChooseCounterAttack()
{
    Form1->PageControl2->setCurrentIndex(0);
    Form1->findChild<QRadioButton*>("RadioGroup1Item1")->click();
    QCOMPARE(SelectedBook, std::string("反击"));
}

void Perform(Action action)
{
    switch (action) {
    case Action::NewBook:
        ChooseCounterAttack();
        Button("BitBtn26")->click();
        break;
    case Action::HeldBook:
        ChooseCounterAttack();
        Button("BitBtn26")->click();
        Button("BitBtn26")->click();
        break;
    case Action::BeastButton:
        Form1->PageControl1->setCurrentIndex(0);
        Form1->findChild<QPushButton*>("SpeedButton古代瑞兽")->click();
        break;
    case Action::Certify: {
        CurrentBeast->Skills = {"夜战", "泰山压顶"};
        ModalWatcher watcher;
        watcher.onNext([](QWidget*) { Form3->ChoiceClick(ChoiceLabels.at(0)); });
        Button("BitBtn25")->click();
        break;
    }
    case Action::Correction:
        ModifyForm->show();
        ModifyForm->BitBtn1->click();
        ModifyForm->close();
        break;
    case Action::Custom:
        DIYForm->show();
        DIYForm->BitBtn1->click();
        DIYForm->close();
        break;
    }
}
}  // namespace

class TestRecord : public QObject {
    Q_OBJECT
private:
    RecordWindow* open()
    {
        Button("RecordButton")->click();
        RecordWindow* window = ExistingRecordWindow();
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

private slots:
    void init()
    {
        SelectedBook.clear();
        CreateWindows();
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }
    void cleanup()
    {
        DestroyWindows();
        QCOMPARE(ExistingRecordWindow(), nullptr);
        VerifyNoLeakedWindows();
    }

    void buttonSitsBetweenCertifyAndHitAndOnlyTheFirstRollIsNoted()
    {
        QPushButton* button = Button("RecordButton");
        QVERIFY(button);
        QCOMPARE(button->text(), QString("记录"));
        QCOMPARE(button->accessibleName(), QString("记录"));
        const QRect certify = Button("BitBtn25")->geometry();
        const QRect hit = Button("BitBtn26")->geometry();
        QCOMPARE(certify, QRect(328, 486, 89, 25));
        QCOMPARE(hit, QRect(512, 486, 89, 25));
        QCOMPARE(button->geometry().top(), hit.top());
        QCOMPARE(button->height(), hit.height());
        QVERIFY(button->geometry().left() > certify.right());
        QVERIFY(button->geometry().right() < hit.left());
        QCOMPARE(Button("BitBtn25")->nextInFocusChain(), button);
        QCOMPARE(button->nextInFocusChain(), Button("BitBtn26"));
        QCOMPARE(ExistingRecordWindow(), nullptr);
        const std::deque<std::string>& lines = RunSession()->Record().Lines();
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(lines.front(), std::string("—— 第 1 只 芙蓉仙子 ——"));
        QVERIFY(lines.back().starts_with("洗出 芙蓉仙子："));
    }

    void buttonOpensOneWindowShowingEverythingSinceStartUp()
    {
        Perform(Action::NewBook);  // before the window exists
        RecordWindow* window = open();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QString("打书记录"));
        QVERIFY(window->isWindow());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowType(), Qt::Tool);
        const QStringList lines = Lines(window->List());
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString("—— 第 1 只 芙蓉仙子 ——"));
        QVERIFY(lines[1].startsWith("洗出 芙蓉仙子：攻击资质 "));
        QVERIFY(lines[2].startsWith("第 1 本 反击："));
        QVERIFY(window->Counters()->toPlainText().contains("已用 1 本"));

        QVERIFY(open() == window);
        QCOMPARE(Form1->findChildren<RecordWindow*>().size(), 1);
    }

    void eachActionAddsItsLine_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("counters");
        QTest::newRow("a book the beast lacks") << Action::NewBook << "第 1 本 反击："
                                                << "已用 1 本";
        QTest::newRow("a book the beast holds") << Action::HeldBook << "反击：已有此技能，未使用"
                                                << "已有此技能而未使用：1 本";
        QTest::newRow("a beast button") << Action::BeastButton << "洗出 古代瑞兽："
                                        << "第 2 只 古代瑞兽";
        QTest::newRow("a certification") << Action::Certify << "认证 泰山压顶：第 2 格换为 "
                                         << "另认证 1 个：泰山压顶";
        QTest::newRow("a correction commit") << Action::Correction << "修正：无变化"
                                             << "已用 0 本";
        QTest::newRow("a custom commit") << Action::Custom << "完全DIY："
                                         << "第 1 只";
    }
    void eachActionAddsItsLine()
    {
        QFETCH(Action, action);
        QFETCH(QString, start);
        QFETCH(QString, counters);
        RecordWindow* window = open();
        QVERIFY(window);
        const int before = window->List()->blockCount();
        Perform(action);
        QVERIFY(window->List()->blockCount() > before);
        QVERIFY2(Lines(window->List()).last().startsWith(start), qPrintable(Lines(window->List()).last()));
        QVERIFY2(window->Counters()->toPlainText().contains(counters), qPrintable(window->Counters()->toPlainText()));
        const QScrollBar* bar = window->List()->verticalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());
    }

    void closingKeepsTheContentsAndTheOddsFollowTheChosenBook()
    {
        RecordWindow* window = open();
        QVERIFY(window->Odds()->toPlainText().contains("下一本（还未选书）："));
        ChooseCounterAttack();
        QVERIFY(window->Odds()->toPlainText().contains("下一本 反击："));
        Button("BitBtn26")->click();
        QVERIFY(window->Odds()->toPlainText().contains("下一本 反击：已有此技能"));
        const QString list = window->List()->toPlainText();
        const QString odds = window->Odds()->toPlainText();
        window->close();
        QVERIFY(!window->isVisible());
        QVERIFY(open() == window);
        QCOMPARE(window->List()->toPlainText(), list);
        QCOMPARE(window->Odds()->toPlainText(), odds);
    }

    void keyboardOpensAndClosesAndEveryPartIsNamed()
    {
        QPushButton* button = Button("RecordButton");
        QCOMPARE(button->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        QTest::keyClick(button, Qt::Key_Space);
        RecordWindow* window = ExistingRecordWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->List()->accessibleName(), QString("打书记录"));
        QCOMPARE(window->Counters()->accessibleName(), QString("本只召唤兽"));
        QCOMPARE(window->Odds()->accessibleName(), QString("下一本的几率"));
        for (QPlainTextEdit* text : {window->List(), window->Counters(), window->Odds()}) {
            QVERIFY(text->isReadOnly());
            QVERIFY(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);
            QCOMPARE(text->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        }
        QTest::keyClick(window->List(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void namesShowLiterally()
    {
        ModifyForm->show();
        ModifyForm->Edit1->setText("<b>x</b>");
        ModifyForm->BitBtn1->click();
        ModifyForm->close();
        RecordWindow* window = open();
        QVERIFY(Lines(window->List()).last().startsWith("修正：名称 芙蓉仙子→<b>x</b>"));
        QVERIFY(window->Counters()->toPlainText().startsWith("第 1 只 <b>x</b>"));
    }
};

QTEST_MAIN(TestRecord)
#include "tst_record.moc"
