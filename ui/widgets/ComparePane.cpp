#include "ui/widgets/ComparePane.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/model/BeastCompare.h"

namespace {
// Darker than the skin's text greens and reds, for at least 4.5:1 on the
// table's white ground.
const QColor More(0x1b, 0x6e, 0x20);
const QColor Less(0xb0, 0x1e, 0x1e);

QTableWidgetItem* Item(const std::string& text)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}
}  // namespace

ComparePane::ComparePane(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Caption = new QLabel(this);
    Caption->setObjectName("CompareCaption");
    Caption->setTextFormat(Qt::PlainText);
    Caption->setWordWrap(true);
    layout->addWidget(Caption);
    Table = new QTableWidget(0, 4, this);
    Table->setObjectName("CompareTable");
    Table->setAccessibleName("对比");
    Table->setHorizontalHeaderLabels({"", "钉住", "当前", "差别"});
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Every value whole: the columns fit their contents, the difference
    // takes what is left.
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table->horizontalHeader()->setStretchLastSection(true);
    setMinimumWidth(260);
    layout->addWidget(Table);
    Caption->setBuddy(Table);
}

void ComparePane::Show(const std::optional<TPet>& pinned, const QString& caption, const TPet& current)
{
    Table->setRowCount(0);
    if (!pinned) {
        Caption->setText("还没有钉住的召唤兽：在左边选一只，按“钉住对比”。");
        return;
    }
    Caption->setText("钉住：" + caption + "；当前：" + QString::fromStdString(current.Name));
    const std::vector<CompareRow> rows = CompareBeasts(*pinned, current);
    Table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const CompareRow& row = rows[static_cast<std::size_t>(r)];
        const QString spoken = QString::fromStdString(row.Spoken());
        std::array<QTableWidgetItem*, 4> items = {Item(row.caption), Item(row.pinned), Item(row.current),
                                                  Item(row.change)};
        for (std::size_t c = 0; c < items.size(); ++c) {
            items[c]->setData(Qt::AccessibleDescriptionRole, spoken);
            Table->setItem(r, static_cast<int>(c), items[c]);
        }
        const bool more = row.mark == CompareRow::Mark::Higher || row.mark == CompareRow::Mark::OnlyCurrent;
        const bool less = row.mark == CompareRow::Mark::Lower || row.mark == CompareRow::Mark::OnlyPinned;
        if (more || less)
            items[3]->setForeground(more ? More : Less);
        if (row.mark == CompareRow::Mark::OnlyPinned || row.mark == CompareRow::Mark::OnlyCurrent) {
            QFont bold = Table->font();
            bold.setBold(true);
            items[row.mark == CompareRow::Mark::OnlyPinned ? 1 : 2]->setFont(bold);
        }
    }
}
