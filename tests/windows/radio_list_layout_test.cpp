#include <gtest/gtest.h>

#include "ui/model/RadioListLayout.h"

TEST(RadioListLayout, FillsColumnsTopToBottomAndCentresTheRows)
{
    // 35 items in two columns: 18 rows; 244 - 16 = 228 / 2 = 114 wide;
    // 380 - 9 = 371 high gives rows of 20 with 11 to spare, 5 of it on top.
    const auto boxes = RadioListLayout::Arrange(35, 2, 244, 380);
    ASSERT_EQ(boxes.size(), 35u);
    EXPECT_EQ(boxes[0], (ItemBox{8, 9, 114, 20}));
    EXPECT_EQ(boxes[17], (ItemBox{8, 9 + 17 * 20, 114, 20}));
    EXPECT_EQ(boxes[18], (ItemBox{122, 9, 114, 20}));
    EXPECT_EQ(boxes[34], (ItemBox{122, 9 + 16 * 20, 114, 20}));
}

TEST(RadioListLayout, OneColumnTakesTheWholeWidthAndShares)
{
    const auto boxes = RadioListLayout::Arrange(3, 1, 100, 69);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0], (ItemBox{8, 4, 84, 20}));
    EXPECT_EQ(boxes[2], (ItemBox{8, 44, 84, 20}));
}

TEST(RadioListLayout, DegenerateListsGiveNoBoxesOrEmptyOnes)
{
    EXPECT_TRUE(RadioListLayout::Arrange(0, 2, 200, 200).empty());
    EXPECT_TRUE(RadioListLayout::Arrange(5, 0, 200, 200).empty());
    for (const ItemBox& box : RadioListLayout::Arrange(4, 2, 3, 2)) {
        EXPECT_EQ(box.Width, 0);
        EXPECT_EQ(box.Height, 0);
    }
}
