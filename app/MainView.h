#pragma once
// What the main window's frame shows for its state, decided before any window
// is touched: the road between the pages and, for RefreshView, each frame
// control's enabled and visible state, the captions and the pressed page button.

#include "shell/ManagerState.h"

// The state the frame reads: the main window's own members and what the
// pages report (image path, settings changes, the restore page's categories).
struct FrameFacts {
    int page = 0;
    int recognized = 0;
    int usbStatus = 0;
    int modelCode = 0;
    int busy = 0;
    int dropListOpen = 0;
    int progress = -1;
    // The recognised unit's settings categories (1 Basic, 2 Speed Dial, 3 FM Radio).
    int settingsPageCount = 0;
    int settingsPages[3] = {0, 0, 0};
    int settingsPageIndex = 0;
    // The categories of the restore page's archive, and whether a restore can start.
    int restoreArchiveReady = 0;
    int restorePageCount = 0;
    int restorePages[3] = {0, 0, 0};
    int restorePageIndex = 0;
    bool updateImagePathEmpty = true;
    bool settingsModified = false;
};

// ---------------------------------------------------------------- the road

// A unit answering in firmware management mode (its USB product id is 0x8000 or more).
bool IsDfuMode(int usbStatus);
// Products without settings pages: their road ends after the firmware pages.
bool HasNoSettingsPages(int productId);
// The product whose only settings are the speed-dial numbers.
constexpr int kSpeedDialOnlyProduct = 0x4111;
// NEXT on page 1 targets this product.
constexpr int kDefaultTargetProduct = 0x4D10;

// Settings page of a category: 1 page 5, 2 page 7, anything else page 6.
int SettingsPageOfCategory(int category);
// CategoryOfSettingsPage (shell/ManagerState.h) maps the other way.

// The settings page that a switch to target leaves, and so must ask about; 0
// when the current page is no settings page or is the target itself.
int LeavingSettingsPage(int current, int target);

// Where a switch to target really goes: the start page without a target
// product, the recognition page for a firmware or settings page without a
// recognised unit, else target itself.
int ResolvePageSwitch(int target, int modelCode, int recognized);

// The settings page the DEVICE SETTING button opens; 0 for none.
int DeviceSettingPage(int modelCode);

enum class NextAction { None, RecognitionPage, Recognize, StartPage, SettingsPage, SpeedDialPage };
NextAction NextButtonAction(int page, int usbStatus, int modelCode);

// The page BACK shows; 0 for none.
int BackButtonPage(int page);

// The category index a button of the strip selects when the list holds exactly
// two categories: 1025 selects the first while the second shows, 1027 the
// second. -1 when the press changes nothing.
int TwoCategorySwitch(bool firstButton, int count, int index);

// ---------------------------------------------------------------- the view

enum FrameControl {
    kControlAbout,          // 1006
    kControlClose,          // 1
    kControlInformation,    // 1015
    kControlHome,           // 1007
    kControlRecognition,    // 1008
    kControlUpdate,         // 1009
    kControlRestore,        // 1010
    kControlSetting,        // 1011
    kControlBack,           // 1017
    kControlBackToUpdate,   // 1020
    kControlApply,          // 1019
    kControlNext,           // 1018
    kControlForwardRestore, // 1024
    kControlFirstCategory,  // 1025
    kControlCategoryList,   // 1027
    kControlCategoryDrop,   // 1171
    kControlProgress,       // 1021
    kControlPercentSign,    // 1022
    kControlPercentNumber,  // 1023
    kControlUpdateGuide,    // 1207 on the update page
    kFrameControlCount
};

// A refresh leaves a control as it is unless it says otherwise.
enum class Set { Keep, On, Off };

enum class NextCaption { Next, NewDevice };
enum class ApplyCaption { Keep, Update, Restore, Save };
// Which category list the strip's captions come from.
enum class CategorySource { None, Settings, Restore };

struct FrameView {
    Set enabled[kFrameControlCount] = {};
    Set visible[kFrameControlCount] = {};
    NextCaption next = NextCaption::Next;
    ApplyCaption apply = ApplyCaption::Keep;
    // Page button shown pressed: 0 WELCOME .. 4 DEVICE SETTING; -1 none.
    int pressedPageButton = -1;
    CategorySource categories = CategorySource::None;
    // Progress shown, or -1 when the display keeps hidden.
    int progress = -1;
};

FrameView ComputeFrameView(const FrameFacts& facts);
