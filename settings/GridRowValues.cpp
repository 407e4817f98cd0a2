// The read and write halves of the row kinds, and the lookup through the chain.

#include "settings/GridRowCatalogue.h"

#include <algorithm>
#include <climits>

GridListWords GridListWords::From(const DeviceConfig& config)
{
    return GridListWords{config.m_settings[0] & 0xFFFF, config.m_settings[1] & 0xFFFF};
}

int ReadGridValue(const GridRowKind& kind, const DeviceConfig& config, const GridListWords& words)
{
    const GridBinding& b = kind.binding;
    switch (b.form) {
    case kBindAccessor: return (config.*b.get)();
    case kBindOptionInt: return config.*b.option;
    case kBindSettingsWord: return config.m_settings[b.word];
    case kBindWordBit: return ((b.word == 0 ? words.word0 : words.word1) >> b.bit) & 1;
    }
    return 0;
}

const wchar_t* GridCheckBoxText(const GridRowKind& kind, const DeviceConfig& config, const GridListWords& words)
{
    const bool set = ReadGridValue(kind, config, words) != 0;
    const bool enabled = kind.enableWhen == kEnableWhenSet ? set : !set;
    return enabled ? L"0" : L"1";
}

int GridDropDownIndex(const GridRowKind& kind, const DeviceConfig& config, const GridListWords& words)
{
    // Worked out wide: a stored value near the int limits (a damaged record)
    // must give an index outside the items, not overflow.
    const long long value = ReadGridValue(kind, config, words);
    long long index = value;
    switch (kind.indexRule) {
    case kIndexIsValue: break;
    case kIndexIsValueMinusOne: index = value - 1; break;
    case kIndexIsTenMinusValue: index = 10 - value; break;
    }
    return index < INT_MIN || index > INT_MAX ? -1 : static_cast<int>(index);
}

int GridItemCount(const GridRowKind& kind, int language)
{
    if (kind.items == nullptr)
        return 0;
    const std::wstring items = kind.items(language);
    return static_cast<int>(std::count(items.begin(), items.end(), L'\n')) + 1;
}

bool IsGridRowDisabled(GridDependency dependency, const DeviceConfig& config, const GridListWords& words)
{
    switch (dependency) {
    case kAlwaysEnabled: return false;
    case kEnabledWhileDualstreamBitSet: return config.GetDualstreamBit() == 0;
    case kDisabledWhileWord23Set: return config.m_settings[23] != 0;
    case kDisabledWhileWord1Bit11Set: return ((words.word1 >> 11) & 1) != 0;
    case kEnabledWhileSpeakerRecordingSet: return config.GetSpeakerSoundRecording() == 0;
    }
    return false;
}

GridDependency GridMasterDependency(const GridRowKind& kind)
{
    // Each dependency reads one stored value; the master is the row whose binding writes it.
    const GridBinding& b = kind.binding;
    if (kind.master == kNotMaster)
        return kAlwaysEnabled;
    if (b.form == kBindSettingsWord && b.word == 23)
        return kDisabledWhileWord23Set;
    if (b.form == kBindWordBit && b.word == 1 && b.bit == 11)
        return kDisabledWhileWord1Bit11Set;
    if (b.form == kBindAccessor && b.get == &DeviceConfig::GetDualstreamBit)
        return kEnabledWhileDualstreamBitSet;
    if (b.form == kBindAccessor && b.get == &DeviceConfig::GetSpeakerSoundRecording)
        return kEnabledWhileSpeakerRecordingSet;
    return kAlwaysEnabled;
}

namespace {

// Stores a number through the binding: the setter, the int, the whole word, or the bit.
void WriteGridValue(const GridRowKind& kind, DeviceConfig& config, int value)
{
    const GridBinding& b = kind.binding;
    switch (b.form) {
    case kBindAccessor:
        if (b.set != nullptr)
            (config.*b.set)(value);
        return;
    case kBindOptionInt: config.*b.option = value; return;
    case kBindSettingsWord: config.m_settings[b.word] = value; return;
    case kBindWordBit:
        if (value != 0)
            config.m_settings[b.word] |= 1 << b.bit;
        else
            config.m_settings[b.word] &= ~(1 << b.bit);
        return;
    }
}

} // namespace

void WriteGridCheckBox(const GridRowKind& kind, DeviceConfig& config, bool enable)
{
    const bool set = kind.enableWhen == kEnableWhenSet ? enable : !enable;
    WriteGridValue(kind, config, set ? 1 : 0);
}

void WriteGridDropDownIndex(const GridRowKind& kind, DeviceConfig& config, int index)
{
    switch (kind.indexRule) {
    case kIndexIsValue: WriteGridValue(kind, config, index); return;
    case kIndexIsValueMinusOne: WriteGridValue(kind, config, index + 1); return;
    case kIndexIsTenMinusValue: WriteGridValue(kind, config, 10 - index); return;
    }
}

const GridRowGroup* FindGridRowGroup(int productId)
{
    for (std::size_t i = 0; i < kGridRowChainLength; ++i) {
        if (kGridRowChain[i]->products.Contains(productId))
            return kGridRowChain[i];
    }
    return nullptr;
}

GridRangeChoice FindGridRange(int productId, const DeviceConfig& firmwareRecord)
{
    const GridRowGroup* group = FindGridRowGroup(productId);
    if (group == nullptr)
        return GridRangeChoice{nullptr, nullptr, nullptr};
    int range = 0;
    while (range < group->thresholdCount &&
           firmwareRecord.CompareFirmwareVersion(group->thresholds[range].major, group->thresholds[range].minor) >= 0)
        ++range;
    const GridRange& chosen = group->ranges[range];
    const GridRowList* list = chosen.onlyFor != 0 && chosen.onlyFor != productId ? chosen.otherwise : chosen.list;
    return GridRangeChoice{group, &chosen, list};
}

const GridRowList* FindGridRowList(int productId, const DeviceConfig& firmwareRecord)
{
    return FindGridRange(productId, firmwareRecord).list;
}
