#include <windows.h>

#include <gtest/gtest.h>

#include "link/UsbScan.h"
#include "tests/support/UsbPlanting.h"

namespace {

TEST(UsbScanWine, AFreshPrefixHasNoUnit)
{
    PlantedUsbDevices none;
    int ids[2] = {-1, -1};
    EXPECT_EQ(FindUsbDfuDevices(ids, 2), 0);
    EXPECT_EQ(ids[0], -1);
}

TEST(UsbScanWine, CountsPlantedUnitsInBothModes)
{
    PlantedUsbDevices usb;
    ASSERT_TRUE(
        usb.Plant(L"VID_2B4E&PID_2011", L"unit1", {L"USB\\VID_2B4E&PID_2011&REV_0100", L"USB\\VID_2B4E&PID_2011"}));
    ASSERT_TRUE(usb.Plant(L"VID_2B4E&PID_2030", L"unit2", {L"USB\\VID_2B4E&PID_2030&REV_0100"}));
    ASSERT_TRUE(usb.Plant(L"VID_2B4E&PID_A011", L"unit3", {L"usb\\vid_2b4e&pid_a011&rev_0100"}));
    ASSERT_TRUE(usb.Plant(L"VID_0A12&PID_0001", L"other", {L"USB\\VID_0A12&PID_0001&REV_8891"}));

    int ids[2] = {-1, -1};
    EXPECT_EQ(FindUsbDfuDevices(ids, 2), 2);
    // Both are stored; which comes first is the enumeration's order.
    EXPECT_TRUE((ids[0] == 0x2011 && ids[1] == 0xA011) || (ids[0] == 0xA011 && ids[1] == 0x2011))
        << std::hex << ids[0] << " " << ids[1];
}

TEST(UsbScanWine, StoresNoMoreThanTheCapacity)
{
    PlantedUsbDevices usb;
    ASSERT_TRUE(usb.Plant(L"VID_2B4E&PID_2010", L"a", {L"USB\\VID_2B4E&PID_2010&REV_0100"}));
    ASSERT_TRUE(usb.Plant(L"VID_2B4E&PID_2020", L"b", {L"USB\\VID_2B4E&PID_2020&REV_0100"}));
    ASSERT_TRUE(usb.Plant(L"VID_2B4E&PID_A020", L"c", {L"USB\\VID_2B4E&PID_A020&REV_0100"}));
    int ids[3] = {-1, -1, -7};
    EXPECT_EQ(FindUsbDfuDevices(ids, 2), 3);
    // Two different planted ids are stored, the third place is not touched.
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(ids[i] == 0x2010 || ids[i] == 0x2020 || ids[i] == 0xA020) << std::hex << ids[i];
    }
    EXPECT_NE(ids[0], ids[1]);
    EXPECT_EQ(ids[2], -7);
    int one[2] = {-1, -1};
    EXPECT_EQ(FindUsbDfuDevices(one, 1), 3);
    EXPECT_EQ(one[0], ids[0]);
    EXPECT_EQ(one[1], -1);
    EXPECT_EQ(FindUsbDfuDevices(nullptr, 0), 3);
}

TEST(UsbScanWine, AHardwareIdLongerThanTheBufferIsSkipped)
{
    PlantedUsbDevices usb;
    ASSERT_TRUE(
        usb.Plant(L"VID_2B4E&PID_2010", L"long", {L"USB\\VID_2B4E&PID_2010&REV_0100", std::wstring(300, L'X')}));
    EXPECT_EQ(FindUsbDfuDevices(nullptr, 0), 0);
}

} // namespace
