#include "Emblems.h"

#include "IconSet.h"
#include "Paint.h"

#include "ui/skin/SkinColours.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <QHash>

#include <algorithm>
#include <climits>
#include <cmath>

QImage Emblems::emblem(int size)
{
    // Painted at 256 and scaled, so every size shows the same picture.
    const int n = 256;
    QImage big(n, n, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(8, 8, n - 16, n - 16);
    QRadialGradient g(QPointF(n * 0.4, n * 0.35), n * 0.75);
    g.setColorAt(0, QColor("#3fb08a"));
    g.setColorAt(1, QColor("#0c3e30"));
    p.setPen(QPen(QColor("#e8c060"), 8));
    p.setBrush(g);
    p.drawRoundedRect(tile, 44, 44);

    const QImage book = m_icons.mask(QStringLiteral("open-book"), 204);
    Paint::drawGlyph(p, QPointF(26, 52), book, Paint::vertical(QColor("#fffaf0"), QColor("#e8d0a0"), 0, 196),
                     QColor("#1a0e04"), 6, QColor(0, 0, 0, 120), QPointF(4, 6), 6);
    const QImage paw = m_icons.mask(QStringLiteral("paw-print"), 112);
    Paint::drawGlyph(p, QPointF(72, 18), paw, Paint::vertical(QColor("#ff7040"), QColor("#b01808"), 0, 116),
                     QColor("#3a0800"), 6, QColor(0, 0, 0, 140), QPointF(3, 5), 5);
    p.end();
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Emblems::about(int size)
{
    // Qt's own conversion dithers against a fixed colour cube, which speckles
    // a 48-pixel picture; a palette of the picture's own commonest colours
    // keeps it clean.
    const QImage src = emblem(size).convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, QList<QRgb>> buckets;
    auto key = [](QRgb c) {
        if (qAlpha(c) < 128)
            return QRgb(0);
        return qRgba(qRed(c) & 0xf8, qGreen(c) & 0xf8, qBlue(c) & 0xf8, 255);
    };
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            buckets[key(src.pixel(x, y))].append(src.pixel(x, y));
    QList<QRgb> keys = buckets.keys();
    std::sort(keys.begin(), keys.end(), [&](QRgb a, QRgb b) {
        return buckets[a].size() > buckets[b].size() || (buckets[a].size() == buckets[b].size() && a < b);
    });
    QList<QRgb> palette{qRgba(0, 0, 0, 0)};
    for (QRgb k : keys) {
        if (k == 0 || palette.size() == 256)
            continue;
        int r = 0, g = 0, b = 0;
        for (QRgb c : buckets[k]) {
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        const int n = int(buckets[k].size());
        palette.append(qRgb(r / n, g / n, b / n));
    }
    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            int best = 0;
            if (qAlpha(c) >= 128) {
                int bestDistance = INT_MAX;
                for (int i = 1; i < palette.size(); ++i) {
                    const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                              db = qBlue(c) - qBlue(palette[i]);
                    const int d = dr * dr + dg * dg + db * db;
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
            }
            out.setPixel(x, y, uint(best));
        }
    return out;
}

namespace {

// Skin colours (ui/skin/SkinColours.h) as the glyphs use them: dark wood for
// outlines, wood for bodies, gold and parchment for the lit edge.
QColor skin(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

// A transparent 16 x 16 glyph at the given pixels per unit, painted in units.
QImage canvas(int scale)
{
    QImage img(16 * scale, 16 * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    return img;
}

// A carved stroke: a dark wood outline with a lighter core, so it reads on
// the gold face of a button and on parchment alike.
void carvedStroke(QPainter& p, const QPainterPath& path, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(skin(SkinColours::WoodDark), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(skin(SkinColours::WoodLight), width * 0.42, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-0.25, -0.3));
}

// A solid shape in wood, lit from above, with a dark outline.
void woodShape(QPainter& p, const QPainterPath& path)
{
    const QRectF box = path.boundingRect();
    p.setPen(QPen(skin(SkinColours::WoodDark), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Paint::vertical(skin(SkinColours::WoodLight), skin(SkinColours::Wood), box.top(), box.bottom()));
    p.drawPath(path);
}

QImage checkIcon(int scale)
{
    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(2.8, 8.6);
    tick.lineTo(6.4, 12.2);
    tick.lineTo(13.2, 3.6);
    carvedStroke(p, tick, 3.4);
    return img;
}

QImage closeIcon(int scale)
{
    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath cross;
    cross.moveTo(4, 4);
    cross.lineTo(12, 12);
    cross.moveTo(12, 4);
    cross.lineTo(4, 12);
    carvedStroke(p, cross, 3.2);
    return img;
}

// A vermilion seal with a parchment tick: the change is sealed and handed in.
QImage commitIcon(int scale)
{
    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF seal(1.5, 1.5, 13, 13);
    p.setPen(QPen(skin(SkinColours::WoodDark), 1));
    p.setBrush(Paint::vertical(QColor("#c0501e"), skin(SkinColours::Link), seal.top(), seal.bottom()));
    p.drawRoundedRect(seal, 2.5, 2.5);
    p.setPen(QPen(skin(SkinColours::GoldTop), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(seal.adjusted(1.6, 1.6, -1.6, -1.6), 1.4, 1.4);
    QPainterPath tick;
    tick.moveTo(4.6, 8.2);
    tick.lineTo(7.0, 10.6);
    tick.lineTo(11.4, 5.2);
    p.setPen(QPen(skin(SkinColours::Cream), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return img;
}

QImage verticalArrow(int scale, bool up)
{
    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(8, 1.5);
    arrow.lineTo(14.5, 8);
    arrow.lineTo(10.5, 8);
    arrow.lineTo(10.5, 14.5);
    arrow.lineTo(5.5, 14.5);
    arrow.lineTo(5.5, 8);
    arrow.lineTo(1.5, 8);
    arrow.closeSubpath();
    if (!up) {
        p.translate(0, 16);
        p.scale(1, -1);
    }
    woodShape(p, arrow);
    // A gold glint along the upper edges of the head.
    p.setPen(QPen(skin(SkinColours::GoldTop), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 3), QPointF(3.8, 7.2));
    return img;
}

QImage addIcon(int scale)
{
    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (qreal x : {1.5, 8.0}) {
        QPainterPath chevron;
        chevron.moveTo(x, 8);
        chevron.lineTo(x + 6.5, 1.5);
        chevron.lineTo(x + 6.5, 14.5);
        chevron.closeSubpath();
        woodShape(p, chevron);
    }
    p.setPen(QPen(skin(SkinColours::GoldTop), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.4, 7.6), QPointF(7.2, 3.8));
    p.drawLine(QPointF(9.9, 7.6), QPointF(13.7, 3.8));
    return img;
}

// A parchment waste basket bound in wood.
QImage removeIcon(int scale)
{
    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor dark = skin(SkinColours::WoodDark);
    p.fillRect(QRectF(2, 3, 12, 2), skin(SkinColours::Wood));
    p.fillRect(QRectF(6, 1, 4, 2), dark);
    p.setPen(QPen(dark, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 3, 12, 2));
    QPainterPath body;
    body.moveTo(3.5, 5.5);
    body.lineTo(12.5, 5.5);
    body.lineTo(11.5, 14.5);
    body.lineTo(4.5, 14.5);
    body.closeSubpath();
    p.setPen(QPen(dark, 1));
    p.setBrush(Paint::vertical(skin(SkinColours::Cream), skin(SkinColours::ParchmentShade), 5, 15));
    p.drawPath(body);
    p.setPen(QPen(skin(SkinColours::Wood), 1));
    for (qreal x : {6.0, 8.0, 10.0})
        p.drawLine(QPointF(x, 7.5), QPointF(x, 12.5));
    return img;
}

}  // namespace

QMap<QString, QImage> Emblems::buttons(int scale)
{
    return {
        {QStringLiteral("btn_commit"), commitIcon(scale)},
        {QStringLiteral("btn_close"), closeIcon(scale)},
        {QStringLiteral("btn_ok"), checkIcon(scale)},
        {QStringLiteral("btn_up"), verticalArrow(scale, true)},
        {QStringLiteral("btn_down"), verticalArrow(scale, false)},
        {QStringLiteral("btn_add"), addIcon(scale)},
        {QStringLiteral("btn_remove"), removeIcon(scale)},
    };
}
