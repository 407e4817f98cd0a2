// The firmware update page on the real main window under Wine: the server's
// firmware index from a local HTTP server (no, one and three voice-prompt
// languages, the server down, the prompt), the download and its automatic
// start, Browse, the preparation's failures, and the progress and wait timers
// carrying a job to its end.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "device/ModelCatalogue.h"
#include "firmware/DialogFirmwareUpdate.h"
#include "firmware/FirmwarePrompt.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/ImageWorkers.h"
#include "firmware/JobTexts.h"
#include "link/Download.h"
#include "link/FirmwareServerForTests.h"
#include "res/resource.h"
#include "sim/SimHeadset.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/WindowPicture.h"
#include "text/FirmwareTexts.h"
#include "text/MainWindowTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"
#include "text/UpdatePageTexts.h"

#ifndef QUOR_SERVE_FIXTURE_SCRIPT
#error "the build passes the server script's path"
#endif

namespace {

constexpr int kModel = 0x4D15;

// ---------------------------------------------------------------- running the window

void PumpFor(DWORD ms)
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

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        PumpFor(10);
    }
    return true;
}

std::function<void()> g_script;
UINT_PTR g_scriptTimer = 0;

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(nullptr, g_scriptTimer);
    auto script = std::move(g_script);
    g_script = nullptr;
    if (script)
        script();
}

// Runs the main window modally; the script runs inside its modal loop once the
// first page shows and the window is no longer busy; the window closes after it.
void RunModal(CUpdaterDlg& dialog, std::function<void()> script)
{
    g_script = [&dialog, script] {
        PumpUntil([&] { return dialog.m_page == 1 && !dialog.m_busy; }, 5000);
        script();
        boxwatch::StopWatching();
        PumpUntil([&] { return !dialog.m_busy; }, 5000);
        dialog.m_busy = 0;
        ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
    };
    g_scriptTimer = ::SetTimer(nullptr, 0, 10, RunScript);
    dialog.DoModal();
}

void Recognise(CUpdaterDlg& dialog, int product)
{
    dialog.m_modelCode = product;
    dialog.m_usbStatus = product;
    dialog.m_recognized = 1;
    dialog.m_device.m_modelCode = product;
    dialog.m_device.m_deviceName = L"QUOR";
    dialog.m_device.m_firmwareVersion = DeviceVersion{2, 1, 2, 3, 0};
    dialog.m_settingsPageCount = 0;
}

// Page 3 for the unit, with the server's answer in.
void EnterUpdatePage(CUpdaterDlg& dialog)
{
    CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
    const int ticks = page.m_indexTimerTicks;
    dialog.GoToPage(3);
    ASSERT_TRUE(PumpUntil([&] { return page.m_indexTimerTicks > ticks && !dialog.m_busy; }, 15000));
}

std::wstring Text(const CWnd& wnd)
{
    return wnd.GetWindowText().str();
}

