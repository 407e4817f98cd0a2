// The worker-thread shell on real threads: waits, stops and forced ends.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

#include "link/ThreadableWin32.h"

namespace {

// A worker that either honours the stop or ignores it until released.
class Worker : public Threadable {
public:
    explicit Worker(bool honoursStop) : m_honoursStop(honoursStop) {}
    ~Worker() override
    {
        // What a derived class does: its worker ends before its members go.
        if (IsRunning())
            StopAndWait(1000);
    }

    void Run() override
    {
        // A handle of its own, so the test can read the exit code once the thread is gone.
        DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &m_self, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
        m_entered = true;
        while (m_honoursStop ? KeepRunning() : !m_released.load())
            Sleep(5);
        m_finished = true;
    }

    bool WaitUntilEntered()
    {
        for (int i = 0; i < 2000 && !m_entered; ++i)
            Sleep(1);
        return m_entered;
    }

    DWORD ExitCode() const
    {
        DWORD code = 0;
        return GetExitCodeThread(m_self, &code) ? code : 0xFFFFFFFF;
    }

    const bool m_honoursStop;
    HANDLE m_self = nullptr;
    std::atomic<bool> m_entered{false};
    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_released{false};
};

TEST(Threadable, IdleObjectNeitherWaitsNorTerminates)
{
    Worker idle(true);
    EXPECT_FALSE(idle.IsRunning());
    EXPECT_TRUE(idle.WaitForExit(0)); // no thread: at once, even without a limit
    EXPECT_TRUE(idle.KeepRunning());
    EXPECT_FALSE(idle.StopRequestedBeforeStart());
    idle.RequestStop();
    EXPECT_TRUE(idle.StopRequestedBeforeStart());
    EXPECT_FALSE(idle.KeepRunning());
    EXPECT_FALSE(idle.Start()); // a stop asked for before the start holds
    {
        Worker other(false); // never started: its destruction returns at once
    }
}

TEST(Threadable, AThreadThatHonoursTheStopEnds)
{
    Worker worker(true);
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(worker.WaitUntilEntered());
    EXPECT_TRUE(worker.IsRunning());
    EXPECT_FALSE(worker.Start()); // one thread at a time
    EXPECT_FALSE(worker.WaitForExit(20));
    worker.StopAndWait(0);
    EXPECT_TRUE(worker.m_finished);
    EXPECT_EQ(worker.ExitCode(), 0u);
    CloseHandle(worker.m_self);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_FALSE(worker.StopRequestedBeforeStart());
}

TEST(Threadable, AThreadThatIgnoresTheStopIsEndedByForceAfterTheWait)
{
    Worker worker(false);
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(worker.WaitUntilEntered());
    worker.StopAndWait(200);
    EXPECT_FALSE(worker.m_finished);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(worker.WaitForExit(0));
    EXPECT_EQ(worker.ExitCode(), 912082u);
    CloseHandle(worker.m_self);
}

class Engine : public CHidDfuEngine {
public:
    ~Engine() override
    {
        if (IsRunning())
            StopAndWait(1000);
    }
    void Run() override
    {
        m_entered = true;
        while (KeepRunning())
            Sleep(5);
    }
    std::atomic<bool> m_entered{false};
};

TEST(HidDfuEngine, CloseDeviceWhileRunningIsRefused)
{
    Engine engine;
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    engine.m_device = event;
    ASSERT_TRUE(engine.Start());
    for (int i = 0; i < 2000 && !engine.m_entered; ++i)
        Sleep(1);
    EXPECT_EQ(engine.CloseDevice(), -14);
    EXPECT_EQ(engine.LastError(), "Busy, operation in progress");
    EXPECT_EQ(engine.m_device, event);
    DWORD flags = 0;
    EXPECT_TRUE(GetHandleInformation(event, &flags));

    engine.StopAndWait(0);
    EXPECT_EQ(engine.CloseDevice(), 0);
    EXPECT_EQ(engine.m_device, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(GetHandleInformation(event, &flags));
    // Already closed: nothing to close.
    EXPECT_EQ(engine.CloseDevice(), 0);
}

TEST(HidDfuEngine, WorkerAndErrors)
{
    CHidDfuEngine engine;
    EXPECT_EQ(engine.m_device, INVALID_HANDLE_VALUE);
    EXPECT_EQ(engine.LastError(), "");
    EXPECT_EQ(engine.SetError(-18), -18);
    EXPECT_EQ(engine.LastError(), "Unknown error code");
    EXPECT_EQ(engine.SetError(0), 0);
    EXPECT_EQ(engine.LastError(), "");
    // Without a worker, a run does nothing and ends.
    ASSERT_TRUE(engine.Start());
    EXPECT_TRUE(engine.WaitForExit(5000));
}

TEST(HandleHolder, ClosesItsHandleWhenItGoes)
{
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD flags = 0;
    {
        HandleHolder holder;
        EXPECT_EQ(holder.Get(), nullptr);
        holder.Attach(event);
        EXPECT_EQ(holder.Get(), event);
    }
    EXPECT_FALSE(GetHandleInformation(event, &flags));
    {
        HandleHolder empty; // null: nothing closed
    }
}

} // namespace
