#include "usbprobe/UsbProbeApp.h"

#include "usbprobe/UsbProbeDlg.h"

CUsbProbeApp theApp;

BOOL CUsbProbeApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    SetRegistryKey(L"Local AppWizard-Generated Applications");
    CUsbProbeDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // Returning FALSE ends the program when the dialog closes.
    return FALSE;
}
