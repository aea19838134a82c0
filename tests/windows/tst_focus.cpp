// Where the keyboard focus is must show: every control that takes focus, in
// every window, changes enough pixels by at least 3:1 (WCAG contrast of
// relative luminance, each pixel against what it replaced) when it gets the
// focus, at least a full outline of the focused element's worth.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTabBar>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <vector>

#include "FreshWindows.h"
#include "ui/About.h"
#include "ui/CreditsWindow.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"
#include "ui/RecordWindow.h"
#include "ui/skin/Fonts.h"
#include "ui/skin/Skin.h"
#include "ui/skin/SkinPalette.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"

namespace {

// How visible a focus change is: the pixels it changed, sorted by their
// contrast against what they replaced, read at the outline's length.
struct FocusChange {
    int changed = 0;
    int outline = 0;       // 2 * (width + height) of the focused element
    double contrast = 1;  // the outline-th best contrast among the changed pixels
};

QImage Grab(QWidget* window)
{
    QApplication::processEvents();
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// `element` in the window's (logical) coordinates; the images in device
// pixels, so the outline's length is counted in device pixels too.
FocusChange Compare(const QImage& before, const QImage& after, const QRect& element)
{
    std::vector<double> contrasts;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                contrasts.push_back(ContrastRatio(QColor(before.pixel(x, y)), QColor(after.pixel(x, y))));
    std::sort(contrasts.begin(), contrasts.end(), std::greater<>());
    FocusChange change;
    change.changed = static_cast<int>(contrasts.size());
    change.outline = qRound(2 * (element.width() + element.height()) * before.devicePixelRatio());
    if (change.outline <= change.changed)
        change.contrast = contrasts[static_cast<std::size_t>(change.outline - 1)];
    return change;
}

// The part of `control` that the focus marks, in window coordinates: the
// current item of a list, the current tab of a tab bar, else the control.
QRect FocusedElement(QWidget* control, QWidget* window)
{
    QRect rect = control->rect();
    QWidget* frame = control;
    if (auto* view = qobject_cast<QAbstractItemView*>(control); view && view->currentIndex().isValid()) {
        rect = view->visualRect(view->currentIndex());
        if (auto* tree = qobject_cast<QTreeWidget*>(control))
            for (int column = 1; column < tree->columnCount(); ++column)
                rect |= view->visualRect(view->currentIndex().siblingAtColumn(column));
        frame = view->viewport();
    } else if (auto* bar = qobject_cast<QTabBar*>(control)) {
        rect = bar->tabRect(bar->currentIndex());
    } else if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control)) {
        // The mark runs round the caption, beside the round or square box.
        QStyleOptionButton option;
        option.initFrom(control);
        option.text = static_cast<QAbstractButton*>(control)->text();
        rect = control->style()->subElementRect(qobject_cast<QRadioButton*>(control) ? QStyle::SE_RadioButtonFocusRect
                                                                                      : QStyle::SE_CheckBoxFocusRect,
                                                &option, control);
    }
    return QRect(frame->mapTo(window, rect.topLeft()), rect.size());
}

QString Describe(const QWidget* control)
{
    const QString name = control->objectName().isEmpty() ? control->accessibleName() : control->objectName();
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(control->metaObject()->className()), name);
}

void ActivateWindow(QWidget* window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Takes the focus off every control of `window`, once the window's own
// activation has placed it.
void ClearFocus(QWidget* window)
{
    QApplication::processEvents();
    if (QWidget* focused = window->focusWidget())
        focused->clearFocus();
    QApplication::processEvents();
    QVERIFY(!QApplication::focusWidget());
}

// The controls of `window` that Tab stops at, in no particular order.
QList<QWidget*> TabStops(QWidget* window)
{
    QList<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy())
            stops << w;
    return stops;
}

// Checks every Tab stop of `window`; names the ones whose focus does not show.
QStringList FaintStops(QWidget* window)
{
    QStringList faint;
    const QList<QWidget*> stops = TabStops(window);
    for (QWidget* control : stops) {
        ClearFocus(window);
        const QImage before = Grab(window);
        control->setFocus(Qt::TabFocusReason);
        if (!control->hasFocus()) {
            faint << Describe(control) + QStringLiteral(" takes no focus");
            continue;
        }
        const QImage after = Grab(window);
        const FocusChange change = Compare(before, after, FocusedElement(control, window));
        qInfo("%s: %d pixels changed, outline %d, contrast %.2f", qPrintable(Describe(control)), change.changed,
              change.outline, change.contrast);
        if (change.contrast < 3.0)
            faint << QStringLiteral("%1 (%2:1)").arg(Describe(control)).arg(change.contrast, 0, 'f', 2);
    }
    if (stops.isEmpty())
        faint << QStringLiteral("no Tab stop found");
    return faint;
}

