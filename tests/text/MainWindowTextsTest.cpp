// The main window's own texts: every member in every language, the wording
// that tells, the button tables and the backup instruction's address.

#include "text/MainWindowTexts.h"
#include "text/SharedWords.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

enum Language { En, Fr, De, It, Ja, Ko, Es, Nl, Ru, Zh, Fi, Cs, Pl };

struct Member {
    const char* name;
    std::function<std::wstring(int)> text;
    std::vector<int> sameAsEnglish;
};

std::vector<Member> Members()
{
    return {
        { "CaptionNext",           GetCaptionNext, {} },
        { "CaptionBack",           GetCaptionBack, {} },
        { "CaptionNewDevice",      GetCaptionNewDevice, {} },
        { "CaptionBackToPage",     GetCaptionBackToPage, {} },
        { "CaptionForwardToPage",  GetCaptionForwardToPage, {} },
        { "CaptionUpdate",         GetCaptionUpdate, { De } },
        { "CaptionRestore",        GetCaptionRestore, {} },
        { "Save",                  GetTextSave, {} },
        { "SaveChangesPrompt",     GetTextSaveChangesPrompt, {} },
        { "About",                 GetTextAbout, {} },
        { "OnlineHelp",            GetTextOnlineHelp, {} },
        { "DiagnosticLog",         GetTextDiagnosticLog, {} },
        { "Close",                 GetTextClose, {} },
        { "HoldButtonPrompt",      [](int l) { return GetTextHoldButtonPrompt(0x4D10, l); }, {} },
        { "HoldTwoButtonsPrompt",  [](int l) { return GetTextHoldTwoButtonsPrompt(0x4D10, l); }, {} },
        { "BackupFailed",          GetTextBackupFailed, {} },
    };
}

bool Contains(const std::vector<int>& list, int value)
{
    for (int v : list)
        if (v == value)
            return true;
    return false;
}

TEST(MainWindowTexts, EveryMemberInEveryLanguageIsFilledAndOwn)
{
    for (const Member& member : Members()) {
        const std::wstring english = member.text(En);
        ASSERT_FALSE(english.empty()) << member.name;
        for (int language = 0; language < 13; ++language) {
            const std::wstring text = member.text(language);
            EXPECT_FALSE(text.empty()) << member.name << " " << language;
            EXPECT_EQ(std::wstring::npos, text.find(L'%')) << member.name << " " << language;
            if (language != En && !Contains(member.sameAsEnglish, language)) {
                EXPECT_NE(english, text) << member.name << " " << language << " is English";
            }
        }
        for (int outside : { 13, -1, 100, INT_MIN, INT_MAX })
            EXPECT_EQ(english, member.text(outside)) << member.name << " " << outside;
    }
}

TEST(MainWindowTexts, WordingThatTells)
{
    struct Row { const char* name; std::function<std::wstring(int)> text; int language; const wchar_t* expected; };
    const Row rows[] = {
        { "CaptionNext",       GetCaptionNext,           En, L"NEXT        >  " },
        { "CaptionBack",       GetCaptionBack,           En, L"  <       BACK" },
        { "CaptionNewDevice",  GetCaptionNewDevice,      En, L"NEW DEVICE  >  " },
        { "BackToPage",        GetCaptionBackToPage,     En, L"  <  FIRMWARE UPDATE" },
        { "ForwardToPage",     GetCaptionForwardToPage,  En, L"FIRMWARE RESTORE  >  " },
        { "Update",            GetCaptionUpdate,         En, L"UPDATE" },
        { "Restore",           GetCaptionRestore,        En, L"RESTORE" },
        { "Save",              GetTextSave,              En, L"SAVE" },
        { "Save",              GetTextSave,              Ja, L"保存" },
        { "Save",              GetTextSave,              Zh, L"保存" },
        { "Save",              GetTextSave,              Es, L"GUARD." },
        { "Prompt",            GetTextSaveChangesPrompt, En, L"Would you like to save DEVICE SETTING changes?" },
        { "About",             GetTextAbout,             En, L"About..." },
        { "OnlineHelp",        GetTextOnlineHelp,        En, L"Online Help" },
        { "DiagnosticLog",     GetTextDiagnosticLog,     En, L"Diagnostic Log" },
        { "Close",             GetTextClose,             En, L"Close" },
        { "Close",             GetTextClose,             Es, L"Cerr." },
        // The German context menu.
        { "About",             GetTextAbout,             De, L"Über..." },
        { "OnlineHelp",        GetTextOnlineHelp,        De, L"Online-Help" },
        { "DiagnosticLog",     GetTextDiagnosticLog,     De, L"Diagnoseprotokoll" },
        { "Close",             GetTextClose,             De, L"Schließen" },
    };
    for (const Row& row : rows)
        EXPECT_EQ(std::wstring(row.expected), row.text(row.language)) << row.name << " " << row.language;
}