RECT ClientRectOf(const CWnd& page, const CWnd& control)
{
    RECT r{};
    ::GetWindowRect(control.m_hWnd, &r);
    ::MapWindowPoints(nullptr, page.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring Key()
{
    return GetModelName(kModel, 1);
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(f);
}

std::string ReadBytes(const std::wstring& path)
{
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(f, buffer, sizeof buffer, &n, nullptr) && n > 0)
        bytes.append(buffer, n);
    ::CloseHandle(f);
    return bytes;
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// The file name box of an open or save dialog: a combo box's edit or a plain edit.
void TypeFileName(HWND box, const std::wstring& path)
{
    if (!::SetDlgItemTextW(box, 0x47C, path.c_str()))
        ::SetDlgItemTextW(box, 0x480, path.c_str());
}

class UpdatePageWine : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
        ::InitCommonControlsEx(&controls);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = std::wstring(temp) + L"quor_update_page_" + std::to_wstring(GetCurrentProcessId());
        served_ = root_ + L"\\served";
        CreateDirectoryW(root_.c_str(), nullptr);
        CreateDirectoryW(served_.c_str(), nullptr);
        const std::string key = Narrow(Key());
        const struct {
            const wchar_t* folder;
            std::string index;
        } indexes[] = {
            {L"none", "Other:V1.0:other.img\n" + key + ":V9.9:quor_none.img\n" + key + ":7\n"},
            {L"one", key + ":V3.1:English:q_en.img\r\n"},
            {L"three", key + ":V3.1:English:q_en.img\n" + key + ":V3.1:French:q_fr.img\n" + key +
                           ":V3.1:German:q_de.img\n" + key + ":5\n"},
            {L"missing", key + ":V3.1:q_gone.img\n"},
        };
        for (const auto& i : indexes) {
            const std::wstring folder = served_ + L"\\" + i.folder;
            CreateDirectoryW(folder.c_str(), nullptr);
            WriteBytes(folder + L"\\Firmware", i.index);
            folders_.push_back(folder);
        }
        for (const wchar_t* name : {L"q_en.img", L"q_fr.img", L"q_de.img", L"quor_none.img"})
            WriteBytes(served_ + L"\\three\\" + name, std::string("image ") + Narrow(name));
        port_ = localhttp::StartFixtureServer(QUOR_SERVE_FIXTURE_SCRIPT, served_);
        SetFirmwareWaitPercentForTests(0);
    }

    static void TearDownTestSuite()
    {
        if (port_) {
            char* bye = nullptr;
            DownloadUrl(CString((Base(L"") + L"quit").c_str()), &bye, CString(), nullptr);
            std::free(bye);
        }
        SetFirmwareServerBaseUrlForTests(L"");
        SetFirmwareWaitPercentForTests(100);
        WSACleanup();
        for (const std::wstring& folder : folders_) {
            for (const wchar_t* name : {L"\\Firmware", L"\\q_en.img", L"\\q_fr.img", L"\\q_de.img", L"\\quor_none.img"})
                DeleteFileW((folder + name).c_str());
            RemoveDirectoryW(folder.c_str());
        }
        RemoveDirectoryW(served_.c_str());
        RemoveDirectoryW(root_.c_str());
    }

    void SetUp() override
    {
        ASSERT_NE(0, port_) << "the local HTTP server (python3) did not start";
        g_firmwarePromptArmed = 0;
        SetFirmwareServerBaseUrlForTests(Base(L"none/"));
    }
    void TearDown() override
    {
        boxwatch::StopWatching();
        g_firmwarePromptArmed = 1;
    }

    static std::wstring Base(const std::wstring& folder)
    {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + L"/" + folder;
    }

    static std::wstring root_;
    static std::wstring served_;
    static std::vector<std::wstring> folders_;
    static int port_;
};

std::wstring UpdatePageWine::root_;
std::wstring UpdatePageWine::served_;
std::vector<std::wstring> UpdatePageWine::folders_;
int UpdatePageWine::port_ = 0;

// ---------------------------------------------------------------- the server's index

TEST_F(UpdatePageWine, TheIndexFillsTheLabelTheListAndLevelsDownload)
{
    struct Case {
        const wchar_t* folder;
        int items;
        bool listShown;
        std::wstring label;
    };
    const Case cases[] = {
        {L"none/", 0, false, L"Latest Version: v9.9.7 (quor_none.img)"},
        {L"one/", 1, false, L"Latest Version: v3.1 (q_en.img)"},
        {L"three/", 3, true, L"Latest Version: v3.1.5"},
    };
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        for (const Case& c : cases) {
            SetFirmwareServerBaseUrlForTests(Base(c.folder));
            Recognise(dialog, kModel);
            g_firmwarePromptArmed = 0;
            EnterUpdatePage(dialog);
            EXPECT_EQ(c.items, page.m_firmwareLanguageList.GetCount()) << c.folder;
            EXPECT_EQ(c.listShown, page.m_firmwareLanguageList.IsWindowVisible() != 0) << c.folder;
            EXPECT_EQ(c.listShown, page.m_voicePromptCaption.IsWindowVisible() != 0) << c.folder;
            EXPECT_EQ(c.label, Text(page.m_latestVersion)) << c.folder;
            EXPECT_TRUE(page.m_download.IsWindowEnabled()) << c.folder;
            EXPECT_TRUE(page.m_browse.IsWindowEnabled()) << c.folder;
            EXPECT_EQ(L"Firmware To Update", Text(page.m_caption));
            EXPECT_EQ(L"Browse...", Text(page.m_browse));
            EXPECT_EQ(L"Download...", Text(page.m_download));
            // Download sits level with the list, as tall as Browse.
            const RECT list = ClientRectOf(page, page.m_firmwareLanguageList);
            const RECT download = ClientRectOf(page, page.m_download);
            const RECT browse = ClientRectOf(page, page.m_browse);
            EXPECT_EQ(browse.bottom - browse.top, download.bottom - download.top) << c.folder;
            EXPECT_LE(std::abs((list.top + list.bottom) - (download.top + download.bottom)), 2) << c.folder;
        }
        // The three languages in the list, and their order, follow the index.
        EXPECT_EQ(L"Voice Prompt", Text(page.m_voicePromptCaption));
        EXPECT_EQ(0, page.m_firmwareLanguageList.GetCurSel());
        EXPECT_EQ(L"q_en.img", page.m_firmwareInfo.Lock()->m_selectedFile);
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, ScreenshotFolder() + L"\\update-page-three-languages.png"));
        // In Japanese the list shows the language names in Japanese and the labels are Japanese.
        dialog.ApplyLanguage(4, 0);
        PumpFor(100);
        EXPECT_EQ(L"参照...", Text(page.m_browse));
        EXPECT_EQ(L"最新のバージョン: v3.1.5", Text(page.m_latestVersion));
        EXPECT_EQ(3, page.m_firmwareLanguageList.GetCount());
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, ScreenshotFolder() + L"\\update-page-japanese.png"));
        dialog.ApplyLanguage(0, 0);
    });
}

