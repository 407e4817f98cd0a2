#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <malloc.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "link/Download.h"
#include "link/DownloadForTests.h"
#include "link/FirmwareServer.h"
#include "link/FirmwareServerForTests.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ProgramFiles.h"
#include "tests/support/WineHost.h"

#ifndef QUOR_SERVE_FIXTURE_SCRIPT
#error "the build passes the server script's path"
#endif

namespace {

std::string Pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('A' + i % 23);
    return bytes;
}

// One local HTTP server for the whole suite, serving a fixture folder.
class DownloadWine : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        // One folder per test program: ctest runs several at once.
        m_root = std::wstring(temp) + L"quor_http_fixture_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_root.c_str(), nullptr);
        m_served = m_root + L"\\served";
        CreateDirectoryW(m_served.c_str(), nullptr);
        WriteFileBytes(m_served + L"\\Firmware", "Zenta2=1.2.7\r\n");
        WriteFileBytes(m_served + L"\\exact10240.bin", Pattern(10240));
        WriteFileBytes(m_served + L"\\empty.txt", "");
        WriteFileBytes(m_served + L"\\image3000.img", Pattern(3000));
        WriteFileBytes(m_served + L"\\large.img", Pattern(300 * 1024 + 17));

        m_port = localhttp::StartFixtureServer(QUOR_SERVE_FIXTURE_SCRIPT, m_served);
        m_serving = m_port != 0;
    }

    static void TearDownTestSuite()
    {
        localhttp::StopFixtureServer(m_port);
        SetFirmwareServerBaseUrlForTests(L"");
        WSACleanup();
        for (const wchar_t* name : {L"Firmware", L"exact10240.bin", L"empty.txt", L"image3000.img", L"large.img"}) {
            DeleteFileW((m_served + L"\\" + name).c_str());
        }
        RemoveDirectoryW(m_served.c_str());
        DeleteFileW((m_root + L"\\target.bin").c_str());
        RemoveDirectoryW(m_root.c_str());
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_serving) << "the local HTTP server (python3) did not start";
        m_target = m_root + L"\\target.bin";
        DeleteFileW(m_target.c_str());
        DeleteFileW((m_target + L".download").c_str());
    }

    void TearDown() override { SetDownloadBoundsForTests(nullptr); }

    // Bounds short enough that the misbehaving server's answers end quickly.
    static DownloadBounds ShortBounds()
    {
        DownloadBounds bounds = ShippedDownloadBounds();
        bounds.m_connectMs = 2000;
        bounds.m_sendMs = 2000;
        bounds.m_receiveMs = 1500;
        bounds.m_deadlineMs = 4000;
        return bounds;
    }

    static CString Url(const std::wstring& file)
    {
        return CString(L"http://127.0.0.1:" + std::to_wstring(m_port) + L"/" + file);
    }

    static std::wstring m_root;
    static std::wstring m_served;
    static int m_port;
    static bool m_serving;
    std::wstring m_target;
};

std::wstring DownloadWine::m_root;
std::wstring DownloadWine::m_served;
int DownloadWine::m_port = 0;
bool DownloadWine::m_serving = false;

TEST_F(DownloadWine, MemoryModeGrowsAndKeepsATerminator)
{
    struct Case {
        const wchar_t* file;
        int bytes;
        std::size_t block;
    };
    const Case cases[] = {
        {L"exact10240.bin", 10240, 20480},       // exactly the first block: grows once for the terminator
        {L"empty.txt", 0, 10240},                // an empty list is a list
        {L"large.img", 300 * 1024 + 17, 327680}, // doubled, not grown by a fixed step
        {L"Firmware", 14, 10240},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.file, c.file + wcslen(c.file)));
        char* memory = nullptr;
        ASSERT_EQ(DownloadUrl(Url(c.file), &memory, CString(), nullptr), c.bytes);
        ASSERT_NE(memory, nullptr);
        EXPECT_EQ(_msize(memory), c.block);
        EXPECT_EQ(std::string(memory, c.bytes), ReadFileBytes(m_served + L"\\" + c.file));
        for (std::size_t i = c.bytes; i < c.block; ++i)
            ASSERT_EQ(memory[i], 0) << i;
        std::free(memory);
    }
}

