#pragma once
// What each settings page sends to the unit, decided without touching it: the
// HID requests of the unit's family with their version checks, or the
// persistent-store keys of a unit on the DFU library. The runners
// (settings/SettingsWriteRun.h) carry a plan out and check every step.

#include <cstdint>
#include <vector>

#include "device/DeviceConfig.h"

enum class SettingsWriterPage { Basic, FmRadio, SpeedDial };

// The two command channels of the main window.
enum HidWriteChannel { kHidWritePrimary = 0, kHidWriteSecondary = 1 };

// Which recorded version a channel's version reply must equal.
enum class HidExpectedVersion { Firmware, Chip1, Chip2 };

struct HidVersionCheck {
    int channel;
    HidExpectedVersion expected;
};

struct HidWriteRequest {
    int channel;
    int command; // 0x04 write group, 0x11 commit the group just written
    int group;
    std::vector<std::uint16_t> words; // a commit carries the words of the write before it
};

struct HidWritePlan {
    std::vector<HidVersionCheck> checks;
    std::vector<HidWriteRequest> requests;
    // Speed dials: every request is sent whatever the earlier ones answered;
    // an unacknowledged one still fails the write at the end.
    bool sendAll = false;
};

// False when the model is not written over HID (the store path then applies).
bool PlanHidWrite(SettingsWriterPage page, int modelCode, const DeviceConfig& live, const DeviceConfig& working,
                  HidWritePlan* plan);

struct PsKeyWrite {
    std::uint16_t key;
    std::vector<std::uint8_t> bytes; // the length argument is the size
};

struct StoreWritePlan {
    // Units needed on the USB scan, and units counted before the walk stops.
    int unitsNeeded = 1;
    std::vector<PsKeyWrite> writes;
    // Speed dials: every key is written whatever the earlier ones answered.
    bool writeAll = false;
    // The page differs from the unit record but the model keeps no key for
    // what changed: nothing can carry the change, so the write fails.
    bool unwritableChange = false;
};

StoreWritePlan PlanStoreWrite(SettingsWriterPage page, int modelCode, const DeviceConfig& live,
                              const DeviceConfig& working);

// The FM block: identifier, current frequency and preset, the presets, RDS,
// region; 15 words, or 11 with six presets.
std::vector<std::uint16_t> FmBlockWords(const DeviceConfig& record, std::uint16_t identifier, int presets);

// A speed-dial number as sent over HID: one word per character, at most 20.
std::vector<std::uint16_t> SpeedDialWords(const std::wstring& number);

// The audio channel timeout as key 682 takes it: milliseconds of the seconds
// held to 3 to 60.
std::uint16_t AudioChannelTimeoutMs(int seconds);
