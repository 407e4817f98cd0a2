// The firmware update page on the real main window under Wine: the server's
// firmware index from a local HTTP server (no, one and three voice-prompt
// languages, the server down, the prompt), the download and its automatic
// start, Browse, the preparation's failures, and the progress and wait timers
// carrying a job to its end.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "device/ModelCatalogue.h"
#include "firmware/DialogFirmwareUpdate.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/FirmwarePrompt.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/ImageWorkers.h"
#include "firmware/JobTexts.h"
#include "link/Download.h"
#include "link/HidChannel.h"
#include "link/FirmwareServerForTests.h"
#include "res/resource.h"
#include "sim/SimDfuChip.h"
#include "sim/SimHeadset.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/ServerWaitWatch.h"
#include "tests/support/UsbPlanting.h"
#include "tests/support/WindowPicture.h"
#include "tests/support/ProgramFiles.h"
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

// The script starts once the first page shows; after it the page's own work
// may end before the window is closed.
const mainwindow::RunPlan kThenClose{5000, true, 5000};

void Recognise(CUpdaterDlg& dialog, int product)
{
    mainwindow::TargetModel(dialog, product, product, DeviceVersion{2, 1, 2, 3, 0});
}

// Page 3 for the unit, with the server's answer in.
void EnterUpdatePage(CUpdaterDlg& dialog)
{
    CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
    const int ticks = page.m_indexTimerTicks;
    dialog.GoToPage(3);
    ASSERT_TRUE(PumpMessagesUntil([&] { return page.m_indexTimerTicks > ticks && !dialog.m_busy; }, 15000));
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
    WriteWholeFile(path, bytes);
}

