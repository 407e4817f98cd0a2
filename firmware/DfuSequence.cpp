#include "firmware/DfuSequence.h"

#include <string>

#include "device/FirmwareInfo.h"
#include "firmware/FirmwareJob.h"
#include "firmware/JobTexts.h"
#include "link/UsbHardwareId.h"
#include "text/FirmwareTexts.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr int kTwoChipDfuModel = 0x5310;

// clang-format off
// Models whose unit needs no button held during the update.
constexpr int kNoPopupModels[] = {0x5310, 0x3010, 0x4120, 0x6420, 0x6430, 0x6020, 0x6022, 0x6024, 0x3020};
// Models that are put into DFU mode by hand and appear late.
constexpr int kLateDfuDeviceModels[] = {0x6020, 0x6022, 0x6024};
// clang-format on

constexpr int kResultDeviceLost = 7;
constexpr int kResultDeviceRefused = 28;
constexpr int kStepReconfigureHeld = 2;
constexpr int kStepReconfigure = 3;
constexpr int kStepDownload = 4;

constexpr int kActivityTransfer = 16;
constexpr int kActivityTransferEnd = 17;
constexpr int kActivityRestartHeld = 18;
constexpr int kActivityWaitReconnect = 19;

// Engine B starts at half of the job: the second chip, or a retry.
constexpr int kEngineBStartProgress = 50;

template <std::size_t N> bool Contains(const int (&list)[N], int value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

} // namespace

bool IsNoPopupDfuModel(int modelCode)
{
    return Contains(kNoPopupModels, modelCode);
}

bool WaitsForDfuDevice(int modelCode)
{
    return Contains(kLateDfuDeviceModels, modelCode);
}

// ---------------------------------------------------------------- library engines

int DfuLibraryEngines::GetUsbDeviceNames(std::vector<std::wstring>& names)
{
    CStringListX list;
    const int result = DFUEngine::GetUSBDeviceNames(list);
    CStringListX::Position position = list.GetHeadPosition();
    while (static_cast<CStringX*>(position) != nullptr)
        names.emplace_back(static_cast<const wchar_t*>(list.GetNext(position)));
    return result;
}

std::wstring DfuLibraryEngines::PathInternal(const std::wstring& name)
{
    const CStringX path = DFUTransportUSB::PathInternal(name.c_str());
    return std::wstring(static_cast<const wchar_t*>(path));
}

void DfuLibraryEngines::Bind(int engine, const std::wstring& deviceName, DFUEngine::Callback* callback)
{
    m_engines[engine]->CreateUSB(deviceName.c_str());
    m_engines[engine]->SetCallback(callback);
}

bool DfuLibraryEngines::StartReconfigure(int engine, const std::wstring& imagePath)
{
    return static_cast<bool>(m_engines[engine]->StartReconfigure(false, true, imagePath.c_str()));
}

bool DfuLibraryEngines::StartDownload(int engine, const std::wstring& imagePath)
{
    return static_cast<bool>(m_engines[engine]->StartDownload(imagePath.c_str()));
}

bool DfuLibraryEngines::StartManifest(int engine)
{
    return static_cast<bool>(m_engines[engine]->StartManifest());
}

void DfuLibraryEngines::Destroy(int engine)
{
    m_engines[engine]->Destroy();
}

// ---------------------------------------------------------------- sequence

DfuSequence::DfuSequence(DfuSequenceHost& host, DfuEngineDriver& engines, const DfuPageFields& fields)
    : m_activeEngine(fields.activeEngine ? *fields.activeEngine : m_own[0]),
      m_engineACreated(fields.engineACreated ? *fields.engineACreated : m_own[1]),
      m_engineBCreated(fields.engineBCreated ? *fields.engineBCreated : m_own[2]),
      m_waitTicks(fields.waitTicks ? *fields.waitTicks : m_own[3]),
      m_restartPending(fields.restartPending ? *fields.restartPending : m_own[4]), m_host(host), m_engines(engines)
{}

DfuSequence::~DfuSequence()
{
    std::lock_guard<std::mutex> lock(m_callbackLock);
    m_callbackQueue.clear();
}

void DfuSequence::ResetForUpdate()
{
    m_restartPending = 0;
    m_waitTicks = 0;
    RestartEventCount();
}

void DfuSequence::RestartEventCount()
{
    auto job = m_host.Job().Lock();
    job->m_progressEventCount = 0;
    job->m_timedProgress = 1;
}

std::wstring DfuSequence::ImagePath()
{
    return m_host.Job().Lock()->m_imagePath;
}

