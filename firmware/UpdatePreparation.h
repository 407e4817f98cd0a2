#pragma once
// The checks an update makes before anything is sent: that the unit on USB is
// the recognised one with the recognised firmware (over its HID channels, or
// over the DFU library's persistent store), the commands and waits some units
// need first, the image checks and the settings archive; and the road's start
// decided as one value. Portable: the units are reached through the HID seam
// and the DFU library, the rest through a small host.

#include <cstdint>
#include <string>

#include "device/DeviceConfig.h"
#include "firmware/FirmwareJob.h"
#include "firmware/JobTexts.h"
#include "firmware/UpdateRoads.h"
#include "link/HidDeviceSeam.h"

class DfuLibraryAccess;

// What the preparation needs of the system beside the HID seam, the DFU
// library and the files.
class PreparationHost {
public:
    virtual ~PreparationHost() = default;
    // The maker's DFU-family units on USB: how many there are; the first two
    // product ids go to ids.
    virtual int ScanDfuUnits(int (&ids)[2]) = 0;
    // One of the preparation's fixed waits (a unit restarting); the page keeps
    // painting and shows the wait cursor meanwhile.
    virtual void Wait(int milliseconds) = 0;
};

enum class PreparationEnd {
    kFailed,      // the job ends with the outcome's texts
    kStartWorker, // the road's worker takes the job on its own thread
    kStartDfu,    // the DFU library takes the job on the page's thread
};

struct PreparationOutcome {
    PreparationEnd end = PreparationEnd::kFailed;
    UpdateRoad road = UpdateRoad::kDfu;
    // The 13 texts the job shows from here on: the failure's, or the DFU
    // road's transfer under way.
    LanguageTexts texts;
    // A failure's flag: 1, or 2 when the unit on USB is not the recognised one.
    int failed = 1;
    // The failure's error-site tag ("[9][2]"), also part of the texts.
    std::wstring tag;
    // The image the DFU engines take: the job's, or the camera package's
    // Bluetooth part unpacked beside the program.
    std::wstring imagePath;
};

// The preparation of an update or restore of the context's model, whose
// image is imagePath. It opens, closes and reopens the context's command
// channels and turns its USB status into the DFU-mode id where it reboots the
// unit; the caller hands both back to the main window whatever the outcome.
// The second phase takes the DFU road from its USB check on, without the
// reboot step, the archive and error-site tags.
PreparationOutcome PrepareFirmwareJob(JobContext& context, const std::wstring& imagePath, bool secondPhase,
                                      PreparationHost& host);

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
