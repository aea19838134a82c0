// Every user action that changes the beast, performed through its control,
// reaches the views through BeastActions exactly once: the change says what
// happened, the record has noted it by the time the views hear of it, and
// the panel redraws its parts in a fixed order.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include "FreshWindows.h"
#include "ModalWatcher.h"
#include "PetSnapshot.h"
#include "data/builtin_data.h"
#include "ui/session/BeastSession.h"
#include "ui/Windows.h"
#include "ui/Unit3.h"
#include "ui/model/BookRecord.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"
#include "ui/widgets/ChoiceEntry.h"

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

// The line the record must end with after `change`, from its own wording.
std::string ExpectedLine(const BeastChange& change)
{
    switch (change.kind) {
    case BeastChange::Kind::Roll:
        return RecordText::RollLine(change.after);
    case BeastChange::Kind::Book:
        return RecordText::BookLine(RunSession()->Record().Beast().BooksUsed, change.name, change.outcome);
    case BeastChange::Kind::Certify:
        return RecordText::CertifyLine(change.name, change.before, change.after);
    case BeastChange::Kind::Correction:
        return RecordText::CorrectionLine(change.before, change.after);
    case BeastChange::Kind::Custom:
        return RecordText::CustomLine(change.before, change.after);
    case BeastChange::Kind::NoBook:
        break;
    }
    return {};
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
        SelectedBook.clear();
        OpenWindows();
    }
    void cleanup() { CloseWindows(); }

    void oneChangePerActionAfterTheRecord_data();
    void oneChangePerActionAfterTheRecord();
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
        return counterAttack;
    case Act::RefusedBook:
        CurrentBeast->Skills = {"夜战", counterAttack};
        Choose(counterAttack);
        return counterAttack;
    case Act::NoBook:
        return {};
    case Act::Certify:
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
    using P = BeastChange;
    using K = BeastChange::Kind;
    QTest::addColumn<Act>("act");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Parts>("parts");
    const Parts all{P::Picture, P::Aptitudes, P::Points, P::Attributes, P::Skills};
    QTest::newRow("roll") << Act::Roll << int(K::Roll) << all;
    QTest::newRow("new book") << Act::NewBook << int(K::Book) << Parts{P::Skills};
    QTest::newRow("refused book") << Act::RefusedBook << int(K::Book) << Parts{P::Skills};
    QTest::newRow("no book chosen") << Act::NoBook << int(K::NoBook) << Parts{};
    QTest::newRow("certify") << Act::Certify << int(K::Certify) << Parts{P::Skills};
    QTest::newRow("correction commit") << Act::Correction << int(K::Correction) << Parts{P::Points, P::Attributes};
    QTest::newRow("custom commit") << Act::Custom << int(K::Custom) << all;
}

void TestActions::oneChangePerActionAfterTheRecord()
{
    QFETCH(Act, act);
    QFETCH(int, kind);
    QFETCH(Parts, parts);
    const std::string name = prepare(act);
    const TPet before = *CurrentBeast;
    const uint64_t linesBefore = RunSession()->Record().LinesWritten();

    std::vector<BeastChange> changes;
    std::deque<std::string> linesAtSignal;
    uint64_t writtenAtSignal = 0;
    connect(RunSession(), &BeastSession::Changed, this, [&](const BeastChange& change) {
        changes.push_back(change);
        linesAtSignal = RunSession()->Record().Lines();
        writtenAtSignal = RunSession()->Record().LinesWritten();
    });
    QSignalSpy refreshed(Form2, &TForm2::Refreshed);
    perform(act);
    disconnect(RunSession(), &BeastSession::Changed, this, nullptr);

    QCOMPARE(changes.size(), std::size_t(1));
    const BeastChange& change = changes.front();
    QCOMPARE(int(change.kind), kind);
    QCOMPARE(change.name, name);
    QVERIFY(PetSnapshot(change.before) == PetSnapshot(before));
    QVERIFY(PetSnapshot(change.after) == PetSnapshot(*CurrentBeast));
    if (change.kind == BeastChange::Kind::Book) {
        const BookOutcome expected = RecordText::Classify(name, before, *CurrentBeast);
        QCOMPARE(int(change.outcome.kind), int(expected.kind));
        QCOMPARE(change.outcome.slot, expected.slot);
        QCOMPARE(change.outcome.lost, expected.lost);
        QCOMPARE(int(change.outcome.kind) == int(BookOutcome::Kind::Refused), act == Act::RefusedBook);
    }

    // The record had noted everything by the time the views heard of it.
    QCOMPARE(writtenAtSignal, RunSession()->Record().LinesWritten());
    QVERIFY(linesAtSignal == RunSession()->Record().Lines());
    if (act == Act::NoBook) {
        QCOMPARE(RunSession()->Record().LinesWritten(), linesBefore);
    } else {
        QVERIFY(RunSession()->Record().LinesWritten() > linesBefore);
        QCOMPARE(RunSession()->Record().Lines().back(), ExpectedLine(change));
    }

    Parts drawn;
    for (const QList<QVariant>& signal : refreshed)
        drawn << signal.at(0).toUInt();
    QCOMPARE(drawn, parts);
}

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
