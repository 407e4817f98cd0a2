#include "tests/firmware/fuzz/FuzzTargets.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

extern "C" {
#include <md5.h>
}

#include "device/ModelCatalogue.h"
#include "firmware/FirmwareIndex.h"
#include "firmware/ImageContainer.h"
#include "firmware/RevisionsList.h"
#include "firmware/ServerListLine.h"
#include "firmware/SettingsArchive.h"
#include "tests/firmware/ArchivedFields.h"
#include "tests/firmware/LocalTimeZone.h"

namespace {

[[noreturn]] void Broken(const char* what)
{
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

void Require(bool condition, const char* what)
{
    if (!condition)
        Broken(what);
}

// Reads the input front to back; past its end every read gives 0.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    int Int()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | Byte();
        return static_cast<int>(value);
    }
    // A text of the archive's alphabet: printable ASCII, blanks, "=" and line breaks.
    std::wstring Text()
    {
        const int length = Byte() % 24;
        std::wstring text;
        for (int i = 0; i < length; ++i) {
            const std::uint8_t b = Byte();
            if (b < 0x10)
                text += L"\r\n\t =?"[b % 6];
            else
                text += static_cast<wchar_t>(0x20 + b % 0x5F);
        }
        return text;
    }
    std::size_t Left() const { return m_at < m_size ? m_size - m_at : 0; }
    const std::uint8_t* Here() const { return m_data + m_at; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

std::wstring Widen(const std::uint8_t* data, std::size_t size)
{
    std::wstring text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i)
        text += static_cast<wchar_t>(data[i]);
    return text;
}

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(static_cast<std::wint_t>(a[i])) != std::towlower(static_cast<std::wint_t>(b[i])))
            return false;
    }
    return true;
}

void RequireDistinctLanguages(const std::vector<std::wstring>& languages)
{
    for (std::size_t i = 0; i < languages.size(); ++i) {
        for (std::size_t j = i + 1; j < languages.size(); ++j)
            Require(!SameIgnoringCase(languages[i], languages[j]), "a voice-prompt language listed twice");
    }
}

const int kModels[] = {0x4D10, 0x3020, 0x5060, 0x3116, 0x4210, 0x1234};

} // namespace

void PrepareFuzzTargets()
{
    UseUtcAsLocalTime();
}

void FuzzContainerCheck(const std::uint8_t* data, std::size_t size)
{
    ByteReader reader(data, size);
    const std::uint8_t choice = reader.Byte();
    ImageCheckOptions options;
    options.table = (choice & 1) ? ImageTable::kShort : ImageTable::kLong;
    const ImageModelTest tests[] = {ImageModelTest::kEquality, ImageModelTest::kNameField, ImageModelTest::kNone,
                                    ImageModelTest::kAfterSections};
    options.modelTest = tests[(choice >> 1) & 3];
    options.minimumSections = (choice >> 3) & 3;
    options.expectedModel = (choice & 0x80) ? 0x5510 : 0x4210;
    const std::size_t imageSize = reader.Left();
    // A copy of exactly the file's size, so a read past it is caught.
    std::vector<std::uint8_t> image(reader.Here(), reader.Here() + imageSize);
    const ImageCheckResult result = CheckImageContainer(image.data(), image.size(), options);
    Require(result.sectionCount >= 0, "negative section count");
    if (!result.Passed()) {
        Require(result.sections.empty(), "sections handed out of a refused image");
        const bool sectionFault =
            result.fault == ImageCheckFault::kSectionOutsideFile || result.fault == ImageCheckFault::kDigestMismatch;
        Require(!sectionFault || (result.failedSection >= 0 && result.failedSection < result.sectionCount),
                "failed section out of range");
        return;
    }
    Require(image.size() >= kImageHeaderSize, "a short image passed");
    Require(static_cast<int>(result.sections.size()) == result.sectionCount, "sections and count differ");
    Require(result.sectionCount >= options.minimumSections, "fewer sections than the road takes");
    for (const ImageSection& section : result.sections) {
        Require(section.offset <= image.size() && section.length <= image.size() - section.offset,
                "a passed section lies outside the file");
        MD5_CTX context;
        MD5Init(&context);
        MD5Update(&context, image.data() + section.offset, section.length);
        std::uint8_t digest[16];
        MD5Final(digest, &context);
        Require(std::memcmp(digest, section.digest, 16) == 0, "a passed section has another digest");
    }
}

