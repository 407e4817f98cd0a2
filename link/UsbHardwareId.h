#pragma once
// Reading the maker's DFU-family units from USB hardware ids.

#include <cstddef>
#include <string>

// The product ids of the DFU family, in normal and in DFU mode.
bool IsDfuFamilyProductId(int productId);

// Vendor and product id of the first hardware id in a multi-string of
// size bytes (as SetupAPI returns it): the bytes are upper-cased, "VID_" and
// "PID_" are searched up to the first zero and read as hexadecimal. False
// when a marker is missing. The bytes are not changed.
bool ParseUsbHardwareId(const char* bytes, std::size_t size, int* vendorId, int* productId);

// One step of the USB scan: count a matching device and store its product id
// while there is room.
bool CountDfuFamilyDevice(const char* bytes, std::size_t size, int* productIds, int capacity, int* count);

// Vendor and product id of a device path that the DFU library gives for one of
// its device names: the text is upper-cased, the vendor id is the four
// characters after "VID_" (only when found after the first character), the
// product id the four after the first "PID_" behind it. A missing marker
// leaves 0, so such an entry never matches the maker.
void ParseDfuDevicePath(const std::wstring& path, int* vendorId, int* productId);

// True when the path names the maker and a DFU-family product id.
bool IsDfuFamilyDevicePath(const std::wstring& path, int* productId);
