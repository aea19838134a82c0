#include "ui/widgets/PlanCostChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "ui/widgets/ShareChart.h"

namespace {
constexpr QMargins Margins(40, 20, 76, 34);  // left, top, right, bottom

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
    ShareChart chart(painter, *this, Margins);
    const std::size_t last = std::max(plan_.size(), straight_.size());
    if (last < 2) {
        chart.Message(why_.isEmpty() ? QStringLiteral("花费分布正在算…") : why_);
        return;
    }
    const QRect plot = chart.Plot();
    chart.ChanceAxis("花费不超过这么多的几率");
    const auto xAt = [&](double cost) { return plot.left() + cost / static_cast<double>(last - 1) * plot.width(); };
    const std::size_t step = TickStep(last - 1);
    for (std::size_t tick = 0; tick < last; tick += step)
        chart.Tick(static_cast<int>(xAt(static_cast<double>(tick))), QString::number(tick), 60);
    chart.AlongTitle("花费");
    const struct {
        const std::vector<long double>& curve;
        std::size_t style;  // the plan as the record's nearest curve, target books only as its farthest
        const char* label;
    } curves[] = {{plan_, 0, "按规划"}, {straight_, 3, "只打目标书"}};
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
        chart.Curve(path, QColor(ShareChart::Colours[c.style]), c.style ? Qt::DashLine : Qt::SolidLine, c.label);
    }
}
