#include "device/FmRegions.h"

namespace {

const FmRegionBand kFmRegionBands[kFmRegionCount] = {
    {7600, 10800, 10}, {8750, 10790, 20}, {8750, 10800, 10}, {8750, 10790, 20}, {8750, 10800, 10}, {7600, 9500, 10},
};

} // namespace

const FmRegionBand* FindFmRegionBand(int region)
{
    if (region < 0 || region >= kFmRegionCount) {
        return nullptr;
    }
    return &kFmRegionBands[region];
}

int ValidateFmFrequency(int region, int frequency)
{
    const FmRegionBand* band = FindFmRegionBand(region);
    if (band == nullptr || frequency < band->lowest || frequency > band->highest) {
        return kFmFrequencyOutsideBand;
    }
    // The grid starts at the band's lowest channel, so 20-unit bands sit on odd 100 kHz steps.
    return frequency % band->step == band->lowest % band->step ? kFmFrequencyValid : kFmFrequencyOffGrid;
}
