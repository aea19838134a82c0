// The main window's building blocks on their own: the radio list, the
// button-drawn page control, the page made when first shown and the
// auto-sized label.
#include <QAccessible>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

#include "LeakCheck.h"
#include "ui/widgets/AutoSizeLabel.h"
#include "ui/widgets/ButtonTabWidget.h"
#include "ui/widgets/LazyPage.h"
#include "ui/widgets/RadioList.h"
#include "ui/widgets/TabAccessibility.h"

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { VerifyNoLeakedWindows(); }
    void radioListStartsMarkedAndReportsOnlyMoves();
    void radioListPlacesItemsWhenSized();
    void radioListFollowsArrowKeys();
    void tabsHaveTheirFixedSizeAndSwitchPages();
    void lazyPageIsMadeOnceWhenFirstShown();
    void lazyPageIsMadeWhenCurrentInAHiddenWindow();
    void lazyPageControlsTakeTheirPlaceInTheTabOrder_data();
    void lazyPageControlsTakeTheirPlaceInTheTabOrder();
    void autoSizeLabelMeasuresOnFirstShowing();
    void onlyTheFocusedTabBarsTabIsFocused();
};

namespace {

// A window holding a button, a page control with an eager page and a lazy
// one (two buttons each), and a button after it, made in that order.
struct PagedWindow {
    QWidget window;
    QPushButton* before = new QPushButton("前", &window);
    QTabWidget* tabs = new QTabWidget(&window);
    LazyPage* first;
    LazyPage* second;
    QPushButton* after;
    int builds = 0;

    PagedWindow()
    {
        first = page("甲");
        second = page("乙");
        first->Build();
        tabs->addTab(first, "一");
        tabs->addTab(second, "二");
        after = new QPushButton("后", &window);
        before->setGeometry(0, 0, 60, 24);
        tabs->setGeometry(0, 30, 200, 120);
        after->setGeometry(0, 160, 60, 24);
        window.resize(220, 200);
    }
    LazyPage* page(const QString& prefix)
    {
        return new LazyPage([this, prefix](QWidget* page) {
            ++builds;
            for (int i = 1; i <= 2; ++i) {
                auto* button = new QPushButton(prefix + QString::number(i), page);
                button->setObjectName(prefix + QString::number(i));
                button->setGeometry(0, 30 * (i - 1), 60, 24);
            }
        });
    }
};

}  // namespace

void TestWidgets::lazyPageIsMadeOnceWhenFirstShown()
{
    PagedWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QCOMPARE(w.builds, 1);
    QVERIFY(!w.second->IsBuilt());
    QVERIFY(w.window.findChild<QPushButton*>("乙1") == nullptr);
    w.tabs->setCurrentIndex(1);
    QVERIFY(w.second->IsBuilt());
    auto* made = w.window.findChild<QPushButton*>("乙2");
    QVERIFY(made != nullptr);
    QVERIFY(made->isVisible());
    QCOMPARE(made->geometry(), QRect(0, 30, 60, 24));
    w.tabs->setCurrentIndex(0);
    w.tabs->setCurrentIndex(1);
    w.second->Build();
    QCOMPARE(w.builds, 2);
}

void TestWidgets::lazyPageIsMadeWhenCurrentInAHiddenWindow()
{
    PagedWindow w;
    LazyPage::BuildWhenCurrent(w.tabs);
    w.tabs->setCurrentIndex(1);
    QVERIFY(w.second->IsBuilt());
    QVERIFY(w.window.findChild<QPushButton*>("乙1") != nullptr);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QVERIFY(w.window.findChild<QPushButton*>("乙1")->isVisible());
}

// Tab goes from the page control into its current page and on to the
// control after it, whichever page was made later and how.
void TestWidgets::lazyPageControlsTakeTheirPlaceInTheTabOrder_data()
{
    QTest::addColumn<bool>("builtWhileHidden");
    QTest::newRow("made on showing") << false;
    QTest::newRow("made while hidden") << true;
}

void TestWidgets::lazyPageControlsTakeTheirPlaceInTheTabOrder()
{
    QFETCH(bool, builtWhileHidden);
    PagedWindow w;
    if (builtWhileHidden)
        w.second->Build();
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.tabs->setCurrentIndex(1);
    QApplication::setActiveWindow(&w.window);
    w.before->setFocus();
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        order << (qobject_cast<QTabBar*>(focused) ? QString("tabs") : focused->objectName() + focused->property("text").toString());
    }
    QCOMPARE(order, (QStringList{"tabs", "乙1乙1", "乙2乙2", "后"}));
}

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

void TestWidgets::onlyTheFocusedTabBarsTabIsFocused()
{
    InstallTabAccessibility();
    QWidget window;
    auto* first = new QTabBar(&window);
    auto* second = new QTabBar(&window);
    second->move(0, 40);
    for (QTabBar* bar : {first, second}) {
        bar->addTab("甲");
        bar->addTab("乙&A");
    }
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QAccessibleInterface* one = QAccessible::queryAccessibleInterface(first);
    QAccessibleInterface* two = QAccessible::queryAccessibleInterface(second);
    QCOMPARE(one->role(), QAccessible::PageTabList);
    QCOMPARE(one->childCount(), 2);
    QVERIFY(one->child(0)->state().focused);
    QVERIFY(one->child(0)->state().selected);
    QVERIFY(!two->child(0)->state().focused);  // current, but its bar lacks the focus
    QVERIFY(two->child(0)->state().selected);
    QVERIFY(!one->child(1)->state().focused);
    QCOMPARE(one->child(1)->text(QAccessible::Name), QString("乙A"));
    QCOMPARE(one->indexOfChild(one->child(1)), 1);
    QCOMPARE(one->focusChild(), one->child(0));
    one->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(first->currentIndex(), 1);
    QCOMPARE(one->text(QAccessible::Name), QString("乙A"));
}
