// The preparation of an update as one value, road by road: the units on the
// simulated HID bus and behind the DFU library stand-in, the image and the
// archive on disk, and the USB scan and the waits through the preparation's
// host. Each case holds the outcome against the rules of its road.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <functional>
#include <string>
#include <vector>

#include "device/ModelCatalogue.h"
#include "firmware/DualChipWorker.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/ImageHeaderCheck.h"
#include "firmware/UpdatePreparation.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "link/UsbHardwareId.h"
#include "sim/SimDfuChip.h"
#include "sim/SimHeadset.h"
#include "tests/firmware/DualChipRig.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/TempFiles.h"
#include "text/FirmwareTexts.h"

namespace {

// The USB scan over the simulated DFU chip's devices, read as the system's
// scan reads hardware ids; the waits are kept, not waited.
class SimPreparationHost final : public PreparationHost {
public:
    explicit SimPreparationHost(SimDfuChip& chip) : m_chip(chip) {}
    std::vector<int> waits;

    int ScanDfuUnits(int (&ids)[2]) override
    {
        int count = 0;
        for (int i = 0; i < m_chip.DeviceCount(); ++i) {
            const std::wstring wide = m_chip.DeviceAt(i).UsbHardwareId();
            std::string bytes(wide.begin(), wide.end());
            bytes.push_back('\0');
            CountDfuFamilyDevice(bytes.data(), bytes.size(), ids, 2, &count);
        }
        return count;
    }
    void Wait(int milliseconds) override { waits.push_back(milliseconds); }

private:
    SimDfuChip& m_chip;
};

std::vector<std::uint8_t> DfuImageFor(int model, std::size_t size = 1700)
{
    std::vector<std::uint8_t> bytes(size, ' ');
    const std::wstring text = ExpectedHeaderText(GetModelName(model, 1), model);
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes[16 + i] = static_cast<std::uint8_t>(text[i]);
    return bytes;
}

// One preparation: the units, the image, the main window's values.
struct Scene {
    Scene()
    {
        hid.Install();
        chip.Attach();
        context.page = 3;
        // The image folder and the archive lie in the test's folder: the
        // program's folder is read up to the path's last backslash, which on
        // a POSIX host makes the rest of each path a file name.
        context.programPath = folder.File(L"x");
        context.programPath.pop_back();
        context.programPath += L"\\QuorDeviceManager.exe";
        std::filesystem::create_directories(std::filesystem::path(folder.File(L"IMG")));
        for (DeviceVersion* version :
             {&context.device.m_firmwareVersion, &context.device.m_chipVersion1, &context.device.m_chipVersion2})
            *version = DeviceVersion{1, 0, 0, 0, 0};
    }
    ~Scene()
    {
        chip.Detach();
        CloseHidHandle(&context.primary);
        CloseHidHandle(&context.secondary);
    }

    // The HID update pair with the record's versions, open in the main window.
    SimHeadset::Pair AddPair()
    {
        SimHeadset::Pair pair = hid.AddHidPairUnit();
        for (SimHidInterface* channel : {pair.primary, pair.secondary}) {
            for (unsigned char& part : channel->version)
                part = 0;
            channel->version[0] = 1;
        }
        context.primary = OpenHidInterface(kHidPairPrimaryProductId);
        context.secondary = OpenHidInterface(kHidPairSecondaryProductId);
        return pair;
    }
    // A DFU-family unit answering as the record's model at 1.0 in normal mode.
    SimDfuDevice& AddDfuUnit(int productId)
    {
        SimDfuDevice& unit = chip.AddDevice(productId);
        const int model = context.device.m_modelCode;
        unit.keys[675] = {static_cast<unsigned char>(model & 0xFF), static_cast<unsigned char>(model >> 8)};
        unit.keys[676] = {10, 0, 0, 0};
        return unit;
    }
    void UseDfuImage(int headerModel)
    {
        image = folder.Write(L"fw.dfu", DfuImageFor(headerModel));
        chip.validImages.insert(image);
    }
    std::wstring ImageFolderFile(const wchar_t* name) const
    {
        std::wstring imageFolder;
        ProgramImageFolder(context.programPath, imageFolder);
        return imageFolder + name;
    }
    bool ArchiveWritten() const
    {
        std::wstring path;
        SettingsArchivePathOf(path);
        std::FILE* file = OpenFirmwareFile(path, "rb");
        if (file)
            std::fclose(file);
        return file != nullptr;
    }
    void SettingsArchivePathOf(std::wstring& path) const
    {
        path = ImageFolderFile((GetModelName(context.modelCode, 1) + L".hvlxarch").c_str());
    }
    // The persistent-store keys written, in order.
    std::vector<int> WrittenKeys() const
    {
        std::vector<int> keys;
        for (const SimDfuKeyAccess& access : chip.Log()) {
            if (access.set)
                keys.push_back(access.key);
        }
        return keys;
    }
    std::vector<int> HidCommands(int productId) const
    {
        std::vector<int> commands;
        for (const auto& request : hid.Requests(productId))
            commands.push_back(request[1]);
        return commands;
    }

