#pragma once
// The maker's USB identity and the product ids that the link code picks out.

constexpr int kMakerUsbVendorId = 0x2B4E;

// The unit with two vendor HID interfaces: the first carries the command
// channel for version, address and speed dials, the second name and settings.
constexpr int kHidPairPrimaryProductId = 0x2030;
constexpr int kHidPairSecondaryProductId = 0x2040;
constexpr int kHidPairModelCode = 0x2030;

// The two-chip unit's interfaces.
constexpr int kTwoChipProductIdA = 0x5345;
constexpr int kTwoChipProductIdB = 0x5346;
constexpr int kTwoChipProductIdLoader = 0xD340;

// A unit in DFU mode reports its model code plus this offset as product id.
constexpr int kDfuModeProductIdOffset = 0x8000;
