#pragma once
// Test-only door of the DFU library stand-in: a test program attaches a
// simulated bus, and the library then lists, connects, reads and writes keys
// and runs engine steps against it. Without one attached the library sees no
// device. Only plain types cross, so the simulator lives in the test program.

#include "standins/DFUEngine.h"

struct DfuStepPlan {
    int finishedStep = 0;  // the step code Complete reports
    int resultCode = 0;    // 0 success
    int activityCount = 0; // activities reported before Complete, in order
    int activities[64] = {};
    // Each transfer activity (16) is reported this many times, as the
    // library's progress comes.
    int transferRepeat = 1;
    // Pause before each callback, in milliseconds, so the callbacks come
    // spread over time on the library's thread.
    int delayMs = 0;
    // The step never reports anything: no activity and no Complete.
    bool silent = false;
};

class DfuSimulatedBus {
public:
    virtual int DeviceCount() = 0;
    virtual const wchar_t* DeviceName(int index) = 0;
    virtual const wchar_t* DevicePath(int index) = 0;
    virtual bool Connect(int index) = 0;
    // Result codes of DFUEngine::Result; length and returned in bytes.
    virtual int GetKey(int index, unsigned short key, unsigned char* buffer, int length, int* returned) = 0;
    virtual int SetKey(int index, unsigned short key, const unsigned char* buffer, int length) = 0;
    virtual bool IsFileValid(const wchar_t* imagePath) = 0;
    // request: 0 reconfigure, 1 download, 2 manifest.
    virtual void PlanStep(int index, int request, DfuStepPlan* plan) = 0;
    // After a step's last callback but before its Complete; resultCode 0 for success.
    virtual void StepEnded(int index, int request, int resultCode) = 0;

protected:
    ~DfuSimulatedBus() = default;
};

extern "C" DFUENGINE_API void DFUEngineAttachSimulatedBus(DfuSimulatedBus* bus);

// Shortens the time Destroy waits for a running step; 0 restores the shipped
// bound.
extern "C" DFUENGINE_API void DFUEngineSetDestroyWaitForTests(unsigned milliseconds);
