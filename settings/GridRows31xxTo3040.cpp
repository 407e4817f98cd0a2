// Grid rows of 0x3110, 0x3112, 0x3114, 0x3124, 0x3126, 0x3116, 0x3118 (bits of settings words
// 0 and 1, lists A to E) and of 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030,
// 0x3050, 0x3060, 0x3040 (option ints and whole settings words). Groups in chain order.

#include "settings/GridRowGroups.h"

// clang-format off

// --- Lists A to E of the 0x31xx models ----------------------------------------------------

namespace {
const GridRow kListARows[] = {
    {0,  kAudioBoostWord0Bit10},
    {1,  kVoxPhoneWord0Bit0},
    {2,  kVoxIntercomWord0Bit1},
    {3,  kHdIntercomWord0Bit11},
    {4,  kVoicePromptWord0Bit3},
    {5,  kHighQualityA2dpWord0Bit5},
    {6,  kSidetoneWord0Bit8},
    {7,  kHushguardWord0Bit9},
    {8,  kFmStationGuideWord0Bit12},
    {9,  kGuestModeWord0Bit15},
    {10, kVoxSensitivityPacked},
    {11, kSmartVolumeControlPacked},
    {12, kLayertoneVolumeManagementWord1Bit6},
    {13, kOverlaySensitivityPacked},
    {14, kVoiceCommandWord1Bit10},
};
const GridRowList kListA = MakeGridRowList("list A", kListARows);

const GridRow kListBRows[] = {
    {0,  kAudioBoostWord0Bit10},
    {1,  kVoxPhoneWord0Bit0},
    {2,  kVoxIntercomWord0Bit1},
    {3,  kBluetoothIntercomDualstreamWord1Bit11},
    {4,  kHdIntercomWord0Bit11,                kNeedsBluetoothIntercomDualstreamOff},
    {5,  kVoicePromptWord0Bit3},
    {6,  kHighQualityA2dpWord0Bit5},
    {7,  kSidetoneWord0Bit8},
    {8,  kHushguardWord0Bit9},
    {9,  kFmStationGuideWord0Bit12},
    {10, kGuestModeWord0Bit15},
    {11, kVoxSensitivityPacked},
    {12, kSmartVolumeControlPacked},
    {13, kLayertoneVolumeManagementWord1Bit6},
    {14, kOverlaySensitivityPacked},
    {15, kVoiceCommandWord1Bit10},
};
const GridRowList kListB = MakeGridRowList("list B", kListBRows);

// "Unit Language", then the 16 rows of list B.
const GridRow kListCRows[] = {
    {0,  kUnitLanguage},
    {1,  kAudioBoostWord0Bit10},
    {2,  kVoxPhoneWord0Bit0},
    {3,  kVoxIntercomWord0Bit1},
    {4,  kBluetoothIntercomDualstreamWord1Bit11},
    {5,  kHdIntercomWord0Bit11,                kNeedsBluetoothIntercomDualstreamOff},
    {6,  kVoicePromptWord0Bit3},
    {7,  kHighQualityA2dpWord0Bit5},
    {8,  kSidetoneWord0Bit8},
    {9,  kHushguardWord0Bit9},
    {10, kFmStationGuideWord0Bit12},
    {11, kGuestModeWord0Bit15},
    {12, kVoxSensitivityPacked},
    {13, kSmartVolumeControlPacked},
    {14, kLayertoneVolumeManagementWord1Bit6},
    {15, kOverlaySensitivityPacked},
    {16, kVoiceCommandWord1Bit10},
};
const GridRowList kListC = MakeGridRowList("list C", kListCRows);

// The 17 rows of list C, then "Channel Select".
const GridRow kListDRows[] = {
    {0,  kUnitLanguage},
    {1,  kAudioBoostWord0Bit10},
    {2,  kVoxPhoneWord0Bit0},
    {3,  kVoxIntercomWord0Bit1},
    {4,  kBluetoothIntercomDualstreamWord1Bit11},
    {5,  kHdIntercomWord0Bit11,                kNeedsBluetoothIntercomDualstreamOff},
    {6,  kVoicePromptWord0Bit3},
    {7,  kHighQualityA2dpWord0Bit5},
    {8,  kSidetoneWord0Bit8},
    {9,  kHushguardWord0Bit9},
    {10, kFmStationGuideWord0Bit12},
    {11, kGuestModeWord0Bit15},
    {12, kVoxSensitivityPacked},
    {13, kSmartVolumeControlPacked},
    {14, kLayertoneVolumeManagementWord1Bit6},
    {15, kOverlaySensitivityPacked},
    {16, kVoiceCommandWord1Bit10},
    {17, kChannelSelect},
};
const GridRowList kListD = MakeGridRowList("list D", kListDRows);

// "HD Intercom" is never greyed here.
const GridRow kListERows[] = {
    {0, kUnitLanguage},
    {1, kAudioBoostWord0Bit10},
    {2, kVoxPhoneWord0Bit0},
    {3, kHdIntercomWord0Bit11},
    {4, kVoicePromptWord0Bit3},
    {5, kHushguardWord0Bit9},
    {6, kFmStationGuideWord0Bit12},
    {7, kVoxSensitivityPacked},
    {8, kLayertoneVolumeManagementWord1Bit6},
    {9, kOverlaySensitivityPacked},
};
const GridRowList kListE = MakeGridRowList("list E", kListERows);

const int k3110Ids[] = {0x3110};
const int k3112Ids[] = {0x3112, 0x3114};
const int k3124Ids[] = {0x3124, 0x3126};
const int k3116Ids[] = {0x3116};
const int k3118Ids[] = {0x3118};
} // namespace

