#pragma once
// Every wait and retry bound of the update roads, in one place, so that a
// reader can see how long any road can keep the unit or the user waiting.

#include <cstddef>
#include <cstdint>

// DFU road. The start always waits for the unit to settle; three models need
// the user to switch the unit into DFU mode by hand, which is given ten
// minutes. A running engine step that sends nothing for ten minutes is
// taken for a library that hung.
constexpr int kDfuStartWaitMs = 3000;
constexpr int kDfuDeviceWaitTries = 600;
constexpr int kDfuDeviceWaitPauseMs = 1000;
constexpr std::uint64_t kDfuSilentEngineMs = 10u * 60u * 1000u;
// A unit recognised in DFU mode reports no button hold; the popup is shown
// again after this many transfer notifications.
constexpr int kDfuPopupEveryActivities = 20;

// The preparation's reboots. A HID unit told to restart into its update mode
// is looked for again after three seconds. A unit of the three models the
// manager reboots into DFU mode leaves the bus, restarts and enumerates in
// its DFU mode within ten seconds, and is given one more to settle; one
// already in DFU mode is given a second before the USB check.
constexpr int kHidRebootWaitMs = 3000;
inline constexpr int kDfuRebootWaitsMs[] = {3000, 4000, 3000};
constexpr int kDfuRebootSettleMs = 1000;
constexpr int kDfuModeSettleMs = 1000;

// HID image workers. The unit installs the image after the section end and
// reports ready on the status poll; five minutes is far more than any unit
// takes, and a failed exchange is retried after a pause rather than at once.
constexpr int kReadyPollLimitMs = 5 * 60 * 1000;
constexpr int kReadyPollPauseMs = 500;
constexpr int kImageRestartWaitMs = 65000;
constexpr int kPairRestartWaitMs = 5000;
// After a failed settings backup the worker waits for the user's OK, however
// long that takes, looking once a second.
constexpr int kBackupPopupFirstWaitMs = 5000;
constexpr int kBackupPopupPollMs = 1000;

// Loader road. The handle polls wait for the unit to enumerate again; a
// chunk whose check keeps failing is sent again at most ten times, and a
// section whose check fails goes again from its start five times.
constexpr int kLoaderHandleTries = 100;
constexpr int kLoaderHandlePauseMs = 1000;
constexpr int kLoaderRebootWaitMs = 6000;
constexpr int kLoaderSecondRebootWaitMs = 8000;
constexpr int kLoaderRestartPauseMs = 1000;
constexpr int kLoaderChunkResends = 10;
constexpr int kLoaderSectionRetries = 5;

// Two-chip road. The flash loader prints its way through a download of a
// few seconds; one that is still running after five minutes is stopped, and
// its output up to then decides.
constexpr int kFlashLoaderRunLimitMs = 5 * 60 * 1000;
// The two-chip worker's own HID pair is reopened up to twenty times a second
// apart; the unit is given its fixed pauses around the flash loader and the
// finish.
constexpr int kDualChipReopenTries = 20;
constexpr int kDualChipReopenPauseMs = 1000;
constexpr int kDualChipCommandPauseMs = 1000;
constexpr int kDualChipLoaderPauseMs = 2000;
constexpr int kDualChipFinishWaitMs = 10000;

// Camera road. The camera offers and withdraws its card at its own pace; the
// polls and passes below are what it is given. The unit's restart poll after
// the transfer is bounded like the other HID workers'.
constexpr int kCameraPollAttempts = 30;
constexpr int kCameraExtraReleaseAttempts = 100;
constexpr int kCameraFailedPollIndex = 5;
constexpr int kCameraSearchPasses = 70;
constexpr int kCameraVersionPasses = 200;
constexpr int kCameraPollPauseMs = 500;
constexpr int kCameraStatePauseMs = 1000;
constexpr int kCameraDriveSettleMs = 10000;
constexpr int kCameraAfterSearchMs = 1000;
constexpr int kCameraBeforeReleaseMs = 2000;
constexpr int kCameraInstallWaitMs = 15000;
constexpr int kCameraExtraCycleWaitMs = 30000;
constexpr int kCameraExtraRequestPauseMs = 5000;
constexpr int kCameraBeforeVersionReadMs = 2000;
constexpr int kCameraBeforeFinalReleaseMs = 3000;
constexpr int kCameraDirectFinishPauseMs = 500;

// Settings archive. An archive is 61 lines of a few dozen characters (a few
// KiB with the longest device name and speed-dial numbers); a file beyond this
// is no archive, and is refused rather than read into memory whole.
constexpr std::size_t kSettingsArchiveMaxBytes = 1024u * 1024u;
