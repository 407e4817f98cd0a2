// The real main window under Wine, through the modal loop the program runs:
// its configuration file beside the test program, closing, the road between
// the pages, the category list, the frame's view, languages and fonts, and
// the pictures a person would see.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/DialogMessageBox.h"
#include "app/UpdaterDlg.h"
#include "firmware/FirmwarePrompt.h"
#include "link/HidChannel.h"
#include "res/resource.h"
#include "sim/SimHeadset.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramFiles.h"
#include "tests/support/WindowCapture.h"
#include "text/MainWindowTexts.h"
#include "text/SettingsPageTitle.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

namespace {

using namespace mainwindow;

// ---------------------------------------------------------------- the IMG folder beside the program

void RemoveImg()
{
    ::SetFileAttributesW(ConfigurationFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(ConfigurationFilePath().c_str());
    ::DeleteFileW((ConfigurationFilePath() + L".new").c_str());
    ::RemoveDirectoryW(ImgFolder().c_str());
}

const char kGermanExample[] = "keyManagerVersion=v1.3\r\n"
                              "keyManagerLanguage=German\r\n"
                              "keyApplyToFirmwareLanguage=1\r\n"
                              "keyDeviceTarget=19728\r\n"
                              "keyFirmwareLanguage=English\r\n";

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitControls();
        RemoveImg();
        CDialogMessageBox::SetCameraPauseForTests(CDialogMessageBox::kCameraPauseMs);
    }
    void TearDown() override
    {
        StopWatching();
        RemoveImg();
    }
};

// ---------------------------------------------------------------- configuration and closing

TEST_F(MainFrameTest, WithoutImgStartsInEnglishAndClosingCreatesNoFile)
{
    CUpdaterDlg dialog;
    const INT_PTR result = RunModal(dialog, [&] {
        EXPECT_EQ(0, dialog.m_uiLanguage);
        EXPECT_EQ(1, dialog.m_applyToFirmwareLanguage);
        EXPECT_EQ(0, dialog.m_modelCode);
        EXPECT_EQ(CString(L"English"), dialog.m_firmwareLanguage);
        EXPECT_EQ(CString(L"v0.0"), dialog.m_managerVersionText);
        EXPECT_EQ(CString(L"WELCOME"), ItemText(dialog, IDC_BUTTON_HOME));
        OnEveryBox(dialog.m_hWnd, [](HWND box) { PressBoxButton(box, IDOK); });
        Click(dialog, IDC_BUTTON_CLOSE);
    });
    EXPECT_EQ(IDOK, result);
    // A missing folder is nothing to tell.
    EXPECT_EQ(0, BoxesSeen());
    EXPECT_FALSE(FileExists(ImgFolder()));
    EXPECT_EQ(ConfigurationWrite::NoFolder, dialog.m_lastConfigurationWrite);
}

TEST_F(MainFrameTest, TheExampleFileStartsInGermanAndIsWrittenBackByteForByte)
{
    ASSERT_TRUE(::CreateDirectoryW(ImgFolder().c_str(), nullptr));
    WriteFileBytes(ConfigurationFilePath(), kGermanExample);
    CUpdaterDlg dialog;
    const INT_PTR result = RunModal(dialog, [&] {
        EXPECT_EQ(2, dialog.m_uiLanguage);
        EXPECT_EQ(0x4D10, dialog.m_modelCode);
        EXPECT_EQ(CString(GetTextPageTitle(1, 2).c_str()), ItemText(dialog, IDC_BUTTON_HOME));
        EXPECT_EQ(CString(GetTextReady(1, 0, 2).c_str()), ItemText(dialog, IDC_STATUS_TEXT));
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"main-window-german"));
        Click(dialog, IDC_BUTTON_CLOSE);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(std::string(kGermanExample), ReadFileBytes(ConfigurationFilePath()));
    EXPECT_FALSE(FileExists(ConfigurationFilePath() + L".new"));
}

// A file of that name far larger than any configuration (64 KiB of it is
// plenty) is not read into memory: the manager starts with its defaults.
TEST_F(MainFrameTest, AConfigurationFileLargerThanAnyIsLeftUnreadAndTheDefaultsHold)
{
    ASSERT_TRUE(::CreateDirectoryW(ImgFolder().c_str(), nullptr));
    WriteFileBytes(ConfigurationFilePath(), kGermanExample + std::string(64 * 1024, ' '));
    CUpdaterDlg dialog;
    const INT_PTR result = RunModal(dialog, [&] {
        EXPECT_EQ(0, dialog.m_uiLanguage);
        EXPECT_EQ(0, dialog.m_modelCode);
        EXPECT_EQ(CString(L"WELCOME"), ItemText(dialog, IDC_BUTTON_HOME));
        Click(dialog, IDC_BUTTON_CLOSE);
    });
    EXPECT_EQ(IDOK, result);
}

