// The finishing steps of two DFU models on the real main window, from the
// update page's start to the closing advice: 0x5310 flashed chip by chip on
// the DFU library stand-in, the wait for the unit linking the two passes, and
// 0x3020's camera firmware moved onto the camera's card, a removable drive.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "device/ModelCatalogue.h"
#include "firmware/DialogFirmwareUpdate.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/FirmwarePrompt.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/ImageHeaderCheck.h"
#include "link/FirmwareServerForTests.h"
#include "res/resource.h"
#include "shell/DialogMessageBox.h"
#include "sim/SimDfuChip.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/UpdatePageRun.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RemovableTestDrive.h"
#include "tests/support/UsbPlanting.h"
#include "tests/support/WindowPicture.h"
#include "tests/support/ProgramFiles.h"
#include "text/StatusTexts.h"
#include "text/TextFormat.h"
#include "text/UpdatePageTexts.h"

namespace {

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

std::wstring UsbKey(int productId)
{
    wchar_t key[32];
    swprintf(key, 32, L"VID_2B4E&PID_%04X", productId);
    return key;
}

std::wstring ProgramFolderPath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

// A DFU image the header check takes for the model: its file-form name and
// code at byte 16.
std::string DfuImageFor(int model)
{
    std::string bytes(1700, ' ');
    const std::string text = Narrow(ExpectedHeaderText(GetModelName(model, 1), model));
    std::copy(text.begin(), text.end(), bytes.begin() + 16);
    return bytes;
}

class DfuFinishingWine : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFirmwareWaitPercentForTests(0);
        CDialogMessageBox::SetCameraPauseForTests(200);
    }
    void TearDown() override
    {
        boxwatch::StopWatching();
        SetFirmwareWaitPercentForTests(100);
        CDialogMessageBox::SetCameraPauseForTests(CDialogMessageBox::kCameraPauseMs);
    }
};

// Whether the control shows anything dark on the screen now (its frame or its
// text), as it is, without making any window paint first.
bool ShowsOnScreen(HWND control)
{
    RECT r{};
    ::GetWindowRect(control, &r);
    HDC screen = ::GetDC(nullptr);
    bool dark = false;
    for (int y = r.top; y < r.bottom && !dark; y += 2) {
        for (int x = r.left; x < r.right && !dark; x += 2) {
            const COLORREF c = ::GetPixel(screen, x, y);
            dark = c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 384;
        }
    }
    ::ReleaseDC(nullptr, screen);
    return dark;
}

// ---------------------------------------------------------------- 0x5310

// The two units of a 0x5310 in DFU mode, on the stand-in and on USB; each
// comes back under its normal-mode id once its chip is flashed, the first one
// only when the test lets it.
struct TwoChipUnits {
    TwoChipUnits()
    {
        chip.AddDevice(0xA010);
        chip.AddDevice(0xA011);
        usb.Plant(UsbKey(0xA010), L"unit", {chip.DeviceAt(0).UsbHardwareId()});
        usb.Plant(UsbKey(0xA011), L"unit", {chip.DeviceAt(1).UsbHardwareId()});
        chip.onBackInNormalMode = [this](const SimDfuDevice& device, int oldId) {
            ++returns;
            if (oldId == 0xA010 && holdFirstBack) {
                heldHardwareId = device.UsbHardwareId();
                return;
            }
            Return(oldId, device.productId, device.UsbHardwareId());
        };
        chip.Attach();
    }
    ~TwoChipUnits()
    {
        chip.Detach();
        if (!image.empty())
            ::DeleteFileW(image.c_str());
    }
    void Return(int oldId, int newId, const std::wstring& hardwareId)
    {
        usb.Unplug(UsbKey(oldId));
        usb.Plant(UsbKey(newId), L"unit", {hardwareId});
    }
    void LetFirstBack() { Return(0xA010, 0x2010, heldHardwareId); }

