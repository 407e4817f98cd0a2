// Grid rows of 0x6210, 0x6400, 0x5910, 0x5920, 0x5560, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418,
// 0x5416, 0x6010, 0x6012, 0x6014, 0x6016, 0x6026, 0x6018, 0x6020, 0x6022, 0x6024: option ints
// and whole settings words. Groups in chain order; the chain ends here.

#include "settings/GridRowGroups.h"

// clang-format off

// --- 0x6210 ---------------------------------------------------------------------------------

namespace {
const int k6210Ids[] = {0x6210};

const GridRow k6210Below2_0[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoicePromptOption},
    {5, kFmStationGuideWord20},
    {6, kHighQualityA2dpOption},
    {7, kHushguardOption},
};
const GridRowList kList6210Below2_0 = MakeGridRowList("0x6210 below 2.0", k6210Below2_0);

const GridRow k6210From2_0[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kDualstreamWord23},
    {4, kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {5, kHdVoiceWord21,             kNeedsDualstreamOff},
    {6, kHdIntercomWord19,          kNeedsDualstreamOff},
    {7, kVoicePromptOption},
    {8, kFmStationGuideWord20},
    {9, kHushguardOption},
};
const GridRowList kList6210From2_0 = MakeGridRowList("0x6210 2.0 and later", k6210From2_0);
} // namespace

const GridRowGroup kGrid6210 = {"0x6210", GridProducts(k6210Ids), 1, {{2, 0}}, {{&kList6210Below2_0}, {&kList6210From2_0}}};

// --- 0x6400, any firmware: VOX Sensitivity in three steps --------------------------------------

