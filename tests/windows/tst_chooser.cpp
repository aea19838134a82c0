// The certification chooser, by mouse, keyboard and screen reader, each test
// on fresh windows.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QScopeGuard>
#include <QtTest>

#include "ui/widgets/ChoiceEntry.h"
#include "FreshWindows.h"
#include "ModalWatcher.h"
#include "ui/Unit3.h"

class TestChooser : public QObject {
    Q_OBJECT
private slots:
    void init() { OpenWindows(); }
    void cleanup() { CloseWindows(); }

    void chooserWorksFromTheKeyboard_data();
    void chooserWorksFromTheKeyboard();
    void chooserEntriesArePressableButtons();
    void chooserGrowsToShowEveryEntry();
};

void TestChooser::chooserWorksFromTheKeyboard_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("picked");  // -1: none
    QTest::newRow("Return picks the first") << QList<int>{Qt::Key_Return} << 0;
    QTest::newRow("Space picks the first") << QList<int>{Qt::Key_Space} << 0;
    QTest::newRow("Down, Enter") << QList<int>{Qt::Key_Down, Qt::Key_Enter} << 1;
    QTest::newRow("Right, Space") << QList<int>{Qt::Key_Right, Qt::Key_Space} << 1;
    QTest::newRow("Tab, Return") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << 1;
    QTest::newRow("Down, Up, Return") << QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Return} << 0;
    QTest::newRow("Tab wraps round") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << 0;
    QTest::newRow("Escape picks nothing") << QList<int>{Qt::Key_Escape} << -1;
    QTest::newRow("Down, Escape picks nothing") << QList<int>{Qt::Key_Down, Qt::Key_Escape} << -1;
}

void TestChooser::chooserWorksFromTheKeyboard()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, picked);
    const auto certifiable = GiveTwoCertifiableSkills();
    ModalWatcher watcher;
    bool firstFocused = false;
    bool openAfterKeys = true;
    watcher.onNext([&](QWidget* chooser) {
        // A failed check returns early; the chooser must still close, or
        // the handler under test waits for ever.
        auto closeAnyway = qScopeGuard([chooser] {
            if (chooser->isVisible())
                chooser->close();
        });
        chooser->activateWindow();
        // Keys go where the focus is, so wait until it is in the chooser.
        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == chooser);
        firstFocused = QApplication::focusWidget() == ChoiceLabels[0];
        for (int key : keys) {
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
        openAfterKeys = chooser->isVisible();
    });
    Form1->BitBtn25Click();
    QVERIFY(firstFocused);
    QVERIFY(!openAfterKeys);
    QVERIFY(ChoiceLabels.empty());
    QCOMPARE(CurrentBeast->CertifiedSkill, picked < 0 ? std::string() : certifiable[std::size_t(picked)]);
}

void TestChooser::chooserEntriesArePressableButtons()
{
    const auto certifiable = GiveTwoCertifiableSkills();
    ModalWatcher watcher;
    QStringList names;
    QStringList actions;
    QPixmap unfocused;
    QPixmap focused;
    watcher.onNext([&](QWidget* chooser) {
        auto closeAnyway = qScopeGuard([chooser] {
            if (chooser->isVisible())
                chooser->close();
        });
        for (ChoiceEntry* entry : ChoiceLabels) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(entry);
            names << a->text(QAccessible::Name);
            QVERIFY(a->state().focusable);
            QVERIFY(a->actionInterface());
            actions = a->actionInterface()->actionNames();
        }
        focused = ChoiceLabels[0]->grab();
        ChoiceLabels[1]->setFocus();
        unfocused = ChoiceLabels[0]->grab();
        QAccessibleInterface* second = QAccessible::queryAccessibleInterface(ChoiceLabels[1]);
        second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!chooser->isVisible());  // the press is animated, so it lands later
    });
    Form1->BitBtn25Click();
    QCOMPARE(names, (QStringList{QString::fromStdString(certifiable[0]), QString::fromStdString(certifiable[1])}));
    QVERIFY(actions.contains(QAccessibleActionInterface::pressAction()));
    QVERIFY2(focused.toImage() != unfocused.toImage(), "the focused entry shows no focus mark");
    QCOMPARE(CurrentBeast->CertifiedSkill, certifiable[1]);
}

void TestChooser::chooserGrowsToShowEveryEntry()
{
    Form3->ShowChoices({"a", "b", "c", "d", "e"});
    QCOMPARE(ChoiceLabels.size(), std::size_t(5));
    QVERIFY(ChoiceLabels[4]->geometry().bottom() < Form3->height());
    QCOMPARE(ChoiceLabels[4]->pos() + ChoiceEntry::Padding, QPoint(16, 56 + 26 * 4));
    QCOMPARE(ChoiceLabels[4]->size(), ChoiceLabels[4]->sizeHint());
    // Centred on the main window at either height (within a pixel of rounding).
    const auto centredOnMainWindow = [] {
        const QPoint offset = Form3->frameGeometry().center() - Form1->frameGeometry().center();
        return offset.manhattanLength() <= 2;
    };
    QVERIFY(centredOnMainWindow());
    Form3->ShowChoices({"x"});
    QCOMPARE(ChoiceLabels.size(), std::size_t(1));
    QCOMPARE(Form3->height(), 140);
    QVERIFY(centredOnMainWindow());
    Form3->show();
    Form3->close();
    QVERIFY(ChoiceLabels.empty());
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
