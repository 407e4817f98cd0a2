#include "firmware/UpdatePreparation.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <cwctype>

#include "device/VersionCompare.h"
#include "firmware/DfuRoadRules.h"
#include "firmware/DualChipWorker.h"
#include "firmware/FirmwareBounds.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/ImageHeaderCheck.h"
#include "firmware/LoaderUpdate.h"
#include "firmware/SettingsArchive.h"
#include "link/DeviceFinders.h"
#include "link/DfuEngineLibrary.h"
#include "link/DfuRoad.h"
#include "link/HidChannel.h"
#include "link/UsbHardwareId.h"
#include "standins/DFUEngine.h"
#include "text/FirmwareTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

namespace {

constexpr std::uint16_t kKeyUnitProduct = 675;
constexpr std::uint16_t kKeyVersion = 676;
constexpr std::uint16_t kKeyOldVersion = 659;
constexpr std::uint16_t kKeyAddress = 1;
constexpr int kUnitProductBytes = 2;
// A unit whose product key cannot be read is taken for the first DFU model.
constexpr int kUnreadableUnitProduct = 0x4D10;

std::wstring UpperPath(DfuLibraryAccess& library, const std::wstring& name)
{
    std::wstring path = library.PathInternal(name);
    std::transform(path.begin(), path.end(), path.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return path;
}

} // namespace

DeviceVersion ReadHidUnitVersion(HidHandle* channel)
{
    const LoaderVersion read = ReadLoaderVersion(channel);
    return DeviceVersion{read.major, read.minor, read.kind, read.build, 0};
}

bool SameUnitVersion(const DeviceVersion& read, const DeviceVersion& recorded)
{
    return CompareVersion4(read.major, read.minor, read.kind, read.build, recorded.major, recorded.minor, recorded.kind,
                           recorded.build, 0) == 0;
}

bool HidRoadVersionsMatch(UpdateRoad road, HidHandle* primary, HidHandle* secondary, HidHandle* foundPrimary,
                          const DeviceConfig& device)
{
    switch (road) {
    case UpdateRoad::kVersionedImage:
    case UpdateRoad::kDualChannelImage:
        return SameUnitVersion(ReadHidUnitVersion(primary), device.m_chipVersion1) &&
               SameUnitVersion(ReadHidUnitVersion(secondary), device.m_chipVersion2);
    case UpdateRoad::kLoader: return SameUnitVersion(ReadHidUnitVersion(foundPrimary), device.m_chipVersion1);
    case UpdateRoad::kCamera:
    case UpdateRoad::kRebootImage: return SameUnitVersion(ReadHidUnitVersion(primary), device.m_firmwareVersion);
    default: return true;
    }
}

std::wstring CheckDfuUnitsBeforeUpdate(DfuLibraryAccess& library, int modelCode, const DeviceConfig& device)
{
    for (const std::wstring& name : library.EnumerateDevices()) {
        const std::wstring path = UpperPath(library, name);
        int productId = 0;
        if (!IsDfuFamilyDevicePath(path, &productId))
            continue;
        if (!library.ConnectDevice(path))
            continue;
        std::uint8_t product[kUnitProductBytes] = {};
        const int unitProduct = library.GetKey(kKeyUnitProduct, product, kUnitProductBytes)
                                    ? (product[0] | (product[1] << 8))
                                    : kUnreadableUnitProduct;
        if (unitProduct != device.m_modelCode)
            return L"[9][3]";
        PsKeyValue version = {};
        PsKeyValue old = {};
        const bool versionRead = library.GetKey(kKeyVersion, version, kPsKeyBytes);
        const bool oldRead = library.GetKey(kKeyOldVersion, old, kPsKeyBytes);
        const DeviceVersion unit =
            ReadDfuUnitVersion(unitProduct, versionRead ? &version : nullptr, oldRead ? &old : nullptr);
        if (device.CompareFullVersion(unit.major, unit.minor, unit.kind, unit.build) != 0)
            return L"[9][4]";
        // The unit takes these or not; the update goes on either way.
        for (const PsKeyWrite& write : DfuKeyWritesBeforeUpdate(modelCode, device))
            library.SetKey(static_cast<std::uint16_t>(write.key), write.bytes.data(),
                           static_cast<int>(write.bytes.size()));
    }
    return std::wstring();
}

bool ReadFirstFamilyUnitAddress(DfuLibraryAccess& library, std::uint8_t (&key)[kUnitAddressKeyBytes])
{
    for (const std::wstring& name : library.EnumerateDevices()) {
        int productId = 0;
        const std::wstring path = UpperPath(library, name);
        if (!IsDfuFamilyDevicePath(path, &productId))
            continue;
        // Only the first family unit is ever asked.
        return library.ConnectDevice(path) && library.GetKey(kKeyAddress, key, kUnitAddressKeyBytes);
    }
    return false;
}

// ---------------------------------------------------------------- the preparation

namespace {

constexpr int kCameraPackageModel = 0x3020;
constexpr int kTwoChipDfuModel = 0x5310;
constexpr int kDfuModeFirstId = 0x8000;

// A new file with the bytes; an old one of the name goes first, so a file
// that cannot be written leaves none behind.
void WriteWorkFile(const std::wstring& path, const std::uint8_t* bytes, std::size_t length)
{
    HostFileSystem().RemoveFile(path);
    std::FILE* file = OpenFirmwareFile(path, "wb");
    if (!file)
        return;
    const bool written = std::fwrite(bytes, 1, length, file) == length;
    if (std::fclose(file) != 0 || !written)
        HostFileSystem().RemoveFile(path);
}

class Preparation {
public:
    Preparation(JobContext& context, bool secondPhase, PreparationHost& host)
        : m_context(context), m_secondPhase(secondPhase), m_host(host)
    {}

