// Texts built from other texts: the parts land once each, in every language.

#include "text/FirmwareTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

#include <gtest/gtest.h>

#include <string>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

int Occurrences(const std::wstring& text, const std::wstring& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(ReadyText, EnglishByPageAndUsbStatus)
{
    struct Case { int page; int usb; const wchar_t* expected; };
    const Case cases[] = {
        { 1, 0, L"Press NEXT to proceed." },
        { 1, 0xA010, L"Press NEXT to proceed." },
        { 2, 0, L"Ready for DEVICE RECOGNITION" },
        { 2, 0x8000, L"Ready for DEVICE RECOGNITION" },
        { 3, 0x7FFF, L"Ready for FIRMWARE UPDATE" },
        { 3, 0x8000, L"Ready for FIRMWARE UPDATE. Cannot make backup firmware" },
        { 3, 0xA010, L"Ready for FIRMWARE UPDATE. Cannot make backup firmware" },
        { 3, -1, L"Ready for FIRMWARE UPDATE" },
        { 3, -2147483647 - 1, L"Ready for FIRMWARE UPDATE" },
        { 4, 0, L"Ready for FIRMWARE RESTORE" },
        { 4, 0x8000, L"Ready for FIRMWARE RESTORE. Cannot make backup firmware" },
        { 5, 0, L"Ready for DEVICE SETTING" },
        { 6, 0xA010, L"Ready for DEVICE SETTING" },
        { 7, 0x8000, L"Ready for DEVICE SETTING" },
        { 0, 0, L"" },
        { 8, 0x8000, L"" },
        { -3, 0, L"" },
    };
    for (const Case& c : cases) {
        for (int language : { 0, 13, -1 })
            EXPECT_EQ(GetTextReady(c.page, c.usb, language), c.expected) << c.page << " " << c.usb;
    }
}

TEST(ReadyText, FixedRowsOfOtherLanguages)
{
    EXPECT_EQ(GetTextReady(6, 0, 1), L"Prêt pour PARAM. PÉRIPH.");
    EXPECT_EQ(GetTextReady(1, 0, 1), L"Appuyez sur [SUIVANT] pour continuer.");
    EXPECT_EQ(GetTextReady(1, 0, 2), L"Drücken Sie [WEITER], um fortzufahren.");
    EXPECT_EQ(GetTextReady(1, 0, 4), L"「次へ」を押して進みます。");
    EXPECT_EQ(GetTextReady(1, 0, 5), L"다음 버튼을 눌러 계속 진행하십시오.");
    EXPECT_EQ(GetTextReady(2, 0, 4), L"デバイス認識の準備完了");
    EXPECT_EQ(GetTextReady(5, 0, 5), L"장치 설정 준비 완료");
    EXPECT_EQ(GetTextReady(3, 0, 9), L"固件更新 已准备就绪");
}

TEST(ReadyText, EveryLanguageHoldsItsOwnPartsOnce)
{
    for (int language = 0; language < 13; ++language) {
        EXPECT_EQ(Occurrences(GetTextReady(1, 0, language), GetTextNext(language)), 1) << language;
        for (int page = 2; page <= 7; ++page) {
            for (int usb : { 0, 0x7FFF, 0x8000, 0xA020 }) {
                const std::wstring ready = GetTextReady(page, usb, language);
                EXPECT_EQ(Occurrences(ready, GetTextPageTitle(page, language)), 1)
                    << page << " " << usb << " " << language;
                const bool withReason = (page == 3 || page == 4) && usb >= 0x8000;
                EXPECT_EQ(Occurrences(ready, GetTextCannotBackupFirmware(language)), withReason ? 1 : 0)
                    << page << " " << usb << " " << language;
            }
        }
    }
}

TEST(StatusTexts, EnglishByPage)
{
    struct Case { int page; const wchar_t* inProgress; const wchar_t* success; const wchar_t* failure; };
    const Case cases[] = {
        { 1, L"On selecting device.", L"%s selected. %s", L"" },
        { 2, L"On recognizing device.", L"Device recognized successfully. %s", L"Failed to recognize device" },
        { 3, L"On updating firmware.", L"Firmware updated successfully", L"Failed to update firmware" },
        { 4, L"On restoring firmware.", L"Firmware restored successfully", L"Failed to restore firmware" },
        { 5, L"On saving device setting.", L"Device setting saved successfully", L"Failed to save device setting" },
        { 6, L"On saving device setting.", L"Device setting saved successfully", L"Failed to save device setting" },
        { 7, L"On saving device setting.", L"Device setting saved successfully", L"Failed to save device setting" },
        { 0, L"", L"", L"" },
        { 8, L"", L"", L"" },
    };
    for (const Case& c : cases) {
        for (int usb : { 0, 0x8000, -1 }) {
            EXPECT_EQ(GetTextInProgress(c.page, usb, 0), c.inProgress) << c.page;
            EXPECT_EQ(GetTextSuccess(c.page, usb, 0), c.success) << c.page;
            EXPECT_EQ(GetTextFailure(c.page, usb, 0), c.failure) << c.page;
        }
    }
}

TEST(StatusTexts, UsbStatusNeverChangesActivityOrResult)
{
    for (int language = 0; language < 13; ++language) {
        for (int page = 0; page <= 8; ++page) {
            for (int usb : { 0x8000, 0xA010, -1 }) {
                EXPECT_EQ(GetTextInProgress(page, usb, language), GetTextInProgress(page, 0, language));
                EXPECT_EQ(GetTextSuccess(page, usb, language), GetTextSuccess(page, 0, language));
                EXPECT_EQ(GetTextFailure(page, usb, language), GetTextFailure(page, 0, language));
            }
        }
    }
}

TEST(StatusTexts, SettingsPagesShareTheirTexts)
{
    for (int language = 0; language < 13; ++language) {
        for (int page : { 6, 7 }) {
            EXPECT_EQ(GetTextInProgress(page, 0, language), GetTextInProgress(5, 0, language));
            EXPECT_EQ(GetTextSuccess(page, 0, language), GetTextSuccess(5, 0, language));
            EXPECT_EQ(GetTextFailure(page, 0, language), GetTextFailure(5, 0, language));
        }
    }
}

TEST(StatusTexts, FixedSelectionPatterns)
{
    EXPECT_EQ(GetTextSuccess(1, 0, 7), L"%s %s geselecteerd.");
    EXPECT_EQ(GetTextSuccess(1, 0, 8), L"%s Выбрано устройство %s.");
    EXPECT_EQ(GetTextSuccess(1, 0, 9), L"%s 已选择 %s。");
}

TEST(FirmwareTexts, ButtonInstructionsCarryTheirButtonWordInBrackets)
{
    for (int language = 0; language < 13; ++language) {
        EXPECT_EQ(Occurrences(GetTextPressRestoreButton(language), L"[" + GetTextRestore(language) + L"]"), 1)
            << language;
        EXPECT_EQ(Occurrences(GetTextPressUpdateButton(language), L"[" + GetTextUpdate(language) + L"]"), 1)
            << language;
        EXPECT_EQ(Occurrences(GetTextAfterVoicePromptLanguage(language), GetTextPressRestoreButton(language)), 1)
            << language;
    }
}

TEST(FirmwareTexts, VoicePromptInstructionPlacesTheButtonWhereEachLanguagePutsIt)
{
    struct Case { int language; const wchar_t* before; const wchar_t* after; };
    const Case cases[] = {
        { 0, L"", L" after selecting voice prompt language" },
        { 2, L"", L" nach Sprachwahl für Sprachansage" },
        { 4, L"音声プロンプト言語を選んで", L"" },
        { 5, L"음성안내 언어를 선택한 후 ", L"" },
        { 9, L"在选择语音提示语言之后 ", L"" },
        { 12, L"Wybierz ", L" po wybraniu języka komend głosowych" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetTextAfterVoicePromptLanguage(c.language),
                  c.before + GetTextPressRestoreButton(c.language) + c.after)
            << c.language;
    }
}

TEST(FirmwareTexts, FirmwareNotForUnknownModelLeavesTheNameEmpty)
{
    EXPECT_EQ(GetTextFirmwareNotForModel(0x9999, 0), L"Firmware not for ");
    EXPECT_EQ(GetTextFirmwareNotForModel(0x9999, 2), L"Keine  Firmware");
    EXPECT_EQ(GetTextFirmwareNotForModel(0x9999, 4), L"ファームウェアがに対応していません");
    EXPECT_EQ(GetTextFirmwareNotForModel(0x9999, 5), L"용 펌웨어 아님");
    EXPECT_EQ(GetTextFirmwareNotForModel(0x9999, 9), L"固件不适用于 ");
    EXPECT_EQ(GetTextFirmwareNotForModel(-1, 13), L"Firmware not for ");
}

TEST(FirmwareTexts, FirmwareNotForModelNamesTheModelInItsDisplayForm)
{
    EXPECT_EQ(GetTextFirmwareNotForModel(0x4D40, 0), L"Firmware not for Vel8");
    EXPECT_EQ(GetTextFirmwareNotForModel(0x4D40, 2), L"Keine Vel8 Firmware");
    EXPECT_EQ(GetTextFirmwareNotForModel(0x4D21, 5), L"Omnisuit용 펌웨어 아님");
    EXPECT_EQ(GetTextFirmwareNotForModel(0x3114, 4), L"ファームウェアがThump! Sound P02に対応していません");
    EXPECT_EQ(GetTextFirmwareNotForModel(0x3114, 9), L"固件不适用于 Thump! Sound P02");
    // French would need "à l'" before a name that starts with a vowel: no article at all.
    EXPECT_EQ(GetTextFirmwareNotForModel(0x4D21, 1), L"Micrologiciel non compatible avec Omnisuit");
    for (int language = 0; language < 13; ++language)
        EXPECT_EQ(Occurrences(GetTextFirmwareNotForModel(0x4D21, language), L"Omnisuit"), 1) << language;
}

} // namespace