TEST_F(MainFrameTest, AFailedReplaceIsToldClosesAndLeavesTheOldFile)
{
    ASSERT_TRUE(::CreateDirectoryW(ImgFolder().c_str(), nullptr));
    const std::string old = "keyManagerLanguage=French\r\n";
    WriteFileBytes(ConfigurationFilePath(), old);
    // Another program holds the file open without letting it be replaced.
    HANDLE holder = ::CreateFileW(ConfigurationFilePath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    CUpdaterDlg dialog;
    CString told;
    const INT_PTR result = RunModal(dialog, [&] {
        EXPECT_EQ(1, dialog.m_uiLanguage);
        dialog.ApplyLanguage(0, 1);
        OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            told = BoxText(box);
            EXPECT_TRUE(SaveScreenshot(box, L"main-window-warning-box"));
            PressBoxButton(box, IDOK);
        });
        Click(dialog, IDC_BUTTON_CLOSE);
    });
    ::CloseHandle(holder);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, BoxesSeen());
    EXPECT_EQ(ConfigurationWrite::ReplaceFailed, dialog.m_lastConfigurationWrite);
    EXPECT_NE(-1, told.str().find(L"Cannot open file"));
    EXPECT_NE(std::wstring::npos, told.str().find(L"QuorBluetoothDeviceManager.hvlxconf"));
    EXPECT_EQ(old, ReadFileBytes(ConfigurationFilePath()));
    EXPECT_FALSE(FileExists(ConfigurationFilePath() + L".new"));
}

// The three ways out: the "X" button, the context menu's Close, and WM_CLOSE (Alt+F4).
void CloseBy(CUpdaterDlg& dialog, int way)
{
    switch (way) {
    case 0: Click(dialog, IDC_BUTTON_CLOSE); break;
    case 1: dialog.SendMessage(WM_COMMAND, ID_MENU_CLOSE); break;
    default: dialog.SendMessage(WM_CLOSE); break;
    }
    PumpFor(dialog.m_hWnd, 150);
}

TEST_F(MainFrameTest, NoWayClosesWhileBusyOrWithTheListOpenAndEachClosesAndWritesWhenIdle)
{
    for (int way = 0; way < 3; ++way) {
        RemoveImg();
        ASSERT_TRUE(::CreateDirectoryW(ImgFolder().c_str(), nullptr));
        SimHeadset sim;
        sim.Install();
        sim.AddHidPairUnit();
        CUpdaterDlg dialog;
        bool stayed = true;
        const INT_PTR result = RunModal(dialog, [&] {
            dialog.m_hidPrimary = OpenHidInterface(0x2030);
            dialog.m_hidSecondary = OpenHidInterface(0x2040);
            ASSERT_EQ(2, sim.OpenHandleCount());
            for (int blocker = 0; blocker < 2; ++blocker) {
                if (blocker == 0)
                    dialog.m_busy = 1;
                else
                    dialog.m_dropListOpen = 1;
                CloseBy(dialog, way);
                stayed = stayed && ::IsWindowVisible(dialog.m_hWnd) && sim.OpenHandleCount() == 2;
                EXPECT_FALSE(FileExists(ConfigurationFilePath())) << "way " << way;
                dialog.m_busy = 0;
                dialog.m_dropListOpen = 0;
            }
            CloseBy(dialog, way);
        });
        EXPECT_TRUE(stayed) << "way " << way;
        EXPECT_EQ(IDOK, result) << "way " << way;
        EXPECT_EQ(0, sim.OpenHandleCount()) << "way " << way;
        EXPECT_TRUE(FileExists(ConfigurationFilePath())) << "way " << way;
    }
}