using WindowOf = std::function<QWidget*()>;

QDialog* OpenCredits()
{
    AboutForm->show();
    AboutForm->Label7Click();
    return AboutForm->CreditsWindow;
}

}  // namespace

Q_DECLARE_METATYPE(WindowOf)

class TestFocus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { CloseWindows(); }

    void everyTabStopShowsFocus_data();
    void everyTabStopShowsFocus();
    void everyLinkOfTheCreditsShowsFocus();
    void startFocusShows();
};

void TestFocus::initTestCase()
{
    QVERIFY(RegisterFonts());
    // A steady text cursor: a blinking one would change pixels by itself.
    QApplication::setCursorFlashTime(0);
}

void TestFocus::init()
{
    InstallSkin(*qApp);
    OpenWindows();
}

void TestFocus::everyTabStopShowsFocus_data()
{
    QTest::addColumn<WindowOf>("window");
    QTest::newRow("main window") << WindowOf([] { return static_cast<QWidget*>(Form1); });
    QTest::newRow("correction dialog") << WindowOf([] { return static_cast<QWidget*>(ModifyForm); });
    QTest::newRow("custom dialog") << WindowOf([] { return static_cast<QWidget*>(DIYForm); });
    QTest::newRow("About dialog") << WindowOf([] { return static_cast<QWidget*>(AboutForm); });
    QTest::newRow("icon credits") << WindowOf(OpenCredits);
    QTest::newRow("certification chooser") << WindowOf([] {
        Form3->ShowChoices({"雷击", "落岩", "水攻"});
        return static_cast<QWidget*>(Form3);
    });
    QTest::newRow("message box") << WindowOf([]() -> QWidget* {
        auto* box = new QMessageBox(QMessageBox::NoIcon, "提示信息", "此召唤兽无可认证技能或已经认证！",
                                    QMessageBox::Ok, Form1);
        box->setAttribute(Qt::WA_DeleteOnClose);
        return box;
    });
    QTest::newRow("book record") << WindowOf([]() -> QWidget* {
        Form1->RecordButtonClick();
        return Form1->findChild<RecordWindow*>();
    });
}

void TestFocus::everyTabStopShowsFocus()
{
    QFETCH(WindowOf, window);
    QWidget* shown = window();
    QVERIFY(shown);
    ActivateWindow(shown);
    const QStringList faint = FaintStops(shown);
    if (auto* dialog = qobject_cast<QDialog*>(shown))
        dialog->done(QDialog::Rejected);
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral("; "))));
}

void TestFocus::everyLinkOfTheCreditsShowsFocus()
{
    QDialog* credits = OpenCredits();
    ActivateWindow(credits);
    auto* intro = credits->findChild<QLabel*>(QStringLiteral("Intro"));
    QVERIFY(intro);
    const int links = static_cast<int>(intro->text().count(QStringLiteral("<a ")));
    QVERIFY(links >= 2);
    // Tab walks the links of the text one by one before it leaves it.
    ClearFocus(credits);
    QImage before = Grab(credits);
    intro->setFocus(Qt::TabFocusReason);
    QStringList faint;
    const QRect element(intro->mapTo(credits, QPoint()), QSize(intro->fontMetrics().horizontalAdvance(QStringLiteral("game-icons.net")),
                                                               intro->fontMetrics().height()));
    for (int link = 0; link < links; ++link) {
        QVERIFY(intro->hasFocus());
        const QImage after = Grab(credits);
        const FocusChange change = Compare(before, after, element);
        qInfo("link %d: %d pixels changed, outline %d, contrast %.2f", link + 1, change.changed, change.outline,
              change.contrast);
        if (change.contrast < 3.0)
            faint << QStringLiteral("link %1 (%2:1)").arg(link + 1).arg(change.contrast, 0, 'f', 2);
        before = after;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    credits->done(QDialog::Rejected);
    AboutForm->done(QDialog::Rejected);
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral("; "))));
}

void TestFocus::startFocusShows()
{
    // The program opens with the focus on the current tab of the beast
    // picker; it must show there before any key is pressed.
    QWidget* start = QApplication::focusWidget();
    QVERIFY(start);
    auto* bar = qobject_cast<QTabBar*>(start);
    QVERIFY2(bar, start->metaObject()->className());
    QCOMPARE(bar->tabText(bar->currentIndex()), QStringLiteral("65以下"));
    const QImage focused = Grab(Form1);
    ClearFocus(Form1);
    const FocusChange change = Compare(Grab(Form1), focused, FocusedElement(bar, Form1));
    qInfo("start focus: %d pixels changed, outline %d, contrast %.2f", change.changed, change.outline,
          change.contrast);
    QVERIFY2(change.contrast >= 3.0, qPrintable(QString::number(change.contrast)));
}

QTEST_MAIN(TestFocus)
#include "tst_focus.moc"