const GridRowGroup kGrid3110 = {"0x3110", GridProducts(k3110Ids), 3, {{1, 1}, {2, 1}, {2, 2}},
                                {{&kListA, 0, nullptr, kRefreshOutsideList}, {&kListB, 0, nullptr, kRefreshOutsideList},
                                 {&kListC, 0, nullptr, kRefreshOutsideList}, {&kListD, 0, nullptr, kRefreshOutsideList}}};
const GridRowGroup kGrid3112 = {"0x3112, 0x3114", GridProducts(k3112Ids), 1, {{1, 1}},
                                {{&kListA, 0, nullptr, kRefreshOutsideList}, {&kListB, 0, nullptr, kRefreshOutsideList}}};
const GridRowGroup kGrid3124 = {"0x3124, 0x3126", GridProducts(k3124Ids), 0, {}, {{&kListB, 0, nullptr, kRefreshOutsideList}}};
const GridRowGroup kGrid3116 = {"0x3116", GridProducts(k3116Ids), 0, {}, {{&kListC, 0, nullptr, kRefreshOutsideList}}};
const GridRowGroup kGrid3118 = {"0x3118", GridProducts(k3118Ids), 0, {}, {{&kListE, 0, nullptr, kRefreshOutsideList}}};

// --- 0x5710; 0x5623 keeps the list of 0x5710 below 1.2 for its oldest firmware ----------------

namespace {
const int k5710Ids[] = {0x5710};
const int k5623Ids[] = {0x5623};

const GridRow k5710Below1_2[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoicePromptOption},
    {5, kHighQualityA2dpOption},
    {6, kSidetoneOption},
    {7, kHushguardOption},
};
const GridRowList kList5710Below1_2 = MakeGridRowList("the 8 rows of 0x5710 below 1.2", k5710Below1_2);

const GridRow k5710From1_2[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoicePromptOption},
    {5, kFmStationGuideWord20},
    {6, kHighQualityA2dpOption},
    {7, kSidetoneOption},
    {8, kHushguardOption},
};
const GridRowList kList5710From1_2 = MakeGridRowList("0x5710 1.2 and later", k5710From1_2);

