#include "firmware/DfuSequence.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "device/FirmwareInfo.h"
#include "firmware/FirmwareJob.h"
#include "link/MakerUsb.h"

namespace {

class CountedPopup final : public FirmwarePopup {
public:
    explicit CountedPopup(int* destroyed) : m_destroyed(destroyed) {}
    void DestroyPopupWindow() override { ++*m_destroyed; }

private:
    int* m_destroyed;
};

class FakeHost final : public DfuSequenceHost {
public:
    std::shared_ptr<FirmwareJob> job = std::make_shared<FirmwareJob>();
    int page = 3;
    int usbStatus = 0x2010;
    int model = 0x4D10;
    std::vector<DfuPopup> popups;
    int popupsDestroyed = 0;
    int timerArms = 0;
    std::atomic<int> posts{0};
    std::vector<int> waits;
    std::uint64_t now = 5000;

    FirmwareJob& Job() override { return *job; }
    FirmwareInfo Record() const { return job->Snapshot(); }
    int Page() override { return page; }
    int UsbStatus() override { return usbStatus; }
    int ModelCode() override { return model; }
    void OpenPopup(DfuPopup popup) override
    {
        popups.push_back(popup);
        job->SetPopup(std::make_unique<CountedPopup>(&popupsDestroyed));
    }
    void ArmWaitTimer() override { ++timerArms; }
    void PostCallbackMessage() override { ++posts; }
    void Wait(int milliseconds) override { waits.push_back(milliseconds); }
    std::uint64_t NowMs() override { return now; }
};

class FakeEngines final : public DfuEngineDriver {
public:
    struct Device {
        std::wstring name;
        int vendor;
        int product;
    };
    std::vector<Device> devices;
    int emptyQueries = 0; // the first n queries find nothing
    int queries = 0;
    std::vector<std::pair<int, std::wstring>> binds;
    std::vector<std::string> starts; // "A:reconfigure" ...
    bool startResult[2][3] = {{true, true, true}, {true, true, true}};
    std::vector<int> destroyed;

    int GetUsbDeviceNames(std::vector<std::wstring>& names) override
    {
        if (++queries <= emptyQueries || devices.empty())
            return 0;
        for (const Device& d : devices)
            names.push_back(d.name);
        return 1;
    }
    std::wstring PathInternal(const std::wstring& name) override
    {
        for (const Device& d : devices) {
            if (d.name == name) {
                wchar_t text[80];
                std::swprintf(text, 80, L"\\\\?\\usb#vid_%04x&pid_%04x#%ls", d.vendor, d.product, name.c_str());
                return text;
            }
        }
        return L"";
    }
    void Bind(int engine, const std::wstring& deviceName, DFUEngine::Callback* callback) override
    {
        binds.emplace_back(engine, deviceName);
    }
    bool Start(int engine, int step, const char* what)
    {
        starts.push_back(std::string(engine == 0 ? "A:" : "B:") + what);
        return startResult[engine][step];
    }
    bool StartReconfigure(int engine, const std::wstring&) override { return Start(engine, 0, "reconfigure"); }
    bool StartDownload(int engine, const std::wstring&) override { return Start(engine, 1, "download"); }
    bool StartManifest(int engine) override { return Start(engine, 2, "manifest"); }
    void Destroy(int engine) override { destroyed.push_back(engine); }
};

DFUEngine::Status StatusOf(int step, int code = 0, int activity = 0)
{
    DFUEngine::Status status;
    status.step = step;
    status.result = DFUEngine::Result(code);
    status.activity = activity;
    return status;
}

DFUEngine::Status Activity(int activity)
{
    return StatusOf(0, 0, activity);
}

class DfuSequenceTest : public ::testing::Test {
protected:
    FakeHost host;
    FakeEngines engines;
    DfuSequence sequence{host, engines};

