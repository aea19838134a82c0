#pragma once
// Where the items of a radio list stand: in columns of equal width, filled top
// to bottom, each item one equal share of the list's height, the rows centred
// vertically.

#include <vector>

struct ItemBox {
    int Left, Top, Width, Height;
    bool operator==(const ItemBox&) const = default;
};

class RadioListLayout {
public:
    // Margins inside the list's box.
    static constexpr int SideMargin = 8;
    static constexpr int TopMargin = 4;
    static constexpr int BottomMargin = 5;

    // Boxes for `count` items in `columns` columns within a list of
    // width x height pixels, in item order. No items or fewer than one column
    // give no boxes; a box never gets a negative size when the list is too
    // small, it shrinks to zero instead.
    static std::vector<ItemBox> Arrange(int count, int columns, int width, int height);
};