std::string ReadBytes(const std::wstring& path)
{
    return ReadFileBytes(path);
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

// Both channels answer 1.0.0.0 to the version request, as the records here hold.
void SameVersions(const SimHeadset::Pair& pair)
{
    for (SimHidInterface* channel : {pair.primary, pair.secondary}) {
        for (unsigned char& part : channel->version)
            part = 0;
        channel->version[0] = 1;
    }
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
    mainwindow::RunModal(dialog, kThenClose, [&] {
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
        EXPECT_EQ(L"q_en.img", page.m_firmwareInfo->Lock()->m_selectedFile);
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, ScreenshotFolder() + L"\\update-page-three-languages.png"));
        // In Japanese the list shows the language names in Japanese and the labels are Japanese.
        dialog.ApplyLanguage(4, 0);
        PumpMessagesFor(100);
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
    mainwindow::RunModal(dialog, kThenClose, [&] {
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

// What the new-firmware question shows: the question, then each version after
// its label, which ends in "v" so that label and value read as one text.
std::wstring PromptText(HWND box)
{
    return boxwatch::BoxText(box, IDC_NEW_UPDATE_QUESTION) + L"\n" +
           boxwatch::BoxText(box, IDC_NEW_UPDATE_CURRENT_LABEL) +
           boxwatch::BoxText(box, IDC_NEW_UPDATE_CURRENT_VERSION) + L"\n" +
           boxwatch::BoxText(box, IDC_NEW_UPDATE_NEW_LABEL) + boxwatch::BoxText(box, IDC_NEW_UPDATE_NEW_VERSION);
}

TEST_F(UpdatePageWine, ANewerServerVersionIsOfferedAndDecliningStartsNothing)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        g_firmwarePromptArmed = 1;
        std::wstring question;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            question = PromptText(box);
            boxwatch::PressBoxButton(box, IDCANCEL);
        });
        Recognise(dialog, kModel);
        EnterUpdatePage(dialog);
        EXPECT_EQ(1, boxwatch::BoxesSeen());
        EXPECT_NE(std::wstring::npos, question.find(L"New firmware is now available")) << Narrow(question);
        EXPECT_NE(std::wstring::npos, question.find(L"v2.1")) << Narrow(question);
        EXPECT_NE(std::wstring::npos, question.find(L"v9.9")) << Narrow(question);
        EXPECT_EQ(0, dialog.m_pageFirmwareUpdate.m_autoUpdate);
        PumpMessagesFor(300);
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
    mainwindow::RunModal(dialog, kThenClose, [&] {
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
            if (::GetDlgItem(box, IDC_NEW_UPDATE_QUESTION)) {
                boxes.push_back(PromptText(box));
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
        ASSERT_TRUE(PumpMessagesUntil([&] { return page.m_startCalls == 1; }, 20000));
        ASSERT_GE(boxes.size(), 2u);
        EXPECT_NE(std::wstring::npos, boxes[0].find(L"New firmware is now available"));
        EXPECT_EQ(L"<file>", boxes[1]);
        // The stored voice-prompt language chose the French variant.
        EXPECT_EQ(L"q_fr.img", proposed);
        EXPECT_EQ("image q_fr.img", ReadBytes(target));
        EXPECT_EQ(target, Text(page.m_imagePath));
        EXPECT_EQ(root_ + L"\\", dialog.m_currentPath.str());
        EXPECT_EQ(CString(L"French"), dialog.m_firmwareLanguage);
        PumpMessagesUntil([&] { return !dialog.m_busy; }, 15000);
    });
    DeleteFileW(target.c_str());
}

TEST_F(UpdatePageWine, AFailedDownloadSaysSoAndStartsNothing)
{
    const std::wstring target = root_ + L"\\q_gone.img";
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        SetFirmwareServerBaseUrlForTests(Base(L"missing/"));
        g_firmwarePromptArmed = 1;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            if (::GetDlgItem(box, IDC_NEW_UPDATE_QUESTION)) {
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
        ASSERT_TRUE(PumpMessagesUntil([&] { return boxwatch::BoxesSeen() >= 2 && !dialog.m_busy; }, 15000));
        PumpMessagesFor(300);
        EXPECT_EQ(0, page.m_startCalls);
        EXPECT_EQ(0, page.m_autoUpdate);
        EXPECT_EQ(GetTextDownloadLatestFailed(0) + L". " + GetTextCannotConnectServer(0), dialog.GetStatusText().str());
        EXPECT_EQ(L"", Text(page.m_imagePath));
    });
    DeleteFileW(target.c_str());
}

// ---------------------------------------------------------------- servers that hold the request

// A window that waited on the server itself would not have answered for the
// whole wait.
void ExpectTheWindowAnsweredThroughout(const serverwait::Watched& watched)
{
    EXPECT_TRUE(watched.ended);
    EXPECT_TRUE(watched.pictured);
    EXPECT_GT(watched.answeredProbes, 0);
    EXPECT_LT(watched.longestStallMs, watched.waitedMs / 4);
}

std::wstring PictureName(const char* what, const char* server)
{
    const std::string name = std::string(what) + server;
    return std::wstring(name.begin(), name.end());
}

// The main window on the unit, and the script once for each of the four ways a
// server holds a request, with bounds that end each within seconds.
void OnEachHoldingServer(int port, const std::function<void(CUpdaterDlg&, const localhttp::HoldingServer&)>& script)
{
    serverwait::ShortDownloadBounds bounds;
    localhttp::SilentListener silent;
    ASSERT_NE(0, silent.Port());
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        Recognise(dialog, kModel);
        for (const localhttp::HoldingServer& server : localhttp::HoldingServers(port, silent)) {
            SCOPED_TRACE(server.name);
            script(dialog, server);
        }
    });
}

