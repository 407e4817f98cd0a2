// Grid rows of 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, of the camera headset 0x5510 and of
// 0x5580, 0x5570, 0x5530, 0x5532, 0x5550: option ints and whole settings words, and on 0x5510
// the camera settings of words 10 and 12. Groups in chain order.

#include "settings/GridRowGroups.h"

// clang-format off

// --- 0x5610, 0x5611, 0x5612, 0x5620, 0x5621 ------------------------------------------------

namespace {
const int k5610Ids[] = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621};

const GridRow k5610Below1_1[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kVoicePromptOption},
    {4, kHighQualityA2dpOption},
    {5, kSidetoneOption},
    {6, kHushguardOption},
};
const GridRowList kList5610Below1_1 = MakeGridRowList("0x5610 below 1.1", k5610Below1_1);

const GridRow k5610From1_1[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoicePromptOption},
    {5, kHighQualityA2dpOption},
    {6, kSidetoneOption},
    {7, kHushguardOption},
};
const GridRowList kList5610From1_1 = MakeGridRowList("0x5610 1.1 to below 2.0", k5610From1_1);

const GridRow k5610From2_0[] = {
    {0,  kAudioBoostWord18},
    {1,  kVoxPhoneOption},
    {2,  kVoxIntercomOption},
    {3,  kDualstreamWord23},
    {4,  kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {5,  kHdVoiceWord21,             kNeedsDualstreamOff},
    {6,  kHdIntercomWord19,          kNeedsDualstreamOff},
    {7,  kVoicePromptOption},
    {8,  kFmStationGuideWord20},
    {9,  kSidetoneOption},
    {10, kHushguardOption},
};
const GridRowList kList5610From2_0 = MakeGridRowList("the 11-row list of 0x5610 for 2.0 and later", k5610From2_0);
} // namespace

const GridRowGroup kGrid5610 = {"0x5610, 0x5611, 0x5612, 0x5620, 0x5621", GridProducts(k5610Ids), 2, {{1, 1}, {2, 0}},
                                {{&kList5610Below1_1}, {&kList5610From1_1}, {&kList5610From2_0}}};

// --- 0x5510, the camera headset: option rows, then the camera rows ------------------------------

