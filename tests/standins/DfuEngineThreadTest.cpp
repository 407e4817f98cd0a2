// The engine's thread against an engine released or deleted by its owner
// from inside a callback. Runs natively (under AddressSanitizer, and under
// ThreadSanitizer in its own build) and under Wine against DFUEngine.dll.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "sim/SimDfuChip.h"
#include "standins/DFUEngine.h"
#include "standins/DFUEngineSimHook.h"

namespace {

enum Kind { kNotify, kProgress, kComplete };

// Waits, without asserting any time, until flag is set; false only when it
// never is (the test then fails instead of hanging).
bool WaitFor(const std::atomic<bool>& flag)
{
    for (int i = 0; i < 20000 && !flag.load(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return flag.load();
}

// Deletes its engine in the first callback of the given kind. Its last act is
// setting the flag, so the test may let it go as soon as the flag is set.
class DeleteInCallback : public DFUEngine::Callback {
public:
    DeleteInCallback(Kind kind, DFUEngine* engine) : m_kind(kind), m_engine(engine) {}
    void Notify(int, const DFUEngine::Status&) override { On(kNotify); }
    void Progress(int, const DFUEngine::Status&) override { On(kProgress); }
    void Complete(int, const DFUEngine::Status&) override { On(kComplete); }

    std::atomic<int> m_callsAfterDelete{0};
    std::atomic<bool> m_deleted{false};

private:
    void On(Kind kind)
    {
        if (m_deleted.load()) {
            ++m_callsAfterDelete;
            return;
        }
        if (kind != m_kind)
            return;
        delete m_engine;
        m_deleted.store(true);
    }

    Kind m_kind;
    DFUEngine* m_engine;
};

class DfuEngineThread : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimDfuDevice& unit = m_chip.AddDevice(0x2011);
        // Progress, Notify, Progress, then Complete.
        for (DfuStepPlan& plan : unit.plans) {
            plan.activityCount = 3;
            plan.activities[0] = DFUEngine::activityTransfer;
            plan.activities[1] = DFUEngine::activityTransferEnd;
            plan.activities[2] = DFUEngine::activityTransfer;
        }
        m_chip.Attach();
    }
    void TearDown() override { DFUEngineSetDestroyWaitForTests(0); }

    SimDfuChip m_chip;
    // Callbacks stay alive to the end of the suite: a thread may still be
    // returning from one after it set its flag.
    std::vector<std::unique_ptr<DFUEngine::Callback>> m_keep;
};

TEST_F(DfuEngineThread, DeletedInsideNotifyProgressOrCompleteFreesNothingItsThreadStillUses)
{
    for (Kind kind : {kNotify, kProgress, kComplete}) {
        SCOPED_TRACE(kind);
        for (int round = 0; round < 50; ++round) {
            auto* engine = new DFUEngine;
            auto callback = std::make_unique<DeleteInCallback>(kind, engine);
            DeleteInCallback& watch = *callback;
            m_keep.push_back(std::move(callback));
            ASSERT_TRUE(engine->CreateUSB(m_chip.DeviceAt(0).name.c_str()));
            engine->SetCallback(&watch);
            ASSERT_TRUE(engine->StartReconfigure(false, true, L"x.dfu"));
            ASSERT_TRUE(WaitFor(watch.m_deleted));
            // The deleted engine's thread calls nobody any more.
            EXPECT_EQ(watch.m_callsAfterDelete.load(), 0);
        }
    }
}

// Blocks in Complete until released.
class SlowComplete : public DFUEngine::Callback {
public:
    void Complete(int, const DFUEngine::Status&) override
    {
        ++m_completes;
        m_inside.store(true);
        while (!m_release.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        m_left.store(true);
    }
    void Progress(int, const DFUEngine::Status&) override { ++m_progress; }

    std::atomic<int> m_completes{0};
    std::atomic<int> m_progress{0};
    std::atomic<bool> m_inside{false};
    std::atomic<bool> m_release{false};
    std::atomic<bool> m_left{false};
};

class FlagOnComplete : public DFUEngine::Callback {
public:
    void Complete(int, const DFUEngine::Status&) override { m_done.store(true); }
    std::atomic<bool> m_done{false};
};

// Records every call it gets.
class CountingCallback : public DFUEngine::Callback {
public:
    void Notify(int, const DFUEngine::Status&) override { ++m_calls; }
    void Progress(int, const DFUEngine::Status&) override { ++m_calls; }
    void Complete(int, const DFUEngine::Status&) override { ++m_calls; }
    std::atomic<int> m_calls{0};
};

TEST_F(DfuEngineThread, DestroyWaitsForAStuckStepOnlyWithinItsBound)
{
    DFUEngineSetDestroyWaitForTests(50);
    // The step's next callback is far away: the engine is stuck inside its
    // step, calling nobody meanwhile.
    DfuStepPlan& stuck = m_chip.DeviceAt(0).plans[0];
    stuck.activityCount = 1;
    stuck.delayMs = 10000;
    SimDfuDevice& other = m_chip.AddDevice(0x2011);
    auto counting = std::make_unique<CountingCallback>();
    CountingCallback& callback = *counting;
    m_keep.push_back(std::move(counting));
    DFUEngine engine;
    ASSERT_TRUE(engine.CreateUSB(m_chip.DeviceAt(0).name.c_str()));
    engine.SetCallback(&callback);
    ASSERT_TRUE(engine.StartReconfigure(false, true, L"x.dfu"));
    ASSERT_TRUE(engine.StartDownload(L"x.dfu")); // queued behind the stuck step
    for (int i = 0; i < 20000 && m_chip.PlannedSteps().empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_FALSE(m_chip.PlannedSteps().empty());
    engine.Destroy(); // returns although the step has not ended
    EXPECT_EQ(callback.m_calls.load(), 0);
    EXPECT_FALSE(engine.StartManifest()); // released

    // Bound again, the engine runs its next step on a thread of its own
    // while the old one is still stuck.
    FlagOnComplete fresh;
    ASSERT_TRUE(engine.CreateUSB(other.name.c_str()));
    engine.SetCallback(&fresh);
    ASSERT_TRUE(engine.StartReconfigure(false, true, L"x.dfu"));
    ASSERT_TRUE(WaitFor(fresh.m_done));
    engine.Destroy();
    // The released engine's step never called its owner again, and the
    // download queued behind it never ran.
    EXPECT_EQ(callback.m_calls.load(), 0);
    EXPECT_EQ(m_chip.PlannedSteps(), (std::vector<int>{0, 0}));
}

// A callback already called when its engine is released runs to its end
// before the release returns, so the owner going next is never called into.
TEST_F(DfuEngineThread, DestroyLetsACallbackInFlightReturnFirst)
{
    auto slow = std::make_unique<SlowComplete>();
    SlowComplete& callback = *slow;
    m_keep.push_back(std::move(slow));
    DFUEngine engine;
    ASSERT_TRUE(engine.CreateUSB(m_chip.DeviceAt(0).name.c_str()));
    engine.SetCallback(&callback);
    // Too short a bound for the step: only the callback in flight holds the
    // release up.
    DFUEngineSetDestroyWaitForTests(1);
    ASSERT_TRUE(engine.StartReconfigure(false, true, L"x.dfu"));
    ASSERT_TRUE(WaitFor(callback.m_inside));
    std::thread user([&callback] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        callback.m_release.store(true);
    });
    engine.Destroy();
    EXPECT_TRUE(callback.m_left.load());
    user.join();
    EXPECT_EQ(callback.m_completes.load(), 1);
}

} // namespace
