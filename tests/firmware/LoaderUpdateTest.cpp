#include "firmware/LoaderUpdate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "firmware/Crc16.h"
#include "firmware/FirmwareWaitForTests.h"
#include "sim/SimHeadset.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/TempFiles.h"
#include "tests/firmware/WorkerTestHost.h"

namespace {

const wchar_t kFailure[] = L"Failed to update firmware. Cannot get status";

class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFirmwareWaitPercentForTests(0);
        sim.Install();
    }
    void TearDown() override { SetFirmwareWaitPercentForTests(100); }

    // The loader interface alone, as after the restart into it.
    SimHidInterface& AddLoader()
    {
        SimHidInterface& loader = sim.AddInterface(kLoaderProductId);
        channel = OpenHidInterface(kLoaderProductId);
        HidCommandFrame start;
        start.Begin(kHidCmdStartSection, 0);
        EXPECT_TRUE(start.Send(&channel));
        return loader;
    }
    // Data lengths of the data frames sent to the loader.
    std::vector<int> DataLengths() const
    {
        std::vector<int> lengths;
        for (const auto& request : sim.Requests(kLoaderProductId)) {
            if (request[1] == kHidCmdSectionData)
                lengths.push_back((request[2] << 8) | request[3]);
        }
        return lengths;
    }
    int CountCommand(int productId, int command) const
    {
        int count = 0;
        for (const auto& request : sim.Requests(productId))
            count += request[1] == command ? 1 : 0;
        return count;
    }

    SimHeadset sim;
    HidHandle channel = nullptr;
    TempFolder folder;

    ~LoaderTest() override { CloseHidHandle(&channel); }
};

TEST_F(LoaderTest, ChunksOf58Bytes)
{
    struct Case {
        std::size_t length;
        std::vector<int> chunks;
    };
    const Case cases[] = {{116, {58, 58}}, {117, {58, 58, 1}}, {58, {58}}, {1, {1}}, {0, {}}};
    for (bool confirmed : {false, true}) {
        for (const Case& c : cases) {
            SimHeadset bus;
            bus.Install();
            SimHidInterface& loader = bus.AddInterface(kLoaderProductId);
            HidHandle handle = OpenHidInterface(kLoaderProductId);
            HidCommandFrame start;
            start.Begin(kHidCmdStartSection, 0);
            ASSERT_TRUE(start.Send(&handle));
            const BuiltSection section = SectionOf(0, 0, c.length, 9);
            EXPECT_EQ(SendLoaderSection(&handle, section.data.data(), c.length, confirmed), L"");
            std::vector<int> lengths;
            int checks = 0;
            for (const auto& request : bus.Requests(kLoaderProductId)) {
                if (request[1] == kHidCmdSectionData)
                    lengths.push_back((request[2] << 8) | request[3]);
                checks += request[1] == kHidCmdLoaderChunkCrc || request[1] == kHidCmdLoaderTotalCrc ? 1 : 0;
            }
            EXPECT_EQ(lengths, c.chunks) << c.length;
            EXPECT_EQ(checks, confirmed ? static_cast<int>(c.chunks.size()) + 1 : 0);
            EXPECT_EQ(loader.sections[0], section.data);
            CloseHidHandle(&handle);
        }
    }
    sim.Install();
}

TEST_F(LoaderTest, CheckFramesCarryTheCrcLowByteFirst)
{
    AddLoader();
    const BuiltSection section = SectionOf(0, 0, 100, 4);
    ASSERT_EQ(SendLoaderSection(&channel, section.data.data(), 100, true), L"");
    const std::uint16_t first = Crc16(section.data.data(), 58);
    const std::uint16_t whole = Crc16(section.data.data(), 100);
    std::vector<std::vector<unsigned char>> checks;
    for (const auto& request : sim.Requests(kLoaderProductId)) {
        if (request[1] == kHidCmdLoaderChunkCrc || request[1] == kHidCmdLoaderTotalCrc)
            checks.push_back(request);
    }
    ASSERT_EQ(checks.size(), 3u);
    EXPECT_EQ(std::vector<unsigned char>(checks[0].begin() + 1, checks[0].begin() + 6),
              (std::vector<unsigned char>{0x5A, 0, 2, static_cast<unsigned char>(first & 0xFF),
                                          static_cast<unsigned char>(first >> 8)}));
    EXPECT_EQ(checks[2][1], 0x5B);
    EXPECT_EQ(checks[2][4] | (checks[2][5] << 8), whole);
}