    // Starts the update with an image the chips take; every box the main
    // window opens is noted and confirmed.
    void StartUpdate(CUpdaterDlg& dialog, const std::wstring& name)
    {
        image = ProgramFolderPath() + name;
        WriteWholeFile(image, DfuImageFor(0x5310));
        chip.validImages.insert(image);
        boxwatch::OnEveryBox(dialog.m_hWnd, [this](HWND box) {
            boxes.push_back(boxwatch::BoxText(box, IDC_MESSAGE_TEXT));
            boxwatch::PressBoxButton(box, IDOK);
        });
        dialog.m_pageFirmwareUpdate.m_imagePath.SetWindowText(image.c_str());
        dialog.m_pageFirmwareUpdate.StartUpdate();
    }
    // The closing advice of a success: power the unit off and on.
    bool Advised() const
    {
        const std::wstring advice = FillPlaceholders(GetTextPowerCycleToApply(0), {GetTextSuccess(3, 0xA010, 0)});
        return std::find(boxes.begin(), boxes.end(), advice) != boxes.end();
    }

    PlantedUsbDevices usb;
    SimDfuChip chip;
    bool holdFirstBack = false;
    std::wstring heldHardwareId;
    int returns = 0;
    std::wstring image;
    std::vector<std::wstring> boxes;
};

// What the main window showed while the job ran.
struct Watched {
    std::vector<int> progressWithEngineA;
    std::vector<int> progressWithEngineB;
    bool successBeforeEngineB = false;
    void Look(CUpdaterDlg& dialog)
    {
        const CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        std::vector<int>& seen = page.m_activeEngine == 2 ? progressWithEngineB : progressWithEngineA;
        if (page.m_activeEngine != 0 && (seen.empty() || seen.back() != dialog.m_progress))
            seen.push_back(dialog.m_progress);
        if (page.m_activeEngine == 1 && dialog.GetStatusText().str() == GetTextSuccess(3, 0xA010, 0))
            successBeforeEngineB = true;
    }
};

TEST_F(DfuFinishingWine, The5310IsFlashedChipByChipAndShowsEachHalf)
{
    TwoChipUnits units;
    RunOnUpdatePage(0x5310, 0xA010, [&](CUpdaterDlg& dialog) {
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        Watched watched;
        units.StartUpdate(dialog, L"quor_lun8.dfu");
        ASSERT_TRUE(PumpMessagesUntil(
            [&] {
                watched.Look(dialog);
                return units.Advised();
            },
            60000))
            << dialog.GetStatusText().str().size() << " engine " << page.m_activeEngine;
        EXPECT_EQ(2, units.returns);
        // Each chip went through all three engine steps.
        EXPECT_EQ((std::vector<int>{0, 1, 2, 0, 1, 2}), units.chip.PlannedSteps());
        EXPECT_FALSE(watched.successBeforeEngineB);
        ASSERT_FALSE(watched.progressWithEngineA.empty());
        ASSERT_FALSE(watched.progressWithEngineB.empty());
        EXPECT_LE(*std::max_element(watched.progressWithEngineA.begin(), watched.progressWithEngineA.end()), 50);
        // Engine B starts at 50 % and counts the second half.
        EXPECT_EQ(50, watched.progressWithEngineB.front());
        EXPECT_GE(*std::min_element(watched.progressWithEngineB.begin(), watched.progressWithEngineB.end()), 50);
        EXPECT_EQ(100, watched.progressWithEngineB.back());
    });
}

TEST_F(DfuFinishingWine, The5310sFirstChipLongAt98WaitsForTheUnitAndLeadsToTheSecondChip)
{
    TwoChipUnits units;
    units.holdFirstBack = true;
    RunOnUpdatePage(0x5310, 0xA010, [&](CUpdaterDlg& dialog) {
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        units.StartUpdate(dialog, L"quor_lun8_held.dfu");
        // The first chip is flashed but its unit stays away: the progress
        // reaches 98 % and spends more than ten ticks there.
        ASSERT_TRUE(PumpMessagesUntil([&] { return page.m_waitTicks > 11; }, 60000)) << page.m_waitTicks;
        {
            const auto job = page.m_firmwareInfo->Lock();
            EXPECT_EQ(0, job->m_finished);
            EXPECT_EQ(98, job->m_progress);
        }
        EXPECT_EQ(1, page.m_activeEngine);
        EXPECT_EQ(49, dialog.m_progress);
        EXPECT_NE(0, page.m_waitTimerId);
        EXPECT_EQ(1, dialog.m_busy);
        mainwindow::PumpFor(dialog.m_hWnd, 200);
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, ScreenshotFolder() + L"\\lun8-first-chip-waiting.png"));
        // The page keeps showing its controls while the job runs.
        EXPECT_TRUE(ShowsOnScreen(page.m_imagePath.m_hWnd));
        // The unit comes back: the wait starts the second chip, whose end is
        // the job's success.
        units.LetFirstBack();
        ASSERT_TRUE(PumpMessagesUntil([&] { return page.m_activeEngine == 2; }, 10000));
        ASSERT_TRUE(PumpMessagesUntil([&] { return units.Advised(); }, 60000));
        EXPECT_EQ((std::vector<int>{0, 1, 2, 0, 1, 2}), units.chip.PlannedSteps());
    });
}