TEST_F(UpdatePageWine, AServerThatHoldsTheIndexNeverHoldsTheWindow)
{
    OnEachHoldingServer(port_, [](CUpdaterDlg& dialog, const localhttp::HoldingServer& server) {
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        SetFirmwareServerBaseUrlForTests(server.base);
        const int ticks = page.m_indexTimerTicks;
        dialog.GoToPage(3);
        ASSERT_TRUE(PumpMessagesUntil([&] { return page.m_indexTimerTicks > ticks; }, 5000));
        EXPECT_TRUE(dialog.m_busy);
        const serverwait::Watched watched = serverwait::WatchTheWait(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, PictureName("update-page-index-waits-on-", server.name));
        ExpectTheWindowAnsweredThroughout(watched);
        EXPECT_EQ(GetTextCannotConnectServer(0), Text(page.m_latestVersion));
        EXPECT_FALSE(page.m_download.IsWindowEnabled());
        EXPECT_TRUE(page.m_browse.IsWindowEnabled());
    });
}

// The index from one server, then the image asked for from the other, into
// target, where an image from an earlier download lies (the file box would ask
// whether to replace it, so it comes after the box).
void AskForTheImage(CUpdaterDlg& dialog, const std::wstring& indexServer, const std::wstring& imageServer,
                    const std::wstring& target)
{
    CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
    SetFirmwareServerBaseUrlForTests(indexServer);
    g_firmwarePromptArmed = 0; // no new-firmware question: the download is asked for here
    EnterUpdatePage(dialog);
    ASSERT_TRUE(page.m_download.IsWindowEnabled());
    DeleteFileW(target.c_str());
    SetFirmwareServerBaseUrlForTests(imageServer);
    boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
        TypeFileName(box, target);
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    page.PostMessage(WM_COMMAND, MAKEWPARAM(IDC_UPDATE_DOWNLOAD, BN_CLICKED),
                     reinterpret_cast<LPARAM>(page.m_download.m_hWnd));
    ASSERT_TRUE(PumpMessagesUntil([&] { return boxwatch::BoxesSeen() > 0; }, 10000));
    boxwatch::StopWatching();
    WriteBytes(target, "earlier image");
}

// The image asked for after the index came: the file box, then a server that
// holds the image. The old image stays, and the status says why.
TEST_F(UpdatePageWine, AServerThatHoldsTheImageNeverHoldsTheWindow)
{
    const std::wstring target = root_ + L"\\held.img";
    const std::wstring index = Base(L"one/");
    OnEachHoldingServer(port_, [&](CUpdaterDlg& dialog, const localhttp::HoldingServer& server) {
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        AskForTheImage(dialog, index, server.base, target);
        // The download starts half a second after the file box.
        PumpMessagesFor(600);
        EXPECT_TRUE(dialog.m_busy);
        const serverwait::Watched watched = serverwait::WatchTheWait(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, PictureName("update-page-image-waits-on-", server.name));
        ExpectTheWindowAnsweredThroughout(watched);
        EXPECT_EQ(GetTextDownloadLatestFailed(0) + L". " + GetTextCannotConnectServer(0), dialog.GetStatusText().str());
        EXPECT_EQ("earlier image", ReadBytes(target));
        EXPECT_FALSE(FileExists(target + L".download"));
        EXPECT_EQ(-1, dialog.m_progress);
        EXPECT_EQ(0, page.m_autoUpdate);
        EXPECT_EQ(0, page.m_startCalls);
    });
    DeleteFileW(target.c_str());
}

// The manager closing while an image arrives a byte at a time: the progress
// shows meanwhile, and the download ends with the window, the old image as it
// was and no part of the new one beside it.
TEST_F(UpdatePageWine, ClosingWhileTheImageArrivesLeavesTheOldImageAndNoPartialFile)
{
    const std::wstring target = root_ + L"\\arriving.img";
    {
        CUpdaterDlg dialog;
        serverwait::Watched watched;
        int progress = -1;
        mainwindow::RunModal(dialog, kThenClose, [&] {
            Recognise(dialog, kModel);
            AskForTheImage(dialog, Base(L"one/"), Base(L"bad/trickle/"), target);
            ASSERT_TRUE(PumpMessagesUntil([&] { return FileExists(target + L".download"); }, 10000));
            watched = serverwait::WatchTheWait(
                dialog.m_hWnd, [] { return false; }, L"update-page-image-trickles", 1500);
            progress = dialog.m_progress;
            EXPECT_TRUE(dialog.m_busy);
            // As the system closes a program: the frame's refusal while busy is passed by.
            dialog.m_busy = 0;
            ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
        });
        EXPECT_TRUE(watched.pictured);
        EXPECT_GT(watched.answeredProbes, 0);
        EXPECT_LT(watched.longestStallMs, watched.waitedMs / 4);
        EXPECT_EQ(0, progress); // a few bytes of the preset total: the bar shows, at 0
    }
    EXPECT_EQ("earlier image", ReadBytes(target));
    EXPECT_FALSE(FileExists(target + L".download"));
    DeleteFileW(target.c_str());
}

