#include <windows.h>

#include <setupapi.h>
extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <new>
#include <vector>

#include "link/HidDeviceSeam.h"
#include "link/LinkBounds.h"

namespace {

// Owns one handle for the length of a scope.
class ScopedFile {
public:
    explicit ScopedFile(HANDLE h) : m_handle(h) {}
    ~ScopedFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

class ScopedDeviceInfoSet {
public:
    explicit ScopedDeviceInfoSet(HDEVINFO set) : m_set(set) {}
    ~ScopedDeviceInfoSet()
    {
        if (m_set != INVALID_HANDLE_VALUE)
            SetupDiDestroyDeviceInfoList(m_set);
    }
    ScopedDeviceInfoSet(const ScopedDeviceInfoSet&) = delete;
    ScopedDeviceInfoSet& operator=(const ScopedDeviceInfoSet&) = delete;
    HDEVINFO get() const { return m_set; }
    bool valid() const { return m_set != INVALID_HANDLE_VALUE; }

private:
    HDEVINFO m_set;
};

class ScopedPreparsedData {
public:
    ScopedPreparsedData() = default;
    ~ScopedPreparsedData()
    {
        if (m_data != nullptr)
            HidD_FreePreparsedData(m_data);
    }
    ScopedPreparsedData(const ScopedPreparsedData&) = delete;
    ScopedPreparsedData& operator=(const ScopedPreparsedData&) = delete;
    PHIDP_PREPARSED_DATA* out() { return &m_data; }
    PHIDP_PREPARSED_DATA get() const { return m_data; }

private:
    PHIDP_PREPARSED_DATA m_data = nullptr;
};

HANDLE OpenInterfacePath(const wchar_t* path, DWORD flags)
{
    return CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       flags, nullptr);
}

void ReadAttributes(HidInterfaceInfo& info)
{
    ScopedFile probe(OpenInterfacePath(info.path.c_str(), FILE_ATTRIBUTE_NORMAL));
    if (!probe.valid())
        return;
    HIDD_ATTRIBUTES attributes = {};
    attributes.Size = sizeof attributes;
    if (!HidD_GetAttributes(probe.get(), &attributes))
        return;
    ScopedPreparsedData preparsed;
    if (!HidD_GetPreparsedData(probe.get(), preparsed.out()))
        return;
    HIDP_CAPS caps = {};
    if (HidP_GetCaps(preparsed.get(), &caps) != HIDP_STATUS_SUCCESS)
        return;
    info.vendorId = attributes.VendorID;
    info.productId = attributes.ProductID;
    info.usagePage = caps.UsagePage;
    info.usage = caps.Usage;
    info.attributesKnown = true;
}

// Waits for the event for at most timeoutMs; a thread with a wait pump waits
// in slices and runs the pump between them, so its windows keep painting.
bool WaitLettingPaintThrough(HANDLE event, DWORD timeoutMs)
{
    if (!HasHidWaitPump())
        return WaitForSingleObject(event, timeoutMs) == WAIT_OBJECT_0;
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        const ULONGLONG waited = GetTickCount64() - start;
        if (waited >= timeoutMs)
            return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
        const DWORD slice = static_cast<DWORD>(std::min<ULONGLONG>(kHidWaitSliceMs, timeoutMs - waited));
        if (WaitForSingleObject(event, slice) == WAIT_OBJECT_0)
            return true;
        RunHidWaitPump();
    }
}

// Waits for an overlapped operation for at most timeoutMs; a late one is
// cancelled and waited for, so the caller's buffer is never written after
// this returns.
bool FinishOverlapped(HANDLE handle, OVERLAPPED& overlapped, BOOL started, DWORD timeoutMs, DWORD* transferred)
{
    if (!started && GetLastError() != ERROR_IO_PENDING)
        return false;
    if (!WaitLettingPaintThrough(overlapped.hEvent, timeoutMs)) {
        CancelIo(handle);
        GetOverlappedResult(handle, &overlapped, transferred, TRUE);
        return false;
    }
    return GetOverlappedResult(handle, &overlapped, transferred, FALSE) != FALSE;
}

// One open interface: its file, opened for overlapped I/O, and the event its
// transfers wait on, made once for the handle's life. A reply that comes after
// its read gave up can wait in the driver's queue only from then until the
// next request, and reports the unit sent before the handle's first request
// answer nothing: only those times need the queue dropped.
struct Win32HidChannel {
    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE event = nullptr;
    bool lateReplyPossible = true;
};

