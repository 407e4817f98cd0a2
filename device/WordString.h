#pragma once
// Speed-dial numbers as the headset keeps them: 20 16-bit units, one character
// a unit, zero-filled after the last one.

#include <cstdint>
#include <string>

constexpr int kWordStringUnits = 20;

// The text made of the low byte of each unit, up to the first zero byte or the
// end of the buffer, read as 8-bit characters of the current C locale. Reads at
// most min(unitCount, 20) units. Returns the text's length.
int StringFromWords(std::wstring& text, const std::uint16_t* words, int unitCount);
int StringFromWords(std::wstring& text, const std::uint16_t (&words)[kWordStringUnits]);

// Up to 20 UTF-16 units of the text (never half of a surrogate pair), the rest
// of the buffer 0. Writes at most unitCount units. Returns the bytes used,
// twice the units stored.
int StringToWords(std::uint16_t* words, int unitCount, const std::wstring& text);
int StringToWords(std::uint16_t (&words)[kWordStringUnits], const std::wstring& text);
