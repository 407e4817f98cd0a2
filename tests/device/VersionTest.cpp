#include <climits>
#include <cwchar>
#include <string>

#include <gtest/gtest.h>

#include "device/DeviceConfig.h"
#include "device/VersionCompare.h"

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

struct Version4Case {
    int a, b, c, d;
    int e, f, g, h;
    int kindFirst;
    int expectedSign;
};

TEST(CompareVersion4, OrdersReleaseCandidatesBuildsAndCameraVersions)
{
    const Version4Case cases[] = {
        // major.minor decides first
        {4, 1, 2, 99, 4, 2, 0, 0, 0, -1},
        {5, 0, 1, 1, 4, 9, 2, 9, 0, 1},
        // release candidate below the plain version and below any build
        {4, 2, 1, 3, 4, 2, 2, 1, 0, -1},
        {4, 2, 0, 0, 4, 2, 1, 9, 0, 1},
        {2, 0, 1, 3, 2, 0, 0, 0, 0, -1},
        {2, 0, 2, 0, 2, 0, 1, 5, 0, 1},
        // plain version below a build
        {4, 2, 0, 0, 4, 2, 2, 1, 0, -1},
        // same kind: the build number decides
        {4, 2, 2, 3, 4, 2, 2, 1, 0, 1},
        {2, 0, 1, 2, 2, 0, 1, 3, 0, -1},
        {4, 2, 2, 3, 4, 2, 2, 3, 0, 0},
        // camera: kind and build first, then major and minor
        {1, 0, 2, 4, 1, 0, 2, 5, 1, -1},
        {9, 9, 1, 0, 0, 0, 2, 0, 1, -1},
        {1, 0, 3, 2, 1, 1, 3, 2, 1, -1},
        {1, 2, 3, 2, 1, 1, 3, 2, 1, 1},
        {1, 1, 3, 2, 1, 1, 3, 2, 1, 0},
    };
    for (const Version4Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << '.' << c.b << '.' << c.c << '.' << c.d << " vs " << c.e << '.' << c.f
                                        << '.' << c.g << '.' << c.h << " kindFirst " << c.kindFirst);
        EXPECT_EQ(c.expectedSign, Sign(CompareVersion4(c.a, c.b, c.c, c.d, c.e, c.f, c.g, c.h, c.kindFirst)));
    }
}

TEST(CompareVersion4, SwappingTheVersionsFlipsTheSign)
{
    // Kinds from outside the known three included: -1 shares the release
    // candidate's rank, so neither of two such versions may claim to be older.
    const int kinds[] = {-1, 0, 1, 2, 3};
    const int builds[] = {0, 4};
    for (int kindFirst : {0, 1}) {
        for (int c : kinds) {
            for (int g : kinds) {
                for (int d : builds) {
                    for (int h : builds) {
                        SCOPED_TRACE(testing::Message() << "kinds " << c << "/" << g << " builds " << d << "/" << h
                                                        << " kindFirst " << kindFirst);
                        EXPECT_EQ(Sign(CompareVersion4(3, 1, c, d, 3, 1, g, h, kindFirst)),
                                  -Sign(CompareVersion4(3, 1, g, h, 3, 1, c, d, kindFirst)));
                    }
                }
            }
        }
    }
    EXPECT_EQ(1, Sign(CompareVersion4(3, 1, -1, 5, 3, 1, 1, 2, 0)));
    EXPECT_EQ(-1, Sign(CompareVersion4(3, 1, 1, 2, 3, 1, -1, 5, 0)));
}

TEST(CompareVersion2, ReturnsTheFirstDifferenceWithoutOverflow)
{
    EXPECT_EQ(3, CompareVersion2(5, 0, 2, 9));
    EXPECT_EQ(-2, CompareVersion2(1, 1, 1, 3));
    EXPECT_EQ(0, CompareVersion2(1, 1, 1, 1));
    EXPECT_EQ(4, CompareVersion3(1, 1, 7, 1, 1, 3));
    EXPECT_EQ(-1, CompareVersion3(1, 0, 7, 1, 1, 3));
    // Parts parsed from outside can be extreme; the sign must survive.
    EXPECT_GT(CompareVersion2(INT_MAX, 0, -5, 0), 0);
    EXPECT_LT(CompareVersion2(INT_MIN, 0, 5, 0), 0);
    EXPECT_LT(CompareVersion2(0, INT_MIN, 0, INT_MAX), 0);
}

struct Parse2Case {
    const wchar_t* text;
    int result, major, minor;
};