// Null for no channel; a caller's INVALID_HANDLE_VALUE is no channel either.
Win32HidChannel* ChannelOf(HidHandle handle)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return nullptr;
    return static_cast<Win32HidChannel*>(handle);
}

class Win32HidSeam final : public HidDeviceSeam {
public:
    std::vector<HidInterfaceInfo> EnumerateInterfaces() override
    {
        std::vector<HidInterfaceInfo> list;
        GUID hidGuid;
        HidD_GetHidGuid(&hidGuid);
        ScopedDeviceInfoSet set(
            SetupDiGetClassDevsW(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
        if (!set.valid())
            return list;
        for (DWORD index = 0;; ++index) {
            SP_DEVICE_INTERFACE_DATA data = {};
            data.cbSize = sizeof data;
            if (!SetupDiEnumDeviceInterfaces(set.get(), nullptr, &hidGuid, index, &data))
                break;
            DWORD required = 0;
            SetupDiGetDeviceInterfaceDetailW(set.get(), &data, nullptr, 0, &required, nullptr);
            if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
                continue;
            std::vector<unsigned char> storage(required + sizeof(wchar_t), 0);
            auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
            detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
            if (!SetupDiGetDeviceInterfaceDetailW(set.get(), &data, detail, required, nullptr, nullptr))
                continue;
            HidInterfaceInfo info;
            info.path = detail->DevicePath;
            ReadAttributes(info);
            list.push_back(std::move(info));
        }
        return list;
    }

    HidHandle Open(const std::wstring& path) override
    {
        // Overlapped, so that a read can give up on a silent unit.
        HANDLE file = OpenInterfacePath(path.c_str(), FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED);
        if (file == INVALID_HANDLE_VALUE)
            return nullptr;
        HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        auto* channel = event ? new (std::nothrow) Win32HidChannel : nullptr;
        if (channel == nullptr) {
            if (event)
                CloseHandle(event);
            CloseHandle(file);
            return nullptr;
        }
        channel->file = file;
        channel->event = event;
        return channel;
    }

    void Close(HidHandle handle) override
    {
        Win32HidChannel* channel = ChannelOf(handle);
        if (channel == nullptr)
            return;
        CloseHandle(channel->file);
        CloseHandle(channel->event);
        delete channel;
    }

    bool Write(HidHandle handle, const unsigned char* data, std::size_t size, unsigned timeoutMs) override
    {
        Win32HidChannel* channel = ChannelOf(handle);
        if (channel == nullptr)
            return false;
        // A late reply drops at the flush before this request; the ones after it need none.
        channel->lateReplyPossible = false;
        const bool ok = Transfer(*channel, const_cast<unsigned char*>(data), size, timeoutMs, true);
        // The unit may still act on a request whose write gave up, and answer late.
        if (!ok)
            channel->lateReplyPossible = true;
        return ok;
    }

    bool Read(HidHandle handle, unsigned char* data, std::size_t size, unsigned timeoutMs) override
    {
        Win32HidChannel* channel = ChannelOf(handle);
        if (channel == nullptr)
            return false;
        const bool ok = Transfer(*channel, data, size, timeoutMs, false);
        if (!ok)
            channel->lateReplyPossible = true;
        return ok;
    }

    void Flush(HidHandle handle) override
    {
        Win32HidChannel* channel = ChannelOf(handle);
        if (channel != nullptr && channel->lateReplyPossible)
            HidD_FlushQueue(channel->file);
    }

private:
    static bool Transfer(Win32HidChannel& channel, unsigned char* data, std::size_t size, DWORD timeoutMs, bool write)
    {
        if (data == nullptr)
            return false;
        OVERLAPPED overlapped = {};
        overlapped.hEvent = channel.event;
        ResetEvent(channel.event);
        DWORD transferred = 0;
        const DWORD length = static_cast<DWORD>(size);
        const BOOL started = write ? WriteFile(channel.file, data, length, nullptr, &overlapped)
                                   : ReadFile(channel.file, data, length, nullptr, &overlapped);
        const bool ok = FinishOverlapped(channel.file, overlapped, started, timeoutMs, &transferred);
        return ok && (!write || transferred == length) && transferred > 0;
    }
};

} // namespace

HidDeviceSeam& PlatformHidDeviceSeam()
{
    static Win32HidSeam seam;
    return seam;
}
