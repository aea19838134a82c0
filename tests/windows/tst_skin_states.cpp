// The skin's control states: buttons, tabs and icon buttons whose resting,
// hovered, pressed, focused and disabled looks can be told apart.
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

#include "LeakCheck.h"
#include "ui/Unit1.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Skin.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinPainting.h"
#include "ui/skin/SkinStyle.h"

namespace {
QImage Render(QStyle::ControlElement element, const QStyleOption& option, const QWidget* widget)
{
    QImage image(option.rect.size() + QSize(4, 4), QImage::Format_ARGB32);
    image.fill(QColor(SkinColours::Parchment));
    QPainter painter(&image);
    qApp->style()->drawControl(element, &option, &painter, widget);
    return image;
}

}  // namespace

class TestSkinStates : public QObject {
    Q_OBJECT
private slots:
    void init() { InstallSkin(*qApp); }
    void cleanup() { VerifyNoLeakedWindows(); }

    void buttonStatesLookDifferent_data();
    void buttonStatesLookDifferent();
    void tabStatesLookDifferent();
    void iconButtonShowsAFaceAtRest();
    void pickerButtonLightsUnderMouse();
};

void TestSkinStates::buttonStatesLookDifferent_data()
{
    QTest::addColumn<bool>("flat");
    QTest::newRow("push button") << false;
    QTest::newRow("flat button") << true;
}

void TestSkinStates::buttonStatesLookDifferent()
{
    QFETCH(bool, flat);
    QPushButton button("天兵");
    button.setFlat(flat);
    button.resize(73, 22);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.features = flat ? QStyleOptionButton::Flat : QStyleOptionButton::None;
    option.state = QStyle::State_Enabled | QStyle::State_Raised;

    const QStyle::State states[] = {{},
                                    QStyle::State_MouseOver,
                                    QStyle::State_Sunken | QStyle::State_MouseOver,
                                    QStyle::State_HasFocus,
                                    QStyle::State_On};
    QList<QImage> images;
    for (const QStyle::State extra : states) {
        QStyleOptionButton state = option;
        state.state |= extra;
        images.append(Render(QStyle::CE_PushButton, state, &button));
    }
    QStyleOptionButton disabled = option;
    disabled.state &= ~QStyle::State_Enabled;
    images.append(Render(QStyle::CE_PushButton, disabled, &button));

    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            QVERIFY2(images[i] != images[j], qPrintable(QString("states %1 and %2 look alike").arg(i).arg(j)));
    // A flat button at rest still has a face, not just its text.
    QStyleOptionButton textOnly = option;
    textOnly.features = QStyleOptionButton::None;
    QImage plain(images[0].size(), QImage::Format_ARGB32);
    plain.fill(QColor(SkinColours::Parchment));
    QPainter painter(&plain);
    QApplication::style()->drawControl(QStyle::CE_PushButtonLabel, &textOnly, &painter, &button);
    QVERIFY(images[0] != plain);
}

void TestSkinStates::tabStatesLookDifferent()
{
    QTabBar bar;
    bar.addTab("低级技能");
    QStyleOptionTab option;
    option.initFrom(&bar);
    option.rect = QRect(0, 0, 76, 29);
    option.shape = QTabBar::RoundedNorth;
    option.text = "低级技能";
    option.state = QStyle::State_Enabled;
    QStyleOptionTab hovered = option;
    hovered.state |= QStyle::State_MouseOver;
    QStyleOptionTab current = option;
    current.state |= QStyle::State_Selected;
    QStyleOptionTab focused = current;
    focused.state |= QStyle::State_HasFocus;
    const QImage images[] = {Render(QStyle::CE_TabBarTab, option, &bar), Render(QStyle::CE_TabBarTab, hovered, &bar),
                             Render(QStyle::CE_TabBarTab, current, &bar), Render(QStyle::CE_TabBarTab, focused, &bar)};
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            QVERIFY2(images[i] != images[j], qPrintable(QString("tab states %1 and %2 look alike").arg(i).arg(j)));
}

void TestSkinStates::iconButtonShowsAFaceAtRest()
{
    QToolButton button;
    button.setAutoRaise(true);
    button.setIcon(QIcon(":/art/btn_remove.png"));
    QStyleOptionToolButton option;
    option.initFrom(&button);
    option.rect = QRect(0, 0, 23, 22);
    option.icon = button.icon();
    option.iconSize = QSize(16, 16);
    option.subControls = QStyle::SC_ToolButton;
    option.toolButtonStyle = Qt::ToolButtonIconOnly;
    option.state = QStyle::State_Enabled | QStyle::State_AutoRaise;
    auto render = [&](const QStyleOptionToolButton& state) {
        QImage image(26, 26, QImage::Format_ARGB32);
        image.fill(QColor(SkinColours::Parchment));
        QPainter painter(&image);
        QApplication::style()->drawComplexControl(QStyle::CC_ToolButton, &state, &painter, &button);
        return image;
    };
    QStyleOptionToolButton bare = option;
    bare.state &= ~QStyle::State_AutoRaise;
    bare.subControls = QStyle::SC_None;  // the icon alone, no face
    QStyleOptionToolButton hovered = option;
    hovered.state |= QStyle::State_MouseOver | QStyle::State_Raised;
    const QImage resting = render(option);
    QVERIFY(resting != render(bare));
    QVERIFY(resting != render(hovered));
}

void TestSkinStates::pickerButtonLightsUnderMouse()
{
    BeastSession session;
    TForm1 form(session);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* button = form.findChild<QPushButton*>("SpeedButton天兵");
    QVERIFY(button);
    QVERIFY(button->testAttribute(Qt::WA_Hover));
    QTest::mouseMove(&form, QPoint(5, 5));
    const QImage resting = button->grab().toImage();
    QTest::mouseMove(button, button->rect().center());
    QTRY_VERIFY(button->underMouse());
    QTRY_VERIFY(button->grab().toImage() != resting);
    const QImage hovered = button->grab().toImage();
    QTest::mousePress(button, Qt::LeftButton);
    QVERIFY(button->isDown());
    const QImage pressed = button->grab().toImage();
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));  // outside: no click
    QVERIFY(pressed != hovered);
    QVERIFY(pressed != resting);
}

QTEST_MAIN(TestSkinStates)
#include "tst_skin_states.moc"