TEST(MainWindowTexts, SaveQuestionPutsTheTitleFirstInJapaneseAndKoreanAndEndsFullWidthWhereItShould)
{
    EXPECT_EQ(GetTextPageTitle(5, Ja) + L"変更を保存しますか？", GetTextSaveChangesPrompt(Ja));
    EXPECT_EQ(GetTextPageTitle(5, Ko) + L" 변경 내용을 저장하시겠습니까?", GetTextSaveChangesPrompt(Ko));
    for (int language = 0; language < 13; ++language) {
        const std::wstring text = GetTextSaveChangesPrompt(language);
        EXPECT_NE(std::wstring::npos, text.find(GetTextPageTitle(5, language))) << language;
        const bool fullWidth = language == Ja || language == Zh || language == Fi || language == Cs || language == Pl;
        EXPECT_EQ(fullWidth ? L'？' : L'?', text.back()) << language;
    }
}

TEST(MainWindowTexts, HoldPromptsNameTheTargetsButtons)
{
    struct Row { int product; HeadsetButton one; HeadsetButton first; HeadsetButton second; };
    const Row rows[] = {
        { 0x4040, HeadsetButton::L,       HeadsetButton::L,       HeadsetButton::R },
        { 0x4D10, HeadsetButton::Phone,   HeadsetButton::JogDial, HeadsetButton::Phone },
        { 0x5560, HeadsetButton::Minus,   HeadsetButton::JogDial, HeadsetButton::Phone },
        { 0x5520, HeadsetButton::Minus,   HeadsetButton::Center,  HeadsetButton::Plus },
        { 0x2020, HeadsetButton::Center,  HeadsetButton::Center,  HeadsetButton::Plus },
        { 0x2010, HeadsetButton::Minus,   HeadsetButton::Plus,    HeadsetButton::Minus },
        { 0x5210, HeadsetButton::Pairing, HeadsetButton::Ptt,     HeadsetButton::Pairing },
        { 0x5720, HeadsetButton::Minus,   HeadsetButton::Center,  HeadsetButton::Plus },
        { 0,      HeadsetButton::Phone,   HeadsetButton::JogDial, HeadsetButton::Phone },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.one, HoldButtonOf(row.product)) << std::hex << row.product;
        EXPECT_EQ(row.first, HoldTwoButtonsOf(row.product).first) << std::hex << row.product;
        EXPECT_EQ(row.second, HoldTwoButtonsOf(row.product).second) << std::hex << row.product;
    }
    EXPECT_EQ(L"Press and hold the [L] Button and [R] Button until this message disappears.",
              GetTextHoldTwoButtonsPrompt(0x4040, En));
    EXPECT_EQ(L"Press and hold the Jog Dial and Phone Button until this message disappears.",
              GetTextHoldTwoButtonsPrompt(0x4D10, En));
    EXPECT_EQ(L"Press and hold the [-] Button until this message disappears.", GetTextHoldButtonPrompt(0x5560, En));
    // German puts the buttons first.
    EXPECT_EQ(GetTextPhoneButton(De) + L" gedrückt halten, bis diese Meldung nicht mehr angezeigt wird.",
              GetTextHoldButtonPrompt(0x4D10, De));
    EXPECT_EQ(GetTextLButton(De) + L" und " + GetTextRButton(De) +
                  L" gedrückt halten, bis diese Meldung nicht mehr angezeigt wird.",
              GetTextHoldTwoButtonsPrompt(0x4040, De));
    // Every language names the target's buttons, in its own words.
    for (int language = 0; language < 13; ++language) {
        const std::wstring two = GetTextHoldTwoButtonsPrompt(0x4040, language);
        EXPECT_NE(std::wstring::npos, two.find(GetTextLButton(language))) << language;
        EXPECT_LT(two.find(GetTextLButton(language)), two.find(GetTextRButton(language))) << language;
        EXPECT_NE(std::wstring::npos, GetTextHoldButtonPrompt(0x5210, language).find(GetTextPairingButton(language)));
    }
}

TEST(MainWindowTexts, BackupInstructionNamesTheSiteThePagesAndTheButton)
{
    EXPECT_EQ(L"Creating a backup file for FIRMWARE RESTORE has failed. For FIRMWARE RESTORE, download the previous "
              L"firmware file from www.quor.example, and update the file manually using the Device Manager's FIRMWARE "
              L"UPDATE. To continue, click the [OK] button below.",
              GetTextBackupFailed(En));
    for (int language = 0; language < 13; ++language) {
        const std::wstring text = GetTextBackupFailed(language);
        const std::size_t site = text.find(std::wstring(kMakerWebSite));
        ASSERT_NE(std::wstring::npos, site) << language;
        EXPECT_NE(std::wstring::npos, text.find(L".example")) << language;
        const std::wstring restore = GetTextPageTitle(4, language);
        const std::size_t first = text.find(restore);
        ASSERT_NE(std::wstring::npos, first) << language;
        EXPECT_NE(std::wstring::npos, text.find(restore, first + restore.size())) << language;
        EXPECT_NE(std::wstring::npos, text.find(GetTextPageTitle(3, language))) << language;
        EXPECT_NE(std::wstring::npos, text.find(L"[" + GetTextOk(language) + L"]")) << language;
        const bool folder = language == Fr || language == De || language == Es;
        EXPECT_EQ(folder, text.compare(site + std::wstring(kMakerWebSite).size(), 1, L"/") == 0) << language;
    }
    EXPECT_NE(std::wstring::npos, GetTextBackupFailed(De).find(L"www.quor.example/de"));
}

} // namespace
