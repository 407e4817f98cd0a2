#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "firmware/FirmwareBounds.h"
#include "firmware/SettingsArchive.h"
#include "tests/firmware/ArchivedFields.h"
#include "tests/firmware/LocalTimeZone.h"
#include "tests/firmware/TempFiles.h"

namespace {

// 2023-11-14 22:13:20 UTC.
constexpr std::int64_t kMoment = 1700000000;

class SettingsArchiveTest : public ::testing::Test {
protected:
    void SetUp() override { UseUtcAsLocalTime(); }
};

std::vector<std::wstring> Lines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find(L"\r\n", at);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(at) + L"<no CR LF>");
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// Every field the archive carries set to a value of its own.
DeviceConfig FullRecord()
{
    DeviceConfig device;
    device.m_managerVersion = {3, 7};
    device.m_modelCode = 0x4D10;
    device.m_deviceName = L"Rider = One";
    device.m_firmwareVersion = {4, 2, 2, 5, 0};
    device.m_intercomVox = 1;
    device.m_handsfreeVox = 2;
    device.m_edr = 3;
    device.m_voicePrompt = 4;
    device.m_plc = 5;
    device.m_bitpoolRate = 6;
    device.m_microphoneBoost = 7;
    device.m_sidetone = 8;
    device.m_hushguard = 9;
    device.m_autoGainControl = 10;
    device.m_radioTransmitGain = 17;
    device.m_audioChannelTimeout = 45;
    for (int word = 0; word < kSettingsWordCount; ++word)
        device.m_settings[word] = 100 + word;
    device.m_fmRegion = 4;
    device.m_fmMagicCode = 0x66E9;
    device.m_fmCurrentFrequency = 9870;
    device.m_fmCurrentPreset = 3;
    for (int preset = 0; preset < kFmPresetCount; ++preset)
        device.m_fmPresets[preset] = 8750 + 100 * preset;
    device.m_fmRds = 1;
    device.m_speedDial = {L"+4912345", L"", L"0800 1234"};
    return device;
}

TEST_F(SettingsArchiveTest, WritesTheLinesInTheirOrder)
{
    const std::vector<std::wstring> lines = Lines(FormatSettingsArchive(FullRecord(), kMoment));
    const std::vector<std::wstring> expected = {
        L"keyManagerVersion=3.7",
        L"keyDeviceRecognized=19728",
        L"keyDeviceName=Rider = One",
        L"keyDeviceVersion=4.2",
        L"keyDeviceSecondaryVersionType=2",
        L"keyDeviceSecondaryVersion=5",
        L"keyDateArchived=11/14/2023 22:13:20",
        L"keyIntercomVOX=1",
        L"keyHandsfreeVOX=2",
        L"keyEDR=3",
        L"keyVoicePrompt=4",
        L"keyPLC=5",
        L"keyBitpoolRate=6",
        L"keyMicrophoneBoost=7",
        L"keySidetone=8",
        L"keyHushguard=9",
        L"keyAutoGainControl=10",
        L"keyBasicSettingOrvan01=100",
        L"keyBasicSettingOrvan02=101",
        L"keyBasicSettingOrvan03=102",
        L"keyBasicSettingOrvan04=103",
        L"keyBasicSettingOrvan05=104",
        L"keyBasicSettingOrvan06=105",
        L"keyBasicSettingOrvan07=106",
        L"keyBasicSettingOrvan08=107",
        L"keyBasicSettingOrvan09=108",
        L"keyBasicSettingOrvan10=109",
        L"keyBasicSettingJarretVOXSensitivity01=114",
        L"keyBasicSettingJarretVOXSensitivity02=115",
        L"keyBasicSettingWZ1SmartVolumeControl01=116",
        L"keyBasicSettingWZ1SmartVolumeControl02=117",
        L"keyBasicSettingZimboCamera01=110",
        L"keyBasicSettingZimboCamera02=111",
        L"keyRadioTransmitGain=17",
        L"keyAudioChannelTimeout=45",
        L"keyAudioBoost=118",
        L"keyHDIntercom=119",
        L"keyFMStationGuide=120",
        L"keyHDVoice=121",
        L"keyFMRadioRegion=4",
        L"keyFMRadioMagicCode=26345",
        L"keyFMRadioCurrentFrequency=9870",
        L"keyFMRadioCurrentPreset=3",
        L"keyFMRadioPreset01=8750",
        L"keyFMRadioPreset02=8850",
        L"keyFMRadioPreset03=8950",
        L"keyFMRadioPreset04=9050",
        L"keyFMRadioPreset05=9150",
        L"keyFMRadioPreset06=9250",
        L"keyFMRadioPreset07=9350",
        L"keyFMRadioPreset08=9450",
        L"keyFMRadioPreset09=9550",
        L"keyFMRadioPreset10=9650",
        L"keyFMRadioRDS=1",
        L"keySpeedDial01=+4912345",
        L"keySpeedDial02=",
        L"keySpeedDial03=0800 1234",
        L"keyBasicSettingZimboCamera03=112",
        L"keyAudioSourcePriority=122",
        L"keyLayertone=123",
        L"keyRoutecue=124",
    };
    EXPECT_EQ(expected, lines);
    EXPECT_EQ(static_cast<std::size_t>(kSettingsArchiveLineCount), lines.size());
}

