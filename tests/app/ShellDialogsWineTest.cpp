// The main window's skin and secondary windows under Wine, on the real main
// window: the skin's colours in each state and behind the header, the drag
// by the client area, the About box, the language dialog, the right-click
// menu, the status information box and the new-firmware question, with
// pictures of each in English, Japanese and Russian.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/AboutDlg.h"
#include "app/DiagnosticLogWin32.h"
#include "app/DialogLanguageManager.h"
#include "app/DialogNewUpdateFound.h"
#include "app/SkinPalette.h"
#include "app/UpdaterDlg.h"
#include "res/resource.h"
#include "shell/DialogMessageBox.h"
#include "shell/ShellOpen.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SaveDialogWatch.h"
#include "tests/support/WindowCapture.h"
#include "text/FirmwareTexts.h"
#include "text/MainWindowTexts.h"
#include "text/NameTables.h"
#include "text/NewFirmwarePromptTexts.h"
#include "text/SharedWords.h"
#include "text/UiLanguages.h"

namespace {

// The three languages every window is pictured in.
const struct {
    int language;
    const wchar_t* name;
} kPictureLanguages[] = {{0, L"english"}, {4, L"japanese"}, {8, L"russian"}};

// Each script ends with the window closed for it, whatever it left open.
const mainwindow::RunPlan kThenClose{3000, true, 0};

using mainwindow::InitControls;

std::wstring TextOf(HWND window, int id)
{
    wchar_t text[600] = {};
    ::GetDlgItemTextW(window, id, text, 600);
    return text;
}

bool IsVisible(HWND window, int id)
{
    return (::GetWindowLongW(::GetDlgItem(window, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

// ---------------------------------------------------------------- the shell seam

std::vector<std::wstring> g_opened;

void RecordOpen(const std::wstring& url)
{
    g_opened.push_back(url);
}

// ---------------------------------------------------------------- the popup menu

struct MenuWatch {
    std::vector<std::pair<UINT, std::wstring>> items;
    int seen = 0;
    std::wstring picture;
};
MenuWatch g_menu;
UINT_PTR g_menuTimer = 0;

BOOL CALLBACK FindMenuWindow(HWND hwnd, LPARAM out)
{
    wchar_t name[16] = {};
    ::GetClassNameW(hwnd, name, 16);
    if (std::wstring(name) == L"#32768" && ::IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK WatchForMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND window = nullptr;
    ::EnumWindows(FindMenuWindow, reinterpret_cast<LPARAM>(&window));
    if (!window)
        return;
    const HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0));
    g_menu.items.clear();
    for (int i = 0; menu && i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        g_menu.items.emplace_back(::GetMenuItemID(menu, i), text);
    }
    ++g_menu.seen;
    if (!g_menu.picture.empty())
        SaveScreenshot(window, g_menu.picture);
    ::EndMenu();
}

// Right-clicks the main window and returns once the menu, if any, has gone.
void RightClick(CUpdaterDlg& dialog, const std::wstring& picture = std::wstring())
{
    g_menu = MenuWatch{};
    g_menu.picture = picture;
    g_menuTimer = ::SetTimer(nullptr, 0, 80, WatchForMenu);
    RECT r{};
    ::GetWindowRect(dialog.m_hWnd, &r);
    dialog.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog.m_hWnd), MAKELPARAM(r.left + 150, r.top + 150));
    PumpMessagesFor(300);
    ::KillTimer(nullptr, g_menuTimer);
    g_menuTimer = 0;
}

class ShellDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitControls();
        g_opened.clear();
        m_previousOpen = SetShellOpenForTests(RecordOpen);
    }
    void TearDown() override
    {
        boxwatch::StopWatching();
        savewatch::Stop();
        SetShellOpenForTests(m_previousOpen);
    }
    ShellOpenFunction m_previousOpen = nullptr;
};

// ---------------------------------------------------------------- skin