namespace {
const int k5510Ids[] = {0x5510};

const GridRow k5510Below2_0[] = {
    {0,  kAudioBoostWord18},
    {1,  kVoxPhoneOption},
    {2,  kVoxIntercomOption},
    {3,  kVoicePromptOption},
    {4,  kHighQualityA2dpOption},
    {5,  kSidetoneOption},
    {6,  kHushguardOption},
    {7,  kPhotoMode},
    {8,  kVideoModeTwoItems},
    {9,  kVideoResolution},
    {10, kTimelapseInterval},
    {11, kDateCaption},
    {12, kSpeakerSoundRecording},
    {13, kRecordMusic,               kNeedsRecordingOn},
    {14, kRecordFmRadio,             kNeedsRecordingOn},
    {15, kRecordIntercom,            kNeedsRecordingOn},
    {16, kRecordPhone,               kNeedsRecordingOn},
    {17, kAutoCameraSleep},
};
const GridRowList kList5510Below2_0 = MakeGridRowList("0x5510 below 2.0", k5510Below2_0);

const GridRow k5510From2_0[] = {
    {0,  kAudioBoostWord18},
    {1,  kVoxPhoneOption},
    {2,  kVoxIntercomOption},
    {3,  kHdIntercomWord19},
    {4,  kVoicePromptOption},
    {5,  kHighQualityA2dpOption},
    {6,  kSidetoneOption},
    {7,  kHushguardOption},
    {8,  kPhotoMode},
    {9,  kVideoModeThreeItems},
    {10, kVideoResolution},
    {11, kTimelapseInterval},
    {12, kVideoTaggingInterval},
    {13, kLoopRecordingInterval},
    {14, kVideoMicrophoneGain},
    {15, kDateCaption},
    {16, kSpeakerSoundRecording},
    {17, kRecordMusic,               kNeedsRecordingOn},
    {18, kRecordFmRadio,             kNeedsRecordingOn},
    {19, kRecordIntercom,            kNeedsRecordingOn},
    {20, kRecordPhone,               kNeedsRecordingOn},
    {21, kAutoCameraSleep},
};
const GridRowList kList5510From2_0 = MakeGridRowList("0x5510 2.0 to below 2.2", k5510From2_0);

const GridRow k5510From2_2[] = {
    {0,  kAudioBoostWord18},
    {1,  kVoxPhoneOption},
    {2,  kVoxIntercomOption},
    {3,  kHdIntercomWord19},
    {4,  kVoicePromptOption},
    {5,  kFmStationGuideWord20},
    {6,  kHighQualityA2dpOption},
    {7,  kSidetoneOption},
    {8,  kHushguardOption},
    {9,  kPhotoMode},
    {10, kVideoModeThreeItems},
    {11, kVideoResolution},
    {12, kTimelapseInterval},
    {13, kVideoTaggingInterval},
    {14, kLoopRecordingInterval},
    {15, kVideoMicrophoneGain},
    {16, kDateCaption},
    {17, kSpeakerSoundRecording},
    {18, kRecordMusic,               kNeedsRecordingOn},
    {19, kRecordFmRadio,             kNeedsRecordingOn},
    {20, kRecordIntercom,            kNeedsRecordingOn},
    {21, kRecordPhone,               kNeedsRecordingOn},
    {22, kAutoCameraSleep},
};
const GridRowList kList5510From2_2 = MakeGridRowList("0x5510 2.2 to below 3.0", k5510From2_2);

const GridRow k5510From3_0[] = {
    {0,  kAudioBoostWord18},
    {1,  kVoxPhoneOption},
    {2,  kVoxIntercomOption},
    {3,  kDualstreamWord23},
    {4,  kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {5,  kHdVoiceWord21,             kNeedsDualstreamOff},
    {6,  kHdIntercomWord19,          kNeedsDualstreamOff},
    {7,  kVoicePromptOption},
    {8,  kFmStationGuideWord20},
    {9,  kSidetoneOption},
    {10, kHushguardOption},
    {11, kPhotoMode},
    {12, kVideoModeThreeItems},
    {13, kVideoResolution},
    {14, kTimelapseInterval},
    {15, kVideoTaggingInterval},
    {16, kLoopRecordingInterval},
    {17, kVideoMicrophoneGain},
    {18, kDateCaption},
    {19, kSpeakerSoundRecording},
    {20, kRecordMusic,               kNeedsRecordingOn},
    {21, kRecordFmRadio,             kNeedsRecordingOn},
    {22, kRecordIntercom,            kNeedsRecordingOn},
    {23, kRecordPhone,               kNeedsRecordingOn},
    {24, kAutoCameraSleep},
};
const GridRowList kList5510From3_0 = MakeGridRowList("0x5510 3.0 and later", k5510From3_0);
} // namespace

const GridRowGroup kGrid5510 = {"0x5510", GridProducts(k5510Ids), 3, {{2, 0}, {2, 2}, {3, 0}},
                                {{&kList5510Below2_0}, {&kList5510From2_0}, {&kList5510From2_2}, {&kList5510From3_0}}};

// --- 0x5580: below 2.0 its own 9 rows, then the 11-row list of 0x5610 for 2.0 and later ------

namespace {
const int k5580Ids[] = {0x5580};

const GridRow k5580Below2_0[] = {
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
const GridRowList kList5580Below2_0 = MakeGridRowList("0x5580 below 2.0", k5580Below2_0);
} // namespace

const GridRowGroup kGrid5580 = {"0x5580", GridProducts(k5580Ids), 1, {{2, 0}}, {{&kList5580Below2_0}, {&kList5610From2_0}},
                                kRefreshOnHelpWithoutText};

// --- 0x5570, any firmware: the 11-row list of 0x5610 for 2.0 and later ------------------------

namespace {
const int k5570Ids[] = {0x5570};
} // namespace

const GridRowGroup kGrid5570 = {"0x5570", GridProducts(k5570Ids), 0, {}, {{&kList5610From2_0}}};

// --- 0x5530; 0x5532 keeps the list of 0x5530 for 1.4 to below 2.0 -----------------------------

namespace {
const int k5530Ids[] = {0x5530};
const int k5532Ids[] = {0x5532};

const GridRow k5530Below1_4[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdIntercomWord19},
    {4, kVoicePromptOption},
    {5, kHighQualityA2dpOption},
    {6, kSidetoneOption},
    {7, kHushguardOption},
};
const GridRowList kList5530Below1_4 = MakeGridRowList("0x5530 below 1.4", k5530Below1_4);

// "HD Voice" stands here without a master and is never greyed.
const GridRow k5530From1_4[] = {
    {0, kAudioBoostWord18},
    {1, kVoxPhoneOption},
    {2, kVoxIntercomOption},
    {3, kHdVoiceWord21},
    {4, kHdIntercomWord19},
    {5, kVoicePromptOption},
    {6, kFmStationGuideWord20},
    {7, kHighQualityA2dpOption},
    {8, kSidetoneOption},
    {9, kHushguardOption},
};
const GridRowList kList5530From1_4 = MakeGridRowList("the list of 0x5530 for 1.4 to below 2.0", k5530From1_4);
} // namespace

const GridRowGroup kGrid5530 = {"0x5530", GridProducts(k5530Ids), 2, {{1, 4}, {2, 0}},
                                {{&kList5530Below1_4}, {&kList5530From1_4}, {&kList5610From2_0}}};

const GridRowGroup kGrid5532 = {"0x5532", GridProducts(k5532Ids), 0, {}, {{&kList5530From1_4}}};

// --- 0x5550: no VOX or Sidetone rows in any range -------------------------------------------

namespace {
const int k5550Ids[] = {0x5550};

const GridRow k5550Below1_2[] = {
    {0, kAudioBoostWord18},
    {1, kHdIntercomWord19},
    {2, kVoicePromptOption},
    {3, kFmStationGuideWord20},
    {4, kHighQualityA2dpOption},
    {5, kHushguardOption},
};
const GridRowList kList5550Below1_2 = MakeGridRowList("0x5550 below 1.2", k5550Below1_2);

const GridRow k5550From1_2[] = {
    {0, kAudioBoostWord18},
    {1, kVoicePromptOption},
    {2, kFmStationGuideWord20},
    {3, kHighQualityA2dpOption},
    {4, kHushguardOption},
};
const GridRowList kList5550From1_2 = MakeGridRowList("0x5550 1.2 to below 2.0", k5550From1_2);

const GridRow k5550From2_0[] = {
    {0, kAudioBoostWord18},
    {1, kDualstreamWord23},
    {2, kAudioSourcePriorityWord22, kNeedsDualstreamOff},
    {3, kHdVoiceWord21,             kNeedsDualstreamOff},
    {4, kVoicePromptOption},
    {5, kFmStationGuideWord20},
    {6, kHushguardOption},
};
const GridRowList kList5550From2_0 = MakeGridRowList("0x5550 2.0 and later", k5550From2_0);
} // namespace

const GridRowGroup kGrid5550 = {"0x5550", GridProducts(k5550Ids), 2, {{1, 2}, {2, 0}},
                                {{&kList5550Below1_2}, {&kList5550From1_2}, {&kList5550From2_0}}};

// clang-format on
