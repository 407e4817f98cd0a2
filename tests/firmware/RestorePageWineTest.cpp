// Page 4 on the real main window: a settings archive planted in the IMG folder
// beside the test program and the backup list and images served by a local
// HTTP server.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "app/UpdaterDlg.h"
#include "device/ModelCatalogue.h"
#include "firmware/DialogFirmwareRestore.h"
#include "firmware/SettingsArchive.h"
#include "res/resource.h"
#include "tests/firmware/RestorePageWineSetup.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ServerWaitWatch.h"
#include "text/FirmwareTexts.h"
#include "text/NameTables.h"
#include "text/RestorePageTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"
#include "text/UiLanguages.h"

namespace {

using namespace restorepage;

constexpr int kFmModel = 0x5040;          // Basic, Speed Dial and FM Radio from firmware 4.3
constexpr int kTwoCategoryModel = 0x2020; // Basic and Speed Dial
constexpr int kListModel = 0x5520;        // the archived settings list of its option ints and words
constexpr int kCameraModel = 0x5510;      // the longest archived settings list

std::wstring ArchivePath(int model)
{
    return InImg(L"hvlxarch", model).wstring();
}

std::wstring ImagePath(int model)
{
    return InImg(L"img", model).wstring();
}

// An archive as the update writes it before flashing.
void PlantArchive(int model, int major, int minor)
{
    DeviceConfig device;
    device.m_modelCode = model;
    device.m_deviceName = L"Restore test unit";
    device.m_firmwareVersion.major = major;
    device.m_firmwareVersion.minor = minor;
    device.m_handsfreeVox = 1;
    device.m_intercomVox = 0;
    device.m_edr = 1;
    device.m_bitpoolRate = 1;
    device.m_sidetone = 1;
    device.m_hushguard = 2;
    device.m_speedDial[0] = L"+4930123456";
    device.m_fmRegion = 4;
    device.m_fmPresets[0] = 8750;
    device.m_fmPresets[1] = 10800;
    device.m_fmPresets[9] = 10790;
    device.m_fmRds = 1;
    WriteFileBytes(ArchivePath(model), ArchiveTextToBytes(FormatSettingsArchive(device, std::time(nullptr))));
}

std::wstring Text(HWND page, int id)
{
    wchar_t text[512] = {};
    ::GetDlgItemTextW(page, id, text, 512);
    return text;
}

bool Visible(HWND page, int id)
{
    return (::GetWindowLongW(::GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

class RestorePageWine : public RestorePageOnTheMainWindow {
protected:
    static void SetUpTestSuite()
    {
        RestorePageOnTheMainWindow::SetUpTestSuite();
        s_server->Serve(L"a.img", Bytes("image a, English"));
        s_server->Serve(L"b.img", Bytes("image b, French"));
    }

    void TearDown() override
    {
        RestorePageOnTheMainWindow::TearDown();
        RemoveModelFiles({kFmModel, kTwoCategoryModel, kListModel, kCameraModel});
    }

    static std::wstring ServerUrl() { return s_server->Url(); }
    void ServeRevisions(const std::string& text) { s_server->ServeRevisions(text); }

    // The tick of timer 202 has read the archive and the list.
    void WaitForDetails() { ASSERT_TRUE(ArchiveAndListRead()); }

    bool RestoreEnabled() { return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_APPLY)) != FALSE; }
    std::wstring Status() { return static_cast<const wchar_t*>(dialog.GetStatusText()); }

    void PressRestore() { Click(IDC_BUTTON_APPLY); }

    std::string Variants(int model, const char* version)
    {
        const std::string key = ServerKey(model);
        return key + ":" + version + ":English:a.img\r\n" + key + ":" + version + ":French:b.img\r\n";
    }
};

const int kDetailIds[] = {IDC_RESTORE_VERSION_CAPTION, IDC_RESTORE_VERSION, IDC_RESTORE_DATE_CAPTION, IDC_RESTORE_DATE};
const int kPairIds[6][2] = {{IDC_RESTORE_CAPTION1, IDC_RESTORE_VALUE1}, {IDC_RESTORE_CAPTION2, IDC_RESTORE_VALUE2},
                            {IDC_RESTORE_CAPTION3, IDC_RESTORE_VALUE3}, {IDC_RESTORE_CAPTION4, IDC_RESTORE_VALUE4},
                            {IDC_RESTORE_CAPTION5, IDC_RESTORE_VALUE5}, {IDC_RESTORE_CAPTION6, IDC_RESTORE_VALUE6}};

// Bit k set: pair k + 1 shown.
unsigned ShownPairs(HWND page)
{
    unsigned shown = 0;
    for (int k = 0; k < 6; ++k) {
        const bool caption = Visible(page, kPairIds[k][0]);
        EXPECT_EQ(caption, Visible(page, kPairIds[k][1])) << "pair " << k + 1;
        if (caption)
            shown |= 1u << k;
    }
    return shown;
}

bool OnlyTheTitle(HWND page)
{
    bool any = false;
    for (int id : kDetailIds)
        any = any || Visible(page, id);
    return Visible(page, IDC_RESTORE_TITLE) && !any && ShownPairs(page) == 0 &&
           !Visible(page, IDC_RESTORE_SETTINGS_LIST) && !Visible(page, IDC_RESTORE_VERSION_LIST);
}

TEST_F(RestorePageWine, TheTemplateAsLaidOutWithItsBoldFontAndListColumns)
{
    const HWND window = pageWindow();
    // A child dialog with control parenting, transparent.
    EXPECT_EQ(static_cast<LONG>(WS_CHILD), ::GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
    const LONG extended = ::GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_EQ(static_cast<LONG>(WS_EX_CONTROLPARENT | WS_EX_TRANSPARENT),
              extended & (WS_EX_CONTROLPARENT | WS_EX_TRANSPARENT));
    struct Control {
        int id;
        const wchar_t* className;
        DWORD style; // the bits that must be set (alignment, list view kinds)
        bool visible;
        RECT units; // left, top, right, bottom in dialog units
    } controls[] = {
        {IDC_RESTORE_TITLE, L"Static", SS_CENTER, true, {1, 1, 300, 9}},
        {IDC_RESTORE_VERSION_CAPTION, L"Static", SS_RIGHT, false, {48, 12, 187, 20}},
        {IDC_RESTORE_VERSION, L"Static", SS_LEFT, false, {190, 12, 292, 20}},
        {IDC_RESTORE_VERSION_LIST, L"ComboBox", CBS_DROPDOWNLIST | WS_TABSTOP, false, {245, 9, 304, 0}},
        {IDC_RESTORE_DATE_CAPTION, L"Static", SS_RIGHT, false, {1, 22, 186, 30}},
        {IDC_RESTORE_DATE, L"Static", SS_LEFT, false, {190, 22, 292, 30}},
        {IDC_RESTORE_CAPTION1, L"Static", SS_RIGHT, false, {1, 32, 186, 40}},
        {IDC_RESTORE_VALUE1, L"Static", SS_LEFT, false, {190, 32, 292, 40}},
        {IDC_RESTORE_CAPTION6, L"Static", SS_RIGHT, false, {1, 82, 186, 90}},
        {IDC_RESTORE_VALUE6, L"Static", SS_LEFT, false, {190, 82, 292, 90}},
        {IDC_RESTORE_VOICE_PROMPT_CAPTION, L"Static", SS_RIGHT, true, {161, 12, 239, 20}},
        {IDC_RESTORE_SETTINGS_LIST,
         L"SysListView32",
         LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER | WS_TABSTOP,
         true,
         {0, 31, 306, 121}},
    };
    LOGFONTW bold{};
    for (const Control& c : controls) {
        SCOPED_TRACE(c.id);
        const HWND control = ::GetDlgItem(window, c.id);
        ASSERT_NE(nullptr, control);
        wchar_t className[64] = {};
        ::GetClassNameW(control, className, 64);
        EXPECT_EQ(0, ::lstrcmpiW(c.className, className));
        const DWORD style = static_cast<DWORD>(::GetWindowLongW(control, GWL_STYLE));
        if (::lstrcmpW(c.className, L"Static") == 0) { // alignment is a value, not a set of bits
            EXPECT_EQ(c.style, style & SS_TYPEMASK);
        } else {
            EXPECT_EQ(c.style, style & c.style);
        }
        EXPECT_EQ(c.visible, (style & WS_VISIBLE) != 0);
        RECT expected = c.units;
        ::MapDialogRect(window, &expected);
        RECT actual;
        ::GetWindowRect(control, &actual);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(expected.left, actual.left);
        EXPECT_EQ(expected.top, actual.top);
        EXPECT_EQ(expected.right, actual.right);
        if (c.units.bottom != 0) { // a combo box is as tall as its edit part
            EXPECT_EQ(expected.bottom, actual.bottom);
        }
        const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
        ASSERT_TRUE(font && ::GetObjectW(font, sizeof bold, &bold));
        EXPECT_EQ(FW_BOLD, bold.lfWeight);
    }
    EXPECT_EQ(L"Backup Firmware Information", Text(window, IDC_RESTORE_TITLE));
    EXPECT_EQ(L"Microphone Boost :", Text(window, IDC_RESTORE_CAPTION6));
    EXPECT_EQ(L"Voice Prompt :", Text(window, IDC_RESTORE_VOICE_PROMPT_CAPTION));
    const int widths[3] = {322, 11, 177};
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(widths[column], page().m_settingsList.GetColumnWidth(column));
}

TEST_F(RestorePageWine, TheTitleKeepsItsColourAndTheOpenCategoryListKeepsTheKeys)
{
    const HWND window = pageWindow();
    HDC dc = ::CreateCompatibleDC(nullptr);
    for (int language : {0, 4, 8}) {
        SCOPED_TRACE(language);
        dialog.m_uiLanguage = language;
        ::SetTextColor(dc, RGB(1, 2, 3));
        const LRESULT brush = ::SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_RESTORE_TITLE)));
        EXPECT_EQ(static_cast<COLORREF>(0xD77538), ::GetTextColor(dc));
        EXPECT_EQ(TRANSPARENT, ::GetBkMode(dc));
        EXPECT_EQ(reinterpret_cast<LRESULT>(static_cast<HBRUSH>(dialog.m_brushes[kSkinBrushWhite])), brush);
    }
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_RESTORE_DATE)));
    EXPECT_NE(static_cast<COLORREF>(0xD77538), ::GetTextColor(dc));
    // The main window's category list, open over the page.
    dialog.SetForegroundWindow();
    dialog.m_settingsPageList.ShowWindow(SW_SHOW);
    dialog.m_settingsPageList.EnableWindow(TRUE);
    ::SetFocus(dialog.m_hWnd);
    dialog.m_dropListOpen = 1;
    ::SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_RESTORE_DATE)));
    EXPECT_EQ(dialog.m_settingsPageList.m_hWnd, ::GetFocus());
    dialog.m_dropListOpen = 0;
    dialog.m_settingsPageList.ShowWindow(SW_HIDE);
    ::DeleteDC(dc);
}

