#include <gtest/gtest.h>

#include "link/DfuEngineLibrary.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "link/RecognitionOutcome.h"
#include "link/RecognitionRoads.h"
#include "sim/SimDfuChip.h"
#include "sim/SimHeadset.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

namespace {

// Both buses of the PC: the HID simulator and the DFU chips behind the
// library stand-in, with a USB scan that sees the chips' entries unless a
// test says otherwise.
class RecognitionRoadsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hid.Install();
        chip.Attach();
        platform.primary = &primary;
        platform.secondary = &secondary;
        platform.openDfuLibrary = [] { return std::unique_ptr<DfuLibraryAccess>(new DfuEngineLibrary()); };
        platform.scanUsb = [this] {
            if (scanOverride.count >= 0)
                return scanOverride;
            DfuScan scan;
            for (int i = 0; i < chipCount; ++i) {
                if (scan.count < 2)
                    scan.productIds[scan.count] = chip.DeviceAt(i).productId;
                ++scan.count;
            }
            return scan;
        };
        platform.cameraDrive = [] { return false; };
    }
    void TearDown() override
    {
        CloseHidHandle(&primary);
        CloseHidHandle(&secondary);
        // The library's transport was released on the way out.
        CStringListX names;
        EXPECT_EQ(DFURequestsUSB::EnumerateDevices(names), 0);
    }
    SimDfuDevice& AddChip(int productId)
    {
        ++chipCount;
        return chip.AddDevice(productId);
    }
    std::vector<int> KeysRead() const
    {
        std::vector<int> keys;
        for (const SimDfuKeyAccess& access : chip.Log())
            keys.push_back(access.set ? -access.key : access.key);
        return keys;
    }
    int Run(const DeviceConfig* record = nullptr) { return RunRecognitionRoads(record, state, platform); }

    SimHeadset hid;
    SimDfuChip chip;
    int chipCount = 0;
    DfuScan scanOverride{-1, {0, 0}};
    HidHandle primary = nullptr;
    HidHandle secondary = nullptr;
    RecognitionPlatform platform;
    RecognitionState state;
};

TEST_F(RecognitionRoadsTest, TheHidPairIsReadOverItsChannels)
{
    hid.AddHidPairUnit();
    AddChip(0x2020); // never asked: the HID road comes first
    state.m_modelCode = 0x4D10;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(state.m_modelCode, 0x2030);
    EXPECT_EQ(state.m_usbStatus, 0x2030);
    EXPECT_NE(primary, nullptr); // the main window keeps the channels
    EXPECT_NE(secondary, nullptr);
    EXPECT_TRUE(chip.Log().empty());
}

TEST_F(RecognitionRoadsTest, ASilentOrEndlesslyBusyUnitEndsWithTheFallbacksWithinTheDeadline)
{
    struct Case {
        const char* what;
        void (*misbehave)(SimHidKnobs&);
        bool withRecord;
        std::wstring name; // what the road could still read
    } cases[] = {
        {"silent", [](SimHidKnobs& k) { k.silent = true; }, false, L"Zenta2"},
        {"silent, with a record", [](SimHidKnobs& k) { k.silent = true; }, true, L"Zenta2"},
        // A busy reply every millisecond, for ever.
        {"busy", [](SimHidKnobs& k) { k.staysBusy = true, k.replyDelayMs = 1; }, false, L"Zenta2"},
        {"busy, with a record", [](SimHidKnobs& k) { k.staysBusy = true, k.replyDelayMs = 1; }, true, L"Zenta2"},
        // Each reply inside the channel's read time-out, but all of them
        // together far beyond the deadline: the first ones still count.
        {"slow", [](SimHidKnobs& k) { k.replyDelayMs = kHidReadTimeoutMs - 1000; }, false, L"Zenta2 Sim"},
    };
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        SimHeadset::Pair unit = bus.AddHidPairUnit();
        c.misbehave(unit.primary->knobs);
        c.misbehave(unit.secondary->knobs);
        DeviceConfig record;
        record.m_modelCode = kHidPairModelCode;
        RecognitionState fresh;
        const std::uint64_t start = bus.NowMs();
        EXPECT_EQ(RunRecognitionRoads(c.withRecord ? &record : nullptr, fresh, platform), 0) << c.what;
        EXPECT_LE(bus.NowMs() - start, kHidRecognitionDeadlineMs) << c.what;
        EXPECT_EQ(fresh.m_device.m_deviceName, c.name) << c.what;
        EXPECT_EQ(fresh.m_device.m_settings[2], 0xED21) << c.what; // the basic group's fallback
        EXPECT_EQ(fresh.m_usbStatus, kHidPairModelCode) << c.what;
        CloseHidHandle(&primary);
        CloseHidHandle(&secondary);
    }
    hid.Install();
}

