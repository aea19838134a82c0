#pragma once
// The planner's three book lists as tabs of tick boxes, two to a row, each
// box named after its book. Ticking fires the box's own toggled signal and
// Toggled; a click on the name ticks as on the box.

#include <QTabWidget>

#include <array>
#include <vector>

class QCheckBox;

class TargetLists : public QTabWidget {
    Q_OBJECT
public:
    explicit TargetLists(QWidget* parent = nullptr);

    // The box of the `row`th book of list `list` (0 .. 2), in list order.
    QCheckBox* Box(int list, int row) const;
    // Every box, list by list.
    std::vector<QCheckBox*> Boxes() const;

signals:
    void Toggled(QCheckBox* box, bool checked);

private:
    std::array<std::vector<QCheckBox*>, 3> boxes_;
};
