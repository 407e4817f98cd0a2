#pragma once
// Fixed knowledge of the headset line that belongs to no single record: model
// names, the settings categories a model offers, the radio transmit gain steps
// and which reported product ids stand in for a chosen target model.

#include <cstddef>
#include <string>

// One row of the product id to model name table. The file-name form keys the
// firmware images, the settings archives and the server's index lines, so it
// never holds a blank or a slash.
struct ModelNameRow {
    int productId;
    const wchar_t* displayName;
    const wchar_t* fileName;
};

struct ModelNameTableView {
    const ModelNameRow* rows;
    std::size_t count;
};

// The whole name table, for code that must walk every known model.
ModelNameTableView ModelNameTable();

// Flag 0 gives the display form, any other value the file-name form; a product
// id the table does not name gives the empty text in both forms.
std::wstring GetModelName(int productId, int fileForm);

// True for the product ids the name table holds.
bool IsCatalogueProduct(int productId);

// Settings categories, in the order a category list always holds them.
enum SettingsCategory {
    kSettingsCategoryBasic = 1,
    kSettingsCategorySpeedDial = 2,
    kSettingsCategoryFmRadio = 3,
};

constexpr int kSettingsPageSlots = 3;

// Fills a settings-category list for a product and firmware version. The
// three outputs are the owner's count, category slots and selected index.
void BuildSettingsPageList(int productId, int firmwareMajor, int firmwareMinor, int& count,
                           int (&kinds)[kSettingsPageSlots], int& selected);

void ClearSettingsPageList(int& count, int (&kinds)[kSettingsPageSlots], int& selected);

// Radio transmit gain values offered as low, medium and high.
constexpr int kRadioTransmitGainSteps[3] = {12, 15, 17};

// List index of a radio transmit gain value: 12 low, 17 high, anything else medium.
int RadioTransmitGainIndex(int gain);

// 1 when a unit reporting foundProductId is acceptable for the model chosen as
// targetProductId, else 0. Some models ship under several product ids; the
// relation runs from the chosen model to its variants only.
int IsTargetDevice(int targetProductId, int foundProductId);
