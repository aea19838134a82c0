#include "ui/widgets/IconList.h"

#include <utility>

#include "ui/widgets/ArtPixmap.h"

IconList::IconList(QString pattern, std::size_t count, qreal ratio)
    : pattern_(std::move(pattern)), ratio_(ratio), icons_(count)
{
}

const QPixmap& IconList::operator[](std::size_t i) const
{
    static const QPixmap none;
    if (i >= icons_.size())
        return none;
    Slot& slot = icons_[i];
    if (!slot.decoded) {
        slot.pixmap = ArtPixmap::Load(pattern_.arg(static_cast<qulonglong>(i), 2, 10, QChar('0')), ratio_);
        slot.decoded = true;
    }
    return slot.pixmap;
}
