#pragma once
// Return, Enter and Space on a focused list act on its current item as a
// double click on it does: the filter emits Pressed(item) for them and
// swallows the key. Without a current item the keys do what the list does
// with them, and every other key is left to the list.

#include <QObject>

class QListWidget;
class QListWidgetItem;

class ListItemKeys : public QObject {
    Q_OBJECT
public:
    // Watches `list`, which becomes the filter's parent.
    explicit ListItemKeys(QListWidget* list);

signals:
    void Pressed(QListWidgetItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* list_;
};
