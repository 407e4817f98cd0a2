// A DFU update on the library stand-in, with the unit's USB entry planted in
// the registry: after the manifest the chip is back under its normal-mode id
// both in the library's list and in the USB scan that waits for the unit.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "device/FirmwareInfo.h"
#include "firmware/FirmwareJob.h"
#include "firmware/DfuSequence.h"
#include "firmware/DfuRoadRules.h"
#include "link/UsbScan.h"
#include "sim/SimDfuChip.h"
#include "tests/support/UsbPlanting.h"

namespace {

class WaitingHost final : public DfuSequenceHost {
public:
    std::shared_ptr<FirmwareJob> job = std::make_shared<FirmwareJob>();
    std::atomic<int> posts{0};
    int timerArms = 0;
    FirmwareJob& Job() override { return *job; }
    FirmwareInfo Record() const { return job->Snapshot(); }
    int Page() override { return 3; }
    int UsbStatus() override { return 0xA010; }
    int ModelCode() override { return 0x4D10; }
    void OpenPopup(DfuPopup) override {}
    void ArmWaitTimer() override { ++timerArms; }
    void PostCallbackMessage() override { ++posts; }
    void Wait(int) override {}
    std::uint64_t NowMs() override { return ::GetTickCount64(); }
};

std::wstring DeviceKey(int productId)
{
    wchar_t key[32];
    swprintf(key, 32, L"VID_2B4E&PID_%04X", productId);
    return key;
}

TEST(DfuReturnWine, TheManifestedUnitIsBackInTheLibraryAndOnUsb)
{
    PlantedUsbDevices usb;
    SimDfuChip chip;
    SimDfuDevice& unit = chip.AddDevice(0xA010);
    ASSERT_TRUE(usb.Plant(DeviceKey(0xA010), L"unit", {unit.UsbHardwareId()}));
    chip.onBackInNormalMode = [&](const SimDfuDevice& device, int oldId) {
        usb.Unplug(DeviceKey(oldId));
        usb.Plant(DeviceKey(device.productId), L"unit", {device.UsbHardwareId()});
    };
    chip.Attach();

    int ids[2] = {};
    int count = FindUsbDfuDevices(ids, 2);
    EXPECT_FALSE(DfuUnitReady(0x4D10, 1, count, ids));

    WaitingHost host;
    DFUEngine engineA, engineB;
    DfuLibraryEngines engines(engineA, engineB);
    DfuSequence sequence(host, engines);
    sequence.ResetForUpdate();
    sequence.StartDfu();
    ASSERT_EQ(sequence.m_activeEngine, 1);
    int taken = 0;
    auto quietSince = std::chrono::steady_clock::now();
    while (host.timerArms == 0 && host.Record().m_finished == 0 &&
           std::chrono::steady_clock::now() - quietSince < std::chrono::seconds(10)) {
        if (taken < host.posts.load()) {
            ++taken;
            sequence.HandleNextCallback();
            quietSince = std::chrono::steady_clock::now();
        } else {
            ::Sleep(1);
        }
    }
    EXPECT_EQ(host.timerArms, 1);
    EXPECT_EQ(host.Record().m_finished, 0);
    count = FindUsbDfuDevices(ids, 2);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(ids[0], 0x2010);
    EXPECT_TRUE(DfuUnitReady(0x4D10, 1, count, ids));
    sequence.EndJob();
    chip.Detach();
}

} // namespace
