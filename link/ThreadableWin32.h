#pragma once
// An object that owns one worker thread (with a cooperative stop and, after a
// wait, a forced end) and, for the HID firmware engine, one device handle.
// Windows only.

#include <windows.h>

#include "link/HidDfuErrorTable.h"

class NoCopy {
protected:
    NoCopy() = default;
    ~NoCopy() = default;

public:
    NoCopy(const NoCopy&) = delete;
    NoCopy& operator=(const NoCopy&) = delete;
};

// Exit code of a worker that had to be ended by force.
constexpr DWORD kThreadForcedExitCode = 912082; // 0xDEAD2

class Threadable : private NoCopy {
public:
    Threadable();
    // A running worker is asked to stop and given a second; a worker of a
    // derived class must be stopped by that class's destructor, since Run()
    // may use its members.
    virtual ~Threadable();

    // The worker's body; it should return soon after KeepRunning() turns false.
    virtual void Run() = 0;
    virtual void RequestStop();

    // Starts Run() on a new thread; false while one runs, after a stop asked
    // for before any start, or when the thread cannot be created.
    bool Start();
    bool IsRunning() const;
    // 0 waits without limit. True once no thread is left.
    bool WaitForExit(DWORD milliseconds);
    // Asks for the stop, waits, and ends the thread by force when the wait runs out.
    void StopAndWait(DWORD milliseconds);

    bool KeepRunning() const;
    bool StopRequestedBeforeStart() const;

private:
    struct State;
    static DWORD WINAPI ThreadMain(void* self);
    void ForgetThread();

    State* m_state;
};

class CHidDfuEngine : public Threadable {
public:
    using Worker = void (CHidDfuEngine::*)();

    CHidDfuEngine();
    ~CHidDfuEngine() override;

    // Runs the worker set with SetWorker, if any.
    void Run() override;
    void SetWorker(Worker worker) { m_worker = worker; }

    // Refused with -14 while the worker runs; otherwise closes the device
    // handle (when open) and returns 0.
    int CloseDevice();
    int SetError(int code) { return m_errors.SetError(code); }
    std::string LastError() const { return m_errors.LastError(); }

    HANDLE m_device = INVALID_HANDLE_VALUE;

private:
    HidDfuErrorTable m_errors;
    Worker m_worker = nullptr;
};

// A handle that is closed when its holder goes.
class HandleHolder : private NoCopy {
public:
    HandleHolder() = default;
    ~HandleHolder();

    // Takes over the handle, closing the one held before.
    void Attach(HANDLE handle);
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};

// Built at start-up with the other global objects and freed at exit.
extern CHidDfuEngine g_hidDfuEngine;
extern HandleHolder g_handleHolder;
