#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "firmware/CameraWorker.h"
#include "firmware/CameraWorkerRules.h"
#include "firmware/FirmwareWaitForTests.h"
#include "link/HidChannel.h"
#include "sim/SimCameraCard.h"
#include "sim/SimHeadset.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/TempFiles.h"
#include "tests/firmware/WorkerTestHost.h"

namespace {

// A headset of the camera road on its own simulated bus, with the camera's
// card where the model has one, and a package whose camera firmware
// (section 2) is version 2.5.
struct CameraRig {
    explicit CameraRig(int model, int sectionCount = 3, const std::string& cardVersion = "1.0\r\n")
    {
        SetFirmwareWaitPercentForTests(0);
        bus.Install();
        host.model = model;
        host.usbStatus = model;
        unit = &bus.AddInterface(model);
        host.primary = OpenHidInterface(model);
        host.secondary = OpenHidInterface(model);
        names = FindCameraDriveNames(model);
        if (names) {
            card = std::make_unique<SimCameraCard>(*unit, names->versionFile, names->targetName);
            card->installedVersion = "2.5";
            card->SetVersionText(cardVersion);
            card->Install();
        }
        sections = {SectionOf(0, 0x10, 1500, 1), SectionOf(1, 0x11, 700, 2), SectionOf(3, 0x12, 3000, 3),
                    SectionOf(0, 0x13, 10, 4)};
        sections[2].versionMajor = 2;
        sections[2].versionMinor = 5;
        sections.resize(static_cast<std::size_t>(sectionCount));
        host.job.m_imagePath = folder.Write(L"camera.img", BuildImage(static_cast<std::uint32_t>(model), sections));
        host.job.m_failed = 1; // as the preparation leaves it
    }
    ~CameraRig()
    {
        card.reset();
        SetFirmwareWaitPercentForTests(100);
    }
    void Run() { CameraFirmwareUpdateThread(host); }
    std::vector<int> SectionIdsStarted() const
    {
        std::vector<int> ids;
        for (const auto& request : bus.Requests(host.model)) {
            if (request[1] == kHidCmdStartSection)
                ids.push_back(request[2]);
        }
        return ids;
    }

    SimHeadset bus;
    TempFolder folder;
    WorkerTestHost host;
    SimHidInterface* unit = nullptr;
    const CameraDriveNames* names = nullptr;
    std::unique_ptr<SimCameraCard> card;
    std::vector<BuiltSection> sections;
};

TEST(CameraWorker, TheSameCameraVersionWritesNothingAndSendsOnlyTheHeadsetSections)
{
    CameraRig rig(0x5510, 4, "2.5.7\r\n");
    rig.Run();
    EXPECT_EQ(rig.host.job.m_state, kJobFinished);
    EXPECT_EQ(rig.host.job.m_failed, 0);
    EXPECT_EQ(rig.host.timerRequests, 1);
    EXPECT_EQ(rig.card->files.size(), 1u); // only the version file
    EXPECT_EQ(rig.card->installs, 0);
    EXPECT_EQ(rig.SectionIdsStarted(), (std::vector<int>{0x10, 0x11}));
    EXPECT_EQ(rig.host.job.m_waitFlag, 1);
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
        EXPECT_EQ(rig.host.job.StatusText(0), L"On updating firmware.");
        EXPECT_EQ(rig.host.job.m_state, kJobFinished);
        EXPECT_EQ(rig.host.timerRequests, 1);
        EXPECT_EQ(rig.card->installs, 1);
        EXPECT_EQ(rig.card->releases, c.releases);
        EXPECT_EQ(rig.card->files.count(rig.names->temporaryName), 0u);
        EXPECT_EQ(rig.host.job.m_waitFlag, c.waitFlag);
        EXPECT_EQ(rig.unit->sections[0x10], rig.sections[0].data);
        EXPECT_EQ(rig.SectionIdsStarted(), (std::vector<int>{0x10, 0x11}));
    }
}

TEST(CameraWorker, CardFailuresEndWithTheirTexts)
{
    struct Case {
        const char* what;
        std::function<void(SimCameraCard&)> arrange;
        const wchar_t* text;
        bool targetLeft;
    };
    const Case cases[] = {
        {"a target already on the card", [](SimCameraCard& c) { c.files[L"FWCARCAM.bin"] = {9}; },
         L"Failed to update firmware. Camera firmware update failed [2][1]. Try again.", false},
        {"a camera that never installs", [](SimCameraCard& c) { c.knobs.neverInstalls = true; },
         L"Failed to update firmware. Camera firmware update failed [2][2]. Try again.", true},
        {"a card that takes no new file", [](SimCameraCard& c) { c.knobs.createFails = true; },
         L"Failed to update firmware. Camera firmware update failed [2][2]. Try again.", false},
        {"no card", [](SimCameraCard& c) { c.knobs.noCard = true; }, L"Failed to update firmware. Check your SD Card.",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CameraRig rig(0x5510);
        c.arrange(*rig.card);
        rig.Run();
        EXPECT_EQ(rig.host.job.StatusText(0), c.text);
        EXPECT_EQ(rig.host.job.m_failed, 1);
        EXPECT_EQ(rig.host.job.m_finished, 1);
        EXPECT_EQ(rig.host.job.m_state, kJobTransferring);
        EXPECT_EQ(rig.host.autoUpdate, 0);
        EXPECT_EQ(rig.host.timerRequests, 0);
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
    EXPECT_EQ(rig.host.job.m_state, kJobFinished) << rig.host.job.StatusText(0);
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
        EXPECT_EQ(rig.host.job.m_state, kJobFinished);
        EXPECT_EQ(rig.SectionIdsStarted(), (std::vector<int>{0x10, 0x11, 0x12, 0x13}));
        EXPECT_EQ(rig.unit->finishCount, 1);
        EXPECT_EQ(rig.unit->readyPolls, c.readyPolls);
        EXPECT_EQ(rig.host.job.m_waitFlag, c.waitFlag);
    }
}

TEST(CameraWorker, TransferFailuresAreUntaggedAndEndTheJobFailed)
{
    CameraRig rig(0x5720, 2);
    rig.unit->firmware.failDataStatusAt = 1;
    rig.Run();
    EXPECT_EQ(rig.host.job.StatusText(0), L"Failed to update firmware. Cannot get status");
    EXPECT_EQ(rig.host.job.m_failed, 1);
    EXPECT_EQ(rig.host.job.m_finished, 1);
}

TEST(CameraWorker, ACameraPackageWithoutItsCameraSectionIsCorrupted)
{
    CameraRig rig(0x5580, 2);
    rig.Run();
    EXPECT_EQ(rig.host.job.StatusText(0), L"Failed to update firmware. Firmware corrupted");
    EXPECT_EQ(rig.card->offers, 0);
}

} // namespace
