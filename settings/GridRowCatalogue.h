#pragma once
// The row catalogue of the basic settings grid: every kind of row the grid can show, the row
// lists of each product group and firmware range, and the chain that picks a group by product
// id. The grid builder, the change rules of the grid and the restore page's settings list all
// read these tables, so a row index means the same setting to each of them.
//
// Kinds, rows, lists and groups are plain structs of named fields: a later reader that needs
// one more fact per kind or per list (help text, refresh flags, value texts) adds one field.

#include <cstddef>
#include <string>

#include "device/DeviceConfig.h"
#include "device/DeviceProductLists.h"

// --- Row kinds -------------------------------------------------------------------------------

// Every kind, in the order of the catalogue: check boxes first, then drop-downs. A setting
// that is stored in different places on different models is a kind per place.
enum GridRowKindId {
    // Check boxes.
    kVoxPhoneFlag,
    kVoxPhoneOption,
    kVoxPhoneWord0Bit0,
    kVoxIntercomOption,
    kVoxIntercomWord0Bit1,
    kSidetoneFlag,
    kSidetoneOption,
    kSidetoneWord0Bit8,
    kHighQualityA2dpOption,
    kHighQualityA2dpWord0Bit5,
    kVoicePromptFlag,
    kVoicePromptOption,
    kVoicePromptWord0Bit3,
    kHushguardFlag,
    kHushguardOption,
    kHushguardWord0Bit9,
    kAudioBoostFlag,
    kAudioBoostWord18,
    kAudioBoostWord0Bit10,
    kHdIntercomFlag,
    kHdIntercomWord19,
    kHdIntercomWord0Bit11,
    kFmStationGuideFlag,
    kFmStationGuideWord20,
    kFmStationGuideWord0Bit12,
    kHdVoiceWord21,
    kDualstreamFlag,
    kDualstreamWord23,
    kLayertoneWord23,
    kBluetoothIntercomDualstreamWord1Bit11,
    kNavigationAppSupportFlag,
    kLayertoneVolumeManagementFlag,
    kLayertoneVolumeManagementWord1Bit6,
    kEightWayIntercomFlag,
    kVoiceCommandFlag,
    kVoiceCommandWord1Bit10,
    kGuestModeWord0Bit15,
    kRoutecueWord24,
    kDateCaption,
    kSpeakerSoundRecording,
    kRecordMusic,
    kRecordFmRadio,
    kRecordIntercom,
    kRecordPhone,
    kAutoCameraSleep,
    kLayertoneMusicGpsWord23,
    // Drop-downs.
    kOverlaySensitivityTenLevels,
    kOverlaySensitivityPacked,
    kVoxSensitivityLevels,
    kVoxSensitivityLowMediumHigh,
    kVoxSensitivityPacked,
    kMotionSensorSensitivity,
    kSmartVolumeControlWord16,
    kSmartVolumeControlFlagBits,
    kSmartVolumeControlPacked,
    kAudioSourcePriorityWord22,
    kUnitLanguage,
    kChannelSelect,
    kPhotoMode,
    kVideoModeTwoItems,
    kVideoModeThreeItems,
    kVideoResolution,
    kTimelapseInterval,
    kVideoTaggingInterval,
    kLoopRecordingInterval,
    kVideoMicrophoneGain,
    kEssStatus,
    kEssSensitivity,
    kVoxSensitivityLevelsDefault2,
    kGridRowKindCount
};

enum GridCellKind { kCheckBoxCell, kDropDownCell };

// Where a row's value lives in the record.
enum GridBindingForm {
    kBindAccessor,     // a getter and a setter of the record
    kBindOptionInt,    // one of the record's option ints, read directly
    kBindSettingsWord, // one whole settings word, read directly
    kBindWordBit,      // one bit of the low 16 bits of settings word 0 or 1
};

struct GridBinding {
    GridBindingForm form;
    int (DeviceConfig::*get)() const; // kBindAccessor
    void (DeviceConfig::*set)(int);   // kBindAccessor; null where the record has no setter
    int DeviceConfig::*option;        // kBindOptionInt
    int word;                         // kBindSettingsWord, kBindWordBit
    int bit;                          // kBindWordBit
};

// Which state of a check box's field shows "Enable" (the cell text "0").
enum GridEnableWhen { kEnableWhenSet, kEnableWhenClear };

// How a drop-down's selected item follows from the stored value.
enum GridIndexRule { kIndexIsValue, kIndexIsValueMinusOne, kIndexIsTenMinusValue };