TEST_F(MainFrameTest, EscAndEnterNeverClose)
{
    CUpdaterDlg dialog;
    bool open = false;
    const INT_PTR result = RunModal(dialog, [&] {
        Recognise(dialog);
        dialog.GoToPage(5);
        for (WPARAM key : {VK_ESCAPE, VK_RETURN, VK_ESCAPE, VK_RETURN})
            PressKey(dialog.m_hWnd, key);
        ::SetFocus(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_NEXT));
        PressKey(dialog.m_hWnd, VK_RETURN);
        PressKey(dialog.m_hWnd, VK_ESCAPE);
        open = ::IsWindowVisible(dialog.m_hWnd) != FALSE;
        dialog.m_recognized = 0;
        Click(dialog, IDC_BUTTON_CLOSE);
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(IDOK, result);
}

// ---------------------------------------------------------------- the road

TEST_F(MainFrameTest, SwitchesWithoutATargetOrAUnitLandOnPageOneOrTwo)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        dialog.GoToPage(3);
        EXPECT_EQ(1, dialog.m_page);
        dialog.GoToPage(2);
        EXPECT_EQ(1, dialog.m_page);
        dialog.m_modelCode = 0x4D10;
        dialog.GoToPage(5);
        EXPECT_EQ(2, dialog.m_page);
        EXPECT_TRUE(::IsWindowVisible(dialog.m_pageDeviceRecognition.m_hWnd));
        EXPECT_FALSE(::IsWindowVisible(dialog.m_pageDeviceSetting.m_hWnd));
        // A unit makes page 3 reachable; the way back to page 1 forgets it.
        Recognise(dialog);
        dialog.GoToPage(3);
        EXPECT_EQ(3, dialog.m_page);
        dialog.GoToPage(1);
        EXPECT_EQ(0, dialog.m_recognized);
        EXPECT_EQ(0, dialog.m_settingsPageCount);
        EXPECT_EQ(0, dialog.m_usbStatus);
        dialog.GoToPage(8);
        EXPECT_EQ(1, dialog.m_page);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(MainFrameTest, LeavingChangedSettingsAsksOnceYesWritesNoRevertsAndLands)
{
    for (const int answer : {IDOK, IDCANCEL}) {
        CUpdaterDlg dialog;
        std::vector<CString> questions;
        RunModal(dialog, [&] {
            Recognise(dialog);
            dialog.GoToPage(7);
            ASSERT_EQ(7, dialog.m_page);
            CSettingsPageDialog& speedDial = dialog.m_pageDeviceSettingSpeedDial;
            speedDial.m_config.m_speedDial[0] = L"0123456";
            dialog.RefreshView();
            EXPECT_TRUE(Enabled(dialog, IDC_BUTTON_APPLY));
            EXPECT_EQ(CString(L"SAVE"), ItemText(dialog, IDC_BUTTON_APPLY));
            OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                questions.push_back(BoxText(box));
                if (questions.size() == 1) {
                    EXPECT_TRUE(SaveScreenshot(box, L"main-window-save-question"));
                }
                PressBoxButton(box, answer == IDOK ? IDOK : IDCANCEL);
            });
            dialog.ShowDeviceSettingSecondPage(1);
            PumpFor(dialog.m_hWnd, 200);
            if (answer == IDOK) {
                EXPECT_EQ(1, speedDial.m_writeCalls);
                EXPECT_EQ(6, speedDial.m_writeNextPage);
                // No unit is there to take the numbers: the write fails and ends on page 1.
                EXPECT_EQ(1, dialog.m_page);
                EXPECT_EQ(L"", speedDial.m_config.m_speedDial[0]);
            } else {
                EXPECT_EQ(0, speedDial.m_writeCalls);
                EXPECT_EQ(L"", speedDial.m_config.m_speedDial[0]);
                EXPECT_EQ(6, dialog.m_page);
                EXPECT_TRUE(::IsWindowVisible(dialog.m_pageDeviceSettingSecond.m_hWnd));
                EXPECT_FALSE(::IsWindowVisible(speedDial.m_hWnd));
            }
            StopWatching();
            Click(dialog, IDC_BUTTON_CLOSE);
        });
        // YES also sees the failed write's box, and nothing more.
        ASSERT_EQ(answer == IDOK ? 2u : 1u, questions.size()) << answer;
        EXPECT_EQ(CString(L"Would you like to save DEVICE SETTING changes?"), questions[0]);
        if (answer == IDOK) {
            EXPECT_EQ(CString(GetTextDeviceNotConnected(0).c_str()), questions[1]);
        }
    }
}

