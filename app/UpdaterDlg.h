#pragma once
#include "afx/afxwin.h"

#include <memory>

#include "app/ConfigurationStore.h"
#include "app/MainView.h"
#include "app/MyStatic.h"
#include "device/DeviceConfig.h"
#include "firmware/DialogFirmwareRestore.h"
#include "firmware/DialogFirmwareUpdate.h"
#include "link/DialogDeviceRecognition.h"
#include "link/DialogDeviceSelection.h"
#include "settings/DialogDeviceSetting.h"
#include "settings/DialogDeviceSettingSecond.h"
#include "settings/DialogDeviceSettingSpeedDial.h"
#include "standins/DFUEngine.h"
#include "shell/MainDialog.h"

// The manager's single main window: owns the state every page reads and
// writes, the live record of the recognised headset, the skin, the frame's
// controls and the seven pages, shown one at a time in the page area.
class CUpdaterDlg : public CMainDialog, public DFUEngine::Callback {
public:
    explicit CUpdaterDlg(CWnd* parent = nullptr);
    ~CUpdaterDlg() override;

    // No engine ever reports to the main window; the pages own their engines.
    void Notify(int, const DFUEngine::Status&) override {}
    void Progress(int, const DFUEngine::Status&) override {}
    void Complete(int, const DFUEngine::Status&) override {}

    // Page switches (page 1 to 7). showStatus: show the page's ready text.
    void ShowDeviceSelectionPage() override;
    void ShowDeviceRecognitionPage(int showStatus, const DeviceConfig* record, int nextPage) override;
    void ShowFirmwareUpdatePage(int showStatus) override;
    void ShowFirmwareRestorePage(int showStatus) override;
    void ShowDeviceSettingPage(int showStatus) override;
    void ShowDeviceSettingSecondPage(int showStatus) override;
    void ShowDeviceSettingSpeedDialPage(int showStatus) override;
    // The switch of page 1 to 7 with showStatus 1; any other number does nothing.
    void GoToPage(int page) override;
    void UpdatePageButtons();
    // Puts a picture of the visible page into the page area, for the drop list to open over.
    void CapturePageImage();

    // The HID channels of the recognised unit.
    void CloseDeviceHandles();
    void ResetDeviceHandles();

    // Status line: one text per UI language (ManagerState), the current one shown.
    void ShowStatusText(const CString& text, int failure) override;
    void ShowPageStatus();
    void RefreshStatusText();

    // The frame.
    void RefreshView() override;
    void UpdatePageCaptions();
    void FormatDeviceVersion();
    int GetDevicePictureId();
    void CreateFonts();
    void ApplyLanguage(int language, int applyToFirmwareLanguage);
    void SetToolTips();
    void ActivateToolTips();

    // The frame's own texts in the UI language.
    CString GetCaptionNext() const;
    CString GetCaptionBack() const;
    CString GetCaptionNewDevice() const;
    CString GetCaptionBackToPage() const;
    CString GetCaptionForwardToPage() const;
    CString GetCaptionUpdate() const;
    CString GetCaptionRestore() const;
    CString GetTextSave() const;
    CString GetTextSaveChangesPrompt() const;
    CString GetTextAbout() const;
    CString GetTextOnlineHelp() const;
    CString GetTextDiagnosticLog() const override;
    std::wstring SaveDialogFolder() const override;
    void RememberSaveFolder(const std::wstring& chosenPath) override;
    INT_PTR AskNewFirmware() override;
    void StartUpdateSecondPhase() override { m_pageFirmwareUpdate.StartUpdateSecondPhase(); }
    CDialogFirmwareUpdate* FirmwareUpdatePage() override { return &m_pageFirmwareUpdate; }
    CString GetTextClose() const;
    CString GetTextHoldButtonPrompt() const;
    CString GetTextHoldTwoButtonsPrompt() const;
    CString GetTextBackupFailed() const;

    // Configuration file and closing.
    void LoadConfiguration();
    BOOL SaveConfiguration();
    // What the last SaveConfiguration did with the file.
    ConfigurationWrite m_lastConfigurationWrite = ConfigurationWrite::NoFolder;

    // The window of page 1 to 7; nullptr for any other number.
    CDialog* GetPageWindow(int page);
    // The settings page 5 to 7; nullptr for any other number.
    CSettingsPageDialog* GetSettingsPage(int page);