TEST_F(UpdatePageWine, WithTheServerDownTheLabelSaysSoInOrangeAndDownloadWaits)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        SetFirmwareServerBaseUrlForTests(L"http://127.0.0.1:" + std::to_wstring(localhttp::FreeLoopbackPort()) + L"/");
        Recognise(dialog, kModel);
        g_firmwarePromptArmed = 1; // no server version: nothing to offer
        EnterUpdatePage(dialog);
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        EXPECT_EQ(GetTextCannotConnectServer(0), Text(page.m_latestVersion));
        EXPECT_FALSE(page.m_download.IsWindowEnabled());
        EXPECT_TRUE(page.m_browse.IsWindowEnabled());
        EXPECT_FALSE(page.m_firmwareLanguageList.IsWindowVisible());
        // The label's colour as the page hands it out.
        HDC dc = ::CreateCompatibleDC(nullptr);
        ::SendMessageW(page.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(page.m_latestVersion.m_hWnd));
        EXPECT_EQ(COLORREF(0x0070FF), ::GetTextColor(dc));
        ::SendMessageW(page.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(page.m_caption.m_hWnd));
        ::DeleteDC(dc);
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, ScreenshotFolder() + L"\\update-page-server-down.png"));
    });
}

TEST_F(UpdatePageWine, ANewerServerVersionIsOfferedAndDecliningStartsNothing)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        g_firmwarePromptArmed = 1;
        std::wstring question;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            question = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
            boxwatch::PressBoxButton(box, IDCANCEL);
        });
        Recognise(dialog, kModel);
        EnterUpdatePage(dialog);
        EXPECT_EQ(1, boxwatch::BoxesSeen());
        EXPECT_NE(std::wstring::npos, question.find(L"New firmware is now available")) << Narrow(question);
        EXPECT_NE(std::wstring::npos, question.find(L"v2.1")) << Narrow(question);
        EXPECT_NE(std::wstring::npos, question.find(L"v9.9")) << Narrow(question);
        EXPECT_EQ(0, dialog.m_pageFirmwareUpdate.m_autoUpdate);
        PumpFor(300);
        EXPECT_EQ(0, dialog.m_pageFirmwareUpdate.m_startCalls);
        // A second check after a change of language asks nothing.
        g_firmwarePromptArmed = 0;
        EnterUpdatePage(dialog);
        EXPECT_EQ(1, boxwatch::BoxesSeen());
        EXPECT_EQ(1, g_firmwarePromptArmed);
    });
}