TEST_F(RecognitionRoadsTest, AUnitOffTheBusAtFirstIsFoundByTheNextTry)
{
    hid.AddHidPairUnit();
    hid.KeepOffTheBus(0, 1);
    state.m_modelCode = 0x4D10;
    EXPECT_EQ(Run(), 2);
    EXPECT_EQ(hid.OpenHandleCount(), 0);
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(state.m_usbStatus, kHidPairModelCode);
}

TEST_F(RecognitionRoadsTest, OneInterfaceAloneIsClosedAndTheDfuRoadRuns)
{
    hid.AddInterface(kHidPairPrimaryProductId);
    state.m_modelCode = 0x4D10;
    EXPECT_EQ(Run(), 2);
    EXPECT_EQ(primary, nullptr);
    EXPECT_EQ(hid.OpenHandleCount(), 0);
    EXPECT_EQ(state.m_modelCode, 0x4D10); // nothing scanned
}

TEST_F(RecognitionRoadsTest, A2020UnitOverTheLibrary)
{
    SimDfuDevice& unit = AddChip(0x2020);
    unit.SetKeyWords(675, {0x2020});
    unit.SetKeyWords(676, {0x000B, 0x0200});
    unit.SetKeyWords(654, {0x0301, 0});
    unit.keys[264] = {'Z', 'e', 'n', 't', 'a', '1', 0};
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(KeysRead(), (std::vector<int>{675, 1, 264, 676, 654, 0x2280, 0x2281, 0x2282}));
    EXPECT_EQ(state.m_modelCode, 0x2020);
    EXPECT_EQ(state.m_device.m_modelCode, 0x2020);
    EXPECT_EQ(state.m_device.m_deviceName, L"Zenta1");
    EXPECT_EQ(state.m_device.m_firmwareVersion.minor, 1);
    EXPECT_EQ(state.m_device.m_hushguard, 1);
    EXPECT_GT(state.m_settingsPageCount, 0);
}

TEST_F(RecognitionRoadsTest, ARecordOfTheUnitsModelIsWrittenFirst)
{
    SimDfuDevice& unit = AddChip(0x2020);
    unit.SetKeyWords(675, {0x2020});
    DeviceConfig record;
    record.m_modelCode = 0x2020;
    record.m_voicePrompt = 1;
    record.m_speedDial[0] = L"112";
    EXPECT_EQ(Run(&record), 0);
    EXPECT_EQ(KeysRead(),
              (std::vector<int>{675, 1, 264, 676, -654, -0x2280, -0x2281, -0x2282, 654, 0x2280, 0x2281, 0x2282}));
    EXPECT_EQ(state.m_device.m_voicePrompt, 1);
    EXPECT_EQ(state.m_device.m_speedDial[0], L"112");
}

TEST_F(RecognitionRoadsTest, ResultsOfTheCountsAndModes)
{
    struct Case {
        std::vector<int> chips; // product ids; DFU-mode ones do not connect
        DfuScan scan;           // count -1: what the chips show
        int expected;
    } cases[] = {
        {{0xA010}, {-1, {}}, 1},         {{0x2020, 0x2020}, {-1, {}}, 8}, {{0x2020}, {2, {0x2020, 0x2010}}, 6},
        {{0x2020}, {1, {0xA020, 0}}, 9}, {{0xA010}, {1, {0x2010, 0}}, 3}, // scanned in normal mode, the entry does not answer
        {{}, {1, {0x2020, 0}}, 2},
    };
    for (const Case& c : cases) {
        SimDfuChip other;
        chip.Detach();
        other.Attach();
        for (int id : c.chips)
            other.AddDevice(id).SetKeyWords(675, {static_cast<std::uint16_t>(id & 0x7FFF)});
        RecognitionState fresh;
        platform.scanUsb = [&] {
            if (c.scan.count >= 0)
                return c.scan;
            DfuScan scan;
            for (int id : c.chips) {
                if (scan.count < 2)
                    scan.productIds[scan.count] = id;
                ++scan.count;
            }
            return scan;
        };
        EXPECT_EQ(RunRecognitionRoads(nullptr, fresh, platform), c.expected) << c.chips.size();
        other.Detach();
    }
}

