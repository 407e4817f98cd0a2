#include "link/VoicePromptLanguage.h"

#include <cstring>

namespace {

constexpr std::size_t kReplyLanguageByte = 12; // low byte of the group's fourth word
constexpr std::size_t kRequestCopyFirst = 2;   // group, count and four words from reply byte 3
constexpr std::size_t kRequestCopyLength = 10;
constexpr std::size_t kRequestLanguageByte = 11;
constexpr unsigned char kLanguageBits = 0x1F;
constexpr unsigned char kCarriesLanguage = 0x20;

} // namespace

void BuildVoicePromptReadRequest(unsigned char* request)
{
    std::memset(request, 0, kHidRequestSize);
    request[kHidRequestReportId] = kHidReportId;
    request[kHidRequestCommand] = kHidCmdReadGroup;
    request[kHidRequestParameter] = kHidGroupBasic;
}

bool BuildVoicePromptWriteRequest(const unsigned char* reply, int unitLanguage, unsigned char* request)
{
    const int count = reply[kHidReplyWordCount];
    if (count != 2 && count != 4)
        return false;
    std::memset(request, 0, kHidRequestSize);
    request[kHidRequestReportId] = kHidReportId;
    request[kHidRequestCommand] = kHidCmdWriteGroup;
    std::memcpy(request + kRequestCopyFirst, reply + kHidReplyFirstData, kRequestCopyLength);
    const unsigned char old = reply[kReplyLanguageByte];
    request[kRequestLanguageByte] =
        static_cast<unsigned char>((old & ~kLanguageBits) | (static_cast<unsigned>(unitLanguage) & kLanguageBits));
    if (request[kHidRequestWordCount] == 2) {
        request[kHidRequestWordCount] = 4;
        request[kRequestLanguageByte] |= kCarriesLanguage;
    }
    return true;
}

int WriteUnitVoicePromptLanguage(HidHandle* channel, int unitLanguage)
{
    HidCommandFrame frame;
    BuildVoicePromptReadRequest(frame.request);
    if (!frame.Send(channel))
        return 0;
    unsigned char write[kHidRequestSize];
    if (!BuildVoicePromptWriteRequest(frame.reply, unitLanguage, write))
        return 0;
    unsigned char reply[kHidReplySize] = {};
    return SendHidCommand(channel, write, reply) ? 1 : 0;
}
