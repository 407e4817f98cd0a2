#include "usbprobe/UsbProbeApp.h"

#include "usbprobe/UsbProbeDlg.h"

CUsbProbeApp theApp;

BOOL CUsbProbeApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    CUsbProbeDlg dialog;
    dialog.DoModal();
    return FALSE;
}
