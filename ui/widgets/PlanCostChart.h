#pragma once
// The spread of a plan's cost beside that of hitting target books only: for
// each, the chance that the cost stays at or below c, against c, with lines
// at one half and nine in ten, in the record chart's style. The curves come
// from BookPlanner::CostDistribution; the chart only draws them.

#include <QWidget>

#include <vector>

class PlanCostChart : public QWidget {
    Q_OBJECT
public:
    explicit PlanCostChart(QWidget* parent = nullptr);

    // P(cost <= c) for c = 0 .. last, of the plan and of target books only;
    // both empty: the chart says the figures are being worked out (or, with
    // `why`, why there are none).
    void SetCurves(std::vector<long double> plan, std::vector<long double> straight, const QString& why = {});
    std::size_t Points() const { return plan_.size(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<long double> plan_;
    std::vector<long double> straight_;
    QString why_;
};
