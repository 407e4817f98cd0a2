#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/firmware/DualChipRig.h"

namespace {

TEST_F(DualChipWorkerTest, AWholeUpdateProgramsBothChipsAndHandsOverToTheWaitTimer)
{
    UseImage();
    host.Run(DualChipUpdateThread);
    EXPECT_EQ(host.TimerRequests(), 1);
    EXPECT_EQ(host.Job().m_state, kJobTransferring);
    EXPECT_EQ(host.Job().m_failed, 0);
    EXPECT_EQ(host.Job().m_finished, 0);
    EXPECT_EQ(host.SecondChipDone(), 1);
    EXPECT_EQ(host.PageProgress(), 88);
    EXPECT_EQ(host.archiveWrites, 1);
    EXPECT_EQ(host.textsAtArchive, L"On updating firmware. about to make backup firmware[9]");
    EXPECT_EQ(host.Job().StatusText(0), L"On updating firmware.");
    // The microcontroller got its own image from the work file, on the port found.
    ASSERT_EQ(host.commandLines.size(), 1u);
    EXPECT_EQ(host.commandLines[0], FlashLoaderCommandLine(host.folder, 4));
    EXPECT_EQ(host.controllerFileAtLoader, std::string(sections[1].data.begin(), sections[1].data.end()));
    // The Bluetooth image went to both interfaces, each finished once.
    EXPECT_EQ(a->sections[kBluetoothId], sections[0].data);
    EXPECT_EQ(b->sections[kBluetoothId], sections[0].data);
    EXPECT_EQ(a->finishCount, 1);
    EXPECT_EQ(b->finishCount, 1);
    EXPECT_FALSE(WorkFileExists(kDualChipBluetoothWorkFile));
    EXPECT_FALSE(WorkFileExists(kDualChipControllerWorkFile));
    const std::vector<int> expected = {0x30, 0x32, 0x33, 0x30, 0x32, 0x34, 5, 6, 6, 6, 7, 8, 0x30};
    EXPECT_EQ(Commands(kTwoChipProductIdA), expected);
    EXPECT_FALSE(DualChipWorkerRunning());
}

TEST_F(DualChipWorkerTest, TheInterfaceQueryChoosesTheControlSlot)
{
    struct Case {
        unsigned char first;
        unsigned char second;
        int previous;
        int control;
    };
    const Case cases[] = {
        {0, 1, 0, 1},               // only slot 1 answers: it takes 0x33 and 0x34
        {1, 1, 0, 1},               // both: slot 1
        {1, 0, 1, 0}, {0, 0, 0, 0}, // neither: the slot of program start
        {0, 0, 1, 1},               // neither: the slot the last run found
    };
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        SimHidInterface& first = bus.AddInterface(kTwoChipProductIdA);
        SimHidInterface& second = bus.AddInterface(kTwoChipProductIdB);
        ResetDualChipPairForTests();
        if (c.previous == 1) {
            // A run that found slot 1 and then failed at the microcontroller.
            first.knobs.readyFlag = 0;
            second.knobs.readyFlag = 1;
            host.lookup = ComPortLookup::kOpenFailed;
            UseImage();
            host.Run(DualChipUpdateThread);
            host.lookup = ComPortLookup::kFound;
        }
        first.knobs.readyFlag = c.first;
        second.knobs.readyFlag = c.second;
        bus.ClearLog();
        host.job->Lock()->m_finished = 0;
        UseImage();
        host.Run(DualChipUpdateThread);
        EXPECT_EQ(DualChipControlIndex(), c.control) << int(c.first) << int(c.second) << c.previous;
        const int controlId = c.control == 0 ? kTwoChipProductIdA : kTwoChipProductIdB;
        const int otherId = c.control == 0 ? kTwoChipProductIdB : kTwoChipProductIdA;
        int step3 = 0, step4 = 0, wrongSlot = 0;
        for (const auto& r : bus.Requests(controlId)) {
            step3 += r[1] == 0x33;
            step4 += r[1] == 0x34;
        }
        for (const auto& r : bus.Requests(otherId))
            wrongSlot += r[1] == 0x33 || r[1] == 0x34;
        EXPECT_EQ(step3, 1);
        EXPECT_EQ(step4, 1);
        EXPECT_EQ(wrongSlot, 0);
        ResetDualChipPairForTests();
    }
    sim.Install();
}

