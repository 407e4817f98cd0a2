#include "app/MainView.h"

#include <algorithm>
#include <initializer_list>

namespace {

const int kDfuModeFrom = 0x8000;
const std::initializer_list<int> kNoSettingsProducts = {0x5310, 0x5320, 0x5330, 0x3500, 0x3010, 0x3020, 0x5345};

bool IsSettingsPage(int page)
{
    return page >= 5 && page <= 7;
}

class ViewBuilder {
public:
    explicit ViewBuilder(FrameView& view) : m_view(view) {}

    void Enable(std::initializer_list<FrameControl> controls, bool on = true)
    {
        for (FrameControl c : controls)
            m_view.enabled[c] = on ? Set::On : Set::Off;
    }
    void Disable(std::initializer_list<FrameControl> controls) { Enable(controls, false); }
    void Show(std::initializer_list<FrameControl> controls, bool on = true)
    {
        for (FrameControl c : controls)
            m_view.visible[c] = on ? Set::On : Set::Off;
    }
    void Hide(std::initializer_list<FrameControl> controls) { Show(controls, false); }
    void DisableAndHide(std::initializer_list<FrameControl> controls)
    {
        Disable(controls);
        Hide(controls);
    }
    void EnableAndShow(std::initializer_list<FrameControl> controls)
    {
        Enable(controls);
        Show(controls);
    }

    // The category tabs of a list of two or three: with two the one not
    // shown takes the press; with three 1027 opens the drop list.
    void CategoryTabs(int count, int index, int dropListOpen)
    {
        if (count == 2) {
            Enable({index == 0 ? kControlCategoryList : kControlFirstCategory});
            Show({kControlFirstCategory, kControlCategoryList});
        } else if (count == 3) {
            Enable({kControlCategoryList});
            Show({kControlFirstCategory, kControlCategoryList});
            if (dropListOpen)
                EnableAndShow({kControlCategoryDrop});
        }
    }

private:
    FrameView& m_view;
};

} // namespace

bool IsDfuMode(int usbStatus)
{
    return usbStatus >= kDfuModeFrom;
}

bool HasNoSettingsPages(int productId)
{
    return std::find(kNoSettingsProducts.begin(), kNoSettingsProducts.end(), productId) != kNoSettingsProducts.end();
}

int SettingsPageOfCategory(int category)
{
    switch (category) {
    case 1: return 5;
    case 2: return 7;
    default: return 6;
    }
}

int LeavingSettingsPage(int current, int target)
{
    return (IsSettingsPage(current) && current != target) ? current : 0;
}

int ResolvePageSwitch(int target, int modelCode, int recognized)
{
    if (target != 1 && modelCode == 0)
        return 1;
    if (target >= 3 && target <= 7 && !recognized)
        return 2;
    return target;
}

int DeviceSettingPage(int modelCode)
{
    if (HasNoSettingsPages(modelCode))
        return 0;
    return modelCode == kSpeedDialOnlyProduct ? 7 : 5;
}

NextAction NextButtonAction(int page, int usbStatus, int modelCode)
{
    switch (page) {
    case 1: return NextAction::RecognitionPage;
    case 2: return NextAction::Recognize;
    case 3:
    case 4:
        if (IsDfuMode(usbStatus) || HasNoSettingsPages(modelCode))
            return NextAction::StartPage;
        return modelCode == kSpeedDialOnlyProduct ? NextAction::SpeedDialPage : NextAction::SettingsPage;
    case 5:
    case 6:
    case 7: return NextAction::StartPage;
    default: return NextAction::None;
    }
}

int BackButtonPage(int page)
{
    switch (page) {
    case 2: return 1;
    case 3:
    case 4: return 2;
    case 5:
    case 6:
    case 7: return 3;
    default: return 0;
    }
}

int TwoCategorySwitch(bool firstButton, int count, int index)
{
    if (count != 2)
        return -1;
    if (firstButton)
        return index == 1 ? 0 : -1;
    return 1;
}

FrameView ComputeFrameView(const FrameFacts& facts)
{
    FrameView view;
    ViewBuilder b(view);
    const int page = facts.page;
    const bool endOfRoad = IsDfuMode(facts.usbStatus) || HasNoSettingsPages(facts.modelCode);

    if (page == 4)
        view.categories = CategorySource::Restore;
    else if (IsSettingsPage(page))
        view.categories = CategorySource::Settings;

    b.DisableAndHide({kControlFirstCategory, kControlCategoryList, kControlCategoryDrop});

    if (page == 1 || page == 2)
        view.next = NextCaption::Next;
    else if (page == 3 || page == 4)
        view.next = endOfRoad ? NextCaption::NewDevice : NextCaption::Next;
    else if (IsSettingsPage(page))
        view.next = NextCaption::NewDevice;
    if (page >= 1 && page <= 4)
        view.pressedPageButton = page - 1;
    else if (IsSettingsPage(page))
        view.pressedPageButton = 4;

    if (facts.busy) {
        b.Disable({kControlAbout, kControlClose, kControlInformation, kControlHome, kControlRecognition, kControlUpdate,
                   kControlRestore, kControlSetting, kControlBack, kControlBackToUpdate, kControlApply, kControlNext,
                   kControlForwardRestore});
    } else {
        b.Enable({kControlAbout, kControlClose});
        b.DisableAndHide({kControlInformation});
        b.Enable({kControlHome, kControlRecognition, kControlUpdate, kControlRestore, kControlSetting, kControlBack,
                  kControlBackToUpdate});
        b.EnableAndShow({kControlApply});
        b.Enable({kControlNext, kControlForwardRestore});
        b.Hide({kControlProgress, kControlPercentSign, kControlPercentNumber});
        b.Show({kControlUpdateGuide});
        switch (page) {
        case 1:
            b.Disable({kControlRecognition, kControlUpdate, kControlRestore, kControlSetting, kControlBack});
            b.DisableAndHide({kControlApply, kControlBackToUpdate, kControlForwardRestore});
            break;
        case 2:
            b.Enable({kControlUpdate, kControlRestore, kControlSetting}, facts.recognized != 0);
            b.DisableAndHide({kControlApply, kControlBackToUpdate, kControlForwardRestore});
            break;
        case 3:
        case 4:
            view.apply = page == 3 ? ApplyCaption::Update : ApplyCaption::Restore;
            if (endOfRoad)
                b.Disable({kControlSetting});
            if (page == 3) {
                b.DisableAndHide({kControlBackToUpdate});
                b.EnableAndShow({kControlForwardRestore});
                if (facts.updateImagePathEmpty)
                    b.Disable({kControlApply});
            } else {
                b.EnableAndShow({kControlBackToUpdate});
                b.DisableAndHide({kControlForwardRestore});
                b.Enable({kControlApply}, facts.restoreArchiveReady != 0);
                if (facts.restoreArchiveReady)
                    b.CategoryTabs(facts.restorePageCount, facts.restorePageIndex, facts.dropListOpen);
            }
            break;
        case 5:
        case 6:
        case 7:
            view.apply = ApplyCaption::Save;
            b.DisableAndHide({kControlBackToUpdate, kControlForwardRestore});
            if (!facts.settingsModified)
                b.Disable({kControlApply});
            b.CategoryTabs(facts.settingsPageCount, facts.settingsPageIndex, facts.dropListOpen);
            break;
        default: break;
        }
    }

    if (facts.progress >= 0) {
        view.progress = facts.progress;
        b.Show({kControlProgress, kControlPercentSign, kControlPercentNumber});
        b.Hide({kControlUpdateGuide});
    }
    return view;
}
