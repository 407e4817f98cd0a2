#include "settings/FmPresetRules.h"

#include <climits>
#include <cmath>
#include <cwchar>

#include "text/TextFormat.h"

namespace {

constexpr int kWorldwide = 0;

bool OnGrid(const FmRegionBand& band, int p)
{
    return (p - band.lowest) % band.step == 0;
}

int Wrap(const FmRegionBand& band, int p)
{
    if (p < band.lowest)
        return band.highest;
    if (p > band.highest)
        return band.lowest;
    return p;
}

} // namespace

int PageFmRegion(int region)
{
    return FindFmRegionBand(region) ? region : kWorldwide;
}

const FmRegionBand& PageFmBand(int region)
{
    return *FindFmRegionBand(PageFmRegion(region));
}

TypedPreset ReadTypedPreset(const std::wstring& text, int region)
{
    const int pageRegion = PageFmRegion(region);
    const float mhz = static_cast<float>(std::wcstod(text.c_str(), nullptr));
    const float scaled = mhz * 100.0f;
    if (!std::isfinite(scaled) || scaled >= 2147483648.0f || scaled <= -2147483648.0f)
        return {kFmFrequencyOutsideBand, 0};
    int a = static_cast<int>(scaled);
    const int r = a % 10;
    a -= r;
    if (r >= 5)
        a += 10;
    return {ValidateFmFrequency(pageRegion, a), a};
}

int CorrectSpunPreset(int region, int stored, int p)
{
    const int pageRegion = PageFmRegion(region);
    const FmRegionBand& band = PageFmBand(region);
    if (ValidateFmFrequency(pageRegion, p) == kFmFrequencyOffGrid && band.step == 20) {
        if (stored < p)
            p += 10;
        else if (p < stored)
            p -= 10;
    }
    if (ValidateFmFrequency(pageRegion, p) != kFmFrequencyValid)
        p = Wrap(band, p);
    if (!OnGrid(band, p)) {
        const int offset = ((p - band.lowest) % band.step + band.step) % band.step;
        p = p < stored ? p - offset : p - offset + band.step;
        p = Wrap(band, p);
    }
    return p;
}

int StartingPreset(const int (&presets)[kFmPresetCount], const bool (&checked)[kFmPresetCount], int index, int region)
{
    for (int i = index - 1; i >= 0; --i) {
        if (checked[i] && presets[i] > 0)
            return presets[i];
    }
    for (int i = index + 1; i < kFmPresetCount; ++i) {
        if (checked[i] && presets[i] > 0)
            return presets[i];
    }
    return PageFmBand(region).lowest;
}

void ClearPresetsOutsideRegion(DeviceConfig& record, int region)
{
    const int pageRegion = PageFmRegion(region);
    for (int& preset : record.m_fmPresets) {
        if (ValidateFmFrequency(pageRegion, preset) != kFmFrequencyValid)
            preset = 0;
    }
}

std::wstring PresetText(int preset, const std::wstring& emptyWord)
{
    if (preset == 0)
        return emptyWord;
    return FillPlaceholders(L"%0.1f", {preset / 100.0});
}
