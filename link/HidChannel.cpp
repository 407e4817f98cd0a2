#include "link/HidChannel.h"

#include <algorithm>
#include <cstring>

#include "link/MakerUsb.h"

int FindHidInterfacePath(wchar_t* path, int capacity, int productId)
{
    // The caller's buffer may be shorter than the usual 260 characters; a path
    // is only ever copied whole, with its terminator.
    std::size_t room = kHidPathCapacity;
    if (path != nullptr) {
        if (capacity <= 0)
            return 0;
        room = std::min(room, static_cast<std::size_t>(capacity));
    }
    for (const HidInterfaceInfo& info : GetHidDeviceSeam().EnumerateInterfaces()) {
        if (!info.attributesKnown)
            continue;
        if (info.vendorId != kMakerUsbVendorId || info.productId != productId)
            continue;
        if (info.usagePage != kHidVendorUsagePage || info.usage != kHidVendorUsage)
            continue;
        if (info.path.size() + 1 > room)
            continue;
        if (path != nullptr) {
            std::copy(info.path.begin(), info.path.end(), path);
            path[info.path.size()] = L'\0';
        }
        return 1;
    }
    return 0;
}

HidHandle OpenHidInterface(int productId)
{
    wchar_t path[kHidPathCapacity];
    if (!FindHidInterfacePath(path, static_cast<int>(kHidPathCapacity), productId))
        return nullptr;
    return GetHidDeviceSeam().Open(path);
}

HidDeadline HidDeadline::In(unsigned ms)
{
    HidDeadline deadline;
    deadline.m_set = true;
    deadline.m_atMs = GetHidDeviceSeam().NowMs() + ms;
    return deadline;
}

bool HidDeadline::Passed() const
{
    return m_set && GetHidDeviceSeam().NowMs() >= m_atMs;
}

unsigned HidDeadline::Limit(unsigned boundMs) const
{
    if (!m_set)
        return boundMs;
    const std::uint64_t now = GetHidDeviceSeam().NowMs();
    if (now >= m_atMs)
        return 0;
    return static_cast<unsigned>(std::min<std::uint64_t>(boundMs, m_atMs - now));
}

bool WriteHidReport(HidHandle* channel, const unsigned char* request, const HidDeadline& deadline)
{
    if (channel == nullptr || *channel == nullptr || request == nullptr)
        return false;
    const unsigned timeoutMs = deadline.Limit(kHidWriteTimeoutMs);
    if (timeoutMs == 0)
        return false;
    HidDeviceSeam& seam = GetHidDeviceSeam();
    seam.Flush(*channel);
    return seam.Write(*channel, request, kHidRequestSize, timeoutMs);
}

namespace {

// One read within the read time-out and the deadline.
bool ReadReply(HidDeviceSeam& seam, HidHandle handle, unsigned char* reply, const HidDeadline& deadline)
{
    const unsigned timeoutMs = deadline.Limit(kHidReadTimeoutMs);
    if (timeoutMs == 0)
        return false;
    reply[kHidReplyStatus] = kHidStatusNoReply;
    RunHidWaitPump();
    return seam.Read(handle, reply, kHidReplySize, timeoutMs);
}

// Steps after the write: the first reply must arrive; busy replies are
// re-read up to the bounds. The status byte is preset so that a read that
// delivers nothing counts as a failure.
bool ReadRepliesUntilNotBusy(HidDeviceSeam& seam, HidHandle handle, unsigned char* reply, const HidDeadline& deadline)
{
    if (!ReadReply(seam, handle, reply, deadline))
        return false;
    int busyReplies = 0;
    const std::uint64_t busySince = seam.NowMs();
    while (reply[kHidReplyStatus] == kHidStatusBusy) {
        if (++busyReplies > kHidMaxBusyReplies)
            return false;
        if (seam.NowMs() - busySince > kHidMaxBusyMs)
            return false;
        if (!ReadReply(seam, handle, reply, deadline))
            return false;
    }
    return true;
}

bool ReadUntilNotBusy(HidHandle handle, unsigned char* reply, const HidDeadline& deadline)
{
    HidDeviceSeam& seam = GetHidDeviceSeam();
    if (!ReadRepliesUntilNotBusy(seam, handle, reply, deadline)) {
        // The unit may still answer the request that was given up on.
        seam.Flush(handle);
        return false;
    }
    return reply[kHidReplyStatus] == kHidStatusDone;
}

} // namespace

bool ReadHidStatus(HidHandle* channel, const HidDeadline& deadline)
{
    if (channel == nullptr || *channel == nullptr)
        return false;
    unsigned char scratch[kHidReplySize] = {};
    return ReadUntilNotBusy(*channel, scratch, deadline);
}

bool SendHidCommand(HidHandle* channel, const unsigned char* request, unsigned char* reply, const HidDeadline& deadline)
{
    if (reply == nullptr)
        return false;
    reply[kHidReplyStatus] = kHidStatusNoReply;
    if (!WriteHidReport(channel, request, deadline))
        return false;
    return ReadUntilNotBusy(*channel, reply, deadline);
}

void SwapWordBytes(int count, unsigned char* firstWord)
{
    if (firstWord == nullptr)
        return;
    for (int i = 0; i < count; ++i)
        std::swap(firstWord[2 * i], firstWord[2 * i + 1]);
}

void SwapHidRequestWords(unsigned char* request)
{
    if (request == nullptr)
        return;
    SwapWordBytes(std::min<int>(request[kHidRequestWordCount], kHidRequestMaxWords), request + kHidRequestWords);
}

int HidReplyWordCount(const unsigned char* reply)
{
    return std::min<int>(reply[kHidReplyWordCount], kHidReplyMaxWords);
}

void SwapHidReplyWords(unsigned char* reply)
{
    if (reply == nullptr)
        return;
    SwapWordBytes(HidReplyWordCount(reply), reply + kHidReplyWords);
}

unsigned HidReplyWord(const unsigned char* reply, int i)
{
    if (i < 0 || i >= kHidReplyMaxWords)
        return 0;
    const unsigned char* w = reply + kHidReplyWords + 2 * i;
    return static_cast<unsigned>(w[0]) | (static_cast<unsigned>(w[1]) << 8);
}

void HidCommandFrame::Begin(int command, int parameter)
{
    std::memset(request, 0, sizeof request);
    request[kHidRequestReportId] = kHidReportId;
    request[kHidRequestCommand] = static_cast<unsigned char>(command);
    request[kHidRequestParameter] = static_cast<unsigned char>(parameter);
}

void HidCommandFrame::PutWords(const std::uint16_t* words, int count)
{
    // Byte 3 carries the count, so a request holds at most 255 words.
    count = std::max(0, std::min({count, kHidRequestMaxWords, 255}));
    request[kHidRequestWordCount] = static_cast<unsigned char>(count);
    for (int i = 0; i < count; ++i) {
        request[kHidRequestWords + 2 * i] = static_cast<unsigned char>(words[i] >> 8);
        request[kHidRequestWords + 2 * i + 1] = static_cast<unsigned char>(words[i] & 0xFF);
    }
}

unsigned HidCommandFrame::ReplyWordAt(int i) const
{
    if (i < 0 || i >= kHidReplyMaxWords)
        return 0;
    const unsigned char* w = reply + kHidReplyWords + 2 * i;
    return (static_cast<unsigned>(w[0]) << 8) | static_cast<unsigned>(w[1]);
}
