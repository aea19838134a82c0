#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "LeakCheck.h"
#include "SkillOracle.h"
#include "ModalWatcher.h"
#include "PetSnapshot.h"
#include "PanelSession.h"
#include "ui/Unit2.h"
#include "ui/petdiy.h"
#include "data/builtin_data.h"

namespace {

QStringList Rows(const QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

void DoubleClick(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    const QRect rect = list->visualItemRect(list->item(row));
    // A real double click is a click followed by the double-click event;
    // QTest's widget path sends only the latter.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class TestDiy : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void showOffersTheTemplate_data();
    void showOffersTheTemplate();
    void addRefusesDuplicatesBeforeTheCap();
    void doubleClicksAddAndRemove();
    void keysActAsDoubleClicks_data();
    void keysActAsDoubleClicks();
    void itemsDescribeTheirSkills();
    void movesFollowTheEntry();
    void keyFilters_data();
    void keyFilters();
    void commitWritesAndRedraws();
    void commitWithBadNumberWritesNothing_data();
    void commitWithBadNumberWritesNothing();
    void reopenStartsFromTheTemplateAndKeepsTheChoices();

private:
    std::unique_ptr<PanelSession> panel_;
    TDIYForm* form_ = nullptr;
};

void TestDiy::init()
{
    panel_ = std::make_unique<PanelSession>();
    form_ = new TDIYForm(panel_->Session());
    DIYForm = form_;
}

void TestDiy::cleanup()
{
    delete form_;
    DIYForm = nullptr;
    panel_.reset();
    VerifyNoLeakedWindows();
}

void TestDiy::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("first aptitude edit") << "Edit1" << QRect(80, 16, 81, 21);
    QTest::newRow("lifespan edit") << "Edit7" << QRect(80, 208, 81, 21);
    QTest::newRow("growth edit") << "Edit8" << QRect(80, 256, 81, 21);
    QTest::newRow("element box") << "ComboBox1" << QRect(80, 288, 81, 21);
    QTest::newRow("skill group") << "GroupBox1" << QRect(176, 8, 289, 300);
    QTest::newRow("beast skills") << "ListBox1" << QRect(8, 24, 121, 209);
    QTest::newRow("vocabulary") << "ListBox2" << QRect(160, 24, 121, 260);
    QTest::newRow("add button") << "SpeedButton1" << QRect(134, 120, 23, 22);
    QTest::newRow("certified skill box") << "ComboBox2" << QRect(8, 264, 121, 21);
    QTest::newRow("commit button") << "BitBtn1" << QRect(112, 320, 57, 23);
    QTest::newRow("close button") << "BitBtn2" << QRect(288, 320, 57, 23);
}

void TestDiy::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    const auto* widget = form_->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(form_->size(), QSize(473, 352));
    QCOMPARE(form_->windowTitle(), QStringLiteral("完全DIY"));
    QCOMPARE(form_->font().pixelSize(), 13);
    QCOMPARE(form_->ListBox2->count(), 88);
    QCOMPARE(form_->ComboBox2->count(), 9);
    QCOMPARE(form_->ComboBox2->currentText(), QStringLiteral("雷击"));
    QVERIFY(!form_->CheckBox1->isEnabled());
}

void TestDiy::showOffersTheTemplate_data()
{
    QTest::addColumn<QString>("beast");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QStringList>("skills");
    QTest::newRow("vampire: innate then fixed")
        << "吸血鬼" << QStringList{"1440", "1320", "3600", "2400", "1320", "1800", "7740", "1.254"}
        << QStringList{"偷袭", "夜战", "吸血", "鬼魂术", "弱点水"};
    QTest::newRow("ancient beast: no fixed skills")
        << "古代瑞兽" << QStringList{"1210", "1260", "3600", "2504", "1380", "1200", "8938", "1.173"}
        << QStringList{"泰山压顶", "高级驱鬼", "高级反震", "高级神迹"};
}

void TestDiy::showOffersTheTemplate()
{
    QFETCH(QString, beast);
    QFETCH(QStringList, edits);
    QFETCH(QStringList, skills);
    QVERIFY(CurrentBeast->LoadBeast(beast.toStdString()));
    form_->show();
    const QLineEdit* all[] = {form_->Edit1, form_->Edit2, form_->Edit3, form_->Edit4,
                              form_->Edit5, form_->Edit6, form_->Edit7, form_->Edit8};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(all[i]->text(), edits[i]);
    QCOMPARE(Rows(form_->ListBox1), skills);
}

