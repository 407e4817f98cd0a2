#pragma once
// Production-batch gates on the lower three bytes of a unit's Bluetooth
// address ("%02X%02X%02X"). Each gate knows its own models and answers 0 for
// any other model code. Only the text's first six characters are read, as a
// hexadecimal number that stops at the first non-hex character (none: 0).
// The recognition page's members pass the main window's m_modelCode.

#include <string>

int IsAddressAboveThreshold(int modelCode, const std::wstring& address);
int IsAddressInRange(int modelCode, const std::wstring& address);
int IsAddressInEitherRange(int modelCode, const std::wstring& address);
