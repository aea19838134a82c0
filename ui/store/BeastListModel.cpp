#include "ui/store/BeastListModel.h"

#include <QDateTime>

#include <algorithm>

BeastListModel::BeastListModel(BeastStore::Table table, PictureMaker pictures, QObject* parent)
    : QAbstractTableModel(parent), table_(table), pictures_(std::move(pictures))
{
}

void BeastListModel::Load(const BeastStore* store, qint64 currentEntry)
{
    beginResetModel();
    rows_.clear();
    if (store) {
        rows_ = table_ == BeastStore::Table::History ? store->History() : store->Stable();
        std::reverse(rows_.begin(), rows_.end());
        run_ = store->Run();
    }
    current_ = currentEntry;
    endResetModel();
}

int BeastListModel::RowOf(qint64 id) const
{
    const auto found = std::find_if(rows_.begin(), rows_.end(), [id](const StoredBeast& row) { return row.id == id; });
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

int BeastListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BeastListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString BeastListModel::Text(const StoredBeast& row, int column) const
{
    switch (column) {
    case Name:
        if (table_ == BeastStore::Table::Stable)
            return row.name;
        if (row.id == current_)
            return QStringLiteral("当前");
        return row.run == run_ ? QStringLiteral("本次") : row.run == run_ - 1 ? QStringLiteral("上次") : "更早";
    case Template:
        return row.templateName;
    case Grade:
        return row.grade;
    case SkillCount:
        return QString::number(row.skillCount);
    case Books:
        return QString::number(row.counters.BooksUsed);
    case Changed:
        return QDateTime::fromMSecsSinceEpoch(row.changed).toString("MM-dd HH:mm");
    case Note:
        return table_ == BeastStore::Table::Stable ? row.note : row.skills;
    default:
        return {};
    }
}

QVariant BeastListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const StoredBeast& row = RowAt(index.row());
    const int column = index.column();
    if (role == Qt::AccessibleTextRole && column == Picture)
        return row.templateName + "的图";
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return Text(row, column);
    if (role == Qt::ToolTipRole)
        return row.skills.isEmpty() ? QStringLiteral("没有技能") : row.skills;
    if (role == Qt::DecorationRole && column == Picture) {
        auto cached = pictureCache_.find(row.templateName);
        if (cached == pictureCache_.end())
            cached = pictureCache_.insert(row.templateName, pictures_ ? pictures_(row.templateName) : QPixmap());
        return *cached;
    }
    if (role == Qt::UserRole) {
        switch (column) {
        case SkillCount:
            return row.skillCount;
        case Books:
            return row.counters.BooksUsed;
        case Changed:
        case Picture:
            return row.changed;
        default:
            return Text(row, column);
        }
    }
    return {};
}

QVariant BeastListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const bool stable = table_ == BeastStore::Table::Stable;
    static const char* const captions[ColumnCount] = {"图", "", "种类", "评级", "技能数", "用书", "时间", ""};
    switch (section) {
    case Name:
        return stable ? QStringLiteral("名字") : QStringLiteral("哪次");
    case Note:
        return stable ? QStringLiteral("备注") : QStringLiteral("技能");
    default:
        return QString::fromUtf8(captions[section]);
    }
}
