#pragma once
// Placement of a dialog over the window that opens it.

#include <QRect>
#include <QWidget>

// The client rectangle, of `dialog`'s current size, whose frame is centred
// on `owner`'s frame. A dialog that has never been shown has no frame yet
// (the window manager adds it when mapping); its frame is then taken to be
// as thick as the owner's, so the first showing lands where later ones do.
// Changes nothing.
inline QRect CentredOver(const QWidget* owner, const QWidget* dialog)
{
    const auto margins = [](const QWidget* w) {
        const QRect frame = w->frameGeometry();
        const QRect client = w->geometry();
        return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                        frame.bottom() - client.bottom());
    };
    QMargins frame = margins(dialog);
    if (frame.isNull())
        frame = margins(owner);
    const QSize outer = dialog->size().grownBy(frame);
    const QPoint frameTopLeft = owner->frameGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2);
    return QRect(frameTopLeft + QPoint(frame.left(), frame.top()), dialog->size());
}
