#pragma once
// The update worker of the two-chip headset: its Bluetooth image goes over
// both of the unit's HID interfaces, its microcontroller image through the
// outside flash loader on the unit's COM port. The worker keeps a HID pair of
// its own (not the main window's), which outlives a run, and reports only
// through the job record and the page's fields its host reaches.

#include <string>

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
