#pragma once
// The firmware image container (".img", also the camera and dual-chip
// packages): a 36-byte header, a short and a long section table, and the
// sections, each with its MD5 digest. Every reader checks a container whole
// before it sends anything to a headset.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "firmware/ImageFileView.h"

constexpr std::size_t kImageHeaderSize = 36;
constexpr std::size_t kImageShortEntrySize = 32;
constexpr std::size_t kImageLongEntrySize = 312;
constexpr std::size_t kImageDigestSize = 16;

enum class ImageTable {
    kShort, // 32-byte entries right after the header
    kLong,  // 312-byte entries after the short table
};

enum class ImageModelTest {
    kEquality,      // the header's model code is the unit's
    kNameField,     // a clean name field allows only models 0, 0x4210 and 0x4220
    kNone,          // any model code
    kAfterSections, // the camera package: 0x3020, tested once the sections passed
};

struct ImageCheckOptions {
    ImageTable table = ImageTable::kLong;
    ImageModelTest modelTest = ImageModelTest::kEquality;
    int expectedModel = 0;   // the unit's model code for kEquality
    int minimumSections = 0; // sections the reader's road takes out of the container
};

// Which check refused the container; every one reads "Firmware corrupted".
enum class ImageCheckFault {
    kNone,
    kCannotOpen,
    kTooShort, // below the 36-byte header
    kNoMemory,
    kWrongModel,
    kTableOutsideFile, // the section table runs past the end of the file
    kTooFewSections,   // fewer sections than the road takes
    kSectionOutsideFile,
    kDigestMismatch,
};

// A short name of the check, for logs and error tags.
const wchar_t* ImageCheckFaultName(ImageCheckFault fault);

struct ImageSection {
    std::uint32_t type = 0;
    std::uint32_t id = 0;
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    std::uint32_t versionMajor = 0; // long entries only
    std::uint32_t versionMinor = 0;
    std::uint8_t digest[kImageDigestSize] = {};
};

struct ImageCheckResult {
    ImageCheckFault fault = ImageCheckFault::kNone;
    int failedSection = -1; // entry of a section fault
    std::uint32_t modelCode = 0;
    // Sections the header describes; a count of 2^31 or more describes none.
    int sectionCount = 0;
    std::vector<ImageSection> sections; // the reader's table, when the check passed

    bool Passed() const { return fault == ImageCheckFault::kNone; }
};

// The checks over a container held in memory, in the readers' order: length,
// the model test (unless after the sections), the table inside the file, the
// road's minimum count, each section inside the file with its digest, and the
// camera package's model.
ImageCheckResult CheckImageContainer(const std::uint8_t* data, std::size_t size, const ImageCheckOptions& options);

// Bytes in the file, or -1 when it cannot be opened (or is too large to be an image).
int GetFileLength(const std::wstring& path);

// The whole file in one block, held by the reader for as long as it sends;
// empty when the check failed.
struct LoadedImage {
    ImageCheckResult check;
    std::unique_ptr<ImageFileView> file;

    const std::uint8_t* Bytes() const { return file ? file->Data() : nullptr; }
    std::size_t Size() const { return file ? file->Size() : 0; }
};

// afterRead runs once the whole file is in memory, before the checks (the
// workers set the job's "image read" state there).
LoadedImage LoadImageContainer(const std::wstring& path, const ImageCheckOptions& options,
                               const std::function<void()>& afterRead = nullptr);