TEST_F(ShellDialogsTest, TheHeaderControlsShowTheSkinBehindThem)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        for (int id : {IDC_DEVICE_NAME, IDC_DEVICE_VERSION}) {
            // A point right of any text: the control's own background.
            RECT r{};
            ::GetWindowRect(::GetDlgItem(dialog.m_hWnd, id), &r);
            RECT window{};
            ::GetWindowRect(dialog.m_hWnd, &window);
            const int x = r.right - 3 - window.left;
            const int y = (r.top + r.bottom) / 2 - window.top;
            const COLORREF shown = CaptureWindow(dialog.m_hWnd).At(x, y);
            ::ShowWindow(::GetDlgItem(dialog.m_hWnd, id), SW_HIDE);
            const COLORREF behind = CaptureWindow(dialog.m_hWnd).At(x, y);
            ::ShowWindow(::GetDlgItem(dialog.m_hWnd, id), SW_SHOW);
            EXPECT_EQ(behind, shown) << id;
        }
        // Where the skin has colour, the piece cut for a control is what the
        // background shows there: the breadcrumb strip's place, the strip hidden.
        CWnd& strip = dialog.m_breadcrumb;
        CBitmap piece;
        ASSERT_TRUE(piece.Attach(dialog.SkinUnder(strip)));
        RECT r{}, window{};
        ::GetWindowRect(strip.m_hWnd, &r);
        ::GetWindowRect(dialog.m_hWnd, &window);
        strip.ShowWindow(SW_HIDE);
        const WindowPicture behind = CaptureWindow(dialog.m_hWnd);
        strip.ShowWindow(SW_SHOW);
        const HDC screen = ::GetDC(nullptr);
        const HDC memory = ::CreateCompatibleDC(screen);
        const HGDIOBJ old = ::SelectObject(memory, piece.GetSafeHandle());
        int compared = 0, coloured = 0;
        for (int x = 2; x < r.right - r.left - 2; x += 7) {
            const int y = (r.bottom - r.top) / 2;
            const COLORREF cut = ::GetPixel(memory, x, y);
            EXPECT_EQ(behind.At(r.left - window.left + x, r.top - window.top + y), cut) << x;
            ++compared;
            coloured += cut != RGB(255, 255, 255);
        }
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
        EXPECT_GT(compared, 10);
        EXPECT_GT(coloured, 0);
        // The brushes are made once and kept.
        const HGDIOBJ brush = dialog.m_headerBrushes[1].GetSafeHandle();
        EXPECT_NE(nullptr, brush);
        dialog.m_deviceLine1.Invalidate();
        PumpMessagesFor(100);
        EXPECT_EQ(brush, dialog.m_headerBrushes[1].GetSafeHandle());
        // The picture label paints the same skin behind the unit's picture.
        EXPECT_NE(nullptr, dialog.m_devicePicture.m_background.GetSafeHandle());
    });
}

// The colour most of a control's rectangle shows on the screen: its fill,
// whatever text or edge lies on it.
COLORREF FillOf(CUpdaterDlg& dialog, int id)
{
    const WindowPicture picture = CaptureWindow(dialog.m_hWnd);
    RECT r{}, window{};
    ::GetWindowRect(::GetDlgItem(dialog.m_hWnd, id), &r);
    ::GetWindowRect(dialog.m_hWnd, &window);
    std::map<COLORREF, int> counts;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            ++counts[picture.At(x - window.left, y - window.top)];
    COLORREF most = CLR_INVALID;
    int seen = 0;
    for (const auto& count : counts)
        if (count.second > seen) {
            most = count.first;
            seen = count.second;
        }
    return most;
}

TEST_F(ShellDialogsTest, TheStatusAreaPageButtonsAndTabsShowTheSkinsColoursInEachState)
{
    using mainwindow::Recognise;
    struct Probe {
        int id;
        COLORREF fill;
    };
    struct Case {
        const char* state;
        std::function<void(CUpdaterDlg&)> arrange;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"a normal status",
         [](CUpdaterDlg& d) { d.ShowStatusText(L"Ready", 0); },
         {{IDC_STATUS_UPPER, kSkinStatusNormal}, {IDC_STATUS_TEXT, kSkinStatusNormal}}},
        {"a failure status",
         [](CUpdaterDlg& d) { d.ShowStatusText(L"Failed", 1); },
         {{IDC_STATUS_UPPER, kSkinStatusWarning}, {IDC_STATUS_TEXT, kSkinStatusWarning}}},
        {"a normal status again",
         [](CUpdaterDlg& d) { d.ShowStatusText(L"Ready", 0); },
         {{IDC_STATUS_UPPER, kSkinStatusNormal}, {IDC_STATUS_TEXT, kSkinStatusNormal}}},
        // Page 1: its own button pressed, the pages that need a unit disabled.
        {"page 1",
         [](CUpdaterDlg& d) { d.RefreshView(); },
         {{IDC_BUTTON_HOME, kSkinPressed}, {IDC_BUTTON_DEVICE_RECOGNITION, kSkinDisabled}}},
        {"page 1 while busy",
         [](CUpdaterDlg& d) {
             d.m_busy = 1;
             d.RefreshView();
         },
         {{IDC_BUTTON_HOME, kSkinStrip}, {IDC_BUTTON_DEVICE_RECOGNITION, kSkinDisabled}}},
        {"page 3 with a unit",
         [](CUpdaterDlg& d) {
             d.m_busy = 0;
             Recognise(d, 0x4D15, 2);
             mainwindow::ShowUpdatePage(d);
         },
         {{IDC_BUTTON_FIRMWARE_UPDATE, kSkinPressed},
          {IDC_BUTTON_HOME, kSkinPageButton},
          {IDC_BUTTON_DEVICE_RECOGNITION, kSkinPageButton}}},
        // Two categories: the tab of the category shown is open (white), the other closed.
        {"page 5 with two categories",
         [](CUpdaterDlg& d) {
             d.GoToPage(5);
             d.RefreshView();
         },
         {{IDC_BUTTON_DEVICE_SETTING, kSkinPressed},
          {IDC_BREADCRUMB, kSkinStrip},
          {IDC_BUTTON_FIRST_SETTINGS_PAGE, kSkinWhite},
          {IDC_BUTTON_SETTINGS_PAGE_LIST, kSkinStrip}}},
    };
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        for (const Case& c : cases) {
            c.arrange(dialog);
            PumpMessagesFor(100);
            for (const Probe& p : c.probes)
                EXPECT_EQ(p.fill, FillOf(dialog, p.id)) << c.state << ", control " << p.id;
        }
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"skin-page-5-two-categories"));
    });
}

