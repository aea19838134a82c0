#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <functional>

#include "LeakCheck.h"
#include "ui/About.h"
#include "ui/CreditsWindow.h"
#include "ui/widgets/LinkLabel.h"

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { VerifyNoLeakedWindows(); }
    void windowAndTitle();
    void labels_data();
    void labels();
    void noteWrapsAndKeepsItsIndent();
    void centredOnTheOwner();
    void escapeCloses();
    void artworkLineOpensCredits_data();
    void artworkLineOpensCredits();
    void artworkLineIsALinkToScreenReaders();
};

void TestAbout::windowAndTitle()
{
    TAboutForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("关于软件&作者"));
    QCOMPARE(form.size(), QSize(370, 271));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.Bevel1->geometry(), QRect(8, 8, 353, 257));
    QCOMPARE(form.Image1->geometry(), QRect(56, 16, 48, 48));
    QVERIFY(form.Image1->pixmap().size() == QSize(48, 48));
}

void TestAbout::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("bold");
    QTest::newRow("title") << "Label1" << QPoint(120, 16) << true;
    QTest::newRow("version") << "Label2" << QPoint(160, 32) << false;
    QTest::newRow("software section") << "Label3" << QPoint(16, 72) << true;
    QTest::newRow("author section") << "Label5" << QPoint(16, 168) << true;
    QTest::newRow("first contact") << "Label6" << QPoint(16, 192) << false;
    QTest::newRow("artwork contact") << "Label7" << QPoint(16, 216) << false;
    QTest::newRow("third contact") << "Label8" << QPoint(16, 240) << false;
}

void TestAbout::labels()
{
    QFETCH(QString, name);
    QFETCH(QPoint, position);
    QFETCH(bool, bold);
    TAboutForm form;
    const auto* label = form.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->pos(), position);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().pixelSize(), 14);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(!label->autoFillBackground());
    // Each contact line starts with the bullet and fits its one line.
    if (name != "Label1" && name != "Label2" && name != "Label3" && name != "Label5") {
        QVERIFY(label->text().startsWith(QStringLiteral("●")));
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
}

void TestAbout::noteWrapsAndKeepsItsIndent()
{
    TAboutForm form;
    QCOMPARE(form.Label4->geometry(), QRect(16, 88, 337, 81));
    QVERIFY(form.Label4->text().startsWith(QStringLiteral("      界面")));
    QVERIFY(form.Label4->wordWrap());
    const int lineHeight = form.Label4->fontMetrics().lineSpacing();
    // The last line's descent may fall outside; its glyphs must not.
    const int needed = form.Label4->heightForWidth(337);
    QVERIFY2(needed > 2 * lineHeight && needed - form.Label4->fontMetrics().descent() <= 81,
             qPrintable(QString::number(needed)));
    QVERIFY(form.Label7->text().contains(QStringLiteral("game-icons.net")));
    QVERIFY(form.Label7->heightForWidth(form.Label7->width()) <= form.Label7->height());
}

void TestAbout::centredOnTheOwner()
{
    QWidget owner;
    owner.setGeometry(100, 100, 800, 600);
    owner.show();
    auto* form = new TAboutForm(&owner);
    form->show();
    const QPoint offset = form->frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    form->close();
}

void TestAbout::escapeCloses()
{
    TAboutForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
}

using Activation = std::function<void(LinkLabel*)>;
Q_DECLARE_METATYPE(Activation)

void TestAbout::artworkLineOpensCredits_data()
{
    QTest::addColumn<Activation>("activate");
    QTest::newRow("left click") << Activation([](LinkLabel* l) { QTest::mouseClick(l, Qt::LeftButton); });
    QTest::newRow("Enter") << Activation([](LinkLabel* l) { QTest::keyClick(l, Qt::Key_Return); });
    QTest::newRow("Space") << Activation([](LinkLabel* l) { QTest::keyClick(l, Qt::Key_Space); });
    QTest::newRow("accessible press") << Activation([](LinkLabel* l) {
        QAccessible::queryAccessibleInterface(l)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    });
}

void TestAbout::artworkLineOpensCredits()
{
    QFETCH(Activation, activate);
    TAboutForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.Label7->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(form.Label7->focusPolicy(), Qt::StrongFocus);
    QSignalSpy spy(form.Label7, &LinkLabel::activated);

    QTest::mouseClick(form.Label7, Qt::RightButton);
    QTest::keyClick(form.Label7, Qt::Key_A);
    QCOMPARE(spy.count(), 0);
    QVERIFY(!form.CreditsWindow);

    activate(form.Label7);
    QCOMPARE(spy.count(), 1);
    QVERIFY(form.CreditsWindow && form.CreditsWindow->isVisible());
    QCOMPARE(form.CreditsWindow->parentWidget(), &form);
    QVERIFY(form.CreditsWindow->isModal());

    // Esc closes only the credits; the About dialog stays, and the same
    // credits window comes back at the next opening.
    TCreditsWindow* first = form.CreditsWindow;
    QTest::keyClick(first->IconList, Qt::Key_Escape);
    QVERIFY(!first->isVisible());
    QVERIFY(form.isVisible());
    activate(form.Label7);
    QCOMPARE(form.CreditsWindow, first);
    QVERIFY(first->isVisible());
}

void TestAbout::artworkLineIsALinkToScreenReaders()
{
    TAboutForm form;
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(form.Label7);
    QVERIFY(link);
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), form.Label7->text());
    QVERIFY(!link->text(QAccessible::Description).isEmpty());
    QVERIFY(link->actionInterface());
    QVERIFY(link->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