TEST_F(RestorePageWine, BlankUntilTheTickThenVersionDateAndTheBasicPairs)
{
    PlantArchive(kFmModel, 4, 3);
    ServeRevisions(ServerKey(kFmModel) + ":v4.3:a.img\n");
    Enter(kFmModel);
    EXPECT_EQ(4, dialog.m_page);
    EXPECT_TRUE(dialog.m_busy);
    for (int id : kDetailIds)
        EXPECT_FALSE(Visible(pageWindow(), id)) << id;
    EXPECT_EQ(0u, ShownPairs(pageWindow()));
    EXPECT_FALSE(Visible(pageWindow(), IDC_RESTORE_SETTINGS_LIST));
    EXPECT_EQ(0, page().m_versionList.GetCount());
    EXPECT_EQ(0, page().m_archiveTimerTicks);

    WaitForDetails();
    EXPECT_EQ(1, page().m_firmwareInfo->Lock()->m_clearedMark);
    EXPECT_EQ(L"a.img", page().m_firmwareInfo->Lock()->m_selectedFile);
    for (int id : kDetailIds)
        EXPECT_TRUE(Visible(pageWindow(), id)) << id;
    EXPECT_EQ(L"Backup Firmware Information", Text(pageWindow(), IDC_RESTORE_TITLE));
    EXPECT_EQ(L"Version:", Text(pageWindow(), IDC_RESTORE_VERSION_CAPTION));
    EXPECT_EQ(L"v4.3", Text(pageWindow(), IDC_RESTORE_VERSION));
    EXPECT_EQ(L"Date:", Text(pageWindow(), IDC_RESTORE_DATE_CAPTION));
    EXPECT_FALSE(Text(pageWindow(), IDC_RESTORE_DATE).empty());
    // Firmware 4.3 of this model: VOX Phone, VOX Intercom, EDR, High Quality A2DP.
    EXPECT_EQ(0x0Fu, ShownPairs(pageWindow()));
    EXPECT_EQ(L"VOX Phone:", Text(pageWindow(), IDC_RESTORE_CAPTION1));
    EXPECT_EQ(L"Enabled", Text(pageWindow(), IDC_RESTORE_VALUE1));
    EXPECT_EQ(L"Disabled", Text(pageWindow(), IDC_RESTORE_VALUE2));
    EXPECT_EQ(L"Disabled", Text(pageWindow(), IDC_RESTORE_VALUE3)); // a set EDR field means off
    EXPECT_FALSE(Visible(pageWindow(), IDC_RESTORE_VERSION_LIST));
    EXPECT_FALSE(Visible(pageWindow(), IDC_RESTORE_VOICE_PROMPT_CAPTION));
    EXPECT_FALSE(Visible(pageWindow(), IDC_RESTORE_SETTINGS_LIST));
    EXPECT_EQ(GetTextPressRestoreButton(0), Status());
    EXPECT_TRUE(RestoreEnabled());
    EXPECT_EQ(3, page().m_settingsPageCount);
    Picture(L"restore-page-basic-pairs");

    // Entered again: blank once more until the next tick.
    dialog.ShowFirmwareRestorePage(1);
    EXPECT_TRUE(OnlyTheTitle(pageWindow()));
}

