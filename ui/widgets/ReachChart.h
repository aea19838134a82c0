#pragma once
// A small chart of P(reached k skills within m books) against m, one curve
// per target k, in the skin's colours, with the books on a logarithmic axis.
// The figures come from ReachCurves; the chart only draws them.

#include <QWidget>

#include <cstddef>
#include <vector>

#include "ui/model/ReachCurves.h"

class ReachChart : public QWidget {
    Q_OBJECT
public:
    using Curve = ReachCurves::Curve;

    explicit ReachChart(QWidget* parent = nullptr);

    // Draws `curves`; without any the chart is empty and says so.
    void SetCurves(ReachCurves curves);
    const std::vector<Curve>& Curves() const { return curves_.Curves; }
    // The books the horizontal axis runs to.
    std::size_t Books() const { return curves_.Books; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ReachCurves curves_;
};
