// The restart poll of the camera road's common end: the unit's status is
// asked until it says ready, but never without end.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "firmware/FirmwareBounds.h"
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
        EXPECT_EQ(L"Failed to update firmware. Cannot get status", rig.host.job.StatusText(0));
        EXPECT_EQ(1, rig.host.job.m_failed);
        EXPECT_EQ(1, rig.host.job.m_finished);
        EXPECT_EQ(0, rig.host.autoUpdate);
        EXPECT_EQ(0, rig.host.timerRequests);
        // Both sections went out; the finish request never did.
        EXPECT_EQ(0, rig.unit->finishCount);
        EXPECT_EQ(kJobTransferring, rig.host.job.m_state);
    }
}

TEST(CameraStatusPoll, ReadyAfterSomeNotReadyPollsGoesOn)
{
    CameraRig rig(0x5610, 2);
    rig.unit->firmware.notReadyPolls = 4;
    rig.Run();
    EXPECT_EQ(5, rig.unit->readyPolls);
    EXPECT_EQ(1, rig.unit->finishCount);
    EXPECT_EQ(kJobFinished, rig.host.job.m_state);
    EXPECT_EQ(1, rig.host.timerRequests);
}

} // namespace
