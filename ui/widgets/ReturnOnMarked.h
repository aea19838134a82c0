#pragma once
// Return and Enter on a radio item that carries the mark call an action (in
// the book lists: hit the marked book). On an unmarked item the keys do
// what they did before.

#include <QObject>

#include <functional>

class QAbstractButton;

class ReturnOnMarked : public QObject {
    Q_OBJECT
public:
    // Watches `item`, which becomes the filter's parent.
    ReturnOnMarked(QAbstractButton* item, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* item_;
    std::function<void()> action_;
};
