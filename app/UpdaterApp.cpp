#include "app/UpdaterApp.h"

#include "app/UpdaterDlg.h"

BOOL CUpdaterApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    // The eight oldest control classes (0xFF) are kept as they are: every control the
    // windows use is among them, and a wider mask would change nothing the user sees.
    controls.dwICC = 0xFF;
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    // The rich-edit control; a missing library is not reported.
    ::LoadLibraryW(L"msftedit.dll");
    // Kept as it is although it reads like a placeholder: settings stored under
    // this key by earlier installations must still be found.
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    CUpdaterDlg dialog;
    dialog.DoModal();
    // Returning FALSE ends the program instead of running a message loop.
    return FALSE;
}
