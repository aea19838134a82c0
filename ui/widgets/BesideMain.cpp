#include "ui/widgets/BesideMain.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect BesideMain(QWidget* mainWindow, QSize preferred, int narrowest, bool makeRoom)
{
    const QScreen* screen = mainWindow ? mainWindow->screen() : nullptr;
    if (!screen)
        return QRect(QPoint(0, 0), preferred);
    const QRect free = screen->availableGeometry();
    const QRect main = mainWindow->frameGeometry();
    const QSize frame = main.size() - mainWindow->size();
    const int right = free.right() - main.right() - frame.width();
    const int left = main.left() - free.left() - frame.width();
    int width = preferred.width();
    int x = 0;
    if (right >= narrowest) {
        width = std::min(width, right);
        x = main.right() + 1;
    } else if (left >= narrowest) {
        width = std::min(width, left);
        x = main.left() - width - frame.width();
    } else if (makeRoom) {
        mainWindow->move(free.left(), mainWindow->pos().y());
        x = free.left() + main.width();
        width = std::max(free.right() + 1 - x - frame.width(), narrowest / 2);
    } else {
        x = free.right() + 1 - width - frame.width();
    }
    const int height = std::min(preferred.height(), free.height() - frame.height());
    const int top = std::max(main.top(), free.top());
    const int y = top + height + frame.height() > free.bottom() + 1 ? free.bottom() + 1 - height - frame.height() : top;
    return {x, std::max(y, free.top()), width, height};
}
