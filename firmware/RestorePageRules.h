#pragma once
// What the restore page shows of a settings archive: the texts of its backup
// information labels and which of its controls are visible, per model, settings
// category and archived firmware version.

#include <optional>
#include <string>

#include "device/DeviceConfig.h"

constexpr int kBackupInfoPairs = 6;

// The texts of labels 1012 to 1028 and their alignment. A pair a model and
// category does not use is not written and keeps its earlier text.
struct BackupInfoTexts {
    std::wstring title;                 // 1012
    std::wstring versionCaption;        // 1013
    bool versionCaptionCentred = false; // centred beside the voice-prompt combo, else right-aligned
    std::wstring versionValue;          // 1014
    std::wstring row0Caption;           // 1015: the date, or the FM region
    std::wstring row0Value;             // 1016
    // Captions of pairs 1 to 5 right-aligned; the FM block's preset lines are left-aligned.
    bool captionsRightAligned = true;
    std::optional<std::wstring> captions[kBackupInfoPairs]; // 1017, 1019, ... 1027
    std::optional<std::wstring> values[kBackupInfoPairs];   // 1018, 1020, ... 1028
};

// category: 1 Basic, 2 Speed Dial, 3 FM Radio, 0 when the model offers none.
// comboItems: the voice-prompt languages offered. An archive without a date
// (time 0) shows no date.
BackupInfoTexts BuildBackupInfoTexts(int modelCode, const DeviceConfig& archive, int category, int uiLanguage,
                                     int comboItems);

struct RestorePageVisibility {
    bool details = false;           // version and date lines (1013 to 1016)
    unsigned pairsShown = 0;        // bit k: pair k + 1
    bool listShown = false;         // the archived-settings list 1202
    bool comboShown = false;        // the voice-prompt combo 1034 and its caption 1167
    bool firstCaptionRight = false; // caption 1017 given back its right alignment
};

// Once the archive has been read: ready is the job record's details flag.
RestorePageVisibility DecideRestorePageVisibility(int modelCode, int category, const DeviceConfig& archive, int ready,
                                                  int comboItems);
