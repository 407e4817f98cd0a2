#pragma once
// The state the main window shares with its pages, below the windows: the
// rules over it are plain functions tested natively, and the main window
// derives from it, so a page still reads main->m_page. Written on the UI
// thread; a firmware job's worker gets what it needs of it as a value when it
// starts (firmware/FirmwareJob.h) and never reads it afterwards.

#include <atomic>

#include "afx/afxstr.h"
#include "core/UiLanguageRow.h"
#include "device/DeviceConfig.h"
#include "device/ModelCatalogue.h"
#include "link/HidDeviceSeam.h"

// Category of settings page 5, 6 or 7 (1 Basic, 3 FM Radio, 2 Speed Dial); 0
// for any other page.
int CategoryOfSettingsPage(int page);

class ManagerState {
public:
    ManagerState() = default;
    ManagerState(const ManagerState&) = delete;
    ManagerState& operator=(const ManagerState&) = delete;

    // Status line: the text of the current UI language.
    CString GetStatusText() const;
    // A language outside 0 to 12 stores nothing.
    void SetStatusTextForLanguage(const CString& text, int language);
    // Fill all 13 texts for the page on show and return the current one.
    CString BuildReadyStatus();
    CString BuildInProgressStatus();

    // No settings categories, none shown, the drop list closed.
    void ResetSettingsPageList();
    // Index in m_settingsPages of the category of page 5, 6 or 7; -1 when the
    // unit does not offer it or for any other page.
    int FindSettingsPageIndex(int page) const;
    // Whether a found product id counts as the chosen target model.
    int IsTargetDevice(int productId) const;

    // Shared state, in the order the pages and the frame rely on.
    int m_page = 0; // 1 to 7; 0 before the first page shows
    int m_recognized = 0;
    HidHandle m_hidPrimary = nullptr;
    HidHandle m_hidSecondary = nullptr;
    int m_settingsPageCount = 0;
    int m_settingsPages[kSettingsPageSlots] = {0, 0, 0};
    int m_settingsPageIndex = 0;
    int m_dropListOpen = 0;
    int m_modelCode = 0; // the target product id; 0 when none is chosen
    int m_cameraWaitPending = 0;
    // A job's worker waits for the user's OK after a failed backup: the
    // progress timer sets this for it, and the backup popup's OK clears it.
    std::atomic<int> m_waitForUser{0};
    CString m_managerVersionText;
    int m_uiLanguage = 0;
    int m_applyToFirmwareLanguage = 0;
    CString m_firmwareLanguage;
    CString m_statusText[kUiLanguageCount];
    CString m_currentPath;
    int m_usbStatus = 0; // 0x8000 or more: the unit is in its DFU mode
    // Refuses commands, page switches and closing while an operation runs;
    // the update page clears it when its job ends.
    std::atomic<int> m_busy{0};
    int m_statusIconFlag = 1;
    int m_progress = -1; // percent; -1 hides the progress display
    DeviceConfig m_device;
};
