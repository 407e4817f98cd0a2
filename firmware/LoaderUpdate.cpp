#include "firmware/LoaderUpdate.h"

#include <algorithm>
#include <vector>

#include "device/FirmwareInfo.h"
#include "device/VersionCompare.h"
#include "firmware/Crc16.h"
#include "firmware/FirmwareBounds.h"
#include "firmware/FirmwareJob.h"
#include "firmware/FirmwareWait.h"
#include "firmware/ImageContainer.h"
#include "firmware/ImageWorkers.h"
#include "firmware/JobTexts.h"
#include "firmware/UpdateRoads.h"
#include "link/HidChannel.h"
#include "link/VoicePromptLanguage.h"
#include "text/FirmwareTexts.h"
#include "text/StatusTexts.h"
#include "text/UiLanguages.h"

namespace {

constexpr int kOneSectionFirstStageModel = 0x3500;

void PutCrcFrame(HidCommandFrame& frame, int command, std::uint16_t crc)
{
    frame.Begin(command, 0);
    frame.request[3] = 2; // payload length, big-endian
    frame.request[4] = static_cast<unsigned char>(crc & 0xFF);
    frame.request[5] = static_cast<unsigned char>(crc >> 8);
}

// One data frame, written and its status read.
int SendChunk(HidHandle* loader, const std::uint8_t* chunk, std::size_t n)
{
    HidCommandFrame frame;
    frame.Begin(kHidCmdSectionData, static_cast<int>(n >> 8));
    frame.request[3] = static_cast<unsigned char>(n & 0xFF);
    std::copy(chunk, chunk + n, frame.request + kHidRequestWords);
    if (!WriteHidReport(loader, frame.request))
        return 1;
    return ReadHidStatus(loader) ? 0 : 2;
}

HidHandle OpenWithTries(int productId)
{
    for (int attempt = 0; attempt < kLoaderHandleTries; ++attempt) {
        if (HidHandle handle = OpenHidInterface(productId))
            return handle;
        FirmwareWait(kLoaderHandlePauseMs);
    }
    return nullptr;
}

bool SendSimple(HidHandle* channel, int command, int parameter = 0)
{
    HidCommandFrame frame;
    frame.Begin(command, parameter);
    return frame.Send(channel);
}

class LoaderWorker {
public:
    explicit LoaderWorker(WorkerHost& host) : m_host(host), m_job(host.Job()) {}
    ~LoaderWorker() { CloseHandles(); }

    void Run();

private:
    void CloseHandles()
    {
        CloseHidHandle(&m_loader);
        CloseHidHandle(&m_normal);
    }
    void Fail(const std::wstring& tag)
    {
        CloseHandles();
        m_image = LoadedImage();
        EndJobWithFailure(m_job, FailureTexts(m_host.Page(), m_host.UsbStatus(), GetTextCannotGetStatus, tag));
    }
    void FailCorrupted()
    {
        m_image = LoadedImage();
        EndJobWithFailure(m_job, FirmwareCorruptedTexts(m_host.Page(), m_host.UsbStatus()));
    }
    bool LoadAndCheck();

