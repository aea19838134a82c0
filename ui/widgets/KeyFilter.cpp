#include "ui/widgets/KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

KeyFilter::KeyFilter(QLineEdit* edit, const QString& admitted) : QObject(edit), admitted_(admitted)
{
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setInputMethodHints(Qt::ImhDigitsOnly);
    edit->installEventFilter(this);
}

bool KeyFilter::Admits(int key, Qt::KeyboardModifiers modifiers, const QString& text, const QString& admitted)
{
    if (key == Qt::Key_Backspace)
        return false;
    if (modifiers.testFlag(Qt::ControlModifier))
        return true;
    // Tab, Esc, Return and Delete carry control characters as their text; the
    // edit types none of them, so they are no typed characters to drop.
    const bool typesText =
        !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
    if (!typesText)
        return true;
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return admitted.contains(c); });
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
