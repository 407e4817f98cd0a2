#include "firmware/DualChipWorker.h"

#include <atomic>
#include <cstdio>
#include <cstring>

#include <md5.h>

#include "device/FirmwareInfo.h"
#include "firmware/FirmwareBounds.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/FirmwareJob.h"
#include "firmware/FirmwareWait.h"
#include "firmware/ImageContainer.h"
#include "firmware/ImageWorkers.h"
#include "firmware/UpdateRoads.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "text/FirmwareTexts.h"
#include "text/StatusTexts.h"

namespace {

const int kDualChipInterfaces[] = {kTwoChipProductIdA, kTwoChipProductIdB};

// The worker's own pair: slot 0 and 1 in the system's enumeration order, and
// the slot that answered the interface query last. Only the one running
// worker touches it.
struct DualChipPair {
    HidHandle slot[2] = {nullptr, nullptr};
    int control = 0;
};
DualChipPair g_pair;
std::atomic<bool> g_running{false};
std::atomic<DualChipSystemSeam*> g_installedSystem{nullptr};

constexpr int kBluetoothEntry = 0;
constexpr int kControllerEntry = 1;
constexpr std::size_t kDigestBlock = 1024;

bool IsDualChipInterface(const HidInterfaceInfo& info)
{
    return info.attributesKnown && info.vendorId == kMakerUsbVendorId &&
           (info.productId == kDualChipInterfaces[0] || info.productId == kDualChipInterfaces[1]) &&
           info.usagePage == kHidVendorUsagePage && info.usage == kHidVendorUsage;
}

bool SendSimple(HidHandle* channel, int command, unsigned char* replyFirstData = nullptr)
{
    HidCommandFrame frame;
    frame.Begin(command);
    const bool ok = frame.Send(channel);
    if (replyFirstData)
        *replyFirstData = ok ? frame.reply[kHidReplyFirstData] : 0;
    return ok;
}

void ClosePair()
{
    CloseHidHandle(&g_pair.slot[0]);
    CloseHidHandle(&g_pair.slot[1]);
}

// Both slots open, or given up after the bounded tries with none held.
bool ReopenPair()
{
    ClosePair();
    for (int attempt = 0; attempt < kDualChipReopenTries; ++attempt) {
        if (OpenDualChipHidHandles(&g_pair.slot[0], &g_pair.slot[1], 2))
            return true;
        ClosePair();
        if (attempt + 1 < kDualChipReopenTries)
            FirmwareWait(kDualChipReopenPauseMs);
    }
    return false;
}

// The slot whose reply says it is the control interface; slot 1 wins when
// both say so, and neither leaves the last answer in place.
void QueryControlInterface()
{
    for (int slot = 0; slot < 2; ++slot) {
        unsigned char answer = 0;
        SendSimple(&g_pair.slot[slot], kHidCmdTwoChipReady, &answer);
        if (answer != 0)
            g_pair.control = slot;
    }
}

class DualChipRun {
public:
    explicit DualChipRun(WorkerHost& host) : m_host(host), m_job(host.Job()), m_system(GetDualChipSystemSeam()) {}

    void Run()
    {
        if (!LoadAndCheck())
            return;
        SetJobState(m_job, kJobImageVerified);
        if (m_host.Page() == 3) {
            const int page = m_host.Page();
            const int usb = m_host.UsbStatus();
            BackUpSettingsBeforeTransfer(
                m_host, FillLanguageTexts(L"%s %s[9]",
                                          {[page, usb](int language) { return GetTextInProgress(page, usb, language); },
                                           GetTextAboutToMakeBackup}));
        }
        StartTransferReport(m_host);
        if (!WriteWorkFiles())
            return;
        std::wstring folder;
        if (!m_system.ProgramFolder(folder))
            return Fail(15, Corrupted, false);
        SetJobState(m_job, kJobTransferring);
        if (!ReopenPair())
            return Fail(16, Status, true);
        if (Abandoned())
            return;
        if (!ProgramController())
            return;
        if (Abandoned())
            return;
        SendBluetoothImageAndFinish();
    }

private:
    static std::wstring Corrupted(int language) { return GetTextFirmwareCorrupted(language); }
    static std::wstring Status(int language) { return GetTextCannotGetStatus(language); }

    void Fail(int tag, std::wstring (*reason)(int), bool deleteWorkFiles)
    {
        if (deleteWorkFiles)
            DeleteWorkFiles();
        m_image = LoadedImage();
        EndJobWithFailure(m_job,
                          FailureTexts(m_host.Page(), m_host.UsbStatus(), reason, L"[" + std::to_wstring(tag) + L"]"));
    }

    // The progress timer gave the job up while the worker still ran: it
    // leaves without a word, and leaves no work file behind.
    bool Abandoned()
    {
        if (m_job.Lock()->m_finished == 0)
            return false;
        DeleteWorkFiles();
        m_image = LoadedImage();
        return true;
    }

