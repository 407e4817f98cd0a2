// The restart poll of the camera road's common end: the unit's status is
// asked until it says ready, but never without end.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "firmware/FirmwareBounds.h"
#include "firmware/ImageWorkers.h"
#include "tests/firmware/CameraRig.h"

namespace {

TEST(CameraStatusPoll, AUnitThatNeverSaysReadyEndsTheJobAtTheBound)
{
    struct Case {
        const char* what;
        std::function<void(SimHidInterface&)> arrange;
    };
    const Case cases[] = {
        {"it answers not ready", [](SimHidInterface& unit) { unit.firmware.notReadyPolls = -1; }},
        {"every poll fails",
         [](SimHidInterface& unit) {
             unit.knobs.byRequest[{kHidCmdQueryReady, 0}].status = 2;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CameraRig rig(0x5610, 2);
        c.arrange(*rig.unit);
        rig.Run();
        int polls = 0;
        for (const auto& request : rig.bus.Requests(0x5610))
            polls += request[1] == kHidCmdQueryReady ? 1 : 0;
        EXPECT_EQ(kReadyPollLimitMs / kReadyPollPauseMs, polls);
        EXPECT_EQ(L"Failed to update firmware. Cannot get status", rig.host.Job().StatusText(0));
        EXPECT_EQ(1, rig.host.Job().m_failed);
        EXPECT_EQ(1, rig.host.Job().m_finished);
        EXPECT_EQ(0, rig.host.TimerRequests());
        // Both sections went out; the finish request never did.
        EXPECT_EQ(0, rig.unit->finishCount);
        EXPECT_EQ(kJobTransferring, rig.host.Job().m_state);
    }
}

// Each poll is a whole exchange that may last its read's time-out or minutes
// of busy replies: the five minutes are measured on the seam's clock, for the
// camera road's poll as for the image workers'.
TEST(CameraStatusPoll, TheFiveMinutesHoldOnTheSeamsClockHoweverAnExchangeDrags)
{
    struct Case {
        const char* what;
        std::function<void(SimHidInterface&)> arrange;
    };
    const Case cases[] = {
        {"silent at the poll",
         [](SimHidInterface& unit) {
             unit.knobs.byRequest[{kHidCmdQueryReady, 0}].silent = true;
         }},
        {"busy ten times a second",
         [](SimHidInterface& unit) {
             unit.knobs.byRequest[{kHidCmdQueryReady, 0}].staysBusy = true;
             unit.knobs.replyDelayMs = 100;
         }},
    };
    struct Worker {
        const char* what;
        int model;
        WorkerRoutine routine;
        const wchar_t* text;
    };
    const Worker workers[] = {
        {"camera road", 0x5610, CameraFirmwareUpdateThread, L"Failed to update firmware. Cannot get status"},
        {"image worker", 0x6010, ImageUpdateThread, L"Failed to update firmware. Cannot get status[9][3]"},
    };
    for (const Worker& worker : workers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(worker.what) + ", " + c.what);
            CameraRig rig(worker.model, 2);
            c.arrange(*rig.unit);
            const std::uint64_t start = rig.bus.NowMs();
            rig.host.Run(worker.routine);
            const std::uint64_t elapsed = rig.bus.NowMs() - start;
            EXPECT_EQ(worker.text, rig.host.Job().StatusText(0));
            EXPECT_EQ(1, rig.host.Job().m_finished);
            // The poll ends at its five minutes; the transfer before it took a
            // few simulated seconds at most.
            EXPECT_GE(elapsed, static_cast<std::uint64_t>(kReadyPollLimitMs));
            EXPECT_LE(elapsed, static_cast<std::uint64_t>(kReadyPollLimitMs) + 10000u);
            EXPECT_EQ(0, rig.unit->finishCount);
        }
    }
}

TEST(CameraStatusPoll, ReadyAfterSomeNotReadyPollsGoesOn)
{
    CameraRig rig(0x5610, 2);
    rig.unit->firmware.notReadyPolls = 4;
    rig.Run();
    EXPECT_EQ(5, rig.unit->readyPolls);
    EXPECT_EQ(1, rig.unit->finishCount);
    EXPECT_EQ(kJobFinished, rig.host.Job().m_state);
    EXPECT_EQ(1, rig.host.TimerRequests());
}

} // namespace
