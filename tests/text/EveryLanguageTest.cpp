// Every text of every language: present, English for indexes outside 1..12,
// not an English stand-in, and with the same placeholders in each language.

#include "text/FirmwareTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

using TextOf = std::function<std::wstring(int)>;

const std::set<int> kNone;
const std::set<int> kAllButEnglish = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 };

struct TextFunction
{
    std::string name;
    TextOf text;
    // Languages whose text is rightly the same as the English one.
    std::set<int> sameAsEnglish;
    // Placeholders every language keeps ("%s" and "%d" in order); a text
    // without any must hold no "%" at all.
    std::vector<std::wstring> placeholders;
    bool mayBeEmpty = false;
};

std::vector<TextFunction> AllTextFunctions()
{
    std::vector<TextFunction> all = {
        { "ManagerLanguage", GetTextManagerLanguage, kNone, {} },
        { "Ok", GetTextOk, { 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12 }, {} },
        { "SendEmail", GetTextSendEmail, kNone, {} },
        { "Cancel", GetTextCancel, kNone, {} },
        { "Yes", GetTextYes, kNone, {} },
        { "No", GetTextNo, { 3, 6 }, {} },
        { "Back", GetTextBack, kNone, {} },
        { "Next", GetTextNext, kNone, {} },
        { "NewDevice", GetTextNewDevice, kNone, {} },
        { "Update", GetTextUpdate, { 2 }, {} },
        { "Restore", GetTextRestore, kNone, {} },
        { "JogDial", GetTextJogDial, kNone, {} },
        { "PhoneButton", GetTextPhoneButton, kNone, {} },
        { "CenterButton", GetTextCenterButton, kNone, {} },
        { "PlusButton", GetTextPlusButton, kNone, {} },
        { "MinusButton", GetTextMinusButton, kNone, {} },
        { "LButton", GetTextLButton, kNone, {} },
        { "RButton", GetTextRButton, kNone, {} },
        { "PttButton", GetTextPttButton, kNone, {} },
        { "PairingButton", GetTextPairingButton, kNone, {} },
        { "CannotOpenUsb", GetTextCannotOpenUsb, kNone, {} },
        { "FirmwareManagementMode", GetTextFirmwareManagementMode, kNone, {} },
        { "CheckSdCard", GetTextCheckSdCard, kNone, {} },
        { "TryAgain", GetTextTryAgain, kNone, {} },
        { "CameraUpdateFailed", GetTextCameraUpdateFailed, kNone, {} },
        { "NotRecognizedDevice", GetTextNotRecognizedDevice, kNone, {} },
        { "CannotBackupFirmware", GetTextCannotBackupFirmware, kNone, {} },
        { "Firmware", GetTextFirmware, { 3, 6, 7 }, {} },
        { "Enable", GetTextEnable, kNone, {} },
        { "Disable", GetTextDisable, kNone, {} },
        { "Enabled", GetTextEnabled, kNone, {} },
        { "Disabled", GetTextDisabled, kNone, {} },
        { "Seconds", GetTextSeconds, kNone, {} },
        { "DeviceNotConnected", GetTextDeviceNotConnected, kNone, {} },
        { "Version", GetTextVersion, { 1, 2 }, {} },

        { "NoBackupFirmware", GetTextNoBackupFirmware, kNone, {} },
        { "NoBackupFirmwareOnServer", GetTextNoBackupFirmwareOnServer, kNone, {} },
        { "CheckingFirmware", GetTextCheckingFirmware, kNone, {} },
        { "CheckingBackupFirmware", GetTextCheckingBackupFirmware, kNone, {} },
        { "CannotGetStatus", GetTextCannotGetStatus, kNone, {} },
        { "FirmwareCorrupted", GetTextFirmwareCorrupted, kNone, {} },
        { "FirmwareNotForModel(unknown id)", [](int l) { return GetTextFirmwareNotForModel(0x9999, l); },
          kNone, {} },
        { "WithoutBackupFirmware", GetTextWithoutBackupFirmware, kNone, {} },
        { "AboutToMakeBackup", GetTextAboutToMakeBackup, kNone, {} },
        { "CannotGetDevice", GetTextCannotGetDevice, kNone, {} },
        { "CannotConnectServer", GetTextCannotConnectServer, kNone, {} },
        { "PressNamedButton", GetTextPressNamedButton, kNone, { L"%s" } },
        { "PressRestoreButton", GetTextPressRestoreButton, kNone, {} },
        { "AfterVoicePromptLanguage", GetTextAfterVoicePromptLanguage, kNone, {} },
        { "PressUpdateButton", GetTextPressUpdateButton, kNone, {} },
        { "DownloadLatestFailed", GetTextDownloadLatestFailed, kNone, {} },
        { "CannotOpenFile", GetTextCannotOpenFile, kNone, {} },
        { "AboutToDownloadLatest", GetTextAboutToDownloadLatest, kNone, {} },
        { "AboutToDownloadBackup", GetTextAboutToDownloadBackup, kNone, {} },
        { "UsbNotMatch", GetTextUsbNotMatch, kNone, {} },
        { "CannotUpdateFirmware", GetTextCannotUpdateFirmware, kNone, {} },
        { "UnsupportedFirmware", GetTextUnsupportedFirmware, kNone, {} },
    };

    // Per-page texts, for each page and for pages outside 1..7.
    for (int page = 0; page <= 8; ++page) {
        const bool real = page >= 1 && page <= 7;
        const std::string p = std::to_string(page);
        all.push_back({ "PageTitle page " + p, [page](int l) { return GetTextPageTitle(page, l); },
                        real ? kNone : kAllButEnglish, {} });
        for (int usb : { 0, 0x7FFF, 0x8000, 0xA010, -1 }) {
            all.push_back({ "Ready page " + p + " usb " + std::to_string(usb),
                            [page, usb](int l) { return GetTextReady(page, usb, l); },
                            real ? kNone : kAllButEnglish, {}, !real });
        }
        all.push_back({ "InProgress page " + p, [page](int l) { return GetTextInProgress(page, 0, l); },
                        real ? kNone : kAllButEnglish, {}, !real });
        std::vector<std::wstring> successPlaceholders;
        if (page == 1)
            successPlaceholders = { L"%s", L"%s" };
        else if (page == 2)
            successPlaceholders = { L"%s" };
        all.push_back({ "Success page " + p, [page](int l) { return GetTextSuccess(page, 0, l); },
                        real ? kNone : kAllButEnglish, successPlaceholders, !real });
        const bool failureExists = page >= 2 && page <= 7;
        all.push_back({ "Failure page " + p, [page](int l) { return GetTextFailure(page, 0, l); },
                        failureExists ? kNone : kAllButEnglish, {}, !failureExists });
    }
    return all;
}

