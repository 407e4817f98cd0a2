#pragma once
// One recognition without its window: the HID road when both interfaces of
// the HID unit open, else the DFU road with its final count check.

#include <functional>
#include <memory>

#include "link/DfuRoad.h"
#include "link/HidDeviceSeam.h"
#include "link/RecognitionState.h"

struct RecognitionPlatform {
    // The main window's two channels; the HID road keeps them open, the DFU
    // road closes them first.
    HidHandle* primary = nullptr;
    HidHandle* secondary = nullptr;
    // Opens the DFU library for one run; it is released when the run ends.
    std::function<std::unique_ptr<DfuLibraryAccess>()> openDfuLibrary;
    std::function<DfuScan()> scanUsb;
    CameraDriveProbe cameraDrive;
};

// Returns the recognition's result code. The HID road's exchanges share one
// deadline (kHidRecognitionDeadlineMs), so a silent or endlessly busy unit
// ends the recognition with the fallbacks.
int RunRecognitionRoads(const DeviceConfig* record, RecognitionState& state, const RecognitionPlatform& platform);
