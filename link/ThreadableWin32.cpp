#include "link/ThreadableWin32.h"

struct Threadable::State {
    HANDLE thread = nullptr;
    CRITICAL_SECTION lock; // guards the three flags; re-entrant for StopAndWait's RequestStop
    bool started = false;
    bool stopBeforeStart = false;
    bool keepRunning = true;
};

namespace {

class Hold {
public:
    explicit Hold(CRITICAL_SECTION* lock) : m_lock(lock) { EnterCriticalSection(m_lock); }
    ~Hold() { LeaveCriticalSection(m_lock); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

private:
    CRITICAL_SECTION* m_lock;
};

} // namespace

Threadable::Threadable() : m_state(new State)
{
    InitializeCriticalSection(&m_state->lock);
}

Threadable::~Threadable()
{
    if (IsRunning())
        StopAndWait(1000);
    if (m_state->thread)
        CloseHandle(m_state->thread);
    DeleteCriticalSection(&m_state->lock);
    delete m_state;
}

DWORD WINAPI Threadable::ThreadMain(void* self)
{
    static_cast<Threadable*>(self)->Run();
    return 0;
}

bool Threadable::Start()
{
    Hold hold(&m_state->lock);
    if (m_state->stopBeforeStart || m_state->thread)
        return false;
    m_state->keepRunning = true;
    m_state->thread = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
    m_state->started = m_state->thread != nullptr;
    return m_state->started;
}

bool Threadable::IsRunning() const
{
    Hold hold(&m_state->lock);
    return m_state->started && m_state->thread && WaitForSingleObject(m_state->thread, 0) == WAIT_TIMEOUT;
}

void Threadable::RequestStop()
{
    Hold hold(&m_state->lock);
    if (!m_state->started)
        m_state->stopBeforeStart = true;
    m_state->keepRunning = false;
}

bool Threadable::KeepRunning() const
{
    Hold hold(&m_state->lock);
    return m_state->keepRunning;
}

bool Threadable::StopRequestedBeforeStart() const
{
    Hold hold(&m_state->lock);
    return m_state->stopBeforeStart;
}

void Threadable::ForgetThread()
{
    Hold hold(&m_state->lock);
    if (m_state->thread)
        CloseHandle(m_state->thread);
    m_state->thread = nullptr;
    m_state->started = false;
}

bool Threadable::WaitForExit(DWORD milliseconds)
{
    HANDLE thread;
    {
        Hold hold(&m_state->lock);
        thread = m_state->thread;
    }
    if (!thread)
        return true;
    // The wait runs outside the lock: the worker reads its flags under it.
    if (WaitForSingleObject(thread, milliseconds == 0 ? INFINITE : milliseconds) != WAIT_OBJECT_0)
        return false;
    ForgetThread();
    return true;
}

void Threadable::StopAndWait(DWORD milliseconds)
{
    {
        Hold hold(&m_state->lock);
        if (m_state->started) {
            RequestStop();
        } else {
            m_state->stopBeforeStart = true;
            m_state->keepRunning = false;
        }
    }
    if (WaitForExit(milliseconds))
        return;
    HANDLE thread;
    {
        Hold hold(&m_state->lock);
        thread = m_state->thread;
    }
    if (thread)
        TerminateThread(thread, kThreadForcedExitCode);
    ForgetThread();
}

CHidDfuEngine::CHidDfuEngine() = default;

CHidDfuEngine::~CHidDfuEngine()
{
    // A worker still running uses this engine: it is stopped before the
    // engine's members go, not only by the base.
    if (IsRunning())
        StopAndWait(1000);
    CloseDevice();
}

void CHidDfuEngine::Run()
{
    if (m_worker)
        (this->*m_worker)();
}

int CHidDfuEngine::CloseDevice()
{
    if (IsRunning())
        return SetError(kHidDfuErrorBusy);
    if (m_device != INVALID_HANDLE_VALUE)
        CloseHandle(m_device);
    m_device = INVALID_HANDLE_VALUE;
    return 0;
}

HandleHolder::~HandleHolder()
{
    if (m_handle)
        CloseHandle(m_handle);
}

void HandleHolder::Attach(HANDLE handle)
{
    if (m_handle && m_handle != handle)
        CloseHandle(m_handle);
    m_handle = handle;
}
