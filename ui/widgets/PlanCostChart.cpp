#include "ui/widgets/PlanCostChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "ui/skin/SkinColours.h"

namespace {
// As in the record's chart: at least 4.5:1 on cream, each with its own dash.
const QColor PlanColour(0x4a2a12);
const QColor StraightColour(0x24507e);
constexpr int FontPixels = 12;
constexpr int Left = 40, Right = 76, Top = 20, Bottom = 34;

// A round step for the cost axis (1, 2 or 5 times a power of ten) giving
// at most five ticks up to `last`.
std::size_t TickStep(std::size_t last)
{
    for (std::size_t power = 1;; power *= 10)
        for (std::size_t m : {1, 2, 5})
            if (last / (m * power) <= 5)
                return m * power;
}
}  // namespace

PlanCostChart::PlanCostChart(QWidget* parent) : QWidget(parent)
{
    setObjectName("PlanCostChart");
    setAccessibleName("花费分布图");
    setMinimumHeight(150);
}

QSize PlanCostChart::sizeHint() const
{
    return {360, 180};
}

void PlanCostChart::SetCurves(std::vector<long double> plan, std::vector<long double> straight, const QString& why)
{
    plan_ = std::move(plan);
    straight_ = std::move(straight);
    why_ = why;
    update();
}

void PlanCostChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(SkinColours::Cream));
    QFont small = font();
    small.setPixelSize(FontPixels);
    painter.setFont(small);
    painter.setPen(QColor(SkinColours::Ink));
    const std::size_t last = std::max(plan_.size(), straight_.size());
    if (last < 2) {
        painter.drawText(rect(), Qt::AlignCenter, why_.isEmpty() ? QStringLiteral("花费分布正在算…") : why_);
        return;
    }
    const QRect plot = rect().adjusted(Left, Top, -Right, -Bottom);
    const int line = FontPixels + 2;
    painter.setPen(QColor(SkinColours::Tan));
    for (double level : {0.5, 0.9, 1.0})
        painter.drawLine(plot.left(), plot.bottom() - static_cast<int>(level * plot.height()), plot.right(),
                         plot.bottom() - static_cast<int>(level * plot.height()));
    painter.setPen(QColor(SkinColours::Ink));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int level : {0, 50, 90, 100}) {
        if (level == 90 && plot.height() / 10 < line)
            continue;
        painter.drawText(QRect(0, plot.bottom() - level * plot.height() / 100 - line / 2, Left - 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString("%1%").arg(level));
    }
    painter.drawText(QRect(0, 0, width(), Top - 4), Qt::AlignLeft | Qt::AlignVCenter, "花费不超过这么多的几率");
    const auto xAt = [&](double cost) { return plot.left() + cost / static_cast<double>(last - 1) * plot.width(); };
    const std::size_t step = TickStep(last - 1);
    for (std::size_t tick = 0; tick < last; tick += step) {
        const int x = static_cast<int>(xAt(static_cast<double>(tick)));
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + 3);
        painter.drawText(QRect(x - 30, plot.bottom() + 3, 60, line), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(tick));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 3 + line, plot.width(), line), Qt::AlignHCenter, "花费");

    painter.setRenderHint(QPainter::Antialiasing);
    int lastLabel = Top - line;
    const struct {
        const std::vector<long double>& curve;
        QColor colour;
        Qt::PenStyle dash;
        const char* label;
    } curves[] = {{plan_, PlanColour, Qt::SolidLine, "按规划"}, {straight_, StraightColour, Qt::DashLine, "只打目标书"}};
    for (const auto& c : curves) {
        if (c.curve.empty())
            continue;
        QPainterPath path;
        // At most about one point per pixel.
        const std::size_t stride = std::max<std::size_t>(1, c.curve.size() / static_cast<std::size_t>(plot.width()));
        for (std::size_t k = 0; k < c.curve.size(); k += stride) {
            const QPointF point(xAt(static_cast<double>(k)),
                                plot.bottom() - static_cast<double>(c.curve[k]) * plot.height());
            k == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        painter.setPen(QPen(c.colour, 2, c.dash));
        painter.drawPath(path);
        const int end = static_cast<int>(path.currentPosition().y()) - line / 2;
        lastLabel = std::max(end, lastLabel + line);
        painter.drawText(QRect(plot.right() + 4, lastLabel, Right - 4, line), Qt::AlignLeft | Qt::AlignVCenter,
                         c.label);
    }
}