void FuzzServerLists(const std::uint8_t* data, std::size_t size)
{
    ByteReader reader(data, size);
    const int model = kModels[reader.Byte() % (sizeof kModels / sizeof kModels[0])];
    const std::uint8_t flags = reader.Byte();
    const std::wstring names[] = {L"", L"French", L"english", L"German", L"x"};
    const std::wstring text = Widen(reader.Here(), reader.Left());

    FirmwareIndexQuery index;
    index.modelCode = model;
    index.unitKey = FirmwareIndexModelKey(model, (flags & 1) ? UnitAddressCheck::kInRange : UnitAddressCheck::kNotRead);
    index.uiLanguage = (flags >> 1) % 14;
    index.firmwareLanguage = names[(flags >> 5) % 5];
    index.applyToFirmwareLanguage = (flags >> 4) & 1;
    const FirmwareIndexEntry entry = ParseFirmwareIndex(text, index);
    Require(entry.files.size() == entry.languages.size(), "index: files and languages differ in number");
    RequireDistinctLanguages(entry.languages);
    Require(entry.serverFile.empty() || IsPlainServerFileName(entry.serverFile), "index: a file name with a path");
    if (entry.languages.empty()) {
        Require(entry.selectedItem == -1, "index: a selection without languages");
    } else {
        Require(entry.selectedItem >= 0 && entry.selectedItem < static_cast<int>(entry.files.size()),
                "index: selection out of range");
        Require(entry.serverFile == entry.files[static_cast<std::size_t>(entry.selectedItem)],
                "index: the server file is not the selected variant's");
    }
    FirmwareInfo job;
    job.Reset(3);
    StoreFirmwareIndexEntry(entry, job);
    Require(job.m_count == static_cast<int>(entry.files.size()), "index: pairs lost in the job");

    DeviceConfig archive;
    archive.m_modelCode = model;
    archive.m_firmwareVersion.major = flags % 6;
    archive.m_firmwareVersion.minor = (flags >> 3) % 4;
    RevisionsQuery revisions;
    revisions.modelKey = GetModelName(model, 1);
    revisions.modelCode = model;
    revisions.archive = &archive;
    revisions.uiLanguage = index.uiLanguage;
    revisions.firmwareLanguage = index.firmwareLanguage;
    revisions.applyToFirmwareLanguage = index.applyToFirmwareLanguage;
    const RevisionsMatch match = MatchRevisionsList(text, revisions);
    Require(match.files.size() == match.languages.size(), "revisions: files and languages differ in number");
    RequireDistinctLanguages(match.languages);
    Require(match.chosenFile.empty() || IsPlainServerFileName(match.chosenFile), "revisions: a file name with a path");
    if (!match.languages.empty()) {
        Require(match.ready == 1, "revisions: variants but not ready");
        Require(match.chosenFile == match.files[static_cast<std::size_t>(match.selectedItem)],
                "revisions: the chosen file is not the selected variant's");
    }
}

