#pragma once
// The unit's vendor HID command channel: one 1023-byte request report, then
// 67-byte replies re-read while the unit says busy.

#include <cstddef>
#include <cstdint>

#include "link/HidDeviceSeam.h"
#include "link/LinkBounds.h"

constexpr std::size_t kHidRequestSize = 1023;
constexpr std::size_t kHidReplySize = 67;
constexpr std::size_t kHidPathCapacity = 260;

// Request layout.
constexpr std::size_t kHidRequestReportId = 0;
constexpr std::size_t kHidRequestCommand = 1;
constexpr std::size_t kHidRequestParameter = 2;
constexpr std::size_t kHidRequestWordCount = 3;
constexpr std::size_t kHidRequestWords = 4;
constexpr int kHidRequestMaxWords = static_cast<int>((kHidRequestSize - kHidRequestWords) / 2); // 509
constexpr std::size_t kHidMaxDataPerReport = kHidRequestSize - kHidRequestWords;                // 1019

// Reply layout.
constexpr std::size_t kHidReplyStatus = 2;
constexpr std::size_t kHidReplyFirstData = 3;
constexpr std::size_t kHidReplyWordCount = 4;
constexpr std::size_t kHidReplyWords = 5;
constexpr int kHidReplyMaxWords = static_cast<int>((kHidReplySize - kHidReplyWords) / 2); // 31

constexpr unsigned char kHidReportId = 1;
constexpr unsigned char kHidStatusDone = 0;
constexpr unsigned char kHidStatusBusy = 1;
constexpr unsigned char kHidStatusNoReply = 0xFF;

constexpr int kHidVendorUsagePage = 0xFF00;
constexpr int kHidVendorUsage = 1;

enum HidCommand : unsigned char {
    kHidCmdReadVersion = 0x01,
    kHidCmdReadAddress = 0x02,
    kHidCmdReadGroup = 0x03,
    kHidCmdWriteGroup = 0x04,
    kHidCmdStartSection = 0x05,
    kHidCmdSectionData = 0x06,
    kHidCmdEndSection = 0x07,
    kHidCmdFinish = 0x08,
    kHidCmdQueryReady = 0x0D,
    kHidCmdLeaveAndReturn = 0x0E,
    kHidCmdStoreGroup = 0x11,
    kHidCmdCameraStep1 = 0x20,
    kHidCmdCameraStep2 = 0x21,
    kHidCmdCameraReady = 0x22,
    kHidCmdTwoChipAfterVersion = 0x30,
    kHidCmdTwoChipReady = 0x32,
    kHidCmdTwoChipStep3 = 0x33,
    kHidCmdTwoChipStep4 = 0x34,
    kHidCmdRestartIntoLoader = 0x50,
    kHidCmdLoaderStart = 0x52,
    kHidCmdLoaderLanguage = 0x59,
    kHidCmdLoaderChunkCrc = 0x5A,
    kHidCmdLoaderTotalCrc = 0x5B,
};

// Settings groups (command 0x03 / 0x04 parameter).
constexpr int kHidGroupBasic = 4;
constexpr int kHidGroupState = 5;
constexpr int kHidGroupHardwareVersion = 6;
constexpr int kHidGroupFm = 21;
constexpr int kHidGroupName = 29;
constexpr int kHidGroupSpeedDial1 = 90; // 91 and 92 follow

// Fills path (capacity wide characters) with the device path of the first
// present interface of the maker with this product id, usage page 0xFF00 and
// usage 1; 1 when found, else 0. A null path only answers. An interface whose
// path does not fit min(capacity, 260) characters with its terminator is
// skipped rather than cut.
int FindHidInterfacePath(wchar_t* path, int capacity, int productId);

// The opened channel of that interface, or null.
HidHandle OpenHidInterface(int productId);

// A time after which no exchange writes or waits any more, measured on the
// seam's clock. The default one never passes: the channel's own bounds
// (link/LinkBounds.h) then end every wait.
class HidDeadline {
public:
    HidDeadline() = default;
    // From now on, ms milliseconds.
    static HidDeadline In(unsigned ms);
    bool Passed() const;
    // The longest wait allowed now: boundMs, or less when the deadline is
    // nearer; 0 once it has passed.
    unsigned Limit(unsigned boundMs) const;

private:
    bool m_set = false;
    std::uint64_t m_atMs = 0;
};

// Each exchange first drops whatever input the driver still holds, so that a
// reply that came after an earlier read had given up is never taken for this
// request's; a read that times out or a busy run cut off by a bound fails the
// exchange and drops what may still come.

// One 1023-byte request report; false for a null channel, a passed deadline
// or a failed write.
bool WriteHidReport(HidHandle* channel, const unsigned char* request, const HidDeadline& deadline = HidDeadline());
// Reads replies until one is not busy; true when its status is 0.
bool ReadHidStatus(HidHandle* channel, const HidDeadline& deadline = HidDeadline());
// One exchange; the final reply stays in reply (67 bytes).
bool SendHidCommand(HidHandle* channel, const unsigned char* request, unsigned char* reply,
                    const HidDeadline& deadline = HidDeadline());

void SwapWordBytes(int count, unsigned char* firstWord);
// Over the request's word count (byte 3, at most 509) from byte 4.
void SwapHidRequestWords(unsigned char* request);
// Over the reply's word count (byte 4, at most 31) from byte 5.
void SwapHidReplyWords(unsigned char* reply);

// The reply's word count bounded by what a reply can hold (31 words).
int HidReplyWordCount(const unsigned char* reply);
// Word i (0-based) of a reply whose words were swapped to host order.
unsigned HidReplyWord(const unsigned char* reply, int i);

// One request and its reply for callers that send a command at a time. The
// words go out most significant byte first and are read back the same way,
// so no swap step is needed around it.
struct HidCommandFrame {
    unsigned char request[kHidRequestSize] = {};
    unsigned char reply[kHidReplySize] = {};

    // Clears the whole request, then sets report id, command and parameter.
    void Begin(int command, int parameter = 0);
    // Byte 3 := count (at most 509) and the words from byte 4.
    void PutWords(const std::uint16_t* words, int count);
    bool Send(HidHandle* channel, const HidDeadline& deadline = HidDeadline())
    {
        return SendHidCommand(channel, request, reply, deadline);
    }
    int ReplyWordCount() const { return HidReplyWordCount(reply); }
    // Word i of an unswapped reply; 0 beyond what a reply holds.
    unsigned ReplyWordAt(int i) const;
};
