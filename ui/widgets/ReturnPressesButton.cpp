#include "ui/widgets/ReturnPressesButton.h"

#include <QAbstractButton>
#include <QKeyEvent>

ReturnPressesButton::ReturnPressesButton(QAbstractButton* button) : QObject(button), button_(button)
{
    button->installEventFilter(this);
}

bool ReturnPressesButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == button_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
            if (button_->isEnabled())
                button_->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
