#pragma once
// The FM radio page's rules without its window: reading a typed frequency,
// correcting a spun one onto the region's grid, the preset a newly checked
// box starts from, and a change of region. Frequencies are in 10 kHz units.

#include <string>

#include "device/DeviceConfig.h"
#include "device/FmRegions.h"

// The band the page works with: a stored region outside 0 to 5 reads as
// Worldwide until the user picks one.
const FmRegionBand& PageFmBand(int region);
int PageFmRegion(int region);

struct TypedPreset {
    int check;     // ValidateFmFrequency's result for the page's region
    int frequency; // the value checked (rounded to 100 kHz)
};

// The typed text read as a frequency in MHz in single precision, rounded to
// the nearest 100 kHz (half up). Text that reads as no finite number, or
// whose value does not fit, is outside the band.
TypedPreset ReadTypedPreset(const std::wstring& text, int region);

// The up-down control's new position p after a move from the stored value:
// on a 200 kHz grid a 100 kHz move is stretched to the next channel, a value
// past either band edge wraps to the other, and anything still off the grid
// goes to the next channel in the direction of the move.
int CorrectSpunPreset(int region, int stored, int p);

// The value a preset checked anew starts from: the nearest checked preset
// below it with a frequency, else the nearest above, else the band's lowest.
// index is 0-based.
int StartingPreset(const int (&presets)[kFmPresetCount], const bool (&checked)[kFmPresetCount], int index, int region);

// Empties every preset the region does not allow.
void ClearPresetsOutsideRegion(DeviceConfig& record, int region);

// "%0.1f" of the preset in MHz, or the given word for an empty one.
std::wstring PresetText(int preset, const std::wstring& emptyWord);
