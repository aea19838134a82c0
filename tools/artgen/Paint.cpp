#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace Paint {

QImage tinted(const QImage& mask, const QBrush& brush)
{
    QImage out(mask.size(), QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(mask.devicePixelRatio());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.fillRect(out.rect(), brush);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, mask);
    return out;
}

QImage blurred(const QImage& image, qreal radius)
{
    if (radius < 0.5)
        return image;
    // Shrinking with smooth filtering and growing back twice is a cheap,
    // good-enough gaussian for shadows and glows.
    const qreal factor = std::max(1.0, radius * image.devicePixelRatio());
    const QSize small(std::max(1, int(image.width() / factor)), std::max(1, int(image.height() / factor)));
    QImage s = image.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    s = s.scaled(small * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    s = s.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    s.setDevicePixelRatio(image.devicePixelRatio());
    return s;
}

void drawGlyph(QPainter& p, QPointF topLeft, const QImage& mask, const QBrush& fill, const QColor& outline,
               qreal outlineWidth, const QColor& shadow, QPointF shadowOffset, qreal shadowBlur)
{
    if (shadow.alpha() > 0) {
        QImage s = tinted(mask, shadow);
        if (outlineWidth > 0) {
            // The shadow belongs to the outlined shape, so widen it the same way.
            QImage wide(mask.size(), QImage::Format_ARGB32_Premultiplied);
            wide.setDevicePixelRatio(mask.devicePixelRatio());
            wide.fill(Qt::transparent);
            QPainter w(&wide);
            for (int a = 0; a < 8; ++a) {
                const qreal t = a * std::numbers::pi / 4;
                w.drawImage(QPointF(std::cos(t) * outlineWidth, std::sin(t) * outlineWidth), s);
            }
            w.end();
            s = wide;
        }
        p.drawImage(topLeft + shadowOffset, blurred(s, shadowBlur));
    }
    if (outlineWidth > 0 && outline.alpha() > 0) {
        const QImage o = tinted(mask, outline);
        const int steps = outlineWidth > 1.5 ? 16 : 8;
        for (int a = 0; a < steps; ++a) {
            const qreal t = a * 2 * std::numbers::pi / steps;
            p.drawImage(topLeft + QPointF(std::cos(t) * outlineWidth, std::sin(t) * outlineWidth), o);
        }
    }
    p.drawImage(topLeft, tinted(mask, fill));
}

QBrush vertical(const QColor& top, const QColor& bottom, qreal y0, qreal y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

}  // namespace Paint
