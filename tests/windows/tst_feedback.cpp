#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QAccessible>
#include <QtTest>

#include "FreshWindows.h"
#include "ModalWatcher.h"
#include "ScriptedClock.h"
#include "ui/PanelShare.h"
#include "ui/RecordWindow.h"
#include "ui/Unit3.h"
#include "ui/Windows.h"
#include "ui/model/RollGrade.h"
#include "ui/petmodify.h"
#include "ui/session/BeastSession.h"
#include "ui/widgets/GradeMark.h"
#include "ui/widgets/ReachChart.h"
#include "ui/widgets/SlotMarker.h"
#include "ui/widgets/StatusLine.h"

namespace {
QPushButton* Button(const char* name)
{
    return Form1->findChild<QPushButton*>(name);
}

// Marks 反击 (second item of the first list), a book a fresh 芙蓉仙子 lacks.
QRadioButton* ChooseCounterAttack()
{
    Form1->PageControl2->setCurrentIndex(0);
    auto* item = Form1->findChild<QRadioButton*>("RadioGroup1Item1");
    item->click();
    return item;
}

// Four skills so that a book surely overwrites or adds; the panel redrawn.
void GiveSkills(std::vector<std::string> skills, std::string certified = {})
{
    CurrentBeast->Skills = std::move(skills);
    CurrentBeast->CertifiedSkill = std::move(certified);
    Form2->RefreshSkills();
}
}  // namespace

class TestFeedback : public QObject {
    Q_OBJECT
private slots:
    void init() { OpenWindows(); }
    void cleanup() { CloseWindows(); }

    void statusLineSitsInTheFreeStripAndMovesNothing()
    {
        QCOMPARE(Form1->size(), QSize(732, 523));
        const QRect status = Form1->Status->geometry();
        QCOMPARE(Form1->Status->textFormat(), Qt::PlainText);
        // Below the beast buttons (page top 8 + 22 under the tabs), inside the picker.
        const QRect picker = Form1->PageControl1->geometry();
        QVERIFY(picker.contains(status));
        for (QPushButton* beast : Form1->PageControl1->findChildren<QPushButton*>())
            QVERIFY(!QRect(beast->mapTo(Form1, QPoint(0, 0)), beast->size()).intersects(status));
        QCOMPARE(Button("BitBtn26")->geometry(), QRect(512, 486, 89, 25));
        QVERIFY(Form1->Status->accessibleName().startsWith("状态：洗出 芙蓉仙子："));  // the start-up roll, graded
        QCOMPARE(Button("BitBtn26")->text(), QString("打书"));
        QVERIFY(Button("BitBtn26")->toolTip().contains("Ctrl+D"));
        QVERIFY(Form1->findChild<QPushButton*>("SpeedButton蛟龙")->toolTip().contains("Ctrl+R"));
        QCOMPARE(Form1->findChild<QPushButton*>("SpeedButton蛟龙")->text(), QString("蛟龙"));
    }