void TestDiy::addRefusesDuplicatesBeforeTheCap()
{
    QVERIFY(CurrentBeast->LoadBeast("吸血鬼"));
    form_->show();
    ModalWatcher watcher;

    form_->ListBox2->setCurrentRow(0);  // 夜战, already held
    form_->SpeedButton1->click();
    QCOMPARE(watcher.boxes().size(), size_t(1));
    QCOMPARE(watcher.boxes()[0].text, QStringLiteral("此技能已经存在！"));
    QCOMPARE(watcher.boxes()[0].title, QStringLiteral("提示信息"));
    QCOMPARE(watcher.boxes()[0].icon, QMessageBox::NoIcon);
    QCOMPARE(form_->ListBox1->count(), 5);

    for (int row = 1; form_->ListBox1->count() < 12; ++row) {
        form_->ListBox2->setCurrentRow(row);
        form_->SpeedButton1->click();
    }
    QCOMPARE(watcher.boxes().size(), size_t(2));  // 吸血 on the way was a duplicate
    form_->ListBox2->setCurrentRow(40);
    form_->SpeedButton1->click();
    QCOMPARE(watcher.boxes().back().text, QStringLiteral("技能最高12个！"));
    form_->ListBox2->setCurrentRow(0);
    form_->SpeedButton1->click();
    QCOMPARE(watcher.boxes().back().text, QStringLiteral("此技能已经存在！"));
    QCOMPARE(form_->ListBox1->count(), 12);
}

void TestDiy::doubleClicksAddAndRemove()
{
    QVERIFY(CurrentBeast->LoadBeast("吸血鬼"));
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
    DoubleClick(form_->ListBox2, 1);  // 反击
    QCOMPARE(Rows(form_->ListBox1).last(), QStringLiteral("反击"));
    DoubleClick(form_->ListBox1, 0);
    QCOMPARE(Rows(form_->ListBox1), (QStringList{"夜战", "吸血", "鬼魂术", "弱点水", "反击"}));
}

void TestDiy::keysActAsDoubleClicks_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestDiy::keysActAsDoubleClicks()
{
    QFETCH(int, key);
    QVERIFY(CurrentBeast->LoadBeast("吸血鬼"));
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
    const TPet before = *CurrentBeast;
    form_->ListBox2->setFocus();
    form_->ListBox2->setCurrentRow(1);  // 反击
    QTest::keyClick(form_->ListBox2, Qt::Key(key));
    QCOMPARE(Rows(form_->ListBox1), (QStringList{"偷袭", "夜战", "吸血", "鬼魂术", "弱点水", "反击"}));
    form_->ListBox1->setFocus();
    form_->ListBox1->setCurrentRow(0);
    QTest::keyClick(form_->ListBox1, Qt::Key(key));
    QCOMPARE(Rows(form_->ListBox1), (QStringList{"夜战", "吸血", "鬼魂术", "弱点水", "反击"}));
    // The keys only edit the list; the beast changes on "提交" alone.
    QVERIFY(PetSnapshot(*CurrentBeast) == PetSnapshot(before));
    QVERIFY(form_->isVisible());
    // With a modifier the key is the list's own again.
    QTest::keyClick(form_->ListBox1, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(Rows(form_->ListBox1), (QStringList{"夜战", "吸血", "鬼魂术", "弱点水", "反击"}));
}

void TestDiy::itemsDescribeTheirSkills()
{
    QVERIFY(CurrentBeast->LoadBeast("吸血鬼"));
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
    form_->ListBox2->setCurrentRow(1);
    form_->SpeedButton1Click();
    for (const QListWidget* list : {form_->ListBox1, form_->ListBox2}) {
        QVERIFY(list->count() > 0);
        for (int i = 0; i < list->count(); ++i) {
            const QString skill = list->item(i)->text();
            const QString description = list->item(i)->data(Qt::AccessibleDescriptionRole).toString();
            QVERIFY2(!description.isEmpty(), qPrintable(skill));
            QCOMPARE(description, QString::fromStdString(SkillDescription(skill.toStdString())));
        }
    }
    QCOMPARE(form_->ListBox1->item(1)->text(), QStringLiteral("夜战"));
    QCOMPARE(form_->ListBox1->item(1)->data(Qt::AccessibleDescriptionRole).toString(),
             QStringLiteral("具备夜战能力，不受夜间攻防能力下降的影响"));
}

void TestDiy::movesFollowTheEntry()
{
    QVERIFY(CurrentBeast->LoadBeast("吸血鬼"));
    form_->show();
    const QStringList original = Rows(form_->ListBox1);

    form_->SpeedButton3->click();  // nothing selected
    form_->SpeedButton4->click();
    QCOMPARE(Rows(form_->ListBox1), original);

    form_->ListBox1->setCurrentRow(0);
    form_->SpeedButton3->click();  // already first
    QCOMPARE(Rows(form_->ListBox1), original);
    form_->SpeedButton4->click();
    QCOMPARE(Rows(form_->ListBox1), (QStringList{"夜战", "偷袭", "吸血", "鬼魂术", "弱点水"}));
    QCOMPARE(form_->ListBox1->currentRow(), 1);

    form_->ListBox1->setCurrentRow(4);
    form_->SpeedButton4->click();  // already last
    form_->SpeedButton3->click();
    QCOMPARE(Rows(form_->ListBox1), (QStringList{"夜战", "偷袭", "吸血", "弱点水", "鬼魂术"}));
    QCOMPARE(form_->ListBox1->currentRow(), 3);

    form_->SpeedButton2->click();
    QCOMPARE(Rows(form_->ListBox1), (QStringList{"夜战", "偷袭", "吸血", "鬼魂术"}));
}

void TestDiy::keyFilters_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("aptitude drops letters and point") << "Edit1"
                                                      << "1a2.3"
                                                      << "123";
    QTest::newRow("aptitude keeps at most four") << "Edit3"
                                                 << "123456"
                                                 << "1234";
    QTest::newRow("growth keeps the point") << "Edit8"
                                            << "1.3x"
                                            << "1.3";
}

