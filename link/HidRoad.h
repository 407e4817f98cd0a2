#pragma once
// The road to the unit with two vendor HID interfaces (0x2030 and 0x2040):
// identity, versions, address, hardware version, settings, FM block and speed
// dials over the command channel, each read with a fallback so that no
// failed exchange fails the recognition.

#include "device/DeviceConfig.h"
#include "link/HidChannel.h"
#include "link/HidChannel.h"
#include "link/HidDeviceSeam.h"
#include "link/RecognitionState.h"

// Fills state from the unit behind the two open channels and returns 0. When
// record is given and is of this unit's model, its settings are written to
// the unit first (results ignored), so the read that follows shows them. No
// exchange writes or waits past the deadline; those left then fail and take
// their fallbacks.
int RunHidRoad(HidHandle* primary, HidHandle* secondary, const DeviceConfig* record, RecognitionState& state,
               const HidDeadline& deadline = HidDeadline());