TEST_F(MainFrameTest, PageSixToPageSixNeverAsks)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog);
        dialog.GoToPage(6);
        dialog.m_pageDeviceSettingSecond.m_config.m_fmPresets[0] = 9010;
        ASSERT_EQ(1, dialog.m_pageDeviceSettingSecond.IsModified());
        OnEveryBox(dialog.m_hWnd, [&](HWND box) { PressBoxButton(box, IDCANCEL); });
        dialog.ShowDeviceSettingSecondPage(1);
        PumpFor(dialog.m_hWnd, 200);
        EXPECT_EQ(0, BoxesSeen());
        EXPECT_EQ(6, dialog.m_page);
        // The entry took the live record again.
        EXPECT_EQ(0, dialog.m_pageDeviceSettingSecond.IsModified());
        StopWatching();
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(MainFrameTest, DeviceSettingDoesNothingWithoutSettingsAndOpensSpeedDialForItsProduct)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog, 0x5345, 0);
        ShowUpdatePage(dialog);
        EXPECT_FALSE(Enabled(dialog, IDC_BUTTON_DEVICE_SETTING));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_DEVICE_SETTING, BN_CLICKED));
        EXPECT_EQ(3, dialog.m_page);
        Recognise(dialog, 0x4111, 1);
        dialog.m_settingsPages[0] = 2;
        dialog.RefreshView();
        Click(dialog, IDC_BUTTON_DEVICE_SETTING);
        EXPECT_EQ(7, dialog.m_page);
        // With more than one category the keyboard goes to the tabs, and on the basic page to its grid
        // (a model the page shows with the grid: a hidden grid takes no focus).
        Recognise(dialog, 0x4610, 3);
        ShowUpdatePage(dialog);
        Click(dialog, IDC_BUTTON_DEVICE_SETTING);
        EXPECT_EQ(5, dialog.m_page);
        EXPECT_EQ(dialog.m_pageDeviceSetting.m_grid.m_hWnd, ::GetFocus());
        EXPECT_EQ(0, dialog.m_settingsPageIndex);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(MainFrameTest, NextOnTheUpdatePageInFirmwareManagementModeIsNewDeviceAndGoesHome)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog, 0x2010, 0);
        dialog.m_usbStatus = 0xA010;
        ShowUpdatePage(dialog);
        EXPECT_EQ(CString(L"NEW DEVICE  >  "), ItemText(dialog, IDC_BUTTON_NEXT));
        EXPECT_EQ(CString(L"Firmware"), ItemText(dialog, IDC_DEVICE_NAME));
        EXPECT_EQ(CString(L"Management"), ItemText(dialog, IDC_DEVICE_VERSION));
        Click(dialog, IDC_BUTTON_NEXT);
        EXPECT_EQ(1, dialog.m_page);
        EXPECT_EQ(CString(L"NEXT        >  "), ItemText(dialog, IDC_BUTTON_NEXT));
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(MainFrameTest, WithTwoCategoriesTheTabsAreATwoWaySwitch)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog, 0x4D15, 2);
        dialog.m_settingsPages[1] = 3;
        dialog.GoToPage(5);
        EXPECT_TRUE(Visible(dialog, IDC_BUTTON_FIRST_SETTINGS_PAGE));
        EXPECT_TRUE(Visible(dialog, IDC_BUTTON_SETTINGS_PAGE_LIST));
        EXPECT_FALSE(Enabled(dialog, IDC_BUTTON_FIRST_SETTINGS_PAGE));
        EXPECT_TRUE(Enabled(dialog, IDC_BUTTON_SETTINGS_PAGE_LIST));
        EXPECT_EQ(CString(GetTextSettingsPageTitle(3, 0).c_str()), ItemText(dialog, IDC_BUTTON_SETTINGS_PAGE_LIST));
        Click(dialog, IDC_BUTTON_SETTINGS_PAGE_LIST);
        EXPECT_EQ(6, dialog.m_page);
        EXPECT_EQ(1, dialog.m_settingsPageIndex);
        EXPECT_TRUE(Enabled(dialog, IDC_BUTTON_FIRST_SETTINGS_PAGE));
        EXPECT_FALSE(Enabled(dialog, IDC_BUTTON_SETTINGS_PAGE_LIST));
        Click(dialog, IDC_BUTTON_FIRST_SETTINGS_PAGE);
        EXPECT_EQ(5, dialog.m_page);
        EXPECT_EQ(0, dialog.m_settingsPageIndex);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

// Counts the presses that reach a window, in front of its own procedure.
WNDPROC g_pageProcedure = nullptr;
int g_pagePresses = 0;

LRESULT CALLBACK CountPresses(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN)
        ++g_pagePresses;
    return ::CallWindowProcW(g_pageProcedure, hwnd, message, wParam, lParam);
}

void PostClick(HWND target)
{
    ::PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
}

