// The two-chip worker's work files beside the program: a file left by an
// earlier run must never be taken for this run's.
#include <gtest/gtest.h>

#include <string>

#include "tests/firmware/DualChipRig.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

#ifndef _WIN32
// No file can be opened while it lives: the process's limit of open files is
// held at the files open now.
class NoNewFiles {
public:
    NoNewFiles()
    {
        getrlimit(RLIMIT_NOFILE, &m_saved);
        const int lowestFree = dup(0);
        close(lowestFree);
        rlimit held = m_saved;
        held.rlim_cur = static_cast<rlim_t>(lowestFree);
        setrlimit(RLIMIT_NOFILE, &held);
    }
    ~NoNewFiles() { setrlimit(RLIMIT_NOFILE, &m_saved); }
    NoNewFiles(const NoNewFiles&) = delete;
    NoNewFiles& operator=(const NoNewFiles&) = delete;

private:
    rlimit m_saved{};
};

// The microcontroller's file of this run cannot be created; an earlier run's
// lies where it would go. The flash loader must find no file at all rather
// than the stale one.
TEST_F(DualChipWorkerTest, AStaleMicrocontrollerFileIsDeletedBeforeTheNewOneIsMade)
{
    UseImage();
    const std::string stale = "stale microcontroller image";
    folder.Write(kDualChipControllerWorkFile, std::vector<std::uint8_t>(stale.begin(), stale.end()));
    ASSERT_TRUE(WorkFileExists(kDualChipControllerWorkFile));
    std::unique_ptr<NoNewFiles> held;
    int folderLooks = 0;
    host.onProgramFolder = [&] {
        // The second look is for the microcontroller's file; the third comes
        // after both files.
        ++folderLooks;
        if (folderLooks == 2)
            held = std::make_unique<NoNewFiles>();
        else
            held.reset();
    };
    bool fileAtLoader = true;
    host.duringLoader = [&] { fileAtLoader = WorkFileExists(kDualChipControllerWorkFile); };
    host.loaderLog = L"[FAIL]\r\nNo file to program\r\n";
    host.Run(DualChipUpdateThread);
    held.reset();
    EXPECT_FALSE(fileAtLoader);
    EXPECT_EQ(host.controllerFileAtLoader, "");
    EXPECT_EQ(host.Job().StatusText(0), StatusFailure(25));
    EXPECT_FALSE(WorkFileExists(kDualChipControllerWorkFile));
    EXPECT_FALSE(WorkFileExists(kDualChipBluetoothWorkFile));
}
#endif

// A Bluetooth file of an earlier run is replaced by this run's.
TEST_F(DualChipWorkerTest, AnEarlierRunsFilesAreReplacedByThisRunsImages)
{
    UseImage();
    for (const wchar_t* name : {kDualChipBluetoothWorkFile, kDualChipControllerWorkFile})
        folder.Write(name, std::vector<std::uint8_t>(5000, 0xEE));
    host.Run(DualChipUpdateThread);
    EXPECT_EQ(host.controllerFileAtLoader, std::string(sections[1].data.begin(), sections[1].data.end()));
    EXPECT_EQ(host.TimerRequests(), 1) << host.Job().StatusText(0);
}

// The worker looks for the program's folder before each work file, once both
// are written, and before the flash loader; each look that finds none ends
// the job with its tag and leaves the files as far as it got.
TEST_F(DualChipWorkerTest, AProgramFolderNotFoundEndsWithTheTagOfItsLook)
{
    struct Case {
        int look;
        int tag;
        bool bluetoothLeft;
        bool controllerLeft;
        const wchar_t* reason;
    };
    const Case cases[] = {
        {1, 10, false, false, L"Firmware corrupted"},
        {2, 10, true, false, L"Firmware corrupted"},
        {3, 15, true, true, L"Firmware corrupted"},
        {4, 22, false, false, L"Cannot get status"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.look);
        ResetDualChipPairForTests();
        for (const wchar_t* name : {kDualChipBluetoothWorkFile, kDualChipControllerWorkFile})
            std::filesystem::remove(std::filesystem::path(host.folder + name));
        host.job->Lock()->m_finished = 0;
        host.ResetTimerRequests();
        int looks = 0;
        host.onProgramFolder = [&] { host.folderFound = ++looks != c.look; };
        UseImage();
        host.Run(DualChipUpdateThread);
        host.folderFound = true;
        EXPECT_EQ(host.Job().StatusText(0),
                  L"Failed to update firmware. " + std::wstring(c.reason) + L"[" + std::to_wstring(c.tag) + L"]");
        EXPECT_EQ(host.Job().m_failed, 1);
        EXPECT_EQ(host.Job().m_finished, 1);
        EXPECT_EQ(host.TimerRequests(), 0);
        EXPECT_EQ(host.Job().m_state, c.look == 4 ? kJobTransferring : kJobImageVerified);
        EXPECT_EQ(WorkFileExists(kDualChipBluetoothWorkFile), c.bluetoothLeft);
        EXPECT_EQ(WorkFileExists(kDualChipControllerWorkFile), c.controllerLeft);
        EXPECT_TRUE(host.commandLines.empty());
    }
}

} // namespace
