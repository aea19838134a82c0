#include "Backdrop.h"

#include "IconSet.h"
#include "Paint.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace {

const QColor Ink("#3a2a16");
const QColor Parchment("#f6ecd2");
const QColor ParchmentEdge("#e6d3a8");
const QColor Rule("#b08a50");

void drawParchment(QPainter& p)
{
    QRadialGradient ground(QPointF(Backdrop::Width * 0.5, Backdrop::Height * 0.5), Backdrop::Width * 0.7);
    ground.setColorAt(0, Parchment);
    ground.setColorAt(0.8, Paint::mix(Parchment, ParchmentEdge, 0.6));
    ground.setColorAt(1, ParchmentEdge);
    p.fillRect(0, 0, Backdrop::Width, Backdrop::Height, ground);
    // Very faint fibres, so it reads as paper without disturbing the text.
    QRandomGenerator rng(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 220; ++i) {
        p.setBrush(rng.bounded(2) ? QColor(120, 80, 30, 7) : QColor(255, 255, 255, 12));
        p.save();
        p.translate(rng.bounded(Backdrop::Width), rng.bounded(Backdrop::Height));
        p.rotate(rng.bounded(180));
        p.drawEllipse(QPointF(0, 0), 6 + rng.bounded(16), 1 + rng.bounded(2));
        p.restore();
    }
}

void drawTitle(QPainter& p)
{
    const QRectF strip(0, 0, Backdrop::Width, 20);
    QLinearGradient g(0, 0, 0, 20);
    g.setColorAt(0, QColor("#7a4a22"));
    g.setColorAt(0.5, QColor("#5a3014"));
    g.setColorAt(1, QColor("#3c1e0a"));
    p.fillRect(strip, g);
    p.setPen(QColor("#d8b060"));
    p.drawLine(QPointF(0, 19.5), QPointF(Backdrop::Width, 19.5));
    p.setPen(QColor(255, 230, 170, 90));
    p.drawLine(QPointF(0, 0.5), QPointF(Backdrop::Width, 0.5));

    QFont f;
    f.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("SimSun")});
    f.setPixelSize(14);
    f.setWeight(QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(strip.translated(1, 1), Qt::AlignCenter, QStringLiteral("召唤兽"));
    p.setPen(QColor("#ffe6a0"));
    p.drawText(strip, Qt::AlignCenter, QStringLiteral("召唤兽"));

    // The close mark, in a small button in the top right corner.
    const QRectF box(Backdrop::Width - 19, 2, 16, 16);
    QLinearGradient b(0, box.top(), 0, box.bottom());
    b.setColorAt(0, QColor("#c0482c"));
    b.setColorAt(1, QColor("#7a1a0c"));
    p.setPen(QPen(QColor("#e8c070"), 1));
    p.setBrush(b);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(QColor("#fff2d0"), 2, Qt::SolidLine, Qt::RoundCap));
    const QRectF x = box.adjusted(4.5, 4.5, -4.5, -4.5);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

// A double bevelled frame just outside rect, which itself stays untouched.
void drawFrame(QPainter& p, const QRect& rect)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor("#6a4420"));
    p.drawRect(QRectF(rect).adjusted(-0.5, -0.5, 0.5, 0.5));
    p.setPen(QColor("#d8b060"));
    p.drawRect(QRectF(rect).adjusted(-1.5, -1.5, 1.5, 1.5));
}

void drawInset(QPainter& p, const QRectF& r, const QColor& fill, const QColor& dark, const QColor& light)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(r);
    p.setPen(dark);
    p.drawLine(r.topLeft() + QPointF(0.5, 0.5), r.topRight() + QPointF(-0.5, 0.5));
    p.drawLine(r.topLeft() + QPointF(0.5, 0.5), r.bottomLeft() + QPointF(0.5, -0.5));
    p.setPen(light);
    p.drawLine(r.bottomLeft() + QPointF(0.5, -0.5), r.bottomRight() + QPointF(-0.5, -0.5));
    p.drawLine(r.topRight() + QPointF(-0.5, 0.5), r.bottomRight() + QPointF(-0.5, -0.5));
}

// How far below a value label's top its box starts, so that the digits the
// label draws sit in the middle of the box. The panel's labels are as tall
// as their font's line and put the baseline at the font's ascent; the font
// is the panel's own (宋体, or the serif CJK face that stands in for it).
qreal valueBoxOffset(qreal boxHeight)
{
    QFont f;
    f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    f.setPixelSize(14);
    const QFontMetricsF fm(f);
    const QRectF ink = fm.tightBoundingRect(QStringLiteral("0123456789/"));
    return std::round(fm.ascent() + ink.center().y() - boxHeight / 2);
}

