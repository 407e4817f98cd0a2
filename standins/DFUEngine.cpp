#include "standins/DFUEngine.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <new>
#include <thread>

#include "standins/DFUEngineBounds.h"
#include "standins/DFUEngineSimHook.h"

// Every exported entry catches what it may throw (allocation, threads): each
// module has its own unwinder, so nothing may leave the library.

namespace {

std::atomic<DfuSimulatedBus*> g_bus{nullptr};
std::atomic<int> g_transportUsers{0};
// Held by an engine worker for each call into the bus and by attaching or
// detaching one, so that a bus taken away (a test's simulated chip going out of
// scope) is never called by a worker that outlived its engine's release.
std::recursive_mutex g_busUse;

DfuSimulatedBus* Bus()
{
    return g_bus.load();
}

int FindDeviceByName(DfuSimulatedBus* bus, const wchar_t* name)
{
    if (bus == nullptr || name == nullptr)
        return -1;
    for (int i = 0; i < bus->DeviceCount(); ++i) {
        const wchar_t* n = bus->DeviceName(i);
        if (n != nullptr && std::wcscmp(n, name) == 0)
            return i;
    }
    return -1;
}

bool SamePathIgnoringCase(const wchar_t* a, const wchar_t* b)
{
    for (;; ++a, ++b) {
        const wchar_t ca = static_cast<wchar_t>(std::towupper(*a));
        const wchar_t cb = static_cast<wchar_t>(std::towupper(*b));
        if (ca != cb)
            return false;
        if (ca == L'\0')
            return true;
    }
}

int FindDeviceByPath(DfuSimulatedBus* bus, const wchar_t* path)
{
    if (bus == nullptr || path == nullptr)
        return -1;
    for (int i = 0; i < bus->DeviceCount(); ++i) {
        const wchar_t* p = bus->DevicePath(i);
        if (p != nullptr && SamePathIgnoringCase(p, path))
            return i;
    }
    return -1;
}

int AppendDeviceNames(CStringListX& names)
{
    DfuSimulatedBus* bus = Bus();
    if (bus == nullptr)
        return 0;
    int count = 0;
    for (int i = 0; i < bus->DeviceCount(); ++i) {
        names.AddTail(CStringX(bus->DeviceName(i)));
        ++count;
    }
    return count;
}

} // namespace

// ---------------------------------------------------------------- CStringX

CStringX::CStringX() : m_data(nullptr), m_length(0), m_capacity(0) {}

CStringX::CStringX(const wchar_t* text) : CStringX()
{
    *this = text;
}

CStringX::CStringX(const CStringX& other) : CStringX()
{
    *this = static_cast<const wchar_t*>(other);
}

CStringX::~CStringX()
{
    delete[] m_data;
}

CStringX& CStringX::operator=(const CStringX& other)
{
    if (this != &other)
        *this = static_cast<const wchar_t*>(other);
    return *this;
}

CStringX& CStringX::operator=(const wchar_t* text)
{
    const int length = text != nullptr ? static_cast<int>(std::wcslen(text)) : 0;
    wchar_t* data = new (std::nothrow) wchar_t[length + 1];
    if (data == nullptr)
        return *this; // keeps the old text rather than throwing out of the library
    if (length > 0)
        std::wmemcpy(data, text, length);
    data[length] = L'\0';
    delete[] m_data;
    m_data = data;
    m_length = length;
    m_capacity = length;
    return *this;
}

int CStringX::GetLength() const
{
    return m_length;
}

wchar_t* CStringX::GetBuffer(int minLength)
{
    if (m_data == nullptr || minLength > m_capacity) {
        const int capacity = std::max(minLength, m_length);
        wchar_t* data = new (std::nothrow) wchar_t[capacity + 1];
        if (data == nullptr)
            return m_data;
        std::wmemset(data, L'\0', capacity + 1);
        if (m_data != nullptr)
            std::wmemcpy(data, m_data, m_length);
        delete[] m_data;
        m_data = data;
        m_capacity = capacity;
    }
    return m_data;
}

CStringX::operator const wchar_t*() const
{
    return m_data != nullptr ? m_data : L"";
}