void DfuSequence::Fail(const wchar_t* tag, std::wstring (*reason)(int), bool finished)
{
    const LanguageTexts texts = FailureTexts(m_host.Page(), m_host.UsbStatus(), reason, tag);
    if (finished)
        m_stepRunning = false;
    auto job = m_host.Job().Lock();
    WriteJobStatusTexts(*job, texts);
    job->m_failed = 1;
    job->m_succeeded = 0;
    if (finished)
        job->m_finished = 1;
}

void DfuSequence::FailCount(int count)
{
    Fail((L"(" + std::to_wstring(count) + L")").c_str(), GetTextUsbNotMatch);
}

void DfuSequence::StepStarted()
{
    m_stepRunning = true;
    m_lastHeardMs = m_host.NowMs();
}

void DfuSequence::StartDfu()
{
    m_host.Wait(kDfuStartWaitMs);
    const int model = m_host.ModelCode();
    std::vector<std::wstring> names;
    if (WaitsForDfuDevice(model)) {
        int found = 0;
        for (int attempt = 0; attempt < kDfuDeviceWaitTries; ++attempt) {
            found = m_engines.GetUsbDeviceNames(names);
            if (found == 1)
                break;
            m_host.Wait(kDfuDeviceWaitPauseMs);
        }
        if (found == 0) {
            Fail(L"[8][0]", GetTextCannotGetDevice);
            return;
        }
    } else if (m_engines.GetUsbDeviceNames(names) == 0) {
        Fail(L"[8][2]", GetTextCannotGetDevice);
        return;
    }

    int matched = 0;
    for (const std::wstring& name : names) {
        std::wstring path = m_engines.PathInternal(name);
        std::transform(path.begin(), path.end(), path.begin(),
                       [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
        int productId = 0;
        if (!IsDfuFamilyDevicePath(path, &productId))
            continue;
        ++matched;
        // A third device is counted for the check below but binds nothing:
        // rebinding engine B would leave its first device's callbacks behind.
        if (matched == 1) {
            m_engines.Bind(kDfuEngineA, name, CallbackBase());
            m_engineACreated = 1;
        } else if (matched == 2) {
            m_engines.Bind(kDfuEngineB, name, CallbackBase());
            m_engineBCreated = 1;
        }
    }
    const int required = model == kTwoChipDfuModel ? 2 : 1;
    if (matched != required) {
        FailCount(matched);
        return;
    }
    if (!m_engines.StartReconfigure(kDfuEngineA, ImagePath())) {
        Fail(WaitsForDfuDevice(model) ? L"[8][1]" : L"[8][3]", GetTextCannotGetDevice);
        return;
    }
    m_activeEngine = 1;
    StepStarted();
}

void DfuSequence::QueueCallback(int kind, int argument, const DFUEngine::Status& status)
{
    {
        std::lock_guard<std::mutex> lock(m_callbackLock);
        DfuCallbackPtr item(new (std::nothrow) DfuCallbackData);
        if (!item)
            return;
        item->m_kind = kind;
        item->m_argument = argument;
        item->m_status = status;
        item->m_jobNumber = m_jobNumber.load();
        m_callbackQueue.push_back(item);
    }
    m_host.PostCallbackMessage();
}

void DfuSequence::Notify(int argument, const DFUEngine::Status& status)
{
    QueueCallback(kDfuNotify, argument, status);
}

void DfuSequence::Progress(int argument, const DFUEngine::Status& status)
{
    bool empty = false;
    {
        std::lock_guard<std::mutex> lock(m_callbackLock);
        empty = m_callbackQueue.empty();
    }
    // Progress comes far faster than the page handles it; an event that
    // finds anything waiting is dropped so the queue stays short.
    if (empty)
        QueueCallback(kDfuProgress, argument, status);
}

void DfuSequence::Complete(int argument, const DFUEngine::Status& status)
{
    QueueCallback(kDfuComplete, argument, status);
}

std::size_t DfuSequence::QueuedItems()
{
    std::lock_guard<std::mutex> lock(m_callbackLock);
    return m_callbackQueue.size();
}

void DfuSequence::EndJob()
{
    {
        std::lock_guard<std::mutex> lock(m_callbackLock);
        m_callbackQueue.clear();
        ++m_jobNumber;
    }
    m_activeEngine = 0;
    m_stepRunning = false;
    if (m_engineACreated) {
        m_engines.Destroy(kDfuEngineA);
        m_engineACreated = 0;
    }
    if (m_engineBCreated) {
        m_engines.Destroy(kDfuEngineB);
        m_engineBCreated = 0;
    }
}

bool DfuSequence::CheckSilentEngine()
{
    if (!m_stepRunning || m_activeEngine == 0 || m_host.Job().Lock()->m_finished)
        return false;
    if (m_host.NowMs() - m_lastHeardMs < kDfuSilentEngineMs)
        return false;
    Fail(L"", GetTextCannotUpdateFirmware);
    return true;
}

void DfuSequence::HandleActivity(int activity)
{
    FirmwareJob& job = m_host.Job();
    const int model = m_host.ModelCode();
    // A popup is a window: it is opened with the job's lock let go.
    switch (activity) {
    case kActivityTransfer: {
        const int usb = m_host.UsbStatus();
        const bool normalMode = usb > 0 && usb < 0x8000;
        const bool popupOpen = job.HasPopup();
        bool openPopup = false;
        {
            auto record = job.Lock();
            record->m_state = kJobTransferring;
            if (normalMode && !popupOpen) {
                openPopup = !IsNoPopupDfuModel(model);
            } else {
                record->m_timedProgress = 0;
                ++record->m_progressEventCount;
                if (!IsNoPopupDfuModel(model) && record->m_progressEventCount > kDfuPopupEveryActivities) {
                    record->m_progressEventCount = 0;
                    openPopup = !popupOpen;
                }
            }
            record->m_counters[1] = 0;
            record->m_counters[0] = 0;
        }
        if (openPopup)
            m_host.OpenPopup(DfuPopup::kHoldButton);
        break;
    }
    case kActivityTransferEnd:
        if (model != kTwoChipDfuModel)
            job.ClosePopup();
        break;
    case kActivityRestartHeld: {
        m_restartPending = 1;
        m_waitTicks = 0;
        {
            auto record = job.Lock();
            record->m_state = kJobFinished;
            record->m_counters[1] = 0;
            record->m_counters[0] = 0;
        }
        if (!IsNoPopupDfuModel(model) && !job.HasPopup())
            m_host.OpenPopup(DfuPopup::kHoldTwoButtons);
        break;
    }
    case kActivityWaitReconnect: m_host.ArmWaitTimer(); break;
    default: break;
    }
}

bool DfuSequence::StartEngineB()
{
    if (!m_engines.StartReconfigure(kDfuEngineB, ImagePath()))
        return false;
    m_activeEngine = 2;
    StepStarted();
    // The job runs its phases again from half way, without the failure a
    // retry leaves behind.
    auto job = m_host.Job().Lock();
    job->m_failed = 0;
    job->m_progressEventCount = 0;
    job->m_timedProgress = 1;
    job->m_counters[0] = 0;
    job->m_counters[1] = 0;
    job->m_progress = kEngineBStartProgress;
    job->m_state = kJobSecondEngineRestarting;
    return true;
}

void DfuSequence::HandleNextCallback()
{
    DfuCallbackPtr item;
    {
        std::lock_guard<std::mutex> lock(m_callbackLock);
        if (m_callbackQueue.empty())
            return;
        item = m_callbackQueue.front();
        m_callbackQueue.pop_front();
    }
    // An item queued before its job ended (a late notification of a released
    // engine) belongs to no job any more.
    if (item->m_jobNumber != m_jobNumber.load() || m_activeEngine == 0)
        return;
    m_lastHeardMs = m_host.NowMs();
    switch (item->m_kind) {
    case kDfuNotify: Progress(item->m_argument, item->m_status); break;
    case kDfuProgress: HandleActivity(item->m_status.activity); break;
    case kDfuComplete: {
        m_stepRunning = false;
        const int code = item->m_status.result.GetCode();
        bool retried = false;
        if (item->m_status.step == kStepReconfigure && (code == kResultDeviceRefused || code == kResultDeviceLost)) {
            retried = true;
            Fail(L"", GetTextCannotUpdateFirmware, false);
            if (m_host.ModelCode() == kTwoChipDfuModel || m_activeEngine == 2) {
                m_host.Job().Lock()->m_finished = 1;
            } else if (!StartEngineB()) {
                Fail(L"", GetTextCannotGetDevice);
            }
        }
        if (item->m_status.result) {
            StartNextDfuStep(item->m_status);
        } else if (retried) {
            Progress(item->m_argument, item->m_status);
        } else {
            // A step that ended badly ends the job; left to the progress
            // timer it would creep on and could end as a success.
            Fail(L"", GetTextCannotUpdateFirmware);
        }
        break;
    }
    default: break;
    }
}

void DfuSequence::StartNextDfuStep(const DFUEngine::Status& status)
{
    RestartEventCount();
    const int engine = EngineInUse();
    bool started = true;
    switch (status.step) {
    case kStepReconfigureHeld:
        m_host.Job().ClosePopup();
        started = m_engines.StartDownload(engine, ImagePath());
        break;
    case kStepReconfigure: started = m_engines.StartDownload(engine, ImagePath()); break;
    case kStepDownload: started = m_engines.StartManifest(engine); break;
    default:
        if (m_restartPending)
            m_host.ArmWaitTimer();
        return;
    }
    if (!started) {
        Fail(L"", GetTextCannotUpdateFirmware);
        return;
    }
    StepStarted();
}
