#include "ui/model/RadioListLayout.h"

#include <algorithm>

std::vector<ItemBox> RadioListLayout::Arrange(int count, int columns, int width, int height)
{
    std::vector<ItemBox> boxes;
    if (count <= 0 || columns <= 0)
        return boxes;
    const int perColumn = (count + columns - 1) / columns;
    const int itemWidth = std::max(0, (width - 2 * SideMargin) / columns);
    const int usable = std::max(0, height - TopMargin - BottomMargin);
    const int itemHeight = usable / perColumn;
    const int top = TopMargin + (usable % perColumn) / 2;
    boxes.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        boxes.push_back(
            {SideMargin + (i / perColumn) * itemWidth, top + (i % perColumn) * itemHeight, itemWidth, itemHeight});
    return boxes;
}
