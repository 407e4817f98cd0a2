#pragma once
// Driving the real main window in a Wine test: run it modally with a script
// that takes its turn inside the window's own modal loop once the first page
// shows and its update check has let the window go, pump its messages, press
// its buttons and keys, read its controls back and answer the boxes it opens.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>

#include "app/UpdaterDlg.h"
#include "res/resource.h"
#include "tests/support/MessageBoxWatch.h"

namespace mainwindow {

inline void InitControls()
{
    static bool done = false;
    if (!done) {
        INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
        ::InitCommonControlsEx(&controls);
        done = true;
    }
}

inline void PumpFor(HWND, DWORD ms)
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

inline bool PumpUntil(HWND dialog, const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        PumpFor(dialog, 10);
    }
    return true;
}

inline std::function<void()> g_script;
inline UINT_PTR g_scriptTimer = 0;

inline void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(nullptr, g_scriptTimer);
    auto script = std::move(g_script);
    g_script = nullptr;
    if (script)
        script();
}

// Runs the main window modally; the script runs inside its modal loop once
// the first page shows and its update check has let the window go.
inline INT_PTR RunModal(CUpdaterDlg& dialog, std::function<void()> script)
{
    g_script = [&dialog, script] {
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 3000);
        script();
    };
    g_scriptTimer = ::SetTimer(nullptr, 0, 10, RunScript);
    return dialog.DoModal();
}

// The main window as after recognising a unit of the model, for a model the
// recognition roads do not read themselves.
inline void TargetModel(CUpdaterDlg& dialog, int model, int usbStatus)
{
    dialog.m_modelCode = model;
    dialog.m_usbStatus = usbStatus;
    dialog.m_recognized = 1;
    dialog.m_device.m_modelCode = model;
    dialog.m_device.m_deviceName = L"QUOR";
    dialog.m_device.m_firmwareVersion = DeviceVersion{1, 0, 0, 0, 0};
    dialog.m_settingsPageCount = 0;
}

inline void Click(CUpdaterDlg& dialog, int id)
{
    // The window refuses to close while busy, as during the start page's update check.
    if (id == IDC_BUTTON_CLOSE)
        PumpUntil(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, 3000);
    ::SendMessageW(::GetDlgItem(dialog.m_hWnd, id), BM_CLICK, 0, 0);
}

inline void PressKey(HWND dialog, WPARAM key)
{
    HWND target = ::GetFocus();
    if (!target || (target != dialog && !::IsChild(dialog, target)))
        target = dialog;
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    PumpFor(dialog, 150);
}

inline CString ItemText(CUpdaterDlg& dialog, int id)
{
    wchar_t text[300] = {};
    ::GetDlgItemTextW(dialog.m_hWnd, id, text, 300);
    return text;
}

inline bool Visible(CUpdaterDlg& dialog, int id)
{
    return (::GetWindowLongW(::GetDlgItem(dialog.m_hWnd, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

inline bool Enabled(CUpdaterDlg& dialog, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != FALSE;
}

// ---------------------------------------------------------------- the manager's message boxes

using boxwatch::BoxesSeen;
using boxwatch::OnEveryBox;
using boxwatch::PressBoxButton;
using boxwatch::StopWatching;

// The text of one of the manager's own boxes.
inline CString BoxText(HWND box)
{
    return CString(boxwatch::BoxText(box, IDC_MESSAGE_TEXT));
}

} // namespace mainwindow
