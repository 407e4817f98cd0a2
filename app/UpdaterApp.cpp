#include "app/UpdaterApp.h"

#include "app/UpdaterDlg.h"

BOOL CUpdaterApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    // The rich-edit control; a missing library is not reported.
    ::LoadLibraryW(L"msftedit.dll");
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    CUpdaterDlg dialog;
    dialog.DoModal();
    // Returning FALSE ends the program instead of running a message loop.
    return FALSE;
}
