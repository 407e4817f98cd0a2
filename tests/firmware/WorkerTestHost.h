#pragma once
// A host for the image workers over the simulated headset: the job record,
// the main window's and the page's fields, and counters of what the worker
// asked for.

#include <string>

#include "device/FirmwareInfo.h"
#include "firmware/ImageWorkers.h"
#include "link/HidChannel.h"

template <class Base = ImageWorkerHost> class WorkerTestHostOf : public Base {
public:
    FirmwareInfo job;
    int page = 3;
    int usbStatus = 0;
    int model = 0;
    HidHandle primary = nullptr;
    HidHandle secondary = nullptr;
    int archiveResult = 1;
    int archiveWrites = 0;
    int waitForUser = 0;
    int waitForUserSet = 0;    // how often the worker raised the flag
    int confirmAfterLooks = 0; // the user confirms after the worker looked this often
    int looks = 0;
    int transferStarts = 0;
    int autoUpdate = 1;
    int timerRequests = 0;
    std::wstring firmwareLanguage = L"English";
    std::wstring textsAtArchive; // English status text when the archive was written

    ~WorkerTestHostOf() override
    {
        CloseHidHandle(&primary);
        CloseHidHandle(&secondary);
    }

    FirmwareInfo& Job() override { return job; }
    int Page() override { return page; }
    int UsbStatus() override { return usbStatus; }
    int ModelCode() override { return model; }
    HidHandle* Primary() override { return &primary; }
    HidHandle* Secondary() override { return &secondary; }
    int WriteSettingsArchive() override
    {
        ++archiveWrites;
        textsAtArchive = job.StatusText(0);
        return archiveResult;
    }
    int WaitForUser() override
    {
        if (++looks >= confirmAfterLooks)
            waitForUser = 0;
        return waitForUser;
    }
    void SetWaitForUser(int value) override
    {
        waitForUser = value;
        ++waitForUserSet;
    }
    void StartTransferProgress() override { ++transferStarts; }
    void ClearAutoUpdate() override { autoUpdate = 0; }
    void ArmWaitTimer() override { ++timerRequests; }
    std::wstring FirmwareLanguage() override { return firmwareLanguage; }
};

using WorkerTestHost = WorkerTestHostOf<>;
