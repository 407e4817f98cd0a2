// The progress ticks of the two-chip models: 0x5310's two Bluetooth chips are
// flashed one after the other, and only the second chip's end may end the
// job; the two-chip headset's count never reaches the end by itself.
#include <gtest/gtest.h>

#include "firmware/UpdateProgress.h"

namespace {

TEST(TwoChipDfuFinish, OnlyTheSecondChipsLongWaitAt98EndsTheJob)
{
    struct Case {
        int engine;
        unsigned lastActions; // on the tick the wait at 98 % runs out
        int progress;
        int shown;
    };
    const Case cases[] = {
        // The first chip: the wait for the unit is asked for, tick after tick,
        // and the job stays at 98 %, shown as the first half's 49 %.
        {1, kProgressAwaitUnit, 98, 49},
        // Before any engine runs the job is not the second chip's either.
        {0, kProgressAwaitUnit, 98, 49},
        {2, kProgressSucceed | kProgressClosePopup, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.engine);
        ProgressTickInput input;
        input.modelCode = 0x5310;
        input.state = 9;
        input.activeEngine = c.engine;
        ProgressCounters counters;
        ProgressTickResult result;
        // Two ticks reach 98 %, ten more are spent there.
        for (int tick = 1; tick <= 12; ++tick) {
            result = StepProgress(input, counters);
            if (tick < 12) {
                EXPECT_EQ(0u, result.actions) << tick;
            }
        }
        EXPECT_EQ(c.lastActions, result.actions);
        EXPECT_EQ(c.progress, counters.progress);
        EXPECT_EQ(c.shown, result.shownProgress);
        if (c.engine == 2)
            continue;
        // Later ticks keep asking and never succeed.
        result = StepProgress(input, counters);
        EXPECT_EQ(kProgressAwaitUnit, result.actions);
        EXPECT_EQ(98, counters.progress);
    }
}

TEST(TwoChipDfuFinish, OtherDfuModelsStillSucceedAfterTheWait)
{
    for (int model : {0x4D10, 0x3020, 0x5210}) {
        SCOPED_TRACE(model);
        ProgressTickInput input;
        input.modelCode = model;
        input.state = 9;
        input.activeEngine = 1;
        ProgressCounters counters;
        ProgressTickResult result;
        for (int tick = 0; tick < 40 && !(result.actions & kProgressSucceed); ++tick)
            result = StepProgress(input, counters);
        EXPECT_NE(0u, result.actions & kProgressSucceed);
        EXPECT_EQ(0u, result.actions & kProgressAwaitUnit);
        EXPECT_EQ(100, counters.progress);
    }
}

// The two-chip headset's count runs on after the worker's last milestone
// while the wait for the unit goes on; it never shows the job as done.
TEST(TwoChipCount, StopsAt98UntilTheJobEnds)
{
    ProgressTickInput input;
    input.state = 7;
    input.secondChipDone = 1;
    for (int model : {0x5345, 0x5346}) {
        SCOPED_TRACE(model);
        input.modelCode = model;
        ProgressCounters counters;
        counters.progress = 88;
        ProgressTickResult result;
        for (int tick = 0; tick < 40; ++tick) {
            result = StepProgress(input, counters);
            EXPECT_EQ(0u, result.actions) << tick;
        }
        EXPECT_EQ(98, counters.progress);
        EXPECT_EQ(98, result.shownProgress);
    }
}

} // namespace
