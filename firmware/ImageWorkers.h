#pragma once
// The workers that put a checked firmware image into a headset over its HID
// command channel, and the section transfer they (and the dual-chip and
// camera workers) share. The workers report only through the job record and
// one request to arm the page's wait timer; the page and main window they need
// come through a host, so they run the same under a test as in the program.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "firmware/JobTexts.h"
#include "link/HidDeviceSeam.h"

class FirmwareInfo;

// What a worker reads and writes outside its own locals. Called on the
// worker's thread.
class ImageWorkerHost {
public:
    virtual ~ImageWorkerHost() = default;
    virtual FirmwareInfo& Job() = 0;
    virtual int Page() = 0;
    virtual int UsbStatus() = 0;
    virtual int ModelCode() = 0;
    virtual HidHandle* Primary() = 0;
    virtual HidHandle* Secondary() = 0;
    // Writes the model's settings archive: 1 written, 0 failed.
    virtual int WriteSettingsArchive() = 0;
    // The main window's wait for the user's OK after a failed backup.
    virtual int WaitForUser() = 0;
    virtual void SetWaitForUser(int value) = 0;
    // The page's progress starts counting afresh for the transfer.
    virtual void StartTransferProgress() = 0;
    virtual void ClearAutoUpdate() = 0;
    // Asks the user-interface thread to start the wait timer unless it runs.
    virtual void ArmWaitTimer() = 0;
    // The manager's firmware-language setting (loader models).
    virtual std::wstring FirmwareLanguage() = 0;
};

// The settings backup of the update page's jobs: the activity texts, then
// the archive; a failed archive holds the worker until the user confirms.
void BackUpSettingsBeforeTransfer(ImageWorkerHost& host, const LanguageTexts& activity);

// The transfer begins: the plain activity text, no failure, and the page's
// and the job's progress counts from zero.
void StartTransferReport(ImageWorkerHost& host);

// Largest data payload of one section data report.
constexpr std::size_t kSectionDataMax = 1019;

enum class SectionFault {
    kNone,
    kStart,
    kDataWrite,
    kDataStatus,
    kEnd,
};

// One section: start, data reports of at most maxChunk bytes (each written
// and its status read before the next), end.
SectionFault SendImageSection(HidHandle* channel, int sectionId, const std::uint8_t* data, std::size_t length,
                              std::size_t maxChunk = kSectionDataMax);

// The image name's stem: the path after its last backslash, with every
// trailing ".", "i", "m" and "g" removed.
std::wstring ImageNameStem(const std::wstring& imagePath);

// The version gate of 0x4210 on the file name: false when the name's version
// is older than 1.7.5 (a name without a "." in its version passes).
bool ImageNameVersionPasses(const std::wstring& imagePath);

// The unit's state (group 5, byte 5 after the word swap); a second try after a
// failed exchange, 0 when both fail.
int ReadUnitState(HidHandle* channel);

// The unit states for which the file name's version is checked.
bool UnitStateNeedsVersionGate(int state);

// The three workers; each ends either at its failure end (job finished and
// failed) or after asking for the wait timer.
void ImageUpdateThread(ImageWorkerHost& host);
void DualChannelImageUpdateThread(ImageWorkerHost& host);
void VersionedImageUpdateThread(ImageWorkerHost& host);

// The progress timer's end of a two-chip job whose status never came:
// "[26]" with the cannot-get-status text.
void FailWithStatusError(FirmwareInfo& job, int page, int usbStatus, int* autoUpdate);

// A host over plain fields, for the page's side to fill once per worker start:
// the job and the main window's values the worker reads, and the page's and
// main window's ints it writes (single aligned words, written whole).
struct WorkerBindings {
    FirmwareInfo* job = nullptr;
    int page = 0;
    int usbStatus = 0;
    int modelCode = 0;
    HidHandle* primary = nullptr;
    HidHandle* secondary = nullptr;
    volatile int* waitForUser = nullptr;
    int* autoUpdate = nullptr;
    int* progressEventCount = nullptr;
    int* timedProgress = nullptr;
    std::wstring firmwareLanguage;
    // The settings archive of the main window's live record: 1 written.
    std::function<int()> writeSettingsArchive;
    // Posts the page's request for its wait timer.
    std::function<void()> requestDeviceWait;
};

class BoundWorkerHost final : public ImageWorkerHost {
public:
    explicit BoundWorkerHost(WorkerBindings bindings) : m_b(std::move(bindings)) {}
    FirmwareInfo& Job() override { return *m_b.job; }
    int Page() override { return m_b.page; }
    int UsbStatus() override { return m_b.usbStatus; }
    int ModelCode() override { return m_b.modelCode; }
    HidHandle* Primary() override { return m_b.primary; }
    HidHandle* Secondary() override { return m_b.secondary; }
    int WriteSettingsArchive() override { return m_b.writeSettingsArchive ? m_b.writeSettingsArchive() : 0; }
    int WaitForUser() override { return m_b.waitForUser ? *m_b.waitForUser : 0; }
    void SetWaitForUser(int value) override
    {
        if (m_b.waitForUser)
            *m_b.waitForUser = value;
    }
    void StartTransferProgress() override
    {
        if (m_b.progressEventCount)
            *m_b.progressEventCount = 0;
        if (m_b.timedProgress)
            *m_b.timedProgress = 1;
    }
    void ClearAutoUpdate() override
    {
        if (m_b.autoUpdate)
            *m_b.autoUpdate = 0;
    }
    void ArmWaitTimer() override
    {
        if (m_b.requestDeviceWait)
            m_b.requestDeviceWait();
    }
    std::wstring FirmwareLanguage() override { return m_b.firmwareLanguage; }

private:
    WorkerBindings m_b;
};
