#pragma once
#include <cstddef>

// Reads the hexadecimal digits at the start of text (at most maxChars
// characters, stopping at the first character that is not a hex digit or at a
// zero). No digit gives 0. Unlike strtol it accepts no blanks, sign or "0x",
// and it cannot overflow: digits past the seventh are ignored.
long ReadHexPrefix(const char* text, std::size_t maxChars);
long ReadHexPrefix(const wchar_t* text, std::size_t maxChars);