TEST_F(UpdatePageWine, AcceptingThePromptDownloadsTheImageAndStartsTheUpdate)
{
    const std::wstring target = root_ + L"\\q_fr.img";
    DeleteFileW(target.c_str());
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        SetFirmwareServerBaseUrlForTests(Base(L"three/"));
        g_firmwarePromptArmed = 1;
        dialog.m_firmwareLanguage = L"french";
        dialog.m_applyToFirmwareLanguage = 0;
        std::vector<std::wstring> boxes;
        std::wstring proposed;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            wchar_t name[300] = {};
            if (!::GetDlgItemTextW(box, 0x47C, name, 300))
                ::GetDlgItemTextW(box, 0x480, name, 300);
            if (::GetDlgItem(box, IDC_MESSAGE_TEXT)) {
                boxes.push_back(boxwatch::BoxText(box, IDC_MESSAGE_TEXT));
                boxwatch::PressBoxButton(box, IDOK);
            } else {
                boxes.push_back(L"<file>");
                proposed = name;
                TypeFileName(box, target);
                ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
        });
        Recognise(dialog, kModel);
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        EnterUpdatePage(dialog);
        ASSERT_TRUE(PumpUntil([&] { return page.m_startCalls == 1; }, 20000));
        ASSERT_GE(boxes.size(), 2u);
        EXPECT_NE(std::wstring::npos, boxes[0].find(L"New firmware is now available"));
        EXPECT_EQ(L"<file>", boxes[1]);
        // The stored voice-prompt language chose the French variant.
        EXPECT_EQ(L"q_fr.img", proposed);
        EXPECT_EQ("image q_fr.img", ReadBytes(target));
        EXPECT_EQ(target, Text(page.m_imagePath));
        EXPECT_EQ(root_ + L"\\", dialog.m_currentPath.str());
        EXPECT_EQ(CString(L"French"), dialog.m_firmwareLanguage);
        PumpUntil([&] { return !dialog.m_busy; }, 15000);
    });
    DeleteFileW(target.c_str());
}

TEST_F(UpdatePageWine, AFailedDownloadSaysSoAndStartsNothing)
{
    const std::wstring target = root_ + L"\\q_gone.img";
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        SetFirmwareServerBaseUrlForTests(Base(L"missing/"));
        g_firmwarePromptArmed = 1;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            if (::GetDlgItem(box, IDC_MESSAGE_TEXT)) {
                boxwatch::PressBoxButton(box, IDOK);
            } else {
                TypeFileName(box, target);
                ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
        });
        Recognise(dialog, kModel);
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        page.m_imagePath.SetWindowText(L"");
        EnterUpdatePage(dialog);
        ASSERT_TRUE(PumpUntil([&] { return boxwatch::BoxesSeen() >= 2 && !dialog.m_busy; }, 15000));
        PumpFor(300);
        EXPECT_EQ(0, page.m_startCalls);
        EXPECT_EQ(0, page.m_autoUpdate);
        EXPECT_EQ(GetTextDownloadLatestFailed(0) + L". " + GetTextCannotConnectServer(0), dialog.GetStatusText().str());
        EXPECT_EQ(L"", Text(page.m_imagePath));
    });
    DeleteFileW(target.c_str());
}

TEST_F(UpdatePageWine, BrowseTakesTheChosenImageAndItsFolder)
{
    const std::wstring image = root_ + L"\\chosen.img";
    WriteBytes(image, "chosen");
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        Recognise(dialog, kModel);
        EnterUpdatePage(dialog);
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        // Busy, Browse does nothing.
        dialog.m_busy = 1;
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_UPDATE_BROWSE, BN_CLICKED),
                         reinterpret_cast<LPARAM>(page.m_browse.m_hWnd));
        dialog.m_busy = 0;
        EXPECT_EQ(L"", Text(page.m_imagePath));
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            TypeFileName(box, image);
            ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_UPDATE_BROWSE, BN_CLICKED),
                         reinterpret_cast<LPARAM>(page.m_browse.m_hWnd));
        EXPECT_EQ(1, boxwatch::BoxesSeen());
        EXPECT_EQ(image, Text(page.m_imagePath));
        EXPECT_EQ(root_ + L"\\", dialog.m_currentPath.str());
        EXPECT_EQ(GetTextPressUpdateButton(0), dialog.GetStatusText().str());
        EXPECT_EQ(-1, page.m_firmwareInfo.Lock()->m_progress);
        // Enter and Esc on the page leave it alone.
        page.SendMessage(WM_COMMAND, IDOK);
        page.SendMessage(WM_COMMAND, IDCANCEL);
        EXPECT_TRUE(page.IsWindowVisible());
    });
    DeleteFileW(image.c_str());
}

} // namespace
