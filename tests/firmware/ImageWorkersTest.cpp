#include "firmware/ImageWorkers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "firmware/FirmwareWaitForTests.h"
#include "link/MakerUsb.h"
#include "sim/SimHeadset.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/TempFiles.h"
#include "tests/firmware/WorkerTestHost.h"

namespace {

const wchar_t kFailure[] = L"Failed to update firmware. ";

class WorkersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFirmwareWaitPercentForTests(0);
        sim.Install();
    }
    void TearDown() override { SetFirmwareWaitPercentForTests(100); }

    // A unit with one command channel (or two, for the pair) opened into the host.
    SimHidInterface& AddUnit(int model)
    {
        host.model = model;
        host.usbStatus = model;
        SimHidInterface& unit = sim.AddInterface(model);
        host.primary = OpenHidInterface(model);
        return unit;
    }
    SimHeadset::Pair AddPair()
    {
        host.model = kHidPairModelCode;
        host.usbStatus = kHidPairModelCode;
        SimHeadset::Pair pair = sim.AddHidPairUnit();
        host.primary = OpenHidInterface(kHidPairPrimaryProductId);
        host.secondary = OpenHidInterface(kHidPairSecondaryProductId);
        return pair;
    }
    void UseImage(int model, const std::vector<BuiltSection>& sections, const std::wstring& name = L"fw_v1.8.0.img",
                  const std::string& nameField = "image")
    {
        auto job = host.job->Lock();
        job->m_imagePath = folder.Write(name, BuildImage(static_cast<std::uint32_t>(model), sections, nameField));
        job->m_failed = 1; // as the preparation leaves it
        // As an earlier transfer left them.
        job->m_progressEventCount = 7;
        job->m_timedProgress = 0;
    }
    void ExpectFailed(const std::wstring& text)
    {
        EXPECT_EQ(host.Job().StatusText(0), text);
        EXPECT_EQ(host.Job().m_failed, 1);
        EXPECT_EQ(host.Job().m_finished, 1);
        EXPECT_EQ(host.TimerRequests(), 0);
    }
    void ExpectHandedToTheWaitTimer()
    {
        EXPECT_EQ(host.Job().m_state, kJobFinished);
        EXPECT_EQ(host.Job().m_finished, 0);
        EXPECT_EQ(host.Job().m_failed, 0);
        EXPECT_EQ(host.TimerRequests(), 1);
    }
    std::vector<int> Commands(int productId) const
    {
        std::vector<int> commands;
        for (const auto& request : sim.Requests(productId))
            commands.push_back(request[1]);
        return commands;
    }

    SimHeadset sim;
    TempFolder folder;
    WorkerTestHost host;
};

TEST_F(WorkersTest, SectionFramingByLength)
{
    struct Case {
        std::size_t length;
        std::vector<std::size_t> reports;
    };
    // clang-format off
    const Case cases[] = {
        {0,    {}},
        {1,    {1}},
        {1019, {1019}},
        {1020, {1019, 1}},
        {2500, {1019, 1019, 462}},
    };
    // clang-format on
    SimHidInterface& unit = AddUnit(0x6010);
    for (const Case& c : cases) {
        sim.ClearLog();
        const BuiltSection section = SectionOf(0, 0x107, c.length, 3);
        EXPECT_EQ(SendImageSection(&host.primary, 0x107, section.data.data(), c.length), SectionFault::kNone);
        const std::vector<std::vector<unsigned char>> requests = sim.Requests(0x6010);
        ASSERT_EQ(requests.size(), c.reports.size() + 2) << c.length;
        EXPECT_EQ(requests.front()[1], 0x05);
        EXPECT_EQ(requests.front()[2], 0x07); // the id's low byte
        EXPECT_EQ(requests.back()[1], 0x07);
        for (std::size_t i = 0; i < c.reports.size(); ++i) {
            const std::vector<unsigned char>& data = requests[i + 1];
            EXPECT_EQ(data[1], 0x06);
            EXPECT_EQ((std::size_t(data[2]) << 8) | data[3], c.reports[i]);
        }
        EXPECT_EQ(unit.sections[7], section.data) << c.length;
    }
}

