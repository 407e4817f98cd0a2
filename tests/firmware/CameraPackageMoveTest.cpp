// The 0x3020 package's last step: the camera's firmware from the image folder
// onto the camera's card, on the machine's own files (natively and under Wine).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "firmware/FirmwareFiles.h"
#include "tests/firmware/TempFiles.h"

namespace {

const std::vector<std::uint8_t> kNewFirmware = {'n', 'e', 'w'};
const std::vector<std::uint8_t> kOldFirmware = {'o', 'l', 'd', '!'};

struct MoveCase {
    const char* name;
    bool firmwareUnpacked; // the image folder holds the camera's firmware
    bool oldOnCard;        // the card already holds an earlier vek40_100.bin
    bool cardThere;        // the card's root can be written
    bool moved;
    const char* cardHolds; // afterwards: "new", "old!" or "" for no file
    bool firmwareLeft;     // the image folder keeps its copy
};

const MoveCase kCases[] = {
    {"ontoAnEmptyCard", true, false, true, true, "new", false},
    {"overAnEarlierFile", true, true, true, true, "new", false},
    {"cardGoneKeepsTheCopy", true, false, false, false, "", true},
    {"nothingUnpackedLeavesTheCardAlone", false, true, true, false, "old!", false},
};

class CameraPackageMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(CameraPackageMove, TheFirmwareReachesTheCardOrStaysAndTheBluetoothImageGoes)
{
    const MoveCase& c = GetParam();
    TempFolder images;
    TempFolder card;
    if (c.firmwareUnpacked)
        images.Write(kCameraPackageFirmwareFile, kNewFirmware);
    images.Write(kCameraPackageBluetoothFile, {1, 2, 3});
    if (c.oldOnCard)
        card.Write(L"vek40_100.bin", kOldFirmware);
    const std::wstring root = c.cardThere ? card.File(L"") : card.File(L"missing") + card.File(L"").back();

    EXPECT_EQ(c.moved, MoveCameraPackageToCard(HostFileSystem(), images.File(L""), root));

    EXPECT_EQ(std::string(c.cardHolds), card.Read(L"vek40_100.bin"));
    EXPECT_EQ(c.firmwareLeft, images.Exists(kCameraPackageFirmwareFile));
    EXPECT_FALSE(images.Exists(kCameraPackageBluetoothFile));
}

INSTANTIATE_TEST_SUITE_P(Cases, CameraPackageMove, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

} // namespace