TEST_F(UpdatePageWine, BrowseTakesTheChosenImageAndItsFolder)
{
    const std::wstring image = root_ + L"\\chosen.img";
    WriteBytes(image, "chosen");
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
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
        EXPECT_EQ(-1, page.m_firmwareInfo->Lock()->m_progress);
        // Enter and Esc on the page leave it alone.
        page.SendMessage(WM_COMMAND, IDOK);
        page.SendMessage(WM_COMMAND, IDCANCEL);
        EXPECT_TRUE(page.IsWindowVisible());
    });
    DeleteFileW(image.c_str());
}

// ---------------------------------------------------------------- the preparation

TEST_F(UpdatePageWine, APreparationThatFailsEndsTheJobWithItsReasonAndTag)
{
    SimHeadset sim;
    sim.Install();
    struct Case {
        int model;
        bool pair;          // the 0x2030/0x2040 pair on the bus
        bool otherVersions; // the record holds other channel versions
        int page;
        std::wstring reason;
        std::wstring tag;
        int failed;
    };
    const std::wstring notRecognised = GetTextNotRecognizedDevice(0);
    const Case cases[] = {
        {0x4210, false, false, 3, notRecognised, L"", 1},
        {0x2030, true, true, 3, notRecognised, L"", 1},
        {0x3110, true, true, 3, notRecognised, L"", 1},
        {0x5345, false, false, 3, notRecognised, L"[0]", 1},
        // The camera road's worker starts and refuses the missing image itself.
        {0x5610, true, false, 3, GetTextFirmwareCorrupted(0), L"", 1},
        // No DFU-family unit on USB: not the recognised unit.
        {0x4D15, false, false, 3, notRecognised, L"[9][2]", 2},
        {0x4D15, false, false, 4, notRecognised, L"[9][2]", 2},
        {0x4210, false, false, 4, notRecognised, L"", 1},
    };
    SameVersions(sim.AddHidPairUnit());
    sim.Unplug(0);
    bool plugged = false;
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        SetFirmwareServerBaseUrlForTests(Base(L"none/"));
        Recognise(dialog, kModel);
        EnterUpdatePage(dialog);
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        for (const Case& c : cases) {
            if (c.pair != plugged) {
                if (c.pair)
                    sim.PlugIn(0);
                else
                    sim.Unplug(0);
                plugged = c.pair;
            }
            Recognise(dialog, c.model);
            dialog.m_hidPrimary = OpenHidInterface(0x2030);
            dialog.m_hidSecondary = OpenHidInterface(0x2040);
            dialog.m_device.m_chipVersion1 = DeviceVersion{c.otherVersions ? 2 : 1, 0, 0, 0, 0};
            dialog.m_device.m_chipVersion2 = DeviceVersion{1, 0, 0, 0, 0};
            dialog.m_device.m_firmwareVersion = DeviceVersion{1, 0, 0, 0, 0};
            dialog.m_page = c.page;
            page.m_autoUpdate = 1;
            page.PrepareUpdate();
            const std::shared_ptr<FirmwareJob> driven =
                c.page == 3 ? page.m_firmwareInfo : dialog.m_pageFirmwareRestore.m_firmwareInfo;
            // A road whose worker started ends on the worker's thread.
            PumpMessagesUntil([&] { return driven->Snapshot().m_finished == 1; }, 10000);
            const FirmwareInfo job = driven->Snapshot();
            EXPECT_EQ(1, job.m_finished) << std::hex << c.model;
            EXPECT_EQ(c.failed, job.m_failed) << std::hex << c.model;
            EXPECT_EQ(GetTextFailure(c.page, c.model, 0) + L". " + c.reason + c.tag, job.StatusText(0))
                << std::hex << c.model;
            // A failed preparation clears the automatic update at once; a
            // worker's failure reaches the page with the progress timer's next
            // tick, which ends the job.
            if (FindUpdateRoad(c.model).road == UpdateRoad::kCamera) {
                EXPECT_EQ(1, page.m_autoUpdate);
                page.SendMessage(WM_TIMER, CDialogFirmwareUpdate::kProgressTimer);
            }
            EXPECT_EQ(0, page.m_autoUpdate) << std::hex << c.model;
            driven->Reset(3);
            CloseHidHandle(&dialog.m_hidPrimary);
            CloseHidHandle(&dialog.m_hidSecondary);
        }
        dialog.m_page = 3;
    });
}

