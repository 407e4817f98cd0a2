// The real main window under Wine: created from its template, driven with
// messages and clicks through the same modal loop the program runs.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "shell/MainDialog.h"
#include "app/UpdaterDlg.h"
#include "link/HidChannel.h"
#include "res/resource.h"
#include "sim/SimHeadset.h"
#include "tests/support/MainWindowDriver.h"

namespace {

using namespace mainwindow;

// The script runs inside the modal loop as soon as the window exists, as a
// user's actions would, before the first page shows.
const RunPlan kAtOnce{0, false, 0};

void ClickClose(CUpdaterDlg& dialog)
{
    ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
}

std::vector<HWND> PageWindows(CUpdaterDlg& dialog)
{
    std::vector<HWND> pages;
    for (int page = 1; page <= 7; ++page)
        pages.push_back(dialog.GetPageWindow(page)->m_hWnd);
    return pages;
}

TEST(MainWindow, StartsWithTitleMenuAndHiddenPagesThenShowsPageOne)
{
    InitControls();
    CUpdaterDlg dialog;
    bool scriptRan = false;
    const INT_PTR result = RunModal(dialog, kAtOnce, [&] {
        scriptRan = true;
        HWND hwnd = dialog.m_hWnd;
        ASSERT_TRUE(::IsWindow(hwnd));

        EXPECT_EQ(CString(L"Quor Bluetooth Device Manager"), dialog.GetWindowText());

        HMENU menu = ::GetSystemMenu(hwnd, FALSE);
        ASSERT_NE(nullptr, menu);
        const int count = ::GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        MENUITEMINFOW separator{};
        separator.cbSize = sizeof separator;
        separator.fMask = MIIM_FTYPE;
        ASSERT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(count - 2), TRUE, &separator));
        EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(count - 1), text, 64, MF_BYPOSITION);
        EXPECT_STREQ(L"&About Updater...", text);
        EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), ::GetMenuItemID(menu, count - 1));

        // Before timer 1: seven hidden children of the page area, no page shown.
        HWND pageArea = ::GetDlgItem(hwnd, IDC_PAGE_AREA);
        ASSERT_NE(nullptr, pageArea);
        EXPECT_EQ(0, dialog.m_page);
        for (HWND page : PageWindows(dialog)) {
            ASSERT_TRUE(::IsWindow(page));
            EXPECT_EQ(pageArea, ::GetParent(page));
            EXPECT_FALSE(::IsWindowVisible(page));
        }

        // Timer 1 fires once, about 100 ms later, and shows page 1.
        EXPECT_TRUE(PumpUntil(
            hwnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 3000));
        const std::vector<HWND> pages = PageWindows(dialog);
        EXPECT_TRUE(::IsWindowVisible(pages[0]));
        for (size_t i = 1; i < pages.size(); ++i)
            EXPECT_FALSE(::IsWindowVisible(pages[i])) << "page " << (i + 1);
        PumpFor(hwnd, 300);
        EXPECT_EQ(1, dialog.m_page);

        // Neither Esc nor Enter closes the program or hides the page.
        PressKey(hwnd, VK_ESCAPE);
        PressKey(hwnd, VK_RETURN);
        ::SetFocus(pages[0]);
        PressKey(hwnd, VK_RETURN);
        PressKey(hwnd, VK_ESCAPE);
        EXPECT_TRUE(::IsWindow(hwnd));
        EXPECT_TRUE(::IsWindowVisible(hwnd));
        EXPECT_TRUE(::IsWindowVisible(pages[0]));

        // The close button ends the program.
        ClickClose(dialog);
    });
    EXPECT_TRUE(scriptRan);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(MainWindow, ClosingBeforeTheFirstPageShowsTakesTheNormalPath)
{
    InitControls();
    CUpdaterDlg dialog;
    int pageAtClose = -1;
    const INT_PTR result = RunModal(dialog, kAtOnce, [&] {
        pageAtClose = dialog.m_page;
        ClickClose(dialog);
    });
    EXPECT_EQ(0, pageAtClose);
    EXPECT_EQ(IDOK, result);
}

TEST(MainWindow, CloseIsRefusedWhileBusy)
{
    InitControls();
    CUpdaterDlg dialog;
    const INT_PTR result = RunModal(dialog, kAtOnce, [&] {
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 3000);
        dialog.m_busy = 1;
        ClickClose(dialog);
        dialog.SendMessage(WM_CLOSE);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
        // Idle, WM_CLOSE ends the program as the close button does.
        dialog.m_busy = 0;
        dialog.SendMessage(WM_CLOSE);
    });
    EXPECT_EQ(IDOK, result);
}