void FuzzSettingsArchive(const std::uint8_t* data, std::size_t size)
{
    // Whatever a file holds, reading it is safe and gives a region in range.
    const DeviceConfig read = ParseSettingsArchive(ArchiveBytesToText(std::string(data, data + size)));
    Require(read.m_fmRegion >= 0 && read.m_fmRegion <= 5, "region out of range");

    ByteReader reader(data, size);
    DeviceConfig device;
    device.m_managerVersion = {reader.Int(), reader.Int()};
    device.m_modelCode = reader.Int();
    device.m_deviceName = reader.Text();
    device.m_firmwareVersion.major = reader.Int();
    device.m_firmwareVersion.minor = reader.Int();
    device.m_firmwareVersion.kind = reader.Int();
    device.m_firmwareVersion.build = reader.Int();
    int* const options[] = {&device.m_intercomVox,
                            &device.m_handsfreeVox,
                            &device.m_edr,
                            &device.m_voicePrompt,
                            &device.m_plc,
                            &device.m_bitpoolRate,
                            &device.m_microphoneBoost,
                            &device.m_sidetone,
                            &device.m_hushguard,
                            &device.m_autoGainControl,
                            &device.m_radioTransmitGain,
                            &device.m_audioChannelTimeout,
                            &device.m_fmRegion,
                            &device.m_fmMagicCode,
                            &device.m_fmCurrentFrequency,
                            &device.m_fmCurrentPreset,
                            &device.m_fmRds};
    for (int* option : options)
        *option = reader.Int();
    for (int& word : device.m_settings)
        word = reader.Int();
    for (int& preset : device.m_fmPresets)
        preset = reader.Int();
    for (std::wstring& number : device.m_speedDial)
        number = reader.Text();
    // A moment between 1970 and 2100.
    const std::int64_t now = static_cast<std::uint32_t>(reader.Int()) % 4102444800LL;

    const std::wstring text = FormatSettingsArchive(device, now);
    // Shape: CR LF lines in key order, each "key=value" without a line break inside.
    std::vector<std::wstring> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find(L"\r\n", at);
        Require(end != std::wstring::npos, "a line without CR LF");
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    Require(lines.size() == static_cast<std::size_t>(kSettingsArchiveLineCount), "not 61 lines");
    const ArchiveKeyTable keys = SettingsArchiveKeys();
    std::size_t line = 0;
    for (std::size_t row = 0; row < keys.count; ++row) {
        const ArchiveKeyRow& key = keys.rows[row];
        const int first = key.firstNumber == 0 ? 0 : key.firstNumber;
        const int last = key.firstNumber == 0 ? 0 : key.lastNumber;
        for (int number = first; number <= last; ++number, ++line) {
            std::wstring name = key.key;
            if (key.firstNumber != 0)
                name += std::wstring(1, static_cast<wchar_t>(L'0' + number / 10)) +
                        static_cast<wchar_t>(L'0' + number % 10);
            Require(lines[line].compare(0, name.size() + 1, name + L"=") == 0, "a line out of key order");
            Require(lines[line].find_first_of(L"\r\n") == std::wstring::npos, "a line break inside a value");
        }
    }
    Require(lines[1] == L"keyDeviceRecognized=" + std::to_wstring(device.m_modelCode), "product id not decimal");
    std::wstring name = device.m_deviceName;
    for (wchar_t& c : name) {
        if (c == L'\r' || c == L'\n')
            c = L' ';
    }
    Require(lines[2] == L"keyDeviceName=" + name, "device name not written intact");

    // Round trip.
    const DeviceConfig back = ParseSettingsArchive(ArchiveBytesToText(ArchiveTextToBytes(text)));
    Require(back.m_managerVersion.major == device.m_managerVersion.major &&
                back.m_managerVersion.minor == device.m_managerVersion.minor,
            "manager version");
    Require(back.m_modelCode == device.m_modelCode, "product id");
    Require(back.m_deviceName == TrimListField(name), "device name");
    Require(back.m_firmwareVersion.major == device.m_firmwareVersion.major &&
                back.m_firmwareVersion.minor == device.m_firmwareVersion.minor &&
                back.m_firmwareVersion.kind == device.m_firmwareVersion.kind &&
                back.m_firmwareVersion.build == device.m_firmwareVersion.build,
            "firmware version");
    Require(back.m_archivedAt == now, "archive date");
    const int region = device.m_fmRegion >= 0 && device.m_fmRegion <= 5 ? device.m_fmRegion : 0;
    device.m_fmRegion = region;
    for (const int DeviceConfig::*field : kArchivedOptionInts)
        Require(back.*field == device.*field, "an option");
    for (int word : kArchivedSettingsWords)
        Require(back.m_settings[word] == device.m_settings[word], "a settings word");
    for (int preset = 0; preset < kFmPresetCount; ++preset)
        Require(back.m_fmPresets[preset] == device.m_fmPresets[preset], "a preset");
    for (int dial = 0; dial < kSpeedDialCount; ++dial) {
        std::wstring number = device.m_speedDial[static_cast<std::size_t>(dial)];
        for (wchar_t& c : number) {
            if (c == L'\r' || c == L'\n')
                c = L' ';
        }
        Require(back.m_speedDial[static_cast<std::size_t>(dial)] == TrimListField(number), "a speed-dial number");
    }
}
