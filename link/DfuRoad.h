#pragma once
// The road to a DFU-family unit: the DFU library lists the units, the road
// connects to each that belongs to the maker's DFU family, reads its
// persistent-store keys per model into the live record and decides the
// result. Everything here is portable; the Windows side only adapts the
// library to DfuLibraryAccess.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "device/DeviceConfig.h"
#include "link/RecognitionState.h"

// Key access of the connected unit. Byte counts are even; the buffer holds
// the key's 16-bit words little-endian.
class PsKeyAccess {
public:
    // True when buffer now holds the key.
    virtual bool GetKey(std::uint16_t key, std::uint8_t* buffer, int bytes) = 0;
    // True when the unit took the value. Recognition does not look at it (a
    // unit that refuses a repair is read back as it is); the settings writers
    // fail on a refusal.
    virtual bool SetKey(std::uint16_t key, const std::uint8_t* buffer, int bytes) = 0;

protected:
    ~PsKeyAccess() = default;
};

// The DFU library as the road walks it: its device list, the path behind a
// name and the connection that key access then goes to.
class DfuLibraryAccess : public PsKeyAccess {
public:
    virtual std::vector<std::wstring> EnumerateDevices() = 0;
    virtual std::wstring PathInternal(const std::wstring& name) = 0;
    virtual bool ConnectDevice(const std::wstring& path) = 0;

    virtual ~DfuLibraryAccess() = default;
};

// What the USB scan saw of the DFU family: the count and the first two ids.
struct DfuScan {
    int count = 0;
    int productIds[2] = {};
};

// Counters of one run, for the final count check.
struct DfuRoadCounts {
    int matched = 0;
    int connected = 0;
    int notConnected = 0;
};

// The values gathered from one unit before they are stored.
struct DfuUnitValues {
    int modelWord = 0;
    bool modelWordRead = false;
    std::wstring name;
    std::wstring address;
    DeviceVersion version; // extra stays 0
    int handsfreeVox = 0;
    int intercomVox = 0;
    int edr = 0;
    int voicePrompt = 0;
    int plc = 0;
    int bitpoolRate = 0;
    int microphoneBoost = 0;
    int sidetone = 0;
    int hushguard = 0;
    int autoGainControl = 0;
    int radioTransmitGain = 0;
    int audioChannelTimeout = 0;
    int fmMagicCode = 0;
    int fmCurrentFrequency = 0;
    int fmCurrentPreset = 0;
    int fmPresets[kFmPresetCount] = {};
    int fmRds = 0;
    int fmRegion = 0;
    std::wstring speedDial[kSpeedDialCount];
};

// Asks whether a removable drive holds the camera's marker file.
using CameraDriveProbe = std::function<bool()>;

// Reads one connected unit (model word, camera drive, key reads, version,
// write-back, the model's groups) into values. targetModel is the road's
// model code: it picks the keys written back and decides the target check.
// Returns 0 for the target, 3 for another model, 10 for the camera without
// its drive.
int ReadDfuUnit(PsKeyAccess& keys, int targetModel, const DeviceConfig* record, const CameraDriveProbe& cameraDrive,
                DfuUnitValues* values);

// The firmware version of a connected unit of this model word from keys 676
// and 659 (extra stays 0). With repair set, a key 659 left over from an older
// firmware is cleared on the unit as recognition does; the settings writers
// read the same version without writing anything.
DeviceVersion ReadDfuVersion(PsKeyAccess& keys, int modelWord, bool repair);

// Stores the gathered values into the live record and marks the unit
// recognised (the settings words and hardware numbers stay as they were).
void StoreDfuUnit(const DfuUnitValues& values, int firstScannedId, RecognitionState& state);

// The walk over the library's list for one run. The scan is taken after the
// library has listed its devices. Returns the result before the final count
// check.
int RunDfuRoad(DfuLibraryAccess& library, const std::function<DfuScan()>& scan, const DeviceConfig* record,
               const CameraDriveProbe& cameraDrive, RecognitionState& state, DfuScan* scanned, DfuRoadCounts* counts);

// The final check of a successful run (0 or 1): more than one scanned unit
// gives 6; a scan and a library that disagree on the unit's mode give 9.
int DfuFinalCountCheck(int result, const DfuScan& scan, const DfuRoadCounts& counts);
