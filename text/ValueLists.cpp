#include "text/ValueLists.h"

#include "text/NameTables.h"
#include "text/SharedWords.h"

#include <algorithm>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

std::wstring JoinValueList(std::initializer_list<std::wstring> entries)
{
    std::wstring list;
    bool first = true;
    for (const std::wstring& entry : entries) {
        if (!first)
            list += L'\n';
        list += entry;
        first = false;
    }
    return list;
}

std::wstring ValueListLowMediumHigh(int language)
{
    return JoinValueList({TextLowMediumHigh(language, 0), TextLowMediumHigh(language, 1),
                          TextLowMediumHigh(language, 2)});
}

std::wstring ValueListLevels(int language, int levelCount)
{
    const int count = std::clamp(levelCount, 1, kLevelNameCount);
    std::wstring list = TextLevelNames(language, 0);
    for (int entry = 1; entry < count; ++entry) {
        list += L'\n';
        list += TextLevelNames(language, entry);
    }
    return list;
}

std::wstring ValueListSmartVolumeControl(int language)
{
    return JoinValueList({GetTextDisable(language), TextLowMediumHigh(language, 0),
                          TextLowMediumHigh(language, 1), TextLowMediumHigh(language, 2)});
}

std::wstring ValueListMotionSensorSensitivity(int language)
{
    return JoinValueList({GetTextDisable(language), TextLowMediumHigh(language, 0),
                          TextLowMediumHigh(language, 2)});
}

std::wstring ValueListAudioSourcePriority(int language)
{
    return JoinValueList({TextIntercom(language), TextMusic(language)});
}

std::wstring ValueListChannelSelect(int language)
{
    std::wstring list = TextChannelNames(language, 0);
    for (int entry = 1; entry < kChannelNameCount; ++entry) {
        list += L'\n';
        list += TextChannelNames(language, entry);
    }
    return list;
}

std::wstring ValueListUnitLanguage(int language)
{
    std::wstring list = TextUnitLanguageNames(language, 0);
    for (int entry = 1; entry < kUnitLanguageNameCount; ++entry) {
        list += L'\n';
        list += TextUnitLanguageNames(language, entry);
    }
    return list;
}

std::wstring ValueListPhotoMode(int language)
{
    return JoinValueList({TextSingleShot(language), TextBurstShot(language)});
}

std::wstring ValueListVideoMode(int language, bool withLoopRecording)
{
    if (withLoopRecording)
        return JoinValueList({TextVideoMode(language), TextTimelapseMode(language),
                              TextLoopRecordingMode(language)});
    return JoinValueList({TextVideoMode(language), TextTimelapseMode(language)});
}

std::wstring ValueListVideoResolution(int language)
{
    return JoinValueList({Text1080p30fps(language), Text720p60fps(language), Text720p30fps(language)});
}

std::wstring ValueListTimelapseInterval(int language)
{
    return JoinValueList({Text1Sec(language), Text10Secs(language)});
}

std::wstring ValueListMinutesInterval(int language)
{
    return JoinValueList({Text1Min(language), Text3Mins(language), Text5Mins(language)});
}

std::wstring ValueListEssStatus(int language)
{
    return JoinValueList({TextEssOn(language), TextPositionLightEssOn(language),
                          TextFogLightEssOn(language), TextEssOff(language)});
}
