#pragma once
// The fixed option controls of the older headsets on the basic settings page, as data: which
// controls make up each row, where each product id and firmware range places its rows, and
// which rows it shows. The page's fill, refresh and commands all read these tables; nothing
// here touches a window.

#include <string>
#include <vector>

class DeviceConfig;

enum class ClassicRow {
    Buttons, // DEFAULT and CANCEL, always in row 0
    MoreSettings,
    VoxPhone,
    VoxIntercom,
    Edr,
    EdrNotice,
    Plc,
    HighQualityA2dp,
    MicrophoneBoosting,
    Sidetone,
    Hushguard,
    AutoGainControl,
    AudioBoost,
    MotionSensorSensitivity,
    Dualstream,
    OverlaySensitivity,
    NavigationAppSupport,
    Note, // the restart note with the "..." button
    RadioTransmitGain,
    AudioChannelTimeout,
};

// How a row shows its value.
enum class ClassicValueKind {
    None,           // a label or a button row
    EnableWhenSet,  // Enable checked when the value is non-zero
    EnableWhenZero, // Enable checked when the value is 0
    ComboMinusOne,  // selection = value - 1
    ComboTenMinus,  // selection = 10 - value
    GainTriple,     // Low, Medium, High of the radio transmit gain
    Timeout,        // edit and up-down of the audio channel timeout
};

constexpr int kClassicRowMaxControls = 6;

struct ClassicRowControls {
    ClassicRow row;
    const char* name;                     // the row's name as the layout tables write it
    int controls[kClassicRowMaxControls]; // placed together; 0 ends the list
    int enableId;                         // pair: Enable, Disable is enableId + 1; 0 for none
    int comboId;                          // 0 for none
    ClassicValueKind kind;
    // The stored value the state rule looks at (0 for rows without a value).
    int (*read)(const DeviceConfig& config, int productId);
    // Stores the Enable (1) or Disable (0) choice of a pair, or a combo's selection.
    void (*store)(DeviceConfig& config, int productId, int choice);
};

const ClassicRowControls& GetClassicRowControls(ClassicRow row);
const std::vector<ClassicRowControls>& ClassicRowTable();

// A firmware range [from, to): from 0.0 has no lower bound, a to major of -1 no upper bound.
struct FirmwareRange {
    int fromMajor;
    int fromMinor;
    int toMajor;
    int toMinor;
};

struct RowPlacement {
    float index;
    ClassicRow row;
};

struct ClassicLayout {
    int group;
    std::vector<int> productIds;
    FirmwareRange firmware;
    float rowCount;
    int margin;
    std::vector<RowPlacement> rows;  // row 0 (DEFAULT, CANCEL) is implied
    std::vector<ClassicRow> alsoSet; // states set but not placed
};

struct VisibleRows {
    std::vector<int> productIds;
    FirmwareRange firmware;
    std::vector<ClassicRow> rows;
};

const std::vector<ClassicLayout>& ClassicLayoutTable();
const std::vector<VisibleRows>& VisibleRowsTable();

// The layout of a product id at the firmware of the given record (the main window's live record);
// nullptr when the product has no classic part.
const ClassicLayout* FindClassicLayout(int productId, const DeviceConfig& device);
// The rows a classic model shows; nullptr when the product is not a classic model.
const VisibleRows* FindVisibleRows(int productId, const DeviceConfig& device);
bool InFirmwareRange(const FirmwareRange& range, const DeviceConfig& device);

// Products that show the settings grid instead of the classic rows: those whose row-catalogue
// group has rows at some firmware. GridModelIds lists them in ascending order.
bool IsGridModel(int productId);
const std::vector<int>& GridModelIds();

// Models whose VOX Phone and Sidetone choices live in bits of settings word 2.
bool IsFlagWordModel(int productId);

// The pair's Enable button is to be checked for this record.
bool ClassicPairShowsEnable(const ClassicRowControls& row, const DeviceConfig& config, int productId);
// The combo selection that shows the record's value.
int ClassicComboSelection(const ClassicRowControls& row, const DeviceConfig& config, int productId);

// One line per entry, in the words of the layout tables, for reading them against each other.
std::string DescribeFirmwareRange(const FirmwareRange& range);
std::string DescribeClassicLayout(const ClassicLayout& layout);
std::string DescribeVisibleRows(const VisibleRows& visible);