// ---------------------------------------------------------------- CStringListX

struct CStringListX::Node {
    CStringX text;
    Node* next;
};

CStringListX::Position::Position() : m_node(nullptr) {}

CStringListX::Position::operator CStringX*() const
{
    return m_node != nullptr ? &m_node->text : nullptr;
}

CStringListX::CStringListX() : m_head(nullptr), m_tail(nullptr), m_count(0) {}

CStringListX::~CStringListX()
{
    RemoveAll();
}

void CStringListX::AddTail(const CStringX& text)
{
    Node* node = new (std::nothrow) Node{text, nullptr};
    if (node == nullptr)
        return;
    if (m_tail != nullptr) {
        m_tail->next = node;
    } else {
        m_head = node;
    }
    m_tail = node;
    ++m_count;
}

int CStringListX::GetCount() const
{
    return m_count;
}

bool CStringListX::IsEmpty() const
{
    return m_count == 0;
}

void CStringListX::RemoveAll()
{
    while (m_head != nullptr) {
        Node* next = m_head->next;
        delete m_head;
        m_head = next;
    }
    m_tail = nullptr;
    m_count = 0;
}

CStringListX::Position CStringListX::GetHeadPosition() const
{
    Position p;
    p.m_node = m_head;
    return p;
}

CStringX& CStringListX::GetNext(Position& position)
{
    // Walking past the end is the caller's error; it gets an empty text.
    static CStringX none;
    Node* node = position.m_node;
    if (node == nullptr) {
        none = L"";
        return none;
    }
    position.m_node = node->next;
    return node->text;
}

// ---------------------------------------------------------------- Result, Status, Callback

DFUEngine::Result::Result(int code, const wchar_t* text) : m_code(code), m_text(text) {}
DFUEngine::Result::Result(const Result& other) = default;
DFUEngine::Result::~Result() = default;
DFUEngine::Result& DFUEngine::Result::operator=(const Result& other) = default;
DFUEngine::Result::operator bool() const
{
    return m_code == success;
}
int DFUEngine::Result::GetCode() const
{
    return m_code;
}
const wchar_t* DFUEngine::Result::GetText() const
{
    return m_text;
}

DFUEngine::Status::Status() : step(0), result(), activity(activityNone), progress(0) {}
DFUEngine::Status::Status(const Status& other) = default;
DFUEngine::Status::~Status() = default;
DFUEngine::Status& DFUEngine::Status::operator=(const Status& other) = default;

DFUEngine::Callback::~Callback() = default;
void DFUEngine::Callback::Notify(int, const Status&) {}
void DFUEngine::Callback::Progress(int, const Status&) {}
void DFUEngine::Callback::Complete(int, const Status&) {}

// ---------------------------------------------------------------- DFUEngine

namespace {

unsigned g_destroyWaitMs = kDfuDestroyWaitMs;

// What one worker thread uses. The thread holds its own reference, so an
// engine released or deleted while the thread is still inside a callback (even
// from that callback) frees nothing the thread touches afterwards.
struct DfuWorkerState {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<int> requests; // 0 reconfigure, 1 download, 2 manifest
    bool running = false;     // a step is between its start and its Complete
    bool stopped = false;     // released: the thread ends at its next look
    DFUEngine::Callback* callback = nullptr;
    int device = -1;
    int callbacksInFlight = 0; // taken under the lock and not yet returned
};

// The callback to call now, counted in flight until LeaveCallback; none once
// the engine was released. Releasing waits for the calls in flight, so no
// callback runs on into an owner that is going away.
DFUEngine::Callback* EnterCallback(DfuWorkerState& state)
{
    std::lock_guard<std::mutex> lock(state.mutex);
    if (state.stopped || state.callback == nullptr)
        return nullptr;
    ++state.callbacksInFlight;
    return state.callback;
}

void LeaveCallback(DfuWorkerState& state)
{
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        --state.callbacksInFlight;
    }
    state.wake.notify_all();
}

