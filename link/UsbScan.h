#pragma once
// Scans of the PC's present devices for the maker's units (Windows only).

#include <string>

// Counts the present USB devices whose first hardware id names the maker and
// a DFU-family product id (normal or DFU mode); the first capacity ids are
// stored in productIds in enumeration order, further ones only counted.
int FindUsbDfuDevices(int* productIds, int capacity);

// The root ("X:\") of the first removable drive, from A upwards, that holds
// fileName in its root folder; false when there is none.
bool FindRemovableDriveWithFile(const std::wstring& fileName, std::wstring* root);
