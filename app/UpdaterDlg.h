#pragma once
#include "afx/afxwin.h"

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
#include "text/UiLanguageRow.h"

constexpr int kSkinBrushCount = 5;
// The two brushes the message box borrows: white, and the orange of warnings.
constexpr int kSkinBrushWhite = 0;
constexpr int kSkinBrushWarning = 4;

// The manager's single main window: owns the state every page reads and
// writes, the live record of the recognised headset, the skin, the frame's
// controls and the seven pages, shown one at a time in the page area.
class CUpdaterDlg : public CDialog, public DFUEngine::Callback {
public:
    explicit CUpdaterDlg(CWnd* parent = nullptr);
    ~CUpdaterDlg() override;

    // No engine ever reports to the main window; the pages own their engines.
    void Notify(int, const DFUEngine::Status&) override {}
    void Progress(int, const DFUEngine::Status&) override {}
    void Complete(int, const DFUEngine::Status&) override {}

    // Page switches and the frame.
    void ShowDeviceSelectionPage();
    void UpdatePageButtons();
    void ResetSettingsPageList();
    int FindSettingsPageIndex(int page) const;
    void ResetDeviceHandles();
    void RefreshView();
    void CreateFonts();
    void LoadConfiguration();
    BOOL SaveConfiguration();
    void SetToolTips();
    void ActivateToolTips();
    int IsTargetDevice(int productId) const;
    // The window of page 1 to 7; nullptr for any other number.
    CDialog* GetPageWindow(int page);

    // Shared state, in the order the pages and the frame rely on.
    int m_page;
    int m_recognized;
    HANDLE m_hidPrimary;
    HANDLE m_hidSecondary;
    int m_settingsPageCount;
    int m_settingsPages[3];
    int m_settingsPageIndex;
    int m_dropListOpen;
    int m_modelCode;
    int m_cameraWaitPending;
    volatile int m_waitForUser;
    CString m_managerVersionText;
    int m_uiLanguage;
    int m_applyToFirmwareLanguage;
    CString m_firmwareLanguage;
    CString m_statusText[kUiLanguageCount];
    CString m_currentPath;
    int m_usbStatus;
    volatile int m_busy;
    int m_statusIconFlag;
    int m_progress;
    DeviceConfig m_device;

    // Skin.
    CBrush m_brushes[kSkinBrushCount];
    CBitmap m_bitmapWindowBackground;
    CBitmap m_bitmapPageBackground;
    CBitmap m_bitmapNoDevice;
    CBitmap m_bitmapProductLogo;
    CBitmap m_bitmapWarning;
    CBitmap m_flags[kUiLanguageCount];

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
    CButton m_buttonNext;
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

    // The fonts of the frame, made once the window shows.
    CFont m_fontNormal;
    CFont m_fontBold;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnTimer(UINT_PTR id);
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT drawItem);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnClose();

    DECLARE_MESSAGE_MAP()
};

// A rectangle lies inside another when both its corners do, by the system's
// point-in-rectangle rule (the outer right and bottom edges count as outside).
int RectInsideRect(const RECT& inner, const RECT& outer);
