#pragma once
// The update worker of the two-chip headset: its Bluetooth image goes over
// both of the unit's HID interfaces, its microcontroller image through the
// outside flash loader on the unit's COM port. The worker keeps a HID pair of
// its own (not the main window's), which outlives a run, and reports only
// through the job record and the page's fields its host reaches.

#include <functional>
#include <string>
#include <utility>

#include "firmware/FlashLoader.h"
#include "firmware/ImageWorkers.h"
#include "link/HidDeviceSeam.h"

class DualChipWorkerHost : public ImageWorkerHost {
public:
    // The program's own folder (ending in a backslash); false when the
    // module's path names none.
    virtual bool ProgramFolder(std::wstring& folder) = 0;
    virtual ComPortLookup LookUpComPort(int& port) = 0;
    // Runs the flash loader's command line; the log of the run.
    virtual std::wstring RunFlashLoader(const std::wstring& commandLine) = 0;
    // The microcontroller step's mark, in the update page's and the restore
    // page's job records both.
    virtual void SetSecondChipDone(int value) = 0;
    // The update page's own progress, which carries the worker's milestones
    // whichever page drives the job.
    virtual int PageProgress() = 0;
    virtual void SetPageProgress(int percent) = 0;
};

// Up to maxCount present HID interfaces of the two-chip unit (the maker's,
// product id 0x5345 or 0x5346, usage page 0xFF00, usage 1), in the system's
// order; the first two paths go to firstPath and secondPath where given.
int FindDualChipHidPaths(std::wstring* firstPath, std::wstring* secondPath, int maxCount);

// Opens count (1 or 2) of those interfaces into first and second (both set to
// none first); true when all count are open. An interface that opened stays
// stored even when the result is false.
bool OpenDualChipHidHandles(HidHandle* first, HidHandle* second, int count);

// The worker's thread body.
void DualChipUpdateThread(DualChipWorkerHost& host);

// True from a worker's start until it has ended, also after the progress
// timer has given its job up: a new two-chip update must wait for it, since
// both would use the same HID pair.
bool DualChipWorkerRunning();

// The worker's pair and its control slot, for tests: closed, and slot 0.
void ResetDualChipPairForTests();
// The control slot the last interface query left (0 or 1).
int DualChipControlIndex();

// The page's side of a dual-chip start: the plain bindings of every worker,
// the second-chip mark of both job records, and the update page's progress.
// The system's side of the worker (Windows only): the running program's folder
// (ending in a backslash), the D2XX lookup of the unit's COM port, and the
// flash loader run, bounded.
bool DualChipProgramFolder(std::wstring& folder);
ComPortLookup DualChipComPort(int& port);
std::wstring DualChipRunFlashLoader(const std::wstring& commandLine);

struct DualChipBindings {
    WorkerBindings worker;
    std::function<void(int)> setSecondChipDone;
    int* pageProgress = nullptr;
};

// A host over those bindings and the system: the running program's folder,
// the D2XX lookup and the bounded flash loader run (Windows only).
class BoundDualChipHost final : public DualChipWorkerHost {
public:
    explicit BoundDualChipHost(DualChipBindings bindings) : m_b(std::move(bindings)), m_worker(m_b.worker) {}
    FirmwareInfo& Job() override { return m_worker.Job(); }
    int Page() override { return m_worker.Page(); }
    int UsbStatus() override { return m_worker.UsbStatus(); }
    int ModelCode() override { return m_worker.ModelCode(); }
    HidHandle* Primary() override { return m_worker.Primary(); }
    HidHandle* Secondary() override { return m_worker.Secondary(); }
    int WriteSettingsArchive() override { return m_worker.WriteSettingsArchive(); }
    int WaitForUser() override { return m_worker.WaitForUser(); }
    void SetWaitForUser(int value) override { m_worker.SetWaitForUser(value); }
    void StartTransferProgress() override { m_worker.StartTransferProgress(); }
    void ClearAutoUpdate() override { m_worker.ClearAutoUpdate(); }
    void ArmWaitTimer() override { m_worker.ArmWaitTimer(); }
    std::wstring FirmwareLanguage() override { return m_worker.FirmwareLanguage(); }
    void SetSecondChipDone(int value) override
    {
        if (m_b.setSecondChipDone)
            m_b.setSecondChipDone(value);
    }
    int PageProgress() override { return m_b.pageProgress ? *m_b.pageProgress : 0; }
    void SetPageProgress(int percent) override
    {
        if (m_b.pageProgress)
            *m_b.pageProgress = percent;
    }
    bool ProgramFolder(std::wstring& folder) override;
    ComPortLookup LookUpComPort(int& port) override;
    std::wstring RunFlashLoader(const std::wstring& commandLine) override;

private:
    DualChipBindings m_b;
    BoundWorkerHost m_worker;
};
