#include "usbprobe/UsbProbeApp.h"

#include "usbprobe/UsbProbeDlg.h"

CUsbProbeApp theApp;

BOOL CUsbProbeApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    // The eight oldest control classes (0xFF) are kept as they are: every control the
    // windows use is among them, and a wider mask would change nothing the user sees.
    controls.dwICC = 0xFF;
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    // Kept as it is although it reads like a placeholder: settings stored under
    // this key by earlier installations must still be found.
    SetRegistryKey(L"Local AppWizard-Generated Applications");
    CUsbProbeDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // Returning FALSE ends the program when the dialog closes.
    return FALSE;
}
