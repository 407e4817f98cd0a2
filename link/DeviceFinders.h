#pragma once
// Finders for the units that expose two HID interfaces at once, and the
// state query. The recognition page's members are one-line wrappers:
//   FindHidDevice(store, modelOut, pair):
//     store ? FindHidPairDevice(&main->m_hidPrimary, &main->m_hidSecondary)
//           : FindHidPairDevice(&pair[0], &pair[1]);
//     then on 1 set m_modelCode (or *modelOut) to kHidPairModelCode.
//   FindHidDfuDevice(): FindTwoChipDevice(&main->m_hidPrimary, &main->m_hidSecondary,
//     main->m_device.m_firmwareVersion, m_chipVersion1, m_chipVersion2).
//   QueryDeviceState(): QueryHidDeviceState(&main->m_hidPrimary).

#include "device/DeviceConfig.h"
#include "link/HidChannel.h"

// Opens the interfaces with product ids 0x2030 (into primary) and 0x2040
// (into secondary); 1 when both slots hold a channel afterwards. A slot that
// gets a new channel has its old one closed first. Handles opened stay in
// their slots also when the result is 0; the caller closes them.
int FindHidPairDevice(HidHandle* primary, HidHandle* secondary);

// Opens the two-chip unit's interfaces (0x5345, 0x5346, 0xD340): the first
// into primary when it is empty, every later one into secondary. Reads each
// one's version (command 0x01) into firmware and chip1 (primary) or chip2
// (secondary), default 1.0 build 0, and sends 0x30 after it. 1 when both
// slots hold a channel. Every exchange ends by the deadline, when one is given.
int FindTwoChipDevice(HidHandle* primary, HidHandle* secondary, DeviceVersion& firmware, DeviceVersion& chip1,
                      DeviceVersion& chip2, const HidDeadline& deadline = HidDeadline());

// The unit's state byte (group 5, low byte of word 0) over the primary
// channel, tried twice; 0 when the unit does not answer by the deadline.
int QueryHidDeviceState(HidHandle* primary, const HidDeadline& deadline = HidDeadline());

// Vendor and product id as the finders read them from a device path: the
// lower-case "vid_" and "pid_" searched from the path's sixth character. False
// when a marker is missing or the path is too long for the finders' buffers.
bool ParseHidDevicePath(const std::wstring& path, int* vendorId, int* productId);