TEST_F(WorkersTest, TimingModelCountsFullSpeedFrames)
{
    AddUnit(0x6010);
    sim.SetUsbTimingModel(true);
    const BuiltSection section = SectionOf(0, 1, 1019, 1);
    // Start and end: a request and a reply each; the data report: 16 frames
    // out and 2 for its status.
    EXPECT_EQ(SendImageSection(&host.primary, 1, section.data.data(), 1019), SectionFault::kNone);
    EXPECT_EQ(sim.ModelledFrames(), 3 * (16 + 2));
    sim.SetUsbTimingModel(false);
    EXPECT_EQ(SendImageSection(&host.primary, 1, section.data.data(), 1019), SectionFault::kNone);
    EXPECT_EQ(sim.ModelledFrames(), 3 * (16 + 2));
}

TEST_F(WorkersTest, SectionFaultsByStep)
{
    struct Case {
        SimFirmwareKnobs knobs;
        SectionFault fault;
    };
    SimFirmwareKnobs start, write, status, end;
    start.failSectionStartAt = 1;
    write.failDataWriteAt = 2;
    status.failDataStatusAt = 2;
    end.failSectionEndAt = 1;
    const Case cases[] = {{start, SectionFault::kStart},
                          {write, SectionFault::kDataWrite},
                          {status, SectionFault::kDataStatus},
                          {end, SectionFault::kEnd}};
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        SimHidInterface& unit = bus.AddInterface(0x6010);
        unit.firmware = c.knobs;
        unit.firmware.dataBusyReplies = 3; // writing flash takes a while
        HidHandle channel = OpenHidInterface(0x6010);
        const BuiltSection section = SectionOf(0, 1, 3000, 1);
        EXPECT_EQ(SendImageSection(&channel, 1, section.data.data(), section.data.size()), c.fault);
        CloseHidHandle(&channel);
    }
    sim.Install();
}