TEST_F(RestorePageWine, TheComboShowsOnlyWithTwoLanguagesTranslatedAndKeepsTheChoice)
{
    struct Case {
        const char* name;
        bool twoLanguages;
        int uiLanguage;
        int applyToFirmware;
        int selected;
        const wchar_t* file;
    } cases[] = {
        {"one language", false, 0, 0, 0, L"a.img"},
        {"two languages, the first preselected", true, 0, 0, 0, L"a.img"},
        {"two, French UI applied to the firmware", true, 1, 1, 1, L"b.img"},
    };
    PlantArchive(kFmModel, 4, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string key = ServerKey(kFmModel);
        ServeRevisions(c.twoLanguages ? Variants(kFmModel, "v4.3") : key + ":v4.3:English:a.img\n");
        dialog.m_applyToFirmwareLanguage = c.applyToFirmware;
        page().m_archiveTimerTicks = 0;
        Enter(kFmModel, c.uiLanguage);
        WaitForDetails();
        EXPECT_EQ(c.twoLanguages, Visible(pageWindow(), IDC_RESTORE_VERSION_LIST));
        EXPECT_EQ(c.twoLanguages, Visible(pageWindow(), IDC_RESTORE_VOICE_PROMPT_CAPTION));
        EXPECT_EQ(c.twoLanguages ? 2 : 1, page().m_versionList.GetCount());
        EXPECT_EQ(c.selected, page().m_versionList.GetCurSel());
        EXPECT_EQ(c.file, page().m_firmwareInfo->Lock()->m_selectedFile);
        CString first;
        page().m_versionList.GetLBText(0, first);
        EXPECT_EQ(TranslateLanguageName(L"English", c.uiLanguage), first.str());
        EXPECT_EQ(GetTextAfterVoicePromptLanguage(c.uiLanguage), Status());
        if (c.twoLanguages) {
            EXPECT_EQ(TextVoicePrompt(c.uiLanguage), Text(pageWindow(), IDC_RESTORE_VOICE_PROMPT_CAPTION));
            EXPECT_EQ(GetTextVersion(c.uiLanguage) + L": v4.3", Text(pageWindow(), IDC_RESTORE_VERSION_CAPTION));
        }
    }

    // A language change that the firmware does not follow relabels the entries and keeps the choice.
    dialog.ApplyLanguage(2, 0);
    EXPECT_EQ(1, page().m_versionList.GetCurSel());
    CString second;
    page().m_versionList.GetLBText(1, second);
    EXPECT_EQ(TranslateLanguageName(L"French", 2), second.str());
    EXPECT_EQ(TextVoicePrompt(2), Text(pageWindow(), IDC_RESTORE_VOICE_PROMPT_CAPTION));
    EXPECT_EQ(TextBackupFirmwareInformation(2), Text(pageWindow(), IDC_RESTORE_TITLE));
}

