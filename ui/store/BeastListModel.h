#pragma once
// The history or the stable as a table for a view: one row per stored
// beast, newest first, with a small picture of its template, drawn only
// when a row is first shown. Sorting and filtering happen in a proxy:
// Qt::UserRole gives each column's value to sort by, and RowAt the row.

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>

#include <functional>
#include <vector>

#include "ui/store/BeastStore.h"

class BeastListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Picture, Name, Template, Grade, SkillCount, Books, Changed, Note, ColumnCount };
    // Draws the picture of a template, given its name; null when none.
    using PictureMaker = std::function<QPixmap(const QString& templateName)>;

    BeastListModel(BeastStore::Table table, PictureMaker pictures, QObject* parent = nullptr);

    // Reads the rows again from `store` (nullptr: no rows), newest first.
    // The history marks the rows of this run and the current entry.
    void Load(const BeastStore* store, qint64 currentEntry = 0);
    const StoredBeast& RowAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    // The row of `id`, or -1.
    int RowOf(qint64 id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const StoredBeast& row, int column) const;

    BeastStore::Table table_;
    PictureMaker pictures_;
    mutable QHash<QString, QPixmap> pictureCache_;
    std::vector<StoredBeast> rows_;
    qint64 run_ = 0;
    qint64 current_ = 0;
};
