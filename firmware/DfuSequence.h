#pragma once
// The update page's driving of the DFU library: finding the unit's DFU
// devices, binding them to the two engines, the three engine steps one after
// the other, the notifications that arrive on the library's threads turned
// into work on the user-interface thread through a locked queue and one posted
// message per item, the hold-button popups and the retry on the second engine.
// Nothing here is a window: the page supplies the host and the engines.

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "firmware/FirmwareBounds.h"
#include "firmware/SmartPtr.h"
#include "standins/DFUEngine.h"

class FirmwareJob;

enum DfuCallbackKind {
    kDfuNotify = 0,
    kDfuProgress = 1,
    kDfuComplete = 2,
};

// One engine notification, copied on the library's thread.
struct DfuCallbackData {
    int m_kind = kDfuNotify;
    int m_argument = 0;
    DFUEngine::Status m_status;
    int m_jobNumber = 0; // the job it was queued in; items of an ended job are dropped
};

using DfuCallbackPtr = SmartPtr<DfuCallbackData, 0>;

enum DfuEngineIndex {
    kDfuEngineA = 0,
    kDfuEngineB = 1,
};

// The library's device list and the page's two engines.
class DfuEngineDriver {
public:
    virtual ~DfuEngineDriver() = default;
    // Appends the present DFU devices' names; 1 when there is at least one.
    virtual int GetUsbDeviceNames(std::vector<std::wstring>& names) = 0;
    virtual std::wstring PathInternal(const std::wstring& name) = 0;
    // Binds the engine to the device and hands it the callback.
    virtual void Bind(int engine, const std::wstring& deviceName, DFUEngine::Callback* callback) = 0;
    virtual bool StartReconfigure(int engine, const std::wstring& imagePath) = 0;
    virtual bool StartDownload(int engine, const std::wstring& imagePath) = 0;
    virtual bool StartManifest(int engine) = 0;
    virtual void Destroy(int engine) = 0;
};

// The driver over the library itself and the page's two engine objects,
// which live as long as the page.
class DfuLibraryEngines final : public DfuEngineDriver {
public:
    DfuLibraryEngines(DFUEngine& engineA, DFUEngine& engineB) : m_engines{&engineA, &engineB} {}
    int GetUsbDeviceNames(std::vector<std::wstring>& names) override;
    std::wstring PathInternal(const std::wstring& name) override;
    void Bind(int engine, const std::wstring& deviceName, DFUEngine::Callback* callback) override;
    bool StartReconfigure(int engine, const std::wstring& imagePath) override;
    bool StartDownload(int engine, const std::wstring& imagePath) override;
    bool StartManifest(int engine) override;
    void Destroy(int engine) override;

private:
    DFUEngine* m_engines[2];
};

enum class DfuPopup {
    kHoldButton,     // "press and hold" while the transfer starts
    kHoldTwoButtons, // before the unit restarts
};

// What the sequence needs of the page and the main window. Every call is made
// on the user-interface thread except PostCallbackMessage.
class DfuSequenceHost {
public:
    virtual ~DfuSequenceHost() = default;
    // The job driven now (the update page's on page 3, else the restore page's).
    virtual FirmwareJob& Job() = 0;
    virtual int Page() = 0;
    virtual int UsbStatus() = 0;
    virtual int ModelCode() = 0;
    // Opens the popup and hands it to the job.
    virtual void OpenPopup(DfuPopup popup) = 0;
    // Starts the wait timer unless it runs.
    virtual void ArmWaitTimer() = 0;
    // Posts the message that hands one queued item to HandleNextCallback;
    // callable from any thread.
    virtual void PostCallbackMessage() = 0;
    // A fixed wait of the DFU start; the page keeps painting meanwhile.
    virtual void Wait(int milliseconds) = 0;
    // A steady clock in milliseconds, for the silent-engine bound.
    virtual std::uint64_t NowMs() = 0;
};

// The page's ints that the sequence writes and the progress and wait timers
// read, all on the page's thread; a sequence made without them keeps its own.
struct DfuPageFields {
    int* activeEngine = nullptr;
    int* engineACreated = nullptr;
    int* engineBCreated = nullptr;
    int* waitTicks = nullptr;
    int* restartPending = nullptr;
};

class DfuSequence {
public:
    DfuSequence(DfuSequenceHost& host, DfuEngineDriver& engines, const DfuPageFields& fields = DfuPageFields());
    ~DfuSequence();
    DfuSequence(const DfuSequence&) = delete;
    DfuSequence& operator=(const DfuSequence&) = delete;

    // Finds and binds the devices and starts engine A's reconfigure. Success
    // shows as m_activeEngine 1, failure as the job failed and finished.
    void StartDfu();

    // Library threads.
    void QueueCallback(int kind, int argument, const DFUEngine::Status& status);
    void Notify(int argument, const DFUEngine::Status& status);
    void Progress(int argument, const DFUEngine::Status& status);
    void Complete(int argument, const DFUEngine::Status& status);
    // The callback base handed to the engines.
    DFUEngine::Callback* CallbackBase() { return &m_callback; }

    // The posted message: takes one item, if any, and acts on it.
    void HandleNextCallback();

    // Ends the job's use of the engines: drops what is still queued, so a
    // late notification finds no job to act on, and releases every bound
    // engine.
    void EndJob();

    // Called by the progress timer: an engine step that has sent nothing for
    // the silent-engine bound ends the job as failed. True when it did.
    bool CheckSilentEngine();

    // Starts engine B's reconfigure (the wait timer does this for the
    // two-chip model once its first chip is done) and readies the job for
    // its phases from 50 %; true when it started.
    bool StartEngineB();

    // Clears the fields an update starts from.
    void ResetForUpdate();

    std::size_t QueuedItems();

private:
    int m_own[5] = {};

public:
    int& m_activeEngine; // 0 none, 1 engine A, 2 engine B
    int& m_engineACreated;
    int& m_engineBCreated;
    int& m_waitTicks;
    int& m_restartPending;

private:
    class Callback final : public DFUEngine::Callback {
    public:
        explicit Callback(DfuSequence& owner) : m_owner(owner) {}
        void Notify(int argument, const DFUEngine::Status& status) override { m_owner.Notify(argument, status); }
        void Progress(int argument, const DFUEngine::Status& status) override { m_owner.Progress(argument, status); }
        void Complete(int argument, const DFUEngine::Status& status) override { m_owner.Complete(argument, status); }

    private:
        DfuSequence& m_owner;
    };

    void StartNextDfuStep(const DFUEngine::Status& status);
    // The engine step restarts its activity count and the timed progress.
    void RestartEventCount();
    std::wstring ImagePath();
    void HandleActivity(int activity);
    void Fail(const wchar_t* tag, std::wstring (*reason)(int), bool finished = true);
    void FailCount(int count);
    int EngineInUse() const { return m_activeEngine == 2 ? kDfuEngineB : kDfuEngineA; }
    void StepStarted();

    DfuSequenceHost& m_host;
    DfuEngineDriver& m_engines;
    Callback m_callback{*this};
    std::mutex m_callbackLock;
    std::deque<DfuCallbackPtr> m_callbackQueue;
    std::atomic<int> m_jobNumber{1};
    bool m_stepRunning = false;
    std::uint64_t m_lastHeardMs = 0;
};

// The models that never get a hold-button popup.
bool IsNoPopupDfuModel(int modelCode);
// The models whose DFU device appears only after a long wait.
bool WaitsForDfuDevice(int modelCode);