TEST_F(RestorePageWine, TheMainWindowsButtonsSwitchTheCategoryShown)
{
    // Two categories: button 1027 selects the second, 1025 the first.
    PlantArchive(kTwoCategoryModel, 1, 1);
    ServeRevisions(ServerKey(kTwoCategoryModel) + ":v1.1:a.img\n");
    Enter(kTwoCategoryModel);
    WaitForDetails();
    ASSERT_EQ(2, page().m_settingsPageCount);
    EXPECT_EQ(0x3Fu, ShownPairs(pageWindow()));
    EXPECT_EQ(L"Hushguard\u2122:", Text(pageWindow(), IDC_RESTORE_CAPTION6));
    EXPECT_EQ(L"Enabled", Text(pageWindow(), IDC_RESTORE_VALUE6)); // 2 is not the off value 1
    Click(IDC_BUTTON_SETTINGS_PAGE_LIST);
    EXPECT_EQ(1, page().m_settingsPageIndex);
    EXPECT_EQ(0x07u, ShownPairs(pageWindow()));
    EXPECT_EQ(L"Speed Dial 1:", Text(pageWindow(), IDC_RESTORE_CAPTION1));
    EXPECT_EQ(L"+4930123456", Text(pageWindow(), IDC_RESTORE_VALUE1));
    EXPECT_EQ(L"Empty", Text(pageWindow(), IDC_RESTORE_VALUE2));
    Click(IDC_BUTTON_FIRST_SETTINGS_PAGE);
    EXPECT_EQ(0, page().m_settingsPageIndex);
    EXPECT_EQ(L"VOX Phone:", Text(pageWindow(), IDC_RESTORE_CAPTION1));
    EXPECT_EQ(0x3Fu, ShownPairs(pageWindow()));
}