TEST_F(MainFrameTest, WithThreeCategoriesTheListOpensOverThePagesPicture)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog);
        dialog.GoToPage(5);
        CDialog& page = dialog.m_pageDeviceSetting;
        EXPECT_FALSE(Enabled(dialog, IDC_BUTTON_FIRST_SETTINGS_PAGE));
        EXPECT_EQ(CString(L"More..."), ItemText(dialog, IDC_BUTTON_SETTINGS_PAGE_LIST));

        Click(dialog, IDC_BUTTON_SETTINGS_PAGE_LIST);
        ASSERT_EQ(1, dialog.m_dropListOpen);
        EXPECT_FALSE(::IsWindowVisible(page.m_hWnd));
        EXPECT_FALSE(::IsWindowEnabled(page.m_hWnd));
        EXPECT_TRUE(Visible(dialog, IDC_SETTINGS_PAGE_LIST));
        EXPECT_EQ(3, dialog.m_settingsPageList.GetCount());
        EXPECT_EQ(0, dialog.m_settingsPageList.GetCurSel());
        // The page area shows the page's picture, made at its own size.
        HBITMAP shown = dialog.m_pageArea.GetBitmap();
        EXPECT_EQ(static_cast<HBITMAP>(dialog.m_pageSnapshot), shown);
        BITMAP size{};
        ::GetObjectW(shown, sizeof size, &size);
        RECT area;
        ::GetClientRect(dialog.m_pageArea.m_hWnd, &area);
        EXPECT_EQ(area.right, size.bmWidth);
        EXPECT_EQ(area.bottom, size.bmHeight);
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"main-window-category-list"));
        // While the list is open every other frame command waits.
        Click(dialog, IDC_BUTTON_HOME);
        EXPECT_EQ(5, dialog.m_page);

        // Choosing the category shown only closes the list.
        dialog.m_settingsPageList.SetCurSel(0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_PAGE_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.m_settingsPageList.m_hWnd));
        EXPECT_EQ(0, dialog.m_dropListOpen);
        EXPECT_EQ(5, dialog.m_page);
        EXPECT_TRUE(::IsWindowVisible(page.m_hWnd));
        EXPECT_FALSE(Visible(dialog, IDC_SETTINGS_PAGE_LIST));
        EXPECT_EQ(static_cast<HBITMAP>(dialog.m_bitmapPageBackground), dialog.m_pageArea.GetBitmap());

        // A click on the page area closes the list and never reaches the page: the
        // area's picture lets it through to the main window, whichever of the two gets it.
        g_pagePresses = 0;
        g_pageProcedure = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(page.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountPresses)));
        for (HWND target : {dialog.m_pageArea.m_hWnd, dialog.m_hWnd}) {
            Click(dialog, IDC_BUTTON_SETTINGS_PAGE_LIST);
            ASSERT_EQ(1, dialog.m_dropListOpen);
            PostClick(target);
            PumpFor(dialog.m_hWnd, 150);
            EXPECT_EQ(0, dialog.m_dropListOpen);
            EXPECT_TRUE(::IsWindowVisible(page.m_hWnd));
        }
        EXPECT_EQ(0, g_pagePresses);
        // With the list closed, clicks reach the page again.
        PostClick(page.m_hWnd);
        PumpFor(dialog.m_hWnd, 150);
        EXPECT_EQ(1, g_pagePresses);
        ::SetWindowLongPtrW(page.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pageProcedure));

        // A page whose category the unit does not list has no index, and names nothing.
        dialog.m_settingsPages[2] = 2;
        dialog.GoToPage(6);
        EXPECT_EQ(-1, dialog.m_settingsPageIndex);
        EXPECT_EQ(CString(), ItemText(dialog, IDC_BUTTON_FIRST_SETTINGS_PAGE));
        dialog.m_settingsPages[2] = 3;
        dialog.GoToPage(5);

        // Choosing another category shows its page.
        Click(dialog, IDC_BUTTON_SETTINGS_PAGE_LIST);
        dialog.m_settingsPageList.SetCurSel(2);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_PAGE_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.m_settingsPageList.m_hWnd));
        EXPECT_EQ(6, dialog.m_page);
        EXPECT_EQ(2, dialog.m_settingsPageIndex);
        EXPECT_EQ(CString(GetTextSettingsPageTitle(3, 0).c_str()), ItemText(dialog, IDC_BUTTON_FIRST_SETTINGS_PAGE));
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(MainFrameTest, PressesOutsideTheGridsOpenPopupEndItsEditingAndThoseInsideAreLeftAlone)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog);
        dialog.GoToPage(5);
        CDialogDeviceSetting& page = dialog.m_pageDeviceSetting;
        // A stand-in for the grid's pop-up list: a popup owned by the main window with a child.
        HWND popup = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 80, 60, dialog.m_hWnd, nullptr,
                                       ::GetModuleHandleW(nullptr), nullptr);
        HWND item = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, popup, nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr);
        page.m_dropDownOpen = 1;
        page.m_dropDownList = popup;
        g_pagePresses = 0;
        g_pageProcedure = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(item, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountPresses)));
        PostClick(item);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_EQ(1, g_pagePresses);
        EXPECT_EQ(0, page.m_endEditCalls);
        PostClick(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_HOME));
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_EQ(1, page.m_endEditCalls);
        EXPECT_EQ(5, dialog.m_page);
        ::SetWindowLongPtrW(item, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pageProcedure));
        page.m_dropDownOpen = 0;
        page.m_dropDownList = nullptr;
        ::DestroyWindow(popup);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(MainFrameTest, ARecognitionRunByASwitchThatFindsNothingPostsOneNext)
{
    // Each recognition looks once for the HID unit on the bus.
    SimHeadset bus;
    bus.Install();
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        dialog.m_modelCode = 0x4D10;
        CDialogDeviceRecognition& recognition = dialog.m_pageDeviceRecognition;
        dialog.ShowDeviceRecognitionPage(0, nullptr, 105);
        EXPECT_EQ(105, recognition.m_nextPage);
        EXPECT_EQ(1, bus.EnumerationCount());
        PumpFor(dialog.m_hWnd, 300);
        // The posted NEXT found page 2 and recognised once more; nothing else followed.
        EXPECT_EQ(2, bus.EnumerationCount());
        EXPECT_EQ(2, dialog.m_page);
        // Without a follow-up page the switch recognises nothing.
        dialog.ShowDeviceRecognitionPage(1, nullptr, 0);
        PumpFor(dialog.m_hWnd, 200);
        EXPECT_EQ(2, bus.EnumerationCount());
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(MainFrameTest, BusyShowsTheWaitCursorAndRefusesTheFrame)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog);
        dialog.GoToPage(3);
        dialog.m_busy = 1;
        dialog.RefreshView();
        dialog.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::LoadCursorW(nullptr, IDC_WAIT), ::GetCursor());
        for (int id : {IDC_BUTTON_HOME, IDC_BUTTON_BACK, IDC_BUTTON_NEXT, IDC_BUTTON_FORWARD_TO_RESTORE,
                       IDC_BUTTON_DEVICE_SETTING}) {
            EXPECT_FALSE(Enabled(dialog, id)) << id;
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
            EXPECT_EQ(3, dialog.m_page) << id;
        }
        dialog.m_busy = 0;
        dialog.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_NE(::LoadCursorW(nullptr, IDC_WAIT), ::GetCursor());
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