void TestDiy::keyFilters()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    form_->show();
    auto* line = form_->findChild<QLineEdit*>(edit);
    line->clear();
    QTest::keyClicks(line, typed);
    QCOMPARE(line->text(), expected);
    QTest::keyClick(line, Qt::Key_Backspace);
    QCOMPARE(line->text(), expected);
    QTest::keyClick(line, Qt::Key_Home);
    QTest::keyClick(line, Qt::Key_Delete);
    QCOMPARE(line->text(), expected.mid(1));
}

void TestDiy::commitWritesAndRedraws()
{
    QVERIFY(CurrentBeast->LoadBeast("吸血鬼"));
    CurrentBeast->CertifiedSkill = "烈火";
    const TPet before = *CurrentBeast;
    form_->show();
    form_->Edit8->setText("1.3");
    form_->ComboBox1->setEditText(QStringLiteral("风"));
    form_->ListBox1->setCurrentRow(0);
    form_->SpeedButton2->click();

    form_->BitBtn1->click();
    QCOMPARE(CurrentBeast->Aptitudes, (std::array<int32_t, 7>{1440, 1320, 3600, 2400, 1320, 1800, 7740}));
    QCOMPARE(CurrentBeast->Growth, 1.3);
    QCOMPARE(CurrentBeast->Element, std::string("风"));
    QCOMPARE(CurrentBeast->Skills, (std::vector<std::string>{"夜战", "吸血", "鬼魂术", "弱点水"}));
    QCOMPARE(CurrentBeast->CertifiedSkill, std::string());
    QCOMPARE(CurrentBeast->Name, before.Name);
    QCOMPARE(CurrentBeast->Physique, before.Physique);
    QVERIFY(form_->isVisible());  // commit does not close

    // The panel shows the new values: its text contains the written growth.
    bool growthShown = false;
    for (const QLabel* label : panel_->Panel()->findChildren<QLabel*>())
        growthShown = growthShown || label->text() == QStringLiteral("1.3");
    QVERIFY(growthShown);

    form_->CheckBox2->setChecked(true);
    form_->ComboBox2->setCurrentIndex(8);
    form_->BitBtn1->click();
    QCOMPARE(CurrentBeast->CertifiedSkill, std::string("上古灵符"));
}

void TestDiy::commitWithBadNumberWritesNothing_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("emptied first aptitude") << "Edit1"
                                            << ""
                                            << "'' is not a valid integer value.";
    QTest::newRow("pasted sign-free junk in lifespan") << "Edit7"
                                                       << "7x"
                                                       << "'7x' is not a valid integer value.";
    QTest::newRow("growth with two points") << "Edit8"
                                            << "1.2.3"
                                            << "'1.2.3' is not a valid floating point value.";
}

void TestDiy::commitWithBadNumberWritesNothing()
{
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QVERIFY(CurrentBeast->LoadBeast("吸血鬼"));
    const TPet before = *CurrentBeast;
    form_->show();
    // Every other field differs from the beast's, so any early write shows.
    form_->Edit2->setText("9");
    form_->ComboBox1->setEditText(QStringLiteral("风"));
    form_->CheckBox2->setChecked(true);
    form_->ListBox1->setCurrentRow(0);
    form_->SpeedButton2->click();
    form_->findChild<QLineEdit*>(edit)->setText(text);

    ModalWatcher watcher;
    form_->BitBtn1->click();
    QCOMPARE(watcher.boxes().size(), size_t(1));
    QCOMPARE(watcher.boxes()[0].text, message);
    QCOMPARE(watcher.boxes()[0].icon, QMessageBox::Critical);
    QCOMPARE(watcher.boxes()[0].title, QStringLiteral("青霭灵踪之打书模拟器3.0"));
    QVERIFY(PetSnapshot(*CurrentBeast) == PetSnapshot(before));
}

void TestDiy::reopenStartsFromTheTemplateAndKeepsTheChoices()
{
    QVERIFY(CurrentBeast->LoadBeast("吸血鬼"));
    form_->show();
    form_->Edit1->setText("1");
    form_->ComboBox1->setCurrentIndex(3);
    form_->CheckBox2->setChecked(true);
    form_->ComboBox2->setCurrentIndex(2);
    form_->BitBtn1->click();
    form_->BitBtn2->click();
    QVERIFY(!form_->isVisible());

    form_->show();
    QCOMPARE(form_->Edit1->text(), QStringLiteral("1440"));
    QCOMPARE(form_->ComboBox1->currentText(), QStringLiteral("火"));
    QVERIFY(form_->CheckBox2->isChecked());
    QCOMPARE(form_->ComboBox2->currentText(), QStringLiteral("水攻"));
}

QTEST_MAIN(TestDiy)
#include "tst_diy.moc"
