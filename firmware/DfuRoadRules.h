#pragma once
// The rules of the DFU road that need no device: which version a unit reports
// through its persistent store, which keys are cleared before the update, and
// when the USB scan shows the recognised unit.

#include <cstdint>
#include <vector>

#include "device/DeviceConfig.h"

constexpr int kPsKeyBytes = 4;
using PsKeyValue = std::uint8_t[kPsKeyBytes];

// Major x 10 + minor of a unit whose version key is unreadable or holds 0:
// per product id, from the key 659 for three models (nullptr: not readable).
int DefaultDfuVersionValue(int unitProductId, const PsKeyValue* key659);

// The firmware version a DFU-family unit reports: key 676 (nullptr when it
// could not be read) and, for the default, key 659.
DeviceVersion ReadDfuUnitVersion(int unitProductId, const PsKeyValue* key676, const PsKeyValue* key659);

struct PsKeyWrite {
    int key;
    std::vector<std::uint8_t> bytes;
};

// Keys written before the update of the recognised unit: the version key
// cleared at firmware 3.2, then keys 664 and 665, for eight models.
std::vector<PsKeyWrite> DfuKeyWritesBeforeUpdate(int modelCode, const DeviceConfig& unit);

// The USB check after the DFU-family scan (count of units found, the first two
// product ids). A unit rebooted into DFU mode by the manager must show as a
// family unit in DFU mode; 0x5310 needs both of its units.
bool DfuUsbCheckPasses(int modelCode, int usbStatus, bool rebootedIntoDfu, int count, const int (&ids)[2]);

// Whether the unit is back in normal mode after the update: the scan shows it
// under a normal-mode id (the unit of the engine in use for 0x5310).
bool DfuUnitReady(int modelCode, int activeEngine, int count, const int (&ids)[2]);

// Models whose manager reboots the unit into DFU mode first, and the unit's
// product id in that mode (other ids stay).
bool RebootsIntoDfu(int modelCode);
int DfuModeUsbStatus(int usbStatus);
