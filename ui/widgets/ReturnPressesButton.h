#pragma once
// Return and Enter press a focused button as Space does, in the main window
// and in the dialogs alike. The buttons are no auto-defaults, so that Return
// in a dialog's edit never commits by surprise; this filter is what makes
// Return work on the focused button itself.

#include <QObject>

class QAbstractButton;

class ReturnPressesButton : public QObject {
    Q_OBJECT
public:
    // Watches `button`, which becomes the filter's parent.
    explicit ReturnPressesButton(QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* button_;
};
