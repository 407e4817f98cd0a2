// The program's message box as a real window under Wine, over a real main
// window: its keys, buttons, layout, colours and the two hand-shakes of OK.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/DialogMessageBox.h"
#include "shell/ShellOpen.h"
#include "app/UpdaterDlg.h"
#include "firmware/FirmwareJob.h"
#include "res/resource.h"
#include "tests/support/MessagePump.h"
#include "tests/support/WindowCapture.h"

namespace {

CWinApp g_app;

// A main window for the boxes to belong to, as the program has one.
class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static bool controls = false;
        if (!controls) {
            INITCOMMONCONTROLSEX init{sizeof init, 0xFF};
            ::InitCommonControlsEx(&init);
            controls = true;
        }
        m_main = std::make_unique<CUpdaterDlg>();
        ASSERT_TRUE(m_main->Create(IDD_UPDATER_DIALOG));
        m_main->ShowWindow(SW_SHOW);
        g_app.m_pMainWnd = m_main.get();
        // The start page shows and its update check lets the window go again.
        for (int i = 0; i < 60 && (m_main->m_page != 1 || m_main->m_busy); ++i)
            PumpMessagesFor(50);
        CDialogMessageBox::SetCameraPauseForTests(CDialogMessageBox::kCameraPauseMs);
    }
    void TearDown() override
    {
        g_app.m_pMainWnd = nullptr;
        m_main->DestroyWindow();
        m_main.reset();
    }
    std::unique_ptr<CUpdaterDlg> m_main;
};

std::function<void()> g_script;
UINT_PTR g_timer = 0;

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(nullptr, g_timer);
    auto script = std::move(g_script);
    g_script = nullptr;
    if (script)
        script();
}

CDialogMessageBox* g_finishBox = nullptr;
UINT_PTR g_finishTimer = 0;

// Ends, with 99, a box that is still up once its script and the keys it sent are done.
void CALLBACK FinishBox(HWND, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(nullptr, g_finishTimer);
    g_finishTimer = 0;
    if (g_finishBox && g_finishBox->m_hWnd)
        g_finishBox->EndDialog(99);
    g_finishBox = nullptr;
}

// Runs the box modally; the script runs inside its modal loop.
INT_PTR RunBox(CDialogMessageBox& box, std::function<void()> script, DWORD finishAfterMs = 400)
{
    g_script = [&box, script, finishAfterMs] {
        script();
        g_finishBox = &box;
        g_finishTimer = ::SetTimer(nullptr, 0, finishAfterMs, FinishBox);
    };
    g_timer = ::SetTimer(nullptr, 0, 30, RunScript);
    const INT_PTR result = box.DoModal();
    if (g_finishTimer)
        ::KillTimer(nullptr, g_finishTimer);
    g_finishTimer = 0;
    g_finishBox = nullptr;
    return result;
}

void Key(HWND box, WPARAM key)
{
    HWND target = ::GetFocus();
    if (!target || (target != box && !::IsChild(box, target)))
        target = box;
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    PumpMessagesFor(150);
}

