// The camera drive step on the system's own drives: the simulated camera
// keeps its card in a folder that the test maps to a removable drive letter,
// and the worker finds it among the prefix's drives as it would a real card.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/firmware/CameraRig.h"
#include "tests/support/RemovableTestDrive.h"

namespace {

// The waits are cut to a few percent; the camera's version file shows up a
// while after the card, so the search looks at the drive more than once.
constexpr int kWaitPercent = 3;
constexpr int kVersionDelayMs = 800;

class CameraDriveWine : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string skip = drive.Define();
        if (!skip.empty())
            GTEST_SKIP() << skip;
    }

    // A camera headset whose card lies on the drive; the camera that
    // restarts once more takes its card back by itself.
    std::unique_ptr<CameraRig> Rig(int model, const std::string& cardVersion = "1.0\r\n")
    {
        auto rig = std::make_unique<CameraRig>(model, 4, cardVersion, kWaitPercent);
        if (NeedsExtraCameraCycle(model))
            rig->card->knobs.withdrawsItselfAfterPolls = 3;
        rig->card->UseFolder(drive.Folder(), kVersionDelayMs);
        return rig;
    }

    // A file on the card, whether the camera offers it or keeps it.
    bool OnCard(const CameraRig& rig, const std::wstring& name) const
    {
        return drive.ReadFile(name) != "<missing>" || rig.card->files.count(name) != 0;
    }

    RemovableTestDrive drive{L"quor_camera_card"};
};

TEST_F(CameraDriveWine, TheCameraTakesThePackagesFirmwareFromItsCardOrAlreadyHasIt)
{
    struct Case {
        int model;
        const char* cardVersion;
        int installs;
        int releases; // the extra cycle of 0x5580 releases once more
        int waitFlag; // the direct-finish models do not ask for the button
    };
    const Case cases[] = {
        // The same version: nothing is written and the card goes back once.
        {0x5510, "2.5.7\r\n", 0, 1, 1},
        {0x5510, "1.0\r\n", 1, 2, 1},
        {0x5580, "2.4\r\n", 1, 3, 1},
        // The version file in a folder of the card.
        {0x5570, "1.9\r\n", 1, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.model) + " " + c.cardVersion);
        auto rig = Rig(c.model, c.cardVersion);
        rig->Run();
        EXPECT_EQ(rig->host.Job().m_state, kJobFinished) << rig->host.Job().StatusText(0);
        EXPECT_EQ(rig->host.Job().m_failed, 0);
        EXPECT_EQ(rig->host.TimerRequests(), 1);
        EXPECT_EQ(rig->card->installs, c.installs);
        EXPECT_EQ(rig->card->releases, c.releases);
        EXPECT_EQ(rig->host.Job().m_waitFlag, c.waitFlag);
        // Only the headset's sections go over HID.
        EXPECT_EQ(rig->SectionIdsStarted(), (std::vector<int>{0x10, 0x11}));
        // The card is back with the camera and holds nothing but its version.
        EXPECT_FALSE(rig->card->offered);
        EXPECT_EQ(rig->card->files.size(), 1u);
        const std::vector<std::uint8_t>& version = rig->card->files[rig->names->versionFile];
        EXPECT_EQ(std::string(version.begin(), version.end()), c.installs ? "2.5\r\n" : c.cardVersion);
    }
}

TEST_F(CameraDriveWine, WhatTheCardAndTheCameraDoDecidesTheEnd)
{
    std::vector<CameraCardCase> cases = CommonCameraCardCases();
    cases.push_back(
        // The sixth poll of the wait for the drive fails while the camera
        // says no to every other one: taken as the card offered, and the card
        // is there.
        {"a failed poll at index 5",
         [](SimCameraCard& c) {
             c.knobs.firstOfferLagPolls = 30;
             c.knobs.failPollAt = 6;
         },
         nullptr, false});
    for (const CameraCardCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto rig = Rig(0x5510);
        c.arrange(*rig->card);
        rig->Run();
        if (c.text) {
            EXPECT_EQ(rig->host.Job().StatusText(0), c.text);
            EXPECT_EQ(rig->host.Job().m_failed, 1);
            EXPECT_EQ(rig->host.Job().m_finished, 1);
            EXPECT_EQ(rig->host.Job().m_state, kJobTransferring);
            EXPECT_EQ(rig->host.TimerRequests(), 0);
            EXPECT_TRUE(rig->SectionIdsStarted().empty());
        } else {
            EXPECT_EQ(rig->host.Job().m_state, kJobFinished) << rig->host.Job().StatusText(0);
            EXPECT_EQ(rig->card->installs, 1);
        }
        EXPECT_EQ(OnCard(*rig, L"FWCARCAM.bin"), c.targetLeft);
        EXPECT_FALSE(OnCard(*rig, L"__zimbo_firmware__.bin"));
    }
}

} // namespace
