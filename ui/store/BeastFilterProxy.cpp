#include "ui/store/BeastFilterProxy.h"

#include "ui/store/BeastListModel.h"

BeastFilterProxy::BeastFilterProxy(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(Qt::UserRole);
    setSortLocaleAware(true);
}

void BeastFilterProxy::SetFilter(const StableFilter& filter)
{
    filter_ = filter;
    invalidateFilter();
}

bool BeastFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* model = qobject_cast<const BeastListModel*>(sourceModel());
    if (!model)
        return true;
    const StoredBeast& row = model->RowAt(sourceRow);
    return filter_.Accepts(row.templateName.toStdString(), row.grade.toStdString(), row.skills.toStdString(),
                           row.skillCount);
}
