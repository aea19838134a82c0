#include "ui/widgets/ReturnOnMarked.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <utility>

ReturnOnMarked::ReturnOnMarked(QAbstractButton* item, std::function<void()> action)
    : QObject(item), item_(item), action_(std::move(action))
{
    item->installEventFilter(this);
}

bool ReturnOnMarked::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == item_ && event->type() == QEvent::KeyPress && item_->isChecked()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
            action_();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