    bool LoadAndCheck()
    {
        m_image = LoadJobImage(m_job, ImageCheckOptionsForModel(m_host.ModelCode()));
        switch (m_image.check.fault) {
        case ImageCheckFault::kNone: return true;
        case ImageCheckFault::kCannotOpen: Fail(2, Corrupted, false); break;
        case ImageCheckFault::kTooShort: Fail(3, Corrupted, false); break;
        case ImageCheckFault::kNoMemory: Fail(4, Corrupted, false); break;
        case ImageCheckFault::kWrongModel: Fail(6, Corrupted, false); break;
        case ImageCheckFault::kDigestMismatch: Fail(8, Corrupted, false); break;
        // A package without both images is refused with the bounds check,
        // before any work file is written.
        case ImageCheckFault::kTableOutsideFile:
        case ImageCheckFault::kTooFewSections:
        case ImageCheckFault::kSectionOutsideFile: Fail(7, Corrupted, false); break;
        }
        return false;
    }

    const ImageSection& Entry(int index) const { return m_image.check.sections[static_cast<std::size_t>(index)]; }

    // Both images on disk beside the program, each read back and checked; a
    // file that cannot be created is skipped (the flash loader then fails).
    bool WriteWorkFiles()
    {
        const wchar_t* const names[2] = {kDualChipBluetoothWorkFile, kDualChipControllerWorkFile};
        for (int entry = kBluetoothEntry; entry <= kControllerEntry; ++entry) {
            std::wstring folder;
            if (!m_system.ProgramFolder(folder)) {
                Fail(10, Corrupted, false);
                return false;
            }
            const std::wstring path = folder + names[entry];
            m_workFiles[entry] = path;
            // A file of an earlier run must never be taken for this one's.
            HostFileSystem().RemoveFile(path);
            const ImageSection& section = Entry(entry);
            std::FILE* file = OpenFirmwareFile(path, "wb");
            if (file == nullptr)
                continue;
            const std::size_t written = std::fwrite(m_image.Bytes() + section.offset, 1, section.length, file);
            std::fclose(file);
            if (written < section.length) {
                HostFileSystem().RemoveFile(path);
                Fail(11, Corrupted, false);
                return false;
            }
            int fault = FileMatchesSection(path, section);
            if (fault != 0) {
                if (fault != 12)
                    HostFileSystem().RemoveFile(path);
                Fail(fault, Corrupted, false);
                return false;
            }
        }
        return true;
    }

    // 0, or the tag of the check the file on disk failed.
    static int FileMatchesSection(const std::wstring& path, const ImageSection& section)
    {
        std::FILE* file = OpenFirmwareFile(path, "rb");
        if (file == nullptr)
            return 12;
        MD5_CTX context;
        MD5Init(&context);
        unsigned char block[kDigestBlock];
        std::size_t n;
        while ((n = std::fread(block, 1, sizeof block, file)) > 0)
            MD5Update(&context, block, n);
        std::fclose(file);
        unsigned char digest[kImageDigestSize];
        MD5Final(digest, &context);
        if (std::memcmp(digest, section.digest, kImageDigestSize) != 0)
            return 13;
        if (GetFileLength(path) != static_cast<long long>(section.length))
            return 14;
        return 0;
    }

    void DeleteWorkFiles()
    {
        for (const std::wstring& path : m_workFiles) {
            if (!path.empty())
                HostFileSystem().RemoveFile(path);
        }
    }

    // The microcontroller: the unit readied over HID, then the flash loader
    // on its COM port; false after a failure end or when the job was given up.
    bool ProgramController()
    {
        SendSimple(&g_pair.slot[0], kHidCmdTwoChipAfterVersion);
        FirmwareWait(kDualChipCommandPauseMs);
        SendSimple(&g_pair.slot[1], kHidCmdTwoChipAfterVersion);
        FirmwareWait(kDualChipCommandPauseMs);
        QueryControlInterface();
        if (!SendSimple(&g_pair.slot[g_pair.control], kHidCmdTwoChipStep3)) {
            Fail(21, Status, true);
            return false;
        }
        FirmwareWait(kDualChipLoaderPauseMs);
        std::wstring folder;
        if (!m_system.ProgramFolder(folder)) {
            Fail(22, Status, true);
            return false;
        }
        int port = -1;
        switch (m_system.LookUpComPort(port)) {
        case ComPortLookup::kFound: break;
        case ComPortLookup::kOpenFailed: Fail(24, Status, true); return false;
        case ComPortLookup::kQueryFailed: Fail(23, Status, true); return false;
        }
        m_host.SetSecondChipDone(0);
        const std::wstring log = m_system.RunFlashLoader(FlashLoaderCommandLine(folder, port));
        m_host.SetPageProgress(28);
        if (Abandoned())
            return false;
        if (!FlashLoaderSucceeded(log)) {
            Fail(25, Status, true);
            return false;
        }
        m_host.SetSecondChipDone(1);

        FirmwareWait(kDualChipLoaderPauseMs);
        ReopenPair();
        if (!SendSimple(&g_pair.slot[0], kHidCmdTwoChipAfterVersion)) {
            Fail(27, Status, true);
            return false;
        }
        FirmwareWait(kDualChipCommandPauseMs);
        if (!SendSimple(&g_pair.slot[1], kHidCmdTwoChipAfterVersion)) {
            Fail(28, Status, true);
            return false;
        }
        FirmwareWait(kDualChipCommandPauseMs);
        QueryControlInterface();
        SendSimple(&g_pair.slot[g_pair.control], kHidCmdTwoChipStep4);
        DeleteWorkFiles();
        FirmwareWait(kDualChipLoaderPauseMs);
        return true;
    }

