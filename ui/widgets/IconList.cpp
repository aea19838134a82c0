#include "ui/widgets/IconList.h"

#include <utility>

IconList::IconList(QString pattern, std::size_t count) : pattern_(std::move(pattern)), icons_(count) {}

const QPixmap& IconList::operator[](std::size_t i) const
{
    static const QPixmap none;
    if (i >= icons_.size())
        return none;
    Slot& slot = icons_[i];
    if (!slot.decoded) {
        slot.pixmap = QPixmap(pattern_.arg(static_cast<qulonglong>(i), 2, 10, QChar('0')));
        slot.decoded = true;
    }
    return slot.pixmap;
}
