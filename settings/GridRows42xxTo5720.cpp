// Grid rows of the models with the classic option layout (none), of 0x4210, 0x4310, 0x4350,
// 0x4330, 0x4510, 0x4530, 0x4610, 0x2030, 0x4410, 0x4430 (bits of the flag word 2) and of
// 0x5520, 0x5526, 0x5720 (option ints and whole settings words). Groups in chain order.

#include "settings/GridRowGroups.h"

// clang-format off

// --- Models with the classic option layout: no grid rows at any firmware ---------------------

const GridRowList kGridNoRows = {"no rows", nullptr, 0};

namespace {
const int kClassicIds[] = {
    0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D21, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050,
    0x4D75, 0x5011, 0x5020, 0x5070, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4110, 0x4111, 0x4120,
    0x6420, 0x6430, 0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x4020, 0x4021, 0x2310, 0x2010,
    0x2011, 0x2110, 0x2210, 0x4030, 0x4010, 0x5210,
};
} // namespace

const GridRowGroup kGridClassic = {"classic option layout", GridProducts(kClassicIds), 0, {}, {{&kGridNoRows}}};

// --- 0x4210: flag word, "Navigation App Support" for bit 9 -----------------------------------

namespace {
const int k4210Ids[] = {0x4210};

const GridRow k4210Below1_1[] = {
    {0, kVoxPhoneFlag},
    {1, kSidetoneFlag},
    {2, kDualstreamFlag},
    {3, kOverlaySensitivityTenLevels,   kNeedsDualstreamOn},
};
const GridRowList kList4210Below1_1 = MakeGridRowList("0x4210 below 1.1", k4210Below1_1);

const GridRow k4210From1_1[] = {
    {0, kVoxPhoneFlag},
    {1, kSidetoneFlag},
    {2, kMotionSensorSensitivity},
    {3, kDualstreamFlag},
    {4, kOverlaySensitivityTenLevels,   kNeedsDualstreamOn},
    {5, kNavigationAppSupportFlag,      kNeedsDualstreamOn},
};
const GridRowList kList4210From1_1 = MakeGridRowList("0x4210 1.1 to below 1.2", k4210From1_1);

const GridRow k4210From1_2[] = {
    {0,  kDualstreamFlag},
    {1,  kOverlaySensitivityTenLevels,  kNeedsDualstreamOn},
    {2,  kNavigationAppSupportFlag,     kNeedsDualstreamOn},
    {3,  kAudioBoostFlag},
    {4,  kMotionSensorSensitivity},
    {5,  kVoxPhoneFlag},
    {6,  kHdIntercomFlag},
    {7,  kEightWayIntercomFlag},
    {8,  kVoicePromptFlag},
    {9,  kSidetoneFlag},
    {10, kHushguardFlag},
};
const GridRowList kList4210From1_2 = MakeGridRowList("0x4210 1.2 to below 1.5", k4210From1_2);

const GridRow k4210From1_5[] = {
    {0,  kDualstreamFlag},
    {1,  kOverlaySensitivityTenLevels,  kNeedsDualstreamOn},
    {2,  kNavigationAppSupportFlag,     kNeedsDualstreamOn},
    {3,  kAudioBoostFlag},
    {4,  kSmartVolumeControlFlagBits},
    {5,  kMotionSensorSensitivity},
    {6,  kVoxPhoneFlag},
    {7,  kHdIntercomFlag},
    {8,  kEightWayIntercomFlag},
    {9,  kVoicePromptFlag},
    {10, kFmStationGuideFlag},
    {11, kSidetoneFlag},
    {12, kHushguardFlag},
};
const GridRowList kList4210From1_5 = MakeGridRowList("0x4210 1.5 and later", k4210From1_5);
} // namespace

const GridRowGroup kGrid4210 = {"0x4210", GridProducts(k4210Ids), 3, {{1, 1}, {1, 2}, {1, 5}},
                                {{&kList4210Below1_1, 0, nullptr, kRefreshOutsideList}, {&kList4210From1_1, 0, nullptr, kRefreshOutsideList},
                                 {&kList4210From1_2, 0, nullptr, kRefreshOutsideList}, {&kList4210From1_5, 0, nullptr, kRefreshOutsideList}}};

// --- 0x4310, 0x4350, 0x4330, 0x4510, 0x4530, 0x4610, 0x2030: one 13-row list, any firmware ---

namespace {
const int k4310Ids[] = {0x4310, 0x4350, 0x4330};
const int k4510Ids[] = {0x4510};
const int k4530Ids[] = {0x4530};
const int k4610Ids[] = {0x4610};
const int k2030Ids[] = {0x2030};

const GridRow kFlagWordRows[] = {
    {0,  kDualstreamFlag},
    {1,  kOverlaySensitivityTenLevels,   kNeedsDualstreamOn},
    {2,  kLayertoneVolumeManagementFlag, kNeedsDualstreamOn},
    {3,  kAudioBoostFlag},
    {4,  kSmartVolumeControlFlagBits},
    {5,  kVoxPhoneFlag},
    {6,  kHdIntercomFlag},
    {7,  kEightWayIntercomFlag},
    {8,  kVoicePromptFlag},
    {9,  kFmStationGuideFlag},
    {10, kSidetoneFlag},
    {11, kHushguardFlag},
    {12, kVoiceCommandFlag},
};
const GridRowList kListFlagWord = MakeGridRowList("flag-word list of 0x4310 to 0x2030", kFlagWordRows);
} // namespace

