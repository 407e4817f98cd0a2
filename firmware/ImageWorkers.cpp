#include "firmware/ImageWorkers.h"

#include <algorithm>
#include <cwctype>
#include <vector>

#include "device/FirmwareInfo.h"
#include "device/VersionCompare.h"
#include "firmware/FirmwareBounds.h"
#include "firmware/FirmwareJob.h"
#include "firmware/FirmwareWait.h"
#include "firmware/ImageContainer.h"
#include "firmware/JobTexts.h"
#include "firmware/UpdateRoads.h"
#include "link/HidChannel.h"
#include "text/FirmwareTexts.h"
#include "text/StatusTexts.h"

namespace {

constexpr int kUnitStateByte = 5;
constexpr int kReadyPolls = kReadyPollLimitMs / kReadyPollPauseMs;

// Which of the unit's two channels takes a section type.
bool GoesToPrimary(std::uint32_t type)
{
    return type == 0 || type == 2;
}

// How one worker of the family differs from the others.
struct WorkerTraits {
    bool tagged;          // transfer failures carry error-site tags
    bool pollsReady;      // waits for the unit's status poll before the finish
    bool finishSecondary; // a type-1 section is finished on the secondary channel
    bool stateFirst;      // finished: the state is set before the last wait
    int finalWaitMs;
};

constexpr WorkerTraits kImageTraits = {true, true, false, false, kImageRestartWaitMs};
constexpr WorkerTraits kPairTraits = {false, false, true, true, kPairRestartWaitMs};

class Worker {
public:
    explicit Worker(WorkerHost& host) : m_host(host), m_job(host.Job()) {}

    // Texts ("%s. %s<tag>", cannot get status), then the failure end.
    void FailStatus(const wchar_t* tag)
    {
        End(FailureTexts(m_host.Page(), m_host.UsbStatus(), GetTextCannotGetStatus, tag));
    }
    void End(const LanguageTexts& texts)
    {
        m_image = LoadedImage();
        EndJobWithFailure(m_job, texts);
    }

    bool LoadAndCheck()
    {
        m_image = LoadJobImage(m_job, ImageCheckOptionsForModel(m_host.ModelCode()));
        if (!m_image.check.Passed()) {
            End(FirmwareCorruptedTexts(m_host.Page(), m_host.UsbStatus()));
            return false;
        }
        SetJobState(m_job, kJobImageVerified);
        return true;
    }

    void BackUpSettings()
    {
        if (m_host.Page() != 3)
            return;
        BackUpSettingsBeforeTransfer(m_host,
                                     ActivityTexts(m_host.Page(), m_host.UsbStatus(), GetTextAboutToMakeBackup));
    }

    void StartTransfer()
    {
        StartTransferReport(m_host);
        SetJobState(m_job, kJobTransferring);
    }

    // Every section in table order; false after a failure end.
    bool SendSections(const WorkerTraits& traits)
    {
        for (const ImageSection& section : m_image.check.sections) {
            HidHandle* channel = GoesToPrimary(section.type) ? m_host.Primary() : m_host.Secondary();
            if (section.type == 0)
                m_sentType0 = true;
            if (section.type == 1)
                m_sentType1 = true;
            const SectionFault fault = SendImageSection(channel, static_cast<int>(section.id & 0xFF),
                                                        m_image.Bytes() + section.offset, section.length);
            if (fault == SectionFault::kNone)
                continue;
            static const wchar_t* const kTags[] = {L"", L"", L"[9][0]", L"[9][1]", L"[9][2]"};
            FailStatus(traits.tagged ? kTags[static_cast<int>(fault)] : L"");
            return false;
        }
        return true;
    }

    // The status poll after the transfer, bounded; false after a failure end.
    bool WaitUntilReady()
    {
        SetHoldButtonFlag(m_job, 1);
        if (WaitUntilUnitReady(m_host.Primary()))
            return true;
        FailStatus(L"[9][3]");
        return false;
    }