TEST_F(SettingsArchiveTest, EmptyRecordStillWritesEveryLine)
{
    const std::vector<std::wstring> lines = Lines(FormatSettingsArchive(DeviceConfig(), kMoment));
    ASSERT_EQ(static_cast<std::size_t>(kSettingsArchiveLineCount), lines.size());
    EXPECT_EQ(L"keyDeviceName=", lines[2]);
    EXPECT_EQ(L"keySpeedDial03=", lines[56]);
    EXPECT_EQ(L"keyIntercomVOX=0", lines[7]);
}

TEST_F(SettingsArchiveTest, LineBreaksInTextsBecomeSpaces)
{
    DeviceConfig device;
    device.m_deviceName = L"two\r\nlines";
    device.m_speedDial[0] = L"\nkeyModelCode=1";
    const std::vector<std::wstring> lines = Lines(FormatSettingsArchive(device, kMoment));
    ASSERT_EQ(static_cast<std::size_t>(kSettingsArchiveLineCount), lines.size());
    EXPECT_EQ(L"keyDeviceName=two  lines", lines[2]);
    EXPECT_EQ(L"keySpeedDial01= keyModelCode=1", lines[54]);
}

TEST_F(SettingsArchiveTest, CharactersTheCodePageCannotHoldBecomeQuestionMarks)
{
    EXPECT_EQ("A?B", ArchiveTextToBytes(L"A\x65E5"
                                        L"B"));
    EXPECT_EQ(L"name=x", ArchiveBytesToText("name=x"));
}

TEST_F(SettingsArchiveTest, ArchivePath)
{
    std::wstring path;
    ASSERT_TRUE(SettingsArchivePath(L"C:\\Program Files\\Quor\\Manager.exe", 0x4D10, path));
    EXPECT_EQ(L"C:\\Program Files\\Quor\\IMG\\Vel8.hvlxarch", path);
    ASSERT_TRUE(SettingsArchivePath(L"C:\\Manager.exe", 0x1234, path));
    EXPECT_EQ(L"C:\\IMG\\.hvlxarch", path);
    EXPECT_FALSE(SettingsArchivePath(L"", 0x4D10, path));
    EXPECT_FALSE(SettingsArchivePath(L"Manager.exe", 0x4D10, path));
    EXPECT_FALSE(SettingsArchivePath(L"C:\\" + std::wstring(257, L'a'), 0x4D10, path));
    EXPECT_TRUE(SettingsArchivePath(L"C:\\" + std::wstring(256, L'a'), 0x4D10, path));
    std::wstring folder;
    ASSERT_TRUE(ProgramImageFolder(L"D:\\Quor\\Manager.exe", folder));
    EXPECT_EQ(L"D:\\Quor\\IMG\\", folder);
}