TEST_F(LoaderTest, ConfirmedTransferByLoaderVersion)
{
    struct Case {
        LoaderVersion version;
        bool confirmed;
    };
    // clang-format off
    const Case cases[] = {
        {{1, 0, 2, 1}, true},
        {{1, 0, 3, 0}, true},
        {{1, 1, 0, 0}, true},
        {{2, 0, 0, 0}, true},
        {{1, 0, 1, 9}, false}, // a release candidate
        {{1, 0, 2, 0}, false},
        {{1, 0, 0, 0}, false}, // also what a failed query gives
        {{0, 9, 2, 9}, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(LoaderConfirmsChunks(c.version), c.confirmed)
            << c.version.major << "." << c.version.minor << " " << c.version.kind << " " << c.version.build;
    }
    SimHidInterface& loader = AddLoader();
    const unsigned char version[4] = {3, 4, 5, 6};
    std::copy(version, version + 4, loader.version);
    const LoaderVersion read = ReadLoaderVersion(&channel);
    EXPECT_EQ(read.major, 3);
    EXPECT_EQ(read.build, 6);
    loader.isLoader = true;
    loader.firmware.loaderVersionFails = true;
    const LoaderVersion failed = ReadLoaderVersion(&channel);
    EXPECT_EQ(failed.major, 1);
    EXPECT_EQ(failed.minor, 0);
    EXPECT_EQ(failed.kind, 0);
    EXPECT_FALSE(LoaderConfirmsChunks(failed));
}

TEST_F(LoaderTest, FailedChunkCheckSendsTheSameChunkAgain)
{
    SimHidInterface& loader = AddLoader();
    loader.firmware.failChunkChecks = 1;
    const BuiltSection section = SectionOf(0, 0, 117, 2);
    EXPECT_EQ(SendLoaderSection(&channel, section.data.data(), 117, true), L"");
    EXPECT_EQ(DataLengths(), (std::vector<int>{58, 58, 58, 1}));
    EXPECT_EQ(loader.chunkCheckFailures, 1);
    // The section check passed: the running CRC covered each chunk once.
    EXPECT_EQ(loader.sectionChecks, 1);
    EXPECT_EQ(loader.sectionCheckFailures, 0);
    EXPECT_EQ(loader.sections[0], section.data);
}

TEST_F(LoaderTest, BoundsOfTheChecks)
{
    struct Case {
        int chunkFailures;
        int sectionFailures;
        const wchar_t* tag;
        int passes;
    };
    // clang-format off
    const Case cases[] = {
        {0,  5, L"",       6},
        {0,  6, L"[10][3]", 6},
        {10, 0, L"",       1},  // the tenth resend of one chunk still counts
        {11, 0, L"[10][3]", 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        SimHidInterface& loader = bus.AddInterface(kLoaderProductId);
        loader.firmware.failChunkChecks = c.chunkFailures;
        loader.firmware.failSectionChecks = c.sectionFailures;
        HidHandle handle = OpenHidInterface(kLoaderProductId);
        HidCommandFrame start;
        start.Begin(kHidCmdStartSection, 0);
        ASSERT_TRUE(start.Send(&handle));
        const BuiltSection section = SectionOf(0, 0, 100, 1);
        EXPECT_EQ(SendLoaderSection(&handle, section.data.data(), 100, true), c.tag)
            << c.chunkFailures << "/" << c.sectionFailures;
        int sectionChecks = 0;
        for (const auto& request : bus.Requests(kLoaderProductId))
            sectionChecks += request[1] == kHidCmdLoaderTotalCrc ? 1 : 0;
        EXPECT_EQ(sectionChecks, c.passes);
        CloseHidHandle(&handle);
    }
    sim.Install();
}

TEST_F(LoaderTest, UnconfirmedFailureTags)
{
    SimHidInterface& loader = AddLoader();
    loader.firmware.failDataWriteAt = 2;
    const BuiltSection section = SectionOf(0, 0, 200, 1);
    EXPECT_EQ(SendLoaderSection(&channel, section.data.data(), 200, false), L"[9][1]");
    loader.firmware.failDataWriteAt = 0;
    loader.firmware.failDataStatusAt = loader.dataReports + 1;
    EXPECT_EQ(SendLoaderSection(&channel, section.data.data(), 200, false), L"[10][1]");
    loader.firmware.failDataStatusAt = loader.dataReports + 1;
    EXPECT_EQ(SendLoaderSection(&channel, section.data.data(), 200, true), L"[10][2]");
    loader.firmware.failDataWriteAt = 5; // counted from the first data write
    EXPECT_EQ(SendLoaderSection(&channel, section.data.data(), 200, true), L"[9][2]");
}

TEST_F(LoaderTest, LanguageNumberFromTheFileName)
{
    struct Case {
        const wchar_t* path;
        int number;
    };
    // clang-format off
    const Case cases[] = {
        {L"C:\\IMG\\fw_v2.1-kr.img", 5},
        {L"C:\\IMG\\fw_v2.1.img",    0},
        {L"C:\\IMG\\fw_v2.1_fr.img", 1},
        {L"C:\\IMG\\fw_v2.1-de.img", 2},
        {L"C:\\IMG\\fw_v2.1-xx.img", 0},
        {L"C:\\IMG\\fw-v2.1.img",    0},  // the "-" is not within the last three characters
        {L"C:\\IMG\\-kr",            5},
        {L"kr",                      0},
        {L"C:\\IMG\\-",              0},
        {L"",                        0},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(LoaderLanguageNumber(c.path), c.number) << std::wstring(c.path).c_str();
}

class LoaderWorkerTest : public LoaderTest {
protected:
    SimHidInterface& AddLoaderUnit(int model)
    {
        host.model = host.usbStatus = model;
        SimHidInterface& unit = sim.AddInterface(model);
        unit.firmware.loaderBeside = true;
        host.primary = OpenHidInterface(model);
        return unit;
    }
    void UseImage(int model, const std::vector<BuiltSection>& sections, const std::wstring& name = L"fw_v2.1-kr.img")
    {
        host.job->Lock()->m_imagePath = folder.Write(name, BuildImage(static_cast<std::uint32_t>(model), sections));
        host.job->Lock()->m_failed = 1;
    }
    WorkerTestHost host;
};

TEST_F(LoaderWorkerTest, WholeRunOnATwoStageUnit)
{
    for (bool confirmed : {true, false}) {
        SimHeadset bus;
        bus.Install();
        WorkerTestHost runHost;
        runHost.model = runHost.usbStatus = 0x3110;
        SimHidInterface& unit = bus.AddInterface(0x3110);
        unit.firmware.loaderBeside = true;
        unit.firmware.loaderVersionFails = !confirmed;
        unit.SetGroup(kHidGroupBasic, {0, 0});
        const unsigned char version[5] = {2, 1, 0, 0, 0};
        std::copy(version, version + 5, unit.version);
        runHost.primary = OpenHidInterface(0x3110);
        const std::vector<BuiltSection> sections = {SectionOf(0, 0, 1500, 1), SectionOf(2, 1, 40, 2),
                                                    SectionOf(5, 7, 300, 3)};
        runHost.job->Lock()->m_imagePath = folder.Write(L"fw_v2.1-kr.img", BuildImage(0x3110, sections));
        runHost.Run(LoaderUpdateThread);
        SCOPED_TRACE(confirmed);
        EXPECT_EQ(runHost.Job().m_state, kJobFinished);
        EXPECT_EQ(runHost.Job().m_finished, 0);
        EXPECT_EQ(runHost.Job().m_failed, 0);
        EXPECT_EQ(runHost.TimerRequests(), 1);
        EXPECT_EQ(unit.sections[0], sections[0].data);
        EXPECT_EQ(unit.sections[1], sections[1].data);
        EXPECT_EQ(unit.finishCount, 1);
        SimHidInterface* loader = bus.LoaderOf(unit);
        ASSERT_NE(loader, nullptr);
        EXPECT_EQ(loader->sections[0], sections[2].data);
        EXPECT_EQ(loader->finishCount, 1);
        EXPECT_EQ(loader->sectionChecks, confirmed ? 1 : 0);
        // Sent on the normal-mode interface: two restarts into the loader,
        // the restart request, the language (kr: 5), the version query and
        // the group 4 write of the firmware language.
        std::vector<std::vector<unsigned char>> normal = bus.Requests(0x3110);
        std::vector<int> tail;
        for (std::size_t i = 0; i < normal.size(); ++i) {
            if (normal[i][1] >= kHidCmdRestartIntoLoader || normal[i][1] == kHidCmdReadVersion ||
                normal[i][1] == kHidCmdReadGroup || normal[i][1] == kHidCmdWriteGroup)
                tail.push_back(normal[i][1]);
        }
        EXPECT_EQ(tail, (std::vector<int>{0x50, 0x52, 0x50, 0x59, 0x01, 0x03, 0x04}));
        for (const auto& request : normal) {
            if (request[1] == kHidCmdLoaderLanguage) {
                EXPECT_EQ(request[2], 5);
            }
        }
        EXPECT_EQ(bus.OpenHandleCount(), 1); // only the host's own channel stays open
    }
    sim.Install();
}

TEST_F(LoaderWorkerTest, OneSectionFirstStageFor0x3500)
{
    SimHidInterface& unit = AddLoaderUnit(0x3500);
    const std::vector<BuiltSection> sections = {SectionOf(0, 0, 100, 1), SectionOf(0, 1, 100, 2)};
    UseImage(0x3500, sections, L"fw_v2.1.img");
    host.Run(LoaderUpdateThread);
    EXPECT_EQ(host.TimerRequests(), 1);
    EXPECT_EQ(unit.sections.size(), 1u);
    EXPECT_EQ(sim.LoaderOf(unit)->sections[0], sections[1].data);
    for (const auto& request : sim.Requests(0x3500)) {
        if (request[1] == kHidCmdLoaderLanguage) {
            EXPECT_EQ(request[2], 0);
        }
    }
}

TEST_F(LoaderWorkerTest, ImagesTheRoadCannotTakeAreRefusedBeforeAnythingIsSent)
{
    struct Case {
        int model;
        std::vector<std::uint32_t> types;
    };
    const Case cases[] = {
        {0x3110, {0, 2}},    // no loader section
        {0x3500, {0}},       // no loader section
        {0x3110, {0, 1, 5}}, // a first-stage section the normal firmware cannot take
        {0x3500, {3, 0}},
    };
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        WorkerTestHost caseHost;
        caseHost.model = c.model;
        bus.AddInterface(c.model);
        caseHost.primary = OpenHidInterface(c.model);
        std::vector<BuiltSection> sections;
        for (std::uint32_t i = 0; i < c.types.size(); ++i)
            sections.push_back(SectionOf(c.types[i], i, 10, 1));
        caseHost.job->Lock()->m_imagePath =
            folder.Write(L"fw.img", BuildImage(static_cast<std::uint32_t>(c.model), sections));
        caseHost.Run(LoaderUpdateThread);
        EXPECT_EQ(caseHost.Job().StatusText(0), L"Failed to update firmware. Firmware corrupted");
        EXPECT_EQ(caseHost.Job().m_finished, 1);
        EXPECT_EQ(caseHost.Job().m_failed, 1);
        EXPECT_TRUE(bus.Requests(c.model).empty());
        EXPECT_EQ(caseHost.archiveWrites, 0);
    }
    sim.Install();
}

TEST_F(LoaderWorkerTest, FailureTags)
{
    struct Case {
        const char* name;
        void (*setUp)(SimHidInterface&);
        const wchar_t* tag;
    };
    const Case cases[] = {
        {"first section start", [](SimHidInterface& u) { u.firmware.failSectionStartAt = 1; }, L"[0]"},
        {"first data write", [](SimHidInterface& u) { u.firmware.failDataWriteAt = 1; }, L"[1]"},
        {"first data status", [](SimHidInterface& u) { u.firmware.failDataStatusAt = 1; }, L"[2]"},
        {"first section end", [](SimHidInterface& u) { u.firmware.failSectionEndAt = 2; }, L"[3]"},
        {"first finish", [](SimHidInterface& u) { u.firmware.failFinish = true; }, L"[4]"},
        {"unit does not come back after the first stage",
         [](SimHidInterface& u) {
             u.firmware.leaveAfterFinish = true;
             u.absentEnumerations = 1000;
         },
         L"[5]"},
        {"loader never comes", [](SimHidInterface& u) { u.firmware.loaderAbsentEnumerations = 1000; }, L"[7]"},
    };
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        WorkerTestHost caseHost;
        caseHost.model = 0x3110;
        SimHidInterface& unit = bus.AddInterface(0x3110);
        unit.firmware.loaderBeside = true;
        c.setUp(unit);
        caseHost.primary = OpenHidInterface(0x3110);
        caseHost.job->Lock()->m_imagePath = folder.Write(
            L"fw.img", BuildImage(0x3110, {SectionOf(0, 0, 10, 1), SectionOf(0, 1, 10, 1), SectionOf(0, 2, 10, 1)}));
        caseHost.Run(LoaderUpdateThread);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(caseHost.Job().StatusText(0), std::wstring(kFailure) + c.tag);
        EXPECT_EQ(caseHost.Job().m_finished, 1);
        EXPECT_EQ(caseHost.Job().m_failed, 1);
        EXPECT_EQ(caseHost.TimerRequests(), 0);
        // Whatever the worker opened is closed again.
        EXPECT_LE(bus.OpenHandleCount(), 1);
    }
    sim.Install();
}

} // namespace
