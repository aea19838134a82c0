// Every user action that changes the beast, performed through its control,
// reaches the views through the session exactly once: the change says what
// happened, the record has noted it by the time the views hear of it, the
// change carries the record's new lines and counters, and the panel redraws
// its parts in a fixed order. The clock is scripted, so every line is known.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include "FreshWindows.h"
#include "ModalWatcher.h"
#include "PetSnapshot.h"
#include "ScriptedClock.h"
#include "data/builtin_data.h"
#include "ui/Unit3.h"
#include "ui/Windows.h"
#include "ui/model/BookRecord.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"
#include "ui/session/BeastSession.h"
#include "ui/widgets/ChoiceEntry.h"
#include "ui/widgets/StatusLine.h"

namespace {
enum class Act { Roll, NewBook, RefusedBook, NoBook, Certify, Correction, Custom };

using Parts = QList<unsigned>;

QPushButton* Button(const char* name)
{
    return Form1->findChild<QPushButton*>(name);
}

// Marks `book` in the first list (moving the mark away first when it is
// there already, so that the choice is made again).
void Choose(const std::string& book)
{
    Form1->PageControl2->setCurrentIndex(0);
    const auto& items = BookLists()[0].Items;
    const int i = static_cast<int>(std::find(items.begin(), items.end(), book) - items.begin());
    auto item = [](int n) { return Form1->findChild<QRadioButton*>(QString("RadioGroup1Item%1").arg(n)); };
    if (item(i)->isChecked())
        item(i == 0 ? 1 : 0)->click();
    item(i)->click();
}

}  // namespace

class TestActions : public QObject {
    Q_OBJECT
private:
    // Prepares the beast for `act` and returns the name the change should carry.
    std::string prepare(Act act);
    void perform(Act act);

private slots:
    void init()
    {
        // Rolls (the start-up one included) draw from a fixed sequence;
        // each test scripts the draws of its books and certification.
        clock_ = std::make_unique<ScriptedClock>();
        clock_->FreeRunFrom(2026);
        SelectedBook.clear();
        OpenWindows();
    }
    void cleanup()
    {
        CloseWindows();
        clock_.reset();
    }

    void oneChangePerActionAfterTheRecord_data();
    void oneChangePerActionAfterTheRecord();

private:
    std::unique_ptr<ScriptedClock> clock_;
};

std::string TestActions::prepare(Act act)
{
    const std::string counterAttack = BookLists()[0].Items[1];
    switch (act) {
    case Act::Roll:
        return "古代瑞兽";
    case Act::NewBook:
        CurrentBeast->Skills = {"夜战"};
        Choose(counterAttack);
        clock_->Then(4, 0).Then(2, 1);  // a new slot, after 夜战
        return counterAttack;
    case Act::RefusedBook:
        CurrentBeast->Skills = {"夜战", counterAttack};
        Choose(counterAttack);
        return counterAttack;
    case Act::NoBook:
        return {};
    case Act::Certify:
        clock_->Then(3, 1);  // the second replacement, 冥思
        return GiveTwoCertifiableSkills()[1];
    case Act::Correction:
        CurrentBeast->Level = 0;
        return "改名的兽";
    case Act::Custom:
        return CurrentBeast->Name;
    }
    return {};
}

void TestActions::perform(Act act)
{
    switch (act) {
    case Act::Roll:
        Form1->PageControl1->setCurrentIndex(0);
        Form1->findChild<QPushButton*>("SpeedButton古代瑞兽")->click();
        break;
    case Act::NewBook:
    case Act::RefusedBook:
    case Act::NoBook:
        Button("BitBtn26")->click();
        break;
    case Act::Certify: {
        ModalWatcher watcher;
        watcher.onNext([](QWidget*) { QTest::mouseClick(ChoiceLabels.at(1), Qt::LeftButton); });
        Button("BitBtn25")->click();
        break;
    }
    case Act::Correction:
        ModifyForm->show();
        ModifyForm->Edit1->setText("改名的兽");
        ModifyForm->Edit2->setText("10");
        ModifyForm->BitBtn1->click();
        ModifyForm->close();
        break;
    case Act::Custom:
        DIYForm->show();
        DIYForm->Edit1->setText("1234");
        DIYForm->BitBtn1->click();
        DIYForm->close();
        break;
    }
}

