#include "link/HidRoad.h"

#include <algorithm>
#include <cstdio>

#include "afx/afxstr.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "link/PsKeyTable.h"

namespace {

constexpr int kNameBufferBytes = 256;

// Reply bytes 3 to 7: major, minor, kind, build and the fifth int.
DeviceVersion ReadVersion(HidHandle* channel, const HidDeadline& deadline)
{
    HidCommandFrame frame;
    frame.Begin(kHidCmdReadVersion);
    if (!frame.Send(channel, deadline))
        return DeviceVersion{1, 0, 0, 0, 0};
    const unsigned char* r = frame.reply + kHidReplyFirstData;
    return DeviceVersion{r[0], r[1], r[2], r[3], r[4]};
}

std::wstring ReadAddress(HidHandle* channel, const HidDeadline& deadline)
{
    HidCommandFrame frame;
    frame.Begin(kHidCmdReadAddress);
    if (!frame.Send(channel, deadline))
        return std::wstring();
    const unsigned char* r = frame.reply + kHidReplyFirstData;
    wchar_t text[32];
    std::swprintf(text, 32, L"%02X%02X%02X[%02X%02X%02X]", r[0], r[1], r[2], r[3], r[4], r[5]);
    return text;
}

// The name is the low byte of words 1 to count - 1, UTF-8. The words and the
// bytes are bounded by the reply and by the name buffer.
std::wstring ReadName(HidHandle* secondary, const HidDeadline& deadline)
{
    HidCommandFrame frame;
    frame.Begin(kHidCmdReadGroup, kHidGroupName);
    if (!frame.Send(secondary, deadline) || frame.ReplyWordCount() == 0)
        return L"Zenta2";
    std::string bytes;
    const int count = frame.ReplyWordCount();
    for (int i = 1; i < count && static_cast<int>(bytes.size()) < kNameBufferBytes - 1; ++i) {
        const char byte = static_cast<char>(frame.ReplyWordAt(i) & 0xFF);
        if (byte == '\0')
            break;
        bytes.push_back(byte);
    }
    return AfxUtf8ToWide(bytes);
}

void SendWords(HidHandle* channel, int group, const std::uint16_t* words, int count, const HidDeadline& deadline)
{
    HidCommandFrame frame;
    frame.Begin(kHidCmdWriteGroup, group);
    frame.PutWords(words, count);
    frame.Send(channel, deadline);
}

void WriteBack(HidHandle* primary, HidHandle* secondary, const DeviceConfig& record, const HidDeadline& deadline)
{
    std::uint16_t basic[10];
    for (int i = 0; i < 10; ++i)
        basic[i] = static_cast<std::uint16_t>(record.m_settings[i] & 0xFFFF);
    SendWords(secondary, kHidGroupBasic, basic, 10, deadline);

    // The tag says the block carries RDS, whatever the record's tag was.
    std::uint16_t fm[15] = {kPsFmTagRds, static_cast<std::uint16_t>(record.m_fmCurrentFrequency),
                            static_cast<std::uint16_t>(record.m_fmCurrentPreset)};
    for (int i = 0; i < kFmPresetCount; ++i)
        fm[3 + i] = static_cast<std::uint16_t>(record.m_fmPresets[i]);
    fm[13] = static_cast<std::uint16_t>(record.m_fmRds);
    fm[14] = static_cast<std::uint16_t>(record.m_fmRegion);
    SendWords(secondary, kHidGroupFm, fm, 15, deadline);

    for (int i = 0; i < kSpeedDialCount; ++i) {
        std::uint16_t words[kWordStringUnits] = {};
        const int units = StringToWords(words, record.m_speedDial[i]) / 2;
        SendWords(primary, kHidGroupSpeedDial1 + i, words, units, deadline);
    }
}

} // namespace

