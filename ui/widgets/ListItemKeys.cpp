#include "ui/widgets/ListItemKeys.h"

#include <QKeyEvent>
#include <QListWidget>

ListItemKeys::ListItemKeys(QListWidget* list) : QObject(list), list_(list)
{
    list->installEventFilter(this);
}

bool ListItemKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != list_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool acts = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    QListWidgetItem* item = list_->currentItem();
    if (!acts || modifiers != Qt::NoModifier || !item || key->isAutoRepeat())
        return false;
    emit Pressed(item);
    return true;
}
