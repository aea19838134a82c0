#include "ui/widgets/TargetLists.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QScrollArea>
#include <QTabBar>

#include <algorithm>

#include "data/builtin_data.h"

namespace {
const char* const ListNames[] = {"低级技能", "高级技能", "其他技能"};
}  // namespace

TargetLists::TargetLists(QWidget* parent) : QTabWidget(parent)
{
    setObjectName("Lists");
    setAccessibleName("目标技能");
    setUsesScrollButtons(false);  // the three tabs always fit
    for (std::size_t k = 0; k < BookLists().size() && k < boxes_.size(); ++k) {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        grid->setContentsMargins(4, 4, 4, 4);
        grid->setVerticalSpacing(2);
        const auto& items = BookLists()[k].Items;
        for (std::size_t row = 0; row < items.size(); ++row) {
            auto* box = new QCheckBox(QString::fromStdString(items[row]), page);
            box->setObjectName(QString("Target%1_%2").arg(k + 1).arg(row));
            box->setAccessibleName(box->text());
            connect(box, &QCheckBox::toggled, this, [this, box](bool checked) { emit Toggled(box, checked); });
            grid->addWidget(box, static_cast<int>(row / 2), static_cast<int>(row % 2));
            boxes_[k].push_back(box);
        }
        grid->setRowStretch(grid->rowCount(), 1);
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QString("TargetList%1").arg(k + 1));
        scroll->setAccessibleName(QString("目标：") + ListNames[k]);
        scroll->setWidget(page);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        addTab(scroll, ListNames[k]);
    }
    setMinimumWidth(std::max(tabBar()->sizeHint().width() + 8, 230));
}

QCheckBox* TargetLists::Box(int list, int row) const
{
    return boxes_[static_cast<std::size_t>(list)][static_cast<std::size_t>(row)];
}

std::vector<QCheckBox*> TargetLists::Boxes() const
{
    std::vector<QCheckBox*> all;
    for (const auto& list : boxes_)
        all.insert(all.end(), list.begin(), list.end());
    return all;
}