// ---------------------------------------------------------------- the view, languages and fonts

TEST_F(MainFrameTest, ProgressShowsFromZeroAndHidesAtMinusOne)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog);
        ShowUpdatePage(dialog);
        // Idle, the frame shows the page's instructions.
        dialog.RefreshView();
        EXPECT_TRUE(::IsWindowVisible(dialog.m_pageFirmwareUpdate.m_instruction.m_hWnd));
        dialog.m_progress = 0;
        dialog.RefreshView();
        EXPECT_TRUE(Visible(dialog, IDC_PROGRESS));
        EXPECT_TRUE(Visible(dialog, IDC_PERCENT_SIGN));
        EXPECT_TRUE(Visible(dialog, IDC_PERCENT_NUMBER));
        EXPECT_EQ(CString(L"0"), ItemText(dialog, IDC_PERCENT_NUMBER));
        EXPECT_EQ(0, dialog.m_progressBar.GetPos());
        EXPECT_FALSE(::IsWindowVisible(dialog.m_pageFirmwareUpdate.m_instruction.m_hWnd));
        dialog.m_progress = 57;
        dialog.RefreshView();
        EXPECT_EQ(57, dialog.m_progressBar.GetPos());
        EXPECT_EQ(CString(L"57"), ItemText(dialog, IDC_PERCENT_NUMBER));
        dialog.m_progress = -1;
        dialog.RefreshView();
        EXPECT_FALSE(Visible(dialog, IDC_PROGRESS));
        EXPECT_FALSE(Visible(dialog, IDC_PERCENT_SIGN));
        EXPECT_FALSE(Visible(dialog, IDC_PERCENT_NUMBER));
        EXPECT_TRUE(::IsWindowVisible(dialog.m_pageFirmwareUpdate.m_instruction.m_hWnd));
        // The information button is hidden by every idle refresh and stays so.
        EXPECT_FALSE(Visible(dialog, IDC_BUTTON_INFORMATION));
        dialog.m_busy = 1;
        dialog.RefreshView();
        EXPECT_FALSE(Visible(dialog, IDC_BUTTON_INFORMATION));
        dialog.m_busy = 0;
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

LOGFONTW FontOf(CUpdaterDlg& dialog, int id)
{
    LOGFONTW font{};
    HFONT handle = reinterpret_cast<HFONT>(::SendDlgItemMessageW(dialog.m_hWnd, id, WM_GETFONT, 0, 0));
    ::GetObjectW(handle, sizeof font, &font);
    return font;
}