TEST_F(RestorePageWine, TheFmBlockFromTheCategoryListAndBack)
{
    PlantArchive(kFmModel, 4, 3);
    ServeRevisions(ServerKey(kFmModel) + ":v4.3:a.img\n");
    Enter(kFmModel);
    WaitForDetails();
    ASSERT_EQ(3, page().m_settingsPageCount);
    // Three categories: button 1027 opens the list, which hides the page meanwhile.
    Click(IDC_BUTTON_SETTINGS_PAGE_LIST);
    EXPECT_EQ(1, dialog.m_dropListOpen);
    EXPECT_FALSE(::IsWindowVisible(pageWindow()));
    dialog.m_settingsPageList.SetCurSel(2);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_PAGE_LIST, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(dialog.m_settingsPageList.m_hWnd));
    EXPECT_EQ(0, dialog.m_dropListOpen);
    EXPECT_TRUE(::IsWindowVisible(pageWindow()));
    EXPECT_EQ(2, page().m_settingsPageIndex);
    EXPECT_EQ(0x3Fu, ShownPairs(pageWindow()));
    EXPECT_EQ(L"Radio Region:", Text(pageWindow(), IDC_RESTORE_DATE_CAPTION));
    EXPECT_EQ(L"Europe", Text(pageWindow(), IDC_RESTORE_DATE));
    EXPECT_EQ(std::wstring(25, L' ') + L" 1:   87.5 MHz", Text(pageWindow(), IDC_RESTORE_CAPTION1));
    EXPECT_EQ(L" 2: 108.0 MHz", Text(pageWindow(), IDC_RESTORE_VALUE1));
    EXPECT_EQ(L"10: 107.9 MHz", Text(pageWindow(), IDC_RESTORE_VALUE5));
    EXPECT_EQ(0, ::GetWindowLongW(::GetDlgItem(pageWindow(), IDC_RESTORE_CAPTION1), GWL_STYLE) & SS_RIGHT);
    EXPECT_EQ(L"Enabled", Text(pageWindow(), IDC_RESTORE_VALUE6));
    Picture(L"restore-page-fm-block");

    // Back to Basic: right-aligned captions and the date in row 0 again.
    ChooseCategory(0);
    EXPECT_EQ(L"Date:", Text(pageWindow(), IDC_RESTORE_DATE_CAPTION));
    EXPECT_EQ(SS_RIGHT, ::GetWindowLongW(::GetDlgItem(pageWindow(), IDC_RESTORE_CAPTION1), GWL_STYLE) & SS_RIGHT);
    EXPECT_EQ(0x0Fu, ShownPairs(pageWindow()));
}