    bool Finish(HidHandle* channel)
    {
        HidCommandFrame frame;
        frame.Begin(kHidCmdFinish, 0);
        return frame.Send(channel);
    }

    void Run(const WorkerTraits& traits)
    {
        if (!LoadAndCheck())
            return;
        BackUpSettings();
        StartTransfer();
        if (!SendSections(traits))
            return;
        if (traits.pollsReady) {
            if (!WaitUntilReady())
                return;
            if (m_sentType0) {
                if (!Finish(m_host.Primary())) {
                    FailStatus(L"[9][3]");
                    return;
                }
                SetHoldButtonFlag(m_job, 0);
            }
        } else {
            if ((m_sentType0 && !Finish(m_host.Primary())) ||
                (traits.finishSecondary && m_sentType1 && !Finish(m_host.Secondary()))) {
                FailStatus(L"");
                return;
            }
        }
        m_image = LoadedImage();
        if (traits.stateFirst) {
            SetJobState(m_job, kJobFinished);
            FirmwareWait(traits.finalWaitMs);
        } else {
            FirmwareWait(traits.finalWaitMs);
            auto job = m_job.Lock();
            job->m_state = kJobFinished;
            job->m_waitFlag = 1;
        }
        m_host.ArmWaitTimer();
    }

private:
    WorkerHost& m_host;
    FirmwareJob& m_job;
    LoadedImage m_image;
    bool m_sentType0 = false;
    bool m_sentType1 = false;
};

bool IsStemTail(wchar_t c)
{
    return c == L'.' || c == L'i' || c == L'm' || c == L'g';
}

// The leading digits of a field as a number; 0 when it has none.
int LeadingNumber(const std::wstring& field)
{
    int value = 0;
    for (wchar_t c : field) {
        if (c < L'0' || c > L'9')
            break;
        value = std::min(value * 10 + (c - L'0'), 99999);
    }
    return value;
}

} // namespace

LoadedImage LoadJobImage(FirmwareJob& job, const ImageCheckOptions& options)
{
    const std::wstring path = job.Lock()->m_imagePath;
    return LoadImageContainer(path, options, [&job] { SetJobState(job, kJobImageRead); });
}

void StartTransferReport(WorkerHost& host)
{
    const int page = host.Page();
    const int usb = host.UsbStatus();
    const LanguageTexts texts =
        FillLanguageTexts(L"%s", {[page, usb](int language) { return GetTextInProgress(page, usb, language); }});
    auto job = host.Job().Lock();
    WriteJobStatusTexts(*job, texts);
    job->m_failed = 0;
    job->m_progressEventCount = 0;
    job->m_timedProgress = 1;
    for (int& counter : job->m_counters)
        counter = 0;
}

void BackUpSettingsBeforeTransfer(WorkerHost& host, const LanguageTexts& activity)
{
    FirmwareJob& job = host.Job();
    WriteJobStatusTexts(job, activity);
    if (host.WriteSettingsArchive() != 0)
        return;
    // A failed backup never stops the update: the user is told and
    // confirms, however long that takes.
    {
        auto record = job.Lock();
        record->m_state = kJobWaitingAfterBackupFailure;
        record->m_waitForUser = 1;
    }
    FirmwareWait(kBackupPopupFirstWaitMs);
    while (job.Lock()->m_waitForUser == 1)
        FirmwareWait(kBackupPopupPollMs);
}

bool WaitUntilUnitReady(HidHandle* channel)
{
    // Each exchange may itself last its write, its read and minutes of busy
    // replies, so the five minutes are measured on the seam's clock and bound
    // every exchange; the count of polls only bounds a unit that answers at once.
    const HidDeadline deadline = HidDeadline::In(kReadyPollLimitMs);
    for (int poll = 0; poll < kReadyPolls && !deadline.Passed(); ++poll) {
        HidCommandFrame frame;
        frame.Begin(kHidCmdQueryReady);
        if (frame.Send(channel, deadline) && frame.reply[kHidReplyFirstData] != 0)
            return true;
        FirmwareWait(kReadyPollPauseMs);
    }
    return false;
}

