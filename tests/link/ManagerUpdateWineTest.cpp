// The manager's update check and installer download against a local HTTP server.

#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "link/FirmwareServerForTests.h"
#include "link/ManagerUpdate.h"
#include "link/ServerExchangeWin32.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ProgramFiles.h"
#include "tests/support/WineHost.h"

#ifndef QUOR_SERVE_FIXTURE_SCRIPT
#error "the build passes the server script's path"
#endif

namespace {

DownloadTick WaitForEnd(const ServerExchange& exchange)
{
    DownloadTick tick = exchange.Follow();
    for (int i = 0; i < 600 && tick.outcome == DownloadOutcome::Running; ++i) {
        Sleep(50);
        tick = exchange.Follow();
    }
    return tick;
}

// The start page's check: the list's exchange, waited for, and what it says.
ManagerUpdateCheck CheckManagerUpdateList()
{
    ServerDownload exchange;
    if (!exchange.Start(ManagerUpdateListRequest(), nullptr))
        return ManagerUpdateCheck{};
    WaitForEnd(exchange);
    return ReadManagerUpdateCheck(exchange.TakeEnd());
}

class ManagerUpdateWine : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = std::wstring(temp) + L"quor_manager_update_" + std::to_wstring(GetCurrentProcessId());
        served_ = root_ + L"\\served";
        CreateDirectoryW(root_.c_str(), nullptr);
        CreateDirectoryW(served_.c_str(), nullptr);
        CreateDirectoryW((served_ + L"\\x64").c_str(), nullptr);
        CreateDirectoryW((served_ + L"\\empty").c_str(), nullptr);
        CreateDirectoryW((served_ + L"\\empty\\x64").c_str(), nullptr);
        WriteFileBytes(served_ + L"\\x64\\Software", "OtherTool:4\r\nQuorDeviceManager:v1.4:Setup.exe\r\n");
        WriteFileBytes(served_ + L"\\empty\\x64\\Software", "");
        WriteFileBytes(served_ + L"\\Setup.exe", std::string(70000, 'Q'));

        port_ = localhttp::StartFixtureServer(QUOR_SERVE_FIXTURE_SCRIPT, served_);
        serving_ = port_ != 0;
    }

    static void TearDownTestSuite()
    {
        localhttp::StopFixtureServer(port_);
        SetFirmwareServerBaseUrlForTests(L"");
        WSACleanup();
        for (const wchar_t* name : {L"\\x64\\Software", L"\\empty\\x64\\Software", L"\\Setup.exe"})
            DeleteFileW((served_ + name).c_str());
        for (const wchar_t* name : {L"\\empty\\x64", L"\\empty", L"\\x64", L""})
            RemoveDirectoryW((served_ + name).c_str());
        RemoveDirectoryW(root_.c_str());
    }

    void SetUp() override
    {
        ASSERT_TRUE(serving_) << "the local HTTP server (python3) did not start";
        SetFirmwareServerBaseUrlForTests(Base());
        target_ = root_ + L"\\QuorSetup.exe";
        DeleteFileW(target_.c_str());
    }
    void TearDown() override { DeleteFileW(target_.c_str()); }

    static std::wstring Base() { return L"http://127.0.0.1:" + std::to_wstring(port_) + L"/"; }

    static std::wstring root_;
    static std::wstring served_;
    static int port_;
    static bool serving_;
    std::wstring target_;
};

std::wstring ManagerUpdateWine::root_;
std::wstring ManagerUpdateWine::served_;
int ManagerUpdateWine::port_ = 0;
bool ManagerUpdateWine::serving_ = false;

TEST_F(ManagerUpdateWine, ListOffersANewerVersion)
{
    const ManagerUpdateCheck check = CheckManagerUpdateList();
    EXPECT_TRUE(check.listDownloaded);
    EXPECT_TRUE(OffersManagerUpdate(check.entry));
    EXPECT_EQ(check.entry.major, 1);
    EXPECT_EQ(check.entry.minor, 4);
    EXPECT_EQ(check.entry.installerFile, L"Setup.exe");
}

TEST_F(ManagerUpdateWine, EmptyOrUnreachableListIsNotDownloaded)
{
    SetFirmwareServerBaseUrlForTests(Base() + L"empty/");
    EXPECT_FALSE(CheckManagerUpdateList().listDownloaded);
    SetFirmwareServerBaseUrlForTests(L"http://127.0.0.1:" + std::to_wstring(localhttp::FreeLoopbackPort()) + L"/");
    const ManagerUpdateCheck check = CheckManagerUpdateList();
    EXPECT_FALSE(check.listDownloaded);
    EXPECT_FALSE(OffersManagerUpdate(check.entry));
}

TEST_F(ManagerUpdateWine, InstallerArrivesWhole)
{
    ServerDownload download;
    ASSERT_TRUE(download.Start(ManagerInstallerRequest(L"Setup.exe", target_), nullptr));
    const DownloadTick tick = WaitForEnd(download);
    EXPECT_EQ(tick.outcome, DownloadOutcome::Succeeded);
    EXPECT_EQ(tick.result, 70000);
    EXPECT_EQ(ReadFileBytes(target_), std::string(70000, 'Q'));
}

TEST_F(ManagerUpdateWine, MissingInstallerFailsAndLeavesNoFile)
{
    ServerDownload download;
    ASSERT_TRUE(download.Start(ManagerInstallerRequest(L"Missing.exe", target_), nullptr));
    const DownloadTick tick = WaitForEnd(download);
    EXPECT_EQ(tick.outcome, DownloadOutcome::Failed);
    EXPECT_EQ(tick.result, -1);
    EXPECT_FALSE(FileExists(target_));
}

TEST_F(ManagerUpdateWine, UncreatableTargetFailsWithTheFileResult)
{
    ServerDownload download;
    ASSERT_TRUE(
        download.Start(ManagerInstallerRequest(L"Setup.exe", root_ + L"\\no\\such\\folder\\Setup.exe"), nullptr));
    const DownloadTick tick = WaitForEnd(download);
    EXPECT_EQ(tick.outcome, DownloadOutcome::Failed);
    EXPECT_LT(tick.result, -1);
}

} // namespace
