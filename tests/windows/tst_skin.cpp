// The program's look: a palette that reads and ignores the desktop's, group
// titles clear of their frames, and not one geometry changed from the
// Fusion style it paints over. The controls' states: tst_skin_states.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <memory>
#include <optional>

#include "FreshWindows.h"
#include "LeakCheck.h"
#include "ui/About.h"
#include "ui/RecordWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Windows.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"
#include "ui/skin/Skin.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinPainting.h"
#include "ui/skin/SkinPalette.h"
#include "ui/skin/SkinStyle.h"

namespace {

using Geometries = QMap<QString, QRect>;

void Collect(const QWidget* widget, const QString& path, Geometries& into)
{
    into.insert(path, widget->geometry());
    int index = 0;
    for (const QObject* child : widget->children())
        if (const auto* w = qobject_cast<const QWidget*>(child); w && !w->isWindow())
            Collect(w,
                    path + '/' + w->metaObject()->className() + ':' + w->objectName() + '#' + QString::number(index++),
                    into);
}

void Record(QWidget* window, Geometries& into)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    Collect(window, window->metaObject()->className(), into);
    window->hide();
}

// Every window of the program, each shown once, and a message box. The
// panel's labels size to the rolled beast's values, so every run shows the
// beast of the first.
Geometries AllGeometries()
{
    static std::optional<TPet> beast;
    Geometries all;
    CreateWindows();
    if (beast) {
        *CurrentBeast = *beast;
        Form2->RefreshAll();
    } else {
        beast = *CurrentBeast;
    }
    Record(Form1, all);
    for (QWidget* dialog : std::initializer_list<QWidget*>{ModifyForm, DIYForm, AboutForm})
        Record(dialog, all);
    Form3->ShowChoices({"雷击", "落岩", "水攻"});
    Record(Form3, all);
    Form3->close();
    {
        QMessageBox box(QMessageBox::NoIcon, "提示信息", "此召唤兽无可认证技能或已经认证！", QMessageBox::Ok, Form1);
        Record(&box, all);
    }
    DestroyWindows();
    return all;
}

QPalette DarkPalette()
{
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, Qt::black);
    return dark;
}

}  // namespace

class TestSkin : public QObject {
    Q_OBJECT
private slots:
    void init() { InstallSkin(*qApp); }
    void cleanup() { VerifyNoLeakedWindows(); }

    void textReadsOnItsBackground_data();
    void textReadsOnItsBackground();
    void desktopPaletteIsIgnored_data();
    void desktopPaletteIsIgnored();
    void everyGeometryIsFusions();
    void groupTitlesClearTheirFrames();
    void unpolishUndoesPolish();
    void focusColourReadsOnAnyBackground();
};

void TestSkin::textReadsOnItsBackground_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    struct Pair {
        const char* name;
        QPalette::ColorRole text, background;
    };
    const Pair pairs[] = {
        {"window text", QPalette::WindowText, QPalette::Window},
        {"label on a field", QPalette::WindowText, QPalette::Base},
        {"edit text", QPalette::Text, QPalette::Base},
        {"list stripe", QPalette::Text, QPalette::AlternateBase},
        {"placeholder", QPalette::PlaceholderText, QPalette::Base},
        {"button text", QPalette::ButtonText, QPalette::Button},
        {"selection", QPalette::HighlightedText, QPalette::Highlight},
        {"tooltip", QPalette::ToolTipText, QPalette::ToolTipBase},
        {"link", QPalette::Link, QPalette::Base},
        {"visited link", QPalette::LinkVisited, QPalette::Base},
    };
    const QPalette palette = SkinPalette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        for (const Pair& pair : pairs)
            QTest::addRow("%s, %s", pair.name, group == QPalette::Active ? "active" : "inactive")
                << palette.color(group, pair.text) << palette.color(group, pair.background);
    // The faces the style paints itself, with the text drawn on them.
    using namespace SkinColours;
    const struct {
        const char* name;
        QRgb text, background;
    } faces[] = {
        {"resting button top", Ink, GoldTop},
        {"resting button bottom", Ink, GoldBottom},
        {"hovered button", Ink, GoldBright},
        {"flat button", Ink, FlatFace},
        {"tab, not current", Ink, ParchmentDeep},
        {"tab, lower edge", Ink, ParchmentShade},
        {"read-only edit", Ink, ReadOnlyField},
        {"current picker tab", GoldText, Wood},
        {"current picker tab, lower edge", GoldText, WoodDark},
    };
    for (const auto& face : faces)
        QTest::newRow(face.name) << QColor(face.text) << QColor(face.background);
}

void TestSkin::textReadsOnItsBackground()
{
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QVERIFY2(
        ContrastRatio(text, background) >= 4.5,
        qPrintable(QString("%1 on %2: %3").arg(text.name(), background.name()).arg(ContrastRatio(text, background))));
}

void TestSkin::desktopPaletteIsIgnored_data()
{
    QTest::addColumn<QPalette>("desktop");
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    QTest::newRow("light (Fusion's own)") << fusion->standardPalette();
    QTest::newRow("dark") << DarkPalette();
}