TEST_F(ShellDialogsTest, APressedFocusedApplyButtonIsAGreyPillWithADottedOutline)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        mainwindow::Recognise(dialog);
        mainwindow::ShowUpdatePage(dialog);
        dialog.m_pageFirmwareUpdate.m_imagePath.SetWindowText(L"C:\\IMG\\QUOR_20S_EVO-v2.2.img");
        dialog.RefreshView();
        CButton& apply = dialog.m_buttonApply;
        ASSERT_TRUE(::IsWindowVisible(apply.m_hWnd));
        ASSERT_TRUE(::IsWindowEnabled(apply.m_hWnd));
        // The button as the screen shows it, its rectangle only.
        const auto shot = [&] {
            const WindowPicture picture = CaptureWindow(dialog.m_hWnd);
            RECT r{}, window{};
            ::GetWindowRect(apply.m_hWnd, &r);
            ::GetWindowRect(dialog.m_hWnd, &window);
            std::vector<COLORREF> pixels;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    pixels.push_back(picture.At(x - window.left, y - window.top));
            return pixels;
        };
        const auto count = [](const std::vector<COLORREF>& pixels, COLORREF colour) {
            return std::count(pixels.begin(), pixels.end(), colour);
        };
        ::SetFocus(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE));
        apply.SendMessage(BM_SETSTATE, FALSE);
        const std::vector<COLORREF> atRest = shot();
        apply.SendMessage(BM_SETSTATE, TRUE);
        const std::vector<COLORREF> pressed = shot();
        apply.SetFocus();
        ASSERT_EQ(apply.m_hWnd, ::GetFocus());
        apply.SendMessage(BM_SETSTATE, TRUE);
        const std::vector<COLORREF> pressedFocused = shot();
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"skin-apply-pressed-focused"));
        apply.SendMessage(BM_SETSTATE, FALSE);

        // At rest the pill is the strip's colour in a grey outline; pressed it
        // turns grey in a darker outline.
        EXPECT_GT(count(atRest, kSkinStrip), count(atRest, kSkinDisabledText));
        EXPECT_GT(count(atRest, kSkinDisabledText), 0);
        EXPECT_EQ(0, count(atRest, kSkinGreyText));
        EXPECT_GT(count(pressed, kSkinDisabledText), count(pressed, kSkinGreyText));
        EXPECT_GT(count(pressed, kSkinGreyText), 0);
        EXPECT_EQ(0, count(pressed, kSkinStrip));
        // Focus adds black dots on the grey pill and nothing else.
        ASSERT_EQ(pressed.size(), pressedFocused.size());
        RECT r{};
        ::GetWindowRect(apply.m_hWnd, &r);
        const size_t width = static_cast<size_t>(r.right - r.left);
        int dots = 0;
        std::map<size_t, std::vector<size_t>> dotsByRow;
        for (size_t i = 0; i < pressed.size(); ++i) {
            if (pressed[i] == pressedFocused[i])
                continue;
            ++dots;
            dotsByRow[i / width].push_back(i % width);
            EXPECT_EQ(COLORREF(0), pressedFocused[i]) << i;
            EXPECT_EQ(COLORREF(kSkinDisabledText), pressed[i]) << i;
        }
        EXPECT_GT(dots, 20);
        // Dotted: along the outline's straight top the pill's grey shows
        // between the dots.
        ASSERT_FALSE(dotsByRow.empty());
        const std::vector<size_t>& top = dotsByRow.begin()->second;
        EXPECT_GT(top.size(), 3u);
        EXPECT_LT(top.size(), top.back() - top.front() + 1);
    });
}

// ---------------------------------------------------------------- the drag

// Real mouse input: a press on the window, moves with the button held, a
// release. It comes from a thread of its own, since the window's thread is
// inside the move loop while the button is held.
struct MouseDrag {
    POINT from{};
    SIZE by{};
    DWORD windowThread = ::GetCurrentThreadId();
    POINT cursorPressed{}, cursorReleased{};
    bool moveLoopSeen = false;
    std::atomic<bool> done{false};
};

void SendMouse(DWORD flags, POINT at)
{
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((static_cast<long long>(at.x) * 65536 + width - 1) / width);
    input.mi.dy = static_cast<LONG>((static_cast<long long>(at.y) * 65536 + height - 1) / height);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
    ::Sleep(60);
}

