// The manager's offer of a newer version of itself, on the real main window
// against a local HTTP server: the question, the save dialog, the download
// with its progress, the start of the installer and the close; and every way
// it ends without one.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/UpdaterDlg.h"
#include "link/Download.h"
#include "link/FirmwareServerForTests.h"
#include "res/resource.h"
#include "shell/ShellOpen.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/SaveDialogWatch.h"
#include "tests/support/ServerWaitWatch.h"
#include "tests/support/WindowCapture.h"
#include "text/FirmwareTexts.h"
#include "text/ManagerUpdateTexts.h"

#ifndef QUOR_SERVE_FIXTURE_SCRIPT
#error "the build passes the server script's path"
#endif

namespace {

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(f);
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> g_opened;

void RecordOpen(const std::wstring& url)
{
    g_opened.push_back(url);
}

// ---------------------------------------------------------------- the fixture

class ManagerSelfUpdate : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        s_root = std::wstring(temp) + L"quor_self_update_" + std::to_wstring(::GetCurrentProcessId());
        s_served = s_root + L"\\served";
        // Wine hands out process ids again: an earlier program's folder of the
        // same name would show its downloads to this one's cases.
        std::error_code ignored;
        std::filesystem::remove_all(s_root, ignored);
        ::CreateDirectoryW(s_root.c_str(), nullptr);
        ::CreateDirectoryW(s_served.c_str(), nullptr);
        // A small installer that leaves a marker beside itself.
        WriteBytes(s_served + L"\\Setup.bat", "@echo off\r\necho done> \"%~dp0marker.txt\"\r\n");
        WriteBytes(s_served + L"\\Setup.qqq", std::string(3000, 'Q'));
        s_port = localhttp::StartFixtureServer(QUOR_SERVE_FIXTURE_SCRIPT, s_served);
    }

    // The server ends when asked: the test program's end waits for nothing it started.
    static void TearDownTestSuite()
    {
        if (s_port != 0) {
            char* bye = nullptr;
            DownloadUrl(CString((L"http://127.0.0.1:" + std::to_wstring(s_port) + L"/quit").c_str()), &bye, CString(),
                        nullptr);
            std::free(bye);
        }
        SetFirmwareServerBaseUrlForTests(L"");
        WSACleanup();
        std::error_code ignored;
        std::filesystem::remove_all(s_root, ignored);
    }

    void SetUp() override
    {
        ASSERT_NE(0, s_port) << "no local server";
        g_opened.clear();
        m_previousOpen = SetShellOpenForTests(RecordOpen);
        m_downloads = s_root + L"\\downloads" + std::to_wstring(++s_case);
        ::CreateDirectoryW(m_downloads.c_str(), nullptr);
        UseServer(L"");
    }
    void TearDown() override
    {
        boxwatch::StopWatching();
        savewatch::Stop();
        SetShellOpenForTests(m_previousOpen);
    }

    // The list the server offers, below the base address's folder.
    void ServeList(const std::string& list) { WriteBytes(s_served + L"\\x64\\Software", list); }
    void UseServer(const std::wstring& folder)
    {
        ::CreateDirectoryW((s_served + L"\\x64").c_str(), nullptr);
        SetFirmwareServerBaseUrlForTests(L"http://127.0.0.1:" + std::to_wstring(s_port) + L"/" + folder);
    }
    void SaveAs(const std::wstring& name)
    {
        savewatch::SaveAs(name.empty() ? std::wstring() : m_downloads + L"\\" + name);
    }

    static std::wstring s_root, s_served;
    static int s_port;
    static int s_case;
    std::wstring m_downloads;
    ShellOpenFunction m_previousOpen = nullptr;
};

std::wstring ManagerSelfUpdate::s_root;
std::wstring ManagerSelfUpdate::s_served;
int ManagerSelfUpdate::s_port = 0;
int ManagerSelfUpdate::s_case = 0;

