// The keyboard and the screen reader in the two editing dialogs: focus moves
// out of every edit, Esc closes from any control, Return presses a focused
// button and nothing else, and every input control has a name of its own.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "LeakCheck.h"
#include "ModalWatcher.h"
#include "PetSnapshot.h"
#include "PanelSession.h"
#include "ui/Unit2.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"

namespace {

// Qt on Linux speaks a drop-down's value as its name and its label through a
// relation; the name set on it is what other platforms speak.
QString SpokenName(QWidget* widget)
{
    if (qobject_cast<QComboBox*>(widget))
        return widget->accessibleName();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

bool InsideComboBox(const QWidget* widget)
{
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<const QComboBox*>(w))
            return true;
    return false;
}

// The controls a user can act on, without the edit and the list inside a
// drop-down, which are parts of the drop-down.
QList<QWidget*> InputControls(QWidget* dialog)
{
    QList<QWidget*> controls;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (InsideComboBox(w))
            continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)
            || qobject_cast<QAbstractItemView*>(w))
            controls << w;
    }
    return controls;
}

}  // namespace

class TestDialogKeys : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabMovesOutOfEveryEdit_data();
    void tabMovesOutOfEveryEdit();
    void escapeClosesFromAnyControl_data();
    void escapeClosesFromAnyControl();
    void returnInAnEditWritesNothing_data();
    void returnInAnEditWritesNothing();
    void returnOnAFocusedButtonPressesIt_data();
    void returnOnAFocusedButtonPressesIt();
    void selectAllAndPasteWorkInFilteredEdits_data();
    void selectAllAndPasteWorkInFilteredEdits();
    void everyInputControlHasItsOwnName_data();
    void everyInputControlHasItsOwnName();

private:
    // Shows the dialog named "modify" or "diy" and focuses `control` in it.
    QWidget* open(const QString& dialog, const QString& control);

    std::unique_ptr<PanelSession> panel_;
    std::unique_ptr<QDialog> dialog_;
};

void TestDialogKeys::init()
{
    panel_ = std::make_unique<PanelSession>();
    QVERIFY(CurrentBeast->LoadBeast("吸血鬼"));
}

void TestDialogKeys::cleanup()
{
    dialog_.reset();
    panel_.reset();
    VerifyNoLeakedWindows();
}

QWidget* TestDialogKeys::open(const QString& dialog, const QString& control)
{
    if (dialog == QStringLiteral("modify"))
        dialog_ = std::make_unique<TModifyForm>(panel_->Session());
    else
        dialog_ = std::make_unique<TDIYForm>(panel_->Session());
    dialog_->show();
    // The offscreen platform activates no window; focus changes need one.
    QApplication::setActiveWindow(dialog_.get());
    auto* widget = dialog_->findChild<QWidget*>(control);
    if (widget)
        widget->setFocus(Qt::OtherFocusReason);
    return widget;
}

void TestDialogKeys::tabMovesOutOfEveryEdit_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("edit");
    QTest::newRow("correction: level") << "modify"
                                       << "Edit2";
    QTest::newRow("correction: a ratio weight") << "modify"
                                                << "Edit11";
    QTest::newRow("custom: an aptitude") << "diy"
                                         << "Edit3";
    QTest::newRow("custom: growth") << "diy"
                                    << "Edit8";
}

void TestDialogKeys::tabMovesOutOfEveryEdit()
{
    QFETCH(QString, dialog);
    QFETCH(QString, edit);
    QWidget* start = open(dialog, edit);
    QVERIFY(start);
    QCOMPARE(QApplication::focusWidget(), start);
    QTest::keyClick(start, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != start);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), start);
}

void TestDialogKeys::escapeClosesFromAnyControl_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control");
    QTest::newRow("correction: name") << "modify"
                                      << "Edit1";
    QTest::newRow("correction: level") << "modify"
                                       << "Edit2";
    QTest::newRow("correction: a ratio weight") << "modify"
                                                << "Edit13";
    QTest::newRow("correction: apply box") << "modify"
                                           << "CheckBox1";
    QTest::newRow("custom: an aptitude") << "diy"
                                         << "Edit7";
    QTest::newRow("custom: growth") << "diy"
                                    << "Edit8";
    QTest::newRow("custom: element") << "diy"
                                     << "ComboBox1";
    QTest::newRow("custom: vocabulary") << "diy"
                                        << "ListBox2";
}

void TestDialogKeys::escapeClosesFromAnyControl()
{
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    const auto before = PetSnapshot(*CurrentBeast);
    QWidget* widget = open(dialog, control);
    QVERIFY(widget);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog_->isVisible());
    QVERIFY(PetSnapshot(*CurrentBeast) == before);
}

void TestDialogKeys::returnInAnEditWritesNothing_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::newRow("correction: level, Return") << "modify"
                                               << "Edit2"
                                               << "30" << int(Qt::Key_Return);
    QTest::newRow("correction: name, Enter") << "modify"
                                             << "Edit1"
                                             << "x" << int(Qt::Key_Enter);
    QTest::newRow("custom: an aptitude, Return") << "diy"
                                                 << "Edit1"
                                                 << "9" << int(Qt::Key_Return);
    QTest::newRow("custom: growth, Enter") << "diy"
                                           << "Edit8"
                                           << "9" << int(Qt::Key_Enter);
}

