#include "ui/widgets/ShareChart.h"

#include <QPainterPath>
#include <QWidget>

#include <algorithm>

#include "ui/skin/SkinColours.h"

ShareChart::ShareChart(QPainter& painter, const QWidget& widget, QMargins margins)
    : painter_(painter), area_(widget.rect()), margins_(margins), plot_(area_.marginsRemoved(margins)),
      lastLabel_(margins.top() - Line)
{
    painter_.fillRect(area_, QColor(SkinColours::Cream));
    QFont small = widget.font();
    small.setPixelSize(FontPixels);
    painter_.setFont(small);
    painter_.setPen(QColor(SkinColours::Ink));
}

void ShareChart::Message(const QString& text)
{
    painter_.drawText(area_, Qt::AlignCenter, text);
}

void ShareChart::ChanceAxis(const QString& title)
{
    painter_.setPen(QColor(SkinColours::Tan));
    for (double level : {0.5, 0.9, 1.0}) {
        const int y = plot_.bottom() - static_cast<int>(level * plot_.height());
        painter_.drawLine(plot_.left(), y, plot_.right(), y);
    }
    painter_.setPen(QColor(SkinColours::Ink));
    painter_.drawLine(plot_.bottomLeft(), plot_.bottomRight());
    painter_.drawLine(plot_.bottomLeft(), plot_.topLeft());
    for (int level : {0, 50, 90, 100}) {
        if (level == 90 && plot_.height() / 10 < Line)
            continue;
        painter_.drawText(
            QRect(0, plot_.bottom() - level * plot_.height() / 100 - Line / 2, margins_.left() - 4, Line),
            Qt::AlignRight | Qt::AlignVCenter, QString("%1%").arg(level));
    }
    painter_.drawText(QRect(0, 0, area_.width(), margins_.top() - 4), Qt::AlignLeft | Qt::AlignVCenter, title);
}

void ShareChart::Tick(int x, const QString& text, int width, bool mark)
{
    if (mark)
        painter_.drawLine(x, plot_.bottom(), x, plot_.bottom() + 3);
    painter_.drawText(QRect(x - width / 2, plot_.bottom() + 3, width, Line), Qt::AlignHCenter | Qt::AlignTop, text);
}

void ShareChart::AlongTitle(const QString& title)
{
    painter_.drawText(QRect(plot_.left(), plot_.bottom() + 3 + Line, plot_.width(), Line), Qt::AlignHCenter, title);
}

void ShareChart::Curve(const QPainterPath& path, QColor colour, Qt::PenStyle dash, const QString& label)
{
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(colour, 2, dash));
    painter_.drawPath(path);
    const int end = static_cast<int>(path.currentPosition().y()) - Line / 2;
    lastLabel_ = std::max(end, lastLabel_ + Line);
    painter_.drawText(QRect(plot_.right() + 4, lastLabel_, margins_.right() - 4, Line),
                      Qt::AlignLeft | Qt::AlignVCenter, label);
}