    void SendBluetoothImageAndFinish()
    {
        const ImageSection& bluetooth = Entry(kBluetoothEntry);
        for (HidHandle& slot : g_pair.slot) {
            const SectionFault fault = SendImageSection(&slot, static_cast<int>(bluetooth.id & 0xFF),
                                                        m_image.Bytes() + bluetooth.offset, bluetooth.length);
            if (fault != SectionFault::kNone) {
                static const int kTags[] = {0, 29, 30, 31, 32};
                return Fail(kTags[static_cast<int>(fault)], Status, true);
            }
            if (m_host.PageProgress() >= 75)
                m_host.SetPageProgress(75);
            if (Abandoned())
                return;
        }
        for (int slot = 0; slot < 2; ++slot) {
            HidCommandFrame finish;
            finish.Begin(kHidCmdFinish, 0);
            if (!finish.Send(&g_pair.slot[slot]))
                return Fail(slot == 0 ? 33 : 34, Status, true);
        }
        FirmwareWait(kDualChipFinishWaitMs);
        const bool back = ReopenPair();
        if (Abandoned())
            return;
        if (!back)
            return Fail(35, Status, true);
        SendSimple(&g_pair.slot[0], kHidCmdTwoChipAfterVersion);
        FirmwareWait(kDualChipCommandPauseMs);
        SendSimple(&g_pair.slot[1], kHidCmdTwoChipAfterVersion);
        FirmwareWait(kDualChipCommandPauseMs);
        m_host.SetPageProgress(88);
        m_image = LoadedImage();
        // The unit's return and the job's end belong to the wait timer.
        m_host.ArmWaitTimer();
    }

    WorkerHost& m_host;
    FirmwareJob& m_job;
    DualChipSystemSeam& m_system;
    LoadedImage m_image;
    std::wstring m_workFiles[2];
};

} // namespace

int FindDualChipHidPaths(std::wstring* firstPath, std::wstring* secondPath, int maxCount)
{
    int found = 0;
    for (const HidInterfaceInfo& info : GetHidDeviceSeam().EnumerateInterfaces()) {
        if (found >= maxCount)
            break;
        if (!IsDualChipInterface(info))
            continue;
        std::wstring* target = found == 0 ? firstPath : found == 1 ? secondPath : nullptr;
        if (target)
            *target = info.path;
        ++found;
    }
    return found;
}

bool OpenDualChipHidHandles(HidHandle* first, HidHandle* second, int count)
{
    *first = nullptr;
    *second = nullptr;
    std::wstring paths[2];
    if (FindDualChipHidPaths(&paths[0], &paths[1], count) < count)
        return false;
    *first = GetHidDeviceSeam().Open(paths[0]);
    if (count == 2)
        *second = GetHidDeviceSeam().Open(paths[1]);
    return *first != nullptr && (count != 2 || *second != nullptr);
}

DualChipSystemSeam& GetDualChipSystemSeam()
{
    DualChipSystemSeam* installed = g_installedSystem.load();
    return installed ? *installed : PlatformDualChipSystemSeam();
}

void SetDualChipSystemSeam(DualChipSystemSeam* seam)
{
    g_installedSystem = seam;
}

void DualChipUpdateThread(WorkerHost& host)
{
    // Also a run that throws lets the next two-chip update have the pair.
    struct Running {
        Running() { g_running = true; }
        ~Running() { g_running = false; }
    } running;
    // The mark is 0 at the start of every job, whatever the last one left.
    host.SetSecondChipDone(0);
    DualChipRun(host).Run();
}

bool DualChipWorkerRunning()
{
    return g_running.load();
}

void ResetDualChipPairForTests()
{
    ClosePair();
    g_pair.control = 0;
}

int DualChipControlIndex()
{
    return g_pair.control;
}
