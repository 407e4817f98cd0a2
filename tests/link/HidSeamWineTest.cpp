#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "link/HidChannel.h"
#include "link/MakerUsb.h"

namespace {

TEST(HidSeamWine, EnumeratesThePresentInterfacesWithoutFindingAUnit)
{
    HidDeviceSeam& seam = GetHidDeviceSeam();
    const std::vector<HidInterfaceInfo> interfaces = seam.EnumerateInterfaces();
    for (const HidInterfaceInfo& info : interfaces) {
        EXPECT_FALSE(info.path.empty());
        if (info.attributesKnown) {
            EXPECT_NE(info.vendorId, kMakerUsbVendorId);
        }
    }
    EXPECT_EQ(FindHidInterfacePath(nullptr, 0, kHidPairPrimaryProductId), 0);
    EXPECT_EQ(OpenHidInterface(kHidPairPrimaryProductId), nullptr);
    wchar_t path[kHidPathCapacity] = L"unchanged";
    EXPECT_EQ(FindHidInterfacePath(path, static_cast<int>(kHidPathCapacity), 0x3110), 0);
    EXPECT_STREQ(path, L"unchanged");
}

TEST(HidSeamWine, AReadOnAQuietInterfaceTimesOut)
{
    HidDeviceSeam& seam = GetHidDeviceSeam();
    HidHandle handle = nullptr;
    for (const HidInterfaceInfo& info : seam.EnumerateInterfaces()) {
        handle = seam.Open(info.path);
        if (handle != nullptr)
            break;
    }
    if (handle == nullptr)
        GTEST_SKIP() << "no HID interface can be opened in this prefix";
    unsigned char report[kHidReplySize] = {};
    const DWORD start = GetTickCount();
    EXPECT_FALSE(seam.Read(handle, report, sizeof report, 300));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 250u);
    EXPECT_LT(elapsed, 5000u);
    seam.Flush(handle); // nothing queued: the flush is harmless
    seam.Close(handle);
}

// A unit stand-in behind a named pipe, which the platform's seam opens like an
// interface path: it answers each request with one report carrying the
// request's number, after the delay the script gives that request.
class PipeUnit {
public:
    explicit PipeUnit(std::vector<DWORD> delaysMs) : m_delaysMs(std::move(delaysMs))
    {
        m_path = L"\\\\.\\pipe\\quor-hid-seam-" + std::to_wstring(::GetCurrentProcessId());
        m_pipe = ::CreateNamedPipeW(m_path.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, 1,
                                    4096, 4096, 0, nullptr);
        m_thread = std::thread([this] { Serve(); });
    }
    ~PipeUnit()
    {
        m_thread.join();
        ::CloseHandle(m_pipe);
    }
    const std::wstring& Path() const { return m_path; }

private:
    void Serve()
    {
        if (!::ConnectNamedPipe(m_pipe, nullptr) && ::GetLastError() != ERROR_PIPE_CONNECTED)
            return;
        for (std::size_t i = 0; i < m_delaysMs.size(); ++i) {
            unsigned char request[kHidRequestSize] = {};
            DWORD got = 0;
            if (!::ReadFile(m_pipe, request, sizeof request, &got, nullptr))
                return;
            ::Sleep(m_delaysMs[i]);
            unsigned char reply[kHidReplySize] = {kHidReportId};
            reply[kHidReplyStatus] = kHidStatusDone;
            reply[kHidReplyFirstData] = static_cast<unsigned char>(i);
            DWORD put = 0;
            if (!::WriteFile(m_pipe, reply, sizeof reply, &put, nullptr))
                return;
        }
        ::FlushFileBuffers(m_pipe);
    }

    std::vector<DWORD> m_delaysMs;
    std::wstring m_path;
    HANDLE m_pipe = INVALID_HANDLE_VALUE;
    std::thread m_thread;
};

TEST(HidSeamWine, EachTransferOnAHandleWaitsForItsOwnCompletionAfterOneGaveUp)
{
    // The second reply comes after its read gave up; the third read finds it.
    PipeUnit unit({0, 400, 0, 0});
    HidDeviceSeam& seam = GetHidDeviceSeam();
    // Closed before the unit ends, whatever assertion stops the test.
    struct Channel {
        HidHandle handle;
        ~Channel() { CloseHidHandle(&handle); }
    } channel{seam.Open(unit.Path())};
    HidHandle handle = channel.handle;
    ASSERT_NE(handle, nullptr);
    unsigned char request[kHidRequestSize] = {kHidReportId, kHidCmdReadVersion};
    unsigned char reply[kHidReplySize] = {};

    seam.Flush(handle); // before the first request
    ASSERT_TRUE(seam.Write(handle, request, sizeof request, 2000));
    ASSERT_TRUE(seam.Read(handle, reply, sizeof reply, 2000));
    EXPECT_EQ(reply[kHidReplyFirstData], 0);

    ASSERT_TRUE(seam.Write(handle, request, sizeof request, 2000));
    reply[kHidReplyFirstData] = 0xEE;
    EXPECT_FALSE(seam.Read(handle, reply, sizeof reply, 50));
    EXPECT_EQ(reply[kHidReplyFirstData], 0xEE) << "a given-up read writes nothing after it returned";
    ASSERT_TRUE(seam.Read(handle, reply, sizeof reply, 3000));
    EXPECT_EQ(reply[kHidReplyFirstData], 1) << "the late reply";

    for (int i = 2; i < 4; ++i) {
        seam.Flush(handle);
        ASSERT_TRUE(seam.Write(handle, request, sizeof request, 2000));
        ASSERT_TRUE(seam.Read(handle, reply, sizeof reply, 2000));
        EXPECT_EQ(reply[kHidReplyFirstData], i);
    }
}

TEST(HidSeamWine, ClosedOrMissingChannelsFailAtOnce)
{
    HidDeviceSeam& seam = GetHidDeviceSeam();
    unsigned char request[kHidRequestSize] = {1, kHidCmdReadVersion};
    unsigned char reply[kHidReplySize] = {};
    HidHandle none = nullptr;
    EXPECT_FALSE(SendHidCommand(&none, request, reply));
    EXPECT_EQ(seam.Open(L"\\\\?\\hid#vid_2b4e&pid_2030#missing"), nullptr);
    CloseHidHandle(&none);
    HidHandle invalid = INVALID_HANDLE_VALUE;
    EXPECT_FALSE(seam.Read(invalid, reply, sizeof reply, 100));
    seam.Flush(invalid);
}

} // namespace
