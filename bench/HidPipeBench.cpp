// How close a HID image worker comes to the full-speed USB floor over the
// Windows build's own HID code (the platform seam's overlapped reads and
// writes, its events and its flushes), against the simulated unit served
// behind named pipes by threads of this program. Every report is paced on one
// modelled bus: 64-byte frames, one per millisecond. Timed from the start of
// the first section start's write to the end of the reply that closed the
// last section, and set against the frames of the reports sent in that time.
// A benchmark, not a test: it prints, and ends once the last section closed.
// Windows only; bench/hid.sh runs it under Wine beside the native HID bench.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/FirmwareInfo.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/ImageWorkers.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "sim/SimHeadset.h"
#include "bench/HidBenchImage.h"

namespace {

constexpr std::size_t kFrameBytes = 64;
constexpr std::int64_t kFrameUs = 1000;
constexpr DWORD kPipeBufferBytes = 4096;

std::int64_t NowUs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart * 1000000 / frequency.QuadPart;
}

constexpr char kImageName[] = "quor-hid-pipe-bench.img";

// The simulated unit behind one pipe per interface path, on one modelled bus.
class PipeBus {
public:
    explicit PipeBus(SimHeadset& sim) : m_sim(sim) {}

    // The pipe that stands for a simulated interface; its server starts the
    // first time the path is asked for and serves one client after another.
    std::wstring PipeFor(const std::wstring& simPath)
    {
        auto found = m_pipes.find(simPath);
        if (found != m_pipes.end())
            return found->second;
        const std::wstring pipe = L"\\\\.\\pipe\\quor-hid-bench-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                  std::to_wstring(m_pipes.size());
        m_pipes[simPath] = pipe;
        std::thread([this, simPath, pipe] { Serve(simPath, pipe); }).detach();
        // The server's first instance exists before a client may open it.
        while (!::WaitNamedPipeW(pipe.c_str(), 1))
            ::Sleep(1);
        return pipe;
    }

    std::mutex& Lock() { return m_lock; }

private:
    // Paces one transfer of size bytes on the bus; returns its start and end.
    std::pair<std::int64_t, std::int64_t> Pace(std::size_t size)
    {
        const std::int64_t frames = static_cast<std::int64_t>((size + kFrameBytes - 1) / kFrameBytes);
        const std::int64_t start = std::max(NowUs(), m_busFreeUs);
        const std::int64_t end = start + frames * kFrameUs;
        while (NowUs() < end) {}
        m_busFreeUs = end;
        if (m_counting)
            m_frames += frames;
        return {start, end};
    }

    void Serve(const std::wstring& simPath, const std::wstring& pipePath)
    {
        for (;;) {
            HANDLE pipe = ::CreateNamedPipeW(pipePath.c_str(), PIPE_ACCESS_DUPLEX,
                                             PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                                             PIPE_UNLIMITED_INSTANCES, kPipeBufferBytes, kPipeBufferBytes, 0, nullptr);
            if (pipe == INVALID_HANDLE_VALUE)
                return;
            if (::ConnectNamedPipe(pipe, nullptr) || ::GetLastError() == ERROR_PIPE_CONNECTED)
                ServeClient(pipe, simPath);
            ::DisconnectNamedPipe(pipe);
            ::CloseHandle(pipe);
        }
    }