// A restore's preparation drives the restore page's job; an update on page 3
// afterwards drives the update page's own again.
TEST_F(UpdatePageWine, AnUpdateAfterARestoreDrivesTheUpdatePagesOwnJob)
{
    SimHeadset sim; // no unit on the bus: each preparation fails at once
    sim.Install();
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        Recognise(dialog, 0x4210);
        EnterUpdatePage(dialog);
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        const std::shared_ptr<FirmwareJob> restoreJob = dialog.m_pageFirmwareRestore.m_firmwareInfo;
        dialog.m_page = 4;
        page.PrepareUpdate();
        EXPECT_EQ(1, restoreJob->Snapshot().m_finished);
        restoreJob->Reset(4);

        dialog.m_page = 3;
        page.m_imagePath.SetWindowText(L"C:\\IMG\\none.img");
        page.StartUpdate();
        ASSERT_TRUE(PumpMessagesUntil([&] { return !dialog.m_busy; }, 10000));
        const FirmwareInfo own = page.m_firmwareInfo->Snapshot();
        EXPECT_EQ(1, own.m_finished);
        EXPECT_EQ(L"C:\\IMG\\none.img", own.m_imagePath);
        EXPECT_EQ(0, restoreJob->Snapshot().m_finished);
        EXPECT_EQ(GetTextFailure(3, 0x4210, 0) + L". " + GetTextNotRecognizedDevice(0), dialog.GetStatusText().str());
    });
}

// ---------------------------------------------------------------- a job to its end

// A 0x2030 image of two sections, one for each of the pair's channels.
struct PairImage {
    BuiltSection first;
    BuiltSection second;
    std::vector<std::uint8_t> bytes;
    PairImage()
    {
        first.type = 0;
        first.id = 0;
        first.data.assign(2500, 0x5A);
        second.type = 1;
        second.id = 1;
        second.data.assign(700, 0xA5);
        bytes = BuildImage(0x2030, {first, second});
    }
};

// The settings archive of a model cannot be written: a folder stands where
// its temporary file goes, in the image folder beside the program. Both go
// again at the end, with whatever the manager put there meanwhile.
class ArchiveBlocked {
public:
    explicit ArchiveBlocked(int model) : m_blocker(m_folder.Path() + GetModelName(model, 1) + L".hvlxarch.tmp")
    {
        m_made = ::CreateDirectoryW(m_blocker.c_str(), nullptr) != FALSE;
    }
    ~ArchiveBlocked()
    {
        if (m_made)
            ::RemoveDirectoryW(m_blocker.c_str());
    }
    ArchiveBlocked(const ArchiveBlocked&) = delete;
    ArchiveBlocked& operator=(const ArchiveBlocked&) = delete;
    bool Blocked() const { return m_made; }

private:
    MadeImgFolder m_folder;
    std::wstring m_blocker;
    bool m_made = false;
};