namespace {
const int k6400Ids[] = {0x6400};

const GridRow k6400Rows[] = {
    {0,  kAudioBoostWord18},
    {1,  kVoxPhoneOption},
    {2,  kVoxIntercomOption},
    {3,  kDualstreamWord23},
    {4,  kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {5,  kHdVoiceWord21,             kNeedsDualstreamOff},
    {6,  kHdIntercomWord19,          kNeedsDualstreamOff},
    {7,  kVoxSensitivityLowMediumHigh},
    {8,  kVoicePromptOption},
    {9,  kFmStationGuideWord20},
    {10, kHushguardOption},
};
const GridRowList kList6400 = MakeGridRowList("0x6400", k6400Rows);
} // namespace

const GridRowGroup kGrid6400 = {"0x6400", GridProducts(k6400Ids), 0, {}, {{&kList6400}}};

// --- 0x5910, 0x5920 -------------------------------------------------------------------------

namespace {
const int k5910Ids[] = {0x5910, 0x5920};

const GridRow k5910Below1_1[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoicePromptOption},
    {5, kHighQualityA2dpOption},
    {6, kSidetoneOption},
    {7, kHushguardOption},
};
const GridRowList kList5910Below1_1 = MakeGridRowList("0x5910, 0x5920 below 1.1", k5910Below1_1);

const GridRow k5910From1_1[] = {
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
const GridRowList kList5910From1_1 = MakeGridRowList("0x5910, 0x5920 1.1 and later", k5910From1_1);
} // namespace

const GridRowGroup kGrid5910 = {"0x5910, 0x5920", GridProducts(k5910Ids), 1, {{1, 1}}, {{&kList5910Below1_1}, {&kList5910From1_1}}};

// --- 0x5560, any firmware: "Layertone™" in word 23 -------------------------------------------

namespace {
const int k5560Ids[] = {0x5560};

const GridRow k5560Rows[] = {
    {0, kAudioBoostWord18},
    {1, kSmartVolumeControlWord16},
    {2, kVoxPhoneOption},
    {3, kLayertoneMusicGpsWord23},
    {4, kHdVoiceWord21,             kNeedsLayertoneOff},
    {5, kVoxSensitivityLevels},
    {6, kVoicePromptOption},
    {7, kSidetoneOption},
};
const GridRowList kList5560 = MakeGridRowList("0x5560", k5560Rows);
} // namespace

const GridRowGroup kGrid5560 = {"0x5560", GridProducts(k5560Ids), 0, {}, {{&kList5560}}};

// --- 0x5410 ---------------------------------------------------------------------------------

namespace {
const int k5410Ids[] = {0x5410};

const GridRow k5410Below1_1[] = {
    {0, kAudioBoostWord18},
    {1, kSmartVolumeControlWord16},
    {2, kVoxPhoneOption},
    {3, kLayertoneMusicGpsWord23},
    {4, kVoxSensitivityLevels},
    {5, kVoicePromptOption},
    {6, kSidetoneOption},
};
const GridRowList kList5410Below1_1 = MakeGridRowList("0x5410 below 1.1", k5410Below1_1);

const GridRow k5410From1_1[] = {
    {0, kAudioBoostWord18},
    {1, kSmartVolumeControlWord16},
    {2, kVoxPhoneOption},
    {3, kLayertoneMusicGpsWord23},
    {4, kHdVoiceWord21,             kNeedsLayertoneOff},
    {5, kVoxSensitivityLevels},
    {6, kVoicePromptOption},
    {7, kSidetoneOption},
};
const GridRowList kList5410From1_1 = MakeGridRowList("0x5410 1.1 to below 2.0", k5410From1_1);

const GridRow k5410From2_0[] = {
    {0,  kAudioBoostWord18},
    {1,  kSmartVolumeControlWord16},
    {2,  kVoxPhoneOption},
    {3,  kVoxIntercomOption},
    {4,  kLayertoneMusicGpsWord23},
    {5,  kAudioSourcePriorityWord22, kNeedsLayertoneOff},
    {6,  kHdVoiceWord21,             kNeedsLayertoneOff},
    {7,  kHdIntercomWord19,          kNeedsLayertoneOff},
    {8,  kVoxSensitivityLevels},
    {9,  kVoicePromptOption},
    {10, kSidetoneOption},
    {11, kHushguardOption},
};
const GridRowList kList5410From2_0 = MakeGridRowList("0x5410 2.0 and later", k5410From2_0);
} // namespace

const GridRowGroup kGrid5410 = {"0x5410", GridProducts(k5410Ids), 2, {{1, 1}, {2, 0}},
                                {{&kList5410Below1_1}, {&kList5410From1_1}, {&kList5410From2_0}}};

// --- 0x5412, 0x5414; 0x5420 and 0x5418 keep the 13-row list, 0x5416 from 1.1 the 12-row one ---

namespace {
const int k5412Ids[] = {0x5412, 0x5414};
const int k5420Ids[] = {0x5420};
const int k5418Ids[] = {0x5418};
const int k5416Ids[] = {0x5416};

const GridRow k5412Below1_1[] = {
    {0,  kAudioBoostWord18},
    {1,  kSmartVolumeControlWord16},
    {2,  kVoxPhoneOption},
    {3,  kVoxIntercomOption},
    {4,  kLayertoneWord23},
    {5,  kAudioSourcePriorityWord22, kNeedsLayertoneOff},
    {6,  kHdIntercomWord19,          kNeedsLayertoneOff},
    {7,  kVoxSensitivityLevels},
    {8,  kVoicePromptOption},
    {9,  kFmStationGuideWord20},
    {10, kSidetoneOption},
    {11, kHushguardOption},
};
const GridRowList kList5412Below1_1 = MakeGridRowList("the 12-row list of 0x5412 below 1.1", k5412Below1_1);

const GridRow k5412From1_1[] = {
    {0,  kAudioBoostWord18},
    {1,  kSmartVolumeControlWord16},
    {2,  kVoxPhoneOption},
    {3,  kVoxIntercomOption},
    {4,  kLayertoneWord23},
    {5,  kAudioSourcePriorityWord22, kNeedsLayertoneOff},
    {6,  kHdVoiceWord21,             kNeedsLayertoneOff},
    {7,  kHdIntercomWord19,          kNeedsLayertoneOff},
    {8,  kVoxSensitivityLevels},
    {9,  kVoicePromptOption},
    {10, kFmStationGuideWord20},
    {11, kSidetoneOption},
    {12, kHushguardOption},
};
const GridRowList kList5412From1_1 = MakeGridRowList("the 13-row list of 0x5412 for 1.1 and later", k5412From1_1);

// No master, so "Audio Source Priority" and "HD Intercom" stay usable.
const GridRow k5416Below1_1[] = {
    {0,  kAudioBoostWord18},
    {1,  kSmartVolumeControlWord16},
    {2,  kVoxPhoneOption},
    {3,  kVoxIntercomOption},
    {4,  kAudioSourcePriorityWord22},
    {5,  kHdIntercomWord19},
    {6,  kVoxSensitivityLevels},
    {7,  kVoicePromptOption},
    {8,  kFmStationGuideWord20},
    {9,  kSidetoneOption},
    {10, kHushguardOption},
};
const GridRowList kList5416Below1_1 = MakeGridRowList("0x5416 below 1.1", k5416Below1_1);
} // namespace

const GridRowGroup kGrid5412 = {"0x5412, 0x5414", GridProducts(k5412Ids), 1, {{1, 1}}, {{&kList5412Below1_1}, {&kList5412From1_1}}};
const GridRowGroup kGrid5420 = {"0x5420", GridProducts(k5420Ids), 0, {}, {{&kList5412From1_1}}};
const GridRowGroup kGrid5418 = {"0x5418", GridProducts(k5418Ids), 0, {}, {{&kList5412From1_1}}};
const GridRowGroup kGrid5416 = {"0x5416", GridProducts(k5416Ids), 1, {{1, 1}}, {{&kList5416Below1_1}, {&kList5412Below1_1}}};

// --- 0x6010, 0x6012: ESS rows; "Routecue" first from 1.2 -------------------------------------

namespace {
const int k6010Ids[] = {0x6010, 0x6012};

const GridRow k6010Below1_2[] = {
    {0,  kAudioBoostWord18},
    {1,  kVoxPhoneOption},
    {2,  kVoxIntercomOption},
    {3,  kHdIntercomWord19},
    {4,  kVoxSensitivityLevelsDefault2},
    {5,  kVoicePromptOption},
    {6,  kHighQualityA2dpOption},
    {7,  kSidetoneOption},
    {8,  kHushguardOption},
    {9,  kEssStatus},
    {10, kEssSensitivity},
};
const GridRowList kList6010Below1_2 = MakeGridRowList("0x6010, 0x6012 below 1.2", k6010Below1_2);

const GridRow k6010From1_2[] = {
    {0,  kRoutecueWord24},
    {1,  kAudioBoostWord18},
    {2,  kVoxPhoneOption},
    {3,  kVoxIntercomOption},
    {4,  kHdIntercomWord19},
    {5,  kVoxSensitivityLevelsDefault2},
    {6,  kVoicePromptOption},
    {7,  kHighQualityA2dpOption},
    {8,  kSidetoneOption},
    {9,  kHushguardOption},
    {10, kEssStatus},
    {11, kEssSensitivity},
};
const GridRowList kList6010From1_2 = MakeGridRowList("0x6010, 0x6012 1.2 and later", k6010From1_2);
} // namespace

const GridRowGroup kGrid6010 = {"0x6010, 0x6012", GridProducts(k6010Ids), 1, {{1, 2}}, {{&kList6010Below1_2}, {&kList6010From1_2}}};

// --- 0x6014, 0x6016 (threshold 1.2), 0x6026 (any firmware), 0x6018 (threshold 1.1) ----------

namespace {
const int k6014Ids[] = {0x6014, 0x6016};
const int k6026Ids[] = {0x6026};
const int k6018Ids[] = {0x6018};

const GridRow k6014Below[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoxSensitivityLevelsDefault2},
    {5, kVoicePromptOption},
    {6, kHighQualityA2dpOption},
    {7, kSidetoneOption},
    {8, kHushguardOption},
};
const GridRowList kList6014Below = MakeGridRowList("0x6014, 0x6016, 0x6018 below the threshold", k6014Below);

const GridRow k6014From[] = {
    {0, kRoutecueWord24},
    {1, kAudioBoostWord18},
    {2, kVoxPhoneOption},
    {3, kVoxIntercomOption},
    {4, kHdIntercomWord19},
    {5, kVoxSensitivityLevelsDefault2},
    {6, kVoicePromptOption},
    {7, kHighQualityA2dpOption},
    {8, kSidetoneOption},
    {9, kHushguardOption},
};
const GridRowList kList6014From = MakeGridRowList("the 10-row list of 0x6014 at or above its threshold", k6014From);
} // namespace