TEST_F(RestorePageWine, AJapaneseUiLabelsEverything)
{
    PlantArchive(kFmModel, 4, 3);
    ServeRevisions(Variants(kFmModel, "v4.3"));
    Enter(kFmModel, 4);
    WaitForDetails();
    EXPECT_EQ(TextBackupFirmwareInformation(4), Text(pageWindow(), IDC_RESTORE_TITLE));
    EXPECT_EQ(TextVoxPhone(4) + L":", Text(pageWindow(), IDC_RESTORE_CAPTION1));
    EXPECT_TRUE(Visible(pageWindow(), IDC_RESTORE_VERSION_LIST));
    Picture(L"restore-page-japanese");
}

TEST_F(RestorePageWine, WithoutAUsableBackupOnlyTheTitleAndTheReasonShow)
{
    const std::string key = ServerKey(kFmModel);
    struct Case {
        const char* name;
        bool archive;
        int archiveMinor;
        const char* revisions; // null: no list on the server
        bool serverUp;
        std::wstring (*reason)(int);
    } cases[] = {
        {"no archive", false, 3, "", true, GetTextNoBackupFirmware},
        {"no list on the server", true, 3, nullptr, true, GetTextCannotConnectServer},
        {"server down", true, 3, "", false, GetTextCannotConnectServer},
        {"only older and newer versions", true, 2, "", true, GetTextNoBackupFirmwareOnServer},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ::DeleteFileW(ArchivePath(kFmModel).c_str());
        s_server->WithdrawRevisions();
        if (c.archive)
            PlantArchive(kFmModel, 4, c.archiveMinor);
        if (c.revisions)
            ServeRevisions(key + ":v4.1:a.img\n" + key + ":v4.3:English:a.img\n" + key + ":v4.3:French:b.img\n");
        // A loopback port nobody listens on.
        SetFirmwareServerBaseUrlForTests(
            c.serverUp ? ServerUrl() : L"http://127.0.0.1:" + std::to_wstring(localhttp::FreeLoopbackPort()) + L"/");
        page().m_archiveTimerTicks = 0;
        Enter(kFmModel);
        WaitForDetails();
        EXPECT_EQ(0, page().m_firmwareInfo->Lock()->m_clearedMark);
        EXPECT_TRUE(OnlyTheTitle(pageWindow()));
        EXPECT_EQ(GetTextFailure(4, kFmModel, 0) + L". " + c.reason(0), Status());
        EXPECT_FALSE(RestoreEnabled());
        EXPECT_FALSE(dialog.m_busy);
    }
}

// The tick's revision list against a server that holds it: the window paints
// and answers all along, and the page ends within its bounds with the reason.
TEST_F(RestorePageWine, AServerThatHoldsTheRevisionListNeverHoldsTheWindow)
{
    serverwait::ShortDownloadBounds bounds;
    localhttp::SilentListener silent;
    ASSERT_NE(0, silent.Port());
    PlantArchive(kFmModel, 4, 3);
    for (const localhttp::HoldingServer& server : localhttp::HoldingServers(s_server->Port(), silent)) {
        SCOPED_TRACE(server.name);
        SetFirmwareServerBaseUrlForTests(server.base);
        page().m_archiveTimerTicks = 0;
        Enter(kFmModel);
        ASSERT_TRUE(PumpMessagesUntil([&] { return page().m_archiveTimerTicks == 1; }, 5000));
        EXPECT_TRUE(dialog.m_busy);
        const std::string name = std::string("restore-page-list-waits-on-") + server.name;
        const serverwait::Watched watched = serverwait::WatchTheWait(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, std::wstring(name.begin(), name.end()));
        EXPECT_TRUE(watched.ended);
        EXPECT_TRUE(watched.pictured);
        EXPECT_GT(watched.answeredProbes, 0);
        // A window that waited on the server itself would not have answered for the whole wait.
        EXPECT_LT(watched.longestStallMs, watched.waitedMs / 4);
        EXPECT_EQ(GetTextFailure(4, kFmModel, 0) + L". " + GetTextCannotConnectServer(0), Status());
        EXPECT_EQ(0, page().m_firmwareInfo->Lock()->m_clearedMark);
        EXPECT_FALSE(RestoreEnabled());
    }
}