const GridRowGroup kGrid4310 = {"0x4310, 0x4350, 0x4330", GridProducts(k4310Ids), 0, {}, {{&kListFlagWord, 0, nullptr, kRefreshOutsideList}}};
const GridRowGroup kGrid4510 = {"0x4510", GridProducts(k4510Ids), 0, {}, {{&kListFlagWord, 0, nullptr, kRefreshOutsideList}}};
const GridRowGroup kGrid4530 = {"0x4530", GridProducts(k4530Ids), 0, {}, {{&kListFlagWord, 0, nullptr, kRefreshOutsideList}}};
const GridRowGroup kGrid4610 = {"0x4610", GridProducts(k4610Ids), 0, {}, {{&kListFlagWord, 0, nullptr, kRefreshOutsideList}}};
const GridRowGroup kGrid2030 = {"0x2030", GridProducts(k2030Ids), 0, {}, {{&kListFlagWord, 0, nullptr, kRefreshOutsideList}}};

// --- 0x4410, 0x4430: the list above without "VOX Phone", any firmware -------------------------

namespace {
const int k4410Ids[] = {0x4410, 0x4430};

const GridRow k4410Rows[] = {
    {0,  kDualstreamFlag},
    {1,  kOverlaySensitivityTenLevels,   kNeedsDualstreamOn},
    {2,  kLayertoneVolumeManagementFlag, kNeedsDualstreamOn},
    {3,  kAudioBoostFlag},
    {4,  kSmartVolumeControlFlagBits},
    {5,  kHdIntercomFlag},
    {6,  kEightWayIntercomFlag},
    {7,  kVoicePromptFlag},
    {8,  kFmStationGuideFlag},
    {9,  kSidetoneFlag},
    {10, kHushguardFlag},
    {11, kVoiceCommandFlag},
};
const GridRowList kList4410 = MakeGridRowList("0x4410, 0x4430", k4410Rows);
} // namespace

const GridRowGroup kGrid4410 = {"0x4410, 0x4430", GridProducts(k4410Ids), 0, {}, {{&kList4410, 0, nullptr, kRefreshOutsideList}}};

// --- 0x5520: option ints and whole settings words ---------------------------------------------

namespace {
const int k5520Ids[] = {0x5520};

const GridRow k5520Below1_1[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kVoxSensitivityLevels},
    {4, kVoicePromptOption},
    {5, kHighQualityA2dpOption},
    {6, kSidetoneOption},
    {7, kHushguardOption},
};
const GridRowList kList5520Below1_1 = MakeGridRowList("0x5520 below 1.1", k5520Below1_1);

const GridRow k5520From1_1[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoxSensitivityLevels},
    {5, kVoicePromptOption},
    {6, kHighQualityA2dpOption},
    {7, kSidetoneOption},
    {8, kHushguardOption},
};
const GridRowList kList5520From1_1 = MakeGridRowList("0x5520 1.1 to below 1.3", k5520From1_1);

const GridRow k5520From1_3[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoxSensitivityLevels},
    {5, kVoicePromptOption},
    {6, kFmStationGuideWord20},
    {7, kHighQualityA2dpOption},
    {8, kSidetoneOption},
    {9, kHushguardOption},
};
const GridRowList kList5520From1_3 = MakeGridRowList("the 10-row list of 0x5520 for 1.3 to below 2.0", k5520From1_3);

const GridRow k5520From2_0[] = {
    {0,  kAudioBoostWord18},
    {1,  kVoxPhoneOption},
    {2,  kVoxIntercomOption},
    {3,  kDualstreamWord23},
    {4,  kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {5,  kHdVoiceWord21,             kNeedsDualstreamOff},
    {6,  kHdIntercomWord19,          kNeedsDualstreamOff},
    {7,  kVoxSensitivityLevels},
    {8,  kVoicePromptOption},
    {9,  kFmStationGuideWord20},
    {10, kSidetoneOption},
    {11, kHushguardOption},
};
const GridRowList kList5520From2_0 = MakeGridRowList("the 12-row list of 0x5520 for 2.0 and later", k5520From2_0);

const int k5526Ids[] = {0x5526};
const int k5720Ids[] = {0x5720};
} // namespace

const GridRowGroup kGrid5520 = {"0x5520", GridProducts(k5520Ids), 3, {{1, 1}, {1, 3}, {2, 0}},
                                {{&kList5520Below1_1, 0, nullptr, kRefreshOutsideList}, {&kList5520From1_1, 0, nullptr, kRefreshOutsideList},
                                 {&kList5520From1_3, 0, nullptr, kRefreshOutsideList}, {&kList5520From2_0, 0, nullptr, kRefreshOutsideList}}};

// 0x5526: below 2.0 the 10-row list of 0x5520 for 1.3 to below 2.0, then its 12-row list.
const GridRowGroup kGrid5526 = {"0x5526", GridProducts(k5526Ids), 1, {{2, 0}}, {{&kList5520From1_3, 0, nullptr, kRefreshOutsideList}, {&kList5520From2_0, 0, nullptr, kRefreshOutsideList}}};

// 0x5720, any firmware: the 10-row list of 0x5520 for 1.3 to below 2.0.
const GridRowGroup kGrid5720 = {"0x5720", GridProducts(k5720Ids), 0, {}, {{&kList5520From1_3, 0, nullptr, kRefreshOutsideList}}};

// clang-format on