// The script starts at once, while the start page's check may still be on
// its way; the window is closed after it unless the manager closed itself.
const mainwindow::RunPlan kAtOnceThenClose{0, true, 10000};

bool StartPictureShown(CUpdaterDlg& dialog)
{
    return (dialog.m_pageDeviceSelection.m_pictureButton.GetStyle() & WS_VISIBLE) != 0;
}

// The check's wait on a server: the picture in the middle of it, and what the
// window did meanwhile. A window that waited on the server itself would not
// have answered for the whole wait.
void ExpectTheWindowAnsweredThroughout(const serverwait::Watched& watched)
{
    EXPECT_TRUE(watched.ended);
    EXPECT_TRUE(watched.pictured);
    EXPECT_GT(watched.answeredProbes, 0);
    EXPECT_LT(watched.longestStallMs, watched.waitedMs / 4);
}

std::wstring ImgFolder()
{
    wchar_t exe[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring path(exe, length);
    return path.substr(0, path.rfind(L'\\')) + L"\\IMG";
}

TEST_F(ManagerSelfUpdate, YesSavesDownloadsStartsTheInstallerAndCloses)
{
    ServeList("OtherTool:4\r\nQuorDeviceManager:v1.4:Setup.bat\r\n");
    // The configuration file is written as the manager closes.
    const std::wstring config = ImgFolder() + L"\\QuorBluetoothDeviceManager.hvlxconf";
    ::CreateDirectoryW(ImgFolder().c_str(), nullptr);
    ::DeleteFileW(config.c_str());
    CUpdaterDlg dialog;
    std::wstring question;
    SIZE size{};
    int pressed = 0;
    const INT_PTR result = mainwindow::RunModal(dialog, kAtOnceThenClose, [&] {
        dialog.m_currentPath = (m_downloads + L"\\").c_str();
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            question = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
            size = boxwatch::BoxSize(box);
            EXPECT_TRUE(SaveScreenshot(box, L"self-update-question-english"));
            // Release Notes opens its page and leaves the question up.
            boxwatch::PressBoxButton(box, IDC_MESSAGE_BUTTON3);
            SaveAs(L"Setup.bat");
            ++pressed;
            boxwatch::PressBoxButton(box, IDOK);
        });
        EXPECT_TRUE(PumpMessagesUntil([&] { return pressed > 0; }, 10000));
        boxwatch::StopWatching();
        PumpMessagesUntil([&] { return !::IsWindow(dialog.m_hWnd) || !::IsWindowVisible(dialog.m_hWnd); }, 15000);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(ComposeManagerUpdatePrompt(0, 1, 4, 0), question);
    EXPECT_EQ(530, size.cx);
    EXPECT_EQ(230, size.cy);
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_NE(std::wstring::npos, g_opened[0].find(L"release_notes.html"));
    EXPECT_EQ(1, savewatch::g_plan.seen);
    EXPECT_EQ(L"Setup.bat", savewatch::g_plan.proposedName);
    EXPECT_EQ(1, dialog.m_pageDeviceSelection.m_updateChecked);
    EXPECT_EQ(CString((m_downloads + L"\\").c_str()), dialog.m_currentPath);
    EXPECT_TRUE(Exists(m_downloads + L"\\Setup.bat"));
    // The installer ran: it leaves its marker.
    const DWORD start = ::GetTickCount();
    while (!Exists(m_downloads + L"\\marker.txt") && ::GetTickCount() - start < 15000)
        ::Sleep(100);
    EXPECT_TRUE(Exists(m_downloads + L"\\marker.txt"));
    EXPECT_TRUE(Exists(config));
    ::DeleteFileW(config.c_str());
    ::RemoveDirectoryW(ImgFolder().c_str());
}

TEST_F(ManagerSelfUpdate, NoCancelAndNothingNewerDownloadNothingAndClearBusy)
{
    struct Case {
        const char* list;
        int answer;          // the question's button; 0: no question expected
        const wchar_t* save; // the save dialog's name; empty: cancelled
    };
    const Case cases[] = {
        {"QuorDeviceManager:v1.4:Setup.bat\n", IDCANCEL, L""},
        {"QuorDeviceManager:v1.4:Setup.bat\n", IDOK, L""},
        {"QuorDeviceManager:v1.3:Setup.bat\n", 0, L""},
        {"OtherTool:v9.9:Other.exe\n", 0, L""},
    };
    for (const Case& c : cases) {
        ServeList(c.list);
        CUpdaterDlg dialog;
        int boxes = 0;
        mainwindow::RunModal(dialog, kAtOnceThenClose, [&] {
            boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                ++boxes;
                if (c.answer == IDOK)
                    SaveAs(c.save);
                boxwatch::PressBoxButton(box, c.answer ? c.answer : IDCANCEL);
            });
            EXPECT_TRUE(PumpMessagesUntil(
                [&] { return dialog.m_pageDeviceSelection.m_updateChecked && !dialog.m_busy; }, 10000))
                << c.list;
            PumpMessagesFor(300);
            boxwatch::StopWatching();
            EXPECT_EQ(-1, dialog.m_progress);
            EXPECT_TRUE(StartPictureShown(dialog));
        });
        EXPECT_EQ(c.answer ? 1 : 0, boxes) << c.list;
        EXPECT_EQ(c.answer == IDOK ? 1 : 0, savewatch::g_plan.seen) << c.list;
        EXPECT_FALSE(Exists(m_downloads + L"\\Setup.bat"));
        savewatch::Stop();
        savewatch::g_plan = savewatch::Plan{};
    }
}

