#include <gtest/gtest.h>

#include <set>

#include "grid/TabNavigation.h"

namespace {

// Cells at the given positions, some of them disabled; the active cell and
// the two Tab flags, driven the way the grid drives them.
struct TabGrid {
    CellKeySet keys;
    std::set<CellKey> disabled;
    TabState state;
    long long active = kNoCellKey;
    int deactivations = 0;

    void Add(int row, int column, bool isDisabled = false)
    {
        keys.Insert(MakeCellKey(row, column));
        if (isDisabled)
            disabled.insert(MakeCellKey(row, column));
    }
    CellDisabledTest Disabled() const
    {
        return [this](CellKey key) { return keys.Contains(key) && disabled.count(key) != 0; };
    }
    // One key press: the key message, then its key-up. Returns whether the
    // grid kept the Tab.
    bool Press(TabEvent tab)
    {
        const TabStep step = StepTab(keys, Disabled(), state, active, tab);
        if (step.handled) {
            if (step.deactivateActive && active != kNoCellKey)
                ++deactivations;
            active = step.activate;
        }
        StepTab(keys, Disabled(), state, active, TabEvent::KeyUp);
        return step.handled;
    }
};

TEST(TabNavigation, StepsOverDisabledCellsAndLeavesAfterTheLast)
{
    TabGrid grid;
    grid.Add(0, 2);
    grid.Add(1, 2, true);
    grid.Add(3, 2);
    grid.active = MakeCellKey(0, 2); // clicked

    EXPECT_TRUE(grid.Press(TabEvent::Tab));
    EXPECT_EQ(MakeCellKey(3, 2), grid.active);
    EXPECT_EQ(1, grid.deactivations);
    EXPECT_EQ(1, grid.state.tabStarted);

    EXPECT_FALSE(grid.Press(TabEvent::Tab)) << "the last key passes Tab on to the dialog";
    EXPECT_EQ(0, grid.state.tabStarted);
}

TEST(TabNavigation, ShiftTabWalksBackwards)
{
    TabGrid grid;
    grid.Add(0, 2);
    grid.Add(1, 2, true);
    grid.Add(3, 2);
    grid.active = MakeCellKey(3, 2);
    EXPECT_TRUE(grid.Press(TabEvent::ShiftTab));
    EXPECT_EQ(MakeCellKey(0, 2), grid.active);
    EXPECT_FALSE(grid.Press(TabEvent::ShiftTab));
}

TEST(TabNavigation, LeavesWhenEveryRemainingCellIsDisabled)
{
    TabGrid grid;
    grid.Add(0, 2);
    grid.Add(1, 2, true);
    grid.Add(2, 2, true);
    grid.active = MakeCellKey(0, 2);
    EXPECT_FALSE(grid.Press(TabEvent::Tab));
    EXPECT_EQ(MakeCellKey(0, 2), grid.active);
    EXPECT_EQ(0, grid.state.tabStarted);
}

TEST(TabNavigation, PassesTabOnInAnEmptyGridOrWithoutAnActiveCell)
{
    TabGrid empty;
    EXPECT_FALSE(empty.Press(TabEvent::Tab));
    EXPECT_FALSE(empty.Press(TabEvent::ShiftTab));

    TabGrid noActive;
    noActive.Add(0, 2);
    EXPECT_FALSE(noActive.Press(TabEvent::Tab));
    EXPECT_EQ(0, noActive.state.tabStarted);
}

TEST(TabNavigation, ATabAfterLeavingEntersAtTheFirstEnabledCell)
{
    TabGrid grid;
    grid.Add(0, 2, true);
    grid.Add(1, 2);
    grid.Add(2, 2);
    grid.active = MakeCellKey(2, 2);
    EXPECT_FALSE(grid.Press(TabEvent::Tab)); // leaves: navigation no longer under way
    EXPECT_TRUE(grid.Press(TabEvent::Tab));
    EXPECT_EQ(MakeCellKey(1, 2), grid.active);
    EXPECT_EQ(0, grid.deactivations) << "entering does not touch the previously active cell";

    // Backwards it enters at the last enabled one.
    TabGrid back;
    back.Add(0, 2);
    back.Add(1, 2);
    back.Add(2, 2, true);
    back.active = MakeCellKey(0, 2);
    EXPECT_FALSE(back.Press(TabEvent::ShiftTab));
    EXPECT_TRUE(back.Press(TabEvent::ShiftTab));
    EXPECT_EQ(MakeCellKey(1, 2), back.active);
}

TEST(TabNavigation, ATabIntoAGridOfDisabledCellsActivatesNothing)
{
    TabGrid grid;
    grid.Add(0, 2, true);
    grid.Add(1, 2, true);
    grid.state.keyUpSeen = 1; // a key-up has passed, navigation not under way
    EXPECT_FALSE(grid.Press(TabEvent::Tab));
    EXPECT_EQ(kNoCellKey, grid.active);
    EXPECT_EQ(0, grid.state.tabStarted);
}

TEST(TabNavigation, HeldTabWithoutKeyUpStillStepsOnePerMessage)
{
    TabGrid grid;
    grid.Add(0, 0);
    grid.Add(0, 1);
    grid.Add(0, 2);
    grid.active = MakeCellKey(0, 0);
    // Auto-repeat: key messages without key-ups between them.
    EXPECT_TRUE(StepTab(grid.keys, grid.Disabled(), grid.state, grid.active, TabEvent::Tab).handled);
    const TabStep second = StepTab(grid.keys, grid.Disabled(), grid.state, MakeCellKey(0, 1), TabEvent::Tab);
    EXPECT_TRUE(second.handled);
    EXPECT_EQ(MakeCellKey(0, 2), second.activate);
}

TEST(TabNavigation, KeyUpsAndOtherMessagesAreNeverKept)
{
    TabGrid grid;
    grid.Add(0, 2);
    TabState state;
    EXPECT_FALSE(StepTab(grid.keys, grid.Disabled(), state, kNoCellKey, TabEvent::KeyUp).handled);
    EXPECT_EQ(1, state.keyUpSeen);
    EXPECT_FALSE(StepTab(grid.keys, grid.Disabled(), state, kNoCellKey, TabEvent::Other).handled);
    EXPECT_EQ(1, state.keyUpSeen);
}

TEST(TabNavigation, SkipStopsAtTheEndsOfTheSet)
{
    TabGrid grid;
    grid.Add(0, 0, true);
    grid.Add(0, 1, true);
    EXPECT_EQ(MakeCellKey(0, 1), SkipDisabledForward(grid.keys, grid.Disabled(), MakeCellKey(0, 0)));
    EXPECT_EQ(MakeCellKey(0, 0), SkipDisabledBackward(grid.keys, grid.Disabled(), MakeCellKey(0, 1)));
    grid.Add(0, 2);
    EXPECT_EQ(MakeCellKey(0, 2), SkipDisabledForward(grid.keys, grid.Disabled(), MakeCellKey(0, 0)));
}

} // namespace
