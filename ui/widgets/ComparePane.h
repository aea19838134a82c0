#pragma once
// Two beasts side by side, a row per field, with what differs marked: the
// difference in its own column (green when the current beast has more, red
// when less) and a skill only one of them has drawn bold. A read-only
// table, so that a screen reader reads it row by row.

#include <QWidget>

#include <optional>

#include "engine/pet.h"

class QLabel;
class QTableWidget;

class ComparePane : public QWidget {
    Q_OBJECT
public:
    explicit ComparePane(QWidget* parent = nullptr);

    // Shows `pinned` (called `caption`) beside `current`; without a pinned
    // beast the table is empty and says how to pin one.
    void Show(const std::optional<TPet>& pinned, const QString& caption, const TPet& current);

    QTableWidget* Table = nullptr;
    QLabel* Caption = nullptr;
};
