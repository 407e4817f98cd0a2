// The basic settings page on the real main window under Wine: the product id and the live
// record are set directly, the page is entered and driven with the messages its controls send.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/ShellOpen.h"
#include "app/UpdaterDlg.h"
#include "res/resource.h"
#include "settings/ClassicLayout.h"
#include "settings/RowPlacement.h"
#include "tests/grid/GridWineSupport.h"
#include "tests/settings/IdleMainWindow.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/WindowPicture.h"

using namespace gridtest;

namespace {

struct Page {
    CUpdaterDlg& main;
    CDialogDeviceSetting& page;

    HWND Item(int id) const { return ::GetDlgItem(page.m_hWnd, id); }
    bool Visible(int id) const { return (::GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return ::SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::wstring Text(int id) const
    {
        wchar_t text[256] = {};
        ::GetWindowTextW(Item(id), text, 256);
        return text;
    }
    std::wstring ComboItem(int id, int index) const
    {
        wchar_t text[64] = {};
        ::SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }
    int Selection(int id) const { return static_cast<int>(::SendMessageW(Item(id), CB_GETCURSEL, 0, 0)); }
    void Click(int id, int code = BN_CLICKED)
    {
        ::SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }
    void Select(int id, int index)
    {
        ::SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Click(id, CBN_SELCHANGE);
    }
    // Sets the connected unit and enters page 5 the way the page switch does.
    void Enter(int productId, int major, int minor, int language = 0)
    {
        EnterBasicPage(main, productId, major, minor, language);
    }
    // The top of a control relative to the page.
    int Top(int id) const
    {
        RECT r;
        ::GetWindowRect(Item(id), &r);
        POINT p{r.left, r.top};
        ::ScreenToClient(page.m_hWnd, &p);
        return p.y;
    }
    int ExpectedTop(int id, float rowCount, int margin, float row) const
    {
        RECT area;
        ::GetWindowRect(page.m_hWnd, &area);
        RECT r;
        ::GetWindowRect(Item(id), &r);
        return PlaceControlInRow({area.left, area.top, area.right, area.bottom}, rowCount, margin, row,
                                 {r.left, r.top, r.right, r.bottom})
            .top;
    }
    std::vector<ClassicRow> VisibleRowsShown() const
    {
        std::vector<ClassicRow> shown;
        for (const ClassicRowControls& row : ClassicRowTable())
            if (row.row != ClassicRow::Buttons && row.row != ClassicRow::MoreSettings && Visible(row.controls[0]))
                shown.push_back(row.row);
        return shown;
    }
};

void WithPage(const std::function<void(Page&)>& body)
{
    WithIdleMainWindow([&](CUpdaterDlg& dialog) {
        Page page{dialog, dialog.m_pageDeviceSetting};
        body(page);
    });
}

TEST(BasicPageWine, TheTemplateHoldsItsControlsAndTheCombosTheirItems)
{
    WithPage([](Page& p) {
        const int ids[] = {1201, 1100, 1035, 1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043, 1044, 1045, 1046,
                           1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1069,
                           1060, 1061, 1062, 1063, 1064, 1065, 1066, 1067, 1068, 1070, 1071, 1072, 1073, 1074,
                           1075, 1076, 1077, 1078, 1079, 1080, 1081, 1182, 1083, 1084, 1086, 1085, 1087, 1088,
                           1183, 1089, 1090, 1092, 1091, 1082, 1093, 1094, 1095, 1096, 1097, 1098, 1099};
        ASSERT_EQ(sizeof ids / sizeof ids[0], 69u);
        int children = 0;
        for (HWND child = ::GetWindow(p.page.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            ++children;
        for (int id : ids)
            EXPECT_NE(p.Item(id), nullptr) << id;
        EXPECT_GE(children, 69);
        // The page has not been entered: the combos hold the template's items.
        ASSERT_EQ(::SendMessageW(p.Item(IDC_MOTION_COMBO), CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(p.ComboItem(IDC_MOTION_COMBO, 0), L"Disable");
        EXPECT_EQ(p.ComboItem(IDC_MOTION_COMBO, 2), L"High");
        ASSERT_EQ(::SendMessageW(p.Item(IDC_OVERLAY_COMBO), CB_GETCOUNT, 0, 0), 10);
        EXPECT_EQ(p.ComboItem(IDC_OVERLAY_COMBO, 0), L" 1");
        EXPECT_EQ(p.ComboItem(IDC_OVERLAY_COMBO, 9), L"10");
        EXPECT_EQ(::GetDlgItem(p.page.m_hWnd, IDC_TIMEOUT_SPIN) != nullptr, true);
        EXPECT_EQ(::SendMessageW(p.Item(IDC_TIMEOUT_SPIN), UDM_GETRANGE, 0, 0), MAKELONG(60, 3));
    });
}

TEST(BasicPageWine, A4D10At41ShowsEightRowsPlacedOnNineAndAHalf)
{
    WithPage([](Page& p) {
        p.Enter(0x4D10, 4, 1);
        const std::vector<ClassicRow> expected = {
            ClassicRow::VoxPhone,           ClassicRow::VoxIntercom, ClassicRow::Edr,
            ClassicRow::EdrNotice,          ClassicRow::Plc,         ClassicRow::HighQualityA2dp,
            ClassicRow::MicrophoneBoosting, ClassicRow::Note};
        EXPECT_EQ(p.VisibleRowsShown(), expected);
        EXPECT_EQ(p.Top(IDC_MIC_BOOST_LABEL), p.ExpectedTop(IDC_MIC_BOOST_LABEL, 9.5f, 2, 7.5f));
        EXPECT_EQ(p.Top(IDC_RESTART_NOTE), p.ExpectedTop(IDC_RESTART_NOTE, 9.5f, 2, 8.5f));
        EXPECT_EQ(p.Top(IDC_SETTINGS_DEFAULT), p.ExpectedTop(IDC_SETTINGS_DEFAULT, 9.5f, 2, 0.0f));
        EXPECT_FALSE(p.Visible(IDC_SETTINGS_GRID));
        EXPECT_FALSE(p.Visible(IDC_MORE_SETTINGS));
        EXPECT_FALSE(p.Visible(IDC_NOTE_MORE)) << "English has no \"...\"";
        EXPECT_EQ(p.Text(IDC_SIDETONE_LABEL), L"Sidetone");
        EXPECT_EQ(p.Text(IDC_RESTART_NOTE), L"NOTE: Changes will be applied after device restarts.");
        SaveWindowPicture(p.main.m_hWnd, ScreenshotFolder() + L"/basic-4D10-4.1-english.png");
        p.Enter(0x4D10, 4, 1, 4);
        SaveWindowPicture(p.main.m_hWnd, ScreenshotFolder() + L"/basic-4D10-4.1-japanese.png");
    });
}

TEST(BasicPageWine, FirmwareRangesAndGroupsPickTheirRows)
{
    WithPage([](Page& p) {
        p.Enter(0x4D10, 4, 0); // exactly 4.0: PLC, no High Quality A2DP
        EXPECT_TRUE(p.Visible(IDC_PLC_ENABLE));
        EXPECT_FALSE(p.Visible(IDC_A2DP_ENABLE));
        EXPECT_EQ(p.Top(IDC_PLC_LABEL), p.ExpectedTop(IDC_PLC_LABEL, 7.5f, 5, 5.5f));
        p.Enter(0x5020, 5, 0); // group 3 at 5.0 has no Sidetone
        EXPECT_FALSE(p.Visible(IDC_SIDETONE_ENABLE));
        EXPECT_TRUE(p.Visible(IDC_A2DP_ENABLE));
        p.Enter(0x5010, 5, 0); // group 2 at 5.0 has
        EXPECT_TRUE(p.Visible(IDC_SIDETONE_ENABLE));
    });
}

TEST(BasicPageWine, GridModelsShowOnlyTheGridUnknownIdsOnlyTheButtons)
{
    WithPage([](Page& p) {
        p.Enter(0x4610, 1, 0);
        EXPECT_TRUE(p.Visible(IDC_SETTINGS_GRID));
        EXPECT_TRUE(p.VisibleRowsShown().empty());
        EXPECT_EQ(ListView_GetColumnWidth(p.Item(IDC_SETTINGS_GRID), 0), 30);
        EXPECT_EQ(ListView_GetColumnWidth(p.Item(IDC_SETTINGS_GRID), 1), 310);
        EXPECT_EQ(ListView_GetColumnWidth(p.Item(IDC_SETTINGS_GRID), 2), 170);
        p.Enter(0x5510, 1, 0, 8);
        EXPECT_EQ(ListView_GetColumnWidth(p.Item(IDC_SETTINGS_GRID), 1), 280);
        EXPECT_EQ(ListView_GetColumnWidth(p.Item(IDC_SETTINGS_GRID), 2), 200);
        p.Enter(0x5510, 1, 0, 0);
        EXPECT_EQ(ListView_GetColumnWidth(p.Item(IDC_SETTINGS_GRID), 1), 310);

        p.Enter(0x3500, 1, 0);
        EXPECT_FALSE(p.Visible(IDC_SETTINGS_GRID));
        EXPECT_TRUE(p.VisibleRowsShown().empty());
        EXPECT_TRUE(p.Visible(IDC_SETTINGS_DEFAULT));
        EXPECT_TRUE(p.Visible(IDC_SETTINGS_CANCEL));
    });
}

TEST(BasicPageWine, BusyDisablesEverythingAndHidesNothing)
{
    WithPage([](Page& p) {
        p.Enter(0x4D10, 4, 1, 1);
        ASSERT_TRUE(p.Visible(IDC_NOTE_MORE));
        p.main.m_busy = 1;
        p.page.RefreshPage();
        for (int id : {IDC_VOX_PHONE_ENABLE, IDC_EDR_DISABLE, IDC_EDR_HELP, IDC_NOTE_MORE, IDC_SETTINGS_GRID})
            EXPECT_FALSE(p.Enabled(id)) << id;
        for (int id : {IDC_VOX_PHONE_ENABLE, IDC_EDR_NOTICE, IDC_NOTE_MORE, IDC_MIC_BOOST_LABEL})
            EXPECT_TRUE(p.Visible(id)) << id;
        EXPECT_TRUE(p.Enabled(IDC_SETTINGS_DEFAULT));
        p.main.m_busy = 0;
        p.page.RefreshPage();
        EXPECT_TRUE(p.Enabled(IDC_VOX_PHONE_ENABLE));
    });
}

TEST(BasicPageWine, TheNoticeButtonShowsOnlyInFrenchDutchAndRussian)
{
    WithPage([](Page& p) {
        for (int language = 0; language < 13; ++language) {
            p.Enter(0x4D20, 4, 2, language);
            const bool expected = language == 1 || language == 7 || language == 8;
            EXPECT_EQ(p.Visible(IDC_NOTE_MORE), expected) << language;
        }
        p.Enter(0x4D20, 4, 2, 8);
        SaveWindowPicture(p.main.m_hWnd, ScreenshotFolder() + L"/basic-4D20-russian.png");
    });
}

TEST(BasicPageWine, CombosAndGainShowTheRecord)
{
    WithPage([](Page& p) {
        p.main.m_device.SetOverlaySensitivity(10);
        p.main.m_device.SetMotionSensorSensitivity(1);
        p.Enter(0x4210, 1, 2);
        EXPECT_EQ(p.Selection(IDC_OVERLAY_COMBO), 0); // " 1"
        EXPECT_EQ(p.Selection(IDC_MOTION_COMBO), 0);
        p.main.m_device.SetOverlaySensitivity(1);
        p.Enter(0x4210, 1, 2, 2);
        EXPECT_EQ(p.ComboItem(IDC_OVERLAY_COMBO, p.Selection(IDC_OVERLAY_COMBO)), L"10");
        EXPECT_EQ(p.ComboItem(IDC_MOTION_COMBO, 1), L"Niedrig") << "the motion combo follows the language";

        p.main.m_device.m_radioTransmitGain = 15;
        p.main.m_device.m_audioChannelTimeout = 7;
        p.Enter(0x5210, 1, 0);
        EXPECT_TRUE(p.Checked(IDC_GAIN_MEDIUM));
        EXPECT_FALSE(p.Checked(IDC_GAIN_LOW));
        EXPECT_EQ(p.Text(IDC_TIMEOUT_EDIT), L"7");
        EXPECT_TRUE(p.Visible(IDC_GAIN_LABEL));
        EXPECT_TRUE(p.Visible(IDC_TIMEOUT_SPIN));
        EXPECT_FALSE(p.Visible(IDC_VOX_PHONE_ENABLE));
        SaveWindowPicture(p.main.m_hWnd, ScreenshotFolder() + L"/basic-5210.png");
    });
}

TEST(BasicPageWine, EnteringAgainRestoresTheWorkingRecord)
{
    WithPage([](Page& p) {
        p.main.m_device.m_handsfreeVox = 0;
        p.Enter(0x4D10, 4, 1);
        p.Click(IDC_VOX_PHONE_ENABLE);
        EXPECT_EQ(p.page.m_config.m_handsfreeVox, 1);
        EXPECT_TRUE(p.page.IsModified());
        p.Enter(0x4D10, 4, 1);
        EXPECT_EQ(p.page.m_config.m_handsfreeVox, 0);
        EXPECT_FALSE(p.page.IsModified());
        EXPECT_TRUE(p.Checked(IDC_VOX_PHONE_DISABLE));
    });
}

TEST(BasicPageWine, PairsStoreWithTheirPolarity)
{
    WithPage([](Page& p) {
        p.Enter(0x4610, 1, 0);
        p.page.m_config.m_handsfreeVox = 0;
        p.Click(IDC_VOX_PHONE_ENABLE);
        EXPECT_EQ(p.page.m_config.m_settings[2] & 0x8000, 0x8000);
        EXPECT_EQ(p.page.m_config.m_handsfreeVox, 0);

        p.Enter(0x4D10, 4, 1);
        p.Click(IDC_VOX_PHONE_ENABLE);
        EXPECT_EQ(p.page.m_config.m_handsfreeVox, 1);
        EXPECT_TRUE(p.Checked(IDC_VOX_PHONE_ENABLE));
        EXPECT_FALSE(p.Checked(IDC_VOX_PHONE_DISABLE));
        p.Click(IDC_EDR_ENABLE);
        p.Click(IDC_HUSHGUARD_ENABLE);
        p.Click(IDC_AGC_ENABLE);
        p.Click(IDC_AUDIO_BOOST_ENABLE);
        EXPECT_EQ(p.page.m_config.m_edr, 0);
        EXPECT_EQ(p.page.m_config.m_hushguard, 0);
        EXPECT_EQ(p.page.m_config.m_autoGainControl, 0);
        EXPECT_EQ(p.page.m_config.m_settings[18], 0);
        p.Click(IDC_EDR_DISABLE);
        EXPECT_EQ(p.page.m_config.m_edr, 1);
        EXPECT_TRUE(p.Checked(IDC_EDR_DISABLE));

        p.Select(IDC_OVERLAY_COMBO, 0);
        EXPECT_EQ(p.page.m_config.GetOverlaySensitivity(), 10);
        p.Click(IDC_GAIN_HIGH);
        EXPECT_EQ(p.page.m_config.m_radioTransmitGain, 17);
    });
}

TEST(BasicPageWine, DefaultKeepsTheUnitWordAndTheGuardStopsClicks)
{
    WithPage([](Page& p) {
        p.main.m_device.m_settings[3] = 0x0142;
        p.Enter(0x3116, 1, 0);
        p.Click(IDC_SETTINGS_DEFAULT);
        EXPECT_EQ(p.page.m_config.m_settings[3], 0x0142);

        p.Enter(0x4D10, 4, 1);
        const int before = p.page.m_config.m_handsfreeVox;
        p.main.m_dropListOpen = 1;
        p.Click(before ? IDC_VOX_PHONE_DISABLE : IDC_VOX_PHONE_ENABLE);
        EXPECT_EQ(p.page.m_config.m_handsfreeVox, before);
        p.main.m_dropListOpen = 0;

        // A failed save sends CANCEL while still busy: the edits go anyway.
        p.Click(before ? IDC_VOX_PHONE_DISABLE : IDC_VOX_PHONE_ENABLE);
        ASSERT_NE(p.page.m_config.m_handsfreeVox, before);
        p.main.m_busy = 1;
        p.Click(IDC_SETTINGS_CANCEL);
        EXPECT_EQ(p.page.m_config.m_handsfreeVox, before);
        p.main.m_busy = 0;
    });
}

// ---------------------------------------------------------------- help and notice boxes

struct ShownBox {
    std::wstring text;
    SIZE size;
    bool offersEmail;
};

std::vector<std::wstring> g_opened;
void RecordOpen(const std::wstring& url)
{
    g_opened.push_back(url);
}

// Clicks a button of the page and returns the box it opened, ended with the given button.
ShownBox ClickAndReadBox(Page& p, int id, int endWith = IDOK)
{
    ShownBox shown{};
    boxwatch::OnEveryBox(p.main.m_hWnd, [&](HWND box) {
        shown.text = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
        shown.size = boxwatch::BoxSize(box);
        shown.offersEmail = ::IsWindowVisible(::GetDlgItem(box, IDCANCEL)) != FALSE;
        if (shown.text.find(L"Enhanced") != std::wstring::npos && shown.offersEmail)
            SaveWindowPicture(box, ScreenshotFolder() + L"/basic-help-box-edr.png");
        boxwatch::PressBoxButton(box, endWith);
    });
    p.Click(id);
    boxwatch::StopWatching();
    return shown;
}

TEST(BasicPageWine, HelpBoxesHaveTheirSizesAndOnlyTheEdrBoxOffersMail)
{
    WithPage([](Page& p) {
        p.Enter(0x4D10, 4, 1);
        struct Case {
            int button;
            int language;
            int width;
            int height;
        };
        const Case cases[] = {
            {IDC_PLC_HELP, 0, 510, 260},         {IDC_A2DP_HELP, 0, 520, 160},      {IDC_MIC_BOOST_HELP, 0, 510, 210},
            {IDC_MIC_BOOST_HELP, 4, 550, 250},   {IDC_MIC_BOOST_HELP, 2, 510, 210}, {IDC_SIDETONE_HELP, 0, 520, 160},
            {IDC_AUDIO_BOOST_HELP, 0, 520, 150}, {IDC_TIMEOUT_HELP, 0, 510, 220},
        };
        for (const Case& c : cases) {
            p.main.m_uiLanguage = c.language;
            const ShownBox shown = ClickAndReadBox(p, c.button);
            EXPECT_EQ(shown.size.cx, c.width) << c.button << " in " << c.language;
            EXPECT_EQ(shown.size.cy, c.height) << c.button << " in " << c.language;
            EXPECT_FALSE(shown.text.empty()) << c.button;
            EXPECT_FALSE(shown.offersEmail) << c.button;
            EXPECT_EQ(shown.text.find(L"%s"), std::wstring::npos) << c.button;
        }
        p.main.m_uiLanguage = 0;
        // The Audio Boost text names the setting in the language.
        EXPECT_NE(ClickAndReadBox(p, IDC_AUDIO_BOOST_HELP).text.find(L"Audio Boost"), std::wstring::npos);
        // A click while busy opens nothing.
        p.main.m_busy = 1;
        EXPECT_TRUE(ClickAndReadBox(p, IDC_PLC_HELP).text.empty());
        p.main.m_busy = 0;
    });
}

TEST(BasicPageWine, SendEmailInTheEdrBoxOpensOneMailLinkAndOkOpensNone)
{
    WithPage([](Page& p) {
        p.Enter(0x4D10, 4, 1);
        g_opened.clear();
        const ShellOpenFunction previous = SetShellOpenForTests(RecordOpen);
        const ShownBox ok = ClickAndReadBox(p, IDC_EDR_HELP, IDOK);
        EXPECT_TRUE(ok.offersEmail);
        EXPECT_EQ(ok.size.cx, 510);
        EXPECT_EQ(ok.size.cy, 200);
        EXPECT_TRUE(g_opened.empty());
        const ShownBox mail = ClickAndReadBox(p, IDC_EDR_HELP, IDCANCEL);
        SetShellOpenForTests(previous);
        ASSERT_EQ(g_opened.size(), 1u);
        EXPECT_EQ(g_opened[0].rfind(L"mailto:", 0), 0u);
        // The box names the address the link opens.
        EXPECT_NE(mail.text.find(g_opened[0].substr(7)), std::wstring::npos);
    });
}

TEST(BasicPageWine, TheNoticeButtonShowsThePageTitleAndTheWholeNote)
{
    WithPage([](Page& p) {
        p.Enter(0x4D10, 4, 1, 8);
        ASSERT_TRUE(p.Visible(IDC_NOTE_MORE));
        const std::wstring note = p.Text(IDC_RESTART_NOTE);
        const ShownBox shown = ClickAndReadBox(p, IDC_NOTE_MORE);
        EXPECT_EQ(shown.size.cx, 510);
        EXPECT_EQ(shown.size.cy, 160);
        EXPECT_EQ(shown.text.rfind(L"[", 0), 0u);
        EXPECT_NE(shown.text.find(L"]\n" + note), std::wstring::npos);
    });
}

TEST(BasicPageWine, DecliningToSaveWhenLeavingRestoresTheRecordAndShowsTheAskedPage)
{
    WithPage([](Page& p) {
        p.Enter(0x4D10, 4, 1);
        const int before = p.page.m_config.m_handsfreeVox;
        p.Click(before ? IDC_VOX_PHONE_DISABLE : IDC_VOX_PHONE_ENABLE);
        ASSERT_NE(p.page.m_config.m_handsfreeVox, before);
        std::wstring question;
        boxwatch::OnEveryBox(p.main.m_hWnd, [&](HWND box) {
            question = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
            boxwatch::PressBoxButton(box, IDCANCEL);
        });
        p.main.GoToPage(1);
        boxwatch::StopWatching();
        EXPECT_FALSE(question.empty());
        EXPECT_EQ(p.page.m_config.m_handsfreeVox, before);
        EXPECT_EQ(p.main.m_page, 1);
        EXPECT_EQ(p.page.m_writeCalls, 0);
    });
}

} // namespace