// ---------------------------------------------------------------- 0x3020

// The camera's card: a removable drive carrying the marker "lensa.bin", with
// or without the firmware file of an earlier update.
TEST_F(DfuFinishingWine, The3020sCameraFirmwareEndsOnItsCardOverAnOldFile)
{
    struct Case {
        const char* what;
        bool card;
        bool oldFile;
    };
    const Case cases[] = {
        {"a card with an earlier file", true, true},
        {"a fresh card", true, false},
        {"no card: the package stays", false, false},
    };
    // The program's image folder, where the update unpacks the package.
    const MadeImgFolder folder;
    const std::wstring images = folder.Path();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemovableTestDrive card(L"quor_lensa_card");
        if (c.card) {
            const std::string skip = card.Define();
            if (!skip.empty())
                GTEST_SKIP() << skip;
            ASSERT_TRUE(card.PutFile(L"lensa.bin"));
            if (c.oldFile) {
                ASSERT_TRUE(card.PutFile(L"vek40_100.bin", "old camera firmware"));
            }
        }
        PlantedUsbDevices usb;
        SimDfuChip chip;
        SimDfuDevice& unit = chip.AddDevice(0xA020);
        ASSERT_TRUE(usb.Plant(UsbKey(0xA020), L"unit", {unit.UsbHardwareId()}));
        chip.onBackInNormalMode = [&](const SimDfuDevice& device, int oldId) {
            usb.Unplug(UsbKey(oldId));
            usb.Plant(UsbKey(device.productId), L"unit", {device.UsbHardwareId()});
        };
        chip.Attach();
        // The package: the Bluetooth chip's image, then the camera's firmware.
        BuiltSection bluetooth;
        const std::string header = DfuImageFor(0x3020);
        bluetooth.data.assign(header.begin(), header.end());
        BuiltSection camera = SectionOf(1, 1, 3000, 9);
        const std::wstring package = ProgramFolderPath() + L"quor_lensa.img";
        const std::vector<std::uint8_t> bytes = BuildImage(0x3020, {bluetooth, camera});
        WriteWholeFile(package, std::string(bytes.begin(), bytes.end()));
        chip.validImages.insert(images + kCameraPackageBluetoothFile);

        RunOnUpdatePage(0x3020, 0xA020, [&](CUpdaterDlg& dialog) {
            std::vector<std::wstring> boxes;
            int cameraWaitAtAdvice = -1;
            boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                boxes.push_back(boxwatch::BoxText(box, IDC_MESSAGE_TEXT));
                // The box's OK holds it up a while, and it is seen again meanwhile.
                if (boxes.back() == GetTextCameraReplugSteps(0) && cameraWaitAtAdvice < 0)
                    cameraWaitAtAdvice = dialog.m_cameraWaitPending;
                boxwatch::PressBoxButton(box, IDOK);
            });
            CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
            page.m_imagePath.SetWindowText(package.c_str());
            page.StartUpdate();
            ASSERT_TRUE(PumpMessagesUntil(
                [&] { return std::find(boxes.begin(), boxes.end(), GetTextCameraReplugSteps(0)) != boxes.end(); },
                60000))
                << Narrow(dialog.GetStatusText().str());
            EXPECT_EQ(1, cameraWaitAtAdvice);
        });
        chip.Detach();
        const std::string onCard = c.card ? card.ReadFile(L"vek40_100.bin") : std::string();
        if (c.card) {
            EXPECT_EQ(std::string(camera.data.begin(), camera.data.end()), onCard);
        }
        // Without the card both parts of the package stay in the image folder.
        EXPECT_EQ(!c.card, FileExists(images + kCameraPackageFirmwareFile));
        EXPECT_EQ(!c.card, FileExists(images + kCameraPackageBluetoothFile));
        ::DeleteFileW((images + kCameraPackageFirmwareFile).c_str());
        ::DeleteFileW((images + kCameraPackageBluetoothFile).c_str());
        ::DeleteFileW(package.c_str());
    }
}

} // namespace