SectionFault SendImageSection(HidHandle* channel, int sectionId, const std::uint8_t* data, std::size_t length,
                              std::size_t maxChunk)
{
    HidCommandFrame frame;
    frame.Begin(kHidCmdStartSection, sectionId & 0xFF);
    if (!frame.Send(channel))
        return SectionFault::kStart;
    maxChunk = std::min(std::max<std::size_t>(maxChunk, 1), kSectionDataMax);
    for (std::size_t sent = 0; sent < length;) {
        const std::size_t n = std::min(maxChunk, length - sent);
        frame.Begin(kHidCmdSectionData, static_cast<int>(n >> 8));
        frame.request[3] = static_cast<unsigned char>(n & 0xFF);
        std::copy(data + sent, data + sent + n, frame.request + kHidRequestWords);
        if (!WriteHidReport(channel, frame.request))
            return SectionFault::kDataWrite;
        if (!ReadHidStatus(channel))
            return SectionFault::kDataStatus;
        sent += n;
    }
    frame.Begin(kHidCmdEndSection);
    return frame.Send(channel) ? SectionFault::kNone : SectionFault::kEnd;
}

std::wstring ImageNameStem(const std::wstring& imagePath)
{
    const std::size_t slash = imagePath.find_last_of(L'\\');
    std::wstring name = slash == std::wstring::npos ? imagePath : imagePath.substr(slash + 1);
    while (!name.empty() && IsStemTail(name.back()))
        name.pop_back();
    return name;
}

bool ImageNameVersionPasses(const std::wstring& imagePath)
{
    std::wstring name = ImageNameStem(imagePath);
    // The last three characters, or the whole of a shorter name.
    const std::wstring tail = name.substr(name.size() > 3 ? name.size() - 3 : 0);
    if (tail.find(L'-') != std::wstring::npos) {
        name.erase(name.rfind(L'-'));
    } else if (tail.find(L'_') != std::wstring::npos) {
        name.erase(name.rfind(L'_'));
    }
    const std::size_t v = name.rfind(L'v');
    const std::wstring version = v == std::wstring::npos ? name : name.substr(v + 1);
    if (version.find(L'.') == std::wstring::npos)
        return true;
    int fields[3] = {};
    std::size_t at = 0;
    for (int i = 0; i < 3 && at != std::wstring::npos; ++i) {
        const std::size_t dot = version.find(L'.', at);
        fields[i] = LeadingNumber(version.substr(at, dot == std::wstring::npos ? std::wstring::npos : dot - at));
        at = dot == std::wstring::npos ? dot : dot + 1;
    }
    return CompareVersion3(fields[0], fields[1], fields[2], 1, 7, 5) >= 0;
}

int ReadUnitState(HidHandle* channel)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        HidCommandFrame frame;
        frame.Begin(kHidCmdReadGroup, kHidGroupState);
        if (frame.Send(channel)) {
            SwapHidReplyWords(frame.reply);
            return frame.reply[kUnitStateByte];
        }
    }
    return 0;
}

bool UnitStateNeedsVersionGate(int state)
{
    return state == 16 || state == 27;
}

void ImageUpdateThread(WorkerHost& host)
{
    Worker(host).Run(kImageTraits);
}

void DualChannelImageUpdateThread(WorkerHost& host)
{
    Worker(host).Run(kPairTraits);
}

void VersionedImageUpdateThread(WorkerHost& host)
{
    const std::wstring imagePath = host.Job().Lock()->m_imagePath;
    if (UnitStateNeedsVersionGate(ReadUnitState(host.Primary())) && !ImageNameVersionPasses(imagePath)) {
        EndJobWithFailure(host.Job(), FillLanguageTexts(L"%s.[0]", {GetTextUnsupportedFirmware}));
        return;
    }
    Worker(host).Run(kPairTraits);
}

void FailWithStatusError(FirmwareInfo& job, int page, int usbStatus)
{
    EndJobWithFailure(job, FailureTexts(page, usbStatus, GetTextCannotGetStatus, L"[26]"));
}