// Keeps the distinct status lines the main window showed.
struct StatusLines {
    std::vector<std::wstring> seen;
    void Look(CUpdaterDlg& dialog)
    {
        const std::wstring now = dialog.GetStatusText().str();
        if (seen.empty() || seen.back() != now)
            seen.push_back(now);
    }
    std::string Joined() const
    {
        std::string all;
        for (const std::wstring& line : seen)
            all += Narrow(line) + " | ";
        return all;
    }
    bool Saw(const std::wstring& text) const
    {
        for (const std::wstring& line : seen) {
            if (line == text)
                return true;
        }
        return false;
    }
};

TEST_F(UpdatePageWine, AHidJobRunsToSuccessAndTheUnitIsRecognisedAgain)
{
    SimHeadset sim;
    sim.Install();
    const SimHeadset::Pair pair = sim.AddHidPairUnit();
    SameVersions(pair);
    const PairImage image;
    const std::wstring path = root_ + L"\\job.img";
    WriteBytes(path, std::string(image.bytes.begin(), image.bytes.end()));
    // The unit's restart after the finish lasts two seconds here, so the
    // transfer's text stands for the progress timer to show.
    SetFirmwareWaitPercentForTests(40);
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        Recognise(dialog, 0x2030);
        dialog.m_device.m_chipVersion1 = DeviceVersion{1, 0, 0, 0, 0};
        dialog.m_device.m_chipVersion2 = DeviceVersion{1, 0, 0, 0, 0};
        EnterUpdatePage(dialog);
        dialog.m_hidPrimary = OpenHidInterface(0x2030);
        dialog.m_hidSecondary = OpenHidInterface(0x2040);
        // Should the settings archive not be written here, the backup popup is confirmed.
        boxwatch::OnEveryBox(dialog.m_hWnd, [](HWND box) { boxwatch::PressBoxButton(box, IDOK); });
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        page.m_imagePath.SetWindowText(path.c_str());
        StatusLines lines;
        std::vector<int> progress;
        const int checks = page.m_indexTimerTicks;
        page.StartUpdate();
        EXPECT_EQ(1, dialog.m_busy);
        ASSERT_TRUE(PumpMessagesUntil(
            [&] {
                lines.Look(dialog);
                if (progress.empty() || progress.back() != dialog.m_progress)
                    progress.push_back(dialog.m_progress);
                // Recognised again, the unit comes back to this page, which asks the server anew.
                return page.m_indexTimerTicks > checks && !dialog.m_busy;
            },
            30000))
            << lines.Joined() << " page " << dialog.m_page << " timer " << page.m_waitTimerId;
        // The worker drove the page's own job on the main window's channels.
        EXPECT_EQ(image.first.data, pair.primary->sections[0]);
        EXPECT_EQ(image.second.data, pair.secondary->sections[1]);
        EXPECT_TRUE(lines.Saw(L"On updating firmware.")) << lines.Joined();
        EXPECT_TRUE(lines.Saw(GetTextSuccess(3, 0x2030, 0))) << lines.Joined();
        EXPECT_NE(progress.end(), std::find(progress.begin(), progress.end(), 100));
        EXPECT_EQ(3, dialog.m_page);
        EXPECT_EQ(1, dialog.m_recognized);
        EXPECT_EQ(0, page.m_waitTimerId);
    });
    DeleteFileW(path.c_str());
}

