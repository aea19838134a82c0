#include "ui/widgets/CostChart.h"

#include <QPainter>

#include <algorithm>
#include <utility>

#include "ui/skin/SkinColours.h"

namespace {
constexpr int Left = 8, Right = 8, Top = 24, Bottom = 20;
}  // namespace

CostChart::CostChart(QWidget* parent) : QWidget(parent)
{
    setObjectName("CostChart");
    setAccessibleName("花费分布图");
    setMinimumHeight(110);
}

QSize CostChart::sizeHint() const
{
    return {320, 140};
}

void CostChart::SetSpread(CostSpread spread)
{
    spread_ = std::move(spread);
    setAccessibleDescription(QString::fromStdString(spread_.Description()));
    update();
}

void CostChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(SkinColours::Cream));
    painter.setPen(QColor(SkinColours::Ink));
    if (spread_.Bins.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, "按“模拟 1000 次”看花费的分布");
        return;
    }
    // Legend: the simulated bars and the exact marks.
    const QColor bar(SkinColours::WoodLight);
    // Dark ink with a cream halo: the marks read on the bars and beside them.
    const QColor exact(SkinColours::Ink);
    const QColor halo(SkinColours::Cream);
    painter.fillRect(QRect(Left, 6, 12, 10), bar);
    painter.drawText(QRect(Left + 16, 2, 120, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QString("模拟 %1 次").arg(spread_.Runs));
    painter.fillRect(QRect(Left + 120, 10, 12, 3), exact);
    painter.drawText(QRect(Left + 136, 2, 100, 18), Qt::AlignLeft | Qt::AlignVCenter, "精确分布");

    const QRect plot = rect().adjusted(Left, Top, -Right, -Bottom);
    double top = 0;
    for (const CostSpread::Bin& b : spread_.Bins)
        top = std::max({top, b.Simulated, static_cast<double>(b.Exact)});
    const int count = static_cast<int>(spread_.Bins.size());
    const double width = static_cast<double>(plot.width()) / count;
    for (int i = 0; i < count; ++i) {
        const CostSpread::Bin& b = spread_.Bins[static_cast<std::size_t>(i)];
        const double x = plot.left() + i * width;
        const double simulated = b.Simulated / top * plot.height();
        painter.fillRect(QRectF(x + 1, plot.bottom() + 1 - simulated, width - 2, simulated), bar);
        const double y = plot.bottom() + 1 - static_cast<double>(b.Exact) / top * plot.height();
        painter.fillRect(QRectF(x + 1, y - 2.5, width - 2, 5), halo);
        painter.fillRect(QRectF(x + 1, y - 1.5, width - 2, 3), exact);
    }
    painter.setPen(QColor(SkinColours::Ink));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    const auto label = [&](int i, Qt::Alignment align) {
        const CostSpread::Bin& b = spread_.Bins[static_cast<std::size_t>(i)];
        painter.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), Bottom - 2), align | Qt::AlignTop,
                         QString("花费 %1").arg(align & Qt::AlignLeft ? b.From : b.To));
    };
    label(0, Qt::AlignLeft);
    label(count - 1, Qt::AlignRight);
}
