#include "link/RecognitionRoads.h"

#include "link/DeviceFinders.h"
#include "link/HidChannel.h"
#include "link/HidRoad.h"
#include "link/MakerUsb.h"

int RunRecognitionRoads(const DeviceConfig* record, RecognitionState& state, const RecognitionPlatform& platform)
{
    if (FindHidPairDevice(platform.primary, platform.secondary) == 1) {
        state.m_modelCode = kHidPairModelCode;
        return RunHidRoad(platform.primary, platform.secondary, record, state,
                          HidDeadline::In(kHidRecognitionDeadlineMs));
    }
    CloseHidHandle(platform.primary);
    CloseHidHandle(platform.secondary);
    if (!platform.openDfuLibrary)
        return kRecognitionNothingFound;
    DfuScan scan;
    DfuRoadCounts counts;
    int result = kRecognitionNothingFound;
    {
        const std::unique_ptr<DfuLibraryAccess> library = platform.openDfuLibrary();
        if (library)
            result = RunDfuRoad(*library, platform.scanUsb, record, platform.cameraDrive, state, &scan, &counts);
    }
    return DfuFinalCountCheck(result, scan, counts);
}