RECT ChildRect(HWND box, int id)
{
    RECT rect{};
    HWND child = ::GetDlgItem(box, id);
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

const CString kOk(L"OK"), kYes(L"YES"), kNo(L"NO"), kNotes(L"Release Notes");

TEST_F(MessageBoxTest, EscEndsOnlyABoxWithButtonTwoAndEnterOnlyOneWithButtonOne)
{
    struct Case {
        const CString* button2;
        const CString* button1;
        WPARAM key;
        INT_PTR expected; // 99: the key did nothing
    } cases[] = {
        {&kNo, &kYes, VK_ESCAPE, IDCANCEL}, {&kNo, &kYes, VK_RETURN, IDOK},    {nullptr, &kOk, VK_ESCAPE, 99},
        {nullptr, &kOk, VK_RETURN, IDOK},   {nullptr, nullptr, VK_ESCAPE, 99}, {nullptr, nullptr, VK_RETURN, 99},
    };
    for (const Case& c : cases) {
        CDialogMessageBox box;
        box.SetContent(L"Question?", 0, c.button2, c.button1, CSize(400, 130));
        const INT_PTR result = RunBox(box, [&] { Key(box.m_hWnd, c.key); });
        EXPECT_EQ(c.expected, result) << "key " << c.key << " buttons " << (c.button1 != nullptr)
                                      << (c.button2 != nullptr);
    }
}

TEST_F(MessageBoxTest, OwnedByTheMainWindowAndLaidOutFromItsSize)
{
    CDialogMessageBox box; // no parent given
    box.SetContent(L"A & B stay as they are", 0, nullptr, &kOk, CSize(400, 130));
    RunBox(box, [&] {
        HWND hwnd = box.m_hWnd;
        EXPECT_EQ(m_main->m_hWnd, ::GetWindow(hwnd, GW_OWNER));
        RECT window;
        ::GetWindowRect(hwnd, &window);
        EXPECT_EQ(400, window.right - window.left);
        EXPECT_EQ(130, window.bottom - window.top);
        const RECT button1 = ChildRect(hwnd, IDOK);
        EXPECT_EQ(265, button1.left);
        EXPECT_EQ(86, button1.top);
        EXPECT_EQ(115, button1.right - button1.left);
        EXPECT_EQ(24, button1.bottom - button1.top);
        const RECT text = ChildRect(hwnd, IDC_MESSAGE_TEXT);
        EXPECT_EQ(104, text.left);
        EXPECT_EQ(46, text.bottom - text.top);
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(hwnd, IDOK)));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hwnd, IDCANCEL)));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hwnd, IDC_MESSAGE_BUTTON3)));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hwnd, IDCANCEL)));
        wchar_t shown[64] = {};
        ::GetDlgItemTextW(hwnd, IDC_MESSAGE_TEXT, shown, 64);
        EXPECT_STREQ(L"A & B stay as they are", shown);
        EXPECT_TRUE(::GetWindowLongW(::GetDlgItem(hwnd, IDC_MESSAGE_TEXT), GWL_STYLE) & SS_NOPREFIX);
        // The texts and buttons use a bold copy of the dialog's font.
        LOGFONTW font{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendDlgItemMessageW(hwnd, IDOK, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(FW_BOLD, font.lfWeight);
    });

    CDialogMessageBox none;
    none.SetContent(L"Hold on", 1, nullptr, nullptr, CSize(400, 110));
    RunBox(none, [&] {
        EXPECT_EQ(70, ChildRect(none.m_hWnd, IDC_MESSAGE_TEXT).bottom - ChildRect(none.m_hWnd, IDC_MESSAGE_TEXT).top);
    });
}

COLORREF BitmapPixel(UINT id, int x, int y)
{
    HBITMAP bitmap = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    return pixel;
}

TEST_F(MessageBoxTest, WarningShowsTheSignOnOrangeAndPlainTheLogoOnWhite)
{
    struct Case {
        int iconKind;
        UINT picture;
        COLORREF background;
        const wchar_t* screenshot;
    } cases[] = {
        {0, IDB_PRODUCT_LOGO, RGB(255, 255, 255), L"message-box-plain"},
        {1, IDB_WARNING, RGB(255, 142, 0), L"message-box-warning"},
    };
    for (const Case& c : cases) {
        CDialogMessageBox box;
        box.SetContentWithLink(L"Would you like to save DEVICE SETTING changes?", c.iconKind, &kNotes, &kNo, &kYes,
                               CSize(400, 130));
        RunBox(box, [&] {
            PumpMessagesFor(200);
            const WindowPicture picture = CaptureWindow(box.m_hWnd, true);
            // Background beside the picture and below the text.
            EXPECT_EQ(c.background, picture.At(10, 100)) << c.iconKind;
            EXPECT_EQ(c.background, picture.At(95, 60)) << c.iconKind;
            // The picture's own centre pixel, where the control shows it.
            const RECT icon = ChildRect(box.m_hWnd, IDC_MESSAGE_ICON);
            BITMAP size{};
            HBITMAP loaded = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.picture));
            ::GetObjectW(loaded, sizeof size, &size);
            ::DeleteObject(loaded);
            const int cx = (icon.left + icon.right) / 2;
            const int cy = (icon.top + icon.bottom) / 2;
            EXPECT_EQ(BitmapPixel(c.picture, size.bmWidth / 2, size.bmHeight / 2), picture.At(cx, cy)) << c.iconKind;
            EXPECT_TRUE(SaveScreenshot(box.m_hWnd, c.screenshot));
        });
    }
}

