#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "grid/CellMap.h"

namespace {

// A cell that logs its destruction (its id) and its deactivations (100 + id).
struct CountingCell {
    explicit CountingCell(std::vector<int>* log, int id = 0) : m_destroyed(log), m_id(id) {}
    ~CountingCell() { m_destroyed->push_back(m_id); }
    void Deactivate()
    {
        ++m_deactivations;
        m_destroyed->push_back(100 + m_id);
    }
    std::vector<int>* m_destroyed;
    int m_id;
    int m_deactivations = 0;
};

struct Grid {
    CellMap<CountingCell> cells;
    CellKeySet keys;
    int activeRow = -1;
    int activeColumn = -1;
    CountingCell* activeCell = nullptr;
    CellOwnership<CountingCell> Own() { return {cells, keys, activeRow, activeColumn, activeCell}; }
    void MakeActive(int row, int column)
    {
        activeRow = row;
        activeColumn = column;
        activeCell = cells.Lookup(MakeCellKey(row, column));
    }
};

TEST(CellMap, InsertingARowMovesEveryCellOfThatRowAndBelowInMapAndKeys)
{
    std::vector<int> destroyed;
    Grid grid;
    auto* above = new CountingCell(&destroyed, 1);
    auto* at = new CountingCell(&destroyed, 2);
    auto* below = new CountingCell(&destroyed, 3);
    grid.Own().Attach(0, 2, above);
    grid.Own().Attach(2, 2, at);
    grid.Own().Attach(5, 1, below);

    grid.Own().ShiftRows(2);

    EXPECT_EQ(above, grid.cells.Lookup(MakeCellKey(0, 2)));
    EXPECT_EQ(nullptr, grid.cells.Lookup(MakeCellKey(2, 2)));
    EXPECT_EQ(at, grid.cells.Lookup(MakeCellKey(3, 2)));
    EXPECT_EQ(below, grid.cells.Lookup(MakeCellKey(6, 1)));
    EXPECT_TRUE(grid.keys.Contains(MakeCellKey(3, 2)));
    EXPECT_FALSE(grid.keys.Contains(MakeCellKey(2, 2)));
    EXPECT_EQ(grid.cells.Count(), grid.keys.Count());
    EXPECT_TRUE(destroyed.empty());
}

TEST(CellMap, InsertingAColumnMovesCellsRightAndTheActivePositionWithThem)
{
    std::vector<int> destroyed;
    Grid grid;
    auto* left = new CountingCell(&destroyed, 1);
    auto* right = new CountingCell(&destroyed, 2);
    grid.Own().Attach(1, 0, left);
    grid.Own().Attach(1, 2, right);
    grid.MakeActive(1, 2);

    grid.Own().ShiftColumns(1);

    EXPECT_EQ(left, grid.cells.Lookup(MakeCellKey(1, 0)));
    EXPECT_EQ(right, grid.cells.Lookup(MakeCellKey(1, 3)));
    EXPECT_EQ(1, grid.activeRow);
    EXPECT_EQ(3, grid.activeColumn) << "the active position follows its cell";
    grid.Own().ShiftRows(0);
    EXPECT_EQ(2, grid.activeRow);
}

TEST(CellMap, AttachingOverACellDestroysTheOldOneButKeepsTheSameCellGivenAgain)
{
    std::vector<int> destroyed;
    Grid grid;
    auto* first = new CountingCell(&destroyed, 1);
    auto* second = new CountingCell(&destroyed, 2);
    grid.Own().Attach(0, 2, first);
    grid.Own().Attach(0, 2, second);
    EXPECT_EQ((std::vector<int>{1}), destroyed);
    grid.Own().Attach(0, 2, second);
    EXPECT_EQ((std::vector<int>{1}), destroyed);
    EXPECT_EQ(second, grid.cells.Lookup(MakeCellKey(0, 2)));
    EXPECT_EQ(1, grid.keys.Count());
}

TEST(CellMap, RemovingTheActiveCellDeactivatesItFirst)
{
    std::vector<int> destroyed;
    Grid grid;
    auto* active = new CountingCell(&destroyed, 1);
    grid.Own().Attach(3, 2, active);
    grid.MakeActive(3, 2);

    EXPECT_TRUE(grid.Own().Remove(3, 2));
    EXPECT_EQ((std::vector<int>{101, 1}), destroyed) << "deactivated, then destroyed";
    EXPECT_EQ(-1, grid.activeRow);
    EXPECT_EQ(-1, grid.activeColumn);
    EXPECT_EQ(nullptr, grid.activeCell);
    EXPECT_TRUE(grid.keys.IsEmpty());
    EXPECT_FALSE(grid.Own().Remove(3, 2)) << "nothing left to remove";
}

TEST(CellMap, RemovingAnotherCellLeavesTheActiveOneAlone)
{
    std::vector<int> destroyed;
    Grid grid;
    auto* active = new CountingCell(&destroyed, 1);
    grid.Own().Attach(0, 2, active);
    grid.Own().Attach(1, 2, new CountingCell(&destroyed, 2));
    grid.MakeActive(0, 2);
    grid.Own().Remove(1, 2);
    EXPECT_EQ(active, grid.activeCell);
    EXPECT_EQ(0, active->m_deactivations);
}

TEST(CellMap, RemoveAllDestroysEveryCellOnceAndDeactivatesTheActiveOne)
{
    std::vector<int> destroyed;
    {
        Grid grid;
        for (int row = 0; row < 4; ++row)
            grid.Own().Attach(row, 2, new CountingCell(&destroyed, row));
        grid.MakeActive(2, 2);
        grid.Own().RemoveAll();
        std::vector<int> sorted = destroyed;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 102}), sorted);
        const auto deactivated = std::find(destroyed.begin(), destroyed.end(), 102);
        EXPECT_LT(deactivated, std::find(destroyed.begin(), destroyed.end(), 2));
        EXPECT_EQ(nullptr, grid.activeCell);
        EXPECT_TRUE(grid.keys.IsEmpty());
        EXPECT_TRUE(grid.cells.IsEmpty());
        grid.Own().Attach(0, 0, new CountingCell(&destroyed, 9));
    }
    // The map's own destruction frees what is left in it.
    EXPECT_EQ(9, destroyed.back());
    EXPECT_EQ(6u, destroyed.size());
}

} // namespace