TEST_F(ManagerSelfUpdate, AnUnreachableListClearsBusyAndTheNextEntryToPageOneChecksAgain)
{
    SetFirmwareServerBaseUrlForTests(L"http://127.0.0.1:" + std::to_wstring(localhttp::FreeLoopbackPort()) + L"/");
    ServeList("QuorDeviceManager:v1.4:Setup.bat\n");
    CUpdaterDlg dialog;
    int boxes = 0;
    mainwindow::RunModal(dialog, kAtOnceThenClose, [&] {
        EXPECT_TRUE(PumpMessagesUntil([&] { return dialog.m_page == 1 && !dialog.m_busy; }, 10000));
        EXPECT_EQ(0, dialog.m_pageDeviceSelection.m_updateChecked);
        UseServer(L"");
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            ++boxes;
            boxwatch::PressBoxButton(box, IDCANCEL);
        });
        dialog.GoToPage(2);
        dialog.GoToPage(1);
        EXPECT_TRUE(
            PumpMessagesUntil([&] { return dialog.m_pageDeviceSelection.m_updateChecked && !dialog.m_busy; }, 10000));
        boxwatch::StopWatching();
    });
    EXPECT_EQ(1, boxes);
}

// The first entry to the start page against a server that holds the list:
// the window paints and answers all along, the check ends within its bounds
// with busy cleared and nothing said, and the next entry asks again.
TEST_F(ManagerSelfUpdate, AServerThatHoldsTheListNeverHoldsTheWindow)
{
    serverwait::ShortDownloadBounds bounds;
    localhttp::SilentListener silent;
    ASSERT_NE(0, silent.Port());
    for (const localhttp::HoldingServer& server : localhttp::HoldingServers(s_port, silent)) {
        SCOPED_TRACE(server.name);
        SetFirmwareServerBaseUrlForTests(server.base);
        CUpdaterDlg dialog;
        serverwait::Watched watched;
        bool pictureShown = false;
        int boxes = 0;
        mainwindow::RunModal(dialog, kAtOnceThenClose, [&] {
            boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                ++boxes;
                boxwatch::PressBoxButton(box, IDCANCEL);
            });
            ASSERT_TRUE(PumpMessagesUntil([&] { return dialog.m_page == 1 && dialog.m_busy; }, 5000));
            const std::string name = std::string("start-page-waits-on-") + server.name;
            watched = serverwait::WatchTheWait(
                dialog.m_hWnd, [&] { return !dialog.m_busy; }, std::wstring(name.begin(), name.end()));
            pictureShown = StartPictureShown(dialog);
        });
        ExpectTheWindowAnsweredThroughout(watched);
        EXPECT_TRUE(pictureShown);
        EXPECT_EQ(0, dialog.m_pageDeviceSelection.m_updateChecked);
        EXPECT_EQ(0, boxes);
    }
}

