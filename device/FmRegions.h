#pragma once
// FM band of each radio region, frequencies in units of 10 kHz (7600 is 76.0 MHz).

struct FmRegionBand {
    int lowest;
    int highest;
    int step;
};

constexpr int kFmRegionCount = 6;

// Results of ValidateFmFrequency.
enum FmFrequencyCheck {
    kFmFrequencyValid = 0,
    kFmFrequencyOutsideBand = 1,
    kFmFrequencyOffGrid = 2,
};

// The band of a region, or nullptr for a region outside 0 to 5. A stored
// region comes from the unit or an archive and is not trusted to be in range.
const FmRegionBand* FindFmRegionBand(int region);

// 0 valid, 1 outside the region's band, 2 not on the region's channel grid.
// Both band edges are valid; a region outside 0 to 5 has no band, so every
// frequency is outside it.
int ValidateFmFrequency(int region, int frequency);
