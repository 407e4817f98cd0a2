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
#include "tests/support/MessagePump.h"

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
    PumpMessagesFor(ms);
}

inline bool PumpUntil(HWND, const std::function<bool()>& done, DWORD timeoutMs)
{
    return PumpMessagesUntil(done, timeoutMs);
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

// When the script takes its turn and how the window ends after it.
struct RunPlan {
    // The script waits for the first page and the end of the start page's
    // update check (at most this long); 0 starts it at once, while that
    // check may still be on its way.
    DWORD firstPageWaitMs = 3000;
    // After the script the window is closed, unless it closed itself: the
    // boxes are no longer answered, the window's own work may end (at most
    // workWaitMs), then busy and the open list are cleared and X is pressed.
    bool closeAfter = false;
    DWORD workWaitMs = 0;
};

// Runs the main window modally with the script inside its modal loop.
inline INT_PTR RunModal(CUpdaterDlg& dialog, const RunPlan& plan, std::function<void()> script)
{
    g_script = [&dialog, plan, script] {
        if (plan.firstPageWaitMs > 0)
            PumpUntil(
                dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, plan.firstPageWaitMs);
        script();
        if (!plan.closeAfter || !::IsWindow(dialog.m_hWnd) || !::IsWindowVisible(dialog.m_hWnd))
            return;
        boxwatch::StopWatching();
        PumpUntil(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, plan.workWaitMs);
        dialog.m_busy = 0;
        dialog.m_dropListOpen = 0;
        ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
    };
    g_scriptTimer = ::SetTimer(nullptr, 0, 10, RunScript);
    return dialog.DoModal();
}

// The main window as after recognising a unit of the model, for a model the
// recognition roads do not read themselves.
inline void TargetModel(CUpdaterDlg& dialog, int model, int usbStatus, DeviceVersion firmware = {1, 0, 0, 0, 0},
                        const wchar_t* name = L"QUOR")
{
    dialog.m_modelCode = model;
    dialog.m_usbStatus = usbStatus;
    dialog.m_recognized = 1;
    dialog.m_device.m_modelCode = model;
    dialog.m_device.m_deviceName = name;
    dialog.m_device.m_firmwareVersion = firmware;
    dialog.m_settingsPageCount = 0;
}

// The script closes the window itself.
inline INT_PTR RunModal(CUpdaterDlg& dialog, std::function<void()> script)
{
    return RunModal(dialog, RunPlan{}, std::move(script));
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

// ---------------------------------------------------------------- a unit in the window

// A recognised unit with three settings categories, as identification leaves it.
inline void Recognise(CUpdaterDlg& dialog, int product = 0x4D15, int categories = 3)
{
    TargetModel(dialog, product, product, DeviceVersion{2, 1, 2, 3, 0}, L"QUOR 20S EVO 1.2");
    const int all[3] = {1, 2, 3};
    dialog.m_settingsPageCount = categories;
    for (int i = 0; i < 3; ++i)
        dialog.m_settingsPages[i] = i < categories ? all[i] : 0;
    dialog.m_settingsPageIndex = 0;
}

// Page 3 asks the firmware server on entry and holds the window busy until
// the answer (here: none) is in.
inline void ShowUpdatePage(CUpdaterDlg& dialog)
{
    dialog.GoToPage(3);
    PumpUntil(
        dialog.m_hWnd, [&] { return dialog.m_pageFirmwareUpdate.m_indexTimerTicks > 0 && !dialog.m_busy; }, 5000);
    dialog.m_pageFirmwareUpdate.m_indexTimerTicks = 0;
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
