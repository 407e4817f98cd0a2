#include "settings/RowPlacement.h"

#include <gtest/gtest.h>

namespace {

// A page 400 pixels tall at (100, 200); margin 5 leaves 390 for the rows.
constexpr PlaceRect kArea{100, 200, 600, 600};

PlaceRect ControlAt(int left, int height)
{
    return {left, 0, left + 60, height};
}

TEST(PlaceControlInRow, RowCountsUpToEightShareTheHeightOfEightRows)
{
    // 390 / 8 = 48.75 per row; a 20-pixel control in row 2 starts at 5 + 97.5 + 14.375.
    for (float rowCount : {4.0f, 6.0f, 6.5f, 7.0f, 7.5f, 8.0f}) {
        const PlacedControl placed = PlaceControlInRow(kArea, rowCount, 5, 2.0f, ControlAt(130, 20));
        EXPECT_EQ(placed.top, 116) << rowCount;
        EXPECT_EQ(placed.left, 30) << rowCount;
        EXPECT_EQ(placed.width, 60) << rowCount;
        EXPECT_EQ(placed.height, 20) << rowCount;
    }
}

TEST(PlaceControlInRow, LongerLayoutsGetSmallerRows)
{
    // Margin 2 leaves 396: 9.5 rows of 41.68..., 8.5 rows of 46.58...
    const PlacedControl nineAndHalf = PlaceControlInRow(kArea, 9.5f, 2, 8.5f, ControlAt(100, 20));
    EXPECT_EQ(nineAndHalf.top, 367); // 2 + 354.32 + 21.68 / 2 = 367.16
    const PlacedControl eightAndHalf = PlaceControlInRow(kArea, 8.5f, 2, 7.5f, ControlAt(100, 20));
    EXPECT_EQ(eightAndHalf.top, 364); // 2 + 349.41 + 26.59 / 2 = 364.70
}

TEST(PlaceControlInRow, FractionalRowsAndTheTopRow)
{
    EXPECT_EQ(PlaceControlInRow(kArea, 7.0f, 5, 0.0f, ControlAt(100, 20)).top, 19);           // 5 + 14.375
    EXPECT_EQ(PlaceControlInRow(kArea, 7.0f, 5, 5.5f, ControlAt(100, 20)).top, 5 + 268 + 14); // 268.125
}

TEST(PlaceControlInRow, AControlTallerThanItsRowStartsAtTheRowTop)
{
    // Rows of 48.75: a 60-pixel control in row 3 starts exactly at 5 + 146.25.
    const PlacedControl placed = PlaceControlInRow(kArea, 6.0f, 5, 3.0f, ControlAt(100, 60));
    EXPECT_EQ(placed.top, 151);
    EXPECT_EQ(placed.height, 60);
}

} // namespace