// What a master row does to the rows that depend on it.
enum GridMasterRole {
    kNotMaster,
    kMasterEnablesWhileSet,  // dependants usable only while the master's field is set
    kMasterDisablesWhileSet, // dependants greyed while the master's field is set
};

// How the restore page's list of archived settings words a row's stored value. The list and
// the grid differ on purpose ("Enabled" where the grid offers "Enable", exactly 1 as off where
// the grid takes any non-zero, ten levels where the grid offers five), so this rule stands
// beside the grid's and is never derived from it.
enum GridRestoreRule {
    kRestoreOnWhenSet,      // non-zero "Enabled", 0 "Disabled"
    kRestoreOffWhenOne,     // exactly 1 "Disabled", any other value "Enabled"
    kRestoreOffWhenSet,     // non-zero "Disabled", 0 "Enabled"
    kRestoreElevenMinus,    // the decimal of 11 minus the value
    kRestoreNumber,         // the decimal of the value as it is read
    kRestoreLevel,          // 1 to 10 "Level 1" to "Level 10", any other value its decimal
    kRestoreThreeSteps,     // 1 "Low", 2 "Medium", 3 "High", any other value its decimal
    kRestoreMotion,         // 1 "Disable", 2 "Low", any other value "High"
    kRestoreSmartVolume,    // 0 "Disabled", 1 "Low", 2 "Medium", any other value "High"
    kRestoreSource,         // 0 "Intercom", any other value "Music"
    kRestoreTwoWords,       // 0 the first item, any other value the second
    kRestoreThreeWords,     // 0 and 1 the first two items, any other value the third
    kRestoreUnitLanguage,   // 0 to 10 the unit language's name, any other value "English"
    kRestoreEssStatus,      // 0 to 3 the kind's four items, any other value "ESS ON"
    kRestoreEssSensitivity, // 1 "Low", 2 "Medium", 3 "High", any other value "Medium"
    kRestoreGridOnly,       // the grid shows the row, the list leaves it out
};

// What a row's "?" shows: one of the grid help texts in the UI language, its "%s" placeholders
// filled in order with setting names (name-table functions) or with the model's display name,
// in a box of a fixed width and this height. A row without text shows no box.
using GridNameText = std::wstring (*)(int language);

struct GridRowHelp {
    GridNameText text;      // null: the row has no help
    GridNameText values[2]; // the names that fill the placeholders, null where none
    bool modelName;         // the one placeholder takes the model's display name instead
    int height;
};

// How a click or a choice stores into the working record: through the binding's write half,
// or not at all (a setting the unit's own controls change); the camera's recording master and
// its sources store through the binding and then keep each other consistent.
enum GridStore { kStorePlain, kStoreNone, kStoreRecordingMaster, kStoreRecordingSource };

struct GridRowKind {
    GridRowKindId id;
    const char* englishLabel; // for readers and test messages; the grid shows label()
    std::wstring (*label)(int language);
    GridCellKind cell;
    GridBinding binding;
    GridEnableWhen enableWhen;           // check boxes
    std::wstring (*items)(int language); // drop-downs: the items joined by line feeds
    GridIndexRule indexRule;             // drop-downs
    GridMasterRole master;
    GridRestoreRule restoreRule; // the restore page's list
    GridRowHelp help;
    GridStore store;
};

extern const GridRowKind kGridRowKinds[kGridRowKindCount];

inline const GridRowKind& GetGridRowKind(GridRowKindId id)
{
    return kGridRowKinds[id];
}

// --- Rows and row lists ------------------------------------------------------------------------

// The rule that greys a row from the working record. A row carries its dependency itself: a
// list may apply a rule without showing the master row, and a list may show a master's usual
// dependant without applying the rule.
enum GridDependency {
    kAlwaysEnabled,
    kEnabledWhileDualstreamBitSet,    // word 2 bit 11
    kDisabledWhileWord23Set,          // word 23 non-zero
    kDisabledWhileWord1Bit11Set,      // word 1 bit 11
    kEnabledWhileSpeakerRecordingSet, // word 10 bit 6
};

// The names the row lists use, after the marks of the models' own descriptions.
constexpr GridDependency kNeedsDualstreamOn = kEnabledWhileDualstreamBitSet;
constexpr GridDependency kNeedsDualstreamOff = kDisabledWhileWord23Set;
constexpr GridDependency kNeedsLayertoneOff = kDisabledWhileWord23Set;
constexpr GridDependency kNeedsBluetoothIntercomDualstreamOff = kDisabledWhileWord1Bit11Set;
constexpr GridDependency kNeedsRecordingOn = kEnabledWhileSpeakerRecordingSet;

