#pragma once
// A push button with a 16 × 16 icon, as the dialogs' "提交" and "关闭".

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// `icon` is a resource path; a missing picture leaves the button without an
// icon. The button is not an auto-default, so Enter in an edit presses nothing.
QPushButton* MakeIconButton(QWidget* parent, const char* name, const QString& caption, const char* icon,
                            const QRect& geometry);