TEST_F(WorkersTest, VersionGateOnTheFileName)
{
    struct Case {
        const wchar_t* path;
        bool passes;
    };
    // clang-format off
    const Case cases[] = {
        {L"C:\\IMG\\xx_v1.7.4.img",    false},
        {L"C:\\IMG\\xx_v1.7.5.img",    true},
        {L"C:\\IMG\\xx_v1.8.0-en.img", true},
        {L"C:\\IMG\\xx_v1.7.img",      false}, // reads 1.7.0
        {L"C:\\IMG\\xx_v1.7.6_fr.img", true},
        {L"C:\\IMG\\xx_v1.6.9_fr.img", false},
        {L"C:\\IMG\\xx_v2.img",        true},  // no "." in the version
        {L"xx_v0.9.9",                 false}, // no folder
        {L"C:\\IMG\\1.6",              false}, // no "v": the whole name
        {L"C:\\IMG\\v-",               true},  // short names never index before their start
        {L"C:\\IMG\\-",                true},
        {L"C:\\IMG\\g.img",            true},  // nothing left of the name
        {L"",                          true},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(ImageNameVersionPasses(c.path), c.passes) << std::wstring(c.path).c_str();
    EXPECT_EQ(ImageNameStem(L"C:\\a\\fw_v1.8.0.img"), L"fw_v1.8.0");
    EXPECT_EQ(ImageNameStem(L"C:\\a\\gim.img"), L"");
}

TEST_F(WorkersTest, UnitStateFromGroupFive)
{
    SimHidInterface& unit = AddUnit(0x4210);
    unit.SetGroup(kHidGroupState, {27});
    EXPECT_EQ(ReadUnitState(&host.primary), 27);
    unit.knobs.failNextWrites = 1; // one failure is tried again
    EXPECT_EQ(ReadUnitState(&host.primary), 27);
    unit.knobs.failNextWrites = 2;
    EXPECT_EQ(ReadUnitState(&host.primary), 0);
}

TEST_F(WorkersTest, ImageUpdateSendsPollsFinishesAndHandsOver)
{
    SimHidInterface& unit = AddUnit(0x6010);
    unit.firmware.notReadyPolls = 3;
    unit.firmware.dataBusyReplies = 2;
    const std::vector<BuiltSection> sections = {SectionOf(0, 0x10, 2100, 1), SectionOf(2, 0x11, 1019, 2)};
    UseImage(0x6010, sections);
    host.Run(ImageUpdateThread);
    ExpectHandedToTheWaitTimer();
    EXPECT_EQ(unit.sections[0x10], sections[0].data);
    EXPECT_EQ(unit.sections[0x11], sections[1].data);
    EXPECT_EQ(unit.readyPolls, 4);
    EXPECT_EQ(unit.finishCount, 1);
    EXPECT_EQ(host.archiveWrites, 1);
    // The transfer restarted the progress count.
    EXPECT_EQ(host.Job().m_progressEventCount, 0);
    EXPECT_EQ(host.Job().m_timedProgress, 1);
    EXPECT_EQ(host.Job().m_waitFlag, 1);
    EXPECT_EQ(host.Job().StatusText(0), L"On updating firmware.");
}

TEST_F(WorkersTest, ImageUpdateWithOnlyATypeTwoSectionSendsNoFinish)
{
    SimHidInterface& unit = AddUnit(0x6010);
    UseImage(0x6010, {SectionOf(2, 0, 10, 1)});
    host.Run(ImageUpdateThread);
    ExpectHandedToTheWaitTimer();
    EXPECT_EQ(unit.finishCount, 0);
    EXPECT_EQ(unit.readyPolls, 1);
    EXPECT_EQ(host.Job().m_waitFlag, 1);
}

TEST_F(WorkersTest, ImageUpdateFailureTags)
{
    struct Case {
        const char* name;
        void (*setUp)(SimFirmwareKnobs&);
        const wchar_t* tag;
    };
    const Case cases[] = {
        {"section start", [](SimFirmwareKnobs& k) { k.failSectionStartAt = 2; }, L""},
        {"data write", [](SimFirmwareKnobs& k) { k.failDataWriteAt = 3; }, L"[9][0]"},
        {"data status", [](SimFirmwareKnobs& k) { k.failDataStatusAt = 3; }, L"[9][1]"},
        {"section end", [](SimFirmwareKnobs& k) { k.failSectionEndAt = 1; }, L"[9][2]"},
        {"finish", [](SimFirmwareKnobs& k) { k.failFinish = true; }, L"[9][3]"},
        {"never ready", [](SimFirmwareKnobs& k) { k.notReadyPolls = -1; }, L"[9][3]"},
        {"unplugged", [](SimFirmwareKnobs& k) { k.unplugAfterDataReports = 2; }, L"[9][0]"},
    };
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        WorkerTestHost caseHost;
        caseHost.model = caseHost.usbStatus = 0x6010;
        SimHidInterface& unit = bus.AddInterface(0x6010);
        c.setUp(unit.firmware);
        caseHost.primary = OpenHidInterface(0x6010);
        caseHost.job->Lock()->m_imagePath =
            folder.Write(L"fw.img", BuildImage(0x6010, {SectionOf(0, 1, 3000, 1), SectionOf(0, 2, 10, 2)}));
        caseHost.Run(ImageUpdateThread);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(caseHost.Job().StatusText(0), std::wstring(kFailure) + L"Cannot get status" + c.tag);
        EXPECT_EQ(caseHost.Job().m_failed, 1);
        EXPECT_EQ(caseHost.Job().m_finished, 1);
        EXPECT_EQ(caseHost.TimerRequests(), 0);
    }
    sim.Install();
}

TEST_F(WorkersTest, UnplugMidTransferEndsClearlyAndTheUnitComesBack)
{
    SimHidInterface& unit = AddUnit(0x6010);
    unit.firmware.unplugAfterDataReports = 2;
    UseImage(0x6010, {SectionOf(0, 1, 5000, 1)});
    host.Run(ImageUpdateThread);
    ExpectFailed(std::wstring(kFailure) + L"Cannot get status[9][0]");
    EXPECT_EQ(FindHidInterfacePath(nullptr, 0, 0x6010), 0);
    sim.PlugIn(unit.unit);
    EXPECT_EQ(FindHidInterfacePath(nullptr, 0, 0x6010), 1);
}