void RunDfuWorker(std::shared_ptr<DfuWorkerState> state)
{
    for (;;) {
        int request = 0;
        int index = -1;
        {
            std::unique_lock<std::mutex> lock(state->mutex);
            state->wake.wait(lock, [&] { return state->stopped || !state->requests.empty(); });
            if (state->stopped)
                return;
            request = state->requests.front();
            state->requests.pop_front();
            index = state->device;
            state->running = true;
        }
        DfuStepPlan plan;
        bool planned = false;
        if (index >= 0) {
            std::lock_guard<std::recursive_mutex> use(g_busUse);
            if (DfuSimulatedBus* bus = Bus()) {
                bus->PlanStep(index, request, &plan);
                planned = true;
            }
        }
        if (!planned) {
            plan.finishedStep = DFUEngine::stepReconfigure + request;
            plan.resultCode = DFUEngine::Result::deviceLost;
        }
        const int activities = plan.silent ? 0 : std::min<int>(std::max(plan.activityCount, 0), 64);
        const int repeat = std::min(std::max(plan.transferRepeat, 1), 100000);
        const auto pause = std::chrono::milliseconds(std::min(std::max(plan.delayMs, 0), 10000));
        for (int i = 0; i < activities; ++i) {
            const bool transfer = plan.activities[i] == DFUEngine::activityTransfer;
            for (int r = 0; r < (transfer ? repeat : 1); ++r) {
                if (pause.count() > 0)
                    std::this_thread::sleep_for(pause);
                DFUEngine::Callback* callback = EnterCallback(*state);
                if (callback == nullptr)
                    continue;
                DFUEngine::Status status;
                status.step = plan.finishedStep;
                status.activity = plan.activities[i];
                status.progress = activities > 0 ? (i + 1) * 100 / activities : 100;
                if (transfer) {
                    callback->Progress(0, status);
                } else {
                    callback->Notify(0, status);
                }
                LeaveCallback(*state);
            }
        }
        if (pause.count() > 0 && !plan.silent)
            std::this_thread::sleep_for(pause);
        if (planned && !plan.silent) {
            std::lock_guard<std::recursive_mutex> use(g_busUse);
            if (DfuSimulatedBus* bus = Bus())
                bus->StepEnded(index, request, plan.resultCode);
        }
        if (DFUEngine::Callback* callback = plan.silent ? nullptr : EnterCallback(*state)) {
            DFUEngine::Status status;
            status.step = plan.finishedStep;
            status.result = DFUEngine::Result(plan.resultCode,
                                              plan.resultCode == DFUEngine::Result::success ? L"" : L"step failed");
            status.progress = 100;
            callback->Complete(0, status);
            LeaveCallback(*state);
        }
        {
            std::lock_guard<std::mutex> lock(state->mutex);
            state->running = false;
        }
        state->wake.notify_all();
    }
}

} // namespace

struct DFUEngine::Impl {
    // Guards the members below; never held while waiting for the worker, so
    // that a callback may call back into the engine.
    std::mutex mutex;
    Callback* callback = nullptr;
    int device = -1;
    std::shared_ptr<DfuWorkerState> state; // of the running worker, if any
    std::thread worker;

    void Stop();
    Result Start(int request);
};

void DFUEngine::Impl::Stop()
{
    std::shared_ptr<DfuWorkerState> stopping;
    std::thread thread;
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = std::move(state);
        thread = std::move(worker);
        callback = nullptr;
        device = -1;
    }
    if (stopping == nullptr) {
        if (thread.joinable())
            thread.detach();
        return;
    }
    const bool onWorker = thread.joinable() && thread.get_id() == std::this_thread::get_id();
    bool idle = true;
    {
        std::unique_lock<std::mutex> lock(stopping->mutex);
        // A started or queued step runs to its end, within a bound; from
        // inside a callback of the step there is nothing to wait for.
        if (!onWorker) {
            idle = stopping->wake.wait_for(lock, std::chrono::milliseconds(g_destroyWaitMs),
                                           [&] { return stopping->requests.empty() && !stopping->running; });
        }
        stopping->requests.clear();
        stopping->callback = nullptr;
        stopping->stopped = true;
        // A callback already called runs to its end before its owner may go;
        // callbacks are short, unlike the step the bound above is for. From
        // inside a callback the one in flight is the caller's own.
        if (!onWorker)
            stopping->wake.wait(lock, [&] { return stopping->callbacksInFlight == 0; });
    }
    stopping->wake.notify_all();
    if (!thread.joinable())
        return;
    // An idle worker ends at once. One still inside a callback (this very
    // thread, or one that overran the bound) ends by itself when the callback
    // returns, touching only its own state.
    if (idle && !onWorker) {
        thread.join();
    } else {
        thread.detach();
    }
}

