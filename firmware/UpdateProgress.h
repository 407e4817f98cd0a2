#pragma once
// How the update page's progress timer turns a running job into a percentage:
// elapsed ticks against a per-model time budget, rule by rule, and what each
// tick asks of the window (popups, stop, success, failure).

// Ticks (one second each) a model's update is given for its three phases.
struct ProgressBudget {
    int restart;
    int transfer;
    int finish;
};

ProgressBudget FindProgressBudget(int modelCode);

enum class TransferRule {
    kCountTo77,    // HID transfer, capped at 77 %
    kCountTo97,    // HID transfer of the loader models, capped at 97 %
    kHoldTransfer, // counts only while the unit needs no button held
    kTwoChip,      // one percent a tick; the microcontroller must have begun by 50-55 %
    kDfuTransfer,  // counts while the DFU step reports no progress of its own
};

enum class FinishRule {
    kCountTo98,  // continues from the transfer budget up to 98 %
    kHoldFinish, // as kCountTo98 while no button is to be held
    kDfuFinish,  // 90 % and up; ends the job after the wait at 98 % runs out
};

enum class BackupFailedRule {
    kBackupPopup, // the worker waits for the user's OK in the backup popup
    kNoChange,    // no worker of the model reports a failed backup
};

enum class ClosingAdvice {
    kNone,
    kPairing,    // clear the phone's pairing and configure again
    kPowerCycle, // power the unit off and on
    kCameraSteps // unplug, let the camera install, plug in, OK
};

struct ProgressRules {
    int checksPassedPercent;       // shown in state 5
    TransferRule transfer;         // state 7
    FinishRule finish;             // state 9
    bool delayedCount;             // the camera models hold back their first counts
    BackupFailedRule backupFailed; // state 11
    ClosingAdvice advice;
};

ProgressRules FindProgressRules(int modelCode);

// The job and page values one tick reads; the counters are read and written.
struct ProgressTickInput {
    int modelCode = 0;
    int state = 0;
    bool popupOpen = false;
    int holdButtonFlag = 0;
    int secondChipDone = 0;
    int timedProgress = 0;
    int activeEngine = 0; // model 0x5310: 2 once the second chip's engine runs
};

struct ProgressCounters {
    int progress = 0; // the job's percent; negative after a reset
    int phaseTicks = 0;
    int stallTicks = 0;
    int waitTicks = 0;   // ticks at the 98 % cap of a DFU finish
    int cameraDelay = 0; // the process-wide camera tick delay counter
};

// What the tick asks of the window besides the new counters.
enum ProgressAction : unsigned {
    kProgressShowBackupPopup = 1u << 0, // when none is open
    kProgressShowHoldPopup = 1u << 1,   // when none is open
    kProgressClosePopup = 1u << 2,
    kProgressFailTwoChip = 1u << 3, // the two-chip microcontroller step never began
    kProgressSucceed = 1u << 4,     // the wait at 98 % ran out: the job succeeds
    kProgressAwaitUnit = 1u << 5,   // the wait for the unit runs (started when it does not)
};

struct ProgressTickResult {
    unsigned actions = 0;
    bool publish = false;  // whether the main window's percent is written
    int shownProgress = 0; // the main window's percent when published
};

// One tick of a job that has not finished. A negative progress (a reset
// record) changes nothing and publishes nothing.
ProgressTickResult StepProgress(const ProgressTickInput& input, ProgressCounters& counters);

// Timer 205's bound on the wait for the unit after the transfer: ticks of
// 500 ms, ten minutes in all.
constexpr int kDeviceWaitTickLimit = 1200;

enum class DeviceWaitStep {
    kKeepWaiting,
    kReady,
    kGiveUp, // the job fails: the unit did not come back
};

// One tick of the wait; ticks counts the ticks spent so far.
DeviceWaitStep StepDeviceWait(bool deviceReady, int& ticks);
