#pragma once
// How the pages reach the main window without knowing app/: the main window is
// a CMainDialog, which holds the shared state (ManagerState), the frame's
// brushes and NEXT button that pages use, and the operations the pages call
// on it; app/'s CUpdaterDlg implements them.

#include "afx/afxwin.h"
#include "shell/ManagerState.h"

#include <string>

class CDialogFirmwareUpdate;

constexpr int kSkinBrushCount = 5;
// The two brushes the pages and the message box borrow: white, and the orange
// of warnings.
constexpr int kSkinBrushWhite = 0;
constexpr int kSkinBrushWarning = 4;

class CMainDialog : public CDialog, public ManagerState {
public:
    CMainDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

    // Page switches (page 1 to 7). showStatus: show the page's ready text.
    virtual void ShowDeviceSelectionPage() = 0;
    virtual void ShowDeviceRecognitionPage(int showStatus, const DeviceConfig* record, int nextPage) = 0;
    virtual void ShowFirmwareUpdatePage(int showStatus) = 0;
    virtual void ShowFirmwareRestorePage(int showStatus) = 0;
    virtual void ShowDeviceSettingPage(int showStatus) = 0;
    virtual void ShowDeviceSettingSecondPage(int showStatus) = 0;
    virtual void ShowDeviceSettingSpeedDialPage(int showStatus) = 0;
    // The switch of page 1 to 7 with showStatus 1; any other number does nothing.
    virtual void GoToPage(int page) = 0;

    // Shows a status text; failure 1 shows it on the orange of warnings.
    virtual void ShowStatusText(const CString& text, int failure) = 0;
    // Redraws the frame for the current page and state.
    virtual void RefreshView() = 0;
    // The frame's own menu text in the UI language.
    virtual CString GetTextDiagnosticLog() const = 0;
    // The folder a save dialog opens in: the one last chosen, else the IMG
    // folder beside the program.
    virtual std::wstring SaveDialogFolder() const = 0;
    // Keeps the folder of a path chosen in a save dialog for the next one.
    virtual void RememberSaveFolder(const std::wstring& chosenPath) = 0;
    // The firmware update page's second phase, which the message box's OK
    // starts for a model whose update does not go on by itself.
    virtual void StartUpdateSecondPhase() = 0;
    // The firmware update page, to which a restore hands its downloaded image;
    // null in a window without one.
    virtual CDialogFirmwareUpdate* FirmwareUpdatePage() { return nullptr; }
    // Asks whether to take the newer firmware the update page found on the
    // server; IDOK when the user takes it.
    virtual INT_PTR AskNewFirmware() { return IDCANCEL; }

    // The skin's brushes, made with the window.
    CBrush m_brushes[kSkinBrushCount];
    CButton m_buttonNext;
};

// The main window of a page or of a page's dialog: two parent levels above the
// window passed (page, page area, main window); code of a control on a page
// passes the page. Null when the window is not two levels below the main
// window. Usable from any thread: it only asks the window tree and the
// handle-to-object map. A worker that has it only reads guarded records and
// the atomic flags, and posts; it never calls the window's operations.
CMainDialog* GetMainDialog(const CWnd* wnd);

// The main window registers its handle while it exists (null when it goes),
// so any thread can post to it.
void SetMainWindowHandle(HWND hwnd);
HWND GetMainWindowHandle();
// Posts to the main window from any thread; FALSE when there is none or the
// post fails.
BOOL PostToMainWindow(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