int RunHidRoad(HidHandle* primary, HidHandle* secondary, const DeviceConfig* record, RecognitionState& state,
               const HidDeadline& deadline)
{
    DeviceConfig& device = state.m_device;
    device.m_managerVersion = ManagerVersion{1, 3};
    device.m_modelCode = state.m_modelCode;

    device.m_deviceName = ReadName(secondary, deadline);

    device.m_firmwareVersion = ReadVersion(primary, deadline);
    device.m_chipVersion1 = device.m_firmwareVersion;
    device.m_chipVersion2 = ReadVersion(secondary, deadline);
    const DeviceVersion& second = device.m_chipVersion2;
    // The lower of the two interfaces' versions is the unit's version.
    if (device.CompareFullVersion(second.major, second.minor, second.kind, second.build) > 0)
        device.m_firmwareVersion = second;

    if (record != nullptr && record->m_modelCode == kHidPairModelCode)
        WriteBack(primary, secondary, *record, deadline);

    device.m_bdAddress = ReadAddress(primary, deadline);
    device.m_bdAddress = device.m_bdAddress + L" _ " + ReadAddress(secondary, deadline);

    HidCommandFrame frame;
    frame.Begin(kHidCmdReadGroup, kHidGroupHardwareVersion);
    if (frame.Send(primary, deadline)) {
        device.m_hardwareVersionMajor = static_cast<int>(frame.ReplyWordAt(0) & 0xFF);
        device.m_hardwareVersionMinor = static_cast<int>(frame.ReplyWordAt(1) & 0xFF);
        wchar_t text[40];
        std::swprintf(text, 40, L"   |   H/W v%1d.%1d", device.m_hardwareVersionMajor, device.m_hardwareVersionMinor);
        device.m_hardwareVersion = text;
    } else {
        device.m_hardwareVersionMajor = 1;
        device.m_hardwareVersionMinor = 0;
    }

    frame.Begin(kHidCmdReadGroup, kHidGroupBasic);
    if (frame.Send(secondary, deadline)) {
        const int count = std::min(frame.ReplyWordCount(), kSettingsWordCount);
        for (int i = 0; i < count; ++i)
            device.m_settings[i] = static_cast<int>(frame.ReplyWordAt(i));
    } else {
        const int fallback[10] = {5, 3, 0xED21, 2, 0, 0, 0, 0, 0, 0};
        std::copy(fallback, fallback + 10, device.m_settings);
    }

    // Switches of the other family's keys mean nothing for this unit.
    device.m_handsfreeVox = device.m_intercomVox = device.m_edr = device.m_voicePrompt = 0;
    device.m_plc = device.m_bitpoolRate = device.m_microphoneBoost = device.m_sidetone = 0;
    device.m_hushguard = device.m_autoGainControl = device.m_radioTransmitGain = device.m_audioChannelTimeout = 0;
    std::fill(device.m_settings + 18, device.m_settings + kSettingsWordCount, 0);

    frame.Begin(kHidCmdReadGroup, kHidGroupFm);
    if (frame.Send(secondary, deadline)) {
        device.m_fmMagicCode = static_cast<int>(frame.ReplyWordAt(0));
        device.m_fmCurrentFrequency = static_cast<int>(frame.ReplyWordAt(1));
        device.m_fmCurrentPreset = static_cast<int>(frame.ReplyWordAt(2));
        for (int i = 0; i < kFmPresetCount; ++i)
            device.m_fmPresets[i] = static_cast<int>(frame.ReplyWordAt(3 + i));
        device.m_fmRds = static_cast<int>(frame.ReplyWordAt(13));
        device.m_fmRegion = static_cast<int>(frame.ReplyWordAt(14));
    } else {
        device.m_fmMagicCode = kPsFmTagPlain;
        device.m_fmCurrentFrequency = device.m_fmCurrentPreset = device.m_fmRds = device.m_fmRegion = 0;
        std::fill(device.m_fmPresets, device.m_fmPresets + kFmPresetCount, 0);
    }

    for (int i = 0; i < kSpeedDialCount; ++i) {
        device.m_speedDial[i].clear();
        frame.Begin(kHidCmdReadGroup, kHidGroupSpeedDial1 + i);
        if (!frame.Send(primary, deadline))
            continue;
        std::uint16_t words[kWordStringUnits] = {};
        const int count = std::min(frame.ReplyWordCount(), kWordStringUnits);
        for (int w = 0; w < count; ++w)
            words[w] = static_cast<std::uint16_t>(frame.ReplyWordAt(w));
        StringFromWords(device.m_speedDial[i], words);
    }

    state.m_recognized = 1;
    state.m_usbStatus = kHidPairModelCode;
    BuildSettingsPageList(device.m_modelCode, device.m_firmwareVersion.major, device.m_firmwareVersion.minor,
                          state.m_settingsPageCount, state.m_settingsPages, state.m_settingsPageIndex);
    return kRecognitionIdentified;
}