    // Skin (app/UpdaterSkin.cpp): made with the window object.
    void LoadSkin();
    CBitmap m_bitmapWindowBackground;
    CBitmap m_bitmapPageBackground;
    CBitmap m_bitmapNoDevice;
    CBitmap m_bitmapProductLogo;
    CBitmap m_bitmapWarning;
    CBitmap m_flags[kUiLanguageCount];
    // The header's picture, model and version controls show the skin under
    // them: a pattern brush each, made at their first painting.
    CBrush m_headerBrushes[3];
    HBRUSH HeaderBrush(CWnd& control, int slot);
    // The window background as it lies under the control, in the control's size.
    HBITMAP SkinUnder(CWnd& control);

    // The frame's controls.
    CStatic m_background;
    CMyStatic m_devicePicture;
    CStatic m_deviceLine1;
    CStatic m_deviceLine2;
    CButton m_buttonAbout;
    CStatic m_languageFlag;
    CButton m_buttonClose;
    CButton m_buttonHome;
    CButton m_buttonDeviceRecognition;
    CButton m_buttonFirmwareUpdate;
    CButton m_buttonFirmwareRestore;
    CButton m_buttonDeviceSetting;
    CStatic m_breadcrumb;
    CStatic m_statusUpper;
    CStatic m_pageArea;
    CStatic m_statusLine;
    CButton m_buttonInformation;
    CButton m_buttonBack;
    CButton m_buttonApply;
    CButton m_buttonBackToUpdate;
    CButton m_buttonForwardToRestore;
    CProgressCtrl m_progressBar;
    CStatic m_percentSign;
    CStatic m_percentNumber;
    CButton m_buttonFirstSettingsPage;
    CButton m_buttonSettingsPageList;
    CListBox m_settingsPageList;

    // The seven pages, in page order.
    CDialogDeviceSelection m_pageDeviceSelection;
    CDialogDeviceRecognition m_pageDeviceRecognition;
    CDialogFirmwareUpdate m_pageFirmwareUpdate;
    CDialogFirmwareRestore m_pageFirmwareRestore;
    CDialogDeviceSetting m_pageDeviceSetting;
    CDialogDeviceSettingSecond m_pageDeviceSettingSecond;
    CDialogDeviceSettingSpeedDial m_pageDeviceSettingSpeedDial;

    CToolTipCtrl m_toolTip;
    HICON m_hIcon;

    // The frame's fonts: the bold copy of the dialog font and, in French and
    // German, a one step smaller one for the longest page titles. A new set
    // replaces the old only once every control uses it.
    struct FrameFonts {
        CFont bold;
        CFont smaller;
    };
    std::unique_ptr<FrameFonts> m_fonts;
    // Tools are added once; a change of language updates their texts.
    bool m_toolTipsAdded = false;
    // The state the unit of kStatePictureProduct reports, read once per
    // recognised unit while idle; -1 until then.
    int m_deviceState = -1;
    // The page-area picture of CapturePageImage, kept while the area shows it.
    CBitmap m_pageSnapshot;
    CBitmap m_devicePictureBitmap;
    int m_devicePictureId = 0;

protected:
    FrameFacts GetFrameFacts();
    bool BeginPageSwitch(int target);
    void EndPageSwitch(int showStatus);
    void ShowSettingsPage(int page, int showStatus);
    void ShowSettingsCategory(int category);
    void RefreshRestoreCategory();
    void ShowPageBackground();
    // Every frame command but the category list's waits while busy or while the list is open.
    bool FrameCommandsRefused() const;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnDestroy();
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT drawItem);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnClose();
    afx_msg void OnMenuExit();
    afx_msg void OnButtonNext();
    afx_msg void OnButtonBack();
    afx_msg void OnButtonHome();
    afx_msg void OnButtonDeviceRecognition();
    afx_msg void OnButtonFirmwareUpdate();
    afx_msg void OnButtonFirmwareRestore();
    afx_msg void OnButtonDeviceSetting();
    afx_msg void OnButtonApply();
    afx_msg void OnButtonFirstSettingsPage();
    afx_msg void OnButtonSettingsPageList();
    afx_msg void OnSelChangeSettingsPageList();

    // Secondary commands (app/UpdaterDlgCommands.cpp).
    afx_msg void OnContextMenu(CWnd* wnd, CPoint point);
    afx_msg void OnSysCommand(UINT id, LPARAM lParam);
    afx_msg void OnMenuAbout();
    afx_msg void OnButtonAbout();
    afx_msg void OnMenuOnlineHelp();
    afx_msg void OnLanguageManager();
    afx_msg void OnButtonInformation();
    afx_msg void OnMenuDiagnosticLog();

    DECLARE_MESSAGE_MAP()
};

// A rectangle lies inside another when both its corners do, by the system's
// point-in-rectangle rule (the outer right and bottom edges count as outside).
int RectInsideRect(const RECT& inner, const RECT& outer);