TEST_F(RestorePageWine, RestoreDownloadsTheChosenVariantIntoTheImgFolder)
{
    PlantArchive(kFmModel, 4, 3);
    ServeRevisions(Variants(kFmModel, "v4.3"));
    Enter(kFmModel);
    WaitForDetails();
    page().m_versionList.SetCurSel(1);
    EXPECT_TRUE(page().m_versionList.IsWindowEnabled());
    PressRestore();
    EXPECT_TRUE(dialog.m_busy);
    EXPECT_FALSE(page().m_versionList.IsWindowEnabled());
    EXPECT_FALSE(RestoreEnabled());
    EXPECT_EQ(L"French", dialog.m_firmwareLanguage.str());
    ASSERT_TRUE(PumpMessagesUntil([&] { return ReadFileBytes(ImagePath(kFmModel)) == "image b, French"; }, 15000));
    PumpMessagesFor(200);
    EXPECT_EQ(ImagePath(kFmModel), page().m_firmwareInfo->Lock()->m_imagePath);
}

TEST_F(RestorePageWine, AFailedDownloadLeavesAnEarlierImageAndFlashesNothing)
{
    struct Case {
        const char* name;
        const char* file; // on the server
        bool lockTarget;
        std::wstring (*reason)(int);
    } cases[] = {
        {"not on the server", "missing.img", false, GetTextCannotConnectServer},
        {"target locked", "a.img", true, GetTextCannotOpenFile},
    };
    PlantArchive(kFmModel, 4, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ServeRevisions(ServerKey(kFmModel) + ":v4.3:" + c.file + "\n");
        WriteFileBytes(ImagePath(kFmModel), "earlier image");
        page().m_archiveTimerTicks = 0;
        Enter(kFmModel);
        WaitForDetails();
        FileHeldOpen lock(c.lockTarget ? ImagePath(kFmModel) : L"");
        PressRestore();
        ASSERT_TRUE(PumpMessagesUntil([&] { return !dialog.m_busy; }, 15000));
        lock.Release();
        EXPECT_EQ("earlier image", ReadFileBytes(ImagePath(kFmModel)));
        EXPECT_EQ(GetTextDownloadLatestFailed(0) + L". " + c.reason(0), Status());
        EXPECT_EQ(kJobDownloadingImage, page().m_firmwareInfo->Lock()->m_state);
        EXPECT_EQ(0, page().m_firmwareInfo->Lock()->m_finished);
        EXPECT_EQ(0, dialog.m_pageFirmwareUpdate.m_firmwareInfo->Lock()->m_finished);
    }
}

TEST_F(RestorePageWine, AComboWithoutASelectionKeepsThePreselectedFile)
{
    PlantArchive(kFmModel, 4, 3);
    ServeRevisions(Variants(kFmModel, "v4.3"));
    dialog.m_firmwareLanguage = L"french";
    dialog.m_applyToFirmwareLanguage = 0;
    Enter(kFmModel);
    WaitForDetails();
    // The stored voice-prompt language, in other letter case, outranks the first variant.
    EXPECT_EQ(1, page().m_versionList.GetCurSel());
    page().m_versionList.SetCurSel(-1);
    PressRestore();
    ASSERT_TRUE(PumpMessagesUntil([&] { return ReadFileBytes(ImagePath(kFmModel)) == "image b, French"; }, 15000));
    PumpMessagesFor(200);
}

TEST_F(RestorePageWine, ALanguageChangeTheFirmwareFollowsReadsTheListAgain)
{
    PlantArchive(kFmModel, 4, 3);
    ServeRevisions(Variants(kFmModel, "v4.3"));
    dialog.m_applyToFirmwareLanguage = 1;
    Enter(kFmModel, 0);
    WaitForDetails();
    EXPECT_EQ(0, page().m_versionList.GetCurSel());
    dialog.ApplyLanguage(1, 1);
    ASSERT_TRUE(PumpMessagesUntil([&] { return page().m_archiveTimerTicks == 2 && !dialog.m_busy; }, 15000));
    EXPECT_EQ(1, page().m_versionList.GetCurSel());
    EXPECT_EQ(L"b.img", page().m_firmwareInfo->Lock()->m_selectedFile);
    EXPECT_EQ(GetTextAfterVoicePromptLanguage(1), Status());
}

TEST_F(RestorePageWine, BackAfterARestoreTheCompletionsTextStaysUnlessTheReadFails)
{
    struct Case {
        const char* name;
        bool archive;
        std::wstring expected;
    } cases[] = {
        {"the backup is offered again", true, L"Firmware restored successfully"},
        {"the archive is gone", false, GetTextFailure(4, kFmModel, 0) + L". " + GetTextNoBackupFirmware(0)},
    };
    ServeRevisions(ServerKey(kFmModel) + ":v4.3:a.img\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ::DeleteFileW(ArchivePath(kFmModel).c_str());
        if (c.archive)
            PlantArchive(kFmModel, 4, 3);
        page().m_archiveTimerTicks = 0;
        Enter(kFmModel);
        WaitForDetails();
        for (int language = 0; language < kUiLanguageCount; ++language)
            dialog.SetStatusTextForLanguage(L"Firmware restored successfully", language);
        page().m_archiveTimerTicks = 0;
        dialog.ShowFirmwareRestorePage(0);
        WaitForDetails();
        EXPECT_EQ(c.expected, Status());
        EXPECT_EQ(c.archive, RestoreEnabled());
    }
}

