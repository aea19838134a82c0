#pragma once
// The program's two kinds of message box.

#include <QString>

class QWidget;

// The application title, also the title of the error report.
QString ApplicationTitle();

// The program's own messages: the text, the title "提示信息", one OK button
// and no icon. Modal; returns when the user has closed it.
void ShowInfoMessage(QWidget* parent, const QString& text);

// The general error report: the text (ended with "." when it does not end in
// one already), titled with the application title, an error icon and an OK
// button. Modal.
void ShowErrorReport(QWidget* parent, const QString& text);

// "'<text>' is not a valid integer value." and its floating-point twin, as the
// error report shows them.
QString InvalidIntegerText(const QString& offending);
QString InvalidFloatText(const QString& offending);
