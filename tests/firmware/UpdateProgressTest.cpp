#include <gtest/gtest.h>

#include "device/ModelCatalogue.h"
#include "firmware/UpdateProgress.h"
#include "firmware/UpdateRoads.h"

namespace {

ProgressTickInput Input(int model, int state)
{
    ProgressTickInput input;
    input.modelCode = model;
    input.state = state;
    input.timedProgress = 1;
    return input;
}

// Runs ticks and gives the last result.
ProgressTickResult RunTicks(const ProgressTickInput& input, ProgressCounters& counters, int ticks)
{
    ProgressTickResult result;
    for (int i = 0; i < ticks; ++i)
        result = StepProgress(input, counters);
    return result;
}

TEST(UpdateProgress, BudgetsAndRulesByModel)
{
    struct Case {
        int model;
        ProgressBudget budget;
        int checksPassed;
    };
    const Case cases[] = {
        {0x4210, {5, 245, 40}, 2}, {0x2030, {5, 245, 40}, 2},  {0x4D10, {20, 420, 20}, 5}, {0x5210, {15, 80, 15}, 5},
        {0x5310, {20, 90, 20}, 5}, {0x3020, {15, 273, 20}, 5}, {0x3116, {5, 500, 65}, 5},  {0x5611, {5, 210, 10}, 5},
        {0x5580, {5, 300, 10}, 5}, {0x5720, {5, 220, 10}, 5},  {0x3500, {5, 240, 10}, 5},  {0x6026, {5, 250, 10}, 5},
        {0x6024, {5, 400, 10}, 5}, {0x4D85, {20, 360, 20}, 5}, {0x1234, {20, 420, 20}, 5},
    };
    for (const Case& c : cases) {
        const ProgressBudget budget = FindProgressBudget(c.model);
        EXPECT_EQ(c.budget.restart, budget.restart) << std::hex << c.model;
        EXPECT_EQ(c.budget.transfer, budget.transfer) << std::hex << c.model;
        EXPECT_EQ(c.budget.finish, budget.finish) << std::hex << c.model;
        ProgressCounters counters;
        StepProgress(Input(c.model, 5), counters);
        EXPECT_EQ(c.checksPassed, counters.progress) << std::hex << c.model;
    }
    EXPECT_EQ(ClosingAdvice::kPairing, FindProgressRules(0x5070).advice);
    EXPECT_EQ(ClosingAdvice::kPowerCycle, FindProgressRules(0x5310).advice);
    EXPECT_EQ(ClosingAdvice::kCameraSteps, FindProgressRules(0x3020).advice);
    EXPECT_EQ(ClosingAdvice::kNone, FindProgressRules(0x3010).advice);
}

TEST(UpdateProgress, ResetRecordChangesNothing)
{
    ProgressCounters counters;
    counters.progress = -10;
    const ProgressTickResult result = StepProgress(Input(0x4D10, 7), counters);
    EXPECT_FALSE(result.publish);
    EXPECT_EQ(-10, counters.progress);
    EXPECT_EQ(0, counters.phaseTicks);
}

TEST(UpdateProgress, HidTransferCountsTo77ThenFinishesTo98)
{
    ProgressCounters counters;
    StepProgress(Input(0x4210, 7), counters);
    EXPECT_EQ(2, counters.progress); // 1 x 100 / 285 + 2
    RunTicks(Input(0x4210, 7), counters, 100);
    EXPECT_EQ(37, counters.progress); // 101 x 100 / 285 + 2
    RunTicks(Input(0x4210, 7), counters, 399);
    EXPECT_EQ(77, counters.progress);
    EXPECT_EQ(245, counters.phaseTicks);
    StepProgress(Input(0x4210, 9), counters);
    EXPECT_EQ(88, counters.progress); // 246 x 100 / 285 + 2
    const ProgressTickResult last = RunTicks(Input(0x4210, 9), counters, 100);
    EXPECT_EQ(98, counters.progress);
    EXPECT_EQ(285, counters.phaseTicks);
    EXPECT_EQ(0u, last.actions); // only the unit's return ends this wait
    EXPECT_EQ(98, last.shownProgress);
}

TEST(UpdateProgress, RestartIsCappedAtItsBudgetAnd15Percent)
{
    ProgressCounters counters;
    StepProgress(Input(0x4D10, 6), counters);
    EXPECT_EQ(5, counters.progress);
    RunTicks(Input(0x4D10, 6), counters, 19);
    EXPECT_EQ(9, counters.progress);
    RunTicks(Input(0x4D10, 6), counters, 50);
    EXPECT_EQ(9, counters.progress);
    EXPECT_EQ(20, counters.phaseTicks);
    ProgressTickInput withPopup = Input(0x4D10, 6);
    withPopup.popupOpen = true;
    counters.phaseTicks = 3;
    StepProgress(withPopup, counters);
    EXPECT_EQ(3, counters.phaseTicks);
}

TEST(UpdateProgress, DfuFinishSucceedsAfterTheWaitAt98)
{
    ProgressCounters counters;
    StepProgress(Input(0x4D10, 9), counters);
    EXPECT_EQ(95, counters.progress);
    for (int tick = 2; tick <= 11; ++tick) {
        const ProgressTickResult result = StepProgress(Input(0x4D10, 9), counters);
        EXPECT_EQ(98, counters.progress) << tick;
        EXPECT_EQ(0u, result.actions & kProgressSucceed) << tick;
    }
    const ProgressTickResult last = StepProgress(Input(0x4D10, 9), counters);
    EXPECT_NE(0u, last.actions & kProgressSucceed);
    EXPECT_NE(0u, last.actions & kProgressClosePopup);
    EXPECT_EQ(100, counters.progress);
    EXPECT_EQ(100, last.shownProgress);
}

TEST(UpdateProgress, DfuFinishWithAPopupStallsThenClosesIt)
{
    ProgressTickInput input = Input(0x4D10, 9);
    input.popupOpen = true;
    ProgressCounters counters;
    counters.waitTicks = 4;
    const ProgressTickResult waiting = RunTicks(input, counters, 30);
    EXPECT_EQ(0u, waiting.actions);
    EXPECT_EQ(0, counters.phaseTicks);
    const ProgressTickResult closing = StepProgress(input, counters);
    EXPECT_EQ(static_cast<unsigned>(kProgressClosePopup), closing.actions);
    EXPECT_EQ(0, counters.waitTicks);
    input.popupOpen = false;
    StepProgress(input, counters);
    EXPECT_EQ(1, counters.phaseTicks);
}

TEST(UpdateProgress, DfuTransferCountsOnlyWhileTimed)
{
    ProgressTickInput input = Input(0x4D10, 7);
    ProgressCounters counters;
    StepProgress(input, counters);
    EXPECT_EQ(15, counters.progress);
    RunTicks(input, counters, 500);
    EXPECT_EQ(90, counters.progress);
    input.timedProgress = 0;
    counters.stallTicks = 0;
    EXPECT_EQ(0u, RunTicks(input, counters, 630).actions);
    EXPECT_EQ(static_cast<unsigned>(kProgressClosePopup), StepProgress(input, counters).actions);
}

TEST(UpdateProgress, CameraTickDelay)
{
    ProgressCounters counters;
    StepProgress(Input(0x3020, 6), counters);
    counters.phaseTicks = 0;
    StepProgress(Input(0x3020, 7), counters);
    EXPECT_EQ(1, counters.cameraDelay);
    EXPECT_EQ(0, counters.phaseTicks);
    StepProgress(Input(0x3020, 7), counters);
    EXPECT_EQ(1, counters.phaseTicks);
    counters.phaseTicks = 0;
    RunTicks(Input(0x3020, 9), counters, 2);
    EXPECT_EQ(3, counters.cameraDelay);
    EXPECT_EQ(0, counters.phaseTicks);
    StepProgress(Input(0x3020, 9), counters);
    EXPECT_EQ(1, counters.phaseTicks);
    StepProgress(Input(0x3020, 6), counters);
    EXPECT_EQ(0, counters.cameraDelay);
    // Other DFU models are not held back.
    ProgressCounters other;
    StepProgress(Input(0x4D10, 7), other);
    EXPECT_EQ(1, other.phaseTicks);
}

TEST(UpdateProgress, TwoChipMicrocontrollerMustHaveBegunBy50)
{
    ProgressCounters counters;
    counters.progress = 28;
    const ProgressTickResult before = RunTicks(Input(0x5345, 7), counters, 21);
    EXPECT_EQ(49, counters.progress);
    EXPECT_EQ(0u, before.actions);
    const ProgressTickResult failing = StepProgress(Input(0x5345, 7), counters);
    EXPECT_EQ(50, counters.progress);
    EXPECT_EQ(static_cast<unsigned>(kProgressFailTwoChip), failing.actions);

    ProgressTickInput done = Input(0x5345, 7);
    done.secondChipDone = 1;
    counters.progress = 28;
    EXPECT_EQ(0u, RunTicks(done, counters, 40).actions);
    EXPECT_EQ(68, counters.progress);
}

TEST(UpdateProgress, SecondChipShowsTheSecondHalf)
{
    ProgressCounters counters;
    counters.progress = 59;
    ProgressTickInput input = Input(0x5310, 0);
    input.state = 11; // no change of its own
    counters.progress = 60;
    EXPECT_EQ(30, StepProgress(input, counters).shownProgress);
    input.activeEngine = 2;
    EXPECT_EQ(80, StepProgress(input, counters).shownProgress);
}

TEST(UpdateProgress, HoldButtonPopups)
{
    ProgressTickInput input = Input(0x5610, 7);
    input.holdButtonFlag = 1;
    ProgressCounters counters;
    EXPECT_EQ(static_cast<unsigned>(kProgressShowHoldPopup), StepProgress(input, counters).actions);
    input.popupOpen = true;
    EXPECT_EQ(0u, StepProgress(input, counters).actions);
    EXPECT_EQ(0, counters.phaseTicks);
    input.holdButtonFlag = 0;
    EXPECT_EQ(static_cast<unsigned>(kProgressClosePopup), StepProgress(input, counters).actions);
    EXPECT_EQ(1, counters.phaseTicks);
    input.state = 9;
    input.popupOpen = false;
    input.holdButtonFlag = 1;
    EXPECT_EQ(static_cast<unsigned>(kProgressShowHoldPopup), StepProgress(input, counters).actions);
}

TEST(UpdateProgress, BackupFailurePopupAndNoStop)
{
    struct Case {
        int model;
        unsigned actions;
    };
    const Case cases[] = {
        {0x5610, kProgressShowBackupPopup},
        {0x4210, kProgressShowBackupPopup},
        {0x3116, kProgressShowBackupPopup},
        {0x6010, kProgressShowBackupPopup},
        {0x5345, kProgressShowBackupPopup},
        {0x5346, kProgressShowBackupPopup},
        {0x4D10, 0},
    };
    for (const Case& c : cases) {
        ProgressCounters counters;
        counters.progress = 5;
        const ProgressTickResult result = StepProgress(Input(c.model, 11), counters);
        EXPECT_EQ(c.actions, result.actions) << std::hex << c.model;
        EXPECT_TRUE(result.publish) << std::hex << c.model;
        ProgressTickInput open = Input(c.model, 11);
        open.popupOpen = true;
        EXPECT_EQ(0u, StepProgress(open, counters).actions) << std::hex << c.model;
    }
}

// Every model whose update runs on a worker thread can report a failed backup,
// and its user must see the popup that lets the worker go on.
TEST(UpdateProgress, EveryWorkerRoadShowsTheBackupPopup)
{
    const ModelNameTableView models = ModelNameTable();
    for (std::size_t i = 0; i < models.count; ++i) {
        const int model = models.rows[i].productId;
        const bool worker = IsWorkerRoad(FindUpdateRoad(model).road);
        EXPECT_EQ(worker, FindProgressRules(model).backupFailed == BackupFailedRule::kBackupPopup) << std::hex << model;
    }
}

TEST(UpdateProgress, DeviceWaitIsBounded)
{
    int ticks = 0;
    EXPECT_EQ(DeviceWaitStep::kReady, StepDeviceWait(true, ticks));
    for (int i = 1; i < kDeviceWaitTickLimit; ++i)
        ASSERT_EQ(DeviceWaitStep::kKeepWaiting, StepDeviceWait(false, ticks));
    EXPECT_EQ(DeviceWaitStep::kGiveUp, StepDeviceWait(false, ticks));
}

} // namespace