TEST_F(DownloadWine, FileModeReportsProgressAndWritesTheWholeBody)
{
    DownloadProgress progress;
    EXPECT_EQ(DownloadUrl(Url(L"image3000.img"), nullptr, m_target.c_str(), &progress), 3000);
    EXPECT_EQ(progress.m_total, kDownloadProgressTotal);
    EXPECT_EQ(progress.m_done, kDownloadProgressTotal);
    EXPECT_EQ(ReadFileBytes(m_target), Pattern(3000));
    EXPECT_FALSE(FileExists(m_target + L".download"));

    // A larger body, watched from another thread like the start page's timer
    // does: values below the total while running, the total only at the end.
    DownloadProgress watched;
    std::atomic<bool> running{true};
    std::vector<int> seen;
    std::thread watcher([&] {
        while (running) {
            seen.push_back(watched.m_done);
            Sleep(1);
        }
    });
    const int result = DownloadUrl(Url(L"large.img"), nullptr, m_target.c_str(), &watched);
    running = false;
    watcher.join();
    EXPECT_EQ(result, 300 * 1024 + 17);
    for (int v : seen)
        EXPECT_TRUE(v == 0 || (v > 0 && v <= result) || v == kDownloadProgressTotal) << v;
    EXPECT_EQ(watched.m_done, kDownloadProgressTotal);
    EXPECT_EQ(ReadFileBytes(m_target), Pattern(300 * 1024 + 17));

    // Without a progress record.
    EXPECT_EQ(DownloadUrl(Url(L"Firmware"), nullptr, m_target.c_str(), nullptr), 14);
    EXPECT_EQ(ReadFileBytes(m_target), "Zenta2=1.2.7\r\n");
}

TEST_F(DownloadWine, AnUnreachableHostFailsWithoutAFile)
{
    const int closedPort = localhttp::FreeLoopbackPort();
    const CString url(L"http://127.0.0.1:" + std::to_wstring(closedPort) + L"/Firmware");
    char* memory = nullptr;
    EXPECT_EQ(DownloadUrl(url, &memory, CString(), nullptr), kDownloadFailed);
    EXPECT_EQ(memory, nullptr);
    DownloadProgress progress;
    EXPECT_EQ(DownloadUrl(url, nullptr, m_target.c_str(), &progress), kDownloadFailed);
    EXPECT_FALSE(FileExists(m_target));
    EXPECT_FALSE(FileExists(m_target + L".download"));
    EXPECT_EQ(progress.m_total, 0);
}

TEST_F(DownloadWine, AnErrorStatusIsAFailureAndLeavesAnExistingFileAlone)
{
    char* memory = nullptr;
    EXPECT_EQ(DownloadUrl(Url(L"missing.img"), &memory, CString(), nullptr), kDownloadFailed);
    EXPECT_EQ(memory, nullptr);

    EXPECT_EQ(DownloadUrl(Url(L"missing.img"), nullptr, m_target.c_str(), nullptr), kDownloadFailed);
    EXPECT_FALSE(FileExists(m_target));
    WriteFileBytes(m_target, "previous image");
    EXPECT_EQ(DownloadUrl(Url(L"missing.img"), nullptr, m_target.c_str(), nullptr), kDownloadFailed);
    EXPECT_EQ(ReadFileBytes(m_target), "previous image");
    EXPECT_FALSE(FileExists(m_target + L".download"));

    // A complete download replaces it.
    EXPECT_EQ(DownloadUrl(Url(L"image3000.img"), nullptr, m_target.c_str(), nullptr), 3000);
    EXPECT_EQ(ReadFileBytes(m_target), Pattern(3000));
}

