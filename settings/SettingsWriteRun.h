#pragma once
// Carrying a settings write out on the unit, without windows: the HID road
// over the main window's channels or the persistent-store road over the DFU
// library. Every step is checked; a write that cannot be proven to have
// reached the recorded unit is a failure.

#include <functional>
#include <memory>

#include "link/DfuRoad.h"
#include "link/HidDeviceSeam.h"
#include "settings/SettingsWritePlans.h"

// Finds the recorded unit's HID interface again: the 0x2030 / 0x2040 pair for
// model 0x2030, the model's own interface for any other. The lookup's handles
// are closed before it returns; the requests go over the main window's.
bool FindRecordedHidUnit(int modelCode);

// The version a channel reports (command 0x01); 1.0.0.0 when it does not answer.
DeviceVersion ReadHidChannelVersion(HidHandle* channel);

// The checks, then the requests in order over one reused request buffer.
bool RunHidWritePlan(const HidWritePlan& plan, const DeviceConfig& live, HidHandle* primary, HidHandle* secondary);

struct StoreWriteAccess {
    // The maker's DFU-family units on USB, with room for two ids.
    std::function<DfuScan()> scanUsb;
    // Opens the DFU library for one write; it is released when the write ends.
    std::function<std::unique_ptr<DfuLibraryAccess>()> openLibrary;
};

// Success needs at least one unit listed, of the family, connected, of the
// recorded model and version, that took every key.
bool RunStoreWritePlan(const StoreWritePlan& plan, int usbStatus, const DeviceConfig& live,
                       const StoreWriteAccess& access);

struct SettingsWriteTarget {
    int modelCode = 0; // the main window's, which picks the road
    int usbStatus = 0; // the USB product id seen at recognition
    const DeviceConfig* live = nullptr;
    HidHandle* primary = nullptr;
    HidHandle* secondary = nullptr;
    StoreWriteAccess store;
};

// One page's write: true on success.
bool WriteSettings(SettingsWriterPage page, const DeviceConfig& working, const SettingsWriteTarget& target);
