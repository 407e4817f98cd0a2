// How long the manager's UI thread goes without taking messages while the
// main window starts (until the first page shows) and while it closes, over
// several runs, as the UI watchdog of the window tests sees it.
// Usage: UiStall.exe [runs]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/UpdaterDlg.h"
#include "res/resource.h"
#include "tests/support/UiWatchdog.h"

namespace {

CUpdaterDlg* g_dialog = nullptr;
UiWatchdog* g_watchdog = nullptr;
DWORD g_startStall = 0;
UINT_PTR g_timer = 0;

// Runs inside the modal loop: once the first page shows, the start-up period
// ends and the close button is clicked.
void CALLBACK WatchFirstPage(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_dialog->m_page != 1)
        return;
    KillTimer(nullptr, g_timer);
    g_startStall = g_watchdog->TakeLongestStallMs();
    SendMessageW(GetDlgItem(g_dialog->m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);
    std::vector<DWORD> starts, closes;
    for (int run = 0; run < runs; ++run) {
        UiWatchdog watchdog;
        g_watchdog = &watchdog;
        CUpdaterDlg dialog;
        g_dialog = &dialog;
        g_timer = SetTimer(nullptr, 0, 5, WatchFirstPage);
        dialog.DoModal();
        const DWORD close = watchdog.TakeLongestStallMs();
        watchdog.Stop();
        starts.push_back(g_startStall);
        closes.push_back(close);
        std::printf("run %d: longest stall %lu ms at start-up, %lu ms at close (%d probes answered)\n", run + 1,
                    static_cast<unsigned long>(g_startStall), static_cast<unsigned long>(close),
                    watchdog.AnsweredProbes());
    }
    std::printf("longest stall over %d runs: start-up %lu ms, close %lu ms\n", runs,
                static_cast<unsigned long>(*std::max_element(starts.begin(), starts.end())),
                static_cast<unsigned long>(*std::max_element(closes.begin(), closes.end())));
    return 0;
}