TEST(ParseVersion2, ParsesMajorAndMinorOrFails)
{
    const Parse2Case cases[] = {
        {L"4.2", 1, 4, 2},   {L"  4 .  2  ", 1, 4, 2}, {L"\t10.15\r\n", 1, 10, 15},
        {L"4.2.1", 1, 4, 2}, {L"2.0rc3", 1, 2, 0},     {L"2.0rc", 1, 2, 0},
        {L"x.y", 1, 0, 0},   {L"4.", 1, 4, 0},         {L"42", 0, 0, 0},
        {L".5", 0, 0, 0},    {L"", 0, 0, 0},           {L"99999999999.1", 1, INT_MAX, 1},
    };
    for (const Parse2Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << std::string(c.text, c.text + std::wcslen(c.text)) << '"');
        int major = 77, minor = 77;
        EXPECT_EQ(c.result, ParseVersion2(c.text, major, minor));
        EXPECT_EQ(c.major, major);
        EXPECT_EQ(c.minor, minor);
    }
}

struct Parse4Case {
    const wchar_t* text;
    int result, a, b, c, d;
};

TEST(ParseVersion4, KeepsThePartsConvertedBeforeAMissingPoint)
{
    const Parse4Case cases[] = {
        {L"1.0.2.11", 1, 1, 0, 2, 11},   {L" 1 . 0 . 1 . 5 ", 1, 1, 0, 1, 5},
        {L"1.0.2.11.7", 1, 1, 0, 2, 11}, {L"4.2", 0, 4, 0, 0, 0},
        {L"4.2.1", 0, 4, 2, 0, 0},       {L"4..1.1", 0, 4, 0, 0, 0},
        {L".1.2.3", 0, 0, 0, 0, 0},      {L"7", 0, 0, 0, 0, 0},
        {L"2.0rc3", 0, 2, 0, 0, 0},
    };
    for (const Parse4Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << std::string(c.text, c.text + std::wcslen(c.text)) << '"');
        int a = 77, b = 77, cc = 77, d = 77;
        EXPECT_EQ(c.result, ParseVersion4(c.text, a, b, cc, d));
        EXPECT_EQ(c.a, a);
        EXPECT_EQ(c.b, b);
        EXPECT_EQ(c.c, cc);
        EXPECT_EQ(c.d, d);
    }
}

TEST(DeviceConfigVersion, FirmwareComparisonsUseTheRecordsVersion)
{
    DeviceConfig record;
    record.m_modelCode = 0x3020;
    record.m_firmwareVersion = DeviceVersion{1, 0, 2, 4, 9};
    EXPECT_LT(record.CompareFullVersion(1, 0, 2, 5), 0);
    // Kind and build come first for the camera, so a higher major does not win.
    record.m_firmwareVersion = DeviceVersion{9, 0, 2, 4, 0};
    EXPECT_LT(record.CompareFullVersion(1, 0, 2, 5), 0);
    record.m_modelCode = 0x4D10;
    EXPECT_GT(record.CompareFullVersion(1, 0, 2, 5), 0);

    record.m_firmwareVersion = DeviceVersion{2, 0, 1, 3, 0};
    EXPECT_LT(record.CompareFullVersion(2, 0, 0, 0), 0); // 2.0rc3 is older than 2.0
    EXPECT_LT(record.CompareFullVersion(2, 0, 2, 0), 0); // and than any 2.0 build
    EXPECT_EQ(0, record.CompareFullVersion(2, 0, 1, 3));

    record.m_firmwareVersion = DeviceVersion{1, 1, 1, 3, 0};
    EXPECT_EQ(0, record.CompareFirmwareVersion(1, 1)); // the secondary part takes no part
    EXPECT_LT(record.CompareFirmwareVersion(2, 0), 0);
    EXPECT_EQ(1, record.CompareFirmwareVersion(1, 0));
    EXPECT_EQ(-3, record.CompareFirmwareVersion(4, 9));
}

TEST(DeviceConfigVersion, SetFirmwareVersionTextFillsMajorAndMinorOnly)
{
    DeviceConfig record;
    record.m_firmwareVersion = DeviceVersion{9, 9, 2, 7, 3};
    EXPECT_EQ(1, record.SetFirmwareVersionText(L"4.2"));
    EXPECT_EQ(4, record.m_firmwareVersion.major);
    EXPECT_EQ(2, record.m_firmwareVersion.minor);
    EXPECT_EQ(2, record.m_firmwareVersion.kind);
    EXPECT_EQ(7, record.m_firmwareVersion.build);
    EXPECT_EQ(0, record.SetFirmwareVersionText(L"garbage"));
    EXPECT_EQ(0, record.m_firmwareVersion.major);
    EXPECT_EQ(0, record.m_firmwareVersion.minor);
}

} // namespace
