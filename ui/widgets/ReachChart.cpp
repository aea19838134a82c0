#include "ui/widgets/ReachChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/skin/SkinColours.h"

namespace {
// Distinct on parchment, darkest for the nearest target.
const QRgb CurveColours[] = {SkinColours::WoodDark, SkinColours::Link, SkinColours::WoodLight, SkinColours::GoldBottom};
static_assert(std::size(CurveColours) >= ReachCurves::MaxCurves);
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

void ReachChart::SetCurves(ReachCurves curves)
{
    curves_ = std::move(curves);
    setAccessibleDescription(QString::fromStdString(curves_.Description));
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
    const std::vector<Curve>& curves = curves_.Curves;
    const std::size_t books = curves_.Books;
    if (curves.empty()) {
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
    for (std::size_t tick = 1; tick < books; tick *= 10) {
        const int x = plot.left() + static_cast<int>(Along(tick, books, plot.width()));
        if (x > plot.right() - 50)
            break;  // the last book's label stands there
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + 3);
        painter.drawText(QRect(x - 20, plot.bottom() + 3, 40, Bottom - 3), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(tick));
    }
    painter.drawText(QRect(plot.right() - 60, plot.bottom() + 3, 60 + Right, Bottom - 3), Qt::AlignRight,
                     QString("%1 本").arg(books));

    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t c = 0; c < curves.size(); ++c) {
        const Curve& curve = curves[c];
        QPainterPath path;
        for (std::size_t m = 0; m < curve.Reached.size(); ++m) {
            const QPointF point(plot.left() + Along(m, books, plot.width()),
                                plot.bottom() - static_cast<double>(curve.Reached[m]) * plot.height());
            m == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        const QColor colour(CurveColours[c]);
        painter.setPen(QPen(colour, 2));
        painter.drawPath(path);
        // The target at the curve's end, stacked so that labels never overlap.
        const int y = plot.top() + static_cast<int>(c) * 13;
        painter.drawText(QRect(plot.right() + 3, y, Right - 3, 13), Qt::AlignLeft | Qt::AlignVCenter,
                         QString("到%1").arg(curve.Wait.Target));
    }
}
