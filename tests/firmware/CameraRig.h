#pragma once
// A headset of the camera road for the worker's tests: the simulated bus, the
// camera's card where the model has one, and a package whose camera firmware
// (section 2) is version 2.5.

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

// The waits last waitPercent of their time.
struct CameraRig {
    explicit CameraRig(int model, int sectionCount = 3, const std::string& cardVersion = "1.0\r\n", int waitPercent = 0)
    {
        SetFirmwareWaitPercentForTests(waitPercent);
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
        host.job->Lock()->m_imagePath =
            folder.Write(L"camera.img", BuildImage(static_cast<std::uint32_t>(model), sections));
        host.job->Lock()->m_failed = 1; // as the preparation leaves it
    }
    ~CameraRig()
    {
        card.reset();
        SetFirmwareWaitPercentForTests(100);
    }
    void Run() { host.Run(CameraFirmwareUpdateThread); }
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

// A card or a camera that goes wrong, and the end it leads to.
struct CameraCardCase {
    const char* what;
    std::function<void(SimCameraCard&)> arrange;
    const wchar_t* text; // null: the step succeeds
    bool targetLeft;     // the firmware file stays on the card
};

// The cases any card meets, simulated or on a drive.
inline std::vector<CameraCardCase> CommonCameraCardCases()
{
    return {
        {"a target already on the card", [](SimCameraCard& c) { c.files[L"FWCARCAM.bin"] = {9}; },
         L"Failed to update firmware. Camera firmware update failed [2][1]. Try again.", false},
        {"a camera that never installs", [](SimCameraCard& c) { c.knobs.neverInstalls = true; },
         L"Failed to update firmware. Camera firmware update failed [2][2]. Try again.", true},
        {"no card", [](SimCameraCard& c) { c.knobs.noCard = true; }, L"Failed to update firmware. Check your SD Card.",
         false},
    };
}
