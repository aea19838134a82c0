#include "ui/widgets/ReachChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "ui/model/BookOdds.h"
#include "ui/skin/SkinColours.h"

namespace {
// Distinct on parchment, darkest for the nearest target.
const QRgb CurveColours[] = {SkinColours::WoodDark, SkinColours::Link, SkinColours::WoodLight, SkinColours::GoldBottom};
constexpr std::size_t MaxCurves = std::size(CurveColours);
constexpr int Left = 34, Right = 40, Top = 8, Bottom = 20;

// Books along a logarithmic axis (of 1 + m), so that the next skill, a few
// books away, and the twelfth, hundreds away, both read clearly.
double Along(std::size_t m, std::size_t books, int width)
{
    return std::log1p(static_cast<double>(m)) / std::log1p(static_cast<double>(books)) * width;
}
}  // namespace

ReachChart::ReachChart(QWidget* parent) : QWidget(parent)
{
    setObjectName("ReachChart");
    setAccessibleName("几本之内到达的几率图");
    setMinimumHeight(120);
}

QSize ReachChart::sizeHint() const
{
    return {340, 150};
}

void ReachChart::SetHeld(std::size_t held)
{
    held_ = held;
    curves_.clear();
    books_ = 0;
    if (held <= BookOdds::MaxWaitHeld) {
        std::vector<std::size_t> targets = BookOdds::Targets(held);
        if (targets.size() > MaxCurves) {
            targets.erase(targets.begin() + MaxCurves - 1, targets.end() - 1);  // the next three and the last
        }
        // The axis runs a little past the farthest 90th percentile.
        const BookWait far = BookOdds::Wait(held, targets.back());
        books_ = static_cast<std::size_t>(far.Percentile90 + far.Percentile90 / 5 + 1);
        for (std::size_t target : targets)
            curves_.push_back({target, BookOdds::ReachedWithin(held, target, books_)});
    }
    // What the curves show, for screen readers: where each crosses 50 % and 90 %.
    QStringList parts;
    for (const Curve& curve : curves_) {
        const BookWait wait = BookOdds::Wait(held, curve.Target);
        parts << QString("到 %1 个技能：%2 本内过半，%3 本内九成")
                     .arg(curve.Target)
                     .arg(wait.Median)
                     .arg(wait.Percentile90);
    }
    setAccessibleDescription(parts.join("；"));
    update();
}

void ReachChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(SkinColours::Cream));
    const QRect plot = rect().adjusted(Left, Top, -Right, -Bottom);
    painter.setPen(QColor(SkinColours::Ink));
    QFont small = font();
    small.setPixelSize(11);
    painter.setFont(small);
    if (curves_.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, "技能太多，不画几率图");
        return;
    }
    // Axes: 0 %, 50 %, 90 % and 100 % across; 1, 10, 100 … books along.
    painter.setPen(QColor(SkinColours::Tan));
    for (double level : {0.5, 0.9, 1.0}) {
        const int y = plot.bottom() - static_cast<int>(level * plot.height());
        painter.drawLine(plot.left(), y, plot.right(), y);
    }
    painter.setPen(QColor(SkinColours::Ink));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int level : {0, 50, 90, 100})
        painter.drawText(QRect(0, plot.bottom() - level * plot.height() / 100 - 7, Left - 3, 14),
                         Qt::AlignRight | Qt::AlignVCenter, QString("%1%").arg(level));
    for (std::size_t tick = 1; tick < books_; tick *= 10) {
        const int x = plot.left() + static_cast<int>(Along(tick, books_, plot.width()));
        if (x > plot.right() - 50)
            break;  // the last book's label stands there
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + 3);
        painter.drawText(QRect(x - 20, plot.bottom() + 3, 40, Bottom - 3), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(tick));
    }
    painter.drawText(QRect(plot.right() - 60, plot.bottom() + 3, 60 + Right, Bottom - 3), Qt::AlignRight,
                     QString("%1 本").arg(books_));

    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t c = 0; c < curves_.size(); ++c) {
        const Curve& curve = curves_[c];
        QPainterPath path;
        for (std::size_t m = 0; m < curve.Reached.size(); ++m) {
            const QPointF point(plot.left() + Along(m, books_, plot.width()),
                                plot.bottom() - static_cast<double>(curve.Reached[m]) * plot.height());
            m == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        const QColor colour(CurveColours[c]);
        painter.setPen(QPen(colour, 2));
        painter.drawPath(path);
        // The target at the curve's end, stacked so that labels never overlap.
        const int y = plot.top() + static_cast<int>(c) * 13;
        painter.drawText(QRect(plot.right() + 3, y, Right - 3, 13), Qt::AlignLeft | Qt::AlignVCenter,
                         QString("到%1").arg(curve.Target));
    }
}
