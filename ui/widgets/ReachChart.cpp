#include "ui/widgets/ReachChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/skin/SkinColours.h"

namespace {
// Four hues at least 4.5:1 on the cream ground, each with its own dash, so
// that the curves part by more than colour.
const QRgb CurveColours[] = {0x4a2a12, 0x8a3410, 0x1f5f2a, 0x24507e};
const Qt::PenStyle CurveDashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
static_assert(std::size(CurveColours) >= ReachCurves::MaxCurves);
constexpr int FontPixels = 12;
constexpr int Left = 40, Right = 84, Top = 20, Bottom = 34;

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
    painter.fillRect(rect(), QColor(SkinColours::Cream));
    QFont small = font();
    small.setPixelSize(FontPixels);
    painter.setFont(small);
    painter.setPen(QColor(SkinColours::Ink));
    if (curves_.Curves.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, "技能太多，不画几率图");
        return;
    }
    const QRect plot = rect().adjusted(Left, Top, -Right, -Bottom);
    drawAxes(painter, plot);
    drawCurves(painter, plot);
}

void ReachChart::drawAxes(QPainter& painter, const QRect& plot) const
{
    const std::size_t books = curves_.Books;
    const int line = FontPixels + 2;
    // Across: 0 %, 50 %, 90 % and 100 %, the 90 % label left out when the
    // plot is too low for it to stand clear of 100 %.
    painter.setPen(QColor(SkinColours::Tan));
    for (double level : {0.5, 0.9, 1.0}) {
        const int y = plot.bottom() - static_cast<int>(level * plot.height());
        painter.drawLine(plot.left(), y, plot.right(), y);
    }
    painter.setPen(QColor(SkinColours::Ink));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int level : {0, 50, 90, 100}) {
        if (level == 90 && plot.height() / 10 < line)
            continue;
        painter.drawText(QRect(0, plot.bottom() - level * plot.height() / 100 - line / 2, Left - 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString("%1%").arg(level));
    }
    painter.drawText(QRect(0, 0, width(), Top - 4), Qt::AlignLeft | Qt::AlignVCenter, "到达的几率");
    // Along: 1, 10, 100 … books, and the last one.
    for (std::size_t tick = 1; tick < books; tick *= 10) {
        const int x = plot.left() + static_cast<int>(Along(tick, books, plot.width()));
        if (x > plot.right() - 40)
            break;  // the last book's label stands there
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + 3);
        painter.drawText(QRect(x - 20, plot.bottom() + 3, 40, line), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(tick));
    }
    painter.drawText(QRect(plot.right() - 60, plot.bottom() + 3, 60 + 20, line), Qt::AlignHCenter | Qt::AlignTop,
                     QString::number(books));
    painter.drawText(QRect(plot.left(), plot.bottom() + 3 + line, plot.width(), line), Qt::AlignHCenter,
                     "再打几本（对数刻度）");
}

void ReachChart::drawCurves(QPainter& painter, const QRect& plot) const
{
    const std::vector<Curve>& curves = curves_.Curves;
    const std::size_t books = curves_.Books;
    const int line = FontPixels + 2;
    painter.setRenderHint(QPainter::Antialiasing);
    // Each label at its curve's end, pushed down below the one above it
    // when they would touch.
    int lastLabel = Top - line;
    for (std::size_t c = 0; c < curves.size(); ++c) {
        const Curve& curve = curves[c];
        QPainterPath path;
        for (std::size_t m = 0; m < curve.Reached.size(); ++m) {
            const QPointF point(plot.left() + Along(m, books, plot.width()),
                                plot.bottom() - static_cast<double>(curve.Reached[m]) * plot.height());
            m == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        const QColor colour(CurveColours[c]);
        painter.setPen(QPen(colour, 2, CurveDashes[c]));
        painter.drawPath(path);
        const int end = static_cast<int>(path.currentPosition().y()) - line / 2;
        lastLabel = std::max(end, lastLabel + line);
        painter.drawText(QRect(plot.right() + 4, lastLabel, Right - 4, line), Qt::AlignLeft | Qt::AlignVCenter,
                         QString("到 %1 个技能").arg(curve.Wait.Target));
    }
}