void drawValueBoxes(QPainter& p)
{
    const QColor fill(255, 251, 240, 200), dark(150, 115, 70, 150), light(255, 255, 255, 200);
    const qreal h = 19;
    const qreal d = valueBoxOffset(h);
    for (int t : {32, 54, 76, 98, 120, 143, 168, 191, 214})
        drawInset(p, QRectF(372, t + d, 76, h), fill, dark, light);
    drawInset(p, QRectF(56, 208 + d, 104, h), fill, dark, light);
    drawInset(p, QRectF(212, 208 + d, 46, h), fill, dark, light);
    for (int t : {232, 256, 280, 304, 328, 352}) {
        drawInset(p, QRectF(56, t + d, 96, h), fill, dark, light);
        drawInset(p, QRectF(201, t + d, 57, h), fill, dark, light);
    }
}

void drawEquipment(QPainter& p, IconSet& icons)
{
    const char* motifs[] = {"crested-helmet", "breastplate", "necklace"};
    for (int i = 0; i < 3; ++i) {
        const QRect box(226, 30 + i * 58, 50, 50);
        QLinearGradient g(0, box.top(), 0, box.bottom());
        g.setColorAt(0, QColor("#5a4630"));
        g.setColorAt(1, QColor("#33261a"));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(box, 4, 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QColor("#d8b060"));
        p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        p.setPen(QColor(0, 0, 0, 120));
        p.drawRoundedRect(QRectF(box).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
        // A ghost of the item kind that belongs in the box.
        const QImage m = icons.mask(QString::fromLatin1(motifs[i]), 34);
        p.drawImage(box.topLeft() + QPoint(8, 8), Paint::tinted(m, QColor(230, 200, 140, 60)));
    }
}

void drawSkillCells(QPainter& p)
{
    // One sunk panel behind the grid, then the 12 cells themselves.
    const QRectF panel(262, 237, 4 * 42 + 4, 3 * 42 + 4);
    drawInset(p, panel, QColor(120, 90, 50, 40), QColor(120, 85, 40, 160), QColor(255, 255, 255, 200));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            const QRectF cell(265 + 42 * col, 240 + 42 * row, 40, 40);
            QRadialGradient g(cell.center(), 30);
            g.setColorAt(0, QColor("#4a3c2c"));
            g.setColorAt(1, QColor("#241a10"));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRect(cell);
            p.setPen(QColor(0, 0, 0, 200));
            p.drawLine(cell.topLeft() + QPointF(0.5, 0.5), cell.topRight() + QPointF(-0.5, 0.5));
            p.drawLine(cell.topLeft() + QPointF(0.5, 0.5), cell.bottomLeft() + QPointF(0.5, -0.5));
            p.setPen(QColor(200, 170, 110, 140));
            p.drawLine(cell.bottomLeft() + QPointF(0.5, -0.5), cell.bottomRight() + QPointF(-0.5, -0.5));
            p.drawLine(cell.topRight() + QPointF(-0.5, 0.5), cell.bottomRight() + QPointF(-0.5, -0.5));
        }
}

void drawRules(QPainter& p)
{
    // Thin ornamental rules divide the panel into its blocks.
    p.setPen(QPen(Rule, 1));
    p.drawLine(QPointF(4, 202.5), QPointF(296, 202.5));
    QColor soft = Rule;
    soft.setAlpha(90);
    p.setPen(QPen(soft, 1));
    p.drawLine(QPointF(301.5, 26), QPointF(301.5, 196));
    p.drawLine(QPointF(4, 375.5), QPointF(Backdrop::Width - 4, 375.5));
}

}  // namespace

QImage Backdrop::picture()
{
    const int scale = m_icons.scale();
    QImage out(Width * scale, Height * scale, QImage::Format_RGB32);
    out.setDevicePixelRatio(scale);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    drawParchment(p);
    drawRules(p);
    drawTitle(p);
    drawFrame(p, QRect(1, 21, 197, 178));
    // The picture itself covers this rectangle; a dark fill shows when none is in front.
    p.fillRect(QRect(1, 21, 197, 178), QColor("#3a2e22"));
    drawEquipment(p, m_icons);
    drawValueBoxes(p);
    drawSkillCells(p);
    // The outer border of the whole panel.
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor("#6a4420"));
    p.drawRect(QRectF(0.5, 0.5, Width - 1, Height - 1));
    return out;
}