const GridRow k5623From1_1[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoxSensitivityLowMediumHigh},
    {5, kVoicePromptOption},
    {6, kHighQualityA2dpOption},
    {7, kSidetoneOption},
    {8, kHushguardOption},
};
const GridRowList kList5623From1_1 = MakeGridRowList("0x5623 1.1 up to below 2.0", k5623From1_1);

const GridRow k5623From2_0[] = {
    {0,  kAudioBoostWord18},
    {1,  kVoxPhoneOption},
    {2,  kVoxIntercomOption},
    {3,  kDualstreamWord23},
    {4,  kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {5,  kHdVoiceWord21,             kNeedsDualstreamOff},
    {6,  kHdIntercomWord19,          kNeedsDualstreamOff},
    {7,  kVoxSensitivityLowMediumHigh},
    {8,  kVoicePromptOption},
    {9,  kSidetoneOption},
    {10, kHushguardOption},
};
const GridRowList kList5623From2_0 = MakeGridRowList("0x5623 2.0 and later", k5623From2_0);
} // namespace

const GridRowGroup kGrid5710 = {"0x5710", GridProducts(k5710Ids), 1, {{1, 2}}, {{&kList5710Below1_2}, {&kList5710From1_2}}};
const GridRowGroup kGrid5623 = {"0x5623", GridProducts(k5623Ids), 2, {{1, 1}, {2, 0}},
                                {{&kList5710Below1_2}, {&kList5623From1_1, 0, nullptr, kRefreshOutsideList}, {&kList5623From2_0}}};

// --- 0x5622, 0x5624: two shared lists, then one list each -------------------------------------

