#pragma once
// The checks an update makes before anything is sent: that the unit on USB is
// the recognised one with the recognised firmware (over its HID channels, or
// over the DFU library's persistent store), and the key writes some DFU units
// need first. Portable: the page supplies the channels and the library.

#include <cstdint>
#include <string>

#include "device/DeviceConfig.h"
#include "firmware/UpdateRoads.h"
#include "link/HidDeviceSeam.h"

class DfuLibraryAccess;

// The HID version request's answer as four parts; 1.0.0.0 when it fails.
DeviceVersion ReadHidUnitVersion(HidHandle* channel);

// Whether two versions are the same (major, minor, kind, build).
bool SameUnitVersion(const DeviceVersion& read, const DeviceVersion& recorded);

// The version checks of the HID roads 1, 2, 4 and 5 on channels already
// found: roads 1 and 2 both channels against the two chip versions, road 4 the
// found 0x2030 interface against the first chip version, road 5 the primary
// channel against the firmware version.
bool HidRoadVersionsMatch(UpdateRoad road, HidHandle* primary, HidHandle* secondary, HidHandle* foundPrimary,
                          const DeviceConfig& device);

// The unit check of the DFU road over the library (its transport held open by
// the caller): each family unit in the list that connects must report the
// recorded model (key 675) and firmware version (key 676, or the model's
// default); the eight models then get their keys cleared. The error-site tag
// of the first mismatch, or the empty text when every unit passed.
std::wstring CheckDfuUnitsBeforeUpdate(DfuLibraryAccess& library, int modelCode, const DeviceConfig& device);

// The Bluetooth address key of the first family unit in the library's list;
// false when there is none, it does not connect or the key cannot be read.
constexpr int kUnitAddressKeyBytes = 8;
bool ReadFirstFamilyUnitAddress(DfuLibraryAccess& library, std::uint8_t (&key)[kUnitAddressKeyBytes]);