void TestDialogKeys::returnInAnEditWritesNothing()
{
    QFETCH(QString, dialog);
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(int, key);
    const auto before = PetSnapshot(*CurrentBeast);
    auto* line = qobject_cast<QLineEdit*>(open(dialog, edit));
    QVERIFY(line);
    line->selectAll();
    QTest::keyClicks(line, typed);
    QTest::keyClick(line, Qt::Key(key));
    QVERIFY(dialog_->isVisible());
    QCOMPARE(line->text(), typed);
    QVERIFY(PetSnapshot(*CurrentBeast) == before);
}

void TestDialogKeys::returnOnAFocusedButtonPressesIt_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("commits");
    QTest::addColumn<bool>("closes");
    QTest::newRow("correction: Return on 提交") << "modify"
                                                << "BitBtn1" << int(Qt::Key_Return) << true << false;
    QTest::newRow("correction: Enter on 关闭") << "modify"
                                               << "BitBtn2" << int(Qt::Key_Enter) << false << true;
    QTest::newRow("custom: Enter on 提交") << "diy"
                                           << "BitBtn1" << int(Qt::Key_Enter) << true << false;
    QTest::newRow("custom: Return on 关闭") << "diy"
                                            << "BitBtn2" << int(Qt::Key_Return) << false << true;
}

void TestDialogKeys::returnOnAFocusedButtonPressesIt()
{
    QFETCH(QString, dialog);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(bool, commits);
    QFETCH(bool, closes);
    // The beast differs from what either dialog shows, so a commit shows.
    CurrentBeast->Aptitudes[0] = 1;
    CurrentBeast->Potential = 7;
    const auto before = PetSnapshot(*CurrentBeast);
    QWidget* widget = open(dialog, button);
    QVERIFY(widget);
    if (auto* modify = qobject_cast<TModifyForm*>(dialog_.get()))
        modify->UpDown1->Step(UpDownButton::Direction::Up);
    QTest::keyClick(widget, Qt::Key(key));
    QCOMPARE(PetSnapshot(*CurrentBeast) != before, commits);
    QCOMPARE(!dialog_->isVisible(), closes);
}

void TestDialogKeys::selectAllAndPasteWorkInFilteredEdits_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("errorBoxes");
    // The key filter passes both shortcuts; pasted text is not typed, so it
    // goes in whole and is checked where the dialog reads the edit: the
    // level at once, the custom fields on "提交".
    QTest::newRow("correction: level, a number") << "modify"
                                                 << "Edit2"
                                                 << "30" << 0;
    QTest::newRow("correction: level, not a number") << "modify"
                                                     << "Edit2"
                                                     << "3a" << 1;
    QTest::newRow("custom: an aptitude") << "diy"
                                         << "Edit1"
                                         << "1500" << 0;
    QTest::newRow("custom: growth") << "diy"
                                    << "Edit8"
                                    << "1.25" << 0;
}

void TestDialogKeys::selectAllAndPasteWorkInFilteredEdits()
{
    QFETCH(QString, dialog);
    QFETCH(QString, edit);
    QFETCH(QString, pasted);
    QFETCH(int, errorBoxes);
    auto* line = qobject_cast<QLineEdit*>(open(dialog, edit));
    QVERIFY(line);
    QVERIFY(!line->text().isEmpty());
    line->deselect();
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(line->selectedText(), line->text());

    ModalWatcher watcher;
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(line->text(), pasted);
    QCOMPARE(int(watcher.boxes().size()), errorBoxes);
    // Typing a letter is still refused.
    QTest::keyClick(line, Qt::Key_X);
    QCOMPARE(line->text(), pasted);
}

void TestDialogKeys::everyInputControlHasItsOwnName_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("names");
    QStringList modify{"名称", "等级", "等级加一", "等级减一", "潜能", "应用", "提交", "关闭"};
    for (const char* row : {"体质", "法力", "力量", "耐力", "敏捷"}) {
        const QString name = QString::fromUtf8(row);
        modify << name << name + "加一" << name + "减一" << name + "比例";
    }
    QTest::newRow("correction") << "modify" << modify;
    QTest::newRow("custom") << "diy" << QStringList{"攻击资质", "防御资质", "体力资质",   "法力资质", "速度资质",
                                                    "躲闪资质", "寿命",     "永生",       "成长",     "五行",
                                                    "技能列表", "上移",     "下移",       "添加",     "删除",
                                                    "全部技能", "认证技能", "认证的技能", "提交",     "关闭"};
}

void TestDialogKeys::everyInputControlHasItsOwnName()
{
    QFETCH(QString, dialog);
    QFETCH(QStringList, names);
    open(dialog, QString());
    QStringList spoken;
    for (QWidget* control : InputControls(dialog_.get()))
        spoken << SpokenName(control);
    spoken.sort();
    names.sort();
    QCOMPARE(spoken, names);
}

QTEST_MAIN(TestDialogKeys)
#include "tst_dialog_keys.moc"
