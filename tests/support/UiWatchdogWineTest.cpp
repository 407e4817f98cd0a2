#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/UiWatchdog.h"

namespace {

void Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    }
}

TEST(UiWatchdog, SeesTheThreadsWindowAndNoticesWhenItStopsAnswering)
{
    HWND window = CreateWindowExW(0, L"Static", L"watched", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    UiWatchdog watchdog;
    Pump(200);
    EXPECT_GT(watchdog.AnsweredProbes(), 0);
    watchdog.TakeLongestStallMs();
    // Not taking messages for a while shows as a stall once they are taken again.
    Sleep(300);
    Pump(100);
    EXPECT_GT(watchdog.TakeLongestStallMs(), 0u);
    watchdog.Stop();
    DestroyWindow(window);
}

TEST(UiWatchdog, WithoutAWindowThereIsNothingToProbe)
{
    UiWatchdog watchdog;
    Sleep(50);
    watchdog.Stop();
    EXPECT_EQ(watchdog.AnsweredProbes(), 0);
    EXPECT_EQ(watchdog.TakeLongestStallMs(), 0u);
}

} // namespace