TEST_F(RestorePageWine, TheArchivedSettingsListShowsTheArchivesBasicSettings)
{
    PlantArchive(kListModel, 2, 0);
    ServeRevisions(ServerKey(kListModel) + ":v2.0:a.img\n");
    Enter(kListModel);
    WaitForDetails();
    ASSERT_TRUE(Visible(pageWindow(), IDC_RESTORE_SETTINGS_LIST));
    ASSERT_EQ(12, RowCount());
    // The planted unit: VOX Phone 1, VOX Intercom 0, Sidetone 1, Hushguard 2, every word 0.
    const wchar_t* const rows[12][2] = {
        {L"Audio Boost", L"Enabled"},
        {L"VOX Phone", L"Enabled"},
        {L"VOX Intercom", L"Disabled"},
        {L"Dualstream\u2122", L"Disabled"},
        {L"Audio Source Priority", L"Intercom"},
        {L"HD Voice", L"Disabled"},
        {L"HD Intercom", L"Disabled"},
        {L"VOX Sensitivity", L"0"},
        {L"Voice Prompt", L"Enabled"},
        {L"FM Station Guide", L"Disabled"},
        {L"Sidetone", L"Enabled"},
        {L"Hushguard\u2122", L"Enabled"},
    };
    for (int row = 0; row < 12; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(rows[row][0], ListText(row, 0));
        EXPECT_EQ(L":", ListText(row, 1));
        EXPECT_EQ(rows[row][1], ListText(row, 2));
    }
    Picture(L"restore-page-archived-list");

    // Three categories: Speed Dial from the category list hides the list; Basic again shows it.
    ASSERT_EQ(3, page().m_settingsPageCount);
    ChooseCategory(1);
    EXPECT_EQ(1, page().m_settingsPageIndex);
    EXPECT_FALSE(Visible(pageWindow(), IDC_RESTORE_SETTINGS_LIST));
    EXPECT_EQ(0, RowCount());
    ChooseCategory(0);
    EXPECT_EQ(0, page().m_settingsPageIndex);
    EXPECT_TRUE(Visible(pageWindow(), IDC_RESTORE_SETTINGS_LIST));
    EXPECT_EQ(12, RowCount());
    EXPECT_EQ(L"Hushguard\u2122", ListText(11, 0));

    // A new UI language relabels names and values on the next refresh.
    dialog.m_uiLanguage = 1;
    page().RefreshPage();
    EXPECT_EQ(12, RowCount());
    EXPECT_EQ(L"Amplification audio", ListText(0, 0));
    EXPECT_EQ(L"Activé", ListText(0, 2));

    // Japanese, drawn.
    dialog.m_uiLanguage = 4;
    page().RefreshPage();
    EXPECT_EQ(12, RowCount());
    Picture(L"restore-page-archived-list-japanese");
}

TEST_F(RestorePageWine, TheCameraHeadsetsListScrollsToItsLastRow)
{
    PlantArchive(kCameraModel, 3, 0);
    ServeRevisions(ServerKey(kCameraModel) + ":v3.0:a.img\n");
    Enter(kCameraModel);
    WaitForDetails();
    ASSERT_TRUE(Visible(pageWindow(), IDC_RESTORE_SETTINGS_LIST));
    ASSERT_EQ(25, RowCount());
    EXPECT_EQ(L"\u25B6 Music", ListText(20, 0));
    EXPECT_EQ(L"Disabled", ListText(20, 2));
    EXPECT_EQ(L"Auto Camera Sleep", ListText(24, 0));
    EXPECT_NE(0, ::GetWindowLongW(list(), GWL_STYLE) & WS_VSCROLL);
    ::SendMessageW(list(), LVM_ENSUREVISIBLE, 24, FALSE);
    Picture(L"restore-page-archived-list-camera-scrolled");
}

} // namespace
