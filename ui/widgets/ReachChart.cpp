#include "ui/widgets/ReachChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/widgets/ShareChart.h"

namespace {
constexpr QMargins Margins(40, 20, 84, 34);  // left, top, right, bottom
static_assert(std::size(ShareChart::Colours) >= ReachCurves::MaxCurves);

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
    setMinimumHeight(150);
}

QSize ReachChart::sizeHint() const
{
    return {360, 190};
}

void ReachChart::SetCurves(ReachCurves curves)
{
    curves_ = std::move(curves);
    setAccessibleDescription(QString::fromStdString(curves_.Description));
    update();
}

void ReachChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ShareChart chart(painter, *this, Margins);
    if (curves_.Curves.empty()) {
        chart.Message("技能太多，不画几率图");
        return;
    }
    const QRect plot = chart.Plot();
    const std::size_t books = curves_.Books;
    chart.ChanceAxis("到达的几率");
    // Along: 1, 10, 100 … books, and the last one.
    for (std::size_t tick = 1; tick < books; tick *= 10) {
        const int x = plot.left() + static_cast<int>(Along(tick, books, plot.width()));
        if (x > plot.right() - 40)
            break;  // the last book's label stands there
        chart.Tick(x, QString::number(tick), 40);
    }
    chart.Tick(plot.right() - 20, QString::number(books), 80, false);
    chart.AlongTitle("再打几本（对数刻度）");
    for (std::size_t c = 0; c < curves_.Curves.size(); ++c) {
        const Curve& curve = curves_.Curves[c];
        QPainterPath path;
        for (std::size_t m = 0; m < curve.Reached.size(); ++m) {
            const QPointF point(plot.left() + Along(m, books, plot.width()),
                                plot.bottom() - static_cast<double>(curve.Reached[m]) * plot.height());
            m == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        chart.Curve(path, QColor(ShareChart::Colours[c]), ShareChart::Dashes[c],
                    QString("到 %1 个技能").arg(curve.Wait.Target));
    }
}