TEST_F(DownloadWine, AFileThatCannotBeCreatedIsAFileError)
{
    const std::wstring nowhere = m_root + L"\\no such folder\\target.bin";
    DownloadProgress progress;
    EXPECT_EQ(DownloadUrl(Url(L"image3000.img"), nullptr, nowhere.c_str(), &progress), kDownloadFileError);
    EXPECT_FALSE(FileExists(nowhere));
    // The transfer never began: the progress record is untouched.
    EXPECT_EQ(progress.m_total, 0);
    EXPECT_EQ(progress.m_done, 0);

    // A target that cannot be replaced (a folder of that name) is a file error
    // too, and leaves no partial file behind.
    const std::wstring folder = m_root + L"\\a folder";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    WriteFileBytes(folder + L"\\old.bin", "old content");
    EXPECT_EQ(DownloadUrl(Url(L"image3000.img"), nullptr, folder.c_str(), nullptr), kDownloadFileError);
    EXPECT_NE(GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(ReadFileBytes(folder + L"\\old.bin"), "old content");
    EXPECT_FALSE(FileExists(folder + L".download"));
    DeleteFileW((folder + L"\\old.bin").c_str());
    RemoveDirectoryW(folder.c_str());
}

// Each answer below is a failure in both modes, and an existing target is left
// exactly as it was, with no partial file beside it.
TEST_F(DownloadWine, ABrokenOrUnwantedAnswerNeverReplacesTheTarget)
{
    const DownloadBounds bounds = ShortBounds();
    SetDownloadBoundsForTests(&bounds);
    const wchar_t* const answers[] = {
        L"bad/short",       // closed after 1000 of 4000 bytes
        L"bad/reset",       // reset after 1500 bytes
        L"bad/chunked-cut", // chunked without the final chunk
        L"bad/chunked",     // chunked to an HTTP/1.0 request: its end cannot be shown
        L"bad/silent",      // never answers: the receive time-out ends it
        L"bad/stall",       // stops after 1000 bytes: the stall rule ends it
        L"bad/trickle",     // a byte every 250 ms: the deadline ends it
        L"bad/loop",        // redirects to itself: the redirect limit ends it
        L"bad/204", L"bad/206",
        L"bad/no-location", // 302 without a Location
        L"bad/huge",        // announces more than the result can count
        // Answers that are not well-formed HTTP, each once taken for a success.
        L"bad/xyzzy",           // a status line that is not HTTP: the header bytes would be stored
        L"bad/http2",           // a version never asked for
        L"bad/gzip",            // a compressed body: the packed bytes would be stored as the file
        L"bad/two-lengths",     // 5000 and 100000
        L"bad/negative-length", // -1
        L"bad/nan-length",      // not a number
        L"bad/trickle-head",    // the headers a byte at a time for ever: the deadline ends it
    };
    for (const wchar_t* answer : answers) {
        SCOPED_TRACE(testing::Message() << std::string(answer, answer + wcslen(answer)));
        char* memory = nullptr;
        EXPECT_EQ(DownloadUrl(Url(answer), &memory, CString(), nullptr), kDownloadFailed);
        EXPECT_EQ(memory, nullptr);
        std::free(memory);

        WriteFileBytes(m_target, "previous image");
        DownloadProgress progress;
        EXPECT_EQ(DownloadUrl(Url(answer), nullptr, m_target.c_str(), &progress), kDownloadFailed);
        EXPECT_EQ(ReadFileBytes(m_target), "previous image");
        EXPECT_FALSE(FileExists(m_target + L".download"));
        EXPECT_NE(progress.m_done, kDownloadProgressTotal);
    }
}

// Opened, the connection holds with nothing said: no time-out of the socket
// ends a TLS handshake that never comes under Wine, and a request used to
// hang on it as long as the server held it. The deadline ends it now, and the
// test holds the socket until the download has returned.
TEST_F(DownloadWine, AnHttpsRequestToASilentSocketEndsAtTheDeadline)
{
    const DownloadBounds bounds = ShortBounds();
    SetDownloadBoundsForTests(&bounds);
    localhttp::SilentListener silent;
    ASSERT_NE(0, silent.Port());
    const CString url(silent.HttpsUrl(L"Firmware").c_str());
    char* memory = nullptr;
    EXPECT_EQ(DownloadUrl(url, &memory, CString(), nullptr), kDownloadFailed);
    EXPECT_EQ(memory, nullptr);

    WriteFileBytes(m_target, "previous image");
    DownloadProgress progress;
    EXPECT_EQ(DownloadUrl(url, nullptr, m_target.c_str(), &progress), kDownloadFailed);
    EXPECT_EQ(ReadFileBytes(m_target), "previous image");
    EXPECT_FALSE(FileExists(m_target + L".download"));
    EXPECT_EQ(progress.m_total, 0);
}

// The manager closing while a download runs: a cancel from another thread
// ends it at once in every phase, whatever the bounds, with the old file
// intact and no partial file left.
TEST_F(DownloadWine, ACancelEndsADownloadInEveryPhaseAndLeavesNoPartialFile)
{
    localhttp::SilentListener silent;
    ASSERT_NE(0, silent.Port());
    struct Case {
        const char* what;
        CString url;
        bool file;
        bool waitForTheBody; // cancel once the partial file holds a part of the body
    };
    const Case cases[] = {
        {"a TLS handshake that never comes, a list", CString(silent.HttpsUrl(L"Firmware").c_str()), false, false},
        {"a TLS handshake that never comes, an image", CString(silent.HttpsUrl(L"a.img").c_str()), true, false},
        {"headers a byte at a time", Url(L"bad/trickle-head"), true, false},
        {"a body a byte at a time", Url(L"bad/trickle"), true, true},
        {"a body that stops", Url(L"bad/stall"), true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileBytes(m_target, "previous image");
        DownloadCancel cancel;
        DownloadProgress progress;
        std::atomic<bool> partialSeen{false};
        std::thread canceller([&] {
            // The shipped bounds would let each of these run for a minute or an hour.
            for (int i = 0; i < 400 && c.waitForTheBody && !FileExists(m_target + L".download"); ++i)
                Sleep(10);
            partialSeen = FileExists(m_target + L".download");
            Sleep(300);
            cancel.Ask();
        });
        int result = 0;
        if (c.file) {
            result = DownloadUrl(c.url, nullptr, m_target.c_str(), &progress, &cancel);
        } else {
            char* memory = nullptr;
            result = DownloadUrl(c.url, &memory, CString(), nullptr, &cancel);
            EXPECT_EQ(memory, nullptr);
        }
        canceller.join();
        EXPECT_EQ(result, kDownloadFailed);
        EXPECT_EQ(partialSeen.load(), c.waitForTheBody);
        EXPECT_EQ(ReadFileBytes(m_target), "previous image");
        EXPECT_FALSE(FileExists(m_target + L".download"));
        EXPECT_NE(progress.m_done, kDownloadProgressTotal);
    }
}

TEST_F(DownloadWine, AnEmptyBodyIsAListButNeverAnImage)
{
    char* memory = nullptr;
    EXPECT_EQ(DownloadUrl(Url(L"bad/empty"), &memory, CString(), nullptr), 0);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(memory[0], 0);
    std::free(memory);

    WriteFileBytes(m_target, "previous image");
    EXPECT_EQ(DownloadUrl(Url(L"bad/empty"), nullptr, m_target.c_str(), nullptr), kDownloadFailed);
    EXPECT_EQ(ReadFileBytes(m_target), "previous image");
    EXPECT_FALSE(FileExists(m_target + L".download"));
}

TEST_F(DownloadWine, RedirectsAndExactLengthsStillSucceed)
{
    EXPECT_EQ(DownloadUrl(Url(L"bad/redirect"), nullptr, m_target.c_str(), nullptr), 3000);
    EXPECT_EQ(ReadFileBytes(m_target), Pattern(3000));
    EXPECT_EQ(DownloadUrl(Url(L"bad/exact-4000"), nullptr, m_target.c_str(), nullptr), 4000);
    EXPECT_EQ(ReadFileBytes(m_target), Pattern(4000));
    char* memory = nullptr;
    EXPECT_EQ(DownloadUrl(Url(L"bad/redirect"), &memory, CString(), nullptr), 3000);
    EXPECT_EQ(std::string(memory, 3000), Pattern(3000));
    std::free(memory);
}

TEST_F(DownloadWine, MemoryModeStopsAtItsCap)
{
    DownloadBounds bounds = ShippedDownloadBounds();
    bounds.m_memoryCap = 3000;
    SetDownloadBoundsForTests(&bounds);
    char* memory = nullptr;
    EXPECT_EQ(DownloadUrl(Url(L"image3000.img"), &memory, CString(), nullptr), 3000); // exactly the cap
    std::free(memory);
    memory = nullptr;
    EXPECT_EQ(DownloadUrl(Url(L"bad/exact-3001"), &memory, CString(), nullptr), kDownloadFailed);
    EXPECT_EQ(memory, nullptr);
    // Without an announced length the cap holds while reading.
    EXPECT_EQ(DownloadUrl(Url(L"bad/unannounced-3000"), &memory, CString(), nullptr), 3000);
    std::free(memory);
    memory = nullptr;
    EXPECT_EQ(DownloadUrl(Url(L"bad/unannounced-3001"), &memory, CString(), nullptr), kDownloadFailed);
    EXPECT_EQ(memory, nullptr);
}

TEST_F(DownloadWine, APartialFileLeftByAKilledRunIsRemoved)
{
    WriteFileBytes(m_target + L".download", "half an image");
    const CString closed(L"http://127.0.0.1:" + std::to_wstring(localhttp::FreeLoopbackPort()) + L"/Firmware");
    EXPECT_EQ(DownloadUrl(closed, nullptr, m_target.c_str(), nullptr), kDownloadFailed);
    EXPECT_FALSE(FileExists(m_target + L".download"));
    WriteFileBytes(m_target + L".download", "half an image");
    EXPECT_EQ(DownloadUrl(Url(L"image3000.img"), nullptr, m_target.c_str(), nullptr), 3000);
    EXPECT_FALSE(FileExists(m_target + L".download"));
    EXPECT_EQ(ReadFileBytes(m_target), Pattern(3000));
}

TEST_F(DownloadWine, TheServerBaseCanBePointedAtTheLocalServer)
{
    const std::wstring shipped = FirmwareServerBaseUrl();
    EXPECT_EQ(shipped.compare(0, 8, L"https://"), 0);
    EXPECT_NE(shipped.find(L".example/"), std::wstring::npos);
    EXPECT_EQ(shipped.substr(shipped.size() - 23), L"/kelmobluetoothmanager/");

    SetFirmwareServerBaseUrlForTests(std::wstring(Url(L"")));
    char* memory = nullptr;
    EXPECT_EQ(DownloadUrl(CString(FirmwareServerBaseUrl() + L"Firmware"), &memory, CString(), nullptr), 14);
    EXPECT_STREQ(memory, "Zenta2=1.2.7\r\n");
    std::free(memory);
    SetFirmwareServerBaseUrlForTests(L"");
    EXPECT_EQ(FirmwareServerBaseUrl(), shipped);
}

} // namespace
