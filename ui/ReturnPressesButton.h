#pragma once
// Return and Enter press a focused button as Space does. The dialogs' buttons
// are no auto-defaults, so that Return in an edit never commits by surprise;
// without this filter Return on a focused button would do nothing either.

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
