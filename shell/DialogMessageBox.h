#pragma once
#include "afx/afxwin.h"
#include "device/FirmwareInfo.h"

#include <memory>

class CMainDialog;

// The program's only message box: a message, a picture (the product logo on
// white, or a warning sign on orange), up to three caller-labelled buttons and
// a caller-given size. Modal, or modeless as a firmware job's progress popup,
// which the job record takes down.
class CDialogMessageBox : public CDialog, public FirmwarePopup {
public:
    // Without a parent the box still belongs to the main window.
    explicit CDialogMessageBox(CWnd* parent = nullptr);
    ~CDialogMessageBox() override;

    // Labels are given by pointer; a null label hides its button.
    void SetContent(const CString& message, int iconKind, const CString* button2, const CString* button1, CSize size);
    // Button 3 is the release-notes button.
    void SetContentWithLink(const CString& message, int iconKind, const CString* button3, const CString* button2,
                            const CString* button1, CSize size);
    void SetContentEx(const CString& message, int iconKind, const CString* button3, const CString* button2,
                      const CString* button1, CSize size, int ownerFlag);

    // The modeless popup: the window from the template, owned by the main
    // window, at the given size centred over it.
    BOOL CreatePopup();
    void DestroyPopupWindow() override;

    // How long OK waits after the camera's update before it closes the box.
    static const DWORD kCameraPauseMs = 10000;
    static void SetCameraPauseForTests(DWORD ms);

    // The release-notes page on the firmware server.
    static std::wstring ReleaseNotesUrl();

    CString m_message;
    int m_iconKind = 0;
    int m_showButton1 = 0;
    int m_showButton2 = 0;
    int m_showButton3 = 0;
    CString m_labelButton3;
    CString m_labelButton2;
    CString m_labelButton1;
    CSize m_size;
    int m_ownerFlag = 0;

    CStatic m_icon;
    CStatic m_text;
    CButton m_button1;
    CButton m_button2;
    CButton m_button3;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg void OnReleaseNotes();

    DECLARE_MESSAGE_MAP()

private:
    CMainDialog* MainDialog() const;
    // Dispatches the thread's messages for the time given. False when a quit
    // message came meanwhile (it is posted again for the loop that owns it).
    static bool WaitPumpingMessages(DWORD ms);

    CWnd* m_owner = nullptr;
    CFont m_boldFont;
    CBitmap m_picture;
    // Cleared when the object goes, so a wait that outlives the box touches nothing.
    std::shared_ptr<bool> m_alive;
};
