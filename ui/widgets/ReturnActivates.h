#pragma once
// Return or Enter on a view does what a double click does there: `act`
// runs and the key goes no further. The filter is the view's child.

#include <QObject>

#include <functional>

class QAbstractItemView;

class ReturnActivates : public QObject {
    Q_OBJECT
public:
    ReturnActivates(QAbstractItemView* view, std::function<void()> act);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> act_;
};