    PreparationOutcome Run(const std::wstring& imagePath)
    {
        m_outcome.road = FindUpdateRoad(m_context.modelCode).road;
        m_outcome.imagePath = imagePath;
        if (m_outcome.road == UpdateRoad::kDfu)
            PrepareDfuRoad();
        else
            PrepareHidRoad();
        return m_outcome;
    }

private:
    void Fail(const std::wstring& tag, const TextInLanguage& reason, int failed = 1)
    {
        m_outcome.end = PreparationEnd::kFailed;
        m_outcome.failed = failed;
        m_outcome.tag = tag;
        m_outcome.texts = FailureTexts(m_context.page, m_context.usbStatus, reason, tag);
    }
    // The second phase writes its failures without error-site tags.
    std::wstring Tag(const wchar_t* tag) const { return m_secondPhase ? std::wstring() : std::wstring(tag); }

    void PrepareHidRoad();
    void PrepareDfuRoad();
    bool RebootIntoDfuMode();
    bool CheckDfuImage();

    JobContext& m_context;
    const bool m_secondPhase;
    PreparationHost& m_host;
    PreparationOutcome m_outcome;
    bool m_rebooted = false; // the preparation itself rebooted the unit into DFU mode
};

void Preparation::PrepareHidRoad()
{
    const UpdateRoad road = m_outcome.road;
    const DeviceConfig& device = m_context.device;
    switch (road) {
    case UpdateRoad::kDualChip: {
        // A worker the watchdog gave up on may still hold the pair: a second
        // one never shares it.
        if (DualChipWorkerRunning())
            return Fail(L"[0]", GetTextNotRecognizedDevice);
        HidHandle pair[2] = {};
        DeviceVersion firmware, chip1, chip2;
        const int found = FindTwoChipDevice(&pair[0], &pair[1], firmware, chip1, chip2);
        CloseHidHandle(&pair[0]);
        CloseHidHandle(&pair[1]);
        if (!found)
            return Fail(L"[0]", GetTextNotRecognizedDevice);
        // Asked, as the unit expects; the answers gate nothing.
        ReadHidUnitVersion(&m_context.primary);
        ReadHidUnitVersion(&m_context.secondary);
        break;
    }
    case UpdateRoad::kRebootImage: {
        HidCommandFrame reboot;
        reboot.Begin(kHidCmdLeaveAndReturn);
        reboot.Send(&m_context.primary);
        CloseHidHandle(&m_context.primary);
        CloseHidHandle(&m_context.secondary);
        m_host.Wait(kHidRebootWaitMs);
        if (!FindHidPairDevice(&m_context.primary, &m_context.secondary) ||
            !HidRoadVersionsMatch(road, &m_context.primary, &m_context.secondary, nullptr, device))
            return Fail(L"", GetTextNotRecognizedDevice);
        break;
    }
    default: {
        // Every HID model shows as the 0x2030/0x2040 pair: a complete pair is
        // the target's, and the channel versions tell another unit apart.
        HidHandle pair[2] = {};
        const int found = FindHidPairDevice(&pair[0], &pair[1]);
        const bool matches =
            found && HidRoadVersionsMatch(road, &m_context.primary, &m_context.secondary, &pair[0], device);
        CloseHidHandle(&pair[0]);
        CloseHidHandle(&pair[1]);
        if (!matches)
            return Fail(L"", GetTextNotRecognizedDevice);
        break;
    }
    }
    m_outcome.end = PreparationEnd::kStartWorker;
}

// The reboot-into-DFU step of three models; false after a failure.
bool Preparation::RebootIntoDfuMode()
{
    if (m_context.usbStatus >= kDfuModeFirstId) {
        m_host.Wait(kDfuModeSettleMs);
        return true;
    }
    if (!FindHidPairDevice(&m_context.primary, &m_context.secondary) ||
        !SameUnitVersion(ReadHidUnitVersion(&m_context.primary), m_context.device.m_firmwareVersion)) {
        Fail(L"", GetTextNotRecognizedDevice);
        return false;
    }
    HidCommandFrame reboot;
    reboot.Begin(kHidCmdLeaveAndReturn);
    reboot.Send(&m_context.primary);
    for (int wait : kDfuRebootWaitsMs)
        m_host.Wait(wait);
    m_context.usbStatus = DfuModeUsbStatus(m_context.usbStatus);
    m_host.Wait(kDfuRebootSettleMs);
    m_rebooted = true;
    return true;
}

// The image checks of the DFU road (the camera's package unpacked first);
// false after a failure.
bool Preparation::CheckDfuImage()
{
    const int model = m_context.modelCode;
    const bool camera = model == kCameraPackageModel;
    if (camera) {
        LoadedImage package = LoadImageContainer(m_outcome.imagePath, ImageCheckOptionsForModel(model));
        std::wstring folder;
        if (!package.check.Passed() || package.check.sections.size() < 2 ||
            !ProgramImageFolder(m_context.programPath, folder)) {
            Fail(L"", GetTextFirmwareCorrupted);
            return false;
        }
        const ImageSection& bluetooth = package.check.sections[0];
        const ImageSection& firmware = package.check.sections[1];
        WriteWorkFile(folder + kCameraPackageBluetoothFile, package.Bytes() + bluetooth.offset, bluetooth.length);
        WriteWorkFile(folder + kCameraPackageFirmwareFile, package.Bytes() + firmware.offset, firmware.length);
        m_outcome.imagePath = folder + kCameraPackageBluetoothFile;
    }
    if (!DFUEngine::IsDFUFileValid(m_outcome.imagePath.c_str())) {
        Fail(camera ? std::wstring() : Tag(L"[9][5]"), GetTextCannotGetStatus);
        return false;
    }
    int accepted = 0;
    if (model == kPartnerConversionTarget) {
        DfuEngineLibrary library;
        accepted = CheckImageHeaderFile(m_outcome.imagePath, m_context.device.m_modelCode, model, &library);
    } else {
        accepted = CheckImageHeaderFile(m_outcome.imagePath, m_context.device.m_modelCode, model, nullptr);
    }
    if (!accepted) {
        Fail(camera ? std::wstring() : Tag(L"[9][6]"),
             [model](int language) { return GetTextFirmwareNotForModel(model, language); });
        return false;
    }
    return true;
}

void Preparation::PrepareDfuRoad()
{
    const int model = m_context.modelCode;
    if (!m_secondPhase && RebootsIntoDfu(model) && !RebootIntoDfuMode())
        return;

    int ids[2] = {};
    const int count = m_host.ScanDfuUnits(ids);
    if (!DfuUsbCheckPasses(model, m_context.usbStatus, m_rebooted, count, ids))
        return Fail(Tag(model == kTwoChipDfuModel ? L"[9][1]" : L"[9][2]"), GetTextNotRecognizedDevice, 2);
    const int usb = m_context.usbStatus;
    if (usb > 0 && usb < kDfuModeFirstId) {
        std::wstring mismatch;
        {
            DfuEngineLibrary library;
            mismatch = CheckDfuUnitsBeforeUpdate(library, model, m_context.device);
        }
        if (!mismatch.empty())
            return Fail(Tag(mismatch.c_str()), GetTextNotRecognizedDevice, 2);
    }
    if (!CheckDfuImage())
        return;

    // A restore writes no archive; a failed one does not stop the DFU road.
    const int page = m_context.page;
    if (page == 3 && usb < kDfuModeFirstId && !m_secondPhase) {
        std::wstring path;
        if (SettingsArchivePath(m_context.programPath, model, path))
            WriteSettingsArchive(HostFileSystem(), path, m_context.device,
                                 static_cast<std::int64_t>(std::time(nullptr)));
    }
    m_outcome.end = PreparationEnd::kStartDfu;
    m_outcome.failed = 0;
    m_outcome.texts =
        FillLanguageTexts(L"%s", {[page, usb](int language) { return GetTextInProgress(page, usb, language); }});
}

} // namespace

PreparationOutcome PrepareFirmwareJob(JobContext& context, const std::wstring& imagePath, bool secondPhase,
                                      PreparationHost& host)
{
    return Preparation(context, secondPhase, host).Run(imagePath);
}
