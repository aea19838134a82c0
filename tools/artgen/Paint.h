#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPointF>

class QPainter;

// Small painting steps shared by every kind of picture. A "mask" is a white
// shape with alpha, as IconSet::mask returns it. Sizes, offsets and radii are
// in the pictures' own units; images keep their device pixel ratio, so the
// same steps paint a 1x picture and its 2x twin.
namespace Paint {

// The shape of mask filled with brush (gradients are in mask units).
QImage tinted(const QImage& mask, const QBrush& brush);

// A soft copy of image, blurred by roughly radius units.
QImage blurred(const QImage& image, qreal radius);

// Draws mask at topLeft: a soft shadow, a dark outline of the given width,
// then the shape itself filled with fill.
void drawGlyph(QPainter& p, QPointF topLeft, const QImage& mask, const QBrush& fill, const QColor& outline,
               qreal outlineWidth, const QColor& shadow = Qt::transparent, QPointF shadowOffset = {0, 0},
               qreal shadowBlur = 0);

// A vertical two-colour gradient over [top, bottom].
QBrush vertical(const QColor& top, const QColor& bottom, qreal y0, qreal y1);

// Colour mixed from a towards b by t in [0, 1].
QColor mix(const QColor& a, const QColor& b, qreal t);

}  // namespace Paint