TEST_F(WorkersTest, CorruptedOrForeignImagesAreRefusedBeforeAnythingIsSent)
{
    AddUnit(0x6010);
    UseImage(0x6012, {SectionOf(0, 1, 10, 1)}); // another model's image
    host.Run(ImageUpdateThread);
    ExpectFailed(std::wstring(kFailure) + L"Firmware corrupted");
    EXPECT_TRUE(sim.Requests(0x6010).empty());
    EXPECT_EQ(host.archiveWrites, 0);
}

TEST_F(WorkersTest, FailedBackupHoldsTheWorkerUntilTheUserConfirms)
{
    SimHidInterface& unit = AddUnit(0x6010);
    host.archiveResult = 0;
    UseImage(0x6010, {SectionOf(0, 1, 10, 1)});
    ASSERT_TRUE(host.Start(ImageUpdateThread));
    ASSERT_TRUE(host.WaitFor([](const FirmwareInfo& job) { return job.m_waitForUser == 1; }));
    EXPECT_EQ(host.Job().m_state, kJobWaitingAfterBackupFailure);
    EXPECT_EQ(host.textsAtArchive, L"On updating firmware. about to make backup firmware");
    // However long the user takes, nothing reaches the unit meanwhile.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(host.Job().m_state, kJobWaitingAfterBackupFailure);
    EXPECT_EQ(host.TimerRequests(), 0);
    host.job->Lock()->m_waitForUser = 0; // the user's OK
    ASSERT_TRUE(host.WaitFor([&](const FirmwareInfo&) { return host.TimerRequests() == 1; }));
    ExpectHandedToTheWaitTimer();
    EXPECT_EQ(unit.sections[1].size(), 10u);
}

TEST_F(WorkersTest, RestorePageWritesNoArchive)
{
    AddUnit(0x6010);
    host.page = 4;
    UseImage(0x6010, {SectionOf(0, 1, 10, 1)});
    host.Run(ImageUpdateThread);
    EXPECT_EQ(host.archiveWrites, 0);
    ExpectHandedToTheWaitTimer();
}

TEST_F(WorkersTest, PairUnitFinishesEachChannelThatTookItsType)
{
    struct Case {
        std::vector<std::uint32_t> types;
        std::vector<int> primaryFinishes; // finish count on the primary, then the secondary
        int secondaryFinishes;
    };
    const Case cases[] = {
        {{0, 1}, {1}, 1},
        {{3}, {0}, 0},
        {{2, 1}, {0}, 1},
        {{0}, {1}, 0},
    };
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        WorkerTestHost caseHost;
        caseHost.model = caseHost.usbStatus = kHidPairModelCode;
        SimHeadset::Pair pair = bus.AddHidPairUnit();
        caseHost.primary = OpenHidInterface(kHidPairPrimaryProductId);
        caseHost.secondary = OpenHidInterface(kHidPairSecondaryProductId);
        std::vector<BuiltSection> sections;
        for (std::uint32_t i = 0; i < c.types.size(); ++i)
            sections.push_back(SectionOf(c.types[i], i, 1500, static_cast<std::uint8_t>(i)));
        caseHost.job->Lock()->m_imagePath = folder.Write(L"pair.img", BuildImage(0x1234, sections)); // any model code
        caseHost.Run(DualChannelImageUpdateThread);
        EXPECT_EQ(caseHost.Job().m_state, kJobFinished);
        EXPECT_EQ(caseHost.TimerRequests(), 1);
        EXPECT_EQ(pair.primary->finishCount, c.primaryFinishes[0]);
        EXPECT_EQ(pair.secondary->finishCount, c.secondaryFinishes);
        for (std::uint32_t i = 0; i < c.types.size(); ++i) {
            SimHidInterface* channel = (c.types[i] == 0 || c.types[i] == 2) ? pair.primary : pair.secondary;
            EXPECT_EQ(channel->sections[static_cast<int>(i)], sections[i].data);
        }
        EXPECT_EQ(pair.primary->readyPolls, 0);
    }
    sim.Install();
}

