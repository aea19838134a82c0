#pragma once
// A push button with a 16 × 16 icon, as the dialogs' "提交" and "关闭".

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// `icon` is a resource path. The button is not an auto-default, so Return in
// an edit presses nothing; Return or Enter on the focused button presses it.
QPushButton* MakeIconButton(QWidget* parent, const char* name, const QString& caption, const char* icon,
                            const QRect& geometry);
