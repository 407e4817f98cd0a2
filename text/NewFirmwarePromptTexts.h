#pragma once
// The question that announces a newer firmware: its three texts (UI language
// index, English for any index outside 1..12) and the two version texts that
// follow the labels "...: v".

#include "device/DeviceConfig.h"

#include <string>

struct NewUpdateFoundTexts {
    static std::wstring GetTextQuestion(int language);
    static std::wstring GetTextCurrentVersion(int language);
    static std::wstring GetTextNewVersion(int language);
};

// The server's version of the firmware job (parts 1 to 4) for this product.
std::wstring FormatNewFirmwareVersion(int modelCode, const int (&serverVersion)[4]);
// The unit's running version for this product.
std::wstring FormatCurrentFirmwareVersion(int modelCode, const DeviceVersion& version);
