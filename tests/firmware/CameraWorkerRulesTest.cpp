#include <gtest/gtest.h>

#include <string>

#include "firmware/CameraWorkerRules.h"

namespace {

TEST(CameraDriveNames, EachCameraModelHasItsThreeNames)
{
    struct Case {
        int productId;
        const wchar_t* versionFile;
        const wchar_t* temporaryName;
        const wchar_t* targetName;
    };
    const Case cases[] = {
        {0x5510, L"Zimbo.VER", L"__zimbo_firmware__.bin", L"FWCARCAM.bin"},
        {0x5580, L"zimbopro.bin", L"__zimbo_pro_firmware__.bin", L"SD_ZimboPRO.bin"},
        {0x5570, L"MISC/version.conf", L"__zimbo_evo_firmware__.bin", L"AmbaSysFW_ZimboEVO.bin"},
        {0x3060, L"MISC/version.conf", L"__eskal_pro_firmware__.bin", L"AmbaSysFW_EskalPro.bin"},
    };
    for (const Case& c : cases) {
        const CameraDriveNames* names = FindCameraDriveNames(c.productId);
        ASSERT_NE(names, nullptr) << std::hex << c.productId;
        EXPECT_STREQ(names->versionFile, c.versionFile);
        EXPECT_STREQ(names->temporaryName, c.temporaryName);
        EXPECT_STREQ(names->targetName, c.targetName);
        EXPECT_TRUE(HasCameraDrive(c.productId));
    }
}

TEST(CameraDriveNames, OtherModelsOfTheRoadHaveNoCard)
{
    for (int productId : {0x5610, 0x5720, 0x3050, 0x6400, 0x3020, 0x5345, 0})
        EXPECT_FALSE(HasCameraDrive(productId)) << std::hex << productId;
}

TEST(CameraWorkerRules, FinishAndExtraCyclePerModel)
{
    struct Case {
        int productId;
        bool direct;
        bool extraCycle;
    };
    const Case cases[] = {
        {0x5510, false, false}, {0x5580, false, true}, {0x5570, true, false}, {0x3060, true, false},
        {0x5720, true, false},  {0x3050, true, false}, {0x6400, true, false}, {0x5610, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FinishesDirectly(c.productId), c.direct) << std::hex << c.productId;
        EXPECT_EQ(NeedsExtraCameraCycle(c.productId), c.extraCycle) << std::hex << c.productId;
    }
}

TEST(CameraVersion, ReadsTheFirstTwoNumbersOfTheJoinedLines)
{
    struct Case {
        const wchar_t* text;
        int major;
        int minor;
    };
    const Case cases[] = {
        {L"1.2", 1, 2},
        {L"1.2.3", 1, 2}, // a third part is ignored
        {L"10.20.30.40", 10, 20},
        {L"v1.2", 0, 2}, // not a number before the first period
        {L"abc", 0, 0},
        {L"", 0, 0},
        {L"7", 7, 0}, // no period: no minor
        {L"2.", 2, 0},
        {L" 3. 4", 3, 4}, // leading blanks as the runtime skips them
        {L"-1.5", -1, 5},
        {L"1.5rc2.7", 1, 5},     // leading digits only
        {L"1.2\r\nbuild", 1, 2}, // lines joined without separators
        {L"1.23build7.9", 1, 23},
        {L"99999999999.1", 2147483647, 1},
    };
    for (const Case& c : cases) {
        int major = -7, minor = -7;
        ReadCameraVersion(c.text, major, minor);
        EXPECT_EQ(major, c.major) << c.text;
        EXPECT_EQ(minor, c.minor) << c.text;
    }
}

TEST(DriveRoot, LetterColonBackslash)
{
    EXPECT_EQ(DriveRoot(0), L"A:\\");
    EXPECT_EQ(DriveRoot(4), L"E:\\");
    EXPECT_EQ(DriveRoot(25), L"Z:\\");
}

} // namespace
