#pragma once
// A small chart of P(reached k skills within m books) against m, one curve
// per target k, in the skin's colours, with the books on a logarithmic axis. The figures come from
// BookOdds::ReachedWithin; the chart only draws them.

#include <QWidget>

#include <cstddef>
#include <vector>

class ReachChart : public QWidget {
    Q_OBJECT
public:
    struct Curve {
        std::size_t Target = 0;
        std::vector<long double> Reached;  // index m: P(reached within m books)
    };

    explicit ReachChart(QWidget* parent = nullptr);

    // Curves for a beast with `held` skills: the next three counts and 12
    // (or, from 12 skills on, the next two). Beyond BookOdds::MaxWaitHeld
    // skills the chart is empty and says so.
    void SetHeld(std::size_t held);
    const std::vector<Curve>& Curves() const { return curves_; }
    // The books the horizontal axis runs to.
    std::size_t Books() const { return books_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Curve> curves_;
    std::size_t books_ = 0;
    std::size_t held_ = 0;
};