    void statusSaysWhatEachActionDid()
    {
        QSignalSpy announced(Form1->Status, &StatusLine::Announced);
        Button("BitBtn26")->click();
        QCOMPARE(Form1->Status->FullText(), QString("请先选一本技能书"));
        QCOMPARE(Form1->Status->accessibleName(), QString("状态：请先选一本技能书"));

        ChooseCounterAttack();
        QVERIFY(Form1->Status->FullText().startsWith("反击："));
        QVERIFY(Form1->Status->FullText().size() > 4);  // the description follows

        GiveSkills({"夜战", "感知", "必杀", "毒"});
        ScriptedClock clock;
        clock.Then(25, 3).Then(4, 2);  // overwrites the third slot
        clock.FreeRunFrom(7);          // the roll below
        Button("BitBtn26")->click();
        QCOMPARE(Form1->Status->FullText(), QString("第 1 本 反击：覆盖第 3 格的 必杀"));
        Button("BitBtn26")->click();
        QCOMPARE(Form1->Status->FullText(), QString("反击：已有此技能，未使用"));
        Button("BitBtn26")->click();  // the same words again are announced again

        Form1->findChild<QPushButton*>("SpeedButton古代瑞兽")->click();
        QVERIFY(Form1->Status->FullText().startsWith("洗出 古代瑞兽："));
        QVERIFY(Form1->Status->FullText().contains(" 的同种（成长 "));

        GiveSkills({"夜战", "泰山压顶"});
        ModalWatcher watcher;
        watcher.onNext([](QWidget*) { Form3->ChoiceClick(ChoiceLabels.at(0)); });
        Button("BitBtn25")->click();
        QVERIFY(Form1->Status->FullText().startsWith("认证 泰山压顶：第 2 格换为 "));

        // One announcement per action and per book marked.
        QCOMPARE(announced.size(), 7);
        QCOMPARE(announced[0][0].toString(), QString("状态：请先选一本技能书"));
        QCOMPARE(announced[3][0].toString(), announced[4][0].toString());
    }

