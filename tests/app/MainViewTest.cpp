// The frame's road between the pages and RefreshView's matrix, as tables.

#include "app/MainView.h"

#include <gtest/gtest.h>

#include <string>

namespace {

FrameFacts Facts(int page, int model = 0x4D10)
{
    FrameFacts f;
    f.page = page;
    f.modelCode = model;
    f.usbStatus = page >= 3 ? model : 0;
    f.recognized = page >= 3 ? 1 : 0;
    return f;
}

std::string Looks(const Set (&sets)[kFrameControlCount])
{
    std::string text;
    for (int i = 0; i < kFrameControlCount; ++i) {
        if (i > 0 && i % 5 == 0)
            text += ' ';
        text += sets[i] == Set::On ? '+' : sets[i] == Set::Off ? '-' : '.';
    }
    return text;
}

// Controls, five to a group: About, Close, Information, WELCOME, RECOGNITION |
// UPDATE, RESTORE, SETTING, BACK, back to UPDATE | APPLY, NEXT, on to RESTORE,
// 1025, 1027 | list 1171, progress bar, "%", number, the update page's guide.
// "+" enabled or shown, "-" disabled or hidden, "." left as it was.
// The table is aligned by hand, to be read as one table.
// clang-format off
TEST(MainView, RefreshMatrixByPageAndState)
{
    struct Case {
        const char* name;
        FrameFacts facts;
        const char* enabled;
        const char* visible;
        int pressed;
        NextCaption next;
        ApplyCaption apply;
    };
    auto with = [](FrameFacts f, auto change) { change(f); return f; };
    const Case cases[] = {
        {"page 1", Facts(1),
         "++-+- ----- -+--- -....", "..-.. ....- -.--- ----+", 0, NextCaption::Next, ApplyCaption::Keep},
        {"page 2, no unit", Facts(2),
         "++-++ ---+- -+--- -....", "..-.. ....- -.--- ----+", 1, NextCaption::Next, ApplyCaption::Keep},
        {"page 2, unit", with(Facts(2), [](FrameFacts& f) { f.recognized = 1; }),
         "++-++ ++++- -+--- -....", "..-.. ....- -.--- ----+", 1, NextCaption::Next, ApplyCaption::Keep},
        {"page 3, no image", Facts(3),
         "++-++ ++++- -++-- -....", "..-.. ....- +.+-- ----+", 2, NextCaption::Next, ApplyCaption::Update},
        {"page 3, DFU mode", with(Facts(3, 0x2010), [](FrameFacts& f) { f.usbStatus = 0xA010; f.updateImagePathEmpty = false; }),
         "++-++ ++-+- +++-- -....", "..-.. ....- +.+-- ----+", 2, NextCaption::NewDevice, ApplyCaption::Update},
        {"page 3, no-settings product", with(Facts(3, 0x5345), [](FrameFacts& f) { f.updateImagePathEmpty = false; }),
         "++-++ ++-+- +++-- -....", "..-.. ....- +.+-- ----+", 2, NextCaption::NewDevice, ApplyCaption::Update},
        {"page 4, archive not ready", with(Facts(4), [](FrameFacts& f) { f.restorePageCount = 2; }),
         "++-++ +++++ -+--- -....", "..-.. ....+ +.--- ----+", 3, NextCaption::Next, ApplyCaption::Restore},
        {"page 4, 2 categories", with(Facts(4), [](FrameFacts& f) { f.restoreArchiveReady = 1; f.restorePageCount = 2; }),
         "++-++ +++++ ++--+ -....", "..-.. ....+ +.-++ ----+", 3, NextCaption::Next, ApplyCaption::Restore},
        {"page 4, 3 categories, list open",
         with(Facts(4), [](FrameFacts& f) { f.restoreArchiveReady = 1; f.restorePageCount = 3; f.restorePageIndex = 1; f.dropListOpen = 1; }),
         "++-++ +++++ ++--+ +....", "..-.. ....+ +.-++ +---+", 3, NextCaption::Next, ApplyCaption::Restore},
        {"page 5, changed, 2 categories on the second",
         with(Facts(5), [](FrameFacts& f) { f.settingsModified = true; f.settingsPageCount = 2; f.settingsPageIndex = 1; }),
         "++-++ ++++- ++-+- -....", "..-.. ....- +.-++ ----+", 4, NextCaption::NewDevice, ApplyCaption::Save},
        {"page 6, unchanged, 3 categories", with(Facts(6), [](FrameFacts& f) { f.settingsPageCount = 3; }),
         "++-++ ++++- -+--+ -....", "..-.. ....- +.-++ ----+", 4, NextCaption::NewDevice, ApplyCaption::Save},
        {"page 7, changed, 1 category", with(Facts(7), [](FrameFacts& f) { f.settingsModified = true; f.settingsPageCount = 1; }),
         "++-++ ++++- ++--- -....", "..-.. ....- +.--- ----+", 4, NextCaption::NewDevice, ApplyCaption::Save},
        {"page 3 busy at 40 %", with(Facts(3), [](FrameFacts& f) { f.busy = 1; f.progress = 40; }),
         "----- ----- ----- -....", "..... ..... ...-- -+++-", 2, NextCaption::Next, ApplyCaption::Keep},
        {"page 5 busy, 3 categories, list open",
         with(Facts(5), [](FrameFacts& f) { f.busy = 1; f.settingsPageCount = 3; f.dropListOpen = 1; }),
         "----- ----- ----- -....", "..... ..... ...-- -....", 4, NextCaption::NewDevice, ApplyCaption::Keep},
        {"page 3 idle at 0 %", with(Facts(3), [](FrameFacts& f) { f.progress = 0; }),
         "++-++ ++++- -++-- -....", "..-.. ....- +.+-- -+++-", 2, NextCaption::Next, ApplyCaption::Update},
        {"before the first page", Facts(0),
         "++-++ +++++ +++-- -....", "..-.. ..... +..-- ----+", -1, NextCaption::Next, ApplyCaption::Keep},
    };
    for (const Case& c : cases) {
        const FrameView view = ComputeFrameView(c.facts);
        EXPECT_EQ(c.enabled, Looks(view.enabled)) << c.name;
        EXPECT_EQ(c.visible, Looks(view.visible)) << c.name;
        EXPECT_EQ(c.pressed, view.pressedPageButton) << c.name;
        EXPECT_EQ(c.next, view.next) << c.name;
        EXPECT_EQ(c.apply, view.apply) << c.name;
        EXPECT_EQ(c.facts.progress, view.progress) << c.name;
    }
}

TEST(MainView, SwitchesAskAboutTheSettingsPageLeftAndRedirectWithoutATargetOrAUnit)
{
    struct Leave { int current; int target; int asks; } leaves[] = {
        {5, 6, 5}, {5, 7, 5}, {6, 5, 6}, {7, 1, 7}, {6, 6, 0}, {5, 5, 0}, {3, 5, 0}, {0, 1, 0},
    };
    for (const Leave& l : leaves)
        EXPECT_EQ(l.asks, LeavingSettingsPage(l.current, l.target)) << l.current << " to " << l.target;

    struct Resolve { int target; int model; int recognized; int lands; } resolves[] = {
        {1, 0,      0, 1}, {2, 0,      0, 1}, {3, 0,      1, 1}, {2, 0x4D10, 0, 2}, {3, 0x4D10, 0, 2},
        {7, 0x4D10, 0, 2}, {3, 0x4D10, 1, 3}, {6, 0x4D10, 1, 6}, {2, 0x4D10, 1, 2},
    };
    for (const Resolve& r : resolves)
        EXPECT_EQ(r.lands, ResolvePageSwitch(r.target, r.model, r.recognized)) << r.target << " " << r.model;
}

TEST(MainView, FrameButtonsFollowTheRoad)
{
    struct Next { int page; int usb; int model; NextAction action; } nexts[] = {
        {1, 0,      0,      NextAction::RecognitionPage},
        {2, 0,      0x4D10, NextAction::Recognize},
        {3, 0x4D10, 0x4D10, NextAction::SettingsPage},
        {4, 0x4111, 0x4111, NextAction::SpeedDialPage},
        {3, 0xA010, 0x2010, NextAction::StartPage},
        {4, 0x5345, 0x5345, NextAction::StartPage},
        {3, 0x3020, 0x3020, NextAction::StartPage},
        {5, 0x4D10, 0x4D10, NextAction::StartPage},
        {7, 0x4D10, 0x4D10, NextAction::StartPage},
        {0, 0,      0,      NextAction::None},
    };
    for (const Next& n : nexts)
        EXPECT_EQ(n.action, NextButtonAction(n.page, n.usb, n.model)) << n.page << " " << std::hex << n.model;

    const int back[] = {0, 0, 1, 2, 2, 3, 3, 3, 0};
    for (int page = 0; page <= 8; ++page)
        EXPECT_EQ(back[page], BackButtonPage(page)) << page;

    EXPECT_EQ(0, DeviceSettingPage(0x5345));
    EXPECT_EQ(0, DeviceSettingPage(0x3010));
    EXPECT_EQ(7, DeviceSettingPage(0x4111));
    EXPECT_EQ(5, DeviceSettingPage(0x4D10));

    EXPECT_EQ(5, SettingsPageOfCategory(1));
    EXPECT_EQ(7, SettingsPageOfCategory(2));
    EXPECT_EQ(6, SettingsPageOfCategory(3));
    EXPECT_EQ(6, SettingsPageOfCategory(9));
    for (int page = 5; page <= 7; ++page)
        EXPECT_EQ(page, SettingsPageOfCategory(CategoryOfSettingsPage(page)));
    EXPECT_EQ(0, CategoryOfSettingsPage(4));

    // Two categories: a two-way switch; any other count: nothing.
    EXPECT_EQ(0, TwoCategorySwitch(true, 2, 1));
    EXPECT_EQ(-1, TwoCategorySwitch(true, 2, 0));
    EXPECT_EQ(1, TwoCategorySwitch(false, 2, 0));
    EXPECT_EQ(-1, TwoCategorySwitch(false, 3, 0));
    EXPECT_EQ(-1, TwoCategorySwitch(true, 1, 1));
}
// clang-format on

} // namespace
