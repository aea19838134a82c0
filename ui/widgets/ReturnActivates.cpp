#include "ui/widgets/ReturnActivates.h"

#include <QAbstractItemView>
#include <QKeyEvent>

ReturnActivates::ReturnActivates(QAbstractItemView* view, std::function<void()> act)
    : QObject(view), act_(std::move(act))
{
    view->installEventFilter(this);
}

bool ReturnActivates::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    act_();
    return true;
}
