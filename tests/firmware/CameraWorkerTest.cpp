#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/firmware/CameraRig.h"

namespace {

TEST(CameraWorker, TheSameCameraVersionWritesNothingAndSendsOnlyTheHeadsetSections)
{
    CameraRig rig(0x5510, 4, "2.5.7\r\n");
    rig.Run();
    EXPECT_EQ(rig.host.Job().m_state, kJobFinished);
    EXPECT_EQ(rig.host.Job().m_failed, 0);
    EXPECT_EQ(rig.host.TimerRequests(), 1);
    EXPECT_EQ(rig.card->files.size(), 1u); // only the version file
    EXPECT_EQ(rig.card->installs, 0);
    EXPECT_EQ(rig.SectionIdsStarted(), (std::vector<int>{0x10, 0x11}));
    EXPECT_EQ(rig.host.Job().m_waitFlag, 1);
}

TEST(CameraWorker, TheCopyRoadHandsTheFileToTheCameraAndChecksItsNewVersion)
{
    struct Case {
        int model;
        int releases; // the extra cycle of 0x5580 releases once more
        int waitFlag; // the direct-finish models do not ask for the button
    };
    const Case cases[] = {{0x5510, 2, 1}, {0x5580, 3, 1}, {0x5570, 2, 0}, {0x3060, 2, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        CameraRig rig(c.model, 4);
        rig.card->knobs.withdrawsItselfAfterPolls = 3;
        rig.card->files[rig.names->temporaryName] = {1, 2, 3}; // left by an interrupted run
        rig.Run();
        EXPECT_EQ(rig.host.Job().StatusText(0), L"On updating firmware.");
        EXPECT_EQ(rig.host.Job().m_state, kJobFinished);
        EXPECT_EQ(rig.host.TimerRequests(), 1);
        EXPECT_EQ(rig.card->installs, 1);
        EXPECT_EQ(rig.card->releases, c.releases);
        EXPECT_EQ(rig.card->files.count(rig.names->temporaryName), 0u);
        EXPECT_EQ(rig.host.Job().m_waitFlag, c.waitFlag);
        EXPECT_EQ(rig.unit->sections[0x10], rig.sections[0].data);
        EXPECT_EQ(rig.SectionIdsStarted(), (std::vector<int>{0x10, 0x11}));
    }
}

TEST(CameraWorker, CardFailuresEndWithTheirTexts)
{
    std::vector<CameraCardCase> cases = CommonCameraCardCases();
    cases.push_back({"a card that takes no new file", [](SimCameraCard& c) { c.knobs.createFails = true; },
                     L"Failed to update firmware. Camera firmware update failed [2][2]. Try again.", false});
    for (const CameraCardCase& c : cases) {
        SCOPED_TRACE(c.what);
        CameraRig rig(0x5510);
        c.arrange(*rig.card);
        rig.Run();
        EXPECT_EQ(rig.host.Job().StatusText(0), c.text);
        EXPECT_EQ(rig.host.Job().m_failed, 1);
        EXPECT_EQ(rig.host.Job().m_finished, 1);
        EXPECT_EQ(rig.host.Job().m_state, kJobTransferring);
        EXPECT_EQ(rig.host.TimerRequests(), 0);
        EXPECT_EQ(rig.card->files.count(L"FWCARCAM.bin") != 0, c.targetLeft);
        EXPECT_TRUE(rig.SectionIdsStarted().empty());
    }
}

TEST(CameraWorker, AFailedSixthPollCountsAsTheAwaitedState)
{
    // The sixth poll of the first wait fails: taken as the card offered.
    CameraRig rig(0x5510);
    rig.card->knobs.failPollAt = 6;
    rig.card->knobs.scansUntilShown = 0;
    rig.card->offered = false;
    rig.Run();
    EXPECT_EQ(rig.host.Job().m_state, kJobFinished) << rig.host.Job().StatusText(0);
}

TEST(CameraWorker, ModelsWithoutACameraSendEverySectionAndFinishByGroup)
{
    struct Case {
        int model;
        int readyPolls;
        int waitFlag;
    };
    const Case cases[] = {{0x5720, 0, 0}, {0x6400, 0, 0}, {0x5610, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        CameraRig rig(c.model, 4);
        rig.Run();
        EXPECT_EQ(rig.host.Job().m_state, kJobFinished);
        EXPECT_EQ(rig.SectionIdsStarted(), (std::vector<int>{0x10, 0x11, 0x12, 0x13}));
        EXPECT_EQ(rig.unit->finishCount, 1);
        EXPECT_EQ(rig.unit->readyPolls, c.readyPolls);
        EXPECT_EQ(rig.host.Job().m_waitFlag, c.waitFlag);
    }
}

TEST(CameraWorker, TransferFailuresAreUntaggedAndEndTheJobFailed)
{
    CameraRig rig(0x5720, 2);
    rig.unit->firmware.failDataStatusAt = 1;
    rig.Run();
    EXPECT_EQ(rig.host.Job().StatusText(0), L"Failed to update firmware. Cannot get status");
    EXPECT_EQ(rig.host.Job().m_failed, 1);
    EXPECT_EQ(rig.host.Job().m_finished, 1);
}

TEST(CameraWorker, ACameraPackageWithoutItsCameraSectionIsCorrupted)
{
    CameraRig rig(0x5580, 2);
    rig.Run();
    EXPECT_EQ(rig.host.Job().StatusText(0), L"Failed to update firmware. Firmware corrupted");
    EXPECT_EQ(rig.card->offers, 0);
}

} // namespace
