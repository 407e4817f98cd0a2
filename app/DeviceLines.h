#pragma once
// The two device lines of the main window's header for a recognised unit in
// normal mode: its name (without a trailing version word) and its firmware
// version, both chips' when a two-chip unit's chips differ.

#include <string>

#include "device/DeviceConfig.h"

// A name that holds a full stop and a space loses everything from its last
// space on; any other name stays whole.
std::wstring CutDeviceName(const std::wstring& name);

// "v..." of one version by the product's rules: the camera 0x3020 shows kind,
// build, major, minor; a release candidate "rc" and its number; a build its
// number (none when 0, except on 0x5345 and 0x5346); anything else major.minor.
std::wstring FormatVersionText(int productId, const DeviceVersion& version);

// The version line of the record: the unit's version as the header shows it, then, for a
// two-chip unit whose chips differ, " / " and the second chip's.
std::wstring FormatDeviceVersionLine(const DeviceConfig& device);
