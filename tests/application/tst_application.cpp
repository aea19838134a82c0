// Application set-up: Qt's own texts read Chinese, window titles get nothing
// appended, and a Qt without its JPEG decoder is reported instead of showing
// blank pictures.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRawFont>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "LeakCheck.h"
#include "ui/Application.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/MessageBoxes.h"

namespace {

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Runs `open`, which shows a message box modally, and records and closes the
// box it shows.
ShownBox Answer(const std::function<void()>& open)
{
    ShownBox seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&seen, &poll] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), {}};
        for (const QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        poll.stop();
        box->accept();
    });
    poll.start(5);
    open();
    return seen;
}

void CollectTexts(const QMenu* menu, QStringList& texts)
{
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text();
        if (action->menu())
            CollectTexts(action->menu(), texts);
    }
}

// The texts of the context menu that `widget` opens on a right click. Some
// widgets run their menu modally, others pop it up and return.
QStringList ContextMenuTexts(QWidget* widget)
{
    QStringList texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&texts, &poll] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            CollectTexts(menu, texts);
            poll.stop();
            menu->close();
        }
    });
    poll.start(5);
    const QPoint at(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    if (!QTest::qWaitFor([&poll] { return !poll.isActive(); }, 2000))
        qWarning("no context menu appeared");
    return texts;
}

bool HasChinese(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.script() == QChar::Script_Han; });
}

}  // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNoLeakedWindows(); }
    // First: the image plugins must not have been looked up before it.
    void missingJpegDecoderIsReported();
    // Second: what the set-up and its message box loaded is still mapped.
    void setUpLoadsNoImagePluginButJpeg();
    void noDisplayNameIsAppended();
    void messageBoxButtonsReadChinese_data();
    void messageBoxButtonsReadChinese();
    void contextMenusReadChinese_data();
    void contextMenusReadChinese();
};

void TestApplication::missingJpegDecoderIsReported()
{
    const QStringList paths = QCoreApplication::libraryPaths();
    const QTemporaryDir noPlugins;
    QCoreApplication::setLibraryPaths({noPlugins.path()});
    bool canRun = true;
    const ShownBox box = Answer([&canRun] { canRun = SetUpApplication(*qApp); });
    QCoreApplication::setLibraryPaths(paths);
    QVERIFY(!canRun);
    QCOMPARE(box.title, ApplicationTitle());
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY2(box.text.contains(QStringLiteral("JPEG")), qPrintable(box.text));
    QCOMPARE(box.buttons, QStringList{QStringLiteral("确定")});

    // With the plugins back, nothing is shown and the program may run.
    const ShownBox none = Answer([&canRun] { canRun = SetUpApplication(*qApp); });
    QVERIFY(canRun);
    QVERIFY(none.title.isEmpty());
}

void TestApplication::setUpLoadsNoImagePluginButJpeg()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        QSKIP("no /proc/self/maps here");
    const QByteArray mapped = maps.readAll();
    QVERIFY(mapped.contains("imageformats/libqjpeg"));
    for (const char* other : {"imageformats/libqgif", "imageformats/libqico", "imageformats/libqsvg", "libQt6Svg"})
        QVERIFY2(!mapped.contains(other), other);
}

void TestApplication::noDisplayNameIsAppended()
{
    // On X11 Qt appends a display name, once set, to every window title
    // ("提示信息 — 青霭灵踪之打书模拟器3.0"); unset, it falls back to the
    // application name and nothing is appended.
    QVERIFY(SetUpApplication(*qApp));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    QVERIFY(QGuiApplication::applicationDisplayName() != ApplicationTitle());
}

void TestApplication::messageBoxButtonsReadChinese_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("program message") << 0;
    QTest::newRow("error report") << 1;
}

void TestApplication::messageBoxButtonsReadChinese()
{
    QFETCH(int, kind);
    QVERIFY(SetUpApplication(*qApp));
    const ShownBox box = Answer([kind] {
        if (kind == 0)
            ShowInfoMessage(nullptr, QStringLiteral("此召唤兽无可认证技能或已经认证！"));
        else
            ShowErrorReport(nullptr, InvalidIntegerText(QString()));
    });
    QCOMPARE(box.buttons, QStringList{QStringLiteral("确定")});
}

void TestApplication::contextMenusReadChinese_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("line edit") << "edit"
                               << "全选";
    QTest::newRow("spinner") << "spin"
                             << "升高(&S)";
    QTest::newRow("scroll bar") << "scroll"
                                << "滚动至此";
}

void TestApplication::contextMenusReadChinese()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QVERIFY(SetUpApplication(*qApp));
    QWidget window;
    QWidget* widget = nullptr;
    if (kind == QLatin1String("edit"))
        widget = new QLineEdit(QStringLiteral("芙蓉仙子"), &window);
    else if (kind == QLatin1String("spin"))
        widget = new QSpinBox(&window);
    else
        widget = new QScrollBar(Qt::Vertical, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QStringList texts = ContextMenuTexts(widget);
    QVERIFY2(std::any_of(texts.cbegin(), texts.cend(), [&](const QString& text) { return text.startsWith(expected); }),
             qPrintable(texts.join(u'|')));
    // Every text is Chinese, and the built-in face of the message boxes and
    // menus draws all of it.
    const QRawFont face = QRawFont::fromFont(YaHeiFont(14));
    for (const QString& text : texts) {
        QVERIFY2(HasChinese(text), qPrintable(text));
        for (const char32_t c : text.toUcs4())
            QVERIFY2(face.supportsCharacter(c), qPrintable(text));
    }
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