TEST(MainWindow, ClosingClosesTheUnitsChannels)
{
    InitControls();
    SimHeadset sim;
    sim.Install();
    sim.AddHidPairUnit();
    CUpdaterDlg dialog;
    const INT_PTR result = RunModal(dialog, kAtOnce, [&] {
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 3000);
        dialog.m_hidPrimary = OpenHidInterface(0x2030);
        dialog.m_hidSecondary = OpenHidInterface(0x2040);
        EXPECT_NE(nullptr, dialog.m_hidPrimary);
        EXPECT_NE(nullptr, dialog.m_hidSecondary);
        EXPECT_EQ(2, sim.OpenHandleCount());
        ClickClose(dialog);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(0, sim.OpenHandleCount());
    EXPECT_EQ(nullptr, dialog.m_hidPrimary);
    EXPECT_EQ(nullptr, dialog.m_hidSecondary);
}

TEST(MainWindow, PagesReachTheMainWindowAsTheirGrandparent)
{
    InitControls();
    CUpdaterDlg dialog;
    ASSERT_TRUE(dialog.Create(IDD_UPDATER_DIALOG));
    for (int page = 1; page <= 7; ++page)
        EXPECT_EQ(&dialog, GetMainDialog(dialog.GetPageWindow(page))) << "page " << page;

    // Code of a control on a page passes the control's page.
    CDialog* settings = dialog.GetPageWindow(5);
    HWND control = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, settings->m_hWnd, nullptr,
                                     ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(&dialog, GetMainDialog(CWnd::FromHandle(control)->GetParent()));
    // The control itself is one level too deep.
    EXPECT_EQ(nullptr, GetMainDialog(CWnd::FromHandle(control)));
    EXPECT_EQ(nullptr, GetMainDialog(nullptr));
    dialog.DestroyWindow();
}

TEST(MainWindow, AWorkerFindsTheMainWindowAndPostsToIt)
{
    InitControls();
    constexpr UINT kWorkerDone = WM_APP + 77;
    EXPECT_FALSE(PostToMainWindow(kWorkerDone)) << "no main window yet";
    CUpdaterDlg dialog;
    ASSERT_TRUE(dialog.Create(IDD_UPDATER_DIALOG));
    CMainDialog* seen = nullptr;
    HWND handle = nullptr;
    BOOL posted = FALSE;
    std::thread worker([&] {
        seen = GetMainDialog(&dialog.m_pageFirmwareRestore);
        handle = GetMainWindowHandle();
        posted = PostToMainWindow(kWorkerDone, 3, 4);
    });
    worker.join();
    EXPECT_EQ(&dialog, seen);
    EXPECT_EQ(dialog.m_hWnd, handle);
    EXPECT_TRUE(posted);
    // The message waits in the UI thread's queue, for the main window.
    MSG msg{};
    ASSERT_TRUE(::PeekMessageW(&msg, dialog.m_hWnd, kWorkerDone, kWorkerDone, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
    EXPECT_EQ(4, msg.lParam);
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, GetMainWindowHandle());
    EXPECT_FALSE(PostToMainWindow(kWorkerDone)) << "the main window is gone";
}

std::vector<HWND> g_destroyed;
HHOOK g_destroyHook = nullptr;

LRESULT CALLBACK RecordDestroy(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND)
        g_destroyed.push_back(reinterpret_cast<HWND>(wParam));
    return ::CallNextHookEx(g_destroyHook, code, wParam, lParam);
}

TEST(MainWindow, TearDownDestroysToolTipThenPagesFromSevenToOne)
{
    InitControls();
    auto* dialog = new CUpdaterDlg;
    ASSERT_TRUE(dialog->Create(IDD_UPDATER_DIALOG));
    const std::vector<HWND> pages = PageWindows(*dialog);
    const HWND toolTip = dialog->m_toolTip.m_hWnd;
    ASSERT_NE(nullptr, toolTip);

    g_destroyed.clear();
    g_destroyHook = ::SetWindowsHookExW(WH_CBT, RecordDestroy, nullptr, ::GetCurrentThreadId());
    delete dialog;
    ::UnhookWindowsHookEx(g_destroyHook);

    auto position = [](HWND hwnd) {
        for (size_t i = 0; i < g_destroyed.size(); ++i)
            if (g_destroyed[i] == hwnd)
                return static_cast<int>(i);
        return -1;
    };
    const int toolTipAt = position(toolTip);
    ASSERT_GE(toolTipAt, 0);
    int previous = toolTipAt;
    for (int page = 7; page >= 1; --page) {
        const int at = position(pages[static_cast<size_t>(page - 1)]);
        ASSERT_GE(at, 0) << "page " << page;
        EXPECT_GT(at, previous) << "page " << page << " destroyed out of order";
        previous = at;
    }
    for (HWND page : pages)
        EXPECT_FALSE(::IsWindow(page));
}

TEST(MainWindow, SettingsPageIndexFollowsTheCategoryList)
{
    CUpdaterDlg dialog;
    dialog.m_settingsPageCount = 3;
    dialog.m_settingsPages[0] = 1;
    dialog.m_settingsPages[1] = 2;
    dialog.m_settingsPages[2] = 3;
    EXPECT_EQ(0, dialog.FindSettingsPageIndex(5));
    EXPECT_EQ(1, dialog.FindSettingsPageIndex(7));
    EXPECT_EQ(2, dialog.FindSettingsPageIndex(6));
    EXPECT_EQ(-1, dialog.FindSettingsPageIndex(4));
    dialog.m_settingsPageCount = 1;
    EXPECT_EQ(-1, dialog.FindSettingsPageIndex(6));
    // A count from outside never walks past the three slots.
    dialog.m_settingsPageCount = 99;
    EXPECT_EQ(2, dialog.FindSettingsPageIndex(6));
    dialog.ResetSettingsPageList();
    EXPECT_EQ(-1, dialog.FindSettingsPageIndex(5));
}

TEST(MainWindow, RectInsideRectExcludesTheOuterRightAndBottomEdges)
{
    const RECT outer{0, 0, 100, 50};
    struct Case {
        RECT inner;
        int expected;
    } cases[] = {
        {{10, 10, 20, 20}, 1}, {{0, 0, 99, 49}, 1}, {{0, 0, 100, 50}, 0}, {{-1, 0, 10, 10}, 0}, {{10, 10, 100, 20}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, RectInsideRect(c.inner, outer));
}

} // namespace