TEST_F(UpdatePageWine, The2030PairTakesItsImageAndEndsUpdatedAndRecognised)
{
    SimHeadset sim;
    sim.Install();
    const SimHeadset::Pair pair = sim.AddHidPairUnit();
    SameVersions(pair);
    const PairImage image;
    const BuiltSection& first = image.first;
    const BuiltSection& second = image.second;
    const std::wstring path = root_ + L"\\pair.img";
    WriteBytes(path, std::string(image.bytes.begin(), image.bytes.end()));
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        Recognise(dialog, 0x2030);
        dialog.m_device.m_chipVersion1 = DeviceVersion{1, 0, 0, 0, 0};
        dialog.m_device.m_chipVersion2 = DeviceVersion{1, 0, 0, 0, 0};
        EnterUpdatePage(dialog);
        dialog.m_hidPrimary = OpenHidInterface(0x2030);
        dialog.m_hidSecondary = OpenHidInterface(0x2040);
        // Should the settings archive not be written here, the backup popup is confirmed.
        boxwatch::OnEveryBox(dialog.m_hWnd, [](HWND box) { boxwatch::PressBoxButton(box, IDOK); });
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        page.m_imagePath.SetWindowText(path.c_str());
        const int checks = page.m_indexTimerTicks;
        StatusLines lines;
        page.StartUpdate();
        ASSERT_TRUE(PumpMessagesUntil(
            [&] {
                lines.Look(dialog);
                return page.m_indexTimerTicks > checks && !dialog.m_busy;
            },
            30000))
            << lines.Joined();
        EXPECT_TRUE(lines.Saw(L"Firmware updated successfully")) << lines.Joined();
        EXPECT_EQ(first.data, pair.primary->sections[0]);
        EXPECT_EQ(second.data, pair.secondary->sections[1]);
        EXPECT_EQ(3, dialog.m_page);
        EXPECT_EQ(1, dialog.m_recognized);
    });
    DeleteFileW(path.c_str());
}

std::wstring JoinedTexts(const std::vector<std::wstring>& texts)
{
    std::wstring all;
    for (const std::wstring& text : texts)
        all += text + L" | ";
    return all;
}

std::wstring UsbKey(int productId)
{
    wchar_t key[32];
    swprintf(key, 32, L"VID_2B4E&PID_%04X", productId);
    return key;
}

TEST_F(UpdatePageWine, ADfuUnitIsFlashedOnTheStandInAndGetsThePairingAdvice)
{
    // A 0x4D10 recognised in DFU mode: no unit check and no archive.
    PlantedUsbDevices usb;
    SimDfuChip chip;
    SimDfuDevice& unit = chip.AddDevice(0xA010);
    ASSERT_TRUE(usb.Plant(UsbKey(0xA010), L"unit", {unit.UsbHardwareId()}));
    chip.onBackInNormalMode = [&](const SimDfuDevice& device, int oldId) {
        usb.Unplug(UsbKey(oldId));
        usb.Plant(UsbKey(device.productId), L"unit", {device.UsbHardwareId()});
    };
    chip.Attach();
    const std::wstring path = root_ + L"\\vel8.dfu";
    std::string header(1700, ' ');
    const std::string text = Narrow(GetModelName(0x4D10, 1)) + "#4D10";
    header.replace(16, text.size(), text);
    WriteBytes(path, header);
    chip.validImages.insert(path);
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        Recognise(dialog, 0x4D10);
        dialog.m_usbStatus = 0xA010;
        EnterUpdatePage(dialog);
        std::vector<std::wstring> boxes;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            // The hold popups have no button and stay until the job takes them down.
            const std::wstring text = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
            if (boxes.empty() || boxes.back() != text)
                boxes.push_back(text);
            boxwatch::PressBoxButton(box, IDOK);
        });
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        page.m_imagePath.SetWindowText(path.c_str());
        page.StartUpdate();
        // Success shows the model's closing advice, then the unit is recognised again.
        const auto advised = [&] {
            return std::find(boxes.begin(), boxes.end(), GetTextPairingAdvice(0)) != boxes.end();
        };
        ASSERT_TRUE(PumpMessagesUntil([&] { return advised() && !dialog.m_busy; }, 30000))
            << Narrow(JoinedTexts(boxes));
        // The job's end released the engines.
        EXPECT_EQ(0, page.m_activeEngine);
        EXPECT_EQ(0, page.m_engineACreated);
        PumpMessagesUntil([&] { return !dialog.m_busy; }, 15000);
    });
    chip.Detach();
    DeleteFileW(path.c_str());
}