std::vector<std::wstring> PlaceholdersOf(const std::wstring& text)
{
    std::vector<std::wstring> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'%')
            continue;
        if (text[i + 1] == L's' || text[i + 1] == L'd')
            found.push_back(text.substr(i, 2));
        ++i;
    }
    return found;
}

TEST(EveryLanguage, OutsideOneToTwelveIsEnglish)
{
    for (const TextFunction& f : AllTextFunctions()) {
        const std::wstring english = f.text(0);
        for (int outside : { 13, 14, -1, 255, -2147483647 - 1, 2147483647 })
            EXPECT_EQ(f.text(outside), english) << f.name << " at " << outside;
    }
}

TEST(EveryLanguage, PresentAndNotAnEnglishStandIn)
{
    for (const TextFunction& f : AllTextFunctions()) {
        const std::wstring english = f.text(0);
        for (int language = 0; language < 13; ++language) {
            const std::wstring text = f.text(language);
            EXPECT_EQ(text.empty(), f.mayBeEmpty) << f.name << " in " << language;
            if (language == 0)
                continue;
            if (f.sameAsEnglish.count(language)) {
                EXPECT_EQ(text, english) << f.name << " in " << language;
            } else {
                EXPECT_NE(text, english) << f.name << " in " << language;
            }
        }
    }
}

TEST(EveryLanguage, SamePlaceholdersInEveryLanguage)
{
    for (const TextFunction& f : AllTextFunctions()) {
        for (int language = 0; language < 13; ++language) {
            const std::wstring text = f.text(language);
            EXPECT_EQ(PlaceholdersOf(text), f.placeholders) << f.name << " in " << language;
            if (f.placeholders.empty()) {
                EXPECT_EQ(text.find(L'%'), std::wstring::npos) << f.name << " in " << language;
            }
        }
    }
}

// The Windows build has a 2-byte wchar_t: only characters of the basic plane
// give the same text there. Line feeds belong only to the two-line message.
TEST(EveryLanguage, BasicPlaneCharactersOnlyAndNoStrayControls)
{
    for (const TextFunction& f : AllTextFunctions()) {
        const bool lineFeedsAllowed = f.name == "DeviceNotConnected";
        for (int language = 0; language < 13; ++language) {
            for (wchar_t c : f.text(language)) {
                const unsigned long code = static_cast<unsigned long>(c);
                EXPECT_LT(code, 0x10000ul) << f.name << " in " << language;
                EXPECT_FALSE(code >= 0xD800 && code <= 0xDFFF) << f.name << " in " << language;
                if (code < 0x20) {
                    EXPECT_TRUE(lineFeedsAllowed && c == L'\n') << f.name << " in " << language;
                }
            }
        }
    }
}

TEST(EveryLanguage, DeviceNotConnectedIsTwoLinesEachEndingInLineFeed)
{
    for (int language = -1; language <= 13; ++language) {
        const std::wstring text = GetTextDeviceNotConnected(language);
        const std::size_t first = text.find(L'\n');
        ASSERT_NE(first, std::wstring::npos) << language;
        EXPECT_GT(first, 0u) << language;
        const std::size_t second = text.find(L'\n', first + 1);
        ASSERT_NE(second, std::wstring::npos) << language;
        EXPECT_GT(second, first + 1) << language;
        EXPECT_EQ(second, text.size() - 1) << language;
    }
}

TEST(EveryLanguage, DateTimeFormatsByLanguage)
{
    const wchar_t* const monthFirst = L"%m/%d/%Y %H:%M:%S";
    const wchar_t* const dayFirst = L"%d/%m/%Y %H:%M:%S";
    const wchar_t* const expected[13] = {
        monthFirst, dayFirst, L"%d.%m.%Y %H:%M:%S", dayFirst, L"%Y/%m/%d %H:%M:%S",
        L"%Y.%m.%d %H:%M:%S", dayFirst, monthFirst, monthFirst, monthFirst, monthFirst,
        dayFirst, dayFirst,
    };
    for (int language = 0; language < 13; ++language)
        EXPECT_EQ(GetTextDateTimeFormat(language), expected[language]) << language;
    for (int outside : { 13, -1 })
        EXPECT_EQ(GetTextDateTimeFormat(outside), monthFirst);
}

} // namespace
