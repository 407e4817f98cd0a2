#include "firmware/CameraWorker.h"

#include <algorithm>
#include <cstring>

#include <md5.h>

#include "device/FirmwareInfo.h"
#include "device/VersionCompare.h"
#include "firmware/CameraDriveSeam.h"
#include "firmware/CameraWorkerRules.h"
#include "firmware/FirmwareBounds.h"
#include "firmware/FirmwareJob.h"
#include "firmware/FirmwareWait.h"
#include "firmware/ImageContainer.h"
#include "firmware/JobTexts.h"
#include "firmware/UpdateRoads.h"
#include "link/HidChannel.h"
#include "text/FirmwareTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

namespace {

constexpr int kDriveLetters = 26;
constexpr std::size_t kCameraSection = 2;
constexpr std::size_t kCameraHidSections = 2;

enum class PollOutcome { kFailed, kOffered, kWithdrawn };
enum class Act { kSleep, kDone, kSend };

struct Reaction {
    Act act;
    int pauseMs; // before the next poll (kSleep) or before the command (kSend)
};

// One wait for the camera's card: each poll's outcome decides whether to
// sleep and poll again, to take the wait as done, or to send the phase's
// command (which ends the wait either way).
struct PollPlan {
    int attempts;
    int command;
    Reaction failed;
    Reaction failedAtIndex; // the failed poll at kCameraFailedPollIndex
    Reaction offered;
    Reaction withdrawn;
};

struct WaitEnd {
    bool done = false;
    bool sent = false;                        // the wait ended with its command
    PollOutcome after = PollOutcome::kFailed; // the poll before the command
};

constexpr Reaction kSleepPoll = {Act::kSleep, kCameraPollPauseMs};
constexpr Reaction kSleepState = {Act::kSleep, kCameraStatePauseMs};
constexpr Reaction kDone = {Act::kDone, 0};
constexpr Reaction kSendNow = {Act::kSend, 0};

// clang-format off
constexpr PollPlan kWaitForDrive     = {kCameraPollAttempts, 0,                   kSleepPoll,  kDone,    kDone,       kSleepState};
constexpr PollPlan kReleaseOffered   = {kCameraPollAttempts, kHidCmdCameraStep2, kSleepPoll,  kSendNow, kSendNow,    kSleepState};
constexpr PollPlan kRequestWithdrawn = {kCameraPollAttempts, kHidCmdCameraStep1, kSleepPoll,  kSendNow, kSleepState, kSendNow};
constexpr PollPlan kExtraRelease     = {kCameraExtraReleaseAttempts, kHidCmdCameraStep2, kSleepState, kSleepState, kSleepState, kSendNow};
constexpr PollPlan kExtraRequest     = {kCameraPollAttempts, kHidCmdCameraStep1, kSleepState, kSleepState, kSleepState, {Act::kSend, kCameraExtraRequestPauseMs}};
constexpr PollPlan kWaitWithdrawn    = {kCameraPollAttempts, 0,                   kSleepPoll,  kDone,    kSleepState, kDone};
// clang-format on

bool SendCameraCommand(HidHandle* primary, int command)
{
    HidCommandFrame frame;
    frame.Begin(command);
    return frame.Send(primary);
}

PollOutcome PollDrive(HidHandle* primary)
{
    HidCommandFrame frame;
    frame.Begin(kHidCmdCameraReady);
    if (!frame.Send(primary))
        return PollOutcome::kFailed;
    return frame.reply[kHidReplyFirstData] != 0 ? PollOutcome::kOffered : PollOutcome::kWithdrawn;
}

WaitEnd WaitForCamera(HidHandle* primary, const PollPlan& plan)
{
    WaitEnd end;
    for (int index = 0; index < plan.attempts; ++index) {
        const PollOutcome outcome = PollDrive(primary);
        const Reaction& reaction = outcome == PollOutcome::kOffered     ? plan.offered
                                   : outcome == PollOutcome::kWithdrawn ? plan.withdrawn
                                   : index == kCameraFailedPollIndex    ? plan.failedAtIndex
                                                                        : plan.failed;
        if (reaction.act == Act::kSleep) {
            FirmwareWait(reaction.pauseMs);
            continue;
        }
        if (reaction.act == Act::kSend) {
            if (reaction.pauseMs > 0)
                FirmwareWait(reaction.pauseMs);
            end.sent = true;
            end.after = outcome;
            end.done = SendCameraCommand(primary, plan.command);
            return end;
        }
        end.done = true;
        return end;
    }
    return end;
}

class CameraDriveStep {
public:
    CameraDriveStep(WorkerHost& host, const ImageSection& camera, const std::uint8_t* data)
        : m_host(host), m_drives(GetCameraDriveSeam()), m_camera(camera), m_data(data),
          m_names(FindCameraDriveNames(host.ModelCode()))
    {}

