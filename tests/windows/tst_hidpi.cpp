// The windows on a screen of device pixel ratio 2 (run with
// QT_SCALE_FACTOR=2): every picture is its "@2x" twin, drawn pixel for pixel.
#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "FreshWindows.h"
#include "SkillOracle.h"
#include "data/builtin_data.h"
#include "ui/About.h"
#include "ui/Application.h"
#include "ui/petdiy.h"
#include "ui/session/BeastSession.h"
#include "ui/widgets/MessageBoxes.h"

namespace {

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage twin(const QString& path)
{
    return argb(QImage(path));
}

// The pixels of a pixmap as shown: its own pixels and its ratio.
void compareToTwin(const QPixmap& shown, const QString& twinPath)
{
    QVERIFY2(shown.devicePixelRatio() == 2.0, qPrintable(twinPath));
    QVERIFY2(argb(shown.toImage()) == twin(twinPath), qPrintable(twinPath));
}

QImage iconAt2(const QIcon& icon, int side)
{
    return argb(icon.pixmap(QSize(side, side), 2.0).toImage());
}

}  // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private:
    QLabel* slot(int s) { return Form2->findChild<QLabel*>(QString("Image%1").arg(s + 1)); }

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }
    void init() { OpenWindows(); }
    void cleanup() { CloseWindows(); }

    void panelBackdropIsTheTwin();
    void beastPictureIsTheTwin();
    void slotsAndPreviewAreTwins();
    void aboutPictureIsTheTwin();
    void buttonGlyphsAndWindowIconHaveTwins();
    void messageBoxButtonHasTheSkinGlyph();
};

void TestHiDpi::panelBackdropIsTheTwin()
{
    // Labels and pictures cover parts of it; most of the panel is the
    // backdrop's own pixels, which the 1x backdrop scaled up never gives.
    const QImage shown = argb(Form2->grab().toImage());
    const QImage backdrop = twin(":/art/backdrop@2x.jpg");
    QCOMPARE(shown.size(), backdrop.size());
    qsizetype same = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            same += shown.pixel(x, y) == backdrop.pixel(x, y);
    QVERIFY2(same > shown.width() * shown.height() / 2, qPrintable(QString::number(same)));
}

void TestHiDpi::beastPictureIsTheTwin()
{
    auto* picture = Form2->findChild<QLabel*>("Image1");
    const QString path = QString(":/art/beast_%1@2x.jpg").arg(Form2->PictureIndex(), 2, 10, QChar('0'));
    compareToTwin(picture->pixmap(), path);
    QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(197, 178));
}

void TestHiDpi::slotsAndPreviewAreTwins()
{
    const auto skills = GiveTwoCertifiableSkills();
    CurrentBeast->Skills.pop_back();
    CurrentBeast->CertifiedSkill = skills[1];
    Form2->RefreshSkills();
    const QString iconPath = QString(":/art/skills/%1@2x.jpg").arg(SkillIndex("夜战"), 2, 10, QChar('0'));
    compareToTwin(slot(1)->pixmap(), iconPath);
    compareToTwin(Form2->ImageList1[88], ":/art/skills/88@2x.jpg");
    // The certified skill's slot, the last: its icon inside, the frame's
    // 6-pixel edge around.
    const QImage certified = argb(slot(12)->pixmap().toImage());
    const QImage frame = twin(":/art/skills/88@2x.jpg");
    const QImage icon = twin(QString(":/art/skills/%1@2x.jpg").arg(SkillIndex(skills[1]), 2, 10, QChar('0')));
    QCOMPARE(certified.size(), QSize(80, 80));
    for (int i = 0; i < 80; ++i) {
        QVERIFY2(certified.pixel(i, 5) == frame.pixel(i, 5), qPrintable(QString::number(i)));
        QVERIFY2(certified.pixel(74, i) == frame.pixel(74, i), qPrintable(QString::number(i)));
    }
    QCOMPARE(certified.pixel(40, 40), icon.pixel(40, 40));
    QCOMPARE(certified.pixel(6, 40), icon.pixel(6, 40));
    // The main window's preview of a chosen book.
    Form1->findChild<QAbstractButton*>("RadioGroup1Item1")->click();
    const QPixmap preview = Form1->Image1->pixmap();
    QCOMPARE(preview.devicePixelRatio(), 2.0);
    QCOMPARE(preview.deviceIndependentSize(), QSizeF(40, 40));
    bool found = false;
    for (int k = 0; k < 88 && !found; ++k)
        found = argb(preview.toImage()) == twin(QString(":/art/skills/%1@2x.jpg").arg(k, 2, 10, QChar('0')));
    QVERIFY(found);
}

void TestHiDpi::aboutPictureIsTheTwin()
{
    TAboutForm form;
    compareToTwin(form.Image1->pixmap(), ":/art/about@2x.png");
    QCOMPARE(form.Image1->pixmap().deviceIndependentSize(), QSizeF(48, 48));
}

void TestHiDpi::buttonGlyphsAndWindowIconHaveTwins()
{
    BeastSession session;
    TDIYForm form(session);
    const std::pair<const char*, const char*> buttons[] = {
        {"BitBtn1", "btn_commit"},      {"BitBtn2", "btn_close"},   {"SpeedButton1", "btn_add"},
        {"SpeedButton2", "btn_remove"}, {"SpeedButton3", "btn_up"}, {"SpeedButton4", "btn_down"},
    };
    for (const auto& [name, glyph] : buttons) {
        auto* button = form.findChild<QAbstractButton*>(name);
        QVERIFY2(button, name);
        QCOMPARE(button->iconSize(), QSize(16, 16));
        QCOMPARE(iconAt2(button->icon(), 16), twin(QString(":/art/%1@2x.png").arg(glyph)));
    }
    QVERIFY(SetUpApplication(*qApp));
    QCOMPARE(iconAt2(QApplication::windowIcon(), 64), twin(":/art/app_icon_64@2x.png"));
}

void TestHiDpi::messageBoxButtonHasTheSkinGlyph()
{
    QImage seen;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&seen, &poll] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen = iconAt2(box->button(QMessageBox::Ok)->icon(), 16);
        poll.stop();
        box->accept();
    });
    poll.start(10);
    ShowInfoMessage(Form1, QStringLiteral("此召唤兽无可认证技能或已经认证！"));
    QCOMPARE(seen, twin(":/art/btn_ok@2x.png"));
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
