#pragma once
// The update worker of the two-chip headset: its Bluetooth image goes over
// both of the unit's HID interfaces, its microcontroller image through the
// outside flash loader on the unit's COM port. The worker keeps a HID pair of
// its own (not the main window's), which outlives a run, and reports only
// through its job's record, the pages' records its context names, and the
// request for the wait timer.

#include <string>

#include "firmware/FlashLoader.h"
#include "link/HidDeviceSeam.h"

class WorkerHost;

// The system's side of the worker: the running program's folder (looked up
// at each step that needs it), the serial converter's COM port through the
// D2XX library, and the flash loader run, bounded. The program runs over the
// system's (Windows only; no converter and no folder elsewhere); tests install
// their own.
class DualChipSystemSeam {
public:
    virtual ~DualChipSystemSeam() = default;
    // The program's own folder (ending in a backslash); false when the
    // module's path names none.
    virtual bool ProgramFolder(std::wstring& folder) = 0;
    virtual ComPortLookup LookUpComPort(int& port) = 0;
    // Runs the flash loader's command line; the log of the run.
    virtual std::wstring RunFlashLoader(const std::wstring& commandLine) = 0;
};

DualChipSystemSeam& GetDualChipSystemSeam();
// Tests install theirs; null returns to the platform's.
void SetDualChipSystemSeam(DualChipSystemSeam* seam);
DualChipSystemSeam& PlatformDualChipSystemSeam();

// Up to maxCount present HID interfaces of the two-chip unit (the maker's,
// product id 0x5345 or 0x5346, usage page 0xFF00, usage 1), in the system's
// order; the first two paths go to firstPath and secondPath where given.
int FindDualChipHidPaths(std::wstring* firstPath, std::wstring* secondPath, int maxCount);

// Opens count (1 or 2) of those interfaces into first and second (both set to
// none first); true when all count are open. An interface that opened stays
// stored even when the result is false.
bool OpenDualChipHidHandles(HidHandle* first, HidHandle* second, int count);

// The worker's thread body.
void DualChipUpdateThread(WorkerHost& host);

// True from a worker's start until it has ended, also after the progress
// timer has given its job up: a new two-chip update must wait for it, since
// both would use the same HID pair.
bool DualChipWorkerRunning();

// The worker's pair and its control slot, for tests: closed, and slot 0.
void ResetDualChipPairForTests();
// The control slot the last interface query left (0 or 1).
int DualChipControlIndex();