TEST_F(DualChipWorkerTest, EachFailureEndsWithItsTagAndLeavesNoWorkFile)
{
    struct Case {
        const char* what;
        std::function<void(DualChipWorkerTest&)> arrange;
        int tag;
        int secondChipDone;
    };
    auto failOn = [](SimHidInterface* unit, int command, int parameter) {
        unit->knobs.byRequest[{command, parameter}].failWrite = true;
    };
    const Case cases[] = {
        {"one interface only", [](DualChipWorkerTest&) {}, 16, 0},
        {"0x33 refused", [&](DualChipWorkerTest& t) { failOn(t.a, 0x33, 0); }, 21, 0},
        {"no FTDI device", [](DualChipWorkerTest& t) { t.host.lookup = ComPortLookup::kOpenFailed; }, 24, 0},
        {"no port answer", [](DualChipWorkerTest& t) { t.host.lookup = ComPortLookup::kQueryFailed; }, 23, 0},
        {"lower case", [](DualChipWorkerTest& t) { t.host.loaderLog = L"[SUCCESS]\r\ndownloading\r\n"; }, 25, 0},
        {"no loader", [](DualChipWorkerTest& t) { t.host.loaderLog = L"[FAIL]\r\n"; }, 25, 0},
        {"0x30 slot 0 after", [&](DualChipWorkerTest& t) { failOn(t.a, 0x30, 0); }, 27, 1},
        {"0x30 slot 1 after", [&](DualChipWorkerTest& t) { failOn(t.b, 0x30, 0); }, 28, 1},
        {"section start", [](DualChipWorkerTest& t) { t.b->firmware.failSectionStartAt = 1; }, 29, 1},
        {"data write", [](DualChipWorkerTest& t) { t.a->firmware.failDataWriteAt = 2; }, 30, 1},
        {"data status", [](DualChipWorkerTest& t) { t.b->firmware.failDataStatusAt = 3; }, 31, 1},
        {"section end", [](DualChipWorkerTest& t) { t.a->firmware.failSectionEndAt = 1; }, 32, 1},
        {"finish slot 0", [](DualChipWorkerTest& t) { t.a->firmware.failFinish = true; }, 33, 1},
        {"finish slot 1", [](DualChipWorkerTest& t) { t.b->firmware.failFinish = true; }, 34, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimHeadset bus;
        bus.Install();
        DualChipWorkerTest& t = *this;
        a = &bus.AddInterface(kTwoChipProductIdA);
        b = &bus.AddInterface(kTwoChipProductIdB);
        a->knobs.readyFlag = 0;
        b->knobs.readyFlag = 0;
        host.lookup = ComPortLookup::kFound;
        host.loaderLog = L"[SUCCESS]\r\nDOWNLOADING\r\n";
        host.job->Lock()->m_finished = 0;
        host.ResetTimerRequests();
        ResetDualChipPairForTests();
        if (std::string(c.what) == "one interface only") {
            // The unit shows only its first interface.
            bus.Unplug(0);
            a = &bus.AddInterface(kTwoChipProductIdA, 1);
        } else {
            c.arrange(t);
        }
        UseImage();
        host.Run(DualChipUpdateThread);
        EXPECT_EQ(host.Job().StatusText(0), StatusFailure(c.tag));
        EXPECT_EQ(host.Job().m_failed, 1);
        EXPECT_EQ(host.Job().m_finished, 1);
        EXPECT_EQ(host.Job().m_state, kJobTransferring);
        EXPECT_EQ(host.TimerRequests(), 0);
        EXPECT_EQ(host.SecondChipDone(), c.secondChipDone);
        EXPECT_FALSE(WorkFileExists(kDualChipBluetoothWorkFile));
        EXPECT_FALSE(WorkFileExists(kDualChipControllerWorkFile));
        ResetDualChipPairForTests();
    }
    sim.Install();
}

TEST_F(DualChipWorkerTest, AUnitThatNeverComesBackAfterTheFinishEndsWithTag35)
{
    // The last finish restarts the unit, which then stays away.
    b->firmware.leaveAfterFinish = true;
    a->absentEnumerations = 1000;
    b->absentEnumerations = 1000;
    UseImage();
    host.Run(DualChipUpdateThread);
    EXPECT_EQ(host.Job().StatusText(0), StatusFailure(35));
    EXPECT_EQ(a->finishCount, 1);
    EXPECT_EQ(b->finishCount, 1);
    EXPECT_EQ(host.TimerRequests(), 0);
}

TEST_F(DualChipWorkerTest, PackagesRefusedBeforeAnyWorkFileOrRequest)
{
    struct Case {
        const char* what;
        int model;
        int corruptEntry; // -1: none
        int sectionCount;
        int tag;
        int state;
    };
    const Case cases[] = {
        {"another model's package", 0x5346, -1, 2, 6, kJobImageRead},
        {"entry 1's digest wrong", kTwoChipProductIdA, 1, 2, 8, kJobImageRead},
        {"only one image", kTwoChipProductIdA, -1, 1, 7, kJobImageRead},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sections = {SectionOf(0, kBluetoothId, 500, 1), SectionOf(1, 0x22, 300, 2)};
        sections.resize(static_cast<std::size_t>(c.sectionCount));
        image = BuildImage(static_cast<std::uint32_t>(c.model), sections);
        if (c.corruptEntry >= 0)
            image[image.size() - 1] ^= 0xFF; // the last section's last byte
        WriteImage();
        host.archiveWrites = 0;
        sim.ClearLog();
        host.Run(DualChipUpdateThread);
        EXPECT_EQ(host.Job().StatusText(0),
                  L"Failed to update firmware. Firmware corrupted[" + std::to_wstring(c.tag) + L"]");
        EXPECT_EQ(host.Job().m_state, c.state);
        EXPECT_EQ(host.Job().m_finished, 1);
        EXPECT_EQ(host.archiveWrites, 0);
        EXPECT_EQ(sim.CountLog(SimLogKind::Write), 0);
        EXPECT_FALSE(WorkFileExists(kDualChipBluetoothWorkFile));
        EXPECT_FALSE(WorkFileExists(kDualChipControllerWorkFile));
    }
}

TEST_F(DualChipWorkerTest, SectionLengthsAroundOneDataReport)
{
    struct Case {
        std::size_t bytes;
        int dataReports;
    };
    const Case cases[] = {{1019, 1}, {1020, 2}, {0, 0}};
    for (const Case& c : cases) {
        SimHeadset bus;
        bus.Install();
        a = &bus.AddInterface(kTwoChipProductIdA);
        b = &bus.AddInterface(kTwoChipProductIdB);
        ResetDualChipPairForTests();
        host.job->Lock()->m_finished = 0;
        UseImage(c.bytes);
        host.Run(DualChipUpdateThread);
        EXPECT_EQ(a->dataReports, c.dataReports) << c.bytes;
        EXPECT_EQ(b->dataReports, c.dataReports) << c.bytes;
        EXPECT_EQ(a->sectionStarts, 1);
        EXPECT_EQ(b->sectionEnds, 1);
        ResetDualChipPairForTests();
    }
    sim.Install();
}

TEST_F(DualChipWorkerTest, OnTheRestorePageNoArchiveAndTheMilestonesStillReachTheUpdatePage)
{
    host.page = 4;
    host.job = host.restoreJob; // the restore page's job is the one driven
    host.lookup = ComPortLookup::kQueryFailed;
    UseImage();
    host.Run(DualChipUpdateThread);
    EXPECT_EQ(host.archiveWrites, 0);
    EXPECT_EQ(host.Job().StatusText(0), L"Failed to restore firmware. Cannot get status[23]");

    host.lookup = ComPortLookup::kFound;
    host.job->Lock()->m_finished = 0;
    host.updateJob->Lock()->m_progress = 80;
    host.Run(DualChipUpdateThread);
    EXPECT_EQ(host.archiveWrites, 0);
    EXPECT_EQ(host.RestoreSecondChipDone(), 1);
    EXPECT_EQ(host.PageProgress(), 88);
    EXPECT_EQ(host.TimerRequests(), 1);
}

TEST_F(DualChipWorkerTest, AJobGivenUpDuringTheLoaderIsLeftQuietly)
{
    UseImage();
    bool runningMeanwhile = false;
    host.duringLoader = [&] {
        // The progress timer's watchdog ends the job while the loader runs.
        host.job->Lock()->m_finished = 1;
        host.job->Lock()->m_failed = 1;
        host.job->Lock()->SetStatusText(0, L"watchdog");
        runningMeanwhile = DualChipWorkerRunning();
    };
    host.Run(DualChipUpdateThread);
    EXPECT_TRUE(runningMeanwhile);
    EXPECT_FALSE(DualChipWorkerRunning());
    EXPECT_EQ(host.Job().StatusText(0), L"watchdog");
    EXPECT_EQ(host.TimerRequests(), 0);
    EXPECT_EQ(a->finishCount, 0);
    for (int command : Commands(kTwoChipProductIdA))
        EXPECT_NE(command, 0x34);
    EXPECT_FALSE(WorkFileExists(kDualChipBluetoothWorkFile));
    EXPECT_FALSE(WorkFileExists(kDualChipControllerWorkFile));
}

TEST_F(DualChipWorkerTest, TheSecondChipMarkStartsAtZero)
{
    host.job->Lock()->m_spare = 1;
    host.lookup = ComPortLookup::kOpenFailed;
    UseImage();
    host.Run(DualChipUpdateThread);
    EXPECT_EQ(host.SecondChipDone(), 0);
}

} // namespace