DWORD WINAPI RunMouseDrag(void* argument)
{
    MouseDrag& drag = *static_cast<MouseDrag*>(argument);
    SendMouse(0, drag.from);
    ::GetCursorPos(&drag.cursorPressed);
    SendMouse(MOUSEEVENTF_LEFTDOWN, drag.from);
    // The moves wait for the window's thread to be in the system's move loop,
    // however long the press takes to reach it.
    for (int waited = 0; waited < 10000 && !drag.moveLoopSeen; waited += 20) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        drag.moveLoopSeen = ::GetGUIThreadInfo(drag.windowThread, &info) && (info.flags & GUI_INMOVESIZE) != 0;
        if (!drag.moveLoopSeen)
            ::Sleep(20);
    }
    const int steps = 5;
    POINT at = drag.from;
    for (int i = 1; i <= steps; ++i) {
        at = {drag.from.x + drag.by.cx * i / steps, drag.from.y + drag.by.cy * i / steps};
        SendMouse(0, at);
    }
    ::GetCursorPos(&drag.cursorReleased);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
    drag.done = true;
    return 0;
}

// A point of the header that no control takes: a press there reaches the window.
bool FindFreePoint(CUpdaterDlg& dialog, POINT& found)
{
    RECT client{};
    ::GetClientRect(dialog.m_hWnd, &client);
    for (int x = client.right / 3; x < client.right * 2 / 3; x += 10) {
        POINT at{x, 20};
        ::ClientToScreen(dialog.m_hWnd, &at);
        if (::WindowFromPoint(at) == dialog.m_hWnd) {
            found = at;
            return true;
        }
    }
    return false;
}

TEST_F(ShellDialogsTest, DraggingAnyFreePointOfTheClientAreaMovesTheWindow)
{
    const SIZE drags[] = {{60, 35}, {-45, 20}};
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        ::SetForegroundWindow(dialog.m_hWnd);
        for (const SIZE& by : drags) {
            RECT before{}, after{};
            ::GetWindowRect(dialog.m_hWnd, &before);
            MouseDrag drag;
            drag.by = by;
            ASSERT_TRUE(FindFreePoint(dialog, drag.from));
            const HANDLE thread = ::CreateThread(nullptr, 0, RunMouseDrag, &drag, 0, nullptr);
            ASSERT_NE(nullptr, thread);
            EXPECT_TRUE(PumpMessagesUntil([&] { return drag.done.load(); }, 10000));
            ::WaitForSingleObject(thread, 10000);
            ::CloseHandle(thread);
            PumpMessagesFor(200);
            EXPECT_TRUE(drag.moveLoopSeen);
            ::GetWindowRect(dialog.m_hWnd, &after);
            const SIZE cursorMoved{drag.cursorReleased.x - drag.cursorPressed.x,
                                   drag.cursorReleased.y - drag.cursorPressed.y};
            EXPECT_EQ(by.cx, cursorMoved.cx);
            EXPECT_EQ(by.cy, cursorMoved.cy);
            EXPECT_EQ(cursorMoved.cx, after.left - before.left) << by.cx;
            EXPECT_EQ(cursorMoved.cy, after.top - before.top) << by.cy;
            EXPECT_EQ(before.right - before.left, after.right - after.left);
            EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
        }
    });
}

// ---------------------------------------------------------------- About box

TEST_F(ShellDialogsTest, TheAboutBoxShowsTitleAndButtonsInTheUiLanguage)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        struct Case {
            int language;
            std::wstring picture;
        };
        std::vector<Case> cases;
        for (const auto& l : kPictureLanguages)
            cases.push_back({l.language, std::wstring(L"about-box-") + l.name});
        cases.push_back({1, L""}); // French: its own words, the same name and notice
        for (const Case& c : cases) {
            dialog.ApplyLanguage(c.language, 1);
            std::wstring title, notice, ok, help;
            boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                title = TextOf(box, IDC_ABOUT_TITLE);
                notice = TextOf(box, IDC_ABOUT_NOTICE);
                ok = TextOf(box, IDOK);
                help = TextOf(box, IDC_ABOUT_ONLINE_HELP);
                if (!c.picture.empty()) {
                    EXPECT_TRUE(SaveScreenshot(box, c.picture));
                }
                boxwatch::PressBoxButton(box, IDOK);
            });
            ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_ABOUT), BM_CLICK, 0, 0);
            EXPECT_EQ(1, boxwatch::BoxesSeen()) << c.language;
            EXPECT_EQ(L"Quor Bluetooth Device Manager " + GetTextVersion(c.language) + L" 1.3", title);
            EXPECT_EQ(GetTextAboutNotice(), notice);
            EXPECT_EQ(GetTextOk(c.language), ok);
            EXPECT_EQ(GetTextOnlineHelp(c.language), help);
            boxwatch::StopWatching();
        }
        EXPECT_EQ(L"Quor Bluetooth Device Manager Version 1.3",
                  L"Quor Bluetooth Device Manager " + GetTextVersion(0) + L" 1.3");
        EXPECT_NE(GetTextOnlineHelp(0), GetTextOnlineHelp(1));
    });
}

