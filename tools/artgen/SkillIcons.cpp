#include "SkillIcons.h"

#include "IconSet.h"
#include "Paint.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

enum class Grade { Low, High, Other };

Grade gradeOf(int index)
{
    if (index < 35)
        return Grade::Low;
    return index < 70 ? Grade::High : Grade::Other;
}

// One look per book list: the player tells the three lists apart by colour
// before reading the motif.
struct Scheme {
    QColor centre, edge, rim, glyphTop, glyphBottom, outline;
};

Scheme schemeOf(Grade g)
{
    switch (g) {
    case Grade::Low:  // steel blue tile, silver motif
        return {QColor("#4f8fd0"), QColor("#102a52"), QColor("#8fb8e8"),
                QColor("#ffffff"), QColor("#c4dcf5"), QColor("#0a1a33")};
    case Grade::High:  // royal purple tile, gold motif, gold rim
        return {QColor("#9a52cc"), QColor("#2c0b4a"), QColor("#f0c850"),
                QColor("#fff4b0"), QColor("#f0a820"), QColor("#22062e")};
    case Grade::Other:  // jade tile, ivory motif
        return {QColor("#3aa57a"), QColor("#0b3826"), QColor("#9ad8b8"),
                QColor("#ffffff"), QColor("#d6f0c8"), QColor("#06241a")};
    }
    return {};
}

void drawTile(QPainter& p, const Scheme& s, Grade g)
{
    const int n = SkillIcons::Size;
    QRadialGradient ground(n * 0.42, n * 0.36, n * 0.75);
    ground.setColorAt(0, s.centre);
    ground.setColorAt(1, s.edge);
    p.fillRect(0, 0, n, n, ground);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.edge.darker(160), 1));
    p.drawRect(QRectF(0.5, 0.5, n - 1, n - 1));
    QColor rim = s.rim;
    if (g != Grade::High)
        rim.setAlpha(150);
    p.setPen(QPen(rim, 1));
    p.drawRect(QRectF(1.5, 1.5, n - 3, n - 3));
    if (g == Grade::High) {
        // Gold corner studs: the high-grade books are the prized ones.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor("#fff0a0"));
        for (QPointF c : {QPointF(3, 3), QPointF(n - 3, 3), QPointF(3, n - 3), QPointF(n - 3, n - 3)})
            p.drawEllipse(c, 1.6, 1.6);
    }
}

void drawCorner(QPainter& p, const QString& text, const QColor& badge)
{
    const QPointF c(30.5, 30.5);
    const qreal r = 7.5;
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    QRadialGradient g(c - QPointF(2, 2), r * 1.4);
    g.setColorAt(0, badge.lighter(140));
    g.setColorAt(1, badge.darker(130));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei")});
    f.setPixelSize(11);
    f.setWeight(QFont::Black);
    p.setFont(f);
    const QRectF box(c.x() - r, c.y() - r - 0.5, 2 * r, 2 * r);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(box.translated(0.6, 0.6), Qt::AlignCenter, text);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

// A red ring with a slash: the motif is denied.
void drawForbid(QPainter& p)
{
    const QRectF ring(7, 7, 26, 26);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 170), 5));
    p.drawEllipse(ring);
    p.drawLine(QPointF(11, 11), QPointF(29, 29));
    p.setPen(QPen(QColor("#ff3a2a"), 3));
    p.drawEllipse(ring);
    p.drawLine(QPointF(11, 11), QPointF(29, 29));
}

}  // namespace

QImage SkillIcons::icon(const ArtEntry& skill)
{
    const Grade grade = gradeOf(skill.index);
    const Scheme s = schemeOf(grade);
    const int scale = m_icons.scale();
    QImage out(Size * scale, Size * scale, QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(scale);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    drawTile(p, s, grade);

    const QColor top = skill.colours.value(0, s.glyphTop);
    const QColor bottom = skill.colours.value(1, s.glyphBottom);
    const int glyph = skill.corner.isEmpty() ? 30 : 28;
    const QPointF at = skill.corner.isEmpty() ? QPointF(5, 5) : QPointF(4, 4);
    const QImage mask = m_icons.mask(skill.icons.first(), glyph);
    Paint::drawGlyph(p, at, mask, Paint::vertical(top, bottom, 0, glyph), s.outline, 1.0, QColor(0, 0, 0, 150),
                     QPointF(1, 1.5), 1.5);
    // A second motif sits small in the upper left, as a qualifier.
    if (skill.icons.size() > 1) {
        const QImage small = m_icons.mask(skill.icons[1], 15);
        const QColor c = skill.colours.value(3, QColor("#ffe070"));
        Paint::drawGlyph(p, QPointF(3, 3), small, c, QColor(0, 0, 0, 220), 1.0);
    }
    if (skill.scene.split(u' ', Qt::SkipEmptyParts).contains(QStringLiteral("forbid")))
        drawForbid(p);
    if (!skill.corner.isEmpty())
        drawCorner(p, skill.corner, skill.colours.value(2, QColor("#c03020")));
    return out;
}

QImage SkillIcons::frame(int scale)
{
    QImage out(Size * scale, Size * scale, QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(scale);
    out.fill(Qt::black);
    QPainter p(&out);
    // Outer dark edge, bright red band, gold inner bead: reads as a frame at
    // 3 units and keeps the certified icon's own colours intact. Filled
    // rectangles, not pen strokes, so each band is whole pixels at any scale.
    const QColor bands[3] = {QColor("#4a0406"), QColor("#d42a1c"), QColor("#f5c84a")};
    const auto ring = [&p](int inset, int width, const QColor& c) {
        const int n = Size - 2 * inset;
        p.fillRect(QRectF(inset, inset, n, width), c);
        p.fillRect(QRectF(inset, Size - inset - width, n, width), c);
        p.fillRect(QRectF(inset, inset, width, n), c);
        p.fillRect(QRectF(Size - inset - width, inset, width, n), c);
    };
    for (int i = 0; i < 3; ++i)
        ring(i, 1, bands[i]);
    // Gold corner pieces so the frame looks made, not just outlined.
    for (QPoint c : {QPoint(0, 0), QPoint(Size - 3, 0), QPoint(0, Size - 3), QPoint(Size - 3, Size - 3)})
        p.fillRect(QRect(c, QSize(3, 3)), QColor("#ffe27a"));
    for (QPoint c : {QPoint(1, 1), QPoint(Size - 2, 1), QPoint(1, Size - 2), QPoint(Size - 2, Size - 2)})
        p.fillRect(QRect(c, QSize(1, 1)), QColor("#a86a10"));
    // Small gold beads at the middle of each side.
    for (QRect r : {QRect(19, 0, 2, 3), QRect(19, Size - 3, 2, 3), QRect(0, 19, 3, 2), QRect(Size - 3, 19, 3, 2)})
        p.fillRect(r, QColor("#ffe27a"));
    return out;
}

QList<QImage> SkillIcons::all(const QList<ArtEntry>& skills)
{
    QList<QImage> out(Count + 1);
    for (const ArtEntry& e : skills)
        out[e.index] = icon(e).convertToFormat(QImage::Format_RGB32);
    out[Count] = frame(m_icons.scale()).convertToFormat(QImage::Format_RGB32);
    return out;
}