TEST(RecognitionOutcome, EachResultHasItsBoxStatusAndPage)
{
    using S = RecognitionStatus;
    using B = RecognitionBox;
    using P = RecognitionPageAction;
    struct Case {
        int result;
        int nextPage;
        int usb;
        int showMessages;
        B box;
        P action;
        int page;
        S status;
        int icon;
    } cases[] = {
        {0, 0, 0x2030, 1, B::None, P::ShowPage, 3, S::SuccessOnPage, 0},
        {1, 0, 0xA010, 1, B::None, P::ShowPage, 3, S::ManagementMode, 1},
        {0, 4, 0x2020, 0, B::None, P::ShowPage, 4, S::SuccessOfNextPage, 0},
        {0, 105, 0x2020, 0, B::None, P::GoToPage, 5, S::Unchanged, 0},
        {1, 103, 0xA020, 0, B::None, P::GoToPage, 3, S::SuccessOnPage, 1},
        {2, 0, 0, 1, B::None, P::Stay, 0, S::CannotOpenUsb, 1},
        {10, 0, 0x2020, 1, B::None, P::Stay, 0, S::CheckSdCard, 1},
        {6, 0, 0, 1, B::InterfaceCountObtained, P::ShowSelectionPage, 0, S::InterfaceCount, 1},
        {8, 0, 0, 1, B::InterfaceCountFound, P::ShowSelectionPage, 0, S::LibraryInterfaceCount, 1},
        {6, 4, 0, 0, B::None, P::Stay, 0, S::Unchanged, 0},
        {8, 4, 0, 0, B::None, P::Stay, 0, S::Unchanged, 0},
        {9, 4, 0, 0, B::InterfaceProblem, P::ShowSelectionPage, 0, S::OddInterfaces, 1},
        {3, 0, 0, 0, B::OtherDevice, P::ShowSelectionPage, 0, S::Unchanged, 0},
    };
    for (const Case& c : cases) {
        const RecognitionOutcome plan = PlanRecognitionOutcome(c.result, c.nextPage, c.usb, c.showMessages);
        EXPECT_EQ(plan.box, c.box) << c.result << " " << c.nextPage;
        EXPECT_EQ(plan.pageAction, c.action) << c.result << " " << c.nextPage;
        EXPECT_EQ(plan.page, c.page) << c.result << " " << c.nextPage;
        EXPECT_EQ(plan.status, c.status) << c.result << " " << c.nextPage;
        EXPECT_EQ(plan.iconFlag, c.icon) << c.result << " " << c.nextPage;
    }
}

TEST(RecognitionOutcome, StatusTexts)
{
    EXPECT_EQ(ComposeRecognitionStatus(RecognitionStatus::SuccessOnPage, 2, 0, 0x2030, 0, 0),
              L"Device recognized successfully. " + GetTextReady(3, 0, 0));
    EXPECT_EQ(ComposeRecognitionStatus(RecognitionStatus::ManagementMode, 2, 0, 0xA010, 1, 0),
              GetTextFirmwareManagementMode(0) + L". " + GetTextReady(3, 0, 0));
    EXPECT_EQ(ComposeRecognitionStatus(RecognitionStatus::CannotOpenUsb, 2, 0, 0, 2, 0),
              L"Failed to recognize device. " + GetTextCannotOpenUsb(0));
    EXPECT_EQ(ComposeRecognitionStatus(RecognitionStatus::InterfaceCount, 2, 0, 0, 6, 0),
              L"Failed to recognize device. more USB interface(s)");
    EXPECT_EQ(ComposeRecognitionStatus(RecognitionStatus::LibraryInterfaceCount, 2, 0, 0, 8, 0),
              L"Failed to recognize device. more USB interface(s) [2]");
    EXPECT_EQ(ComposeRecognitionStatus(RecognitionStatus::OddInterfaces, 2, 0, 0, 9, 13),
              L"Failed to recognize device. odd USB interface(s)");
    EXPECT_EQ(ComposeRecognitionStatus(RecognitionStatus::SuccessOfNextPage, 2, 4, 0x2020, 0, 0),
              GetTextSuccess(4, 0x2020, 0));
    // After a switch the ready text reads the unit's mode.
    EXPECT_EQ(ComposeRecognitionStatus(RecognitionStatus::SuccessOnPage, 3, 103, 0xA020, 1, 0),
              GetTextSuccess(3, 0xA020, 0));
    for (int language = 0; language < 13; ++language)
        EXPECT_FALSE(ComposeRecognitionStatus(RecognitionStatus::CheckSdCard, 2, 0, 0, 10, language).empty());
}

} // namespace
