#include "Emblems.h"

#include "IconSet.h"
#include "Paint.h"

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

QImage Emblems::about()
{
    // Qt's own conversion dithers against a fixed colour cube, which speckles
    // a 48-pixel picture; a palette of the picture's own commonest colours
    // keeps it clean.
    const QImage src = emblem(48).convertToFormat(QImage::Format_ARGB32);
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

QImage canvas()
{
    QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A curved arrow along the circle of the given radius around (8, 8), from
// angle a0 to a1 (degrees, counter-clockwise), with its head at a1.
void curvedArrow(QPainter& p, qreal radius, qreal a0, qreal a1, const QColor& c)
{
    const QPointF centre(8, 8);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, int(a0 * 16), int((a1 - a0) * 16));
    const qreal t = a1 * M_PI / 180;
    const QPointF tip(centre.x() + radius * std::cos(t), centre.y() - radius * std::sin(t));
    // The tangent in the drawing direction.
    const qreal dir = a1 > a0 ? 1 : -1;
    const QPointF tangent(-std::sin(t) * dir, -std::cos(t) * dir);
    const QPointF normal(std::cos(t), -std::sin(t));
    QPainterPath head;
    head.moveTo(tip + tangent * 3.5);
    head.lineTo(tip + normal * 3.2);
    head.lineTo(tip - normal * 3.2);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
}

QImage commitIcon()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    curvedArrow(p, 5.5, 20, 150, QColor("#1f8a3a"));
    curvedArrow(p, 5.5, 200, 330, QColor("#2a6ad0"));
    return img;
}

QImage closeIcon()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c("#b8401c");
    // A return arrow: right, round the bend, back left with the head.
    QPainterPath path;
    path.moveTo(3, 4);
    path.lineTo(9.5, 4);
    path.arcTo(QRectF(6.5, 4, 7, 7), 90, -180);
    path.lineTo(5, 11);
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QPainterPath head;
    head.moveTo(1.5, 11);
    head.lineTo(6, 7.2);
    head.lineTo(6, 14.8);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
    return img;
}

QImage verticalArrow(bool up)
{
    QImage img = canvas();
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
    p.setPen(QPen(QColor("#163c80"), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Paint::vertical(QColor("#7ab4ff"), QColor("#2a60c8"), 1, 15));
    p.drawPath(arrow);
    return img;
}

QImage addIcon()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor("#1f7a34"), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Paint::vertical(QColor("#7ae08a"), QColor("#24a040"), 2, 14));
    for (qreal x : {1.5, 8.0}) {
        QPainterPath chevron;
        chevron.moveTo(x, 8);
        chevron.lineTo(x + 6.5, 1.5);
        chevron.lineTo(x + 6.5, 14.5);
        chevron.closeSubpath();
        p.drawPath(chevron);
    }
    return img;
}

QImage removeIcon()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor dark("#4a4e56");
    // Lid and handle.
    p.fillRect(QRect(2, 3, 12, 2), dark);
    p.fillRect(QRect(6, 1, 4, 2), dark);
    // Body, slightly tapered, with ribs.
    QPainterPath body;
    body.moveTo(3.5, 5.5);
    body.lineTo(12.5, 5.5);
    body.lineTo(11.5, 14.5);
    body.lineTo(4.5, 14.5);
    body.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dark, 1));
    p.setBrush(Paint::vertical(QColor("#d8dde6"), QColor("#8c94a2"), 5, 15));
    p.drawPath(body);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(dark);
    for (int x : {6, 8, 10})
        p.drawLine(x, 7, x, 12);
    return img;
}

}  // namespace

QMap<QString, QImage> Emblems::buttons()
{
    return {
        {QStringLiteral("btn_commit"), commitIcon()},    {QStringLiteral("btn_close"), closeIcon()},
        {QStringLiteral("btn_up"), verticalArrow(true)}, {QStringLiteral("btn_down"), verticalArrow(false)},
        {QStringLiteral("btn_add"), addIcon()},          {QStringLiteral("btn_remove"), removeIcon()},
    };
}
