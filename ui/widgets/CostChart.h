#pragma once
// The spread of a plan's cost: bars for the share of simulated runs in each
// bin of costs, and beside each bar a mark for the exact share, in the
// skin's colours, with a legend and the costs along the bottom. The figures
// come from CostSpread; the chart only draws them.

#include <QWidget>

#include "ui/model/CostSpread.h"

class CostChart : public QWidget {
    Q_OBJECT
public:
    explicit CostChart(QWidget* parent = nullptr);

    void SetSpread(CostSpread spread);
    const CostSpread& Spread() const { return spread_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CostSpread spread_;
};
