#pragma once
// The record of one firmware job: the images the server offers, the image to
// flash, its version and how the job stands. Update workers write it and the
// update page's progress timer reads it, so it lives inside a firmware job
// (firmware/FirmwareJob.h), which hands it out only under its one lock or as
// a copy taken under it.

#include <array>
#include <string>
#include <vector>

#include "core/UiLanguageRow.h"

// The job's modeless progress popup. The job only needs to close it; the
// window itself belongs to the user interface.
class FirmwarePopup {
public:
    virtual ~FirmwarePopup() = default;
    // Destroys the popup's window; the job deletes the object afterwards.
    virtual void DestroyPopupWindow() = 0;
};

// Server version of the image; kind 1 a release candidate, kind 2 a build.
struct ImageVersion {
    int major = 0;
    int minor = 0;
    int kind = 0;
    int build = 0;
};

// Job states as the update workers and pages set them; the record itself
// sets only idle and reset-for-update.
enum FirmwareJobState {
    kJobIdle = 0,
    kJobResetForUpdate = 1,
    kJobDownloadingImage = 2,
    kJobUpdateStarted = 3,
    kJobImageRead = 4,
    kJobImageVerified = 5,
    kJobSecondEngineRestarting = 6,
    kJobTransferring = 7,
    kJobFinished = 9,
    kJobWaitingAfterBackupFailure = 11,
};

constexpr int kFirmwareFileSlotStep = 20;

// A plain value: its owner (the firmware job) guards it, so copies are
// snapshots and nothing in here takes a lock.
class FirmwareInfo {
public:
    FirmwareInfo();

    // Mode 3 readies the record for an update (state 1, version cleared); any
    // other mode makes it idle. Failure flag, image path and capacity survive.
    // The job closes its popup with it.
    void Reset(int mode);

    void AddLanguageFile(const std::wstring& fileName, const std::wstring& language);
    // Index of the first slot whose language equals the argument ignoring
    // case, else -1.
    int FindLanguage(const std::wstring& language) const;
    // The file and language of a filled slot; the empty text for any other
    // index (such as FindLanguage's -1).
    const std::wstring& FileName(int index) const;
    const std::wstring& FileLanguage(int index) const;

    // "a.b" into the version's major and minor; kind and build stay.
    int SetVersionText(const std::wstring& text);
    // "a.b.c.d" (the camera 0x3020's form) into all four parts.
    int SetVersionText4(const std::wstring& text);

    // A worker replaces all 13 status texts in one call and the progress timer
    // takes and empties them in one, each under the job's lock, so neither
    // ever sees half of one state and half of the next.
    // Status text of a UI language; a language outside 0 to 12 reads English.
    std::wstring StatusText(int language) const;
    // A language outside 0 to 12 stores nothing.
    void SetStatusText(int language, const std::wstring& text);
    void ReplaceStatusTexts(const LanguageTextSet& texts);
    LanguageTextSet StatusTexts() const;
    // The texts as they stand, leaving all 13 empty.
    LanguageTextSet TakeStatusTexts();

    int m_state = kJobIdle;
    std::wstring m_selectedFile;
    std::vector<std::wstring> m_files;     // m_capacity slots
    std::vector<std::wstring> m_languages; // parallel to m_files
    int m_capacity = 0;
    int m_count = 0;
    std::wstring m_imagePath;
    ImageVersion m_version;
    int m_clearedMark = 1; // restore page: its details are ready (RESTORE enabled)
    int m_progress = -10;  // percent; -10 while nothing runs
    // Read by the progress timer of the two-chip update, whose flash loader
    // sets it to 1 once the second chip's download is reported; nothing here
    // sets it, so it stays 0 until then.
    int m_spare = 0;
    int m_finished = 0;
    int m_failed = 0; // 1 error texts present, 2 unit gone
    // Set only where a job is declared successful; the job's end tests this,
    // never the progress that happens to stand at 100.
    int m_succeeded = 0;
    LanguageTextSet m_statusText;
    int m_waitFlag = 0;     // a worker waits for the user to hold the unit's button
    int m_counters[3] = {}; // progress-timer ticks: stall, phase, and one never read
    // Activity events of the DFU step counted since an engine step started, and
    // whether the progress timer itself advances the step's phase ticks (the
    // DFU sequence clears it once the engine reports its own progress). Both
    // restart with every transfer, from a worker as from the DFU sequence.
    int m_progressEventCount = 0;
    int m_timedProgress = 0;
    // A worker waits for the user's OK after a failed settings backup; the
    // progress timer hands the wait to the main window and back.
    int m_waitForUser = 0;

private:
    int FilledSlots() const;
};
