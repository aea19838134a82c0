#pragma once
// The key filter of the numeric edits: a typed character goes in only when it
// is one of the admitted characters; every other character is dropped,
// backspace included. Keys that type no character (Delete, the arrows, Home,
// End) and shortcuts with Ctrl (copy, paste, select all) are not filtered:
// pasted text is checked when it is read.

#include <QObject>
#include <QString>

class QLineEdit;

class KeyFilter : public QObject {
    Q_OBJECT
public:
    // Filters the key presses of `edit` (which becomes the filter's parent)
    // and turns off input methods there, since they would bypass the filter.
    KeyFilter(QLineEdit* edit, const QString& admitted);

    // Whether the key press goes to the edit.
    static bool Admits(int key, Qt::KeyboardModifiers modifiers, const QString& text, const QString& admitted);

    static QString Digits() { return QStringLiteral("0123456789"); }
    static QString DigitsAndPoint() { return QStringLiteral("0123456789."); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString admitted_;
};