    bool Run()
    {
        HidHandle* primary = m_host.Primary();
        if (!SendCameraCommand(primary, kHidCmdCameraStep1))
            return Fail(L"[1][0]");
        if (!WaitForCamera(primary, kWaitForDrive).done)
            return Fail(L"[4][1]");
        FirmwareWait(kCameraDriveSettleMs);
        bool sameVersion = false;
        if (!FindCard(sameVersion))
            return FailWithoutCard();
        FirmwareWait(kCameraAfterSearchMs);
        if (sameVersion) {
            const WaitEnd release = WaitForCamera(primary, kReleaseOffered);
            if (!release.done)
                return Fail(release.sent ? L"[3][2]" : L"[4][2]");
            FirmwareWait(kCameraDriveSettleMs);
            return true;
        }
        if (!CopyToCard())
            return false;
        return HandOverAndCheck(primary);
    }

private:
    std::wstring VersionFile(const std::wstring& root) const { return root + m_names->versionFile; }

    // A present removable drive holding the camera's version file.
    bool IsCard(unsigned drives, int letter, std::wstring& root)
    {
        if ((drives & (1u << letter)) == 0)
            return false;
        root = DriveRoot(letter);
        return m_drives.IsRemovable(root) && m_drives.Exists(VersionFile(root));
    }

    // The camera's version on the card: false when the file cannot be read.
    bool ReadsPackageVersion(const std::wstring& root, bool& same)
    {
        std::wstring text;
        if (!m_drives.ReadJoinedLines(VersionFile(root), text))
            return false;
        int major = 0, minor = 0;
        ReadCameraVersion(text, major, minor);
        same = CompareVersion2(major, minor, static_cast<int>(m_camera.versionMajor),
                               static_cast<int>(m_camera.versionMinor)) == 0;
        return true;
    }

    bool FindCard(bool& sameVersion)
    {
        for (int pass = 0; pass < kCameraSearchPasses; ++pass) {
            const unsigned drives = m_drives.LogicalDrives();
            for (int letter = 0; letter < kDriveLetters; ++letter) {
                std::wstring root;
                if (!IsCard(drives, letter, root))
                    continue;
                // A temporary file of an interrupted run goes first.
                if (m_drives.Exists(root + m_names->temporaryName))
                    m_drives.Remove(root + m_names->temporaryName);
                ReadsPackageVersion(root, sameVersion);
                return true;
            }
            FirmwareWait(kCameraStatePauseMs);
        }
        return false;
    }

    void RemoveTarget()
    {
        if (!m_cardRoot.empty())
            m_drives.Remove(m_cardRoot + m_names->targetName);
    }

