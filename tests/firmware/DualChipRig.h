#pragma once
// The two-chip worker's tests: a job whose system side (the program folder,
// the COM port lookup and the flash loader run) is in the test's hands, and a
// fixture with the unit's two interfaces on the simulated bus.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "firmware/DualChipWorker.h"
#include "firmware/FirmwareWaitForTests.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "sim/SimHeadset.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/TempFiles.h"
#include "tests/firmware/WorkerTestHost.h"

class DualChipTestHost final : public WorkerTestHost, public DualChipSystemSeam {
public:
    std::wstring folder;
    bool folderFound = true;
    ComPortLookup lookup = ComPortLookup::kFound;
    int port = 4;
    std::wstring loaderLog = L"[SUCCESS]\r\nERASING\r\nDOWNLOADING\r\n";
    std::function<void()> duringLoader;
    std::function<void()> onProgramFolder; // at every look for the program's folder
    std::vector<std::wstring> commandLines;
    std::string controllerFileAtLoader;

    // The second chip's mark in the pages' jobs, and the update page's own
    // progress, where the worker puts its milestones.
    int SecondChipDone() const { return updateJob->Snapshot().m_spare; }
    int RestoreSecondChipDone() const { return restoreJob->Snapshot().m_spare; }
    int PageProgress() const { return updateJob->Snapshot().m_progress; }

    bool ProgramFolder(std::wstring& out) override
    {
        if (onProgramFolder)
            onProgramFolder();
        out = folder;
        return folderFound;
    }
    ComPortLookup LookUpComPort(int& out) override
    {
        out = lookup == ComPortLookup::kFound ? port : -1;
        return lookup;
    }
    std::wstring RunFlashLoader(const std::wstring& commandLine) override
    {
        commandLines.push_back(commandLine);
        std::ifstream in(TempFolderPath(folder + kDualChipControllerWorkFile), std::ios::binary);
        controllerFileAtLoader.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (duringLoader)
            duringLoader();
        return loaderLog;
    }
    static std::filesystem::path TempFolderPath(const std::wstring& path) { return std::filesystem::path(path); }
};

constexpr int kBluetoothId = 0x21;

class DualChipWorkerTest : public ::testing::Test {
public:
    void SetUp() override
    {
        SetFirmwareWaitPercentForTests(0);
        ResetDualChipPairForTests();
        SetDualChipSystemSeam(&host);
        sim.Install();
        host.model = kTwoChipProductIdA;
        host.usbStatus = kTwoChipProductIdA;
        host.folder = folder.File(L"x");
        host.folder.pop_back();
        a = &sim.AddInterface(kTwoChipProductIdA);
        b = &sim.AddInterface(kTwoChipProductIdB);
        a->knobs.readyFlag = 0;
        b->knobs.readyFlag = 0;
    }
    void TearDown() override
    {
        SetDualChipSystemSeam(nullptr);
        ResetDualChipPairForTests();
        SetFirmwareWaitPercentForTests(100);
    }
    void UseImage(std::size_t bluetoothBytes = 2100, int model = kTwoChipProductIdA)
    {
        sections = {SectionOf(0, kBluetoothId, bluetoothBytes, 1), SectionOf(1, 0x22, 300, 2)};
        image = BuildImage(static_cast<std::uint32_t>(model), sections);
        WriteImage();
    }
    void WriteImage()
    {
        host.job->Lock()->m_imagePath = folder.Write(L"two_chip.img", image);
        host.job->Lock()->m_failed = 1; // as the preparation leaves it
    }
    bool WorkFileExists(const wchar_t* name) const { return std::filesystem::exists(host.folder + name); }
    std::vector<int> Commands(int productId) const
    {
        std::vector<int> commands;
        for (const auto& request : sim.Requests(productId))
            commands.push_back(request[1]);
        return commands;
    }
    static std::wstring StatusFailure(int tag)
    {
        return L"Failed to update firmware. Cannot get status[" + std::to_wstring(tag) + L"]";
    }

    SimHeadset sim;
    TempFolder folder;
    DualChipTestHost host;
    SimHidInterface* a = nullptr;
    SimHidInterface* b = nullptr;
    std::vector<BuiltSection> sections;
    std::vector<std::uint8_t> image;
};
