#pragma once
// Driving the common save dialog that a window opens in its own modal loop: a
// thread timer finds it, notes the name it proposes and saves under the name
// given (or cancels), and answers the overwrite question with Yes.
#include <windows.h>

#include <string>

namespace savewatch {

struct Plan {
    std::wstring path; // empty: cancel
    std::wstring proposedName;
    int seen = 0;
};
inline Plan g_plan;
inline UINT_PTR g_timer = 0;

// The file name box: a combo box's edit (0x47C) or a plain edit (0x480).
inline int NameBox(HWND dialog)
{
    return ::GetDlgItem(dialog, 0x47C) ? 0x47C : (::GetDlgItem(dialog, 0x480) ? 0x480 : 0);
}

inline BOOL CALLBACK FindDialog(HWND hwnd, LPARAM out)
{
    wchar_t name[16] = {};
    ::GetClassNameW(hwnd, name, 16);
    if (std::wstring(name) == L"#32770" && ::IsWindowVisible(hwnd) && (NameBox(hwnd) || ::GetDlgItem(hwnd, IDYES))) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

inline void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    const int nameBox = NameBox(dialog);
    if (!nameBox) {
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
        return;
    }
    if (g_plan.seen > 0)
        return;
    ++g_plan.seen;
    wchar_t text[MAX_PATH] = {};
    ::GetDlgItemTextW(dialog, nameBox, text, MAX_PATH);
    g_plan.proposedName = text;
    if (g_plan.path.empty()) {
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    ::SetDlgItemTextW(dialog, nameBox, g_plan.path.c_str());
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// The next save dialog saves under path (a name alone saves into the folder it opened in).
inline void SaveAs(const std::wstring& path)
{
    g_plan = Plan{};
    g_plan.path = path;
    if (!g_timer)
        g_timer = ::SetTimer(nullptr, 0, 80, Watch);
}

inline void Stop()
{
    if (g_timer)
        ::KillTimer(nullptr, g_timer);
    g_timer = 0;
}

} // namespace savewatch