    bool CopyToCard()
    {
        const unsigned drives = m_drives.LogicalDrives();
        for (int letter = 0; letter < kDriveLetters; ++letter) {
            std::wstring root;
            if (!IsCard(drives, letter, root))
                continue;
            m_cardRoot = root;
            const std::wstring temporary = root + m_names->temporaryName;
            const std::wstring target = root + m_names->targetName;
            switch (m_drives.WriteNew(temporary, m_data + m_camera.offset, m_camera.length)) {
            case CameraDriveSeam::WriteResult::kNotCreated: return true; // the camera is asked to install anyway
            case CameraDriveSeam::WriteResult::kShort: m_drives.Remove(temporary); return Fail(L"[2][0]");
            case CameraDriveSeam::WriteResult::kWritten: break;
            }
            if (!m_drives.Rename(temporary, target)) {
                m_drives.Remove(temporary);
                m_drives.Remove(target);
                return Fail(L"[2][1]", GetTextCameraUpdateFailed);
            }
            std::vector<std::uint8_t> written;
            if (!m_drives.ReadBytes(target, written))
                return Fail(L"[2][9]");
            std::uint8_t digest[kImageDigestSize];
            MD5_CTX context;
            MD5Init(&context);
            MD5Update(&context, written.data(), written.size());
            MD5Final(digest, &context);
            if (std::memcmp(digest, m_camera.digest, kImageDigestSize) != 0) {
                m_drives.Remove(temporary);
                m_drives.Remove(target);
                return Fail(L"[2][10]");
            }
            if (m_drives.FileSize(target) != static_cast<long long>(m_camera.length)) {
                m_drives.Remove(target);
                return Fail(L"[2][4]");
            }
            return true;
        }
        return true;
    }

    // The card back to the camera, which installs from it, then the card
    // offered again with the camera's new version, and withdrawn at the end.
    bool HandOverAndCheck(HidHandle* primary)
    {
        FirmwareWait(kCameraBeforeReleaseMs);
        const WaitEnd release = WaitForCamera(primary, kReleaseOffered);
        if (!release.done)
            return FailRemovingTarget(!release.sent                           ? L"[4][2]"
                                      : release.after == PollOutcome::kFailed ? L"[3][2]"
                                                                              : L"[0][0]");
        FirmwareWait(kCameraBeforeReleaseMs);
        const WaitEnd request = WaitForCamera(primary, kRequestWithdrawn);
        if (!request.done)
            return FailRemovingTarget(!request.sent                           ? L"[4][3]"
                                      : request.after == PollOutcome::kFailed ? L"[1][1]"
                                                                              : L"[3][3]");
        FirmwareWait(kCameraInstallWaitMs);
        if (NeedsExtraCameraCycle(m_host.ModelCode())) {
            FirmwareWait(kCameraExtraCycleWaitMs);
            const WaitEnd again = WaitForCamera(primary, kExtraRelease);
            if (!again.done)
                return FailRemovingTarget(again.sent ? L"[5][0]" : L"[5][1]");
            FirmwareWait(kCameraDriveSettleMs);
            const WaitEnd back = WaitForCamera(primary, kExtraRequest);
            if (!back.done)
                return FailRemovingTarget(back.sent ? L"[5][2]" : L"[5][3]");
            FirmwareWait(kCameraDriveSettleMs);
        }
        bool read = false;
        bool released = false;
        for (int pass = 0; pass < kCameraVersionPasses && !read; ++pass) {
            const unsigned drives = m_drives.LogicalDrives();
            for (int letter = 0; letter < kDriveLetters; ++letter) {
                std::wstring root;
                if (!IsCard(drives, letter, root))
                    continue;
                FirmwareWait(kCameraBeforeVersionReadMs);
                bool same = false;
                read = ReadsPackageVersion(root, same);
                if (read && !same)
                    return Fail(L"[2][2]", GetTextCameraUpdateFailed);
                if (read) {
                    FirmwareWait(kCameraBeforeFinalReleaseMs);
                    const WaitEnd last = WaitForCamera(primary, kReleaseOffered);
                    if (last.sent && !last.done)
                        return Fail(last.after == PollOutcome::kFailed ? L"[3][2]" : L"[3][4]");
                    released = last.done;
                }
                break;
            }
            if (!read)
                FirmwareWait(kCameraStatePauseMs);
        }
        if (!read)
            return Fail(L"[2][3]", GetTextCameraUpdateFailed);
        if (!released)
            return Fail(L"[4][4]");
        FirmwareWait(kCameraAfterSearchMs);
        if (!WaitForCamera(primary, kWaitWithdrawn).done)
            return Fail(L"[4][5]");
        return true;
    }