TEST_F(ShellDialogsTest, TheAboutBoxOpensFromTheMenuAndTheSystemMenuButNotWhileBusy)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        boxwatch::OnEveryBox(dialog.m_hWnd, [](HWND box) { boxwatch::PressBoxButton(box, IDOK); });
        dialog.SendMessage(WM_COMMAND, ID_MENU_ABOUT);
        PumpMessagesUntil([] { return boxwatch::BoxesSeen() >= 1; }, 3000);
        EXPECT_EQ(1, boxwatch::BoxesSeen());
        dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
        EXPECT_EQ(2, boxwatch::BoxesSeen());

        for (int blocker = 0; blocker < 2; ++blocker) {
            if (blocker == 0)
                dialog.m_busy = 1;
            else
                dialog.m_dropListOpen = 1;
            dialog.SendMessage(WM_COMMAND, ID_MENU_ABOUT);
            ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_ABOUT), BM_CLICK, 0, 0);
            PumpMessagesFor(300);
            EXPECT_EQ(2, boxwatch::BoxesSeen()) << blocker;
            dialog.m_busy = 0;
            dialog.m_dropListOpen = 0;
        }
    });
}

TEST_F(ShellDialogsTest, OnlineHelpOpensTheOverviewFromTheBoxAndTheMenuAlsoWhileBusy)
{
    const std::wstring overview = CAboutDlg::OnlineHelpUrl();
    EXPECT_NE(std::wstring::npos,
              overview.find(L"kelmobluetoothmanager/KelmoBluetoothDeviceManagerForWindowsHelp/Contents/Resources/"
                            L"English/overview.html"));
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        bool stayed = false;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            boxwatch::PressBoxButton(box, IDC_ABOUT_ONLINE_HELP);
            stayed = ::IsWindowVisible(box) != FALSE;
            boxwatch::PressBoxButton(box, IDOK);
        });
        ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_ABOUT), BM_CLICK, 0, 0);
        EXPECT_TRUE(stayed);
        boxwatch::StopWatching();

        dialog.m_busy = 1;
        dialog.SendMessage(WM_COMMAND, ID_MENU_ONLINE_HELP);
        dialog.m_busy = 0;
        ASSERT_EQ(2u, g_opened.size());
        EXPECT_EQ(overview, g_opened[0]);
        EXPECT_EQ(overview, g_opened[1]);
    });
}

// ---------------------------------------------------------------- language dialog

struct LanguageDialogView {
    std::wstring group;
    std::wstring names[kUiLanguageCount];
    std::wstring ok, cancel;
    int checked = -1;
    int checkedCount = 0;
    bool checkBoxShown = true;
};

LanguageDialogView ReadLanguageDialog(HWND box)
{
    LanguageDialogView view;
    view.group = TextOf(box, IDC_LANGUAGE_GROUP);
    for (const LanguageDialogRow& row : kLanguageDialogRows) {
        view.names[row.language] = TextOf(box, row.nameId);
        if (::IsDlgButtonChecked(box, row.radioId) == BST_CHECKED) {
            view.checked = row.language;
            ++view.checkedCount;
        }
    }
    view.ok = TextOf(box, IDOK);
    view.cancel = TextOf(box, IDCANCEL);
    view.checkBoxShown =
        IsVisible(box, IDC_LANGUAGE_APPLY_TO_VP) || ::IsWindowEnabled(::GetDlgItem(box, IDC_LANGUAGE_APPLY_TO_VP));
    return view;
}

void ExpectLabelledIn(const LanguageDialogView& view, int language)
{
    EXPECT_EQ(GetTextManagerLanguage(language), view.group) << language;
    for (int i = 0; i < kUiLanguageCount; ++i)
        EXPECT_EQ(GetLanguageNameIn(i, language), view.names[i]) << language << " row " << i;
    EXPECT_EQ(GetTextOk(language), view.ok);
    EXPECT_EQ(GetTextCancel(language), view.cancel);
    EXPECT_EQ(language, view.checked);
    EXPECT_EQ(1, view.checkedCount);
    EXPECT_FALSE(view.checkBoxShown);
}

TEST_F(ShellDialogsTest, TheLanguageDialogOpensInTheUiLanguageAndRelabelsAsTheUserPicks)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        dialog.ApplyLanguage(5, 1);
        LanguageDialogView opened, picked;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            opened = ReadLanguageDialog(box);
            EXPECT_TRUE(SaveScreenshot(box, L"language-dialog-korean"));
            // The Polish flag picture reports its click.
            ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_FLAG_PL, STN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(box, IDC_LANGUAGE_FLAG_PL)));
            picked = ReadLanguageDialog(box);
            boxwatch::PressBoxButton(box, IDCANCEL);
        });
        // The flag of the main window opens it.
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_FLAG, STN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, IDC_LANGUAGE_FLAG)));
        EXPECT_EQ(1, boxwatch::BoxesSeen());
        ExpectLabelledIn(opened, 5);
        ExpectLabelledIn(picked, 12);
        // Cancel changes nothing.
        EXPECT_EQ(5, dialog.m_uiLanguage);
        EXPECT_EQ(1, dialog.m_applyToFirmwareLanguage);
        boxwatch::StopWatching();

        // Each language's radio button, flag and name select it.
        for (const LanguageDialogRow& row : kLanguageDialogRows) {
            for (int id : {row.radioId, row.flagId, row.nameId}) {
                int checked = -1;
                boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                    ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
                    checked = ReadLanguageDialog(box).checked;
                    boxwatch::PressBoxButton(box, IDCANCEL);
                });
                dialog.SendMessage(WM_COMMAND, ID_MENU_LANGUAGE);
                EXPECT_EQ(row.language, checked) << id;
                boxwatch::StopWatching();
            }
        }
    });
}