    void ServeClient(HANDLE pipe, const std::wstring& simPath)
    {
        HidHandle unit = nullptr;
        {
            std::lock_guard<std::mutex> hold(m_lock);
            unit = m_sim.Open(simPath);
        }
        if (unit == nullptr)
            return;
        std::vector<unsigned char> request(kHidRequestSize);
        for (;;) {
            DWORD got = 0;
            if (!::ReadFile(pipe, request.data(), static_cast<DWORD>(request.size()), &got, nullptr) || got == 0)
                break;
            std::vector<std::vector<unsigned char>> replies;
            {
                std::lock_guard<std::mutex> hold(m_lock);
                const bool sectionStart = request[kHidRequestCommand] == kHidCmdStartSection;
                if (sectionStart && !m_counting) {
                    m_counting = true;
                    m_firstStartUs = std::max(NowUs(), m_busFreeUs);
                }
                Pace(got);
                const bool sectionEnd = m_counting && request[kHidRequestCommand] == kHidCmdEndSection;
                m_sim.Write(unit, request.data(), got, kHidWriteTimeoutMs);
                // Every reply the request brought, each paced in turn; a read
                // of the empty queue ends them.
                for (;;) {
                    std::vector<unsigned char> reply(kHidReplySize);
                    if (!m_sim.Read(unit, reply.data(), reply.size(), 0))
                        break;
                    m_lastEndUs = Pace(reply.size()).second;
                    replies.push_back(std::move(reply));
                }
                if (sectionEnd && ++m_sectionEnds == kHidBenchSections)
                    m_counting = false;
            }
            for (const std::vector<unsigned char>& reply : replies) {
                DWORD put = 0;
                ::WriteFile(pipe, reply.data(), static_cast<DWORD>(reply.size()), &put, nullptr);
            }
            if (m_sectionEnds == kHidBenchSections && !m_counting)
                Finish();
        }
        std::lock_guard<std::mutex> hold(m_lock);
        m_sim.Close(unit);
    }

    // The figures, then the end of the program: what the worker does after
    // its last section is not timed.
    void Finish()
    {
        const double elapsedMs = static_cast<double>(m_lastEndUs - m_firstStartUs) / 1000.0;
        std::printf("over the Windows HID code: floor %lld ms, elapsed %.1f ms, ratio %.4f (goal: within 1.05)\n",
                    static_cast<long long>(m_frames), elapsedMs, elapsedMs / static_cast<double>(m_frames));
        std::fflush(stdout);
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::temp_directory_path() / kImageName, ignored);
        ::ExitProcess(0);
    }

    SimHeadset& m_sim;
    std::mutex m_lock;
    std::map<std::wstring, std::wstring> m_pipes;
    std::int64_t m_busFreeUs = 0;
    bool m_counting = false;
    std::int64_t m_firstStartUs = 0;
    std::int64_t m_lastEndUs = 0;
    std::int64_t m_frames = 0;
    int m_sectionEnds = 0;
};

// The platform's seam with the simulated unit's interfaces found at their pipes.
class PipeSeam : public HidDeviceSeam {
public:
    PipeSeam(SimHeadset& sim, PipeBus& bus) : m_sim(sim), m_bus(bus) {}
    std::vector<HidInterfaceInfo> EnumerateInterfaces() override
    {
        std::vector<HidInterfaceInfo> list;
        {
            std::lock_guard<std::mutex> hold(m_bus.Lock());
            list = m_sim.EnumerateInterfaces();
        }
        for (HidInterfaceInfo& info : list)
            info.path = m_bus.PipeFor(info.path);
        return list;
    }
    HidHandle Open(const std::wstring& path) override { return Platform().Open(path); }
    void Close(HidHandle handle) override { Platform().Close(handle); }
    bool Write(HidHandle handle, const unsigned char* data, std::size_t size, unsigned timeoutMs) override
    {
        return Platform().Write(handle, data, size, timeoutMs);
    }
    bool Read(HidHandle handle, unsigned char* data, std::size_t size, unsigned timeoutMs) override
    {
        return Platform().Read(handle, data, size, timeoutMs);
    }
    void Flush(HidHandle handle) override { Platform().Flush(handle); }

private:
    static HidDeviceSeam& Platform() { return PlatformHidDeviceSeam(); }
    SimHeadset& m_sim;
    PipeBus& m_bus;
};

} // namespace

int main()
{
    SetFirmwareWaitPercentForTests(0);
    SimHeadset sim;
    sim.AddHidPairUnit();
    PipeBus bus(sim);
    PipeSeam seam(sim, bus);
    SetHidDeviceSeam(&seam);

    const std::filesystem::path file = WriteHidBenchImage(kImageName);
    WorkerTestHost host;
    SetUpHidBenchHost(host, file);
    if (host.primary == nullptr || host.secondary == nullptr) {
        std::printf("the unit's interfaces could not be opened through their pipes\n");
        return 1;
    }
    host.Run(DualChannelImageUpdateThread);
    std::filesystem::remove(file);
    std::printf("transfer failed before its last section closed\n");
    return 1;
}
