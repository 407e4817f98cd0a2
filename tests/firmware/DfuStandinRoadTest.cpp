// The DFU sequence over the library stand-in and the simulated chip: real
// engine threads calling back while the test takes one item per message.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "device/FirmwareInfo.h"
#include "firmware/FirmwareJob.h"
#include "firmware/DfuSequence.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/ImageHeaderCheck.h"
#include "link/DfuEngineLibrary.h"
#include "sim/SimDfuChip.h"
#include "tests/firmware/TempFiles.h"

namespace {

class Popup final : public FirmwarePopup {
public:
    void DestroyPopupWindow() override {}
};

class StandinHost final : public DfuSequenceHost {
public:
    std::shared_ptr<FirmwareJob> job = std::make_shared<FirmwareJob>();
    int model = 0x4D10;
    int usbStatus = 0xA010;
    std::atomic<int> posts{0};
    // When set, an engine thread that posts waits (within a bound) until the
    // test has taken the item, as a quick page would: no progress is dropped
    // however loaded the machine is.
    bool paced = false;
    std::mutex takenLock;
    std::condition_variable takenWake;
    int taken = 0;
    int timerArms = 0;
    std::vector<DfuPopup> popups;
    std::uint64_t now = 1000;

    FirmwareJob& Job() override { return *job; }
    FirmwareInfo Record() const { return job->Snapshot(); }
    int Page() override { return 3; }
    int UsbStatus() override { return usbStatus; }
    int ModelCode() override { return model; }
    void OpenPopup(DfuPopup popup) override
    {
        popups.push_back(popup);
        job->SetPopup(std::make_unique<Popup>());
    }
    void ArmWaitTimer() override { ++timerArms; }
    void PostCallbackMessage() override
    {
        const int posted = ++posts;
        if (!paced)
            return;
        std::unique_lock<std::mutex> lock(takenLock);
        takenWake.wait_for(lock, std::chrono::seconds(2), [&] { return taken >= posted; });
    }
    void Took()
    {
        {
            std::lock_guard<std::mutex> lock(takenLock);
            ++taken;
        }
        takenWake.notify_all();
    }
    void Wait(int) override {}
    std::uint64_t NowMs() override { return now; }
};

class DfuStandinRoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chip.Attach();
        host.job->Lock()->m_imagePath = L"C:\\IMG\\Vel8.dfu";
    }
    void TearDown() override
    {
        sequence.EndJob();
        chip.Detach();
    }

    // Hands each posted message to the sequence, as the page's message loop
    // does, until done holds or the engines have been quiet for a while.
    void RunMessages(const std::function<bool()>& done)
    {
        int taken = 0;
        auto quietSince = std::chrono::steady_clock::now();
        while (!done()) {
            if (taken < host.posts.load()) {
                ++taken;
                sequence.HandleNextCallback();
                host.Took();
                quietSince = std::chrono::steady_clock::now();
                continue;
            }
            if (std::chrono::steady_clock::now() - quietSince > std::chrono::seconds(5))
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    SimDfuChip chip;
    StandinHost host;
    DFUEngine engineA;
    DFUEngine engineB;
    DfuLibraryEngines engines{engineA, engineB};
    DfuSequence sequence{host, engines};
};

TEST_F(DfuStandinRoadTest, ThreeStepsToTheRestartAndTheChipComesBack)
{
    SimDfuDevice& unit = chip.AddDevice(0xA010);
    unit.plans[1].transferRepeat = 200; // many progress events
    host.paced = true;
    unit.plans[1].delayMs = 1;
    std::vector<int> returned;
    chip.onBackInNormalMode = [&](const SimDfuDevice& device, int oldId) { returned = {oldId, device.productId}; };
    sequence.ResetForUpdate();
    sequence.StartDfu();
    ASSERT_EQ(sequence.m_activeEngine, 1);
    RunMessages([&] { return host.timerArms > 0 || host.Record().m_finished != 0; });
    EXPECT_EQ(host.timerArms, 1) << ::testing::PrintToString(chip.PlannedSteps()) << " " << host.posts.load();
    EXPECT_EQ(host.Record().m_finished, 0);
    EXPECT_EQ(host.Record().m_state, kJobFinished);
    EXPECT_EQ(sequence.m_restartPending, 1);
    EXPECT_EQ(chip.PlannedSteps(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(returned, (std::vector<int>{0xA010, 0x2010}));
    EXPECT_EQ(unit.productId, 0x2010);
    EXPECT_NE(std::wstring(chip.DevicePath(0)).find(L"PID_2010"), std::wstring::npos);
    // A unit recognised in DFU mode gets the popup only after 20 transfer events.
    EXPECT_EQ(host.popups.size(), 2u);
}

TEST_F(DfuStandinRoadTest, TwoDevicesOfASingleChipUnitBindBothEnginesAndFailTheCount)
{
    chip.AddDevice(0xA010);
    chip.AddDevice(0xA011);
    sequence.ResetForUpdate();
    sequence.StartDfu();
    EXPECT_EQ(host.Record().StatusText(0), L"Failed to update firmware. USB not match(2)");
    EXPECT_EQ(sequence.m_engineBCreated, 1);
}

TEST_F(DfuStandinRoadTest, EngineBRetryAfterCode7OnAnUnboundEngine)
{
    // A single unit whose reconfigure fails with code 7: engine B is tried,
    // but it was never bound, so the library refuses its start and the job
    // ends.
    SimDfuDevice& unit = chip.AddDevice(0xA010);
    unit.plans[0].resultCode = 7;
    sequence.ResetForUpdate();
    sequence.StartDfu();
    RunMessages([&] { return host.Record().m_finished != 0; });
    EXPECT_EQ(host.Record().StatusText(0), L"Failed to update firmware. Cannot get device");
    EXPECT_EQ(host.Record().m_failed, 1);
}

TEST_F(DfuStandinRoadTest, FailedDownloadEndsTheJob)
{
    SimDfuDevice& unit = chip.AddDevice(0xA010);
    unit.plans[1].resultCode = 1;
    sequence.ResetForUpdate();
    sequence.StartDfu();
    RunMessages([&] { return host.Record().m_finished != 0; });
    EXPECT_EQ(host.Record().m_failed, 1);
    EXPECT_EQ(host.Record().StatusText(0), L"Failed to update firmware. Cannot update firmware");
    EXPECT_EQ(chip.PlannedSteps(), (std::vector<int>{0, 1}));
}

TEST_F(DfuStandinRoadTest, SilentEngineEndsTheJob)
{
    SimDfuDevice& unit = chip.AddDevice(0xA010);
    unit.plans[1].silent = true;
    sequence.ResetForUpdate();
    sequence.StartDfu();
    RunMessages([&] { return chip.PlannedSteps().size() == 2; });
    EXPECT_FALSE(sequence.CheckSilentEngine());
    host.now += kDfuSilentEngineMs;
    EXPECT_TRUE(sequence.CheckSilentEngine());
    EXPECT_EQ(host.Record().m_failed, 1);
    EXPECT_EQ(host.Record().m_finished, 1);
}

TEST_F(DfuStandinRoadTest, CallbacksAfterTheEndAreIgnored)
{
    SimDfuDevice& unit = chip.AddDevice(0xA010);
    unit.plans[0].transferRepeat = 50;
    unit.plans[0].delayMs = 1;
    DFUEngineSetDestroyWaitForTests(1);
    sequence.ResetForUpdate();
    sequence.StartDfu();
    while (host.posts.load() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    sequence.EndJob();
    const int postsAtEnd = host.posts.load();
    for (int i = 0; i < postsAtEnd + 100; ++i)
        sequence.HandleNextCallback();
    EXPECT_EQ(chip.PlannedSteps(), std::vector<int>{0});
    EXPECT_EQ(host.Record().m_state, 0);
    EXPECT_TRUE(host.popups.empty());
    DFUEngineSetDestroyWaitForTests(0);
}

} // namespace

namespace {

// The partner conversion through the library stand-in: the unit's identity
// keys rewritten in order over BCCMD.
TEST(PartnerConversionOnTheStandin, RewritesTheIdentityKeysOfAUnitInTheBatch)
{
    SimDfuChip chip;
    SimDfuDevice& unit = chip.AddDevice(0x2020);
    // Address text from bytes 0, 3 and 2: "333000", inside the batch range.
    unit.keys[1] = {0x33, 0x00, 0x00, 0x30, 0x00, 0x00, 0x00, 0x00};
    chip.Attach();
    TempFolder folder;
    std::vector<std::uint8_t> header(kImageHeaderCheckBytes, 0);
    const std::string text = "IV_Orn8#5011";
    std::copy(text.begin(), text.end(), header.begin() + kImageHeaderTextOffset);
    const std::wstring image = folder.Write(L"iv.dfu", header);
    {
        DfuEngineLibrary library;
        EXPECT_EQ(CheckImageHeaderFile(image, 0x5060, 0x5060, &library), 1);
    }
    std::vector<int> written;
    for (const SimDfuKeyAccess& access : chip.Log()) {
        if (access.set && access.ok)
            written.push_back(access.key);
    }
    EXPECT_EQ(written, (std::vector<int>{675, 703, 715, 706}));
    EXPECT_EQ(unit.KeyWords(675), std::vector<std::uint16_t>{0x5011});
    EXPECT_EQ(unit.KeyWords(715), std::vector<std::uint16_t>{0xD011});
    EXPECT_EQ(unit.KeyWords(706).size(), 16u);
    EXPECT_EQ(unit.KeyWords(706)[0], 'T');

    // Outside the batch nothing is written and the image is refused.
    unit.keys[1] = {0x11, 0x00, 0x00, 0x30, 0x00, 0x00, 0x00, 0x00};
    chip.ClearLog();
    {
        DfuEngineLibrary library;
        EXPECT_EQ(CheckImageHeaderFile(image, 0x5060, 0x5060, &library), 0);
    }
    for (const SimDfuKeyAccess& access : chip.Log())
        EXPECT_FALSE(access.set);
    chip.Detach();
}

} // namespace
