#include "shell/MainDialog.h"

#include <atomic>

namespace {

// Written by the UI thread when the main window is made and destroyed; read by
// any thread that posts.
std::atomic<HWND> g_mainWindow{nullptr};

} // namespace

CMainDialog* GetMainDialog(const CWnd* wnd)
{
    if (!wnd || !wnd->m_hWnd)
        return nullptr;
    HWND parent = ::GetParent(wnd->m_hWnd);
    HWND grandparent = parent ? ::GetParent(parent) : nullptr;
    return dynamic_cast<CMainDialog*>(CWnd::FromHandlePermanent(grandparent));
}

void SetMainWindowHandle(HWND hwnd)
{
    g_mainWindow.store(hwnd);
}

HWND GetMainWindowHandle()
{
    return g_mainWindow.load();
}

BOOL PostToMainWindow(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = g_mainWindow.load();
    return hwnd ? ::PostMessageW(hwnd, message, wParam, lParam) : FALSE;
}
