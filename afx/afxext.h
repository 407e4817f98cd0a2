#pragma once
// Up-down controls.
#include "afx/afxwin.h"

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(short lower, short upper)
    {
        SendMessage(UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(upper), static_cast<WORD>(lower)));
    }
    // The low word is the position; a non-zero high word reports that the buddy's text is no
    // position in range.
    DWORD GetPos() const { return static_cast<DWORD>(SendMessage(UDM_GETPOS)); }
    int SetPos(int position) { return static_cast<int>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(position, 0))); }
};
