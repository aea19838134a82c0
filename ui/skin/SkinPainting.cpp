#include "ui/skin/SkinPainting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinPalette.h"

namespace SkinPainting {

namespace {

using namespace SkinColours;

constexpr qreal Radius = 3.0;

struct FaceColours {
    QRgb top;
    QRgb bottom;
    QRgb border;
    QRgb innerLine;  // a one-pixel light (or shadow) just inside the border
    int innerAlpha;
};

FaceColours ColoursOf(Face face)
{
    switch (face) {
    case Face::Hover:
        return {GoldBright, Gold, Wood, 0xffffff, 200};
    case Face::Pressed:
        return {GoldBottom, Gold, WoodDark, WoodDark, 90};
    case Face::On:
        return {Wood, WoodDark, WoodDark, Gold, 150};
    case Face::Disabled:
        return {DisabledFace, DisabledFace, Tan, 0xffffff, 0};
    case Face::Resting:
        break;
    }
    return {GoldTop, GoldBottom, WoodDark, 0xffffff, 130};
}

// Drawing on half-pixel lines keeps one-pixel borders sharp.
QRectF Inner(const QRect& rect, qreal inset)
{
    return QRectF(rect).adjusted(inset + 0.5, inset + 0.5, -inset - 0.5, -inset - 0.5);
}

QColor WithAlpha(QRgb rgb, int alpha)
{
    QColor colour(rgb);
    colour.setAlpha(alpha);
    return colour;
}

void RoundedFace(QPainter& painter, const QRect& rect, const FaceColours& colours)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, QColor(colours.top));
    gradient.setColorAt(1, QColor(colours.bottom));
    painter.setBrush(gradient);
    painter.setPen(QColor(colours.border));
    painter.drawRoundedRect(Inner(rect, 0), Radius, Radius);
    if (colours.innerAlpha > 0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(WithAlpha(colours.innerLine, colours.innerAlpha));
        painter.drawRoundedRect(Inner(rect, 1), Radius - 1, Radius - 1);
    }
}

}  // namespace

Face FaceOf(QStyle::State state)
{
    if (!(state & QStyle::State_Enabled))
        return Face::Disabled;
    if (state & QStyle::State_On)
        return Face::On;
    if (state & QStyle::State_Sunken)
        return Face::Pressed;
    if (state & QStyle::State_MouseOver)
        return Face::Hover;
    return Face::Resting;
}

void ButtonFace(QPainter& painter, const QRect& rect, Face face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    RoundedFace(painter, rect, ColoursOf(face));
    painter.restore();
}

void FlatButtonFace(QPainter& painter, const QRect& rect, Face face)
{
    if (face != Face::Resting && face != Face::Disabled) {
        ButtonFace(painter, rect, face);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(face == Face::Disabled ? DisabledFace : FlatFace));
    painter.setPen(QColor(Tan));
    painter.drawRoundedRect(Inner(rect, 0), Radius, Radius);
    painter.restore();
}

void TabShape(QPainter& painter, const QRect& rect, bool current, bool hover)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The current tab stands two pixels taller and runs into the pane below.
    const QRect shape = current ? rect.adjusted(0, 0, 0, 2) : rect.adjusted(0, 2, 0, 0);
    QLinearGradient gradient(shape.topLeft(), shape.bottomLeft());
    if (current) {
        gradient.setColorAt(0, QColor(GoldTop));
        gradient.setColorAt(0.35, QColor(Parchment));
    } else {
        gradient.setColorAt(0, QColor(hover ? GoldBright : ParchmentDeep));
        gradient.setColorAt(1, QColor(hover ? Gold : ParchmentShade));
    }
    QPainterPath path;
    const QRectF outline = Inner(shape, 0).adjusted(0, 0, 0, Radius + 1);
    path.addRoundedRect(outline, Radius, Radius);
    painter.setClipRect(shape);
    painter.setBrush(gradient);
    painter.setPen(QColor(current ? WoodDark : Wood));
    painter.drawPath(path);
    if (current) {
        painter.setPen(QPen(QColor(GoldBottom), 2));
        painter.drawLine(QPointF(shape.left() + 2, shape.top() + 1.5), QPointF(shape.right() - 1, shape.top() + 1.5));
    }
    painter.restore();
}

void TabPane(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setBrush(QColor(Parchment));
    painter.setPen(QColor(WoodDark));
    painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(Cream));
    painter.drawRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5));
    painter.restore();
}

void GroupFrame(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(Cream));
    painter.drawRoundedRect(Inner(rect, 0).translated(1, 1).adjusted(0, 0, -1, -1), Radius, Radius);
    painter.setPen(QColor(WoodLight));
    painter.drawRoundedRect(Inner(rect, 0).adjusted(0, 0, -1, -1), Radius, Radius);
    painter.restore();
}

void Field(QPainter& painter, const QRect& rect, const QBrush& fill, bool focused)
{
    painter.save();
    painter.setBrush(fill);
    painter.setPen(QColor(WoodLight));
    painter.drawRect(Inner(rect, 0));
    painter.restore();
    if (focused)
        FocusRing(painter, rect, FocusColourOn(fill.color()));
}

void TipPanel(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setBrush(QColor(Cream));
    painter.setPen(QColor(Wood));
    painter.drawRect(Inner(rect, 0));
    painter.restore();
}

void FocusRing(QPainter& painter, const QRect& rect, const QColor& colour)
{
    if (rect.width() < 4 || rect.height() < 4)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // A pen two pixels wide, centred one pixel in from each edge, covers
    // exactly the outer two rows and columns of `rect`.
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
}

QColor FocusColourOn(const QColor& background)
{
    // Ink reaches 3:1 on any background of relative luminance above 0.136;
    // below that, pale gold reaches it.
    const QColor ink(Ink);
    const QColor pale(PaleText);
    return ContrastRatio(ink, background) >= ContrastRatio(pale, background) ? ink : pale;
}

QRect GroupFrameRect(const QRect& rect, const QRect& title)
{
    if (title.isEmpty())
        return rect;
    return rect.adjusted(0, title.bottom() + 1 - rect.top() + 1, 0, 0);
}

}  // namespace SkinPainting