// A file system in memory whose steps can be made to fail.
class MemoryFiles : public FirmwareFileSystem {
public:
    bool WriteNewFile(const std::wstring& path, const std::string& bytes) override
    {
        steps.push_back(L"write " + path);
        if (failWrite)
            return false;
        files[path] = bytes;
        return true;
    }
    bool ReplaceFile(const std::wstring& from, const std::wstring& to) override
    {
        steps.push_back(L"replace " + from + L" " + to);
        if (failReplace || !files.count(from))
            return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    void RemoveFile(const std::wstring& path) override
    {
        steps.push_back(L"remove " + path);
        files.erase(path);
    }
    bool ReadWholeFile(const std::wstring& path, std::size_t cap, std::string& bytes) override
    {
        const auto found = files.find(path);
        if (found == files.end() || found->second.size() > cap)
            return false;
        bytes = found->second;
        return true;
    }

    std::map<std::wstring, std::string> files;
    std::vector<std::wstring> steps;
    bool failWrite = false;
    bool failReplace = false;
};

TEST_F(SettingsArchiveTest, WritesThroughATemporaryFile)
{
    MemoryFiles files;
    DeviceConfig device = FullRecord();
    ASSERT_EQ(1, WriteSettingsArchive(files, L"A.hvlxarch", device, kMoment));
    EXPECT_EQ(kMoment, device.m_archivedAt);
    EXPECT_EQ((std::vector<std::wstring>{L"write A.hvlxarch.tmp", L"replace A.hvlxarch.tmp A.hvlxarch"}), files.steps);
    EXPECT_EQ(ArchiveTextToBytes(FormatSettingsArchive(device, kMoment)), files.files[L"A.hvlxarch"]);
    EXPECT_EQ(1u, files.files.size());
}

TEST_F(SettingsArchiveTest, FailedWriteOrReplaceKeepsTheOldArchive)
{
    for (bool failWrite : {true, false}) {
        MemoryFiles files;
        files.files[L"A.hvlxarch"] = "old";
        files.failWrite = failWrite;
        files.failReplace = !failWrite;
        DeviceConfig device = FullRecord();
        EXPECT_EQ(0, WriteSettingsArchive(files, L"A.hvlxarch", device, kMoment));
        EXPECT_EQ(0, device.m_archivedAt);
        EXPECT_EQ("old", files.files[L"A.hvlxarch"]);
        EXPECT_EQ(0u, files.files.count(L"A.hvlxarch.tmp"));
    }
}

TEST_F(SettingsArchiveTest, HostFilesReplaceTheArchiveWhole)
{
    TempFolder folder;
    const std::wstring path = folder.File(L"Vel8.hvlxarch");
    DeviceConfig first = FullRecord();
    first.m_deviceName = std::wstring(500, L'n');
    ASSERT_EQ(1, WriteSettingsArchive(HostFileSystem(), path, first, kMoment));
    DeviceConfig second;
    ASSERT_EQ(1, WriteSettingsArchive(HostFileSystem(), path, second, kMoment + 1));
    EXPECT_EQ(ArchiveTextToBytes(FormatSettingsArchive(second, kMoment + 1)), folder.Read(L"Vel8.hvlxarch"));
    EXPECT_FALSE(folder.Exists(L"Vel8.hvlxarch.tmp"));

#ifdef _WIN32
    // While another program writes the archive it is not read half-written.
    std::FILE* writer = _wfopen(path.c_str(), L"ab");
    ASSERT_NE(nullptr, writer);
    std::string bytes;
    EXPECT_FALSE(HostFileSystem().ReadWholeFile(path, kSettingsArchiveMaxBytes, bytes));
    std::fclose(writer);
#endif
    std::string whole;
    EXPECT_TRUE(HostFileSystem().ReadWholeFile(path, kSettingsArchiveMaxBytes, whole));
    EXPECT_EQ(folder.Read(L"Vel8.hvlxarch"), whole);

    DeviceConfig third;
    EXPECT_EQ(0, WriteSettingsArchive(HostFileSystem(), folder.File(L"missing") + L"/Vel8.hvlxarch", third, kMoment));
    EXPECT_EQ(0, third.m_archivedAt);
}

DeviceConfig Read(const std::wstring& text)
{
    return ParseSettingsArchive(text);
}

TEST_F(SettingsArchiveTest, ReaderAcceptsWhatPeopleAndEditorsDoToTheFile)
{
    const DeviceConfig reordered =
        Read(L"keyHushguard=4\n\n\r\n  keyDeviceVersion = 4.1 \r\nkeyDeviceRecognized=19728");
    EXPECT_EQ(4, reordered.m_hushguard);
    EXPECT_EQ(4, reordered.m_firmwareVersion.major);
    EXPECT_EQ(1, reordered.m_firmwareVersion.minor);
    EXPECT_EQ(0x4D10, reordered.m_modelCode);

    EXPECT_EQ(L"A=B", Read(L"keyDeviceName= A=B \n").m_deviceName);
    EXPECT_EQ(0, Read(L"keyhushguard=4\nKEYHUSHGUARD=4").m_hushguard);
    EXPECT_EQ(7, Read(L"keyEDR=1\nkeyEDR=7").m_edr);
    EXPECT_EQ(-12, Read(L"keyEDR=  -12abc").m_edr);
    EXPECT_EQ(0, Read(L"keyEDR=abc").m_edr);
    EXPECT_EQ(0, Read(L"=5\nkeyEDR\nkeyEDR:5").m_edr);
    EXPECT_EQ(L"+49", Read(L"keySpeedDial01=1\nkeySpeedDial01=+49").m_speedDial[0]);
}

TEST_F(SettingsArchiveTest, NumberedKeysOnlyInTheWritersRange)
{
    struct Case {
        const wchar_t* line;
        int word; // settings word that must hold 5, or -1 for none
    };
    const Case cases[] = {
        {L"keyBasicSettingOrvan01=5", 0},
        {L"keyBasicSettingOrvan10=5", 9},
        {L"keyBasicSettingOrvan11=5", -1},
        {L"keyBasicSettingOrvan00=5", -1},
        {L"keyBasicSettingOrvan1=5", -1},
        {L"keyBasicSettingOrvan001=5", -1},
        {L"keyBasicSettingOrvanAB=5", -1},
        {L"keyBasicSettingOrvan-1=5", -1},
        {L"keyBasicSettingJarretVOXSensitivity02=5", 15},
        {L"keyBasicSettingJarretVOXSensitivity03=5", -1},
        {L"keyBasicSettingWZ1SmartVolumeControl01=5", 16},
        {L"keyBasicSettingWZ1SmartVolumeControl02=5", 17},
        {L"keyBasicSettingZimboCamera01=5", 10},
        {L"keyBasicSettingZimboCamera03=5", 12},
        {L"keyBasicSettingZimboCamera04=5", -1},
        {L"keyAudioSourcePriority=5", 22},
        {L"keyLayertone=5", 23},
        {L"keyRoutecue=5", 24},
    };
    for (const Case& c : cases) {
        const DeviceConfig read = Read(c.line);
        for (int word = 0; word < kSettingsWordCount; ++word)
            EXPECT_EQ(word == c.word ? 5 : 0, read.m_settings[word]) << c.line << " word " << word;
    }
    EXPECT_EQ(0, Read(L"keyFMRadioPreset11=5").m_fmPresets[9]);
    EXPECT_EQ(5, Read(L"keyFMRadioPreset10=5").m_fmPresets[9]);
    const DeviceConfig dial = Read(L"keySpeedDial04=5\nkeySpeedDial00=6");
    for (const std::wstring& number : dial.m_speedDial)
        EXPECT_TRUE(number.empty());
}

TEST_F(SettingsArchiveTest, RegionAndDate)
{
    EXPECT_EQ(0, Read(L"keyFMRadioRegion=9").m_fmRegion);
    EXPECT_EQ(0, Read(L"keyFMRadioRegion=-1").m_fmRegion);
    EXPECT_EQ(5, Read(L"keyFMRadioRegion=5").m_fmRegion);

    struct Case {
        const wchar_t* value;
        std::int64_t moment; // 0: skipped
    };
    const Case cases[] = {
        {L"11/14/2023 22:13:20", kMoment},
        {L"02/29/2024 00:00:00", 1709164800},
        {L"02/29/2023 00:00:00", 0},
        {L"13/14/2023 22:13:20", 0},
        {L"00/14/2023 22:13:20", 0},
        {L"11/31/2023 22:13:20", 0},
        {L"11/14/1899 22:13:20", 0},
        {L"11/14/2023 24:00:00", 0},
        {L"11/14/2023 22:60:00", 0},
        {L"11/14/2023 22:13:61", 0},
        {L"11/14/2023", 0},
        {L"", 0},
        {L"garbage", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.moment, Read(std::wstring(L"keyDateArchived=") + c.value).m_archivedAt) << c.value;
}

TEST_F(SettingsArchiveTest, ReadingStartsFromAFreshRecord)
{
    MemoryFiles files;
    DeviceConfig archive = FullRecord();
    archive.m_archivedAt = 99;
    EXPECT_EQ(0, LoadSettingsArchive(files, L"none.hvlxarch", archive));
    EXPECT_EQ(0, archive.m_modelCode);
    EXPECT_EQ(0, archive.m_archivedAt);
    EXPECT_TRUE(archive.m_deviceName.empty());

    files.files[L"A.hvlxarch"] = "keyDeviceRecognized=19728\r\nkeyDeviceVersion=4.2\r\n";
    archive = FullRecord();
    EXPECT_EQ(1, LoadSettingsArchive(files, L"A.hvlxarch", archive));
    EXPECT_EQ(0, archive.m_settings[22]);
    EXPECT_EQ(0, archive.m_edr);
    EXPECT_TRUE(archive.m_speedDial[0].empty());
}

// A file far larger than any archive is refused before it is held whole, as
// a missing one is; one of exactly the cap is still read.
TEST_F(SettingsArchiveTest, AFileLargerThanAnyArchiveIsRefusedUnread)
{
    TempFolder folder;
    const std::string valid = "keyDeviceRecognized=19728\r\nkeyDeviceVersion=4.2\r\n";
    std::string atCap = valid + std::string(kSettingsArchiveMaxBytes - valid.size(), ' ');
    const std::wstring fits = folder.Write(L"fits.hvlxarch", std::vector<std::uint8_t>(atCap.begin(), atCap.end()));
    atCap += ' ';
    const std::wstring over = folder.Write(L"over.hvlxarch", std::vector<std::uint8_t>(atCap.begin(), atCap.end()));

    DeviceConfig archive = FullRecord();
    EXPECT_EQ(1, LoadSettingsArchive(HostFileSystem(), fits, archive));
    EXPECT_EQ(19728, archive.m_modelCode);
    archive = FullRecord();
    EXPECT_EQ(0, LoadSettingsArchive(HostFileSystem(), over, archive));
    EXPECT_EQ(0, archive.m_modelCode);
    std::string bytes = "left over";
    EXPECT_FALSE(HostFileSystem().ReadWholeFile(over, kSettingsArchiveMaxBytes, bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST_F(SettingsArchiveTest, VersionFloors)
{
    struct Case {
        int model;
        const wchar_t* version;
        int result;
    };
    const Case cases[] = {
        {0x4D30, L"4.1", 0}, {0x4D30, L"4.2", 1}, {0x4D40, L"3.9", 0}, {0x5060, L"4.2", 1},
        {0x5061, L"4.1", 0}, {0x5070, L"5.0", 1}, {0x5080, L"4.1", 0}, {0x4D35, L"1.1", 0},
        {0x4D35, L"1.2", 1}, {0x4D10, L"1.0", 1}, {0x5610, L"0.1", 1},
    };
    for (const Case& c : cases) {
        MemoryFiles files;
        files.files[L"A"] =
            ArchiveTextToBytes(L"keyDeviceRecognized=" + std::to_wstring(c.model) + L"\nkeyDeviceVersion=" + c.version);
        DeviceConfig archive;
        EXPECT_EQ(c.result, LoadSettingsArchive(files, L"A", archive)) << std::hex << c.model << " " << c.version;
        EXPECT_EQ(c.model, archive.m_modelCode);
    }
}

void ExpectSameArchivedFields(const DeviceConfig& written, const DeviceConfig& read)
{
    EXPECT_EQ(written.m_managerVersion.major, read.m_managerVersion.major);
    EXPECT_EQ(written.m_managerVersion.minor, read.m_managerVersion.minor);
    EXPECT_EQ(written.m_modelCode, read.m_modelCode);
    EXPECT_EQ(written.m_deviceName, read.m_deviceName);
    EXPECT_EQ(written.m_firmwareVersion.major, read.m_firmwareVersion.major);
    EXPECT_EQ(written.m_firmwareVersion.minor, read.m_firmwareVersion.minor);
    EXPECT_EQ(written.m_firmwareVersion.kind, read.m_firmwareVersion.kind);
    EXPECT_EQ(written.m_firmwareVersion.build, read.m_firmwareVersion.build);
    EXPECT_EQ(written.m_archivedAt, read.m_archivedAt);
    for (const int DeviceConfig::*option : kArchivedOptionInts)
        EXPECT_EQ(written.*option, read.*option);
    for (int word : kArchivedSettingsWords)
        EXPECT_EQ(written.m_settings[word], read.m_settings[word]) << "word " << word;
    for (int preset = 0; preset < kFmPresetCount; ++preset)
        EXPECT_EQ(written.m_fmPresets[preset], read.m_fmPresets[preset]);
    EXPECT_EQ(written.m_speedDial, read.m_speedDial);
}

TEST_F(SettingsArchiveTest, EveryWrittenLineReadsBackIntoItsField)
{
    MemoryFiles files;
    DeviceConfig device = FullRecord();
    ASSERT_EQ(1, WriteSettingsArchive(files, L"A", device, kMoment));
    DeviceConfig read;
    EXPECT_EQ(1, LoadSettingsArchive(files, L"A", read));
    ExpectSameArchivedFields(device, read);
    // Words the archive does not carry come back as a fresh record has them.
    EXPECT_EQ(0, read.m_settings[13]);
    EXPECT_EQ(0, read.m_settings[25]);
}

} // namespace
