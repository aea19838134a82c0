// The main window's building blocks on their own: the radio list, the
// button-drawn page control and the auto-sized label.
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

#include "LeakCheck.h"
#include "ui/widgets/AutoSizeLabel.h"
#include "ui/widgets/ButtonTabWidget.h"
#include "ui/widgets/RadioList.h"

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { VerifyNoLeakedWindows(); }
    void radioListStartsMarkedAndReportsOnlyMoves();
    void radioListPlacesItemsWhenSized();
    void radioListFollowsArrowKeys();
    void tabsHaveTheirFixedSizeAndSwitchPages();
    void autoSizeLabelMeasuresOnFirstShowing();
};

void TestWidgets::radioListStartsMarkedAndReportsOnlyMoves()
{
    RadioList list("List", {"甲", "乙", "丙"}, 1);
    QSignalSpy moved(&list, &RadioList::MarkMoved);
    QCOMPARE(list.Count(), 3);
    QVERIFY(list.Item(0)->isChecked());
    QCOMPARE(list.findChild<QRadioButton*>("ListItem2"), list.Item(2));
    list.Item(0)->click();
    QCOMPARE(moved.count(), 0);
    list.Item(2)->click();
    list.Item(2)->click();
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toString(), QString("丙"));
}

void TestWidgets::radioListPlacesItemsWhenSized()
{
    RadioList list("List", {"一", "二", "三", "四", "五"}, 2);
    list.resize(200, 120);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QPoint origin = list.contentsRect().topLeft();
    // Three rows in the first column, two in the second, side by side.
    QCOMPARE(list.Item(0)->x(), origin.x() + 8);
    QCOMPARE(list.Item(3)->x(), list.Item(0)->x() + list.Item(0)->width());
    QCOMPARE(list.Item(3)->y(), list.Item(0)->y());
    QVERIFY(list.Item(1)->y() > list.Item(0)->y());
    QCOMPARE(list.Item(1)->y() - list.Item(0)->y(), list.Item(0)->height());
    QVERIFY(list.Item(2)->geometry().bottom() < list.height());
    list.resize(200, 240);
    QTRY_VERIFY(list.Item(1)->y() - list.Item(0)->y() > 30);
}

void TestWidgets::radioListFollowsArrowKeys()
{
    RadioList list("List", {"一", "二", "三"}, 1);
    QSignalSpy moved(&list, &RadioList::MarkMoved);
    list.resize(120, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.Item(0)->setFocus();
    QTest::keyClick(list.Item(0), Qt::Key_Down);
    QVERIFY(list.Item(1)->isChecked());
    QCOMPARE(moved.count(), 1);
}

void TestWidgets::tabsHaveTheirFixedSizeAndSwitchPages()
{
    ButtonTabWidget tabs(55, 20);
    tabs.addTab(new QWidget, "65以下");
    tabs.addTab(new QWidget, "125飞升");
    QSignalSpy changed(&tabs, &QTabWidget::currentChanged);
    tabs.resize(300, 73);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    QTabBar* bar = tabs.tabBar();
    QCOMPARE(bar->tabRect(0).size(), QSize(55, 20));
    QCOMPARE(bar->tabRect(1).size(), QSize(55, 20));
    QCOMPARE(bar->tabRect(1).left(), bar->tabRect(0).right() + 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(tabs.currentIndex(), 1);
    QCOMPARE(changed.count(), 1);
}

void TestWidgets::autoSizeLabelMeasuresOnFirstShowing()
{
    QWidget window;
    window.resize(300, 100);
    auto* label = new AutoSizeLabel("<b>潜能</b>", &window, QPoint(8, 12));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->pos(), QPoint(8, 12));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(label->size(), label->sizeHint());
    const int before = label->width();
    label->setText("潜能潜能潜能潜能");
    QVERIFY(label->width() > before);
    QCOMPARE(label->size(), label->sizeHint());
    QCOMPARE(label->pos(), QPoint(8, 12));
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