void TestActions::oneChangePerActionAfterTheRecord_data()
{
    // The start-up beast (芙蓉仙子 from the fixed sequence) renamed and
    // raised to level 10, then given the template's own figures.
    const QString Correction = "修正：名称 芙蓉仙子→改名的兽，等级 0→10，体质 23→33，法力 21→31，力量 15→25，"
                               "耐力 16→26，敏捷 25→35，潜能 0→50，气血 168→286，魔法 77→157，攻击 18→65，"
                               "防御 30→75，速度 33→46，灵力 31→59";
    const QString Custom = "完全DIY：资质、寿命、成长、五行、技能已改；技能 高级再生、高级飞行、高级幸运";
    using P = BeastChange;
    using K = BeastChange::Kind;
    QTest::addColumn<Act>("act");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Parts>("parts");
    // The lines the record gains and the status line's text.
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("status");
    const Parts all{P::Picture, P::Aptitudes, P::Points, P::Attributes, P::Skills};
    QTest::newRow("roll")
        << Act::Roll << int(K::Roll) << all
        << QStringList{"—— 第 2 只 古代瑞兽 ——",
                       "洗出 古代瑞兽：攻击资质 999，防御资质 1258，体力资质 3052，法力资质 2377，"
                       "速度资质 1178，躲闪资质 1002，寿命 7791，成长 1.138，五行 木，"
                       "技能 高级神迹、高级反震、高级驱鬼、泰山压顶；"
                       "鉴定 普通：胜过 22.9% 的同种（成长 第 4 档（共 5 档），资质和 胜过 14.6%，寿命 胜过 28.7%）"}
        << "洗出 古代瑞兽：普通：胜过 22.9% 的同种（成长 第 4 档（共 5 档），资质和 胜过 14.6%，寿命 胜过 28.7%）";
    QTest::newRow("new book") << Act::NewBook << int(K::Book) << Parts{P::Skills}
                              << QStringList{"第 1 本 反击：新增第 2 格"} << "第 1 本 反击：新增第 2 格";
    QTest::newRow("refused book") << Act::RefusedBook << int(K::Book) << Parts{P::Skills}
                                  << QStringList{"反击：已有此技能，未使用"} << "反击：已有此技能，未使用";
    QTest::newRow("no book chosen") << Act::NoBook << int(K::NoBook) << Parts{} << QStringList{} << "请先选一本技能书";
    QTest::newRow("certify") << Act::Certify << int(K::Certify) << Parts{P::Skills}
                             << QStringList{"认证 落岩：第 3 格换为 冥思"} << "认证 落岩：第 3 格换为 冥思";
    QTest::newRow("correction commit") << Act::Correction << int(K::Correction) << Parts{P::Points, P::Attributes}
                                       << QStringList{Correction} << Correction;
    QTest::newRow("custom commit") << Act::Custom << int(K::Custom) << all << QStringList{Custom} << Custom;
}

void TestActions::oneChangePerActionAfterTheRecord()
{
    QFETCH(Act, act);
    QFETCH(int, kind);
    QFETCH(Parts, parts);
    QFETCH(QStringList, lines);
    QFETCH(QString, status);
    const std::string name = prepare(act);
    const TPet before = *CurrentBeast;
    const BookRecord& record = RunSession()->Record();
    const uint64_t linesBefore = record.LinesWritten();

    std::vector<BeastChange> changes;
    std::deque<std::string> linesAtSignal;
    connect(RunSession(), &BeastSession::Changed, this, [&](const BeastChange& change) {
        changes.push_back(change);
        linesAtSignal = record.Lines();
    });
    QSignalSpy refreshed(Form2, &TForm2::Refreshed);
    perform(act);
    disconnect(RunSession(), &BeastSession::Changed, this, nullptr);
    QCOMPARE(clock_->Pending(), std::size_t(0));

    QCOMPARE(changes.size(), std::size_t(1));
    const BeastChange& change = changes.front();
    QCOMPARE(int(change.kind), kind);
    QCOMPARE(change.name, name);
    QVERIFY(PetSnapshot(change.before) == PetSnapshot(before));
    QVERIFY(PetSnapshot(change.after) == PetSnapshot(*CurrentBeast));

    // The record had noted everything by the time the views heard of it,
    // and the change carries what it added and its counters.
    QVERIFY(linesAtSignal == record.Lines());
    QStringList added;
    for (const std::string& line : change.lines)
        added << QString::fromStdString(line);
    QCOMPARE(added, lines);
    QCOMPARE(record.LinesWritten() - linesBefore, uint64_t(lines.size()));
    QCOMPARE(change.counters, record.Beast());
    QCOMPARE(change.run, record.Run());
    QCOMPARE(Form1->Status->FullText(), status);

    Parts drawn;
    for (const QList<QVariant>& signal : refreshed)
        drawn << signal.at(0).toUInt();
    QCOMPARE(drawn, parts);
}

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
