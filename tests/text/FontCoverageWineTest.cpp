// Every character of a sample of each UI language's texts, drawn with the
// program's dialog font (Arial 10), must come out as a real glyph and not as
// the missing-glyph box. Font fallback is what brings Japanese, Korean and
// Chinese glyphs to Arial, so this checks the prefix's set-up as much as the
// installed fonts. The samples are also saved as a picture for people.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "afx/afxwin.h"
#include "text/FirmwareTexts.h"
#include "text/NameTables.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"
#include "text/StatusWords.h"
#include "core/UiLanguageRow.h"
#include "text/UiLanguages.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

const int kCell = 24;

class GlyphCanvas {
public:
    explicit GlyphCanvas(int weight)
    {
        m_dc = ::CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kCell;
        info.bmiHeader.biHeight = -kCell;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
        // The dialog font: Arial, 10 points at 96 dpi; the pages also draw it bold.
        m_font = ::CreateFontW(-13, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Arial");
        m_oldFont = ::SelectObject(m_dc, m_font);
    }
    ~GlyphCanvas()
    {
        ::SelectObject(m_dc, m_oldFont);
        ::SelectObject(m_dc, m_oldBitmap);
        ::DeleteObject(m_font);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    std::vector<uint32_t> Draw(wchar_t ch)
    {
        RECT all{0, 0, kCell, kCell};
        ::FillRect(m_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SetTextColor(m_dc, 0);
        ::SetBkMode(m_dc, TRANSPARENT);
        ::TextOutW(m_dc, 2, 2, &ch, 1);
        ::GdiFlush();
        return std::vector<uint32_t>(m_bits, m_bits + kCell * kCell);
    }
private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    HFONT m_font = nullptr;
    HGDIOBJ m_oldFont = nullptr;
    uint32_t* m_bits = nullptr;
};

// Every text a language can show, so that a sign used in one text only ("▶",
// "™", "…", full-width punctuation) is covered as well as the letters.
using WordOf = std::wstring (*)(int);
const WordOf kWords[] = {
    GetTextNoBackupFirmware, GetTextNoBackupFirmwareOnServer, GetTextCheckingFirmware,
    GetTextCheckingBackupFirmware, GetTextCannotGetStatus, GetTextFirmwareCorrupted,
    GetTextWithoutBackupFirmware, GetTextAboutToMakeBackup, GetTextCannotGetDevice,
    GetTextCannotConnectServer, GetTextPressNamedButton, GetTextPressRestoreButton,
    GetTextAfterVoicePromptLanguage, GetTextPressUpdateButton, GetTextDownloadLatestFailed,
    GetTextCannotOpenFile, GetTextAboutToDownloadLatest, GetTextAboutToDownloadBackup,
    GetTextUsbNotMatch, GetTextCannotUpdateFirmware, GetTextManagerLanguage, GetTextOk,
    GetTextSendEmail, GetTextCancel, GetTextYes, GetTextNo, GetTextBack, GetTextNext,
    GetTextNewDevice, GetTextUpdate, GetTextRestore, GetTextJogDial, GetTextPhoneButton,
    GetTextCenterButton, GetTextPlusButton, GetTextMinusButton, GetTextLButton, GetTextRButton,
    GetTextPttButton, GetTextPairingButton, GetTextCannotOpenUsb, GetTextFirmwareManagementMode,
    GetTextCheckSdCard, GetTextTryAgain, GetTextCameraUpdateFailed, GetTextNotRecognizedDevice,
    GetTextCannotBackupFirmware, GetTextFirmware, GetTextDateTimeFormat, GetTextEnable,
    GetTextDisable, GetTextEnabled, GetTextDisabled, GetTextSeconds, GetTextDeviceNotConnected,
    GetTextVersion, GetTextUnsupportedFirmware,
};

using NameOf = std::wstring (*)(int);
const NameOf kNames[] = {
    TextVoxIntercom, TextVoxPhone, TextEdr, TextVoicePrompt, TextPlc, TextHighQualityA2dp,
    TextMicrophoneBoosting, TextSidetone, TextHushguard, TextAutoGainControl, TextRadioTransmitGain,
    TextAudioChannelTimeout, TextAudioBoost, TextRadioRegion, TextRdsAf,
    TextMotionSensorSensitivity, TextDualstream, TextOverlaySensitivity, TextNavigationAppSupport,
    TextVoxSensitivity, TextHdIntercom, TextEightWayIntercom, TextSmartVolumeControl,
    TextFmStationGuide, TextHdVoice, TextAudioSourcePriority, TextLayertone,
    TextBluetoothIntercomDualstream, TextRoutecue, TextGuestMode, TextVoiceCommand,
    TextLayertoneVolumeManagement, TextUnitLanguage, TextChannelSelect, TextEssStatus,
    TextEssSensitivity, TextPhotoMode, TextVideoMode, TextVideoResolution, TextTimelapseInterval,
    TextVideoTaggingInterval, TextLoopRecordingInterval, TextVideoMicrophoneGain, TextDateCaption,
    TextSpeakerSoundRecording, TextRecordSourceMusic, TextRecordSourceFmRadio,
    TextRecordSourceIntercom, TextRecordSourcePhone, TextAutoCameraSleep, TextEmpty, TextSingleShot,
    TextBurstShot, TextTimelapseMode, TextLoopRecordingMode, Text1080p30fps, Text720p60fps,
    Text720p30fps, Text1Min, Text3Mins, Text5Mins, Text1Sec, Text10Secs, TextMusic, TextIntercom,
    TextEssOn, TextEssOff, TextPositionLightEssOn, TextFogLightEssOn, TextDate, TextRegion,
    TextFmRadioPresets, TextFmRadio, TextBasic, TextSpeedDial, TextMore, TextNoDeviceLine1,
    TextNoDeviceLine2, TextFirmwareManagementLine1, TextFirmwareManagementLine2,
};

using TableOf = std::wstring (*)(int, int);
const std::pair<TableOf, int> kTables[] = {
    {TextLowMediumHigh, kLowMediumHighCount}, {TextFmRegionNames, kFmRegionNameCount},
    {TextLevelNames, kLevelNameCount},        {TextChannelNames, kChannelNameCount},
    {TextUnitLanguageNames, kUnitLanguageNameCount},
};

std::wstring Sample(int language)
{
    std::wstring text = GetTextProductName() + GetTextAboutNotice();
    for (int named = 0; named < kUiLanguageCount; ++named)
        text += GetLanguageNameIn(named, language);
    for (WordOf word : kWords)
        text += word(language);
    for (NameOf name : kNames)
        text += name(language);
    for (const auto& table : kTables) {
        for (int entry = 0; entry < table.second; ++entry)
            text += table.first(language, entry);
    }
    for (int page = 1; page <= 7; ++page) {
        text += GetTextPageTitle(page, language);
        for (int usb : {0, 0x8000})
            text += GetTextReady(page, usb, language);
        text += GetTextInProgress(page, 0, language) + GetTextSuccess(page, 0, language) +
                GetTextFailure(page, 0, language);
    }
    text += GetTextFirmwareNotForModel(0x4D40, language);
    return text;
}

TEST(FontCoverage, EveryLanguageSampleDrawsRealGlyphsInNormalAndBold)
{
    for (int weight : {FW_NORMAL, FW_BOLD}) {
        GlyphCanvas canvas(weight);
        // Unassigned code points show what a missing glyph looks like.
        const std::vector<uint32_t> missingA = canvas.Draw(static_cast<wchar_t>(0x0378));
        const std::vector<uint32_t> missingB = canvas.Draw(static_cast<wchar_t>(0x05FF));
        const std::vector<uint32_t> blank = canvas.Draw(L' ');
        for (int language = 0; language < kUiLanguageCount; ++language) {
            const std::wstring sample = Sample(language);
            ASSERT_FALSE(sample.empty());
            std::set<wchar_t> checked;
            for (wchar_t ch : sample) {
                if (ch <= L' ' || ch == 0xA0 || ch == 0x3000 || !checked.insert(ch).second)
                    continue;
                const std::vector<uint32_t> glyph = canvas.Draw(ch);
                const auto where = [&] {
                    std::ostringstream text;
                    text << "weight " << weight << ", language " << language << ": U+" << std::hex
                         << static_cast<int>(ch);
                    return text.str();
                };
                EXPECT_NE(glyph, missingA) << where();
                EXPECT_NE(glyph, missingB) << where();
                EXPECT_NE(glyph, blank) << where();
            }
        }
    }
}

// A picture of the samples, one line per language, for a person to look at.
TEST(FontCoverage, SavesAPictureOfEveryLanguage)
{
    const int width = 760, line = 20, height = line * kUiLanguageCount + 8;
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HFONT font = ::CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Arial");
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    for (int language = 0; language < kUiLanguageCount; ++language) {
        std::wstring text = GetLanguageName(language) + L":  ";
        for (int page = 1; page <= 5; ++page)
            text += GetTextPageTitle(page, language) + L"  ";
        ::TextOutW(dc, 4, 4 + language * line, text.c_str(), static_cast<int>(text.size()));
    }
    ::SelectObject(dc, oldFont);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height);
    ASSERT_EQ(height, ::GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS));
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(font);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::FILE* out = std::fopen("ui-languages.bmp", "wb");
    ASSERT_NE(nullptr, out);
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
}

} // namespace