const GridRowGroup kGrid6014 = {"0x6014, 0x6016", GridProducts(k6014Ids), 1, {{1, 2}}, {{&kList6014Below}, {&kList6014From}}};
const GridRowGroup kGrid6026 = {"0x6026", GridProducts(k6026Ids), 0, {}, {{&kList6014From}}};
const GridRowGroup kGrid6018 = {"0x6018", GridProducts(k6018Ids), 1, {{1, 1}}, {{&kList6014Below}, {&kList6014From}}};

// --- 0x6020, 0x6022, 0x6024, any firmware: the last link of the chain -----------------------

namespace {
const int k6020Ids[] = {0x6020, 0x6022, 0x6024};

const GridRow k6020Rows[] = {
    {0, kRoutecueWord24},
    {1, kVoxPhoneOption},
    {2, kVoxSensitivityLevelsDefault2},
    {3, kVoicePromptOption},
    {4, kSidetoneOption},
    {5, kHushguardOption},
};
const GridRowList kList6020 = MakeGridRowList("0x6020, 0x6022, 0x6024", k6020Rows);
} // namespace

const GridRowGroup kGrid6020 = {"0x6020, 0x6022, 0x6024", GridProducts(k6020Ids), 0, {}, {{&kList6020}}};

// clang-format on
