#include "ui/widgets/FirstLinkOnTab.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

FirstLinkOnTab::FirstLinkOnTab(QLabel* label) : QObject(label), label_(label)
{
    label->installEventFilter(this);
}

bool FirstLinkOnTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != label_ || event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
        return false;
    // The label walks its links on Tab once it has the focus: one more Tab,
    // once this focus change is through, moves onto the first (or last) one.
    const bool forward = reason == Qt::TabFocusReason;
    QCoreApplication::postEvent(label_, new QKeyEvent(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                                                      forward ? Qt::NoModifier : Qt::ShiftModifier));
    return false;
}
