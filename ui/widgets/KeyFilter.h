#pragma once
// The key filter of the numeric edits: a typed character goes in only when it
// is one of the admitted characters; every other typed character is dropped,
// backspace included. Keys that type nothing into the edit pass as usual: Tab
// and Shift+Tab move the focus, Esc closes the dialog, Return and Enter reach
// the dialog, and Delete, the arrows, Home, End and shortcuts with Ctrl (copy,
// paste, select all) edit as always. Pasted text is checked when it is read.

#include <QObject>
#include <QString>

class QLineEdit;

class KeyFilter : public QObject {
    Q_OBJECT
public:
    // Filters the key presses of `edit` (which becomes the filter's parent)
    // and turns off input methods there, since they would bypass the filter.
    KeyFilter(QLineEdit* edit, const QString& admitted);

    // Whether the key press goes on to the edit.
    static bool Admits(int key, Qt::KeyboardModifiers modifiers, const QString& text, const QString& admitted);

    static QString Digits() { return QStringLiteral("0123456789"); }
    static QString DigitsAndPoint() { return QStringLiteral("0123456789."); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString admitted_;
};
