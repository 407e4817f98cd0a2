#include "shell/PageDialog.h"

#include "shell/MainDialog.h"

BEGIN_MESSAGE_MAP(CWaitCursorPage, CPageDialog)
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

BOOL CWaitCursorPage::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    const CMainDialog* main = GetMainDialog(this);
    if (ShowsWaitCursor() && main != nullptr && main->m_busy) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CPageDialog::OnSetCursor(wnd, hitTest, message);
}