CString ToolText(CUpdaterDlg& dialog, int id)
{
    wchar_t text[128] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = dialog.m_hWnd;
    info.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(dialog.m_hWnd, id));
    info.lpszText = text;
    dialog.m_toolTip.SendMessage(TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
    return text;
}

TEST_F(MainFrameTest, ALanguageChangeReshowsTheStatusRelabelsTipsAndSetsTheFonts)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog);
        dialog.GoToPage(5);
        EXPECT_EQ(CString(GetTextReady(5, 0x4D15, 0).c_str()), ItemText(dialog, IDC_STATUS_TEXT));
        EXPECT_EQ(3, dialog.m_toolTip.GetToolCount());
        EXPECT_EQ(CString(L"Close"), ToolText(dialog, IDC_BUTTON_CLOSE));
        const LOGFONTW bold = FontOf(dialog, IDC_BUTTON_HOME);
        EXPECT_EQ(FW_BOLD, bold.lfWeight);
        for (int id : {IDC_BUTTON_DEVICE_RECOGNITION, IDC_BUTTON_FIRMWARE_RESTORE, IDC_BUTTON_DEVICE_SETTING})
            EXPECT_EQ(bold.lfHeight, FontOf(dialog, id).lfHeight) << id;

        // The same language and flag change nothing, not even the fonts.
        const HFONT before = reinterpret_cast<HFONT>(dialog.m_buttonBack.SendMessage(WM_GETFONT));
        const int boldCalls = dialog.m_pageDeviceSetting.m_boldFontCalls;
        dialog.ApplyLanguage(0, 1);
        EXPECT_EQ(before, reinterpret_cast<HFONT>(dialog.m_buttonBack.SendMessage(WM_GETFONT)));
        EXPECT_EQ(boldCalls, dialog.m_pageDeviceSetting.m_boldFontCalls);

        // German: the status shown in English reads in German, nothing run again.
        dialog.ApplyLanguage(2, 1);
        EXPECT_EQ(CString(GetTextReady(5, 0x4D15, 2).c_str()), ItemText(dialog, IDC_STATUS_TEXT));
        EXPECT_EQ(CString(GetTextPageTitle(5, 2).c_str()), ItemText(dialog, IDC_BUTTON_DEVICE_SETTING));
        EXPECT_EQ(3, dialog.m_toolTip.GetToolCount());
        EXPECT_EQ(CString(L"Schließen"), ToolText(dialog, IDC_BUTTON_CLOSE));
        EXPECT_EQ(CString(L"Über..."), ToolText(dialog, IDC_BUTTON_ABOUT));
        EXPECT_EQ(boldCalls + 1, dialog.m_pageDeviceSetting.m_boldFontCalls);
        EXPECT_EQ(bold.lfHeight + 1, FontOf(dialog, IDC_BUTTON_DEVICE_SETTING).lfHeight);
        EXPECT_EQ(bold.lfHeight, FontOf(dialog, IDC_BUTTON_DEVICE_RECOGNITION).lfHeight);
        EXPECT_EQ(bold.lfHeight, FontOf(dialog, IDC_BUTTON_FIRMWARE_RESTORE).lfHeight);

        // French: the recognition and restore buttons take the smaller font.
        dialog.ApplyLanguage(1, 1);
        EXPECT_EQ(bold.lfHeight + 1, FontOf(dialog, IDC_BUTTON_DEVICE_RECOGNITION).lfHeight);
        EXPECT_EQ(bold.lfHeight + 1, FontOf(dialog, IDC_BUTTON_FIRMWARE_RESTORE).lfHeight);
        EXPECT_EQ(bold.lfHeight, FontOf(dialog, IDC_BUTTON_DEVICE_SETTING).lfHeight);
        EXPECT_EQ(FW_BOLD, FontOf(dialog, IDC_BUTTON_DEVICE_SETTING).lfWeight);
        EXPECT_EQ(3, dialog.m_toolTip.GetToolCount());
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(MainFrameTest, ALanguageChangeOnTheFirmwarePagesAsksTheServerAgainWithoutAPrompt)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog);
        dialog.GoToPage(3);
        CDialogFirmwareUpdate& update = dialog.m_pageFirmwareUpdate;
        update.m_firmwareLanguageList.AddString(L"German");
        g_firmwarePromptArmed = 1;
        dialog.ApplyLanguage(2, 1);
        EXPECT_EQ(0, g_firmwarePromptArmed);
        EXPECT_EQ(0, update.m_firmwareLanguageList.GetCount());
        EXPECT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return update.m_indexTimerTicks == 1; }, 2000));
        // Without voice-prompt languages only the page is relabelled.
        const int refreshes = update.m_refreshCalls;
        dialog.ApplyLanguage(0, 1);
        EXPECT_EQ(refreshes + 1, update.m_refreshCalls);
        g_firmwarePromptArmed = 1;

        // The restore page reads its archive and revision list again, ready to restore.
        dialog.GoToPage(4);
        CDialogFirmwareRestore& restore = dialog.m_pageFirmwareRestore;
        restore.m_versionList.AddString(L"v2.0");
        restore.m_firmwareInfo->Lock()->m_clearedMark = 0;
        dialog.ApplyLanguage(6, 1);
        EXPECT_EQ(1, restore.m_firmwareInfo->Lock()->m_clearedMark);
        EXPECT_EQ(0, restore.m_versionList.GetCount());
        EXPECT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return restore.m_archiveTimerTicks == 1; }, 2000));
        // Without the firmware following the language, only the page is relabelled.
        restore.m_versionList.AddString(L"v2.0");
        const int restoreRefreshes = restore.m_refreshCalls;
        dialog.ApplyLanguage(0, 0);
        EXPECT_EQ(restoreRefreshes + 1, restore.m_refreshCalls);
        EXPECT_EQ(1, restore.m_versionList.GetCount());
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(MainFrameTest, TheStateProductsPictureAsksTheUnitOnceAndNeverWhileBusy)
{
    SimHeadset sim;
    sim.Install();
    SimHidInterface& unit = sim.AddInterface(0x2030);
    unit.SetGroup(5, {16});
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog, 0x4210, 1);
        dialog.m_hidPrimary = OpenHidInterface(0x2030);
        ASSERT_NE(nullptr, dialog.m_hidPrimary);
        dialog.m_busy = 1;
        dialog.RefreshView();
        EXPECT_EQ(0u, sim.Requests(0x2030).size());
        EXPECT_EQ(284, dialog.m_devicePictureId);
        dialog.m_busy = 0;
        dialog.RefreshView();
        const size_t asked = sim.Requests(0x2030).size();
        EXPECT_GT(asked, 0u);
        EXPECT_EQ(358, dialog.m_devicePictureId);
        dialog.RefreshView();
        dialog.RefreshView();
        EXPECT_EQ(asked, sim.Requests(0x2030).size());
        // A unit forgotten on the way home is asked again once it is recognised anew.
        dialog.GoToPage(1);
        EXPECT_EQ(176, dialog.m_devicePictureId);
        // The start page's update check holds the window busy for a moment.
        PumpUntil(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, 3000);
        Recognise(dialog, 0x4210, 1);
        dialog.m_hidPrimary = OpenHidInterface(0x2030);
        unit.SetGroup(5, {27});
        dialog.RefreshView();
        EXPECT_GT(sim.Requests(0x2030).size(), asked);
        EXPECT_EQ(358, dialog.m_devicePictureId);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

