#pragma once
// Pumping messages in a Wine test program the way the modal loop does (the
// framework's pre-translation first), for a while or until a condition holds.
#include <windows.h>

#include <functional>

#include "afx/afxwin.h"

inline void PumpMessagesFor(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!CWnd::WalkPreTranslateTree(::GetAncestor(msg.hwnd, GA_ROOT), &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        ::Sleep(5);
    }
}

// False when the condition still fails after timeoutMs.
inline bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        PumpMessagesFor(10);
    }
    return true;
}
