#pragma once
// The workers that put a checked firmware image into a headset over its HID
// command channel, and the section transfer they (and the dual-chip and
// camera workers) share. The workers report only through their job's record
// and one request to arm the page's wait timer; what they need of the main
// window comes with the job's context (firmware/FirmwareJob.h).

#include <cstddef>
#include <cstdint>
#include <string>

#include "firmware/JobTexts.h"
#include "link/HidDeviceSeam.h"

#include "firmware/ImageContainer.h"

class FirmwareInfo;
class FirmwareJob;
class WorkerHost;

// The job's image read and checked; the job is in state 4 once it is read.
LoadedImage LoadJobImage(FirmwareJob& job, const ImageCheckOptions& options);

// The settings backup of the update page's jobs: the activity texts, then
// the archive; a failed archive holds the worker until the user confirms.
void BackUpSettingsBeforeTransfer(WorkerHost& host, const LanguageTexts& activity);

// The transfer begins: the plain activity text, no failure, and the
// progress counts from zero.
void StartTransferReport(WorkerHost& host);

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

// The status poll after the transfer (command 0x0D) until the unit says it
// is ready: five minutes on the seam's clock, each exchange bounded by the
// time left, and at most one poll per pause besides. False when it never was.
bool WaitUntilUnitReady(HidHandle* channel);

// The three workers; each ends either at its failure end (job finished and
// failed) or after asking for the wait timer.
void ImageUpdateThread(WorkerHost& host);
void DualChannelImageUpdateThread(WorkerHost& host);
void VersionedImageUpdateThread(WorkerHost& host);

// The progress timer's end of a two-chip job whose status never came:
// "[26]" with the cannot-get-status text.
void FailWithStatusError(FirmwareInfo& job, int page, int usbStatus);