DFUEngine::Result DFUEngine::Impl::Start(int request)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (device < 0 || Bus() == nullptr)
        return Result(Result::notConnected, L"no device bound");
    if (state == nullptr) {
        // Only a released engine has no state; its old worker, if any, is
        // detached and ends on its own.
        if (worker.joinable())
            worker.detach();
        state = std::make_shared<DfuWorkerState>();
        state->callback = callback;
        state->device = device;
        worker = std::thread(RunDfuWorker, state);
    }
    // A step asked for from the previous step's Complete runs right after it.
    {
        std::lock_guard<std::mutex> stateLock(state->mutex);
        state->requests.push_back(request);
    }
    state->wake.notify_all();
    return Result();
}

DFUEngine::DFUEngine() : m_impl(new (std::nothrow) Impl) {}

DFUEngine::~DFUEngine()
{
    try {
        if (m_impl != nullptr)
            m_impl->Stop();
    } catch (...) {}
    delete m_impl;
}

int DFUEngine::GetUSBDeviceNames(CStringListX& names)
{
    try {
        return AppendDeviceNames(names) > 0 ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

DFUEngine::Result DFUEngine::IsDFUFileValid(const wchar_t* imagePath)
{
    try {
        DfuSimulatedBus* bus = Bus();
        if (bus == nullptr || imagePath == nullptr || !bus->IsFileValid(imagePath)) {
            return Result(Result::badImage, L"not a DFU image");
        }
        return Result();
    } catch (...) {
        return Result(Result::failed);
    }
}

DFUEngine::Result DFUEngine::CreateUSB(const wchar_t* deviceName)
{
    try {
        if (m_impl == nullptr)
            return Result(Result::failed);
        const int index = FindDeviceByName(Bus(), deviceName);
        if (index < 0)
            return Result(Result::noDevice, L"no such device");
        std::lock_guard<std::mutex> lock(m_impl->mutex);
        m_impl->device = index;
        if (m_impl->state != nullptr) {
            std::lock_guard<std::mutex> stateLock(m_impl->state->mutex);
            m_impl->state->device = index;
        }
        return Result();
    } catch (...) {
        return Result(Result::failed);
    }
}

void DFUEngine::SetCallback(Callback* callback)
{
    if (m_impl == nullptr)
        return;
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    m_impl->callback = callback;
    if (m_impl->state != nullptr) {
        std::lock_guard<std::mutex> stateLock(m_impl->state->mutex);
        m_impl->state->callback = callback;
    }
}

DFUEngine::Result DFUEngine::StartReconfigure(bool, bool, const wchar_t*)
{
    try {
        return m_impl != nullptr ? m_impl->Start(0) : Result(Result::failed);
    } catch (...) {
        return Result(Result::failed);
    }
}

DFUEngine::Result DFUEngine::StartDownload(const wchar_t*)
{
    try {
        return m_impl != nullptr ? m_impl->Start(1) : Result(Result::failed);
    } catch (...) {
        return Result(Result::failed);
    }
}

DFUEngine::Result DFUEngine::StartManifest()
{
    try {
        return m_impl != nullptr ? m_impl->Start(2) : Result(Result::failed);
    } catch (...) {
        return Result(Result::failed);
    }
}

void DFUEngine::Destroy()
{
    try {
        if (m_impl != nullptr)
            m_impl->Stop();
    } catch (...) {}
}

// ---------------------------------------------------------------- transports

DFUTransportCOM::DFUTransportCOM() : m_device(-1) {}

DFUTransportCOM::~DFUTransportCOM() = default;

DFUEngine::Result DFUTransportCOM::BCCMDGetPS(unsigned short key, void* buffer, unsigned short length,
                                              unsigned short* returned)
{
    try {
        if (returned != nullptr)
            *returned = 0;
        DfuSimulatedBus* bus = Bus();
        if (bus == nullptr || m_device < 0 || g_transportUsers.load() <= 0) {
            return DFUEngine::Result(DFUEngine::Result::notConnected, L"not connected");
        }
        if (buffer == nullptr)
            return DFUEngine::Result(DFUEngine::Result::failed, L"no buffer");
        int got = 0;
        const int code = bus->GetKey(m_device, key, static_cast<unsigned char*>(buffer), length, &got);
        if (returned != nullptr)
            *returned = static_cast<unsigned short>(std::min<int>(std::max(got, 0), length));
        return DFUEngine::Result(code, code == 0 ? L"" : L"key not read");
    } catch (...) {
        return DFUEngine::Result(DFUEngine::Result::failed);
    }
}

DFUEngine::Result DFUTransportCOM::BCCMDSetPS(unsigned short key, const void* buffer, unsigned short length)
{
    try {
        DfuSimulatedBus* bus = Bus();
        if (bus == nullptr || m_device < 0 || g_transportUsers.load() <= 0) {
            return DFUEngine::Result(DFUEngine::Result::notConnected, L"not connected");
        }
        if (buffer == nullptr)
            return DFUEngine::Result(DFUEngine::Result::failed, L"no buffer");
        const int code = bus->SetKey(m_device, key, static_cast<const unsigned char*>(buffer), length);
        return DFUEngine::Result(code, code == 0 ? L"" : L"key not written");
    } catch (...) {
        return DFUEngine::Result(DFUEngine::Result::failed);
    }
}

void DFUTransportUSB::init()
{
    ++g_transportUsers;
}

void DFUTransportUSB::deinit()
{
    int users = g_transportUsers.load();
    while (users > 0 && !g_transportUsers.compare_exchange_weak(users, users - 1)) {}
}

CStringX DFUTransportUSB::PathInternal(const wchar_t* deviceName)
{
    try {
        DfuSimulatedBus* bus = Bus();
        const int index = FindDeviceByName(bus, deviceName);
        return index >= 0 ? CStringX(bus->DevicePath(index)) : CStringX();
    } catch (...) {
        return CStringX();
    }
}

int DFURequestsUSB::EnumerateDevices(CStringListX& names)
{
    try {
        if (g_transportUsers.load() <= 0)
            return 0;
        return AppendDeviceNames(names);
    } catch (...) {
        return 0;
    }
}

DFUEngine::Result DFURequestsUSB::ConnectDevice(const wchar_t* path, DFUTransportCOM& transport)
{
    try {
        transport.m_device = -1;
        DfuSimulatedBus* bus = Bus();
        if (bus == nullptr || g_transportUsers.load() <= 0) {
            return DFUEngine::Result(DFUEngine::Result::notInitialised, L"transport not initialised");
        }
        const int index = FindDeviceByPath(bus, path);
        if (index < 0)
            return DFUEngine::Result(DFUEngine::Result::noDevice, L"no such device");
        if (!bus->Connect(index))
            return DFUEngine::Result(DFUEngine::Result::notConnected, L"device does not answer");
        transport.m_device = index;
        return DFUEngine::Result();
    } catch (...) {
        return DFUEngine::Result(DFUEngine::Result::failed);
    }
}

CStringX Device::Canonicalise(const wchar_t* path, bool upperCase)
{
    try {
        CStringX text(path);
        if (upperCase) {
            wchar_t* p = text.GetBuffer();
            for (int i = 0; i < text.GetLength(); ++i)
                p[i] = static_cast<wchar_t>(std::towupper(p[i]));
        }
        return text;
    } catch (...) {
        return CStringX();
    }
}

extern "C" void DFUEngineAttachSimulatedBus(DfuSimulatedBus* bus)
{
    std::lock_guard<std::recursive_mutex> use(g_busUse);
    g_bus.store(bus);
}

extern "C" void DFUEngineSetDestroyWaitForTests(unsigned milliseconds)
{
    g_destroyWaitMs = milliseconds != 0 ? milliseconds : kDfuDestroyWaitMs;
}
