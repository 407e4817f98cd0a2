#pragma once
// The FM radio page's own messages. Each takes the UI language index and gives
// English for any index outside 1..12.

#include <string>

// "%0.1f" twice: the region's lowest and highest frequency in MHz, filled
// with FillPlaceholders.
std::wstring GetTextPresetOutOfRange(int language);
std::wstring GetTextPresetInvalid(int language);
// "[heading]", a line break and the body.
std::wstring GetHelpRdsAf(int language);