TEST_F(ShellDialogsTest, OkInTheLanguageDialogRelabelsTheFrameAndTheToolTips)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        dialog.m_applyToFirmwareLanguage = 0;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_NAME_PL, STN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(box, IDC_LANGUAGE_NAME_PL)));
            boxwatch::PressBoxButton(box, IDOK);
        });
        dialog.SendMessage(WM_COMMAND, ID_MENU_LANGUAGE);
        EXPECT_EQ(12, dialog.m_uiLanguage);
        // The hidden check box hands the preset flag back.
        EXPECT_EQ(0, dialog.m_applyToFirmwareLanguage);
        EXPECT_EQ(GetTextPageTitle(1, 12), TextOf(dialog.m_hWnd, IDC_BUTTON_HOME));
        wchar_t tip[128] = {};
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = dialog.m_hWnd;
        info.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE));
        info.lpszText = tip;
        dialog.m_toolTip.SendMessage(TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(GetTextClose(12), std::wstring(tip));
        boxwatch::StopWatching();

        // Busy or with the list open, neither the flag nor the menu opens it.
        for (int blocker = 0; blocker < 2; ++blocker) {
            boxwatch::OnEveryBox(dialog.m_hWnd, [](HWND box) { boxwatch::PressBoxButton(box, IDCANCEL); });
            if (blocker == 0)
                dialog.m_busy = 1;
            else
                dialog.m_dropListOpen = 1;
            dialog.SendMessage(WM_COMMAND, ID_MENU_LANGUAGE);
            PumpMessagesFor(200);
            EXPECT_EQ(0, boxwatch::BoxesSeen());
            dialog.m_busy = 0;
            dialog.m_dropListOpen = 0;
            boxwatch::StopWatching();
        }
    });
}

TEST_F(ShellDialogsTest, PicturesOfTheLanguageDialog)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        for (const auto& l : kPictureLanguages) {
            dialog.ApplyLanguage(l.language, 1);
            LanguageDialogView view;
            boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                view = ReadLanguageDialog(box);
                EXPECT_TRUE(SaveScreenshot(box, std::wstring(L"language-dialog-") + l.name));
                boxwatch::PressBoxButton(box, IDCANCEL);
            });
            dialog.SendMessage(WM_COMMAND, ID_MENU_LANGUAGE);
            ExpectLabelledIn(view, l.language);
            boxwatch::StopWatching();
        }
    });
}

// ---------------------------------------------------------------- context menu

TEST_F(ShellDialogsTest, TheContextMenuShowsItsFiveCommandsInTheUiLanguage)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        dialog.ApplyLanguage(2, 1);
        RightClick(dialog);
        ASSERT_EQ(1, g_menu.seen);
        const std::vector<std::pair<UINT, std::wstring>> german = {
            {ID_MENU_ABOUT, L"Über..."},
            {ID_MENU_ONLINE_HELP, L"Online-Help"},
            {0, L""},
            {ID_MENU_LANGUAGE, L"Manager-Software-Sprache"},
            {ID_MENU_DIAGNOSTIC_LOG, L"Diagnoseprotokoll"},
            {0, L""},
            {ID_MENU_CLOSE, L"Schließen"},
        };
        EXPECT_EQ(german, g_menu.items);

        for (const auto& l : kPictureLanguages) {
            dialog.ApplyLanguage(l.language, 1);
            RightClick(dialog, std::wstring(L"context-menu-") + l.name);
            ASSERT_EQ(1, g_menu.seen) << l.language;
            ASSERT_EQ(7u, g_menu.items.size());
            EXPECT_EQ(GetTextAbout(l.language), g_menu.items[0].second);
            EXPECT_EQ(GetTextOnlineHelp(l.language), g_menu.items[1].second);
            EXPECT_EQ(GetTextManagerLanguage(l.language), g_menu.items[3].second);
            EXPECT_EQ(GetTextDiagnosticLog(l.language), g_menu.items[4].second);
            EXPECT_EQ(GetTextClose(l.language), g_menu.items[6].second);
        }
    });
}

TEST_F(ShellDialogsTest, NoContextMenuWhileBusyOrWithTheListOpen)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        for (int blocker = 0; blocker < 2; ++blocker) {
            if (blocker == 0)
                dialog.m_busy = 1;
            else
                dialog.m_dropListOpen = 1;
            RightClick(dialog);
            EXPECT_EQ(0, g_menu.seen) << blocker;
            dialog.m_busy = 0;
            dialog.m_dropListOpen = 0;
        }
        // From the keyboard (no point of its own) it opens at the cursor.
        g_menu = MenuWatch{};
        g_menuTimer = ::SetTimer(nullptr, 0, 80, WatchForMenu);
        dialog.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog.m_hWnd), MAKELPARAM(-1, -1));
        PumpMessagesFor(200);
        ::KillTimer(nullptr, g_menuTimer);
        EXPECT_EQ(1, g_menu.seen);
    });
}