TEST_F(WorkersTest, PairUnitFailuresCarryNoTag)
{
    SimHeadset::Pair pair = AddPair();
    pair.secondary->firmware.failFinish = true;
    UseImage(0x2030, {SectionOf(0, 0, 10, 1), SectionOf(1, 1, 10, 1)});
    host.Run(DualChannelImageUpdateThread);
    ExpectFailed(std::wstring(kFailure) + L"Cannot get status");
    EXPECT_EQ(pair.primary->finishCount, 1);
}

TEST_F(WorkersTest, VersionedWorkerGatesByUnitStateAndName)
{
    struct Case {
        int state;
        const wchar_t* name;
        bool refused;
    };
    // clang-format off
    const Case cases[] = {
        {16, L"xx_v1.7.4.img",    true},
        {27, L"xx_v1.7.img",      true},
        {16, L"xx_v1.7.5.img",    false},
        {16, L"xx_v1.8.0-en.img", false},
        {5,  L"xx_v1.7.4.img",    false}, // any other state skips the gate
    };
    // clang-format on
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        WorkerTestHost caseHost;
        caseHost.model = caseHost.usbStatus = 0x4210;
        SimHidInterface& unit = bus.AddInterface(0x4210);
        unit.SetGroup(kHidGroupState, {static_cast<std::uint16_t>(c.state)});
        caseHost.primary = OpenHidInterface(0x4210);
        caseHost.job->Lock()->m_imagePath = folder.Write(c.name, BuildImage(0x4210, {SectionOf(0, 0, 100, 1)}, ""));
        caseHost.Run(VersionedImageUpdateThread);
        SCOPED_TRACE(c.state);
        if (c.refused) {
            EXPECT_EQ(caseHost.Job().StatusText(0), L"Firmware version is not supported by the Orvan EVO. Update to "
                                                    L"the latest version of Orvan EVO firmware..[0]");
            EXPECT_EQ(caseHost.Job().m_finished, 1);
            EXPECT_EQ(caseHost.Job().m_failed, 1);
            EXPECT_TRUE(unit.sections.empty());
        } else {
            EXPECT_EQ(caseHost.Job().m_state, kJobFinished);
            EXPECT_EQ(unit.sections[0].size(), 100u);
        }
    }
    sim.Install();
}

TEST(FailWithStatusError, FailsTheJobWithTag26)
{
    FirmwareInfo job;
    FailWithStatusError(job, 3, 0x5345);
    EXPECT_EQ(job.StatusText(0), L"Failed to update firmware. Cannot get status[26]");
    EXPECT_EQ(job.m_failed, 1);
    EXPECT_EQ(job.m_finished, 1);
}

} // namespace

namespace {

// The program's host writes through to the job and its context.
TEST(WorkerHost, WritesThroughToTheJobAndItsContext)
{
    SimHeadset sim;
    sim.Install();
    SimHidInterface& unit = sim.AddInterface(0x6010);
    TempFolder folder;
    SetFirmwareWaitPercentForTests(0);
    WorkerTestHost host;
    host.model = 0x6010;
    host.primary = OpenHidInterface(0x6010);
    {
        auto job = host.job->Lock();
        job->m_imagePath = folder.Write(L"fw.img", BuildImage(0x6010, {SectionOf(0, 1, 50, 1)}));
        job->m_progressEventCount = 7;
    }
    host.Run(ImageUpdateThread);
    SetFirmwareWaitPercentForTests(100);
    EXPECT_EQ(host.archiveWrites, 1);
    EXPECT_EQ(host.TimerRequests(), 1);
    EXPECT_EQ(host.Job().m_progressEventCount, 0);
    EXPECT_EQ(host.Job().m_timedProgress, 1);
    EXPECT_EQ(unit.sections[1].size(), 50u);
}

} // namespace
