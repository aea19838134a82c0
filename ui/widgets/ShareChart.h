#pragma once
// What the record's and the planner's charts share: a cream ground, the
// chance axis from 0 to 100 % with lines at one half and nine in ten, the
// titles, and curves drawn in hues of at least 4.5:1 on the cream, each
// with its own dash, labelled at their ends. One object paints one chart.

#include <QMargins>
#include <QPainter>
#include <QRect>

class QPainterPath;
class QWidget;

class ShareChart {
public:
    static constexpr int FontPixels = 12;
    static constexpr int Line = FontPixels + 2;  // the height of a label
    static constexpr QRgb Colours[] = {0x4a2a12, 0x8a3410, 0x1f5f2a, 0x24507e};
    static constexpr Qt::PenStyle Dashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};

    // Fills `widget` with the ground and sets the face and ink; the plot
    // lies inside `margins` (left: the chance labels, top: the title,
    // right: the curves' labels, bottom: the ticks and their title).
    ShareChart(QPainter& painter, const QWidget& widget, QMargins margins);

    QRect Plot() const { return plot_; }
    // `text` centred on the whole chart, for a chart without curves.
    void Message(const QString& text);
    // The grid, both axes, the chance labels (90 % left out where it would
    // touch 100 %) and `title` above them.
    void ChanceAxis(const QString& title);
    // A label `width` wide centred on `x` under the horizontal axis, with
    // a tick mark there unless `mark` is false.
    void Tick(int x, const QString& text, int width, bool mark = true);
    // `title` under the ticks.
    void AlongTitle(const QString& title);
    // `path` in `colour` and `dash`, with `label` at its end, pushed below
    // the previous curve's label where they would touch.
    void Curve(const QPainterPath& path, QColor colour, Qt::PenStyle dash, const QString& label);

private:
    QPainter& painter_;
    QRect area_;
    QMargins margins_;
    QRect plot_;
    int lastLabel_;
};