    TempFolder folder;
    SimHeadset hid;
    SimDfuChip chip;
    SimPreparationHost host{chip};
    JobContext context;
    std::wstring image;
};

struct PreparationCase {
    const char* what;
    int model;
    int usbStatus;
    std::function<void(Scene&)> arrange;
    PreparationEnd end;
    std::wstring text; // English texts of the outcome
    int failed;        // the failure's flag; 0 for a start
    bool archived;
    std::vector<int> waits;
    int usbAfter; // the main window's USB status as the preparation leaves it
    bool secondPhase = false;
};

const wchar_t kNotRecognised[] = L"Failed to update firmware. Not the recognized device";

void ExpectCase(const PreparationCase& c)
{
    SCOPED_TRACE(c.what);
    Scene scene;
    scene.context.modelCode = c.model;
    scene.context.usbStatus = c.usbStatus;
    scene.context.device.m_modelCode = c.model;
    c.arrange(scene);
    const PreparationOutcome outcome = PrepareFirmwareJob(scene.context, scene.image, c.secondPhase, scene.host);
    EXPECT_EQ(static_cast<int>(c.end), static_cast<int>(outcome.end));
    EXPECT_EQ(c.text, outcome.texts[0]);
    EXPECT_EQ(c.failed, outcome.failed);
    EXPECT_EQ(c.archived, scene.ArchiveWritten());
    EXPECT_EQ(c.waits, scene.host.waits);
    EXPECT_EQ(c.usbAfter, scene.context.usbStatus);
    if (outcome.end == PreparationEnd::kStartWorker) {
        EXPECT_EQ(FindUpdateRoad(c.model).road, outcome.road);
    }
}

// The HID roads that start a worker, and each of their refusals.
TEST(PreparationTable, HidRoads)
{
    const auto pair = [](Scene& s) { s.AddPair(); };
    const auto otherChipVersion = [](Scene& s) {
        s.AddPair();
        s.context.device.m_chipVersion2 = DeviceVersion{2, 0, 0, 0, 0};
    };
    const auto otherFirmware = [](Scene& s) {
        s.AddPair();
        s.context.device.m_firmwareVersion = DeviceVersion{1, 1, 0, 0, 0};
    };
    const auto twoChip = [](Scene& s) {
        s.hid.AddInterface(kTwoChipProductIdA);
        s.hid.AddInterface(kTwoChipProductIdB);
        s.context.primary = OpenHidInterface(kTwoChipProductIdA);
        s.context.secondary = OpenHidInterface(kTwoChipProductIdB);
    };
    const auto nothing = [](Scene&) {};
    // clang-format off
    const std::vector<PreparationCase> cases = {
        {"pair, road 1",                    0x4210, 0x2030, pair,             PreparationEnd::kStartWorker, L"", 1, false, {}, 0x2030},
        {"pair, road 2",                    0x2030, 0x2030, pair,             PreparationEnd::kStartWorker, L"", 1, false, {}, 0x2030},
        {"pair, road 2, a chip differs",    0x4310, 0x2030, otherChipVersion, PreparationEnd::kFailed, kNotRecognised, 1, false, {}, 0x2030},
        {"loader",                          0x3110, 0x2030, pair,             PreparationEnd::kStartWorker, L"", 1, false, {}, 0x2030},
        {"camera",                          0x5610, 0x2030, pair,             PreparationEnd::kStartWorker, L"", 1, false, {}, 0x2030},
        {"camera, firmware differs",        0x5610, 0x2030, otherFirmware,    PreparationEnd::kFailed, kNotRecognised, 1, false, {}, 0x2030},
        {"no pair",                         0x5610, 0x2030, nothing,          PreparationEnd::kFailed, kNotRecognised, 1, false, {}, 0x2030},
        {"reboot image",                    0x6010, 0x2030, pair,             PreparationEnd::kStartWorker, L"", 1, false, {3000}, 0x2030},
        {"reboot image, firmware differs",  0x6010, 0x2030, otherFirmware,    PreparationEnd::kFailed, kNotRecognised, 1, false, {3000}, 0x2030},
        {"reboot image, no pair",           0x6010, 0x2030, nothing,          PreparationEnd::kFailed, kNotRecognised, 1, false, {3000}, 0x2030},
        {"two-chip",                        0x5345, 0x5345, twoChip,          PreparationEnd::kStartWorker, L"", 1, false, {}, 0x5345},
        {"two-chip, pair missing",          0x5345, 0x5345, nothing,          PreparationEnd::kFailed,
         L"Failed to update firmware. Not the recognized device[0]", 1, false, {}, 0x5345},
    };
    // clang-format on
    for (const PreparationCase& c : cases)
        ExpectCase(c);
}

// The reboot road sends its reboot and hands the reopened pair back.
TEST(PreparationTable, TheRebootRoadReopensThePairIntoTheMainWindow)
{
    Scene scene;
    scene.context.modelCode = scene.context.device.m_modelCode = 0x6010;
    scene.AddPair();
    const PreparationOutcome outcome = PrepareFirmwareJob(scene.context, L"", false, scene.host);
    EXPECT_EQ(PreparationEnd::kStartWorker, outcome.end);
    ASSERT_FALSE(scene.HidCommands(kHidPairPrimaryProductId).empty());
    EXPECT_EQ(kHidCmdLeaveAndReturn, scene.HidCommands(kHidPairPrimaryProductId).front());
    // The channels handed back are open on the unit that came back.
    HidCommandFrame frame;
    frame.Begin(kHidCmdReadVersion);
    EXPECT_TRUE(frame.Send(&scene.context.primary));
    EXPECT_NE(nullptr, scene.context.secondary);
    EXPECT_EQ(2, scene.hid.OpenHandleCount());
}

// A two-chip worker that a job's watchdog gave up on still holds the pair: a
// new preparation refuses the unit, although it is on the bus.
TEST_F(DualChipWorkerTest, APreparationWhileAGivenUpWorkerRunsIsRefused)
{
    UseImage();
    std::mutex lock;
    std::condition_variable wake;
    bool inLoader = false;
    bool release = false;
    host.duringLoader = [&] {
        std::unique_lock<std::mutex> hold(lock);
        inLoader = true;
        wake.notify_all();
        wake.wait(hold, [&] { return release; });
    };
    ASSERT_TRUE(host.Start(DualChipUpdateThread));
    {
        std::unique_lock<std::mutex> hold(lock);
        ASSERT_TRUE(wake.wait_for(hold, std::chrono::seconds(20), [&] { return inLoader; }));
    }
    SimDfuChip chip;
    SimPreparationHost preparation(chip);
    JobContext context;
    context.page = 3;
    context.modelCode = context.usbStatus = kTwoChipProductIdA;
    const PreparationOutcome outcome = PrepareFirmwareJob(context, L"", false, preparation);
    EXPECT_EQ(PreparationEnd::kFailed, outcome.end);
    EXPECT_EQ(L"[0]", outcome.tag);
    EXPECT_EQ(L"Failed to update firmware. Not the recognized device[0]", outcome.texts[0]);
    {
        std::lock_guard<std::mutex> hold(lock);
        release = true;
    }
    wake.notify_all();
    ASSERT_TRUE(host.WaitFor([&](const FirmwareInfo&) { return host.TimerRequests() == 1; }));
}

// The DFU road: its USB check, the unit check, the image checks, the archive,
// the reboot of three models and the second phase.
TEST(PreparationTable, DfuRoad)
{
    const auto normal = [](Scene& s) {
        s.AddDfuUnit(0x2010);
        s.UseDfuImage(0x4D10);
    };
    const auto inDfuMode = [](Scene& s) {
        s.chip.AddDevice(0xA010);
        s.UseDfuImage(0x4D10);
    };
    const auto noUnit = [](Scene& s) { s.UseDfuImage(0x4D10); };
    const auto otherUnitModel = [](Scene& s) {
        s.AddDfuUnit(0x2010).keys[675] = {0x30, 0x4D};
        s.UseDfuImage(0x4D10);
    };
    const auto otherUnitVersion = [](Scene& s) {
        s.AddDfuUnit(0x2010).keys[676] = {11, 0, 0, 0};
        s.UseDfuImage(0x4D10);
    };
    const auto invalidImage = [](Scene& s) {
        s.AddDfuUnit(0x2010);
        s.image = s.folder.Write(L"fw.dfu", DfuImageFor(0x4D10));
    };
    const auto foreignImage = [](Scene& s) {
        s.AddDfuUnit(0x2010);
        s.UseDfuImage(0x5010);
    };
    const auto rebootsFromNormal = [](Scene& s) {
        s.AddPair();
        s.chip.AddDevice(0xA020);
        s.UseDfuImage(0x6020);
    };
    const auto rebootNoPair = [](Scene& s) {
        s.chip.AddDevice(0xA020);
        s.UseDfuImage(0x6020);
    };
    const auto alreadyInDfuMode = [](Scene& s) {
        s.chip.AddDevice(0xA020);
        s.UseDfuImage(0x6020);
    };
    const auto twoUnits = [](Scene& s) {
        s.chip.AddDevice(0xA010);
        s.chip.AddDevice(0xA011);
        s.UseDfuImage(0x5310);
    };
    const auto oneOfTwoUnits = [](Scene& s) {
        s.chip.AddDevice(0xA010);
        s.UseDfuImage(0x5310);
    };
    const std::wstring inProgress = L"On updating firmware.";
    const std::wstring notFor = L"Failed to update firmware. " + GetTextFirmwareNotForModel(0x4D10, 0);
    // clang-format off
    const std::vector<PreparationCase> cases = {
        {"normal mode",              0x4D10, 0x2010, normal,           PreparationEnd::kStartDfu, inProgress, 0, true,  {}, 0x2010},
        {"in DFU mode",              0x4D10, 0xA010, inDfuMode,        PreparationEnd::kStartDfu, inProgress, 0, false, {}, 0xA010},
        {"no unit on USB",           0x4D10, 0x2010, noUnit,           PreparationEnd::kFailed, L"Failed to update firmware. Not the recognized device[9][2]", 2, false, {}, 0x2010},
        {"the unit is another model", 0x4D10, 0x2010, otherUnitModel,  PreparationEnd::kFailed, L"Failed to update firmware. Not the recognized device[9][3]", 2, false, {}, 0x2010},
        {"the unit's version differs", 0x4D10, 0x2010, otherUnitVersion, PreparationEnd::kFailed, L"Failed to update firmware. Not the recognized device[9][4]", 2, false, {}, 0x2010},
        {"not a DFU file",           0x4D10, 0x2010, invalidImage,     PreparationEnd::kFailed, L"Failed to update firmware. Cannot get status[9][5]", 1, false, {}, 0x2010},
        {"another model's image",    0x4D10, 0x2010, foreignImage,     PreparationEnd::kFailed, notFor + L"[9][6]", 1, false, {}, 0x2010},
        {"the second phase: no tag", 0x4D10, 0x2010, foreignImage,     PreparationEnd::kFailed, notFor, 1, false, {}, 0x2010, true},
        {"the second phase: no archive", 0x4D10, 0x2010, normal,       PreparationEnd::kStartDfu, inProgress, 0, false, {}, 0x2010, true},
        {"rebooted into DFU mode",   0x6020, 0x6020, rebootsFromNormal, PreparationEnd::kStartDfu, inProgress, 0, true, {3000, 4000, 3000, 1000}, 0x6021},
        {"reboot, no pair",          0x6020, 0x6020, rebootNoPair,     PreparationEnd::kFailed, kNotRecognised, 1, false, {}, 0x6020},
        {"already in DFU mode",      0x6020, 0xA020, alreadyInDfuMode, PreparationEnd::kStartDfu, inProgress, 0, false, {1000}, 0xA020},
        {"the second phase skips the reboot", 0x6020, 0x6020, rebootNoPair, PreparationEnd::kFailed, L"Failed to update firmware. Not the recognized device", 2, false, {}, 0x6020, true},
        {"two-chip DFU, both units", 0x5310, 0xA010, twoUnits,         PreparationEnd::kStartDfu, inProgress, 0, false, {}, 0xA010},
        {"two-chip DFU, one unit",   0x5310, 0xA010, oneOfTwoUnits,    PreparationEnd::kFailed, L"Failed to update firmware. Not the recognized device[9][1]", 2, false, {}, 0xA010},
    };
    // clang-format on
    for (const PreparationCase& c : cases)
        ExpectCase(c);
}

// The unit check clears the listed models' keys before the update.
TEST(PreparationTable, TheUnitCheckClearsTheKeysOfItsModels)
{
    Scene scene;
    scene.context.modelCode = scene.context.device.m_modelCode = 0x4D10;
    scene.context.usbStatus = 0x2010;
    scene.AddDfuUnit(0x2010);
    scene.UseDfuImage(0x4D10);
    const PreparationOutcome outcome = PrepareFirmwareJob(scene.context, scene.image, false, scene.host);
    ASSERT_EQ(PreparationEnd::kStartDfu, outcome.end);
    EXPECT_EQ((std::vector<int>{664, 665}), scene.WrittenKeys());
    EXPECT_EQ(scene.image, outcome.imagePath);
}

// The camera's package is unpacked beside the program; the engines take its
// Bluetooth part, and its failures carry no tag.
TEST(PreparationTable, TheCameraPackage)
{
    struct Case {
        const char* what;
        bool corrupt;
        bool validDfu;
        int headerModel;
        PreparationEnd end;
        std::wstring text;
    };
    const Case cases[] = {
        {"a good package", false, true, 0x3020, PreparationEnd::kStartDfu, L"On updating firmware."},
        {"a corrupt package", true, true, 0x3020, PreparationEnd::kFailed,
         L"Failed to update firmware. Firmware corrupted"},
        {"not a DFU file", false, false, 0x3020, PreparationEnd::kFailed,
         L"Failed to update firmware. Cannot get status"},
        {"another model's image", false, true, 0x4D10, PreparationEnd::kFailed,
         L"Failed to update firmware. " + GetTextFirmwareNotForModel(0x3020, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Scene scene;
        scene.context.modelCode = scene.context.device.m_modelCode = 0x3020;
        scene.context.usbStatus = 0xA020;
        scene.chip.AddDevice(0xA020);
        BuiltSection bluetooth;
        bluetooth.data = DfuImageFor(c.headerModel);
        const BuiltSection camera = SectionOf(1, 1, 3000, 9);
        std::vector<std::uint8_t> package = BuildImage(0x3020, {bluetooth, camera});
        if (c.corrupt)
            package.back() ^= 0xFF;
        scene.image = scene.folder.Write(L"lensa.img", package);
        const std::wstring unpacked = scene.ImageFolderFile(kCameraPackageBluetoothFile);
        if (c.validDfu)
            scene.chip.validImages.insert(unpacked);
        const PreparationOutcome outcome = PrepareFirmwareJob(scene.context, scene.image, false, scene.host);
        EXPECT_EQ(c.end, outcome.end);
        EXPECT_EQ(c.text, outcome.texts[0]);
        EXPECT_TRUE(outcome.tag.empty());
        std::string bytes;
        const bool written =
            MachineFileSystem().ReadWholeFile(scene.ImageFolderFile(kCameraPackageFirmwareFile), 1u << 20, bytes);
        EXPECT_EQ(!c.corrupt, written);
        if (!c.corrupt) {
            EXPECT_EQ(std::string(camera.data.begin(), camera.data.end()), bytes);
            EXPECT_EQ(unpacked, outcome.imagePath);
        }
    }
}

// The partner conversion target turns a unit of the batch range into the
// partner model when the image carries the partner's header.
TEST(PreparationTable, ThePartnerConversionTarget)
{
    Scene scene;
    scene.context.modelCode = scene.context.device.m_modelCode = kPartnerConversionTarget;
    scene.context.usbStatus = 0xA020;
    SimDfuDevice& unit = scene.chip.AddDevice(0xA020);
    unit.connects = true;
    unit.keys[1] = {0x33, 0x99, 0x00, 0x30, 0, 0, 0, 0}; // "333000": in the batch range
    scene.image = scene.folder.Write(L"iv.dfu", DfuImageFor(kPartnerConversionModel));
    scene.chip.validImages.insert(scene.image);
    const PreparationOutcome outcome = PrepareFirmwareJob(scene.context, scene.image, false, scene.host);
    EXPECT_EQ(PreparationEnd::kStartDfu, outcome.end);
    EXPECT_EQ((std::vector<int>{675, 703, 715, 706}), scene.WrittenKeys());
}

} // namespace