void TestSkin::desktopPaletteIsIgnored()
{
    QFETCH(QPalette, desktop);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(desktop);
    QApplication::setPalette(desktop, "QLabel");
    QApplication::setPalette(desktop, "QAbstractButton");
    QToolTip::setPalette(desktop);
    // As "-stylesheet" on the command line leaves it.
    qApp->setStyleSheet("QWidget { color: white; background: black; }");

    InstallSkin(*qApp);
    QCOMPARE(qApp->styleSheet(), QString());

    const QPalette skin = SkinPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            if (role != QPalette::NoRole)
                QVERIFY2(skin.isBrushSet(QPalette::ColorGroup(group), QPalette::ColorRole(role)),
                         qPrintable(QString("group %1, role %2 left to the desktop").arg(group).arg(role)));
    QVERIFY(qobject_cast<SkinStyle*>(QApplication::style()));
    QCOMPARE(QApplication::palette(), skin);
    QLabel label;
    QPushButton button;
    QWidget plain;
    QCOMPARE(label.palette(), skin);
    QCOMPARE(button.palette(), skin);
    QCOMPARE(plain.palette(), skin);
    QCOMPARE(QToolTip::palette(), skin);
}

void TestSkin::everyGeometryIsFusions()
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    const Geometries fusion = AllGeometries();
    InstallSkin(*qApp);
    const Geometries skinned = AllGeometries();

    QVERIFY2(fusion.size() > 200, qPrintable(QString::number(fusion.size())));
    QCOMPARE(skinned.keys(), fusion.keys());
    for (auto it = fusion.cbegin(); it != fusion.cend(); ++it)
        QVERIFY2(skinned.value(it.key()) == it.value(), qPrintable(it.key()));
}

void TestSkin::groupTitlesClearTheirFrames()
{
    OpenWindows();
    Form1->RecordButtonClick();
    // The two large dialogs are built when first used: use them.
    QVERIFY(ModifyForm.Get() != nullptr && DIYForm.Get() != nullptr);
    QStringList titles;
    QStringList crossed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
            if (box->title().isEmpty() || !box->isVisible() || box->window() != window)
                continue;
            titles << box->title();
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.textAlignment = box->alignment();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect title =
                box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            // The frame line is the one thing drawn in light wood; it must
            // be there, and every row of it lie below the title.
            const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int lineTop = image.height();
            int linePixels = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if ((image.pixel(x, y) & 0xffffff) == SkinColours::WoodLight) {
                        lineTop = std::min(lineTop, y);
                        ++linePixels;
                    }
            QVERIFY2(linePixels > box->width(), qPrintable(box->title()));
            if (lineTop <= title.bottom())
                crossed << QStringLiteral("%1 (line at %2, title down to %3)")
                               .arg(box->title())
                               .arg(lineTop)
                               .arg(title.bottom());
        }
    }
    titles.sort();
    // The custom dialog's, the correction dialog's two and the book record's.
    QVERIFY2(titles.size() >= 5, qPrintable(titles.join(u',')));
    for (const QString& title : {QStringLiteral("技能"), QStringLiteral("比例分配"), QStringLiteral("潜能点分配")})
        QVERIFY2(titles.contains(title), qPrintable(titles.join(u',')));
    CloseWindows();
    QVERIFY2(crossed.isEmpty(), qPrintable(crossed.join(QStringLiteral("; "))));
}

void TestSkin::unpolishUndoesPolish()
{
    SkinStyle style;
    QTabBar bar;
    bar.setStyle(&style);
    bar.ensurePolished();
    QVERIFY(bar.testAttribute(Qt::WA_Hover));
    style.unpolish(&bar);
    QVERIFY(!bar.testAttribute(Qt::WA_Hover));
    // Hover that the widget asked for itself stays.
    QTabBar hovering;
    hovering.setAttribute(Qt::WA_Hover);
    hovering.setStyle(&style);
    hovering.ensurePolished();
    style.unpolish(&hovering);
    QVERIFY(hovering.testAttribute(Qt::WA_Hover));
    bar.setStyle(nullptr);
    hovering.setStyle(nullptr);
}

void TestSkin::focusColourReadsOnAnyBackground()
{
    // Every grey and every colour of the skin, dark wood to cream.
    QList<QColor> backgrounds;
    for (int grey = 0; grey < 256; ++grey)
        backgrounds << QColor(grey, grey, grey);
    using namespace SkinColours;
    for (const QRgb rgb : {Parchment, ParchmentDeep, Cream, ReadOnlyField, GoldTop, Gold, GoldBottom, WoodDark, Wood,
                           WoodLight, Tan, Link})
        backgrounds << QColor(rgb);
    for (const QColor& background : backgrounds) {
        const double contrast = ContrastRatio(SkinPainting::FocusColourOn(background), background);
        QVERIFY2(contrast >= 3.0, qPrintable(QString("%1: %2").arg(background.name()).arg(contrast)));
    }
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
