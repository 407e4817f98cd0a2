#pragma once
#include <string>

// Localised title of a settings category (1 Basic, 2 Speed Dial, 3 FM Radio);
// the empty text for a language outside 0 to 12 or any other category.
std::wstring GetTextSettingsPageTitle(int category, int language);