TEST_F(MessageBoxTest, CameraPauseKeepsTheBoxUpWithTheWaitCursorThenRestoresBusy)
{
    CDialogMessageBox::SetCameraPauseForTests(700);
    for (int busyBefore : {0, 1}) {
        m_main->m_modelCode = 0x3020;
        m_main->m_cameraWaitPending = 1;
        m_main->m_busy = busyBefore;
        CDialogMessageBox box;
        box.SetContent(L"Restart the camera.", 0, nullptr, &kOk, CSize(380, 145));
        bool upDuringPause = false, waitCursor = false, buttonDisabled = false, busyDuring = false;
        std::function<void()> check = [&] {
            upDuringPause = ::IsWindowVisible(box.m_hWnd) != FALSE;
            buttonDisabled = !::IsWindowEnabled(::GetDlgItem(box.m_hWnd, IDOK));
            busyDuring = m_main->m_busy == 1;
            ::SendMessageW(box.m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(box.m_hWnd),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            waitCursor = ::GetCursor() == ::LoadCursorW(nullptr, IDC_WAIT);
        };
        const INT_PTR result = RunBox(box, [&] {
            // A timer of the thread runs during the pause, as every window stays alive.
            g_script = check;
            g_timer = ::SetTimer(nullptr, 0, 250, RunScript);
            ::SendMessageW(box.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(box.m_hWnd, IDOK)));
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_TRUE(upDuringPause);
        EXPECT_TRUE(buttonDisabled);
        EXPECT_TRUE(busyDuring);
        EXPECT_TRUE(waitCursor);
        EXPECT_EQ(busyBefore, m_main->m_busy);
        EXPECT_EQ(0, m_main->m_cameraWaitPending);

        // The pause runs once: the next box closes at once, without waiting for anything.
        CDialogMessageBox second;
        second.SetContent(L"Done.", 0, nullptr, &kOk, CSize(380, 145));
        bool waited = false;
        const INT_PTR secondResult = RunBox(second, [&] {
            g_script = [&] { waited = true; };
            g_timer = ::SetTimer(nullptr, 0, 50, RunScript);
            ::SendMessageW(second.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            ::KillTimer(nullptr, g_timer);
        });
        EXPECT_EQ(IDOK, secondResult);
        EXPECT_FALSE(waited);
        EXPECT_EQ(busyBefore, m_main->m_busy);
    }
    m_main->m_busy = 0;
}

TEST_F(MessageBoxTest, AQuitDuringThePauseEndsItAndIsPostedAgainForTheLoopThatOwnsTheThread)
{
    CDialogMessageBox::SetCameraPauseForTests(60000);
    m_main->m_modelCode = 0x3020;
    m_main->m_cameraWaitPending = 1;
    m_main->m_busy = 0;
    CDialogMessageBox box;
    box.SetContent(L"Restart the camera.", 0, nullptr, &kOk, CSize(380, 145));
    const INT_PTR result = RunBox(box, [&] {
        g_script = [] { ::PostQuitMessage(7); };
        g_timer = ::SetTimer(nullptr, 0, 100, RunScript);
        ::SendMessageW(box.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(0, m_main->m_busy);
    MSG quit{};
    ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, quit.wParam);
}

TEST_F(MessageBoxTest, PauseTouchesNothingWhenTheBoxGoesMeanwhile)
{
    CDialogMessageBox::SetCameraPauseForTests(500);
    m_main->m_modelCode = 0x3020;
    m_main->m_cameraWaitPending = 1;
    m_main->m_busy = 0;
    m_main->m_waitForUser = 1;
    auto* popup = new CDialogMessageBox;
    popup->SetContent(L"Restart the camera.", 1, nullptr, &kOk, CSize(380, 145));
    ASSERT_TRUE(popup->CreatePopup());
    FirmwareJob job;
    job.SetPopup(std::unique_ptr<FirmwarePopup>(popup));
    const HWND window = popup->m_hWnd;
    g_script = [&] { job.ClosePopup(); };
    g_timer = ::SetTimer(nullptr, 0, 100, RunScript);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_FALSE(::IsWindow(window));
    // The box went before its pause ended: the worker's flag is not released by it.
    EXPECT_EQ(1, m_main->m_waitForUser);
    EXPECT_EQ(0, m_main->m_pageFirmwareUpdate.m_secondPhaseStarts);
    m_main->m_busy = 0;
}

TEST_F(MessageBoxTest, ReleasingAWaitingWorkerStartsTheSecondPhaseOnlyForOtherTargets)
{
    struct Case {
        int target;
        int secondPhases;
    } cases[] = {{0x4210, 0}, {0x4D10, 1}};
    for (const Case& c : cases) {
        m_main->m_modelCode = c.target;
        m_main->m_waitForUser = 1;
        m_main->m_pageFirmwareUpdate.m_secondPhaseStarts = 0;
        CDialogMessageBox box;
        box.SetContent(L"Backup failed.", 1, nullptr, &kOk, CSize(500, 180));
        EXPECT_EQ(IDOK, RunBox(box, [&] { Key(box.m_hWnd, VK_RETURN); }));
        EXPECT_EQ(0, m_main->m_waitForUser) << std::hex << c.target;
        EXPECT_EQ(c.secondPhases, m_main->m_pageFirmwareUpdate.m_secondPhaseStarts) << std::hex << c.target;
    }
    // Without a waiting worker OK only ends the box.
    m_main->m_modelCode = 0x4D10;
    m_main->m_pageFirmwareUpdate.m_secondPhaseStarts = 0;
    CDialogMessageBox box;
    box.SetContent(L"Done.", 0, nullptr, &kOk, CSize(400, 130));
    EXPECT_EQ(IDOK, RunBox(box, [&] { Key(box.m_hWnd, VK_RETURN); }));
    EXPECT_EQ(0, m_main->m_pageFirmwareUpdate.m_secondPhaseStarts);
}

std::vector<std::wstring> g_opened;

void RecordOpen(const std::wstring& url)
{
    g_opened.push_back(url);
}

TEST_F(MessageBoxTest, ReleaseNotesOpenTheirPageAndLeaveTheBoxOpen)
{
    g_opened.clear();
    const ShellOpenFunction previous = SetShellOpenForTests(RecordOpen);
    CDialogMessageBox box;
    box.SetContentWithLink(L"A newer manager is available.", 0, &kNotes, &kNo, &kYes, CSize(530, 230));
    bool stillOpen = false;
    RunBox(box, [&] {
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(box.m_hWnd, IDC_MESSAGE_BUTTON3)));
        ::SendMessageW(::GetDlgItem(box.m_hWnd, IDC_MESSAGE_BUTTON3), BM_CLICK, 0, 0);
        PumpMessagesFor(100);
        stillOpen = ::IsWindowVisible(box.m_hWnd) != FALSE;
        EXPECT_TRUE(SaveScreenshot(box.m_hWnd, L"message-box-three-buttons"));
    });
    SetShellOpenForTests(previous);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_EQ(L"https://firmware.quor.example/kelmobluetoothmanager/KelmoBluetoothDeviceManagerForWindowsHelp/Contents/"
              L"Resources/English/release_notes.html",
              g_opened[0]);
}

TEST_F(MessageBoxTest, ClosePopupTakesDownAModelessPopup)
{
    auto* popup = new CDialogMessageBox;
    popup->SetContent(L"Press and hold the Phone Button until this message disappears.", 1, nullptr, nullptr,
                      CSize(400, 110));
    ASSERT_TRUE(popup->CreatePopup());
    const HWND window = popup->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(m_main->m_hWnd, ::GetWindow(window, GW_OWNER));
    RECT rect, main;
    ::GetWindowRect(window, &rect);
    ::GetWindowRect(m_main->m_hWnd, &main);
    EXPECT_EQ(400, rect.right - rect.left);
    EXPECT_EQ(110, rect.bottom - rect.top);
    EXPECT_NEAR((main.left + main.right) / 2, (rect.left + rect.right) / 2, 1);
    // A popup without buttons cannot be ended by the user.
    Key(window, VK_ESCAPE);
    Key(window, VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(window));
    FirmwareJob job;
    job.SetPopup(std::unique_ptr<FirmwarePopup>(popup));
    job.ClosePopup();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(job.HasPopup());
}

} // namespace