namespace {
const int k5622Ids[] = {0x5622, 0x5624};

const GridRow k5622Below1_1[] = {
    {0, kAudioBoostWord18},
    {1, kSmartVolumeControlWord16},
    {2, kVoxPhoneOption},
    {3, kVoxIntercomOption},
    {4, kHdIntercomWord19},
    {5, kVoicePromptOption},
    {6, kHighQualityA2dpOption},
    {7, kHushguardOption},
};
const GridRowList kList5622Below1_1 = MakeGridRowList("0x5622 and 0x5624 below 1.1", k5622Below1_1);

const GridRow k5622From1_1[] = {
    {0, kAudioBoostWord18},
    {1, kSmartVolumeControlWord16},
    {2, kVoxPhoneOption},
    {3, kVoxIntercomOption},
    {4, kHdIntercomWord19},
    {5, kVoxSensitivityLowMediumHigh},
    {6, kVoicePromptOption},
    {7, kHighQualityA2dpOption},
    {8, kHushguardOption},
};
const GridRowList kList5622From1_1 = MakeGridRowList("0x5622 and 0x5624 1.1 up to below 2.0", k5622From1_1);

const GridRow k5622From2_0[] = {
    {0,  kAudioBoostWord18},
    {1,  kSmartVolumeControlWord16},
    {2,  kVoxPhoneOption},
    {3,  kVoxIntercomOption},
    {4,  kDualstreamWord23},
    {5,  kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {6,  kHdVoiceWord21,             kNeedsDualstreamOff},
    {7,  kHdIntercomWord19,          kNeedsDualstreamOff},
    {8,  kVoxSensitivityLowMediumHigh},
    {9,  kVoicePromptOption},
    {10, kFmStationGuideWord20},
    {11, kHushguardOption},
};
const GridRowList kList5622From2_0 = MakeGridRowList("0x5622 2.0 and later", k5622From2_0);

// No "Dualstream™" row, yet the three rows still follow settings word 23.
const GridRow k5624From2_0[] = {
    {0, kAudioBoostWord18},
    {1, kSmartVolumeControlWord16},
    {2, kVoxPhoneOption},
    {3, kVoxIntercomOption},
    {4, kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {5, kHdVoiceWord21,             kNeedsDualstreamOff},
    {6, kHdIntercomWord19,          kNeedsDualstreamOff},
    {7, kVoxSensitivityLowMediumHigh},
    {8, kVoicePromptOption},
    {9, kHushguardOption},
};
const GridRowList kList5624From2_0 = MakeGridRowList("0x5624 2.0 and later", k5624From2_0);
} // namespace

// A value click outside the list refreshes the page in every range, for both products.
const GridRowGroup kGrid5622 = {"0x5622, 0x5624", GridProducts(k5622Ids), 2, {{1, 1}, {2, 0}},
                                {{&kList5622Below1_1, 0, nullptr, kRefreshOutsideList},
                                 {&kList5622From1_1, 0, nullptr, kRefreshOutsideList},
                                 {&kList5622From2_0, 0x5622, &kList5624From2_0, kRefreshOutsideList}}};

// --- 0x5524; 0x5536 and 0x5522 keep its list for 1.1 up to below 2.0 ------------------------

namespace {
const int k5524Ids[] = {0x5524};
const int k5536Ids[] = {0x5536};
const int k5522Ids[] = {0x5522};

const GridRow k5524Below1_1[] = {
    {0, kAudioBoostWord18},
    {1, kVoicePromptOption},
    {2, kHighQualityA2dpOption},
    {3, kHushguardOption},
};
const GridRowList kList5524Below1_1 = MakeGridRowList("0x5524 below 1.1", k5524Below1_1);

const GridRow k5524From1_1[] = {
    {0, kAudioBoostWord18},
    {1, kVoicePromptOption},
    {2, kFmStationGuideWord20},
    {3, kHighQualityA2dpOption},
    {4, kHushguardOption},
};
const GridRowList kList5524From1_1 = MakeGridRowList("the 5 rows of 0x5524 from 1.1 up to below 2.0", k5524From1_1);

const GridRow k5524From2_0[] = {
    {0, kAudioBoostWord18},
    {1, kDualstreamWord23},
    {2, kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {3, kHdVoiceWord21,             kNeedsDualstreamOff},
    {4, kVoicePromptOption},
    {5, kFmStationGuideWord20},
    {6, kHushguardOption},
};
const GridRowList kList5524From2_0 = MakeGridRowList("0x5524 2.0 and later", k5524From2_0);
} // namespace

const GridRowGroup kGrid5524 = {"0x5524", GridProducts(k5524Ids), 2, {{1, 1}, {2, 0}},
                                {{&kList5524Below1_1}, {&kList5524From1_1}, {&kList5524From2_0}}};
const GridRowGroup kGrid5536 = {"0x5536", GridProducts(k5536Ids), 0, {}, {{&kList5524From1_1}}};
const GridRowGroup kGrid5522 = {"0x5522", GridProducts(k5522Ids), 0, {}, {{&kList5524From1_1}}};

// --- 0x3030, 0x3050, 0x3060, 0x3040: three rows, any firmware, each its own link -------------

namespace {
const int k3030Ids[] = {0x3030};
const int k3050Ids[] = {0x3050};
const int k3060Ids[] = {0x3060};
const int k3040Ids[] = {0x3040};

const GridRow k3030Rows[] = {
    {0, kVoicePromptOption},
    {1, kFmStationGuideWord20},
    {2, kHushguardOption},
};
const GridRowList kList3030 = MakeGridRowList("0x3030, 0x3050, 0x3060, 0x3040", k3030Rows);
} // namespace

const GridRowGroup kGrid3030 = {"0x3030", GridProducts(k3030Ids), 0, {}, {{&kList3030}}};
const GridRowGroup kGrid3050 = {"0x3050", GridProducts(k3050Ids), 0, {}, {{&kList3030}}};
const GridRowGroup kGrid3060 = {"0x3060", GridProducts(k3060Ids), 0, {}, {{&kList3030}}};
const GridRowGroup kGrid3040 = {"0x3040", GridProducts(k3040Ids), 0, {}, {{&kList3030}}};

// clang-format on
