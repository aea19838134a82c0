#include "KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

KeyFilter::KeyFilter(QLineEdit* edit, const QString& admitted)
    : QObject(edit)
    , admitted_(admitted)
{
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setInputMethodHints(Qt::ImhDigitsOnly);
    edit->installEventFilter(this);
}

bool KeyFilter::Admits(int key, Qt::KeyboardModifiers modifiers, const QString& text, const QString& admitted)
{
    if (key == Qt::Key_Backspace)
        return false;
    if (key == Qt::Key_Delete || modifiers.testFlag(Qt::ControlModifier))
        return true;
    for (const QChar c : text) {
        if (!c.isPrint())
            return false;
        if (!admitted.contains(c))
            return false;
    }
    return true;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!Admits(key->key(), key->modifiers(), key->text(), admitted_))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