// ---------------------------------------------------------------- information box

TEST_F(ShellDialogsTest, TheInformationBoxShowsPageAndStatusWithTheStatusIcon)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        struct Case {
            int failure;
            COLORREF background;
        };
        const Case cases[] = {{1, RGB(255, 142, 0)}, {0, RGB(255, 255, 255)}};
        for (const Case& c : cases) {
            dialog.ApplyLanguage(0, 1);
            for (int language = 0; language < kUiLanguageCount; ++language)
                dialog.SetStatusTextForLanguage(L"Cannot connect to the server.", language);
            dialog.ShowStatusText(L"Cannot connect to the server.", c.failure);
            for (const auto& l : kPictureLanguages) {
                dialog.ApplyLanguage(l.language, 1);
                std::wstring text;
                SIZE size{};
                COLORREF corner = 0;
                boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                    text = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
                    size = boxwatch::BoxSize(box);
                    corner = CaptureWindow(box, true).At(4, 4);
                    if (c.failure) {
                        EXPECT_TRUE(SaveScreenshot(box, std::wstring(L"information-box-") + l.name));
                    }
                    boxwatch::PressBoxButton(box, IDOK);
                });
                // It works also while an operation runs.
                dialog.m_busy = 1;
                dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_INFORMATION, BN_CLICKED),
                                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_INFORMATION)));
                dialog.m_busy = 0;
                EXPECT_EQ(1, boxwatch::BoxesSeen());
                EXPECT_EQ(L"[" + GetTextPageTitle(1, l.language) + L"]\n" + dialog.GetStatusText().str(), text);
                EXPECT_EQ(510, size.cx);
                EXPECT_EQ(160, size.cy);
                EXPECT_EQ(c.background, corner) << c.failure;
                boxwatch::StopWatching();
            }
        }
    });
}

// ---------------------------------------------------------------- new-firmware question

TEST_F(ShellDialogsTest, TheNewFirmwareQuestionCopiesThePagesLanguagesAndYesWritesTheChoiceBack)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        dialog.m_modelCode = 0x4D10;
        dialog.m_device.m_firmwareVersion.major = 4;
        dialog.m_device.m_firmwareVersion.minor = 1;
        dialog.m_device.m_firmwareVersion.kind = 2;
        dialog.m_device.m_firmwareVersion.build = 0;
        {
            auto job = dialog.m_pageFirmwareUpdate.m_firmwareInfo->Lock();
            job->m_version.major = 4;
            job->m_version.minor = 2;
            job->m_version.kind = 0;
            job->m_version.build = 0;
        }
        CComboBox& pageList = dialog.m_pageFirmwareUpdate.m_firmwareLanguageList;
        struct Case {
            std::vector<std::wstring> entries;
            int answer;
            int chosen;   // picked in the question's list, -1 for none
            int expected; // the page's selection afterwards
        };
        const Case cases[] = {
            {{L"English"}, IDOK, -1, 0},
            {{L"English", L"French", L"German"}, IDOK, 2, 2},
            {{L"English", L"French", L"German"}, IDCANCEL, 2, 1},
        };
        for (const Case& c : cases) {
            pageList.ResetContent();
            for (const std::wstring& entry : c.entries)
                pageList.AddString(entry.c_str());
            pageList.SetCurSel(c.entries.size() > 1 ? 1 : 0);
            for (const auto& l : kPictureLanguages) {
                if (c.answer == IDCANCEL && l.language != 0)
                    continue;
                dialog.ApplyLanguage(l.language, 0);
                pageList.SetCurSel(c.entries.size() > 1 ? 1 : 0);
                CDialogNewUpdateFound question(&dialog);
                bool listShown = false, labelShown = false;
                int count = 0, selection = -1;
                std::wstring current, next, label, currentLabel;
                boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                    listShown = IsVisible(box, IDC_NEW_UPDATE_LANGUAGE_LIST);
                    labelShown = IsVisible(box, IDC_NEW_UPDATE_LANGUAGE_LABEL);
                    count =
                        static_cast<int>(::SendDlgItemMessageW(box, IDC_NEW_UPDATE_LANGUAGE_LIST, CB_GETCOUNT, 0, 0));
                    selection =
                        static_cast<int>(::SendDlgItemMessageW(box, IDC_NEW_UPDATE_LANGUAGE_LIST, CB_GETCURSEL, 0, 0));
                    current = TextOf(box, IDC_NEW_UPDATE_CURRENT_VERSION);
                    next = TextOf(box, IDC_NEW_UPDATE_NEW_VERSION);
                    label = TextOf(box, IDC_NEW_UPDATE_LANGUAGE_LABEL);
                    currentLabel = TextOf(box, IDC_NEW_UPDATE_CURRENT_LABEL);
                    if (c.entries.size() > 1 && c.answer == IDOK) {
                        EXPECT_TRUE(SaveScreenshot(box, std::wstring(L"new-firmware-question-") + l.name));
                    }
                    if (c.chosen >= 0)
                        ::SendDlgItemMessageW(box, IDC_NEW_UPDATE_LANGUAGE_LIST, CB_SETCURSEL, c.chosen, 0);
                    boxwatch::PressBoxButton(box, c.answer);
                });
                EXPECT_EQ(c.answer, question.DoModal());
                boxwatch::StopWatching();
                const bool several = c.entries.size() > 1;
                EXPECT_EQ(several, listShown);
                EXPECT_EQ(several, labelShown);
                EXPECT_EQ(several ? static_cast<int>(c.entries.size()) : 0, count);
                if (several) {
                    EXPECT_EQ(1, selection);
                    EXPECT_EQ(TextVoicePrompt(l.language), label);
                }
                EXPECT_EQ(L"4.1", current);
                EXPECT_EQ(L"4.2", next);
                EXPECT_EQ(NewUpdateFoundTexts::GetTextCurrentVersion(l.language), currentLabel);
                EXPECT_EQ(c.expected, pageList.GetCurSel());
            }
        }
    });
}

