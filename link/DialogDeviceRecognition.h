#pragma once
#include <memory>

#include "shell/PageDialog.h"
#include "device/DeviceConfig.h"

// Page 2, device recognition: how to connect the headset, and the procedure
// that finds and reads the unit once the user presses NEXT.
class CDialogDeviceRecognition : public CWaitCursorPage {
public:
    explicit CDialogDeviceRecognition(CWnd* parent = nullptr);
    ~CDialogDeviceRecognition() override;

    // The page to show after the next successful recognition: 3 to 7 that
    // page, above 100 the page less 100 through the frame's switch; 0 for the
    // default road (the update page).
    int m_nextPage = 0;
    int m_entryMode = 0;
    CStatic m_instructionText;

    void EnterPage(int mode);
    void RefreshPage();

    // Finds the unit, reads it into the main window's live record (writing
    // record to it first when given) and acts on the result: status texts,
    // message boxes, page switch. Returns the result code.
    int RecognizeDevice(const DeviceConfig* record, int showMessages);

    // The finders, gates and state query over the main window's channels
    // and model code.
    int FindHidDfuDevice();
    int FindHidDevice(int storeInMainWindow, int* modelCodeOut, HANDLE pair[2]);
    int IsAddressAboveThreshold(const CString& address);
    int IsAddressInRange(const CString& address);
    int IsAddressInEitherRange(const CString& address);
    int QueryDeviceState();

    // Texts in the main window's UI language.
    CString GetTextPressNextStep(int step);
    CString GetTextConnectInstructions();
    CString GetTextContactSupport();
    CString GetTextUnexpectedInterfaceCount(int obtained, int result);
    CString GetTextUsbInterfaceProblem();
    CString GetTextOtherDeviceRecognized();

    // A restore's record that a silent recognition could not write: a NEXT on
    // this page recognises with it, so the archived settings still reach the
    // unit once it shows up. Dropped on success and on every entry to the page.
    const DeviceConfig* PendingRecord() const { return m_pendingRecord.get(); }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    DECLARE_MESSAGE_MAP()

private:
    int UiLanguage() const;
    // The message box of a result (a RecognitionBox); the mail link on its
    // second button.
    void ShowResultBox(int box, int result);

    CFont m_boldFont; // the instruction text's, for the page's life
    std::unique_ptr<DeviceConfig> m_pendingRecord;
};