TEST_F(UpdatePageWine, AFailedBackupHoldsTheWorkerUntilOkAndTheJobEndsAsFailed)
{
    SimHeadset sim;
    sim.Install();
    const SimHeadset::Pair pair = sim.AddHidPairUnit();
    SameVersions(pair);
    // After the user's OK the transfer goes on, and the unit refuses it.
    pair.primary->firmware.failSectionStartAt = 1;
    const std::vector<std::uint8_t> image = BuildImage(0x5610, {SectionOf(0, 1, 300, 1)});
    const std::wstring path = root_ + L"\\camera.img";
    WriteBytes(path, std::string(image.begin(), image.end()));
    ArchiveBlocked archive(0x5610);
    ASSERT_TRUE(archive.Blocked());
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        Recognise(dialog, 0x5610);
        dialog.m_device.m_firmwareVersion = DeviceVersion{1, 0, 0, 0, 0};
        EnterUpdatePage(dialog);
        dialog.m_hidPrimary = OpenHidInterface(0x2030);
        dialog.m_hidSecondary = OpenHidInterface(0x2040);
        std::wstring popup;
        SIZE size{};
        const auto sectionStarts = [&] {
            int starts = 0;
            for (const auto& request : sim.Requests(0x2030))
                starts += request[1] == kHidCmdStartSection ? 1 : 0;
            return starts;
        };
        int sectionStartsAtPopup = -1;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            popup = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
            size = boxwatch::BoxSize(box);
            // Nothing went to the unit while the worker waited for the user.
            sectionStartsAtPopup = sectionStarts();
            boxwatch::PressBoxButton(box, IDOK);
        });
        StatusLines lines;
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        page.m_imagePath.SetWindowText(path.c_str());
        page.StartUpdate();
        ASSERT_TRUE(PumpMessagesUntil(
            [&] {
                lines.Look(dialog);
                return boxwatch::BoxesSeen() == 1 && !dialog.m_busy;
            },
            30000))
            << lines.Joined();
        EXPECT_EQ(0, sectionStartsAtPopup);
        // Released by the OK, the worker went on to the transfer.
        EXPECT_EQ(1, sectionStarts());
        EXPECT_EQ(1, boxwatch::BoxesSeen());
        EXPECT_EQ(GetTextBackupFailed(0), popup);
        EXPECT_EQ(0, dialog.m_waitForUser);
        EXPECT_EQ(GetTextFailure(3, 0x5610, 0) + L". " + GetTextCannotGetStatus(0), dialog.GetStatusText().str());
        EXPECT_EQ(3, dialog.m_page);
        EXPECT_EQ(0, dialog.m_pageFirmwareUpdate.m_firmwareInfo->Snapshot().m_state);
    });
    DeleteFileW(path.c_str());
}

TEST_F(UpdatePageWine, AUnitThatIsNotTheRecognisedOneEndsInTheNotConnectedBoxAndPageOne)
{
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, kThenClose, [&] {
        Recognise(dialog, kModel);
        EnterUpdatePage(dialog);
        std::wstring text;
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            text = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
            boxwatch::PressBoxButton(box, IDOK);
        });
        dialog.m_pageFirmwareUpdate.StartUpdate();
        // The timer ends the job on its first tick, also after a failure at once.
        ASSERT_TRUE(PumpMessagesUntil([&] { return dialog.m_page == 1; }, 10000));
        EXPECT_EQ(1, boxwatch::BoxesSeen());
        EXPECT_EQ(GetTextDeviceNotConnected(0), text);
        // The start page shows the job's failure, not its own ready text, and
        // keeps it with the failure's icon.
        mainwindow::PumpFor(dialog.m_hWnd, 500);
        const std::wstring failure = L"Failed to update firmware. Not the recognized device[9][2]";
        EXPECT_EQ(failure, dialog.GetStatusText().str());
        EXPECT_EQ(failure, Text(dialog.m_statusLine));
        EXPECT_EQ(0, dialog.m_statusIconFlag);
    });
}

} // namespace
