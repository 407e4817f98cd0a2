#include "settings/GridRestoreText.h"

#include "text/NameTables.h"
#include "text/SharedWords.h"

namespace {

// Item n of the kind's own drop-down items (0 the first); the items are never empty.
std::wstring ItemOf(const GridRowKind& kind, int language, int n)
{
    const std::wstring items = kind.items(language);
    std::size_t begin = 0;
    for (int skipped = 0; skipped < n; ++skipped) {
        const std::size_t feed = items.find(L'\n', begin);
        if (feed == std::wstring::npos)
            break;
        begin = feed + 1;
    }
    const std::size_t end = items.find(L'\n', begin);
    return items.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
}

std::wstring OnOff(bool on, int language)
{
    return on ? GetTextEnabled(language) : GetTextDisabled(language);
}

} // namespace

std::wstring GridRestoreValueText(const GridRowKind& kind, const DeviceConfig& archive, const GridListWords& words,
                                  int language)
{
    if (kind.restoreRule == kRestoreEmptyValue || kind.restoreRule == kRestoreGridOnly)
        return std::wstring();
    const int value = ReadGridValue(kind, archive, words);
    switch (kind.restoreRule) {
    case kRestoreOnWhenSet: return OnOff(value != 0, language);
    case kRestoreOffWhenOne: return OnOff(value != 1, language);
    // A damaged word shows its true difference: the subtraction cannot overflow in long long.
    case kRestoreElevenMinus: return std::to_wstring(11LL - static_cast<long long>(value));
    // Nothing outside the ten level names is read: any other stored number shows as it is.
    case kRestoreLevel:
        return value >= 1 && value <= kLevelNameCount ? TextLevelNames(language, value - 1) : std::to_wstring(value);
    // The items are "Disable", "Low", "High".
    case kRestoreMotion: return ItemOf(kind, language, value == 1 ? 0 : value == 2 ? 1 : 2);
    // The items are "Disable", "Low", "Medium", "High"; the list words the off state "Disabled".
    case kRestoreSmartVolume:
        return value == 0 ? GetTextDisabled(language) : ItemOf(kind, language, value == 1 || value == 2 ? value : 3);
    case kRestoreSource:
    case kRestoreTwoWords: return ItemOf(kind, language, value == 0 ? 0 : 1);
    case kRestoreThreeWords: return ItemOf(kind, language, value == 0 || value == 1 ? value : 2);
    case kRestoreEmptyValue:
    case kRestoreGridOnly: break;
    }
    return std::wstring();
}
