#pragma once
// Sorts a BeastListModel by any column (by the column's value, not its
// text) and shows only the rows a StableFilter accepts.

#include <QSortFilterProxyModel>

#include "ui/model/StableFilter.h"

class BeastFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit BeastFilterProxy(QObject* parent = nullptr);
    void SetFilter(const StableFilter& filter);
    const StableFilter& Filter() const { return filter_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    StableFilter filter_;
};