// The manager closing while the installer arrives: the download ends with
// the window, the saved-to folder holds neither the installer nor a part of it.
TEST_F(ManagerSelfUpdate, ClosingWhileTheInstallerArrivesLeavesNoPartialFile)
{
    ServeList("QuorDeviceManager:v1.4:Setup.trickle\n");
    const std::wstring target = m_downloads + L"\\Setup.trickle";
    {
        CUpdaterDlg dialog;
        serverwait::Watched watched;
        mainwindow::RunModal(dialog, kAtOnceThenClose, [&] {
            boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                SaveAs(L"Setup.trickle");
                boxwatch::PressBoxButton(box, IDOK);
            });
            ASSERT_TRUE(PumpMessagesUntil([&] { return Exists(target + L".download"); }, 15000));
            boxwatch::StopWatching();
            // A byte now and then: the download would go on for a while.
            watched = serverwait::WatchTheWait(
                dialog.m_hWnd, [] { return false; }, L"self-update-download-trickles", 1500);
            EXPECT_TRUE(dialog.m_busy);
            EXPECT_FALSE(StartPictureShown(dialog));
            // As the system closes a program: the frame's refusal while busy is passed by.
            dialog.m_busy = 0;
            ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
        });
        EXPECT_TRUE(watched.pictured);
        EXPECT_GT(watched.answeredProbes, 0);
        EXPECT_LT(watched.longestStallMs, watched.waitedMs / 4);
    }
    EXPECT_FALSE(Exists(target + L".download"));
    EXPECT_FALSE(Exists(target));
    EXPECT_TRUE(g_opened.empty());
}

// Each way a started download can end without the installer running: the
// manager stays open with the status of the end and busy cleared.
TEST_F(ManagerSelfUpdate, AFailedDownloadOrShellLeavesTheManagerOpenWithItsStatus)
{
    struct Case {
        const char* list;
        const wchar_t* name;
        std::wstring status;
    };
    const Case cases[] = {
        {"QuorDeviceManager:v1.4:Missing.exe\n", L"Missing.exe", GetTextInstallerDownloadFailed(-1, 0)},
        {"QuorDeviceManager:v1.4:Setup.qqq\n", L"Setup.qqq", GetTextCannotOpenFile(0) + L"."},
    };
    for (const Case& c : cases) {
        ServeList(c.list);
        CUpdaterDlg dialog;
        bool stayed = false;
        std::wstring shown;
        mainwindow::RunModal(dialog, kAtOnceThenClose, [&] {
            boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                SaveAs(c.name);
                boxwatch::PressBoxButton(box, IDOK);
            });
            EXPECT_TRUE(PumpMessagesUntil([&] { return dialog.m_pageDeviceSelection.m_updateChecked && dialog.m_busy; },
                                          10000));
            boxwatch::StopWatching();
            EXPECT_TRUE(PumpMessagesUntil([&] { return !dialog.m_busy; }, 15000)) << c.list;
            PumpMessagesFor(300);
            stayed = ::IsWindowVisible(dialog.m_hWnd) != FALSE;
            shown = dialog.GetStatusText().str();
            EXPECT_EQ(0, dialog.m_statusIconFlag);
            EXPECT_EQ(-1, dialog.m_progress);
        });
        EXPECT_TRUE(stayed) << c.list;
        EXPECT_EQ(c.status, shown) << c.list;
        EXPECT_FALSE(Exists(m_downloads + L"\\Missing.exe"));
    }
}