struct GridRow {
    int number; // the row's index in its list, written out for the reader; a test holds it
    GridRowKindId kind;
    GridDependency dependency = kAlwaysEnabled;
};

struct GridRowList {
    const char* name;
    const GridRow* rows;
    int count;
};

template <int N> constexpr GridRowList MakeGridRowList(const char* name, const GridRow (&rows)[N])
{
    return GridRowList{name, rows, N};
}

// --- Groups and the chain -----------------------------------------------------------------------

struct GridFirmwareThreshold {
    int major;
    int minor;
};

// The list of one firmware range. A range may split by product id once more: the product
// onlyFor gets list, every other product of the group gets otherwise.
struct GridRange {
    const GridRowList* list = nullptr;
    int onlyFor = 0;
    const GridRowList* otherwise = nullptr;
    // A value click on a row index the list lacks (a click below the last row gives -1)
    // refreshes the page all the same.
    bool refreshOutsideList = false;
};

constexpr bool kRefreshOutsideList = true;

constexpr int kMaxGridThresholds = 3;

// Firmware older than thresholds[i] (and not older than the ones before) takes ranges[i]; a
// firmware at or above every threshold takes ranges[thresholdCount].
struct GridRowGroup {
    const char* name;
    ProductIdList products;
    int thresholdCount;
    GridFirmwareThreshold thresholds[kMaxGridThresholds] = {};
    GridRange ranges[kMaxGridThresholds + 1] = {};
    // A help click on a row without help text refreshes the page at once.
    bool refreshOnHelpWithoutText = false;
};

constexpr bool kRefreshOnHelpWithoutText = true;

// Every group in the order the product id is tested; each product id stands in one group.
extern const GridRowGroup* const kGridRowChain[];
extern const std::size_t kGridRowChainLength;

// The list that shows no rows: the models with the classic option layout.
extern const GridRowList kGridNoRows;

// The group that names the product id, or null.
const GridRowGroup* FindGridRowGroup(int productId);

// The group, the range entry and the list of a product id at the firmware of firmwareRecord;
// all null for a product id that no group names.
struct GridRangeChoice {
    const GridRowGroup* group;
    const GridRange* range;
    const GridRowList* list;
};
GridRangeChoice FindGridRange(int productId, const DeviceConfig& firmwareRecord);

// The row list of a product id at the firmware of firmwareRecord: the live record for the grid
// and its change rules, the archived record for the restore list. Null for a product id that no
// group names; kGridNoRows for the classic models.
const GridRowList* FindGridRowList(int productId, const DeviceConfig& firmwareRecord);

// --- Reading and writing through a kind ------------------------------------------------------

// The low 16 bits of settings words 0 and 1, taken once when a list is built.
struct GridListWords {
    int word0;
    int word1;
    static GridListWords From(const DeviceConfig& config);
};

// The stored value behind a row: the accessor's result, the int, the word, or the bit (0 or 1).
int ReadGridValue(const GridRowKind& kind, const DeviceConfig& config, const GridListWords& words);

// A check box's cell text: "0" when it shows Enable, "1" when it shows Disable.
const wchar_t* GridCheckBoxText(const GridRowKind& kind, const DeviceConfig& config, const GridListWords& words);

// A drop-down's item index by its rule; may fall outside the items, which selects nothing.
int GridDropDownIndex(const GridRowKind& kind, const DeviceConfig& config, const GridListWords& words);

// The number of a drop-down's items (its item text has one line feed fewer).
int GridItemCount(const GridRowKind& kind, int language);

// Whether the row's value cell is greyed by its dependency, read from the working record.
bool IsGridRowDisabled(GridDependency dependency, const DeviceConfig& config, const GridListWords& words);

// The dependency a master row's value drives (kAlwaysEnabled for a row that is no master): the
// rows of a list marked with it are greyed from the master's stored value.
GridDependency GridMasterDependency(const GridRowKind& kind);

// The write halves: store a check box's Enable (true) or Disable (false), or a drop-down's
// item index by the inverse of its rule, through the same binding the grid reads. A binding
// without a setter stores nothing. Other bits of a word are left as they are.
void WriteGridCheckBox(const GridRowKind& kind, DeviceConfig& config, bool enable);
void WriteGridDropDownIndex(const GridRowKind& kind, DeviceConfig& config, int index);
