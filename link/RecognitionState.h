#pragma once
// The part of the main window's state that a recognition reads and writes.
// The two roads work on this plain record so that they run and are tested
// without a window; the page copies it in before a road and back after it.

#include "device/DeviceConfig.h"
#include "device/ModelCatalogue.h"

// Result of a recognition; what each code means to the user is the page's.
enum RecognitionResult {
    kRecognitionIdentified = 0,
    kRecognitionIdentifiedDfuMode = 1,
    kRecognitionNothingFound = 2,
    kRecognitionOtherDevice = 3,
    kRecognitionTooManyUsbDevices = 6,
    kRecognitionTooManyLibraryDevices = 8,
    kRecognitionModeMismatch = 9,
    kRecognitionCameraDriveMissing = 10,
};

struct RecognitionState {
    int m_modelCode = 0; // the target model; the roads rewrite it
    int m_recognized = 0;
    int m_usbStatus = 0; // USB product id of the unit; 0x8000 and above: DFU mode
    DeviceConfig m_device;
    int m_settingsPageCount = 0;
    int m_settingsPages[kSettingsPageSlots] = {};
    int m_settingsPageIndex = 0;
};
