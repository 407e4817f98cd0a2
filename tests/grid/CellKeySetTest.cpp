#include <gtest/gtest.h>

#include <vector>

#include "grid/CellKeySet.h"

namespace {

CellKeySet MakeSet(std::initializer_list<std::pair<int, int>> cells)
{
    CellKeySet keys;
    for (auto& cell : cells)
        keys.Insert(MakeCellKey(cell.first, cell.second));
    return keys;
}

std::vector<std::pair<int, int>> Positions(const CellKeySet& keys)
{
    std::vector<std::pair<int, int>> positions;
    for (CellKey key : keys.Keys())
        positions.emplace_back(CellKeyRow(key), CellKeyColumn(key));
    return positions;
}

TEST(CellKey, RowIsTheHighHalfAndOrderIsRowByRow)
{
    EXPECT_EQ(0x00030002u, MakeCellKey(3, 2));
    EXPECT_EQ(3, CellKeyRow(MakeCellKey(3, 2)));
    EXPECT_EQ(2, CellKeyColumn(MakeCellKey(3, 2)));
    // A column that does not fit in 16 bits never reaches the row half.
    EXPECT_EQ(MakeCellKey(1, 0xFFFF), MakeCellKey(1, -1));
    EXPECT_LT(MakeCellKey(0, 9), MakeCellKey(1, 0));
}

TEST(CellKeySet, StepsThroughTheKeysAndGivesMinusOneAtTheEnds)
{
    const CellKeySet keys = MakeSet({{3, 2}, {0, 2}, {1, 0}, {1, 2}});
    EXPECT_EQ(MakeCellKey(0, 2), keys.First());
    EXPECT_EQ(MakeCellKey(3, 2), keys.Last());
    EXPECT_EQ(MakeCellKey(1, 0), keys.NextKey(MakeCellKey(0, 2)));
    EXPECT_EQ(MakeCellKey(1, 2), keys.PreviousKey(MakeCellKey(3, 2)));
    EXPECT_EQ(kNoCellKey, keys.NextKey(MakeCellKey(3, 2)));
    EXPECT_EQ(kNoCellKey, keys.PreviousKey(MakeCellKey(0, 2)));
    EXPECT_EQ(kNoCellKey, keys.NextKey(MakeCellKey(2, 2))) << "absent key";

    const CellKeySet empty;
    EXPECT_EQ(kNoCellKey, empty.First());
    EXPECT_EQ(kNoCellKey, empty.Last());
}

TEST(CellKeySet, ShiftRowsMovesTheRowAndEveryRowBelow)
{
    CellKeySet keys = MakeSet({{0, 2}, {1, 0}, {1, 2}, {4, 1}});
    keys.ShiftRows(1);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 2}, {2, 0}, {2, 2}, {5, 1}}), Positions(keys));
}

TEST(CellKeySet, ShiftColumnsMovesTheColumnAndThoseRightOfItAndWrapsWithinSixteenBits)
{
    CellKeySet keys = MakeSet({{0, 0}, {0, 2}, {1, 1}, {2, 0xFFFF}});
    keys.ShiftColumns(1);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 0}, {0, 3}, {1, 2}, {2, 0}}), Positions(keys));
}

} // namespace
