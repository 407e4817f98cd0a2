#include "shell/MainDialog.h"

CMainDialog* GetMainDialog(const CWnd* wnd)
{
    if (!wnd || !wnd->m_hWnd)
        return nullptr;
    HWND parent = ::GetParent(wnd->m_hWnd);
    HWND grandparent = parent ? ::GetParent(parent) : nullptr;
    return dynamic_cast<CMainDialog*>(CWnd::FromHandlePermanent(grandparent));
}