// ---------------------------------------------------------------- diagnostic log

std::string ReadFileBytes(const std::wstring& path)
{
    std::string bytes;
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return "<missing>";
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(f, buffer, sizeof buffer, &n, nullptr) && n > 0)
        bytes.append(buffer, n);
    ::CloseHandle(f);
    return bytes;
}

std::wstring TemporaryFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + name + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\";
}

TEST_F(ShellDialogsTest, TheDiagnosticLogIsSavedWhereTheUserChoosesAndTheFolderIsKept)
{
    const std::wstring folder = TemporaryFolder(L"quor_log_");
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        dialog.m_recognized = 1;
        dialog.m_modelCode = 0x4D10;
        dialog.m_usbStatus = 0x4D10;
        dialog.m_device.m_modelCode = 0x4D10;
        dialog.m_device.m_deviceName = L"QUOR 20S";
        dialog.m_currentPath = folder.c_str();

        // Cancel: nothing written, nothing remembered.
        savewatch::SaveAs(L"");
        dialog.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        EXPECT_EQ(1, savewatch::g_plan.seen);
        EXPECT_EQ(CString(folder.c_str()), dialog.m_currentPath);
        const std::wstring proposed = savewatch::g_plan.proposedName;
        ASSERT_EQ(std::wstring(L"20240308140509_DiagnosticLog.hvlxlog").size(), proposed.size()) << proposed;
        EXPECT_EQ(L"_DiagnosticLog.hvlxlog", proposed.substr(14));

        // A name alone lands in the folder the dialog opened in.
        savewatch::SaveAs(L"support.hvlxlog");
        dialog.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        EXPECT_EQ(1, savewatch::g_plan.seen);
        CString status;
        dialog.m_statusLine.GetWindowText(status);
        DiagnosticLogSubject subject;
        subject.statusLine = status.str();
        subject.recognized = 1;
        subject.targetModelCode = 0x4D10;
        subject.usbStatus = 0x4D10;
        subject.device = &dialog.m_device;
        SystemDiagnosticLogProviders providers;
        EXPECT_EQ(ToTextModeLineEnds(ComposeDiagnosticLog(subject, providers)),
                  ReadFileBytes(folder + L"support.hvlxlog"));
        EXPECT_EQ(CString(folder.c_str()), dialog.m_currentPath);

        // Busy or with the list open: no dialog.
        dialog.m_busy = 1;
        savewatch::SaveAs(L"");
        dialog.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        PumpMessagesFor(200);
        dialog.m_busy = 0;
        EXPECT_EQ(0, savewatch::g_plan.seen);
        savewatch::Stop();
    });
    ::DeleteFileW((folder + L"support.hvlxlog").c_str());
    ::RemoveDirectoryW(folder.c_str());
}

TEST_F(ShellDialogsTest, ALogThatCannotBeWrittenIsToldAndTheFolderIsStillKept)
{
    const std::wstring folder = TemporaryFolder(L"quor_log_held_");
    const std::wstring path = folder + L"held.hvlxlog";
    // Another program holds the file open without letting it be replaced.
    HANDLE held = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        dialog.m_currentPath = L"";
        std::wstring told;
        int warnings = 0;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            if (!::GetDlgItem(box, IDC_MESSAGE_TEXT) || savewatch::NameBox(box))
                return;
            ++warnings;
            told = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
            boxwatch::PressBoxButton(box, IDOK);
        });
        savewatch::SaveAs(path);
        dialog.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        EXPECT_EQ(1, warnings);
        EXPECT_EQ(GetTextCannotOpenFile(0) + L":\n" + path, told);
        EXPECT_EQ(CString(folder.c_str()), dialog.m_currentPath);
        EXPECT_EQ(CString(folder.c_str()).str(), dialog.SaveDialogFolder());
        savewatch::Stop();
    });
    ::CloseHandle(held);
    EXPECT_EQ(std::string(), ReadFileBytes(path));
    ::DeleteFileW(path.c_str());
    ::DeleteFileW((path + L".part").c_str());
    ::RemoveDirectoryW(folder.c_str());
}

} // namespace
