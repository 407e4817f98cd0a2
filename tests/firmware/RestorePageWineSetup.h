#pragma once
// What the Wine programs of the restore page share: the IMG folder beside the test program with a
// model's archive and image in it, the backup list and images served by a local HTTP server from
// a private folder, and the real main window shown with page 4 opened for a unit taken as
// recognised.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "device/ModelCatalogue.h"
#include "firmware/DialogFirmwareRestore.h"
#include "link/FirmwareServerForTests.h"
#include "res/resource.h"
#include "tests/firmware/TempFiles.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ProgramFiles.h"
#include "tests/support/WindowPicture.h"

#ifndef QUOR_SERVE_FIXTURE_SCRIPT
#error "the build passes the server script's path"
#endif

namespace restorepage {

// ---------------------------------------------------------------- files

// The model's file of that kind in IMG: "hvlxarch" the archive, "img" the image.
inline std::filesystem::path InImg(const wchar_t* extension, int model)
{
    return std::filesystem::path(ImgFolder()) / (GetModelName(model, 1) + L"." + extension);
}

inline std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// The model's name as the backup list keys its lines.
inline std::string ServerKey(int model)
{
    const std::wstring name = GetModelName(model, 1);
    return std::string(name.begin(), name.end());
}

// The archives and images the tests left in IMG.
inline void RemoveModelFiles(std::initializer_list<int> models)
{
    std::error_code ignored;
    for (int model : models) {
        std::filesystem::remove(InImg(L"hvlxarch", model), ignored);
        std::filesystem::remove(InImg(L"img", model), ignored);
    }
}

// IMG for as long as this lives; removed after only when it was made here and is empty again.
class ImgFolderForTheRun {
public:
    ImgFolderForTheRun()
    {
        std::error_code ignored;
        m_made = std::filesystem::create_directory(ImgFolder(), ignored);
    }
    ~ImgFolderForTheRun()
    {
        std::error_code ignored;
        if (m_made)
            std::filesystem::remove(ImgFolder(), ignored);
    }
    ImgFolderForTheRun(const ImgFolderForTheRun&) = delete;
    ImgFolderForTheRun& operator=(const ImgFolderForTheRun&) = delete;

private:
    bool m_made = false;
};

// The file held open without sharing, as another program can hold the image the restore must
// replace; a null path holds nothing.
class FileHeldOpen {
public:
    explicit FileHeldOpen(const std::filesystem::path& path)
    {
        if (!path.empty())
            m_file = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    ~FileHeldOpen() { Release(); }
    FileHeldOpen(const FileHeldOpen&) = delete;
    FileHeldOpen& operator=(const FileHeldOpen&) = delete;

    void Release()
    {
        if (m_file != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

// ---------------------------------------------------------------- the backup server

// The fixture script serving a private folder on a loopback port, for as long as this lives;
// the firmware server's address is the test's to set (UseIt), and is cleared at the end.
class BackupServer {
public:
    BackupServer()
    {
        WSADATA wsa;
        ::WSAStartup(MAKEWORD(2, 2), &wsa);
        m_port = localhttp::StartFixtureServer(QUOR_SERVE_FIXTURE_SCRIPT, m_folder.File(L""));
    }
    ~BackupServer()
    {
        localhttp::StopFixtureServer(m_port);
        SetFirmwareServerBaseUrlForTests(L"");
        ::WSACleanup();
    }
    BackupServer(const BackupServer&) = delete;
    BackupServer& operator=(const BackupServer&) = delete;

    // 0 when python3 did not bring the server up.
    int Port() const { return m_port; }
    std::wstring Url() const { return L"http://127.0.0.1:" + std::to_wstring(m_port) + L"/"; }
    void UseIt() const { SetFirmwareServerBaseUrlForTests(Url()); }

    void Serve(const std::wstring& name, const std::vector<std::uint8_t>& bytes) const { m_folder.Write(name, bytes); }
    void ServeRevisions(const std::string& text) const { Serve(L"Revisions", Bytes(text)); }
    // The list gone from the server: asked for, it answers 404.
    void WithdrawRevisions() const
    {
        std::error_code ignored;
        std::filesystem::remove(m_folder.File(L"Revisions"), ignored);
    }

private:
    TempFolder m_folder;
    int m_port = 0;
};

// ---------------------------------------------------------------- page 4 on the shown main window

// The real main window created and shown, its first page up; page 4 entered for a unit the test
// sets as recognised, read from the IMG folder and the backup server the whole suite shares.
class RestorePageOnTheMainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_server = std::make_unique<BackupServer>();
        s_img = std::make_unique<ImgFolderForTheRun>();
    }

    static void TearDownTestSuite()
    {
        s_img.reset();
        s_server.reset();
    }

    void SetUp() override
    {
        ASSERT_NE(0, s_server->Port()) << "the local HTTP server (python3) did not start";
        s_server->UseIt();
        INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
        ::InitCommonControlsEx(&controls);
        ASSERT_TRUE(dialog.Create(IDD_UPDATER_DIALOG));
        dialog.ShowWindow(SW_SHOW);
        ASSERT_TRUE(PumpMessagesUntil([&] { return dialog.m_page == 1 && !dialog.m_busy; }, 10000));
    }

    void TearDown() override
    {
        dialog.m_busy = 0;
        dialog.DestroyWindow();
        s_server->WithdrawRevisions();
    }

    // Recognised as a unit of the model, then page 4 as the user opens it.
    void Enter(int model, int language = 0)
    {
        dialog.m_uiLanguage = language;
        dialog.m_modelCode = model;
        dialog.m_usbStatus = model;
        dialog.m_recognized = 1;
        dialog.m_device.m_modelCode = model;
        dialog.ShowFirmwareRestorePage(1);
    }

    // True once the first tick of the archive timer has read the archive and the backup list.
    bool ArchiveAndListRead()
    {
        const bool read = PumpMessagesUntil([&] { return page().m_archiveTimerTicks == 1 && !dialog.m_busy; }, 15000);
        PumpMessagesFor(50);
        return read;
    }

    CDialogFirmwareRestore& page() { return dialog.m_pageFirmwareRestore; }
    HWND pageWindow() { return page().m_hWnd; }

    HWND list() { return ::GetDlgItem(pageWindow(), IDC_RESTORE_SETTINGS_LIST); }
    int RowCount() { return static_cast<int>(::SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0)); }
    std::wstring ListText(int row, int column)
    {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        ::SendMessageW(list(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }

    void Click(int id)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, id)));
    }

    // Three categories: button 1027 opens the main window's category list, and a choice in it
    // shows that category.
    void ChooseCategory(int index)
    {
        Click(IDC_BUTTON_SETTINGS_PAGE_LIST);
        dialog.m_settingsPageList.SetCurSel(index);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_PAGE_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.m_settingsPageList.m_hWnd));
    }

    void Picture(const std::wstring& name)
    {
        PumpMessagesFor(100);
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, ScreenshotFolder() + L"\\" + name + L".png"));
    }

    CUpdaterDlg dialog;
    static inline std::unique_ptr<BackupServer> s_server;
    static inline std::unique_ptr<ImgFolderForTheRun> s_img;
};

} // namespace restorepage