// ---------------------------------------------------------------- pictures

TEST_F(MainFrameTest, PicturesOfEveryPageAndOfThreeLanguages)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"main-window-page-1"));
        Recognise(dialog);
        dialog.m_pageFirmwareUpdate.m_imagePath.SetWindowText(L"C:\\IMG\\QUOR_20S_EVO-v2.2.img");
        for (int page = 2; page <= 7; ++page) {
            if (page == 2)
                dialog.m_pageDeviceRecognition.m_nextPage = 0;
            dialog.GoToPage(page);
            if (page == 2)
                Recognise(dialog);
            if (page == 3)
                dialog.m_pageFirmwareUpdate.m_imagePath.SetWindowText(L"C:\\IMG\\QUOR_20S_EVO-v2.2.img");
            if (page == 4)
                dialog.m_pageFirmwareRestore.m_settingsPageCount = 0;
            if (page == 6)
                dialog.m_pageDeviceSettingSecond.m_config.m_fmPresets[0] = 9010;
            dialog.RefreshView();
            PumpFor(dialog.m_hWnd, 100);
            EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"main-window-page-" + std::to_wstring(page)));
            // Unsaved changes would ask on the way on.
            dialog.m_pageDeviceSettingSecond.m_config.CopyFrom(dialog.m_device, 1);
        }
        const struct {
            int language;
            const wchar_t* name;
        } languages[] = {{9, L"main-window-chinese"}, {8, L"main-window-russian"}, {2, L"main-window-german-page-5"}};
        dialog.GoToPage(5);
        for (const auto& l : languages) {
            dialog.ShowStatusText(dialog.BuildReadyStatus(), 0);
            dialog.ApplyLanguage(l.language, 1);
            PumpFor(dialog.m_hWnd, 100);
            EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, l.name));
        }
        dialog.ApplyLanguage(0, 1);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

} // namespace
