#include "firmware/ImageContainer.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

extern "C" {
#include <md5.h>
}

#include "firmware/FirmwareFiles.h"

namespace {

constexpr std::size_t kNameFieldSize = 24;
constexpr std::size_t kModelOffset = 28;
constexpr std::size_t kCountOffset = 32;
constexpr std::size_t kLongDigestOffset = 296;
constexpr std::uint32_t kCameraPackageModel = 0x3020;

std::uint32_t ReadU32(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

// A clean name field (nothing after the text's NUL) allows only the models the
// versioned image was made for; any other byte there lets every model pass.
bool NameFieldAllows(const std::uint8_t* header, std::uint32_t modelCode)
{
    std::size_t length = 0;
    while (length < kNameFieldSize && header[length] != 0)
        ++length;
    bool clean = true;
    for (std::size_t at = length + 1; at < kNameFieldSize; ++at) {
        if (header[at] != 0)
            clean = false;
    }
    if (length >= kNameFieldSize - 1)
        clean = true;
    if (!clean)
        return true;
    return modelCode == 0 || modelCode == 0x4210 || modelCode == 0x4220;
}

ImageSection ReadSection(const std::uint8_t* entry, ImageTable table)
{
    ImageSection section;
    section.type = ReadU32(entry);
    section.id = ReadU32(entry + 4);
    section.offset = ReadU32(entry + 8);
    section.length = ReadU32(entry + 12);
    if (table == ImageTable::kLong) {
        section.versionMajor = ReadU32(entry + 16);
        section.versionMinor = ReadU32(entry + 20);
        std::memcpy(section.digest, entry + kLongDigestOffset, kImageDigestSize);
    } else {
        std::memcpy(section.digest, entry + 16, kImageDigestSize);
    }
    return section;
}

} // namespace

const wchar_t* ImageCheckFaultName(ImageCheckFault fault)
{
    switch (fault) {
    case ImageCheckFault::kNone: return L"passed";
    case ImageCheckFault::kCannotOpen: return L"cannot open";
    case ImageCheckFault::kTooShort: return L"too short";
    case ImageCheckFault::kNoMemory: return L"no memory";
    case ImageCheckFault::kWrongModel: return L"wrong model";
    case ImageCheckFault::kTableOutsideFile: return L"table outside file";
    case ImageCheckFault::kTooFewSections: return L"too few sections";
    case ImageCheckFault::kSectionOutsideFile: return L"section outside file";
    case ImageCheckFault::kDigestMismatch: return L"digest mismatch";
    }
    return L"unknown";
}

ImageCheckResult CheckImageContainer(const std::uint8_t* data, std::size_t size, const ImageCheckOptions& options)
{
    ImageCheckResult result;
    if (!data || size < kImageHeaderSize) {
        result.fault = ImageCheckFault::kTooShort;
        return result;
    }
    result.modelCode = ReadU32(data + kModelOffset);
    const std::uint32_t count = ReadU32(data + kCountOffset);
    // Readers walk the entries with a signed counter: such a count walks none.
    result.sectionCount = count > static_cast<std::uint32_t>(INT_MAX) ? 0 : static_cast<int>(count);

    if (options.modelTest == ImageModelTest::kEquality &&
        result.modelCode != static_cast<std::uint32_t>(options.expectedModel)) {
        result.fault = ImageCheckFault::kWrongModel;
        return result;
    }
    if (options.modelTest == ImageModelTest::kNameField && !NameFieldAllows(data, result.modelCode)) {
        result.fault = ImageCheckFault::kWrongModel;
        return result;
    }

    const std::size_t sections = static_cast<std::size_t>(result.sectionCount);
    const std::size_t entrySize =
        options.table == ImageTable::kShort ? kImageShortEntrySize : kImageShortEntrySize + kImageLongEntrySize;
    if (sections > (size - kImageHeaderSize) / entrySize) {
        result.fault = ImageCheckFault::kTableOutsideFile;
        return result;
    }
    if (result.sectionCount < options.minimumSections) {
        result.fault = ImageCheckFault::kTooFewSections;
        return result;
    }

    const std::uint8_t* table = data + kImageHeaderSize;
    if (options.table == ImageTable::kLong)
        table += kImageShortEntrySize * sections;
    const std::size_t tableEntrySize = options.table == ImageTable::kShort ? kImageShortEntrySize : kImageLongEntrySize;
    result.sections.reserve(sections);
    for (std::size_t i = 0; i < sections; ++i) {
        const ImageSection section = ReadSection(table + i * tableEntrySize, options.table);
        if (section.offset > size || section.length > size - section.offset) {
            result.fault = ImageCheckFault::kSectionOutsideFile;
            result.failedSection = static_cast<int>(i);
            result.sections.clear();
            return result;
        }
        MD5_CTX context;
        MD5Init(&context);
        MD5Update(&context, data + section.offset, section.length);
        std::uint8_t digest[kImageDigestSize];
        MD5Final(digest, &context);
        if (std::memcmp(digest, section.digest, kImageDigestSize) != 0) {
            result.fault = ImageCheckFault::kDigestMismatch;
            result.failedSection = static_cast<int>(i);
            result.sections.clear();
            return result;
        }
        result.sections.push_back(section);
    }

    if (options.modelTest == ImageModelTest::kAfterSections && result.modelCode != kCameraPackageModel) {
        result.fault = ImageCheckFault::kWrongModel;
        result.sections.clear();
    }
    return result;
}

int GetFileLength(const std::wstring& path)
{
    std::FILE* file = OpenFirmwareFile(path, "rb");
    if (!file)
        return -1;
#ifdef _WIN32
    const bool atEnd = _fseeki64(file, 0, SEEK_END) == 0;
    const long long length = atEnd ? _ftelli64(file) : -1;
#else
    const bool atEnd = fseeko(file, 0, SEEK_END) == 0;
    const long long length = atEnd ? static_cast<long long>(ftello(file)) : -1;
#endif
    std::fclose(file);
    return (length < 0 || length > INT_MAX) ? -1 : static_cast<int>(length);
}

LoadedImage LoadImageContainer(const std::wstring& path, const ImageCheckOptions& options,
                               const std::function<void()>& afterRead)
{
    LoadedImage image;
    ImageFileView::Status status = ImageFileView::Status::kCannotOpen;
    std::unique_ptr<ImageFileView> file = ImageFileView::Open(path, status);
    if (!file) {
        image.check.fault =
            status == ImageFileView::Status::kNoMemory ? ImageCheckFault::kNoMemory : ImageCheckFault::kCannotOpen;
        return image;
    }
    if (file->Size() < kImageHeaderSize) {
        image.check.fault = ImageCheckFault::kTooShort;
        return image;
    }
    if (file->Size() > static_cast<std::size_t>(INT_MAX)) {
        image.check.fault = ImageCheckFault::kNoMemory;
        return image;
    }
    if (afterRead)
        afterRead();
    image.check = CheckImageContainer(file->Data(), file->Size(), options);
    if (image.check.Passed())
        image.file = std::move(file);
    return image;
}