    WorkerHost& m_host;
    FirmwareJob& m_job;
    LoadedImage m_image;
    HidHandle m_normal = nullptr;
    HidHandle m_loader = nullptr;
    int m_firstStageSections = 0;
};

bool LoaderWorker::LoadAndCheck()
{
    const int model = m_host.ModelCode();
    m_image = LoadJobImage(m_job, ImageCheckOptionsForModel(model));
    if (!m_image.check.Passed()) {
        FailCorrupted();
        return false;
    }
    m_firstStageSections = model == kOneSectionFirstStageModel ? 1 : 2;
    const std::vector<ImageSection>& sections = m_image.check.sections;
    // An image that lacks the loader's section, or whose first stage holds a
    // section the normal firmware cannot take, is refused before anything
    // reaches the unit.
    if (static_cast<int>(sections.size()) <= m_firstStageSections) {
        FailCorrupted();
        return false;
    }
    for (int i = 0; i < m_firstStageSections; ++i) {
        if (sections[i].type != 0 && sections[i].type != 2) {
            FailCorrupted();
            return false;
        }
    }
    SetJobState(m_job, kJobImageVerified);
    return true;
}

void LoaderWorker::Run()
{
    if (!LoadAndCheck())
        return;
    if (m_host.Page() == 3)
        BackUpSettingsBeforeTransfer(m_host,
                                     ActivityTexts(m_host.Page(), m_host.UsbStatus(), GetTextAboutToMakeBackup));
    StartTransferReport(m_host);
    SetJobState(m_job, kJobTransferring);

    // First stage on the normal firmware.
    const std::vector<ImageSection>& sections = m_image.check.sections;
    bool sentType0 = false;
    for (int i = 0; i < m_firstStageSections; ++i) {
        const ImageSection& section = sections[i];
        sentType0 = sentType0 || section.type == 0;
        static const wchar_t* const kTags[] = {L"", L"[0]", L"[1]", L"[2]", L"[3]"};
        const SectionFault fault = SendImageSection(m_host.Primary(), static_cast<int>(section.id & 0xFF),
                                                    m_image.Bytes() + section.offset, section.length);
        if (fault != SectionFault::kNone) {
            Fail(kTags[static_cast<int>(fault)]);
            return;
        }
    }
    if (sentType0 && !SendSimple(m_host.Primary(), kHidCmdFinish, 0)) {
        Fail(L"[4]");
        return;
    }
    FirmwareWait(kImageRestartWaitMs);

    const int model = m_host.ModelCode();
    m_normal = OpenWithTries(model);
    if (m_normal == nullptr) {
        Fail(L"[5]");
        return;
    }
    if (!SendSimple(&m_normal, kHidCmdRestartIntoLoader)) {
        Fail(L"[6]");
        return;
    }
    FirmwareWait(kLoaderRebootWaitMs);
    m_loader = OpenWithTries(kLoaderProductId);
    if (m_loader == nullptr) {
        Fail(L"[7]");
        return;
    }
    const bool confirmed = LoaderConfirmsChunks(ReadLoaderVersion(&m_loader));
    if (!SendSimple(&m_loader, kHidCmdStartSection, 0)) {
        Fail(L"[8]");
        return;
    }
    const ImageSection& loaderSection = sections[m_firstStageSections];
    const std::wstring tag =
        SendLoaderSection(&m_loader, m_image.Bytes() + loaderSection.offset, loaderSection.length, confirmed);
    if (!tag.empty()) {
        Fail(tag);
        return;
    }
    if (!SendSimple(&m_loader, kHidCmdEndSection)) {
        Fail(L"[11]");
        return;
    }
    FirmwareWait(kLoaderRestartPauseMs);
    SendSimple(&m_normal, kHidCmdLoaderStart); // its result says nothing about the update
    FirmwareWait(kLoaderRestartPauseMs);
    if (!SendSimple(&m_loader, kHidCmdFinish, 0)) {
        Fail(L"[12]");
        return;
    }
    CloseHidHandle(&m_loader);
    FirmwareWait(kImageRestartWaitMs);
    if (!SendSimple(&m_normal, kHidCmdRestartIntoLoader)) {
        Fail(L"[13]");
        return;
    }
    FirmwareWait(kLoaderSecondRebootWaitMs);
    m_loader = OpenWithTries(kLoaderProductId);
    if (m_loader == nullptr) {
        Fail(L"[14]");
        return;
    }

    // The voice-prompt language; neither this nor the language setting below
    // fails the update.
    const int language = MapVoicePromptLanguageIndex(LoaderLanguageNumber(m_job.Lock()->m_imagePath));
    if (!SendSimple(&m_normal, kHidCmdLoaderLanguage, language))
        SendSimple(&m_normal, kHidCmdLoaderLanguage, 0);
    HidCommandFrame version;
    version.Begin(kHidCmdReadVersion);
    if (version.Send(&m_normal) && version.reply[3] >= 2 && version.reply[4] >= 1)
        WriteUnitVoicePromptLanguage(&m_normal, VoicePromptLanguageFromName(m_host.FirmwareLanguage()));

    CloseHandles();
    SetJobState(m_job, kJobFinished);
    m_host.ArmWaitTimer();
    m_image = LoadedImage();
}

} // namespace

LoaderVersion ReadLoaderVersion(HidHandle* loader)
{
    LoaderVersion version;
    HidCommandFrame frame;
    frame.Begin(kHidCmdReadVersion);
    if (frame.Send(loader)) {
        version.major = frame.reply[3];
        version.minor = frame.reply[4];
        version.kind = frame.reply[5];
        version.build = frame.reply[6];
    }
    return version;
}

bool LoaderConfirmsChunks(const LoaderVersion& v)
{
    return CompareVersion4(v.major, v.minor, v.kind, v.build, 1, 0, 2, 1, 0) >= 0;
}

std::wstring SendLoaderSection(HidHandle* loader, const std::uint8_t* data, std::size_t length, bool confirmed)
{
    if (!confirmed) {
        for (std::size_t offset = 0; offset < length; offset += kLoaderChunkBytes) {
            const std::size_t n = std::min(kLoaderChunkBytes, length - offset);
            const int fault = SendChunk(loader, data + offset, n);
            if (fault == 1)
                return L"[9][1]";
            if (fault == 2)
                return L"[10][1]";
        }
        return L"";
    }
    for (int attempt = 0;; ++attempt) {
        std::uint16_t running = 0;
        for (std::size_t offset = 0; offset < length;) {
            const std::size_t n = std::min(kLoaderChunkBytes, length - offset);
            const std::uint8_t* chunk = data + offset;
            bool checked = false;
            // A chunk whose check keeps failing is sent again, within a bound.
            for (int tries = 0; tries <= kLoaderChunkResends && !checked; ++tries) {
                const int fault = SendChunk(loader, chunk, n);
                if (fault == 1)
                    return L"[9][2]";
                if (fault == 2)
                    return L"[10][2]";
                HidCommandFrame check;
                PutCrcFrame(check, kHidCmdLoaderChunkCrc, Crc16(chunk, static_cast<int>(n)));
                checked = check.Send(loader);
            }
            if (!checked)
                return L"[10][3]";
            running = Crc16Continue(running, chunk, static_cast<int>(n));
            offset += n;
        }
        HidCommandFrame check;
        PutCrcFrame(check, kHidCmdLoaderTotalCrc, running);
        if (check.Send(loader))
            return L"";
        if (attempt >= kLoaderSectionRetries)
            return L"[10][3]";
    }
}

int LoaderLanguageNumber(const std::wstring& imagePath)
{
    const std::wstring name = ImageNameStem(imagePath);
    const std::wstring tail = name.substr(name.size() > 3 ? name.size() - 3 : 0);
    std::wstring code;
    if (tail.find(L'-') != std::wstring::npos) {
        code = name.substr(name.rfind(L'-') + 1);
    } else if (tail.find(L'_') != std::wstring::npos) {
        code = name.substr(name.rfind(L'_') + 1);
    } else {
        return 0;
    }
    return VoicePromptLanguageFromCode(code);
}

void LoaderUpdateThread(WorkerHost& host)
{
    LoaderWorker(host).Run();
}