    // Screen readers speak a notification as it is shown, whatever has the
    // focus: one showing per action, the same words again included, with
    // the words as the notification's name.
    void eachResultIsShownOnceAsANotification()
    {
        // Offscreen there is no accessibility bridge to hear the events;
        // the showings themselves are what it would hear.
        auto* note = Form1->Status->findChild<QWidget*>("Announcement");
        QVERIFY(note);
        struct CountShows : QObject {
            int shown = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                shown += event->type() == QEvent::Show;
                return false;
            }
        } counter;
        note->installEventFilter(&counter);
        Button("BitBtn26")->click();
        Button("BitBtn26")->click();
        QCOMPARE(counter.shown, 2);
        QVERIFY(note->isVisible());
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(note);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Notification);
        QCOMPARE(face->text(QAccessible::Name), QString("请先选一本技能书"));
    }

    void slotMarkFollowsTheLastAction()
    {
        SlotMarker* marker = Form2->Marker();
        QVERIFY(marker->isHidden());
        GiveSkills({"夜战", "感知", "必杀", "毒"});
        ChooseCounterAttack();
        Button("BitBtn26")->click();
        const auto& skills = CurrentBeast->Skills;
        const auto slot = std::find(skills.begin(), skills.end(), "反击") - skills.begin();
        QVERIFY(!marker->isHidden());
        QCOMPARE(marker->Sign(), skills.size() == 5 ? QString("新") : QString("换"));
        QCOMPARE(marker->geometry(), QRect(265 + 42 * int(slot % 4), 240 + 42 * int(slot / 4), 40, 40));

        Button("BitBtn26")->click();  // refused: no mark at all
        QVERIFY(marker->isHidden());

        GiveSkills({"夜战", "泰山压顶"});
        ModalWatcher watcher;
        watcher.onNext([](QWidget*) { Form3->ChoiceClick(ChoiceLabels.at(0)); });
        Button("BitBtn25")->click();
        QCOMPARE(marker->Sign(), QString("认"));
        QCOMPARE(marker->geometry(), QRect(391, 324, 40, 40));

        Form1->findChild<QPushButton*>("SpeedButton古代瑞兽")->click();
        QVERIFY(marker->isHidden());
    }

    void keysHitAndRollFromAnywhere()
    {
        QSignalSpy changes(RunSession(), &BeastSession::Changed);
        QRadioButton* item = ChooseCounterAttack();
        item->setFocus();
        GiveSkills({"夜战", "感知", "必杀", "毒"});
        QTest::keyClick(item, Qt::Key_Return);  // Return on the marked book hits it
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][0].value<BeastChange>().kind, BeastChange::Kind::Book);
        QCOMPARE(changes[0][0].value<BeastChange>().name, std::string("反击"));

        Button("BitBtn27")->setFocus();
        QTest::keyClick(Form1, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes[1][0].value<BeastChange>().kind, BeastChange::Kind::Book);

        Form1->findChild<QPushButton*>("SpeedButton蛟龙")->click();
        Form1->PageControl2->setFocus();
        QTest::keyClick(Form1, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(changes.size(), 4);
        QCOMPARE(changes[3][0].value<BeastChange>().kind, BeastChange::Kind::Roll);
        QCOMPARE(CurrentBeast->Name, std::string("蛟龙"));
    }

    // The card: the panel as drawn on top, and below it text (ShareCard)
    // that leaves ink on the parchment.
    void copiedPictureIsThePanelAsDrawnAboveItsText()
    {
        QVERIFY(PanelShare::Copy());
        const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        const QImage drawn = Form2->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!copied.isNull());
        QCOMPARE(copied.width(), drawn.width());
        QVERIFY(copied.height() > drawn.height() + 30);
        QCOMPARE(copied.copy(QRect(QPoint(0, 0), drawn.size())), drawn);
        const QImage below = copied.copy(0, drawn.height(), copied.width(), copied.height() - drawn.height());
        int inked = 0;
        for (int y = 0; y < below.height(); ++y)
            for (int x = 0; x < below.width(); ++x)
                inked += below.pixelColor(x, y).lightness() < 100;
        QVERIFY2(inked > 200, qPrintable(QString::number(inked)));
    }

    // The mark by the picture shows the roll's grade while the beast is that
    // roll: books keep it, a correction ends it.
    void gradeMarkFollowsTheRoll()
    {
        GradeMark* mark = Form2->Grade();
        QVERIFY(mark->isVisible());
        ScriptedClock clock;
        for (int32_t value : CurrentBeast->TemplateAptitudes)
            clock.Then(RollGrade::RangeOf(value).Count(), 0);  // every aptitude at its top
        clock.Then(5, 4);                                      // the highest of five growths
        clock.FreeRunFrom(11);
        QTest::keyClick(Form1, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(mark->Text(), QString("极品"));
        QCOMPARE(mark->CurrentTone(), GradeMark::Tone::Best);
        QCOMPARE(mark->accessibleName(), QString("鉴定：极品"));
        QVERIFY(mark->toolTip().contains("成长 1.254，最高档"));
        QVERIFY(mark->accessibleDescription().contains("本种洗法：极品占 "));

        ChooseCounterAttack();
        Button("BitBtn26")->click();
        QCOMPARE(mark->Text(), QString("极品"));

        ModifyForm->show();
        ModifyForm->BitBtn1->click();
        ModifyForm->close();
        QCOMPARE(mark->Text(), QString("不评级"));
        QCOMPARE(mark->CurrentTone(), GradeMark::Tone::Plain);

        for (int32_t value : CurrentBeast->TemplateAptitudes)
            clock.Then(RollGrade::RangeOf(value).Count(), 0);
        clock.Then(5, 0);  // the lowest growth: never better than 普通
        QTest::keyClick(Form1, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(mark->Text(), QString("普通"));
    }

    void savingWritesAPngOrLeavesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QImage image = PanelShare::Picture();
        QString error;
        const QString good = dir.filePath("召唤兽.png");
        QVERIFY(PanelShare::Save(image, good, &error));
        QCOMPARE(QImage(good, "PNG").convertToFormat(QImage::Format_RGB32),
                 image.convertToFormat(QImage::Format_RGB32));

        // A folder that does not exist: nothing written anywhere.
        QVERIFY(!PanelShare::Save(image, dir.filePath("无此目录/图.png"), &error));
        QVERIFY(!error.isEmpty());
        // A name taken by a folder: the temporary file is written beside
        // it, the rename fails, and nothing is left behind.
        QVERIFY(QDir(dir.path()).mkdir("占用.png"));
        error.clear();
        QVERIFY(!PanelShare::Save(image, dir.filePath("占用.png"), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"召唤兽.png"});
        QVERIFY(QFileInfo(dir.filePath("占用.png")).isDir());
    }

    // Through the program's own dialog: the suggested name is the beast,
    // its grade and the time; ".png" is added; the folder is kept for the
    // next save; the status line says where the picture went; a cancelled
    // dialog leaves no settings file behind.
    void savingThroughTheDialogNamesReportsAndForgetsNothing()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStandardPaths::setTestModeEnabled(true);
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QFile::remove(config + "/QtProject.conf");
        QString suggested;
        {
            ModalWatcher watcher;
            watcher.onNext([&](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                QVERIFY(dialog);
                suggested = dialog->selectedFiles().value(0);
                dialog->setDirectory(dir.path());
                dialog->selectFile(dir.filePath("卡片"));
                QMetaObject::invokeMethod(dialog, "accept");
            });
            PanelShare::SaveWithDialog(Form1);
        }
        const QString grade = Form2->Grade()->Text();
        QVERIFY2(QFileInfo(suggested).fileName().startsWith("芙蓉仙子-" + grade + "-"), qPrintable(suggested));
        QVERIFY(suggested.endsWith(".png"));
        QVERIFY(QFileInfo::exists(dir.filePath("卡片.png")));
        QCOMPARE(Form1->Status->FullText(), "图片已保存：" + QDir::toNativeSeparators(dir.filePath("卡片.png")));
        {
            ModalWatcher watcher;
            watcher.onNext([&](QWidget* w) {
                suggested = qobject_cast<QFileDialog*>(w)->directory().absolutePath();
                w->close();
            });
            PanelShare::SaveWithDialog(Form1);
        }
        QCOMPARE(suggested, QDir(dir.path()).absolutePath());
        QVERIFY(!QFileInfo::exists(config + "/QtProject.conf"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"卡片.png"});
        QStandardPaths::setTestModeEnabled(false);
    }

    void copyingSaysSo()
    {
        QVERIFY(PanelShare::Copy());
        QCOMPARE(Form1->Status->FullText(), QString("已复制图片（召唤兽、鉴定和技能）"));
    }

    void recordWindowChartsTheWaits()
    {
        GiveSkills({"夜战", "感知", "必杀", "毒"});
        Button("RecordButton")->click();
        RecordWindow* window = ExistingRecordWindow();
        QVERIFY(window);
        ChooseCounterAttack();
        Button("BitBtn26")->click();
        ReachChart* chart = window->Chart();
        const std::size_t held = CurrentBeast->Skills.size();
        QVERIFY(!chart->Curves().empty());
        QCOMPARE(chart->Curves().front().Wait.Target, held + 1);
        for (const auto& curve : chart->Curves()) {
            QCOMPARE(curve.Reached.size(), chart->Books() + 1);
            for (std::size_t m = 1; m < curve.Reached.size(); ++m)
                QVERIFY(curve.Reached[m] >= curve.Reached[m - 1]);
            QVERIFY(curve.Reached.back() > 0.9L);
        }
        // Drawn: the nearest curve's colour appears in the picture.
        const QImage picture = chart->grab().toImage();
        bool inked = false;
        for (int y = 0; y < picture.height() && !inked; ++y)
            for (int x = 0; x < picture.width() && !inked; ++x)
                inked = picture.pixel(x, y) == QColor(0x4a2a12).rgb();
        QVERIFY(inked);
        QVERIFY(window->Odds()->toPlainText().contains("一半把握"));
        // The grading rule stands behind its button, whole in the tooltip.
        auto* rule = window->findChild<QPushButton*>("GradeRuleButton");
        QVERIFY(rule);
        QVERIFY(rule->toolTip().contains("极品"));
        QVERIFY(!window->Counters()->toPlainText().contains("极品"));
        QVERIFY(window->findChild<QPushButton*>("CopyPicture"));
        QVERIFY(window->findChild<QPushButton*>("SavePicture"));
    }
};

QTEST_MAIN(TestFeedback)
#include "tst_feedback.moc"