TEST_F(ManagerSelfUpdate, AFirstByteAfterTwoSecondsStillSucceedsAndTheProgressShows)
{
    ServeList("QuorDeviceManager:v1.4:Setup.bat\n");
    UseServer(L"late/");
    CUpdaterDlg dialog;
    bool hiddenWhileDownloading = false;
    const INT_PTR result = mainwindow::RunModal(dialog, kAtOnceThenClose, [&] {
        dialog.m_currentPath = (m_downloads + L"\\").c_str();
        boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            SaveAs(L"Setup.bat");
            boxwatch::PressBoxButton(box, IDOK);
        });
        EXPECT_TRUE(PumpMessagesUntil(
            [&] { return dialog.m_pageDeviceSelection.m_updateChecked && dialog.m_progress >= 0; }, 15000));
        boxwatch::StopWatching();
        hiddenWhileDownloading = !StartPictureShown(dialog);
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"self-update-download-english"));
        PumpMessagesUntil([&] { return !::IsWindow(dialog.m_hWnd) || !::IsWindowVisible(dialog.m_hWnd); }, 20000);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(hiddenWhileDownloading);
    EXPECT_TRUE(Exists(m_downloads + L"\\Setup.bat"));
}

// The question and the download as a Japanese and a Russian user see them:
// the manager starts in the language its configuration names.
TEST_F(ManagerSelfUpdate, PicturesOfTheQuestionAndTheDownloadInJapaneseAndRussian)
{
    const struct {
        int language;
        const char* configured;
        const wchar_t* name;
    } languages[] = {{4, "Japanese", L"japanese"}, {8, "Russian", L"russian"}};
    ServeList("QuorDeviceManager:v1.4:Setup.bat\n");
    UseServer(L"late/");
    const std::wstring config = ImgFolder() + L"\\QuorBluetoothDeviceManager.hvlxconf";
    ::CreateDirectoryW(ImgFolder().c_str(), nullptr);
    for (const auto& l : languages) {
        WriteBytes(config, std::string("keyManagerVersion=v1.3\r\nkeyManagerLanguage=") + l.configured + "\r\n");
        // A folder of its own: the installer started before may still hold its file.
        const std::wstring folder = m_downloads + L"\\" + l.name;
        ::CreateDirectoryW(folder.c_str(), nullptr);
        CUpdaterDlg dialog;
        std::wstring question, status;
        bool applyShown = true;
        mainwindow::RunModal(dialog, kAtOnceThenClose, [&] {
            dialog.m_currentPath = (folder + L"\\").c_str();
            boxwatch::OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                question = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
                EXPECT_TRUE(SaveScreenshot(box, std::wstring(L"self-update-question-") + l.name));
                savewatch::SaveAs(folder + L"\\Setup.bat");
                boxwatch::PressBoxButton(box, IDOK);
            });
            EXPECT_TRUE(PumpMessagesUntil(
                [&] { return dialog.m_pageDeviceSelection.m_updateChecked && dialog.m_progress >= 0; }, 15000))
                << l.language;
            boxwatch::StopWatching();
            status = dialog.GetStatusText().str();
            applyShown = ::IsWindowVisible(dialog.m_buttonApply.m_hWnd) != FALSE;
            EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, std::wstring(L"self-update-download-") + l.name));
            PumpMessagesUntil([&] { return !::IsWindow(dialog.m_hWnd) || !::IsWindowVisible(dialog.m_hWnd); }, 20000);
        });
        EXPECT_EQ(l.language, dialog.m_uiLanguage);
        EXPECT_EQ(ComposeManagerUpdatePrompt(l.language, 1, 4, 0), question) << l.language;
        EXPECT_EQ(GetTextDownloadingUpdateFile(l.language), status) << l.language;
        EXPECT_FALSE(applyShown) << l.language;
        EXPECT_TRUE(Exists(folder + L"\\Setup.bat")) << l.language;
    }
    ::DeleteFileW(config.c_str());
    ::RemoveDirectoryW(ImgFolder().c_str());
}

} // namespace