    void AddDevices(std::initializer_list<int> products)
    {
        int i = 0;
        for (int product : products)
            engines.devices.push_back({L"dev" + std::to_wstring(i++), kMakerUsbVendorId, product});
    }
    void Start()
    {
        host.job->Lock()->m_imagePath = L"C:\\IMG\\image.dfu";
        sequence.ResetForUpdate();
        sequence.StartDfu();
    }
    // Hands every queued item to the handler, one per message.
    int Drain()
    {
        int handled = 0;
        while (sequence.QueuedItems() > 0) {
            sequence.HandleNextCallback();
            ++handled;
        }
        return handled;
    }
};

TEST_F(DfuSequenceTest, StartBindsEngineAAndStartsItsReconfigure)
{
    AddDevices({0x2010});
    Start();
    EXPECT_EQ(host.waits, std::vector<int>{3000});
    ASSERT_EQ(engines.binds.size(), 1u);
    EXPECT_EQ(engines.binds[0].first, kDfuEngineA);
    EXPECT_EQ(engines.starts, std::vector<std::string>{"A:reconfigure"});
    EXPECT_EQ(sequence.m_activeEngine, 1);
    EXPECT_EQ(sequence.m_engineACreated, 1);
    EXPECT_EQ(host.Record().m_finished, 0);
}

struct CountCase {
    int model;
    std::vector<int> products;
    const wchar_t* text; // nullptr: the start succeeds
    int binds;
};

TEST_F(DfuSequenceTest, MatchingDeviceCountsAndTheirBindings)
{
    // clang-format off
    const CountCase cases[] = {
        {0x4D10, {0x2010},                 nullptr, 1},
        {0x4D10, {0xA011},                 nullptr, 1},
        {0x4D10, {0x2010, 0x2011},         L"Failed to update firmware. USB not match(2)", 2},
        {0x4D10, {0x2010, 0x2011, 0x2020}, L"Failed to update firmware. USB not match(3)", 2},
        {0x4D10, {0x2030},                 L"Failed to update firmware. USB not match(0)", 0},
        {0x5310, {0x2010},                 L"Failed to update firmware. USB not match(1)", 1},
        {0x5310, {0x2010, 0xA010},         nullptr, 2},
        {0x5310, {0x2010, 0xA010, 0x2011}, L"Failed to update firmware. USB not match(3)", 2},
    };
    // clang-format on
    for (const CountCase& c : cases) {
        FakeHost caseHost;
        FakeEngines caseEngines;
        caseHost.model = c.model;
        int i = 0;
        for (int product : c.products)
            caseEngines.devices.push_back({L"dev" + std::to_wstring(i++), kMakerUsbVendorId, product});
        // Another vendor's unit of a family id is never counted.
        caseEngines.devices.push_back({L"foreign", 0x1234, 0x2010});
        DfuSequence caseSequence(caseHost, caseEngines);
        caseSequence.StartDfu();
        SCOPED_TRACE(std::to_string(c.model) + " with " + std::to_string(c.products.size()));
        EXPECT_EQ(static_cast<int>(caseEngines.binds.size()), c.binds);
        if (c.binds >= 2) {
            EXPECT_EQ(caseEngines.binds[1].first, kDfuEngineB);
            EXPECT_EQ(caseEngines.binds[1].second, L"dev1"); // never rebound by a third unit
        }
        if (c.text == nullptr) {
            EXPECT_EQ(caseSequence.m_activeEngine, 1);
            EXPECT_EQ(caseHost.Record().m_finished, 0);
        } else {
            EXPECT_EQ(caseHost.Record().StatusText(0), c.text);
            EXPECT_EQ(caseHost.Record().m_failed, 1);
            EXPECT_EQ(caseHost.Record().m_finished, 1);
            EXPECT_EQ(caseSequence.m_activeEngine, 0);
            // Engines bound before the failure are released at the end of the job.
            caseSequence.EndJob();
            EXPECT_EQ(static_cast<int>(caseEngines.destroyed.size()), c.binds);
        }
    }
}

TEST_F(DfuSequenceTest, DeviceQueryFailuresAndTheLongWait)
{
    struct Case {
        int model;
        int emptyQueries;
        bool reconfigureStarts;
        const wchar_t* text;
        int queries;
    };
    // clang-format off
    const Case cases[] = {
        {0x4D10, 1,   true,  L"Failed to update firmware. Cannot get device[8][2]", 1},
        {0x6020, 600, true,  L"Failed to update firmware. Cannot get device[8][0]", 600},
        {0x6022, 599, true,  nullptr,                                               600},
        {0x6024, 4,   false, L"Failed to update firmware. Cannot get device[8][1]", 5},
        {0x4D10, 0,   false, L"Failed to update firmware. Cannot get device[8][3]", 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        FakeHost caseHost;
        FakeEngines caseEngines;
        caseHost.model = c.model;
        caseEngines.devices.push_back({L"dev0", kMakerUsbVendorId, 0x2010});
        caseEngines.emptyQueries = c.emptyQueries;
        caseEngines.startResult[0][0] = c.reconfigureStarts;
        DfuSequence caseSequence(caseHost, caseEngines);
        caseSequence.StartDfu();
        SCOPED_TRACE(c.model);
        EXPECT_EQ(caseEngines.queries, c.queries);
        // 3 s first, then a second after each query that found nothing.
        ASSERT_FALSE(caseHost.waits.empty());
        EXPECT_EQ(caseHost.waits[0], 3000);
        const int pauses = c.model >= 0x6020 && c.model <= 0x6024 ? std::min(c.emptyQueries, 600) : 0;
        EXPECT_EQ(static_cast<int>(caseHost.waits.size()), 1 + pauses);
        if (c.text == nullptr) {
            EXPECT_EQ(caseSequence.m_activeEngine, 1);
        } else {
            EXPECT_EQ(caseHost.Record().StatusText(0), c.text);
            EXPECT_EQ(caseHost.Record().m_finished, 1);
        }
    }
}

TEST_F(DfuSequenceTest, ProgressIsDroppedWhileAnItemWaits)
{
    AddDevices({0x2010});
    Start();
    sequence.Complete(0, StatusOf(3));
    for (int i = 0; i < 50; ++i)
        sequence.Progress(0, Activity(16));
    EXPECT_EQ(sequence.QueuedItems(), 1u);
    EXPECT_EQ(host.posts.load(), 1);
    // Only the Complete is handled: the download starts, no transfer state.
    EXPECT_EQ(Drain(), 1);
    EXPECT_EQ(engines.starts, (std::vector<std::string>{"A:reconfigure", "A:download"}));
    EXPECT_NE(host.Record().m_state, kJobTransferring);
}

TEST_F(DfuSequenceTest, NotifyComesBackOnceAsProgressOrIsDropped)
{
    AddDevices({0x2010});
    Start();
    sequence.Notify(0, Activity(16));
    EXPECT_EQ(sequence.QueuedItems(), 1u);
    sequence.HandleNextCallback(); // the queue is empty now: it comes back as a progress item
    EXPECT_EQ(sequence.QueuedItems(), 1u);
    EXPECT_EQ(host.Record().m_state, 0);
    sequence.HandleNextCallback();
    EXPECT_EQ(sequence.QueuedItems(), 0u);
    EXPECT_EQ(host.Record().m_state, kJobTransferring);
    EXPECT_EQ(host.posts.load(), 2);

    // With another item waiting, a Notify handled is dropped.
    sequence.Notify(0, Activity(18));
    sequence.Notify(0, Activity(19));
    sequence.HandleNextCallback();
    EXPECT_EQ(sequence.QueuedItems(), 1u);
    sequence.HandleNextCallback(); // activity 19 comes back as progress
    sequence.HandleNextCallback();
    EXPECT_EQ(sequence.QueuedItems(), 0u);
    EXPECT_EQ(sequence.m_restartPending, 0); // 18 never acted on
    EXPECT_EQ(host.timerArms, 1);
    // A message that finds the queue empty does nothing.
    sequence.HandleNextCallback();
}

struct ActivityCase {
    const char* name;
    int model;
    int usbStatus;
    int events; // activity-16 events
    std::vector<DfuPopup> expected;
};

TEST_F(DfuSequenceTest, TransferActivityPopupRules)
{
    // clang-format off
    const ActivityCase cases[] = {
        {"normal mode, first event",     0x4D10, 0x2010, 1,  {DfuPopup::kHoldButton}},
        {"normal mode, popup stays one", 0x4D10, 0x2010, 30, {DfuPopup::kHoldButton}},
        {"DFU mode, 20 events",          0x4D10, 0xA010, 20, {}},
        {"DFU mode, 21 events",          0x4D10, 0xA010, 21, {DfuPopup::kHoldButton}},
        {"no-popup model",               0x3010, 0x2010, 50, {}},
        {"no-popup model in DFU mode",   0x6020, 0xA010, 50, {}},
    };
    // clang-format on
    for (const ActivityCase& c : cases) {
        FakeHost caseHost;
        FakeEngines caseEngines;
        caseHost.model = c.model;
        caseHost.usbStatus = c.usbStatus;
        caseEngines.devices.push_back({L"dev0", kMakerUsbVendorId, 0x2010});
        DfuSequence caseSequence(caseHost, caseEngines);
        caseSequence.ResetForUpdate();
        caseSequence.StartDfu();
        caseHost.job->Lock()->m_counters[0] = 7;
        caseHost.job->Lock()->m_counters[1] = 9;
        for (int i = 0; i < c.events; ++i) {
            caseSequence.Progress(0, Activity(16));
            caseSequence.HandleNextCallback();
        }
        SCOPED_TRACE(c.name);
        EXPECT_EQ(caseHost.popups, c.expected);
        EXPECT_EQ(caseHost.Record().m_state, kJobTransferring);
        EXPECT_EQ(caseHost.Record().m_counters[0], 0);
        EXPECT_EQ(caseHost.Record().m_counters[1], 0);
    }
}

TEST_F(DfuSequenceTest, TransferEndRestartAndReconnectActivities)
{
    AddDevices({0x2010});
    Start();
    sequence.Progress(0, Activity(16));
    sequence.HandleNextCallback();
    ASSERT_TRUE(host.job->HasPopup());
    sequence.Progress(0, Activity(17));
    sequence.HandleNextCallback();
    EXPECT_FALSE(host.job->HasPopup());
    EXPECT_EQ(host.popupsDestroyed, 1);

    sequence.Progress(0, Activity(18));
    sequence.HandleNextCallback();
    EXPECT_EQ(sequence.m_restartPending, 1);
    EXPECT_EQ(host.Record().m_state, kJobFinished);
    ASSERT_EQ(host.popups.size(), 2u);
    EXPECT_EQ(host.popups[1], DfuPopup::kHoldTwoButtons);

    sequence.Progress(0, Activity(19));
    sequence.HandleNextCallback();
    EXPECT_EQ(host.timerArms, 1);
}

TEST_F(DfuSequenceTest, TransferEndLeavesTheTwoChipModelsPopupOpen)
{
    host.model = 0x5310;
    AddDevices({0x2010, 0x2011});
    Start();
    host.job->SetPopup(std::make_unique<CountedPopup>(&host.popupsDestroyed));
    sequence.Progress(0, Activity(17));
    sequence.HandleNextCallback();
    EXPECT_TRUE(host.job->HasPopup());
}

TEST_F(DfuSequenceTest, StepsFollowEachOtherOnTheEngineInUse)
{
    AddDevices({0x2010});
    Start();
    sequence.Complete(0, StatusOf(3));
    Drain();
    sequence.Complete(0, StatusOf(4));
    Drain();
    EXPECT_EQ(engines.starts, (std::vector<std::string>{"A:reconfigure", "A:download", "A:manifest"}));
    // A final step without an earlier restart activity starts no wait.
    sequence.Complete(0, StatusOf(5));
    Drain();
    EXPECT_EQ(host.timerArms, 0);
    EXPECT_EQ(host.Record().m_finished, 0);
}

TEST_F(DfuSequenceTest, FinalStepAfterTheRestartActivityStartsTheWait)
{
    AddDevices({0x2010});
    Start();
    sequence.Progress(0, Activity(18));
    sequence.HandleNextCallback();
    sequence.Complete(0, StatusOf(5));
    Drain();
    EXPECT_EQ(host.timerArms, 1);
}

TEST_F(DfuSequenceTest, HeldReconfigureClosesThePopupBeforeTheDownload)
{
    AddDevices({0x2010});
    Start();
    sequence.Progress(0, Activity(16));
    sequence.HandleNextCallback();
    ASSERT_TRUE(host.job->HasPopup());
    sequence.Complete(0, StatusOf(2));
    Drain();
    EXPECT_FALSE(host.job->HasPopup());
    EXPECT_EQ(engines.starts.back(), "A:download");
}

TEST_F(DfuSequenceTest, EngineBRetryAfterCodes7And28)
{
    for (int code : {7, 28}) {
        FakeHost caseHost;
        FakeEngines caseEngines;
        caseEngines.devices.push_back({L"dev0", kMakerUsbVendorId, 0x2010});
        DfuSequence caseSequence(caseHost, caseEngines);
        caseHost.job->Lock()->m_imagePath = L"image.dfu";
        caseSequence.StartDfu();
        caseSequence.Complete(0, StatusOf(3, code));
        caseSequence.HandleNextCallback();
        while (caseSequence.QueuedItems() > 0)
            caseSequence.HandleNextCallback();
        SCOPED_TRACE(code);
        EXPECT_EQ(caseEngines.starts, (std::vector<std::string>{"A:reconfigure", "B:reconfigure"}));
        EXPECT_EQ(caseSequence.m_activeEngine, 2);
        EXPECT_EQ(caseHost.Record().m_failed, 0);
        EXPECT_EQ(caseHost.Record().m_finished, 0);
        EXPECT_EQ(caseHost.Record().m_progress, 50);
        EXPECT_EQ(caseHost.Record().m_state, kJobSecondEngineRestarting);
        EXPECT_EQ(caseHost.Record().StatusText(0), L"Failed to update firmware. Cannot update firmware");
        // Later steps go to engine B.
        caseSequence.Complete(0, StatusOf(3));
        caseSequence.HandleNextCallback();
        EXPECT_EQ(caseEngines.starts.back(), "B:download");

        // A second refusal on engine B ends the job.
        caseSequence.Complete(0, StatusOf(3, code));
        caseSequence.HandleNextCallback();
        EXPECT_EQ(caseHost.Record().m_failed, 1);
        EXPECT_EQ(caseHost.Record().m_finished, 1);
        EXPECT_EQ(caseEngines.starts.size(), 3u);
    }
}

TEST_F(DfuSequenceTest, NoRetryForTheTwoChipModelOrWhenEngineBWillNotStart)
{
    {
        FakeHost caseHost;
        FakeEngines caseEngines;
        caseHost.model = 0x5310;
        caseEngines.devices = {{L"a", kMakerUsbVendorId, 0x2010}, {L"b", kMakerUsbVendorId, 0x2010}};
        DfuSequence caseSequence(caseHost, caseEngines);
        caseSequence.StartDfu();
        caseSequence.Complete(0, StatusOf(3, 28));
        caseSequence.HandleNextCallback();
        EXPECT_EQ(caseEngines.starts.size(), 1u);
        EXPECT_EQ(caseHost.Record().m_failed, 1);
        EXPECT_EQ(caseHost.Record().m_finished, 1);
        EXPECT_EQ(caseHost.Record().StatusText(0), L"Failed to update firmware. Cannot update firmware");
    }
    {
        FakeHost caseHost;
        FakeEngines caseEngines;
        caseEngines.devices = {{L"a", kMakerUsbVendorId, 0x2010}};
        caseEngines.startResult[1][0] = false; // engine B was never bound
        DfuSequence caseSequence(caseHost, caseEngines);
        caseSequence.StartDfu();
        caseSequence.Complete(0, StatusOf(3, 7));
        caseSequence.HandleNextCallback();
        EXPECT_EQ(caseHost.Record().m_failed, 1);
        EXPECT_EQ(caseHost.Record().m_finished, 1);
        EXPECT_EQ(caseHost.Record().StatusText(0), L"Failed to update firmware. Cannot get device");
    }
}

TEST_F(DfuSequenceTest, FailedStepsEndTheJob)
{
    struct Case {
        int step;
        int code;
        int startFails; // -1 none, else the request that does not start (1 download, 2 manifest)
    };
    // clang-format off
    const Case cases[] = {
        {3, 1, -1}, // reconfigure ended badly with another code
        {4, 1, -1}, // download ended badly
        {5, 4, -1}, // manifest ended badly: no longer a success at 98 %
        {3, 0, 1},  // the download does not start
        {4, 0, 2},  // the manifest does not start
    };
    // clang-format on
    for (const Case& c : cases) {
        FakeHost caseHost;
        FakeEngines caseEngines;
        caseEngines.devices = {{L"a", kMakerUsbVendorId, 0x2010}};
        if (c.startFails > 0)
            caseEngines.startResult[0][c.startFails] = false;
        DfuSequence caseSequence(caseHost, caseEngines);
        caseSequence.StartDfu();
        caseSequence.Complete(0, StatusOf(c.step, c.code));
        while (caseSequence.QueuedItems() > 0)
            caseSequence.HandleNextCallback();
        SCOPED_TRACE(c.step * 100 + c.code);
        EXPECT_EQ(caseHost.Record().m_failed, 1);
        EXPECT_EQ(caseHost.Record().m_finished, 1);
        EXPECT_EQ(caseHost.Record().StatusText(0), L"Failed to update firmware. Cannot update firmware");
        EXPECT_EQ(caseHost.timerArms, 0);
    }
}

TEST_F(DfuSequenceTest, LateCallbacksAfterTheJobEndedAreIgnored)
{
    AddDevices({0x2010});
    Start();
    sequence.Complete(0, StatusOf(3));
    sequence.EndJob();
    EXPECT_EQ(sequence.QueuedItems(), 0u);
    EXPECT_EQ(engines.destroyed, std::vector<int>{kDfuEngineA});
    // The posted message of the dropped item, and a notification that comes
    // after the end, find no job.
    sequence.HandleNextCallback();
    sequence.Complete(0, StatusOf(4));
    sequence.Progress(0, Activity(18));
    Drain();
    EXPECT_EQ(engines.starts, std::vector<std::string>{"A:reconfigure"});
    EXPECT_EQ(sequence.m_restartPending, 0);
    EXPECT_EQ(host.popups.size(), 0u);
}

TEST_F(DfuSequenceTest, ASilentEngineEndsTheJob)
{
    AddDevices({0x2010});
    Start();
    host.now += kDfuSilentEngineMs - 1;
    EXPECT_FALSE(sequence.CheckSilentEngine());
    // Anything heard restarts the bound.
    sequence.Progress(0, Activity(16));
    sequence.HandleNextCallback();
    host.now += kDfuSilentEngineMs - 1;
    EXPECT_FALSE(sequence.CheckSilentEngine());
    host.now += 1;
    EXPECT_TRUE(sequence.CheckSilentEngine());
    EXPECT_EQ(host.Record().m_failed, 1);
    EXPECT_EQ(host.Record().m_finished, 1);
    EXPECT_EQ(host.Record().StatusText(0), L"Failed to update firmware. Cannot update firmware");
    // Once the last step is over, waiting for the unit is the wait timer's.
    FakeHost quietHost;
    FakeEngines quietEngines;
    quietEngines.devices = {{L"a", kMakerUsbVendorId, 0x2010}};
    DfuSequence quiet(quietHost, quietEngines);
    quiet.StartDfu();
    quiet.Complete(0, StatusOf(5));
    quiet.HandleNextCallback();
    quietHost.now += 2 * kDfuSilentEngineMs;
    EXPECT_FALSE(quiet.CheckSilentEngine());
}

TEST_F(DfuSequenceTest, LibraryThreadsQueueWhileTheUserInterfaceTakes)
{
    AddDevices({0x2010});
    Start();
    std::atomic<bool> done{false};
    std::thread library([&] {
        for (int i = 0; i < 2000; ++i) {
            sequence.Progress(0, Activity(16));
            if (i % 100 == 0)
                sequence.Notify(0, Activity(0));
        }
        sequence.Complete(0, StatusOf(3));
        done = true;
    });
    while (!done.load() || sequence.QueuedItems() > 0)
        sequence.HandleNextCallback();
    library.join();
    // Every item was matched by a message; the Complete was never dropped.
    EXPECT_EQ(engines.starts.back(), "A:download");
}

} // namespace

namespace {

TEST(DfuSequenceFields, ThePagesIntsAreTheOnesWritten)
{
    FakeHost host;
    FakeEngines engines;
    engines.devices = {{L"a", kMakerUsbVendorId, 0x2010}};
    int active = 0, createdA = 0, createdB = 0, waitTicks = 3, restart = 1;
    DfuPageFields fields{&active, &createdA, &createdB, &waitTicks, &restart};
    host.job->Lock()->m_progressEventCount = 5;
    DfuSequence sequence(host, engines, fields);
    sequence.ResetForUpdate();
    EXPECT_EQ(restart, 0);
    EXPECT_EQ(waitTicks, 0);
    // The step's counts shared with the workers live in the job's record.
    EXPECT_EQ(host.Record().m_timedProgress, 1);
    EXPECT_EQ(host.Record().m_progressEventCount, 0);
    sequence.StartDfu();
    EXPECT_EQ(active, 1);
    EXPECT_EQ(createdA, 1);
    sequence.EndJob();
    EXPECT_EQ(active, 0);
    EXPECT_EQ(createdA, 0);
}

} // namespace