    bool Fail(const std::wstring& tag, const TextInLanguage& reason = GetTextCannotGetStatus)
    {
        const int page = m_host.Page();
        const int usb = m_host.UsbStatus();
        EndJobWithFailure(m_host.Job(),
                          FillLanguageTexts(L"%s. %s " + tag + L". %s.",
                                            {[page, usb](int language) { return GetTextFailure(page, usb, language); },
                                             reason, GetTextTryAgain}));
        return false;
    }
    bool FailRemovingTarget(const std::wstring& tag)
    {
        RemoveTarget();
        return Fail(tag);
    }
    bool FailWithoutCard()
    {
        EndJobWithFailure(m_host.Job(), FailureTexts(m_host.Page(), m_host.UsbStatus(), GetTextCheckSdCard));
        return false;
    }

    WorkerHost& m_host;
    CameraDriveSeam& m_drives;
    const ImageSection& m_camera;
    const std::uint8_t* m_data;
    const CameraDriveNames* m_names;
    std::wstring m_cardRoot; // the card the copy found
};

class CameraWorker {
public:
    explicit CameraWorker(WorkerHost& host) : m_host(host), m_job(host.Job()) {}

    void Run()
    {
        const int model = m_host.ModelCode();
        m_image = LoadJobImage(m_job, ImageCheckOptionsForModel(model));
        if (!m_image.check.Passed())
            return End(FirmwareCorruptedTexts(m_host.Page(), m_host.UsbStatus()));
        SetJobState(m_job, kJobImageVerified);
        if (m_host.Page() == 3)
            BackUpSettingsBeforeTransfer(m_host,
                                         ActivityTexts(m_host.Page(), m_host.UsbStatus(), GetTextAboutToMakeBackup));
        StartTransferReport(m_host);
        SetJobState(m_job, kJobTransferring);
        const std::vector<ImageSection>& sections = m_image.check.sections;
        std::size_t sectionsOverHid = sections.size();
        if (HasCameraDrive(model)) {
            if (!CopyCameraFirmwareToCard(m_host, sections[kCameraSection], m_image.Bytes())) {
                m_image = LoadedImage();
                return;
            }
            sectionsOverHid = std::min(sectionsOverHid, kCameraHidSections);
        }
        bool sentType0 = false;
        for (std::size_t i = 0; i < sectionsOverHid; ++i) {
            const ImageSection& section = sections[i];
            const bool primary = section.type == 0 || section.type == 2;
            sentType0 = sentType0 || section.type == 0;
            if (SendImageSection(primary ? m_host.Primary() : m_host.Secondary(), static_cast<int>(section.id & 0xFF),
                                 m_image.Bytes() + section.offset, section.length) != SectionFault::kNone)
                return FailStatus();
        }
        const bool direct = FinishesDirectly(model);
        if (direct) {
            if (sentType0 && !Finish())
                return FailStatus();
            FirmwareWait(kCameraDirectFinishPauseMs);
        } else {
            SetHoldButtonFlag(m_job, 1);
            if (!WaitUntilUnitReady(m_host.Primary()))
                return FailStatus();
            if (sentType0) {
                if (!Finish())
                    return FailStatus();
                SetHoldButtonFlag(m_job, 0);
            }
        }
        m_image = LoadedImage();
        FirmwareWait(kImageRestartWaitMs);
        {
            auto job = m_job.Lock();
            job->m_state = kJobFinished;
            job->m_waitFlag = direct ? 0 : 1;
        }
        m_host.ArmWaitTimer();
    }

private:
    void End(const LanguageTexts& texts)
    {
        m_image = LoadedImage();
        EndJobWithFailure(m_job, texts);
    }
    void FailStatus() { End(FailureTexts(m_host.Page(), m_host.UsbStatus(), GetTextCannotGetStatus)); }

    bool Finish()
    {
        HidCommandFrame frame;
        frame.Begin(kHidCmdFinish, 0);
        return frame.Send(m_host.Primary());
    }

    WorkerHost& m_host;
    FirmwareJob& m_job;
    LoadedImage m_image;
};

} // namespace

bool CopyCameraFirmwareToCard(WorkerHost& host, const ImageSection& camera, const std::uint8_t* data)
{
    if (FindCameraDriveNames(host.ModelCode()) == nullptr)
        return true;
    return CameraDriveStep(host, camera, data).Run();
}

void CameraFirmwareUpdateThread(WorkerHost& host)
{
    CameraWorker(host).Run();
}
